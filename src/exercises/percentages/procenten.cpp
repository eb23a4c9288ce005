#include "procenten.h"

#include "app/module1.h"
#include "common/random.h"
#include "perccheck.h"
#include "percexplanation.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

namespace {

constexpr int regelHoogte = 400;
constexpr int regelBreedte = 3400; // the first two lines take the player's half
const QString rekenmachine = QStringLiteral("    Pak je rekenmachine erbij !!");

int regelTop(int regel)
{
    return RunForm::opgaveTop + regel * (regelHoogte + 20);
}

// The history lines of this exercise are long: the history areas take a font
// small enough for the widest line that the dearest problem of each kind gives.
void pasLettergrootteAan(ui::PictureBox* picture)
{
    QStringList regels;
    for (int soort = 1; soort <= 5; ++soort) {
        const percentages::Opgave o = percentages::maakopgave(soort, 3999, 31);
        regels += percentages::beoordeel(o, o.juist.trimmed()).geschiedenis.split(QChar(13));
        regels +=
            percentages::beoordeel(o, o.juist + QStringLiteral("1")).geschiedenis.split(QChar(13));
    }
    QFont font = picture->font();
    font.setStretch(QFont::SemiCondensed); // used where the system has such a face
    const auto breedste = [&] {
        const QFontMetrics fm(font);
        int w = 0;
        for (const QString& r : regels)
            w = std::max(w, fm.horizontalAdvance(r));
        return w;
    };
    while (font.pointSizeF() > 6 && breedste() > picture->width() - 4)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    picture->setFont(font);
}

} // namespace

Procenten::Procenten() : RunForm(member(QStringLiteral("procenten")))
{
    for (int speler = 1; speler <= 2; ++speler) {
        std::array<ui::Label*, 3> r{};
        for (int i = 0; i < 3; ++i)
            r[i] = new ui::Label(this, QString(), links(speler), regelTop(i), regelBreedte,
                                 regelHoogte);
        ui::setGeometryTw(tAntwoord(speler), opgave.antwoordLinks(speler), regelTop(2),
                          opgave.antwoordBreedte, regelHoogte);
        tAntwoord(speler)->setAlignment(Qt::AlignRight);
        pasLettergrootteAan(picture(speler));
        if (speler == 1) {
            lRegel1l = r[0], lRegel2l = r[1], lRegel3l = r[2];
        } else {
            lRegel1r = r[0], lRegel2r = r[1], lRegel3r = r[2];
        }
    }
}

std::array<ui::Label*, 3> Procenten::regels(int speler) const
{
    if (speler == 1)
        return {lRegel1l, lRegel2l, lRegel3l};
    return {lRegel1r, lRegel2r, lRegel3r};
}

void Procenten::nieuweRun()
{
    for (int speler = 1; speler <= 2; ++speler)
        for (ui::Label* l : regels(speler))
            l->setCaption(QString());
    lRegel1l->setCaption(rekenmachine);
}

void Procenten::maakopgave(int speler)
{
    const int soort =
        speler == 1 ? percentages::soortSpeler1(opgaveNr) : percentages::soortSpeler2(opgaveNr);
    module1().niveau = static_cast<std::int16_t>(soort);
    opgave = percentages::maakopgave(soort, common::random());

    const auto r = regels(speler);
    r[0]->setCaption(opgave.regel1);
    r[1]->setCaption(opgave.regel2);
    r[2]->setCaption(opgave.regel3);
    for (ui::Label* l : r)
        l->setKind(ui::kindProblem);
    ui::setWidthTw(r[2], opgave.regel3Breedte);
    ui::setGeometryTw(tAntwoord(speler), opgave.antwoordLinks(speler), regelTop(2),
                      opgave.antwoordBreedte, regelHoogte);
}

QString Procenten::opgaveZin(int) const
{
    return percentages::uitgesproken(opgave);
}

RunForm::Oordeel Procenten::beoordeel(int speler)
{
    const percentages::Beoordeling b = percentages::beoordeel(opgave, tAntwoord(speler)->text());
    return {b.goed, b.terugmelding, b.geschiedenis, b.verslagregels};
}

void Procenten::uitleg(int speler)
{
    const auto r = regels(speler);
    ui::messageBox(QStringLiteral("procenten"),
                   percentages::uitleg(opgave, r[0]->caption(), r[1]->caption(), r[2]->caption()));
}
