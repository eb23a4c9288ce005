#include "hoeken.h"

#include "common/random.h"
#include "exercises/common/runend.h"
#include "tekening.h"
#include "ui/accessible.h"
#include "ui/twips.h"

namespace {
// Layout in twips.
constexpr int marge = 120;
constexpr int rijHoogte = 400;
constexpr int pictureTop = 640;
constexpr int pictureBreedte = 6500;
constexpr int pictureHoogte = 6255;
constexpr int antwoordTop = pictureTop + pictureHoogte + 120;
constexpr int puntenTop = antwoordTop + rijHoogte;
constexpr int puntenHoogte = 620;
constexpr int formBreedte = pictureBreedte + 2 * marge;
constexpr int formHoogte = puntenTop + puntenHoogte + marge;

// The prompt's colours per player: red on light grey, white on blue.
QColor tekstKleur(int speler)
{
    return speler == 1 ? ui::colour(12) : ui::colour(15);
}
QColor achtergrondKleur(int speler)
{
    return speler == 1 ? ui::colour(7) : ui::colour(1);
}
} // namespace

Hoeken::Hoeken(const run::Session& session)
    : ui::Form(QStringLiteral("hoeken")), session_(session.voor(QStringLiteral("hoeken")))
{
    setSizeTw(formBreedte, formHoogte);
    QFont f = font();
    f.setPointSizeF(11);
    setFont(f);

    Lnaam = new ui::Label(this, QString(), marge, marge, 3500, rijHoogte);
    Lnaam->setIndent(6);
    Lnaam->setKind(ui::kindPrompt);
    Tgraden = new ui::TextBox(this, marge + 3620, marge, 1100, rijHoogte);
    Tgraden->setAccessibleName(QStringLiteral("Aantal graden"));
    Tgraden->onEnter = [this] { raad(); };
    bNaarmenu = new ui::Button(this, QStringLiteral("Naar menu"), formBreedte - marge - 1600, marge,
                               1600, rijHoogte);
    bNaarmenu->setAccessibleName(QStringLiteral("Naar menu"));
    bNaarmenu->onClick = [this] { sluitSpel(); };

    Picture1 = new ui::PictureBox(this, marge, pictureTop, pictureBreedte, pictureHoogte);
    Picture1->setAccessibleName(QStringLiteral("Hoek"));
    Picture1->setBackColour(ui::colour(7));

    Lantwoord = new ui::Label(this, QStringLiteral("De hoek is 20 graden"), marge, antwoordTop,
                              pictureBreedte, rijHoogte);
    Lpunten1 = new ui::Label(this, QStringLiteral("naam1 heeft 0 punten"), marge, puntenTop,
                             pictureBreedte, puntenHoogte);
    Lpunten1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lantwoord->setKind(ui::kindFeedback);
    Lpunten1->setKind(QStringLiteral("Punten"));

    Timer1 = new ui::Timer(this, 1000);
    Timer1->onTick = [this] { tick(); };
}

void Hoeken::activate()
{
    setCaption(QStringLiteral("Hoeken raden "));
    einde_ = run::Einde();
    spel = angles::Spel(session_.aantalSpelers);

    vraagOm(1);
    Lnaam->show();
    Tgraden->clear();
    Tgraden->setEnabled(true);
    Tgraden->show();
    Lantwoord->hide();
    Lpunten1->hide();
    bNaarmenu->setEnabled(true);

    common::random().randomize();
    Picture1->setScale(0, 0, 1000, 1000);
    spel.begin(angles::nieuweHoek(common::random()));
    tekenHoek();
    ui::focusForAnswer(Tgraden, Picture1->accessibleDescription());
}

void Hoeken::tekenHoek()
{
    Picture1->clear();
    Picture1->setAccessibleDescription(angles::beschrijving(spel.hoek));
    Picture1->paint([this](ui::UserPainter& p) {
        angles::tekenHoek(p, spel, {middenX, middenY}, straal);
    });
}

void Hoeken::vraagOm(int speler)
{
    Lnaam->setColours(tekstKleur(speler), achtergrondKleur(speler));
    Lnaam->setCaption(angles::vraag(session_.naam(speler)));
}

void Hoeken::raad()
{
    if (afgesloten())
        return;
    const angles::NaGok na = spel.gok(Tgraden->text());
    if (na == angles::NaGok::Genegeerd)
        return;
    if (na == angles::NaGok::Speler2) {
        vraagOm(2);
        Tgraden->clear();
        return;
    }
    if (spel.tweeSpelers()) {
        Tgraden->hide();
        Lnaam->hide();
    }
    Lpunten1->setCaption(angles::puntenTekst(spel, session_.naam(1), session_.naam(2)));
    Lpunten1->show();
    Lantwoord->hide();
    bNaarmenu->setEnabled(false);
    Timer1->setEnabled(true);
    Tgraden->setEnabled(false);
}

void Hoeken::tick()
{
    if (afgesloten())
        return;
    bNaarmenu->setEnabled(false);
    if (const std::optional<angles::VeegStap> stap = spel.veegStap()) {
        if (stap->laatste) {
            Lantwoord->setCaption(angles::antwoordTekst(spel));
            Lantwoord->show();
        }
        tekenHoek();
        return;
    }
    if (spel.afgelopen()) {
        Timer1->setEnabled(false);
        sluitSpel();
        return;
    }
    spel.volgende(angles::nieuweHoek(common::random()));
    tekenHoek();
    Timer1->setEnabled(false);
    Tgraden->clear();
    vraagOm(1);
    Tgraden->show();
    Tgraden->setEnabled(true);
    Lnaam->show();
    bNaarmenu->setEnabled(true);
    ui::focusForAnswer(Tgraden, Picture1->accessibleDescription());
}

void Hoeken::sluitSpel()
{
    if (!einde_.begin())
        return;
    Timer1->setEnabled(false);
    // The game keeps no results file: the end writes none.
    exercises::closeRun(*this, session_, {}, QStringLiteral("Hoeken raden"),
                        angles::eindTekst(spel, session_.naam(1), session_.naam(2)));
}

bool Hoeken::closeRequested()
{
    sluitSpel();
    return true;
}
