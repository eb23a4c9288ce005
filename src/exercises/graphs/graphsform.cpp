#include "graphsform.h"

#include "common/numbertext.h"
#include "common/random.h"
#include "cover.h"
#include "exercises/catalogue.h"
#include "exercises/common/runend.h"
#include "helppages.h"
#include "runtexts.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

using namespace graphs;

namespace {

const QString helpCaption = QStringLiteral("Hulp");
const QString continueCaption = QStringLiteral("Verder");
const QString backCaption = QStringLiteral("Terug");
const QString answerCaption = QStringLiteral("Antwoord");
const QString nextCaption = QStringLiteral("Volgende");

// Layout in twips: the square graph on the left, the controls to its right.
constexpr int margin = 120;
constexpr int pictureSide = 7800;
constexpr int panelLeft = margin + pictureSide + 240;
constexpr int panelWidth = 3700;
constexpr int lineHeight = 400;
constexpr int windowWidth = panelLeft + panelWidth + margin;
constexpr int windowHeight = pictureSide + 2 * margin;

void copyColours(ui::Label* target, const ui::Label* source)
{
    target->setColours(source->palette().color(QPalette::WindowText),
                       source->palette().color(QPalette::Window));
}

const catalogue::Exercise& exercise()
{
    return *catalogue::find(u"grafieken");
}

} // namespace

GraphsForm::GraphsForm(const run::Session& session)
    : ui::Form(QStringLiteral("grafieken")),
      session_(session.forExercise(QStringLiteral("grafieken")))
{
    setSizeTw(windowWidth, windowHeight);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    graphArea = new ui::PictureBox(this, margin, margin, pictureSide, pictureSide);
    graphArea->setAccessibleName(QStringLiteral("Grafiek"));
    graphArea->setScale(0, 0, pictureSize, pictureSize);
    coverLabel = new ui::Label(this, QString(), margin, margin, pictureSide, pictureSide);
    coverLabel->setPixmap(
        QPixmap::fromImage(helpCover(coverLabel->size(), coverLabel->devicePixelRatioF())));
    coverLabel->hide();

    int y = margin;
    scoreLabel = new ui::Label(this, QStringLiteral("functie nr. 1    aantal punten: 0"), panelLeft,
                               y, panelWidth, 2 * lineHeight);
    scoreLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    y += 2 * lineHeight + 240;
    promptLabel =
        new ui::Label(this, QStringLiteral("Vul in !"), panelLeft, y, panelWidth, lineHeight);
    promptColours1 = new ui::Label(this, QString(), panelLeft, y, panelWidth, lineHeight);
    promptColours1->setColours(QColor(255, 0, 0), QColor(224, 224, 224));
    promptColours1->hide();
    promptColours2 = new ui::Label(this, QString(), panelLeft, y, panelWidth, lineHeight);
    promptColours2->setColours(Qt::white, ui::colour(1));
    promptColours2->hide();
    copyColours(promptLabel, promptColours1);
    QFont bold = promptLabel->font();
    bold.setBold(true);
    promptLabel->setFont(bold);
    y += lineHeight + 120;
    formulaStartBox = new ui::TextBox(this, panelLeft, y, 600, lineHeight);
    formulaStartBox->setText(QStringLiteral("y ="));
    formulaStartBox->setReadOnly(true);
    formulaStartBox->setFocusPolicy(Qt::NoFocus);
    formulaStartBox->setFrame(false);
    formulaStartBox->setAlignment(Qt::AlignRight);
    formulaStartBox->setAccessibleName(QStringLiteral("Begin van de formule: y ="));
    answerBox = new ui::TextBox(this, panelLeft + 600, y, panelWidth - 600, lineHeight);
    answerBox->setAccessibleName(QStringLiteral("Formule"));
    answerBox->onEnter = [this] { takeAnswer(); };
    y += lineHeight + 240;
    nextButton = new ui::Button(this, nextCaption, panelLeft, y, panelWidth, lineHeight);
    nextButton->onClick = [this] { nextClicked(); };
    y += lineHeight + 120;
    helpButton = new ui::Button(this, helpCaption, panelLeft, y, panelWidth, lineHeight);
    helpButton->onClick = [this] { helpClicked(); };
    makeDescribeButton(panelLeft, y + lineHeight + 120, panelWidth, lineHeight);
    menuButton = new ui::Button(this, QStringLiteral("Naar menu"), panelLeft,
                                margin + pictureSide - lineHeight, panelWidth, lineHeight);
    menuButton->onClick = [this] { endRun(); };
}

void GraphsForm::activate()
{
    const run::Session& m = session_;
    setCaption(catalogue::caption(exercise(), m.choiceCaption));
    end_ = run::RunEnd();
    game = Game(m);
    nextButton->setEnabled(false);
    coverLabel->hide();
    graphArea->show();

    // On the mixed level the first kind is drawn here, for player 1.
    const int firstKind = game.mixed ? firstMixedKind(game.used[0], common::random()) : m.level;
    play(generate(firstKind, game.mixed, game.used[0], common::random()));

    copyColours(promptLabel, promptColours1);
    promptLabel->setCaption(QStringLiteral("Vul in, ") + m.name(1) + QStringLiteral(" !"));
    updateScore();
    answerBox->setEnabled(true);
    answerBox->clear();
    answerBox->setFocus();
}

bool GraphsForm::closeRequested()
{
    endRun();
    return true;
}

bool GraphsForm::readFormula()
{
    reading_ = graphs::readFormula(formula, axes.variable);
    if (reading_.failed)
        ui::messageBox(formulaErrorTitle(), reading_.error);
    return !reading_.failed;
}

void GraphsForm::drawFormula(std::int16_t newColour, const QRectF& bounds)
{
    if (newColour > 0)
        colour = nextColour(colour);
    computeRows(reading_.program, axes.xScale, axes.yScale, rows);
    const int penWidth = reading_.variableCount == 0 ? 2 : 1; // a constant: a horizontal line
    const QColor c = newColour > 0 ? pupilColour(colour) : ui::colour(1);
    graphArea->paint([&](ui::UserPainter& p) { drawCurve(p, rows, c, penWidth, bounds); });
    describe(newColour > 0);
}

void GraphsForm::showTarget()
{
    formula = game.targetFormula;
    graphArea->clear();
    graphArea->paint([this](ui::UserPainter& p) { drawAxes(p, axes); });
    if (readFormula())
        drawFormula(0);
}

void GraphsForm::updateScore()
{
    QString text = scoreText(game.players[0], game.twoPlayers ? &game.players[1] : nullptr);
    scoreLabel->setCaption(text.replace(QChar(13), QChar(10))); // a label breaks lines at LF
}

void GraphsForm::takeAnswer()
{
    if (closed() || !answerBox->isEnabled())
        return;
    const QString typed = common::commaToPoint(answerBox->text());
    if (!game.input(typed, formulaStartBox->text()))
        return;
    formula = typed.trimmed(); // the results file has it as typed
    if (!readFormula()) {
        game.unreadable(); // the box stays open
        updateScore();
        return;
    }

    drawFormula(1);
    game.checked(check(targetRows, rows));
    answerBox->setEnabled(false);
    if (!game.right) {
        promptLabel->setCaption(QStringLiteral("fout, ") + game.currentName());
        updateScore();
        nextButton->setCaption(QStringLiteral("Dezelfde nog eens"));
        nextButton->setEnabled(true);
        if (game.stage == Stage::AnswerOffered)
            helpButton->setCaption(answerCaption);
        nextButton->setFocus();
        return;
    }
    promptLabel->setCaption(QStringLiteral("Goed zo, ") + game.currentName() +
                            QStringLiteral(" !"));
    updateScore();
    nextButton->setCaption(nextCaption);
    nextButton->setEnabled(true);
    nextButton->setFocus();
}

void GraphsForm::newProblem()
{
    // In the mixed level the kind is drawn from the next player's own record.
    const int nextPlayer = game.nextPlayer();
    common::random().randomize();
    const Problem f =
        generate(session_.level, game.mixed, game.used[nextPlayer - 1], common::random());
    if (!game.next()) {
        endRun();
        return;
    }
    if (game.twoPlayers)
        copyColours(promptLabel, game.turn == 2 ? promptColours2 : promptColours1);
    helpButton->setCaption(helpCaption);
    play(f);
    askAnswer();
}

// The given function on fresh axes, waiting for the first answer.
void GraphsForm::play(const Problem& f)
{
    game.play(f);
    formula = f.formula;
    axes = {f.xScale, f.yScale, f.variable, f.functionLetter};
    formulaStartBox->setText(f.formulaStart());
    showTarget();
    targetRows = rows;
}

void GraphsForm::nextClicked()
{
    if (closed())
        return;
    if (game.over) {
        newProblem();
        return;
    }
    game.again();
    showTarget(); // the pupil's curves disappear
    askAnswer();
}

// Waiting for an answer: after a wrong one the pupil edits it.
void GraphsForm::askAnswer()
{
    promptLabel->setCaption(QStringLiteral("Vul in, ") + game.currentName() + QStringLiteral(" !"));
    answerBox->setEnabled(true);
    answerBox->setText(game.previousInput);
    nextButton->setEnabled(false);
    answerBox->setFocus();
}

void GraphsForm::helpClicked()
{
    if (closed())
        return;
    switch (game.stage) {
    case Stage::AnswerOffered:
        answerBox->setEnabled(true);
        answerBox->setText(game.targetFormula);
        game.showAnswer();
        nextButton->setCaption(nextCaption);
        nextButton->show();
        nextButton->setEnabled(true);
        nextButton->setFocus();
        return;
    case Stage::LastHelpPage:
        game.closeHelp();
        helpButton->setCaption(helpCaption);
        nextButton->setCaption(nextCaption);
        nextButton->show();
        nextButton->setEnabled(false);
        if (game.over) {
            newProblem();
            return;
        }
        showTarget();
        askAnswer();
        return;
    case Stage::Playing:
        game.openHelp();
        helpButton->setCaption(continueCaption);
        graphArea->hide();
        coverLabel->show();
        nextButton->hide();
        answerBox->setEnabled(false);
        return;
    case Stage::Cover:
    case Stage::HelpPage:
        showHelpPage();
        return;
    }
}

void GraphsForm::showHelpPage()
{
    coverLabel->hide();
    graphArea->show();
    nextButton->hide();
    const Axes saved = axes;
    axes = Axes{1, 1, QLatin1Char('x'), QLatin1Char('y')};

    const HelpPage& page = chooseHelpPage(session_.level, game.mixed, game.helpPage);
    graphArea->clear();
    const auto drawHelpAxes = page.layout == HelpLayout::Left ? drawHelpAxesLeft : drawHelpAxesTop;
    graphArea->paint([&](ui::UserPainter& p) { drawHelpAxes(p, axes); });
    formula = page.formula;
    // The example stays within its half, clear of the text.
    const QRectF half = page.layout == HelpLayout::Left ? QRectF(0, 0, 1000, pictureSize)
                                                        : QRectF(0, 0, pictureSize, 1000);
    if (readFormula())
        drawFormula(0, half);
    graphArea->setForeColour(axisRed());
    QFont f = graphArea->font();
    f.setPointSizeF(8.5);
    f.setBold(false);
    graphArea->setFont(f);
    for (const auto& [y, text] : page.lines) {
        graphArea->moveTo(page.textX, y);
        graphArea->print(text);
    }
    game.helpPageShown(page.last);
    if (game.stage == Stage::LastHelpPage)
        helpButton->setCaption(backCaption);
    axes = saved;
}

void GraphsForm::endRun()
{
    if (!end_.begin())
        return;
    run::Players& players = game.players;
    const QString text = graphs::summary(players[0], game.twoPlayers ? &players[1] : nullptr);
    players[0].log += graphs::endResult(players[0]);
    if (game.twoPlayers)
        players[1].log += graphs::endResult(players[1]);
    exercises::closeRun(*this, session_, players, catalogue::summaryTitle(exercise()), text);
}
