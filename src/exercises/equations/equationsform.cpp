#include "equationsform.h"

#include "check.h"
#include "common/random.h"
#include "explanation.h"
#include "fractiondrawing.h"
#include "spoken.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

using equations::Equation;

namespace {
// Rows of a player's half, in twips.
constexpr int headerTop = RunForm::problemTop + 20;
constexpr int equationTop = headerTop + 320;
constexpr int fractionHeight = 660;
constexpr int answerTop = equationTop + fractionHeight + 10;
constexpr int rowHeight = 330;
constexpr int halfWidth = 3400;

// The answer row: heading, " x =", box, and at the quadratic levels " of   x =", box.
constexpr int headerWidth = 1000, headerShortWidth = 450;
constexpr int letterWidth = 420;
constexpr int boxWidth = 1200, boxShortWidth = 650;
constexpr int orWidth = 760;

constexpr double largeFontSize = 11, smallestFontSize = 8;

// Shows a one-line equation as large as fits: the long equations of level 6
// get a smaller letter rather than losing their right side.
void showFitting(ui::Label* label, const QString& text)
{
    QFont f = label->font();
    f.setPointSizeF(largeFontSize);
    while (f.pointSizeF() > smallestFontSize &&
           QFontMetrics(f).horizontalAdvance(text) > label->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
    label->setCaption(text);
}
} // namespace

EquationsForm::EquationsForm(const run::Session& session) : RunForm("vergelijkingen", session)
{
    QFont large = font();
    large.setPointSizeF(largeFontSize);
    for (int player = 1; player <= 2; ++player) {
        const int x = left(player);
        auto* header = new ui::Label(this, QStringLiteral("Vergelijking:"), x, headerTop, halfWidth,
                                     rowHeight);
        auto* equation = new ui::Label(
            this, player == 1 ? QStringLiteral("2x+3 = 5") : QStringLiteral("5x-8=20"), x,
            equationTop, halfWidth, 420);
        equation->setFont(large);
        auto* fraction = new ui::PictureBox(this, x, equationTop, halfWidth, fractionHeight);
        fraction->setFont(large);
        fraction->setBackColour(palette().color(QPalette::Window));
        auto* solution =
            new ui::Label(this, QStringLiteral("Oplossing:"), x, answerTop, headerWidth, rowHeight);
        auto* letter =
            new ui::Label(this, QStringLiteral(" x ="), x, answerTop, letterWidth, rowHeight);
        auto* orLetter =
            new ui::Label(this, QStringLiteral(" of   x ="), x, answerTop, orWidth, rowHeight);
        auto* second = new ui::TextBox(this, x, answerTop, boxShortWidth, rowHeight);
        second->setAccessibleName(QStringLiteral("Tweede antwoord van speler %1").arg(player));
        fraction->setAccessibleName(QStringLiteral("Vergelijking van speler %1").arg(player));
        equation->setKind(ui::kindProblem);

        answerBox(player)->onEnter = [this, player] { enterInFirstBox(player); };
        second->onEnter = [this, player] { enterInSecondBox(player); };
        if (player == 1) {
            headerLabel1 = header, equationLabel1 = equation, fractionArea1 = fraction,
            solutionLabel1 = solution;
            letterLabel1 = letter, orLetterLabel1 = orLetter, secondAnswerBox1 = second;
        } else {
            headerLabel2 = header, equationLabel2 = equation, fractionArea2 = fraction,
            solutionLabel2 = solution;
            letterLabel2 = letter, orLetterLabel2 = orLetter, secondAnswerBox2 = second;
        }
        layOutAnswerRow(player, false);
    }
}

EquationsForm::Side EquationsForm::side(int player) const
{
    if (player == 1)
        return {headerLabel1, equationLabel1, fractionArea1,   solutionLabel1,
                letterLabel1, orLetterLabel1, secondAnswerBox1};
    return {headerLabel2, equationLabel2, fractionArea2,   solutionLabel2,
            letterLabel2, orLetterLabel2, secondAnswerBox2};
}

void EquationsForm::startRun()
{
    // Nothing to see until the first equation comes.
    for (int player = 1; player <= 2; ++player) {
        const Side k = side(player);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 k.header, k.equation, k.fraction, k.solution, k.letter, k.orLetter, k.second})
            w->hide();
    }
}

void EquationsForm::generate(int player)
{
    const int level = RunForm::level();
    Equation& v = player == 1 ? equation1 : equation2;
    v = equations::generate(level, problemNumber(), common::random());

    const Side k = side(player);
    k.header->setCaption(level == 3 || level == 4 ? QStringLiteral("Verg:")
                                                  : QStringLiteral("Vergelijking:"));
    k.solution->setCaption(v.isQuadratic() ? QStringLiteral("Opl:") : QStringLiteral("Oplossing:"));
    k.letter->setCaption(equations::answerPrompt(v));
    k.orLetter->setCaption(QStringLiteral(" of   ") + v.letter + QStringLiteral(" ="));
    k.header->show();
    k.solution->show();
    k.letter->show();
    showEquation(player, v);
}

void EquationsForm::showEquation(int player, const Equation& v)
{
    const Side k = side(player);
    if (!v.isFraction()) {
        k.fraction->hide();
        showFitting(k.equation, v.text);
        k.equation->show();
        return;
    }
    k.equation->hide();
    k.fraction->show();
    k.fraction->clear();
    k.fraction->paint([&v](ui::UserPainter& p) { equations::drawFraction(p, v); });
    k.fraction->setAccessibleDescription(equations::spoken(v));
}

QString EquationsForm::problemSentence(int player) const
{
    const Equation& v = equationOf(player);
    const Side k = side(player);
    QString sentence = equations::spoken(v) + QStringLiteral(", ") + k.letter->caption().trimmed();
    if (v.isQuadratic())
        sentence += QStringLiteral(" … ") + k.orLetter->caption().simplified();
    return sentence + QStringLiteral(" …");
}

void EquationsForm::layOutAnswerRow(int player, bool twoBoxes)
{
    const Side k = side(player);
    int x = left(player);
    ui::setGeometryTw(k.solution, x, answerTop, twoBoxes ? headerShortWidth : headerWidth,
                      rowHeight);
    x += twoBoxes ? headerShortWidth : headerWidth;
    ui::setGeometryTw(k.letter, x, answerTop, letterWidth, rowHeight);
    x += letterWidth;
    ui::setGeometryTw(answerBox(player), x, answerTop, twoBoxes ? boxShortWidth : boxWidth,
                      rowHeight);
    x += boxShortWidth;
    ui::setGeometryTw(k.orLetter, x, answerTop, orWidth, rowHeight);
    ui::setGeometryTw(k.second, x + orWidth, answerTop, boxShortWidth, rowHeight);
}

void EquationsForm::showAnswerBox(int player)
{
    const bool twoBoxes = equationOf(player).isQuadratic();
    const Side k = side(player);
    layOutAnswerRow(player, twoBoxes);
    k.orLetter->setVisible(twoBoxes);
    k.second->setVisible(twoBoxes);
    k.second->setEnabled(true);
    k.second->clear();
    RunForm::showAnswerBox(player); // the first box gets the focus
}

// At the quadratic levels Enter in the first box only moves on to the second.
void EquationsForm::enterInFirstBox(int player)
{
    if (equationOf(player).isQuadratic())
        side(player).second->setFocus();
    else
        answered(player);
}

// Enter in the second box answers both; an empty first box reads as 0.
void EquationsForm::enterInSecondBox(int player)
{
    answered(player);
}

// Enter is ignored only while every box of the player is empty.
bool EquationsForm::noAnswer(int player) const
{
    const Side k = side(player);
    return answerBox(player)->text().isEmpty() &&
           (k.second->isHidden() || k.second->text().isEmpty());
}

run::Verdict EquationsForm::check(int player)
{
    // The run has disabled the first box; the second goes with it.
    const Side k = side(player);
    k.second->setEnabled(false);
    run::Verdict v =
        equations::check(equationOf(player), player, answerBox(player)->text(), k.second->text());
    v.history = historyLine(player, v.history);
    return v;
}

// A history line wider than the player's area is shown on two lines: the
// equation, then the answer under it. The results text keeps one line.
QString EquationsForm::historyLine(int player, const QString& line) const
{
    const QString equation = equations::logText(equationOf(player));
    const ui::PictureBox* pic = historyArea(player);
    const QString first = line.section(QChar(13), 0, 0);
    if (pic->textWidth(first) <= ui::widthTw(pic) || !line.startsWith(equation))
        return line;
    return equation + QChar(13) + line.mid(equation.size());
}

void EquationsForm::explain(int player)
{
    const equations::Explanation u = equations::explain(equationOf(player));
    ui::messageBox(u.title, u.text);
}
