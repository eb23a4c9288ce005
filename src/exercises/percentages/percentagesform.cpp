#include "percentagesform.h"

#include "common/random.h"
#include "perccheck.h"
#include "percexplanation.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

namespace {

constexpr int lineHeight = 400;
constexpr int lineWidth = 3400; // the first two lines take the player's half
const QString calculatorReminder = QStringLiteral("    Pak je rekenmachine erbij !!");

int lineTop(int line)
{
    return RunForm::problemTop + line * (lineHeight + 20);
}

// The history lines of this exercise are long: the history areas take a font
// small enough for the widest line that the dearest problem of each kind gives.
void fitHistoryFont(ui::PictureBox* picture)
{
    QStringList lines;
    for (int kind = 1; kind <= 5; ++kind) {
        const percentages::Problem o = percentages::generate(kind, 3999, 31);
        lines += percentages::check(o, o.answerText.trimmed()).history.split(QChar(13));
        lines += percentages::check(o, o.answerText + QStringLiteral("1")).history.split(QChar(13));
    }
    QFont font = picture->font();
    font.setStretch(QFont::SemiCondensed); // used where the system has such a face
    const auto widest = [&] {
        const QFontMetrics fm(font);
        int w = 0;
        for (const QString& r : lines)
            w = std::max(w, fm.horizontalAdvance(r));
        return w;
    };
    while (font.pointSizeF() > 6 && widest() > picture->width() - 4)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    picture->setFont(font);
}

} // namespace

PercentagesForm::PercentagesForm(const run::Session& session) : RunForm("procenten", session)
{
    for (int player = 1; player <= 2; ++player) {
        std::array<ui::Label*, 3> r{};
        for (int i = 0; i < 3; ++i)
            r[i] = new ui::Label(this, QString(), left(player), lineTop(i), lineWidth, lineHeight);
        ui::setGeometryTw(answerBox(player), problem.answerLeft(player), lineTop(2),
                          problem.answerWidth, lineHeight);
        answerBox(player)->setAlignment(Qt::AlignRight);
        fitHistoryFont(historyArea(player));
        if (player == 1) {
            player1Line1 = r[0], player1Line2 = r[1], player1Line3 = r[2];
        } else {
            player2Line1 = r[0], player2Line2 = r[1], player2Line3 = r[2];
        }
    }
}

std::array<ui::Label*, 3> PercentagesForm::lines(int player) const
{
    if (player == 1)
        return {player1Line1, player1Line2, player1Line3};
    return {player2Line1, player2Line2, player2Line3};
}

void PercentagesForm::startRun()
{
    for (int player = 1; player <= 2; ++player)
        for (ui::Label* l : lines(player))
            l->setCaption(QString());
    player1Line1->setCaption(calculatorReminder);
}

void PercentagesForm::generate(int player)
{
    const int kind = player == 1 ? percentages::kindOfPlayer1(problemNumber())
                                 : percentages::kindOfPlayer2(problemNumber());
    problem = percentages::generate(kind, common::random());

    const auto r = lines(player);
    r[0]->setCaption(problem.line1);
    r[1]->setCaption(problem.line2);
    r[2]->setCaption(problem.line3);
    for (ui::Label* l : r)
        l->setKind(ui::kindProblem);
    ui::setWidthTw(r[2], problem.line3Width);
    ui::setGeometryTw(answerBox(player), problem.answerLeft(player), lineTop(2),
                      problem.answerWidth, lineHeight);
}

QString PercentagesForm::problemSentence(int) const
{
    return percentages::spoken(problem);
}

run::Verdict PercentagesForm::check(int player)
{
    return percentages::check(problem, answerBox(player)->text());
}

void PercentagesForm::explain(int player)
{
    const auto r = lines(player);
    ui::messageBox(
        QStringLiteral("procenten"),
        percentages::explain(problem, r[0]->caption(), r[1]->caption(), r[2]->caption()));
}
