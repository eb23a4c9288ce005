#include "exercises/sums/sommen.h"

#include "common/random.h"
#include "exercises/sums/check.h"
#include "exercises/sums/explanation.h"
#include "exercises/sums/generator.h"
#include "exercises/sums/spoken.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

namespace {

constexpr int rowTop = RunForm::opgaveTop + 420;
constexpr int rowHeight = 450;
constexpr int historyMargin = 60;

} // namespace

Sommen::Sommen(const run::Session& session) : RunForm(member(QStringLiteral("sommen")), session)
{
    QFont big = font();
    big.setPointSizeF(11);
    // The first number stands against its operator; the operators are
    // centred in their labels.
    const Qt::Alignment align[5] = {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft,
                                    Qt::AlignHCenter, Qt::AlignLeft};
    for (int speler = 1; speler <= 2; ++speler) {
        const int shift = speler == 1 ? 0 : sums::kRow2Offset;
        const sums::RowLayout standard;
        const int lefts[5] = {sums::kLabel0Left, sums::kLabel1Left, sums::kLabel2Left,
                              standard.label3Left, standard.label4Left};
        const int widths[5] = {sums::kLabel0Width, sums::kLabel1Width, standard.label2Width,
                               sums::kLabel3Width, standard.label4Width};
        auto& row = lSom(speler);
        for (int i = 0; i < 5; ++i) {
            row[i] = new ui::Label(this, QString(), lefts[i] + shift, rowTop, widths[i], rowHeight);
            row[i]->setFont(big);
            row[i]->setAlignment(align[i] | Qt::AlignVCenter);
            row[i]->setKind(i == 0 ? ui::kindProblem : QStringLiteral("Deel van de opgave"));
        }
        ui::TextBox* box = tAntwoord(speler);
        box->setFont(big);
        ui::setGeometryTw(box, standard.label4Left + shift, rowTop, standard.answerWidth,
                          rowHeight);
        box->raise(); // the box lies over a label of the row
    }
}

void Sommen::nieuweRun()
{
    for (int speler = 1; speler <= 2; ++speler)
        for (ui::Label* l : lSom(speler)) {
            l->setCaption(QString());
            l->setVisible(speler == 1);
        }
    // No box until the first problem says where it goes.
    tAntwoord1->hide();
}

void Sommen::maakopgave(int speler)
{
    opgave = sums::maakopgave(niveau(), opgaveNr(), common::random());
    toonOpgave(speler);
}

// Lays the problem out on the player's row; the other row keeps its problem.
void Sommen::toonOpgave(int speler)
{
    const sums::RowLayout& r = opgave.row;
    const int shift = speler == 1 ? 0 : sums::kRow2Offset;
    auto& row = lSom(speler);
    for (int i = 0; i < 5; ++i) {
        row[i]->setCaption(r.labels[i]);
        row[i]->show();
    }
    row[2]->setVisible(r.label2Visible);
    ui::setWidthTw(row[2], r.label2Width);
    ui::setLeftTw(row[3], r.label3Left + shift);
    ui::setLeftTw(row[4], r.label4Left + shift);
    ui::setWidthTw(row[4], r.label4Width);
    ui::TextBox* box = tAntwoord(speler);
    ui::setLeftTw(box, r.answerLeft + shift);
    ui::setWidthTw(box, r.answerWidth);
    // The first label reads the whole problem.
    row[0]->setAccessibleName(sums::uitgesproken(r));
}

QString Sommen::opgaveZin(int) const
{
    return sums::uitgesproken(opgave.row);
}

run::Verdict Sommen::beoordeel(int speler)
{
    lGoedzo(3 - speler)->hide(); // only the answering player's feedback shows
    run::Verdict v = sums::controleer(opgave, tAntwoord(speler)->text(), speler);
    v.historie = passend(v, picture(speler));
    return v;
}

// A history line too long for the player's area goes on two lines, the
// verdict below the problem; the results file keeps it whole.
QString Sommen::passend(const run::Verdict& v, const ui::PictureBox* area)
{
    const qsizetype at =
        v.historie.lastIndexOf(v.goed ? QStringLiteral("   Goed") : QStringLiteral("   Fout"));
    if (at <= 0 || area->textWidth(v.historie) <= ui::widthTw(area) - historyMargin)
        return v.historie;
    return v.historie.left(at) + QLatin1Char('\r') + QStringLiteral("    ") + v.historie.mid(at);
}

void Sommen::uitleg(int)
{
    ui::messageBox(QString(), sums::uitleg(opgave));
}
