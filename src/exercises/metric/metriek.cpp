#include "metriek.h"

#include "app/module1.h"
#include "common/random.h"
#include "metriccheck.h"
#include "metricexplanation.h"
#include "metricunits.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

namespace {
constexpr int lineHeight = 420;
} // namespace

Metriek::Metriek() : RunForm(member(QStringLiteral("metriek")))
{
    QFont big = font();
    big.setPointSizeF(13);
    for (int speler = 1; speler <= 2; ++speler) {
        const int x = links(speler);
        const int top = opgaveTop + 150;
        auto* getal = new ui::Label(this, QStringLiteral("200 "), x + 400, top, 1500, lineHeight);
        auto* boven = new ui::Label(this, QStringLiteral(" dam"), x + 1950, top, 1200, lineHeight);
        auto* is =
            new ui::Label(this, QStringLiteral(" ="), x, top + lineHeight + 120, 400, lineHeight);
        auto* onder = new ui::Label(this, QStringLiteral(" cm"), x + 1950, top + lineHeight + 120,
                                    1200, lineHeight);
        getal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        getal->setKind(ui::kindProblem);
        for (QLabel* l : {getal, boven, is, onder})
            l->setFont(big);
        ui::TextBox* box = tAntwoord(speler);
        ui::setGeometryTw(box, x + 400, top + lineHeight + 120, 1500, lineHeight);
        box->setFont(big);
        box->setAlignment(Qt::AlignRight);
        if (speler == 1) {
            lGetal1 = getal, lmetriek1boven = boven, Label1 = is, lmetriek1onder = onder;
        } else {
            lGetal2 = getal, lmetriek2boven = boven, Label2 = is, lmetriek2onder = onder;
        }
    }
}

void Metriek::nieuweRun()
{
    // Nothing to see until the first problem comes.
    for (QLabel* l : {lGetal1, lmetriek1boven, Label1, lmetriek1onder, lGetal2, lmetriek2boven,
                      Label2, lmetriek2onder})
        l->hide();
}

void Metriek::maakopgave(int speler)
{
    opgave = metric::maakopgave(module1().niveau, common::random());
    const bool een = speler == 1;
    ui::Label* getal = een ? lGetal1 : lGetal2;
    ui::Label* boven = een ? lmetriek1boven : lmetriek2boven;
    ui::Label* onder = een ? lmetriek1onder : lmetriek2onder;
    getal->setCaption(opgave.getal);
    boven->setCaption(QStringLiteral(" ") + opgave.vanEenheid);
    onder->setCaption(QStringLiteral(" ") + opgave.naarEenheid);
    for (QLabel* l : {getal, boven, onder, een ? Label1 : Label2})
        l->show();
    getal->setAccessibleName(metric::uitgesproken(opgave)); // the number reads the whole problem
}

QString Metriek::opgaveZin(int) const
{
    return metric::uitgesproken(opgave);
}

RunForm::Oordeel Metriek::beoordeel(int speler)
{
    const metric::Beoordeling b = metric::beoordeel(opgave, tAntwoord(speler)->text());
    return {b.goed, b.terugmelding, b.geschiedenis, {b.verslagregel}};
}

void Metriek::uitleg(int)
{
    ui::messageBox(QStringLiteral("metriek"), metric::uitleg(opgave));
}
