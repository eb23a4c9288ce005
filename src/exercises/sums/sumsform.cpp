#include "exercises/sums/sumsform.h"

#include "common/random.h"
#include "exercises/sums/check.h"
#include "exercises/sums/explanation.h"
#include "exercises/sums/generator.h"
#include "exercises/sums/spoken.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

namespace {

constexpr int rowTop = RunForm::problemTop + 420;
constexpr int rowHeight = 450;
constexpr int historyMargin = 60;

} // namespace

// The sums form is a little narrower than the other members.
SumsForm::SumsForm(const run::Session& session)
    : RunForm(
          "sommen", session,
          {.windowWidth1 = 4000, .windowWidth2 = 7590, .buttonWidth1 = 3500, .buttonWidth2 = 7125})
{
    QFont big = font();
    big.setPointSizeF(11);
    // The first number stands against its operator; the operators are
    // centred in their labels.
    const Qt::Alignment align[5] = {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft,
                                    Qt::AlignHCenter, Qt::AlignLeft};
    for (int player = 1; player <= 2; ++player) {
        const int shift = player == 1 ? 0 : sums::kRow2Offset;
        const sums::RowLayout standard;
        const int lefts[5] = {sums::kLabel0Left, sums::kLabel1Left, sums::kLabel2Left,
                              standard.label3Left, standard.label4Left};
        const int widths[5] = {sums::kLabel0Width, sums::kLabel1Width, standard.label2Width,
                               sums::kLabel3Width, standard.label4Width};
        auto& row = problemRow(player);
        for (int i = 0; i < 5; ++i) {
            row[i] = new ui::Label(this, QString(), lefts[i] + shift, rowTop, widths[i], rowHeight);
            row[i]->setFont(big);
            row[i]->setAlignment(align[i] | Qt::AlignVCenter);
            row[i]->setKind(i == 0 ? ui::kindProblem : QStringLiteral("Deel van de opgave"));
        }
        ui::TextBox* box = answerBox(player);
        box->setFont(big);
        ui::setGeometryTw(box, standard.label4Left + shift, rowTop, standard.answerWidth,
                          rowHeight);
        box->raise(); // the box lies over a label of the row
    }
}

void SumsForm::startRun()
{
    for (int player = 1; player <= 2; ++player)
        for (ui::Label* l : problemRow(player)) {
            l->setCaption(QString());
            l->setVisible(player == 1);
        }
    // No box until the first problem says where it goes.
    answerBox1->hide();
}

void SumsForm::generate(int player)
{
    problem = sums::generate(level(), problemNumber(), common::random());
    showProblem(player);
}

// Lays the problem out on the player's row; the other row keeps its problem.
void SumsForm::showProblem(int player)
{
    const sums::RowLayout& r = problem.row;
    const int shift = player == 1 ? 0 : sums::kRow2Offset;
    auto& row = problemRow(player);
    for (int i = 0; i < 5; ++i) {
        row[i]->setCaption(r.labels[i]);
        row[i]->show();
    }
    row[2]->setVisible(r.label2Visible);
    ui::setWidthTw(row[2], r.label2Width);
    ui::setLeftTw(row[3], r.label3Left + shift);
    ui::setLeftTw(row[4], r.label4Left + shift);
    ui::setWidthTw(row[4], r.label4Width);
    ui::TextBox* box = answerBox(player);
    ui::setLeftTw(box, r.answerLeft + shift);
    ui::setWidthTw(box, r.answerWidth);
    // The first label reads the whole problem.
    row[0]->setAccessibleName(sums::spoken(r));
}

QString SumsForm::problemSentence(int) const
{
    return sums::spoken(problem.row);
}

run::Verdict SumsForm::check(int player)
{
    feedbackLabel(3 - player)->hide(); // only the answering player's feedback shows
    run::Verdict v = sums::check(problem, answerBox(player)->text(), player);
    v.history = fittedHistory(v, historyArea(player));
    return v;
}

// A history line too long for the player's area goes on two lines, the
// verdict below the problem; the results file keeps it whole.
QString SumsForm::fittedHistory(const run::Verdict& v, const ui::PictureBox* area)
{
    const qsizetype at =
        v.history.lastIndexOf(v.right ? QStringLiteral("   Goed") : QStringLiteral("   Fout"));
    if (at <= 0 || area->textWidth(v.history) <= ui::widthTw(area) - historyMargin)
        return v.history;
    return v.history.left(at) + QLatin1Char('\r') + QStringLiteral("    ") + v.history.mid(at);
}

void SumsForm::explain(int)
{
    ui::messageBox(QString(), sums::explain(problem));
}
