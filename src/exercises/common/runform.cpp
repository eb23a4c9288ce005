#include "runform.h"

#include "common/clock.h"
#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/catalogue.h"
#include "run/rules.h"
#include "runend.h"
#include "ui/accessible.h"
#include "ui/twips.h"

using common::Str;

namespace {
const QString CR = QStringLiteral("\r");

constexpr int halfWidth = 3400;
constexpr int promptTop = 120;
constexpr int feedbackTop = 1900;
constexpr int pictureTop = 2320;
constexpr int pictureHeight = 3000;
constexpr int buttonTop = 5480;
constexpr int rowHeight = 330;
} // namespace

RunForm::RunForm(const char* id, const run::Session& session, const RunLayout& layout)
    : ui::Form(QString::fromLatin1(id)), exercise_(*catalogue::find(QString::fromLatin1(id))),
      layout_(layout), session_(session.forExercise(QString::fromLatin1(id)))
{
    setSizeTw(layout.windowWidth2, layout.windowHeight);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);
    makePlayerHalf(1);
    makePlayerHalf(2);
    menuButton = new ui::Button(this, QStringLiteral("Naar menu"), leftPlayer1, buttonTop,
                                layout.buttonWidth2, 400);
    menuButton->setAccessibleName(QStringLiteral("Naar menu"));
    menuButton->onClick = [this] { endRun(); };
    timer = new ui::Timer(this, 2000);
    timer->onTick = [this] { tick(); };
}

void RunForm::makePlayerHalf(int player)
{
    const int x = left(player);
    auto* pic = new ui::PictureBox(this, x, pictureTop, halfWidth, pictureHeight);
    pic->setKeepNewestInView(true);
    QFont pf = pic->font();
    pf.setPointSizeF(9);
    pic->setFont(pf);
    auto* prompt = new ui::Label(
        this, player == 1 ? QStringLiteral(" vul in !") : QStringLiteral("naam2, vul in !"), x,
        promptTop, halfWidth, rowHeight);
    prompt->setColours(Qt::white, ui::colour(1));
    prompt->setKind(ui::kindPrompt);
    auto* feedback = new ui::Label(this, QStringLiteral("Goed zo, naam%1").arg(player), x,
                                   feedbackTop, halfWidth, rowHeight);
    feedback->setColours(Qt::black, ui::colour(12).lighter(170));
    feedback->setKind(ui::kindFeedback);
    auto* box = new ui::TextBox(this, x + 1800, problemTop + 600, 1200, rowHeight);
    box->setAccessibleName(QStringLiteral("Antwoord van speler %1").arg(player));
    pic->setAccessibleName(QStringLiteral("Gegeven antwoorden van speler %1").arg(player));
    box->onEnter = [this, player] { answered(player); };
    (player == 1 ? historyArea1 : historyArea2) = pic;
    (player == 1 ? promptLabel1 : promptLabel2) = prompt;
    (player == 1 ? feedbackLabel1 : feedbackLabel2) = feedback;
    (player == 1 ? answerBox1 : answerBox2) = box;
}

void RunForm::activate()
{
    const run::Session& s = session_;
    setCaption(catalogue::caption(exercise_, s.choiceCaption));
    end_ = run::RunEnd();
    historyArea1->clear();
    historyArea2->clear();
    // Problems per run and the levels on the mixed level are the catalogue's.
    const catalogue::Exercise* e = &exercise_;
    round_.emplace(s, catalogue::problemsPerRun(*e, s.level),
                   [e](int nr) { return catalogue::mixedLevelOfProblem(*e, nr); });

    promptLabel1->setCaption(QStringLiteral(" Let op ") + s.name(1) + QStringLiteral(" !"));
    promptLabel1->show();
    feedbackLabel1->hide();
    feedbackLabel2->hide();
    promptLabel2->hide();
    answerBox2->hide();
    historyArea2->hide();
    answerBox1->show();
    answerBox1->clear();
    answerBox1->setEnabled(false);

    historyArea1->print(QStringLiteral(" ") + s.name(1) + QStringLiteral(":") + CR);
    const bool two = twoPlayers();
    if (two) {
        historyArea2->print(QStringLiteral(" ") + s.name(2) + QStringLiteral(":") + CR);
        historyArea2->show();
    }
    ui::setWidthTw(menuButton, two ? layout_.buttonWidth2 : layout_.buttonWidth1);
    setWidthTw(two ? layout_.windowWidth2 : layout_.windowWidth1);

    common::random().randomize();
    timer->setEnabled(true);
    menuButton->setEnabled(false);
    startRun();
}

void RunForm::showAnswerBox(int player)
{
    ui::TextBox* box = answerBox(player);
    box->show();
    box->setEnabled(true);
    box->clear();
    ui::focusForAnswer(box, problemSentence(player));
}

void RunForm::tick()
{
    if (end_.closed())
        return;
    switch (round_->next()) {
    case run::Round::Step::Player2:
        giveTurn(2);
        promptLabel1->hide();
        break;
    case run::Round::Step::Player1:
        giveTurn(1);
        promptLabel2->hide();
        break;
    case run::Round::Step::End:
        endRun();
        break;
    }
}

// Shows the player's new problem and waits for the answer.
void RunForm::giveTurn(int player)
{
    generate(player);
    showAnswerBox(player);
    startTime_ = common::clock().seconds();
    promptLabel(player)->show();
    promptLabel(player)->setCaption(QStringLiteral(" ") + session_.name(player) +
                                    QStringLiteral("  vul in ! (nr. ") + Str(problemNumber()) +
                                    QStringLiteral(")"));
    feedbackLabel(player)->hide();
    timer->setEnabled(false);
    menuButton->setEnabled(true);
}

void RunForm::answered(int player)
{
    if (end_.closed() || timer->isEnabled() || noAnswer(player))
        return;
    round_->recordAnswer(player, startTime_, common::clock().seconds());

    feedbackLabel(player)->show();
    answerBox(player)->setEnabled(false);
    promptLabel(player)->hide();
    menuButton->setEnabled(false);

    const run::Verdict verdict = check(player);
    round_->countRight(player, verdict);
    if (verdict.right) {
        feedbackLabel(player)->setCaption(QStringLiteral("Goedzo ") + session_.name(player) +
                                          QStringLiteral("!   ") +
                                          Str(round_->player(player).score) + QStringLiteral(" g"));
        historyArea(player)->print(verdict.history);
    } else {
        feedbackLabel(player)->setCaption(verdict.feedback);
        historyArea(player)->print(verdict.history);
        explain(player);
    }
    for (const QString& line : verdict.log)
        round_->writeLine(player, line);
    afterCheck(player);
    if (end_.closed())
        return; // the window was closed while the explanation was open
    timer->setEnabled(true);
    round_->endTurn(player);
}

void RunForm::endRun()
{
    if (!round_ || !end_.begin())
        return;
    timer->setEnabled(false);
    round_->close();
    exercises::closeRun(*this, session_, round_->players(), catalogue::summaryTitle(exercise_),
                        run::summary(round_->players(), twoPlayers()));
}

bool RunForm::closeRequested()
{
    endRun();
    return true;
}
