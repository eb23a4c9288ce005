#include "anglesform.h"

#include "common/random.h"
#include "drawing.h"
#include "exercises/catalogue.h"
#include "exercises/common/runend.h"
#include "ui/accessible.h"
#include "ui/twips.h"

namespace {
// Layout in twips.
constexpr int margin = 120;
constexpr int rowHeight = 400;
constexpr int angleAreaTop = 640;
constexpr int angleAreaWidth = 6500;
constexpr int angleAreaHeight = 6255;
constexpr int answerTop = angleAreaTop + angleAreaHeight + 120;
constexpr int pointsTop = answerTop + rowHeight;
constexpr int pointsHeight = 620;
constexpr int formWidth = angleAreaWidth + 2 * margin;
constexpr int formHeight = pointsTop + pointsHeight + margin;

// The prompt's colours per player: red on light grey, white on blue.
QColor textColour(int player)
{
    return player == 1 ? ui::colour(12) : ui::colour(15);
}
QColor backColour(int player)
{
    return player == 1 ? ui::colour(7) : ui::colour(1);
}
} // namespace

AnglesForm::AnglesForm(const run::Session& session)
    : ui::Form(QStringLiteral("hoeken")), session_(session.forExercise(QStringLiteral("hoeken")))
{
    setSizeTw(formWidth, formHeight);
    QFont f = font();
    f.setPointSizeF(11);
    setFont(f);

    promptLabel = new ui::Label(this, QString(), margin, margin, 3500, rowHeight);
    promptLabel->setIndent(6);
    promptLabel->setKind(ui::kindPrompt);
    answerBox = new ui::TextBox(this, margin + 3620, margin, 1100, rowHeight);
    answerBox->setAccessibleName(QStringLiteral("Aantal graden"));
    answerBox->onEnter = [this] { takeGuess(); };
    menuButton = new ui::Button(this, QStringLiteral("Naar menu"), formWidth - margin - 1600,
                                margin, 1600, rowHeight);
    menuButton->setAccessibleName(QStringLiteral("Naar menu"));
    menuButton->onClick = [this] { endGame(); };

    angleArea = new ui::PictureBox(this, margin, angleAreaTop, angleAreaWidth, angleAreaHeight);
    angleArea->setAccessibleName(QStringLiteral("Hoek"));
    angleArea->setBackColour(ui::colour(7));

    answerLabel = new ui::Label(this, QStringLiteral("De hoek is 20 graden"), margin, answerTop,
                                angleAreaWidth, rowHeight);
    pointsLabel = new ui::Label(this, QStringLiteral("naam1 heeft 0 punten"), margin, pointsTop,
                                angleAreaWidth, pointsHeight);
    pointsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answerLabel->setKind(ui::kindFeedback);
    pointsLabel->setKind(QStringLiteral("Punten"));

    timer = new ui::Timer(this, 1000);
    timer->onTick = [this] { tick(); };
}

void AnglesForm::activate()
{
    setCaption(catalogue::caption(*catalogue::find(u"hoeken"), {}));
    end_ = run::RunEnd();
    game = angles::Game(session_.playerCount);

    showPrompt(1);
    promptLabel->show();
    answerBox->clear();
    answerBox->setEnabled(true);
    answerBox->show();
    answerLabel->hide();
    pointsLabel->hide();
    menuButton->setEnabled(true);

    common::random().randomize();
    angleArea->setScale(0, 0, 1000, 1000);
    game.begin(angles::generate(common::random()));
    drawAngle();
    ui::focusForAnswer(answerBox, angleArea->accessibleDescription());
}

void AnglesForm::drawAngle()
{
    angleArea->clear();
    angleArea->setAccessibleDescription(angles::description(game.angle));
    angleArea->paint([this](ui::UserPainter& p) {
        angles::drawAngle(p, game, {centreX, centreY}, radius);
    });
}

void AnglesForm::showPrompt(int player)
{
    promptLabel->setColours(textColour(player), backColour(player));
    promptLabel->setCaption(angles::prompt(session_.name(player)));
}

void AnglesForm::takeGuess()
{
    if (closed())
        return;
    const angles::AfterGuess after = game.guess(answerBox->text());
    if (after == angles::AfterGuess::Ignored)
        return;
    if (after == angles::AfterGuess::Player2) {
        showPrompt(2);
        answerBox->clear();
        return;
    }
    if (game.twoPlayers()) {
        answerBox->hide();
        promptLabel->hide();
    }
    pointsLabel->setCaption(angles::pointsText(game, session_.name(1), session_.name(2)));
    pointsLabel->show();
    answerLabel->hide();
    menuButton->setEnabled(false);
    timer->setEnabled(true);
    answerBox->setEnabled(false);
}

void AnglesForm::tick()
{
    if (closed())
        return;
    menuButton->setEnabled(false);
    if (const std::optional<angles::SweepStep> step = game.sweepStep()) {
        if (step->last) {
            answerLabel->setCaption(angles::answerText(game));
            answerLabel->show();
        }
        drawAngle();
        return;
    }
    if (game.finished()) {
        timer->setEnabled(false);
        endGame();
        return;
    }
    game.next(angles::generate(common::random()));
    drawAngle();
    timer->setEnabled(false);
    answerBox->clear();
    showPrompt(1);
    answerBox->show();
    answerBox->setEnabled(true);
    promptLabel->show();
    menuButton->setEnabled(true);
    ui::focusForAnswer(answerBox, angleArea->accessibleDescription());
}

void AnglesForm::endGame()
{
    if (!end_.begin())
        return;
    timer->setEnabled(false);
    // The game keeps no results file: the end writes none.
    exercises::closeRun(*this, session_, {}, catalogue::summaryTitle(*catalogue::find(u"hoeken")),
                        angles::endText(game, session_.name(1), session_.name(2)));
}

bool AnglesForm::closeRequested()
{
    endGame();
    return true;
}
