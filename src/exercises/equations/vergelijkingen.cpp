#include "vergelijkingen.h"

#include "antwoord.h"
#include "breuktekening.h"
#include "common/random.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"
#include "ui/twips.h"
#include "uitleg.h"
#include "voorlezen.h"

using equations::Vergelijking;

namespace {
// Rows of a player's half, in twips.
constexpr int kopTop = RunForm::opgaveTop + 20;
constexpr int vergelijkingTop = kopTop + 320;
constexpr int breukHoogte = 660;
constexpr int antwoordTop = vergelijkingTop + breukHoogte + 10;
constexpr int rij = 330;
constexpr int halfBreed = 3400;

// The answer row: heading, " x =", box, and at the quadratic levels " of   x =", box.
constexpr int kopBreed = 1000, kopKortBreed = 450;
constexpr int letterBreed = 420;
constexpr int vakBreed = 1200, vakKortBreed = 650;
constexpr int ofBreed = 760;

constexpr double groteLetter = 11, kleinsteLetter = 8;

// Shows a one-line equation as large as fits: the long equations of level 6
// get a smaller letter rather than losing their right side.
void toonPassend(ui::Label* label, const QString& tekst)
{
    QFont f = label->font();
    f.setPointSizeF(groteLetter);
    while (f.pointSizeF() > kleinsteLetter &&
           QFontMetrics(f).horizontalAdvance(tekst) > label->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
    label->setCaption(tekst);
}
} // namespace

Vergelijkingen::Vergelijkingen(const run::Session& session)
    : RunForm(member(QStringLiteral("vergelijkingen")), session)
{
    QFont groot = font();
    groot.setPointSizeF(groteLetter);
    for (int speler = 1; speler <= 2; ++speler) {
        const int x = links(speler);
        auto* kop = new ui::Label(this, QStringLiteral("Vergelijking:"), x, kopTop, halfBreed, rij);
        auto* verg = new ui::Label(
            this, speler == 1 ? QStringLiteral("2x+3 = 5") : QStringLiteral("5x-8=20"), x,
            vergelijkingTop, halfBreed, 420);
        verg->setFont(groot);
        auto* breuk = new ui::PictureBox(this, x, vergelijkingTop, halfBreed, breukHoogte);
        breuk->setFont(groot);
        breuk->setBackColour(palette().color(QPalette::Window));
        auto* opl =
            new ui::Label(this, QStringLiteral("Oplossing:"), x, antwoordTop, kopBreed, rij);
        auto* letter =
            new ui::Label(this, QStringLiteral(" x ="), x, antwoordTop, letterBreed, rij);
        auto* of = new ui::Label(this, QStringLiteral(" of   x ="), x, antwoordTop, ofBreed, rij);
        auto* tweede = new ui::TextBox(this, x, antwoordTop, vakKortBreed, rij);
        tweede->setAccessibleName(QStringLiteral("Tweede antwoord van speler %1").arg(speler));
        breuk->setAccessibleName(QStringLiteral("Vergelijking van speler %1").arg(speler));
        verg->setKind(ui::kindProblem);

        tAntwoord(speler)->onEnter = [this, speler] { enterInEersteVak(speler); };
        tweede->onEnter = [this, speler] { enterInTweedeVak(speler); };
        if (speler == 1) {
            Label5 = kop, lVergelijking1 = verg, Pvergelijking1 = breuk, Label1 = opl;
            Label3 = letter, lOf1 = of, tAntwoordl2 = tweede;
        } else {
            Label6 = kop, lVergelijking2 = verg, pVergelijking2 = breuk, Label2 = opl;
            Label4 = letter, lOf2 = of, tAntwoordr2 = tweede;
        }
        legAntwoordrijUit(speler, false);
    }
}

Vergelijkingen::Kant Vergelijkingen::kant(int speler) const
{
    if (speler == 1)
        return {Label5, lVergelijking1, Pvergelijking1, Label1, Label3, lOf1, tAntwoordl2};
    return {Label6, lVergelijking2, pVergelijking2, Label2, Label4, lOf2, tAntwoordr2};
}

void Vergelijkingen::nieuweRun()
{
    // Nothing to see until the first equation comes.
    for (int speler = 1; speler <= 2; ++speler) {
        const Kant k = kant(speler);
        for (QWidget* w : std::initializer_list<QWidget*>{k.kop, k.vergelijking, k.breuk,
                                                          k.oplossing, k.letter, k.of, k.tweede})
            w->hide();
    }
}

void Vergelijkingen::maakopgave(int speler)
{
    const int niv = niveau();
    Vergelijking& v = speler == 1 ? vergelijking1 : vergelijking2;
    v = equations::vergelijking(niv, opgaveNr(), common::random());

    const Kant k = kant(speler);
    k.kop->setCaption(niv == 3 || niv == 4 ? QStringLiteral("Verg:")
                                           : QStringLiteral("Vergelijking:"));
    k.oplossing->setCaption(v.isKwadratisch() ? QStringLiteral("Opl:")
                                              : QStringLiteral("Oplossing:"));
    k.letter->setCaption(equations::xisinvullen(v));
    k.of->setCaption(QStringLiteral(" of   ") + v.letter + QStringLiteral(" ="));
    k.kop->show();
    k.oplossing->show();
    k.letter->show();
    toonVergelijking(speler, v);
}

void Vergelijkingen::toonVergelijking(int speler, const Vergelijking& v)
{
    const Kant k = kant(speler);
    if (!v.isBreuk()) {
        k.breuk->hide();
        toonPassend(k.vergelijking, v.vergtekst);
        k.vergelijking->show();
        return;
    }
    k.vergelijking->hide();
    k.breuk->show();
    k.breuk->clear();
    k.breuk->paint([&v](ui::UserPainter& p) { equations::tekenBreuk(p, v); });
    k.breuk->setAccessibleDescription(equations::uitgesproken(v));
}

QString Vergelijkingen::opgaveZin(int speler) const
{
    const Vergelijking& v = vergelijkingVan(speler);
    const Kant k = kant(speler);
    QString zin = equations::uitgesproken(v) + QStringLiteral(", ") + k.letter->caption().trimmed();
    if (v.isKwadratisch())
        zin += QStringLiteral(" … ") + k.of->caption().simplified();
    return zin + QStringLiteral(" …");
}

void Vergelijkingen::legAntwoordrijUit(int speler, bool tweeVakken)
{
    const Kant k = kant(speler);
    int x = links(speler);
    ui::setGeometryTw(k.oplossing, x, antwoordTop, tweeVakken ? kopKortBreed : kopBreed, rij);
    x += tweeVakken ? kopKortBreed : kopBreed;
    ui::setGeometryTw(k.letter, x, antwoordTop, letterBreed, rij);
    x += letterBreed;
    ui::setGeometryTw(tAntwoord(speler), x, antwoordTop, tweeVakken ? vakKortBreed : vakBreed, rij);
    x += vakKortBreed;
    ui::setGeometryTw(k.of, x, antwoordTop, ofBreed, rij);
    ui::setGeometryTw(k.tweede, x + ofBreed, antwoordTop, vakKortBreed, rij);
}

void Vergelijkingen::toonAntwoordvak(int speler)
{
    const bool tweeVakken = vergelijkingVan(speler).isKwadratisch();
    const Kant k = kant(speler);
    legAntwoordrijUit(speler, tweeVakken);
    k.of->setVisible(tweeVakken);
    k.tweede->setVisible(tweeVakken);
    k.tweede->setEnabled(true);
    k.tweede->clear();
    RunForm::toonAntwoordvak(speler); // the first box gets the focus
}

// At the quadratic levels Enter in the first box only moves on to the second.
void Vergelijkingen::enterInEersteVak(int speler)
{
    if (vergelijkingVan(speler).isKwadratisch())
        kant(speler).tweede->setFocus();
    else
        beantwoord(speler);
}

// Enter in the second box answers both; an empty first box reads as 0.
void Vergelijkingen::enterInTweedeVak(int speler)
{
    beantwoord(speler);
}

// Enter is ignored only while every box of the player is empty.
bool Vergelijkingen::geenAntwoord(int speler) const
{
    const Kant k = kant(speler);
    return tAntwoord(speler)->text().isEmpty() &&
           (k.tweede->isHidden() || k.tweede->text().isEmpty());
}

run::Verdict Vergelijkingen::beoordeel(int speler)
{
    // The run has disabled the first box; the second goes with it.
    const Kant k = kant(speler);
    k.tweede->setEnabled(false);
    run::Verdict v = equations::beoordeel(vergelijkingVan(speler), speler,
                                          tAntwoord(speler)->text(), k.tweede->text());
    v.historie = historieregel(speler, v.historie);
    return v;
}

// A history line wider than the player's area is shown on two lines: the
// equation, then the answer under it. The results text keeps one line.
QString Vergelijkingen::historieregel(int speler, const QString& regel) const
{
    const QString vergelijking = equations::logvorm(vergelijkingVan(speler));
    const ui::PictureBox* pic = picture(speler);
    const QString eerste = regel.section(QChar(13), 0, 0);
    if (pic->textWidth(eerste) <= ui::widthTw(pic) || !regel.startsWith(vergelijking))
        return regel;
    return vergelijking + QChar(13) + regel.mid(vergelijking.size());
}

void Vergelijkingen::uitleg(int speler)
{
    const equations::Uitleg u = equations::uitleg(vergelijkingVan(speler));
    ui::messageBox(u.titel, u.tekst);
}
