#include "grafieken.h"

#include "common/numbertext.h"
#include "common/random.h"
#include "cover.h"
#include "exercises/common/runend.h"
#include "helppages.h"
#include "runtexts.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

using namespace graphs;

namespace {

const QString titel = QStringLiteral("Functies raden");
const QString hulp = QStringLiteral("Hulp");
const QString verder = QStringLiteral("Verder");
const QString terug = QStringLiteral("Terug");
const QString antwoord = QStringLiteral("Antwoord");
const QString volgende = QStringLiteral("Volgende");

// Layout in twips: the square graph on the left, the controls to its right.
constexpr int marge = 120;
constexpr int beeldZijde = 7800;
constexpr int paneelLinks = marge + beeldZijde + 240;
constexpr int paneelBreedte = 3700;
constexpr int regel = 400;
constexpr int vensterBreedte = paneelLinks + paneelBreedte + marge;
constexpr int vensterHoogte = beeldZijde + 2 * marge;

void neemKleurenOver(ui::Label* doel, const ui::Label* bron)
{
    doel->setColours(bron->palette().color(QPalette::WindowText),
                     bron->palette().color(QPalette::Window));
}

} // namespace

Grafieken::Grafieken(const run::Session& session)
    : ui::Form(QStringLiteral("grafieken")), session_(session.voor(QStringLiteral("grafieken")))
{
    setSizeTw(vensterBreedte, vensterHoogte);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    Picture1 = new ui::PictureBox(this, marge, marge, beeldZijde, beeldZijde);
    Picture1->setAccessibleName(QStringLiteral("Grafiek"));
    Picture1->setScale(0, 0, beeld, beeld);
    Image1 = new ui::Label(this, QString(), marge, marge, beeldZijde, beeldZijde);
    Image1->setPixmap(QPixmap::fromImage(hulpOmslag(Image1->size(), Image1->devicePixelRatioF())));
    Image1->hide();

    int y = marge;
    lResultaat = new ui::Label(this, QStringLiteral("functie nr. 1    aantal punten: 0"),
                               paneelLinks, y, paneelBreedte, 2 * regel);
    lResultaat->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    y += 2 * regel + 240;
    lGoedzo = new ui::Label(this, QStringLiteral("Vul in !"), paneelLinks, y, paneelBreedte, regel);
    lGoedzo1 = new ui::Label(this, QString(), paneelLinks, y, paneelBreedte, regel);
    lGoedzo1->setColours(QColor(255, 0, 0), QColor(224, 224, 224));
    lGoedzo1->hide();
    lGoedzo2 = new ui::Label(this, QString(), paneelLinks, y, paneelBreedte, regel);
    lGoedzo2->setColours(Qt::white, ui::colour(1));
    lGoedzo2->hide();
    neemKleurenOver(lGoedzo, lGoedzo1);
    QFont vet = lGoedzo->font();
    vet.setBold(true);
    lGoedzo->setFont(vet);
    y += regel + 120;
    Text2 = new ui::TextBox(this, paneelLinks, y, 600, regel);
    Text2->setText(QStringLiteral("y ="));
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);
    Text2->setFrame(false);
    Text2->setAlignment(Qt::AlignRight);
    Text2->setAccessibleName(QStringLiteral("Begin van de formule: y ="));
    Text1 = new ui::TextBox(this, paneelLinks + 600, y, paneelBreedte - 600, regel);
    Text1->setAccessibleName(QStringLiteral("Formule"));
    Text1->onEnter = [this] { tekst1Enter(); };
    y += regel + 240;
    bVolgende = new ui::Button(this, volgende, paneelLinks, y, paneelBreedte, regel);
    bVolgende->onClick = [this] { bVolgendeClick(); };
    y += regel + 120;
    bUitleg = new ui::Button(this, hulp, paneelLinks, y, paneelBreedte, regel);
    bUitleg->onClick = [this] { bUitlegClick(); };
    maakBeschrijfknop(paneelLinks, y + regel + 120, paneelBreedte, regel);
    bNaarmenu = new ui::Button(this, QStringLiteral("Naar menu"), paneelLinks,
                               marge + beeldZijde - regel, paneelBreedte, regel);
    bNaarmenu->onClick = [this] { sluitRun(); };
}

void Grafieken::activate()
{
    const run::Session& m = session_;
    setCaption(titel + QStringLiteral("    ") + m.keuzeTitel);
    einde_ = run::Einde();
    spel = Spel(m);
    bVolgende->setEnabled(false);
    hulpPagina = 0;
    Image1->hide();
    Picture1->show();

    // On the mixed level the first kind is drawn here, for player 1.
    const int eerste =
        spel.doorElkaar ? eersteSoortDoorElkaar(spel.gebruikt[0], common::random()) : m.niveau;
    speel(genereerfunctie(eerste, spel.doorElkaar, spel.gebruikt[0], common::random()));

    neemKleurenOver(lGoedzo, lGoedzo1);
    lGoedzo->setCaption(QStringLiteral("Vul in, ") + m.naam(1) + QStringLiteral(" !"));
    updateResultaat();
    Text1->setEnabled(true);
    Text1->clear();
    Text1->setFocus();
}

bool Grafieken::closeRequested()
{
    sluitRun();
    return true;
}

bool Grafieken::prefix_suffix()
{
    gelezen_ = graphs::prefix_suffix(formule, as.variabele);
    if (gelezen_.foutief)
        ui::messageBox(formulaErrorTitle(), gelezen_.error);
    return !gelezen_.foutief;
}

void Grafieken::grafiek(std::int16_t nieuwekleur, const QRectF& grens)
{
    if (nieuwekleur > 0)
        kleur = volgendeKleur(kleur);
    berekenRijen(gelezen_.program, as.xschaal, as.yschaal, rijen);
    const int breedte = gelezen_.varteller == 0 ? 2 : 1; // a constant: a horizontal line
    const QColor c = nieuwekleur > 0 ? leerlingKleur(kleur) : ui::colour(1);
    Picture1->paint([&](ui::UserPainter& p) { tekenCurve(p, rijen, c, breedte, grens); });
    beschrijf(nieuwekleur > 0);
}

void Grafieken::toonDoelfunctie()
{
    formule = spel.doelformule;
    Picture1->clear();
    Picture1->paint([this](ui::UserPainter& p) { assen(p, as); });
    if (prefix_suffix())
        grafiek(0);
}

void Grafieken::updateResultaat()
{
    QString tekst = scoreTekst(spel.spelers[0], spel.tweeSpelers ? &spel.spelers[1] : nullptr);
    lResultaat->setCaption(tekst.replace(QChar(13), QChar(10))); // a label breaks lines at LF
}

void Grafieken::tekst1Enter()
{
    if (afgesloten() || !Text1->isEnabled())
        return;
    const QString getypt = common::commaToPoint(Text1->text());
    if (!spel.invoer(getypt, Text2->text()))
        return;
    formule = getypt.trimmed(); // the results file has it as typed
    if (!prefix_suffix()) {
        spel.onleesbaar(); // the box stays open
        updateResultaat();
        return;
    }

    grafiek(1);
    spel.beoordeeld(rijenKloppen(doelrijen, rijen));
    Text1->setEnabled(false);
    if (!spel.klopt) {
        lGoedzo->setCaption(QStringLiteral("fout, ") + spel.naamAanDeBeurt());
        updateResultaat();
        bVolgende->setCaption(QStringLiteral("Dezelfde nog eens"));
        bVolgende->setEnabled(true);
        if (spel.poging > 2)
            bUitleg->setCaption(antwoord);
        bVolgende->setFocus();
        return;
    }
    lGoedzo->setCaption(QStringLiteral("Goed zo, ") + spel.naamAanDeBeurt() + QStringLiteral(" !"));
    updateResultaat();
    bVolgende->setCaption(volgende);
    bVolgende->setEnabled(true);
    bVolgende->setFocus();
}

void Grafieken::nieuweFunctie()
{
    // In the mixed level the kind is drawn from the next player's own record.
    const int volgendeSpeler = spel.volgendeSpeler();
    common::random().randomize();
    const Functie f = genereerfunctie(session_.niveau, spel.doorElkaar,
                                      spel.gebruikt[volgendeSpeler - 1], common::random());
    if (!spel.volgende()) {
        sluitRun();
        return;
    }
    if (spel.tweeSpelers)
        neemKleurenOver(lGoedzo, spel.beurt == 2 ? lGoedzo2 : lGoedzo1);
    bUitleg->setCaption(hulp);
    speel(f);
    vraagAntwoord();
}

// The given function on fresh axes, waiting for the first answer.
void Grafieken::speel(const Functie& f)
{
    spel.speel(f);
    formule = f.formule;
    as = {f.xschaal, f.yschaal, f.variabele, f.functieletter};
    Text2->setText(f.text2());
    toonDoelfunctie();
    doelrijen = rijen;
}

void Grafieken::bVolgendeClick()
{
    if (afgesloten())
        return;
    if (spel.goedBeantwoord) {
        nieuweFunctie();
        return;
    }
    spel.nogEens();
    toonDoelfunctie(); // the pupil's curves disappear
    vraagAntwoord();
}

// Waiting for an answer: after a wrong one the pupil edits it.
void Grafieken::vraagAntwoord()
{
    lGoedzo->setCaption(QStringLiteral("Vul in, ") + spel.naamAanDeBeurt() + QStringLiteral(" !"));
    Text1->setEnabled(true);
    Text1->setText(spel.vorigeInvoer);
    bVolgende->setEnabled(false);
    Text1->setFocus();
}

void Grafieken::bUitlegClick()
{
    if (afgesloten())
        return;
    const QString caption = bUitleg->caption();
    if (caption == antwoord) {
        Text1->setEnabled(true);
        Text1->setText(spel.doelformule);
        spel.antwoordGetoond();
        bVolgende->setCaption(volgende);
        bVolgende->show();
        bVolgende->setEnabled(true);
        bVolgende->setFocus();
    } else if (caption == terug) {
        hulpPagina = 0;
        bUitleg->setCaption(hulp);
        bVolgende->setCaption(volgende);
        bVolgende->show();
        bVolgende->setEnabled(false);
        if (spel.goedBeantwoord) {
            nieuweFunctie();
            return;
        }
        toonDoelfunctie();
        vraagAntwoord();
    } else if (caption == hulp) {
        bUitleg->setCaption(verder);
        hulpPagina = 1;
        Picture1->hide();
        Image1->show();
        bVolgende->hide();
        Text1->setEnabled(false);
    } else {
        toonHulpPagina();
    }
}

void Grafieken::toonHulpPagina()
{
    Image1->hide();
    Picture1->show();
    bVolgende->hide();
    const AsLetters bewaard = as;
    as = AsLetters{1, 1, QLatin1Char('x'), QLatin1Char('y')};

    const HulpPagina& pagina = kiesHulpPagina(session_.niveau, spel.doorElkaar, hulpPagina);
    Picture1->clear();
    const auto tekenAssen = pagina.indeling == Indeling::Links ? assenuitleg : assenuitleg2;
    Picture1->paint([&](ui::UserPainter& p) { tekenAssen(p, as); });
    formule = pagina.formule;
    // The example stays within its half, clear of the text.
    const QRectF helft =
        pagina.indeling == Indeling::Links ? QRectF(0, 0, 1000, beeld) : QRectF(0, 0, beeld, 1000);
    if (prefix_suffix())
        grafiek(0, helft);
    Picture1->setForeColour(asRood());
    QFont f = Picture1->font();
    f.setPointSizeF(8.5);
    f.setBold(false);
    Picture1->setFont(f);
    for (const auto& [y, tekst] : pagina.regels) {
        Picture1->moveTo(pagina.tekstX, y);
        Picture1->print(tekst);
    }
    if (pagina.laatste) {
        bUitleg->setCaption(terug);
    } else {
        hulpPagina = 2;
    }
    as = bewaard;
}

void Grafieken::sluitRun()
{
    if (!einde_.begin())
        return;
    run::Players& spelers = spel.spelers;
    const QString tekst =
        graphs::samenvatting(spelers[0], spel.tweeSpelers ? &spelers[1] : nullptr);
    spelers[0].verslag += graphs::eindresultaat(spelers[0]);
    if (spel.tweeSpelers)
        spelers[1].verslag += graphs::eindresultaat(spelers[1]);
    exercises::closeRun(*this, session_, spelers, titel, tekst);
}
