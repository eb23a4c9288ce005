#include "grafieken.h"

#include "app/module1.h"
#include "app/resultsfile.h"
#include "common/numbertext.h"
#include "common/random.h"
#include "cover.h"
#include "helppages.h"
#include "runtexts.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

using namespace graphs;

namespace {

const QString CRLF = QStringLiteral("\r\n");
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

bool tweeSpelers()
{
    return module1().aantalSpelers == 2;
}

void neemKleurenOver(ui::Label* doel, const ui::Label* bron)
{
    doel->setColours(bron->palette().color(QPalette::WindowText),
                     bron->palette().color(QPalette::Window));
}

} // namespace

Grafieken::Grafieken() : ui::Form(QStringLiteral("grafieken"))
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
    Module1& m = module1();
    setCaption(titel + QStringLiteral("    ") + m.keuzeTitel);
    aantalOpgaven = 10;
    afgesloten = false;
    bVolgende->setEnabled(false);
    hulpPagina = 0;

    doorElkaar = m.niveau == doorElkaarNiveau;
    if (doorElkaar)
        m.niveau = std::int16_t(eersteSoortDoorElkaar(gebruikt1, common::random()));
    as = AsLetters{};
    klopt = true;
    Image1->hide();
    Picture1->show();

    const Functie f = genereerfunctie(m.niveau, doorElkaar, gebruikt1, common::random());
    formule = f.formule;
    soort = f.soort;
    as = {f.xschaal, f.yschaal, f.variabele, f.functieletter};
    Text2->setText(f.text2());

    functieNr = 1;
    puntenNu = 0;
    punten1 = punten2 = gehad1 = gehad2 = poging = 0;
    doelformule = formule;
    goedBeantwoord = false;
    vorigeInvoer.clear();
    toonDoelfunctie();
    doelrijen = rijen;

    beurt = 1;
    huidigeNaam = m.naam1;
    neemKleurenOver(lGoedzo, lGoedzo1);
    lGoedzo->setCaption(QStringLiteral("Vul in, ") + m.naam1 + QStringLiteral(" !"));
    updateResultaat();
    verslag1 = results::header(m.naam1);
    verslag2 = tweeSpelers() ? results::header(m.naam2) : QString();
    Text1->setEnabled(true);
    Text1->clear();
    Text1->setFocus();
}

bool Grafieken::closeRequested()
{
    if (!afgesloten)
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
    formule = doelformule;
    Picture1->clear();
    Picture1->paint([this](ui::UserPainter& p) { assen(p, as); });
    if (prefix_suffix())
        grafiek(0);
}

void Grafieken::updateResultaat()
{
    const Speler een{module1().naam1, punten1, gehad1};
    const Speler twee{module1().naam2, punten2, gehad2};
    QString tekst = scoreTekst(een, tweeSpelers() ? &twee : nullptr);
    lResultaat->setCaption(tekst.replace(QChar(13), QChar(10))); // a label breaks lines at LF
}

void Grafieken::tekst1Enter()
{
    if (afgesloten || !Text1->isEnabled() || goedBeantwoord)
        return;
    formule = common::commaToPoint(Text1->text());
    if (formule.isEmpty() || formule == vorigeInvoer)
        return; // the same answer twice in a row counts once
    vorigeInvoer = formule;
    const bool gelezen = prefix_suffix();

    QString& verslag = beurt == 1 ? verslag1 : verslag2;
    if (poging == 0) {
        ++(beurt == 1 ? gehad1 : gehad2);
        verslag += CRLF + QStringLiteral("functie: ") + Text2->text() + doelformule + CRLF +
                   QStringLiteral("invoer:") + results::oneLine(formule);
    } else {
        verslag += CRLF + QStringLiteral("       ") + results::oneLine(formule);
    }
    if (!gelezen) {
        ++poging; // a mistyped formula costs an attempt; the box stays open
        updateResultaat();
        return;
    }

    grafiek(1);
    klopt = rijenKloppen(doelrijen, rijen);
    goedBeantwoord = false;
    Text1->setEnabled(false);
    if (!klopt) {
        lGoedzo->setCaption(QStringLiteral("fout, ") + huidigeNaam);
        updateResultaat();
        bVolgende->setCaption(QStringLiteral("Dezelfde nog eens"));
        bVolgende->setEnabled(true);
        if (poging > 2)
            bUitleg->setCaption(antwoord);
        bVolgende->setFocus();
        return;
    }
    lGoedzo->setCaption(QStringLiteral("Goed zo, ") + huidigeNaam + QStringLiteral(" !"));
    puntenNu = std::int16_t(puntenNu + puntenVoorPoging(poging));
    (beurt == 1 ? punten1 : punten2) += puntenNu;
    verslag += QStringLiteral("   ") + common::Str(puntenNu) + QStringLiteral(" pt.");
    updateResultaat();
    bVolgende->setCaption(volgende);
    bVolgende->setEnabled(true);
    bVolgende->setFocus();
    goedBeantwoord = true;
}

void Grafieken::nieuweFunctie()
{
    Module1& m = module1();
    // The player who gets the new function; in the mixed level the kind is
    // drawn from that player's own record.
    const int volgendeSpeler = tweeSpelers() && beurt == 1 ? 2 : 1;
    common::random().randomize();
    const Functie f = genereerfunctie(
        m.niveau, doorElkaar, volgendeSpeler == 1 ? gebruikt1 : gebruikt2, common::random());
    poging = 0;
    puntenNu = 0;

    if (tweeSpelers() && beurt == 1) {
        beurt = 2;
        huidigeNaam = m.naam2;
        neemKleurenOver(lGoedzo, lGoedzo2);
    } else {
        beurt = 1;
        huidigeNaam = m.naam1;
        if (++functieNr > aantalOpgaven) {
            sluitRun();
            return;
        }
        if (tweeSpelers())
            neemKleurenOver(lGoedzo, lGoedzo1);
    }

    formule = f.formule;
    soort = f.soort;
    as = {f.xschaal, f.yschaal, f.variabele, f.functieletter};
    Text2->setText(f.text2());
    doelformule = formule;
    vorigeInvoer.clear();
    bUitleg->setCaption(hulp);
    goedBeantwoord = false;
    toonDoelfunctie();
    doelrijen = rijen;
    vraagAntwoord();
}

void Grafieken::bVolgendeClick()
{
    if (afgesloten)
        return;
    if (goedBeantwoord) {
        nieuweFunctie();
        return;
    }
    if (!klopt)
        ++poging;
    toonDoelfunctie(); // the pupil's curves disappear
    vraagAntwoord();
}

// Waiting for an answer: after a wrong one the pupil edits it.
void Grafieken::vraagAntwoord()
{
    lGoedzo->setCaption(QStringLiteral("Vul in, ") + huidigeNaam + QStringLiteral(" !"));
    Text1->setEnabled(true);
    Text1->setText(vorigeInvoer);
    bVolgende->setEnabled(false);
    Text1->setFocus();
}

void Grafieken::bUitlegClick()
{
    if (afgesloten)
        return;
    const QString caption = bUitleg->caption();
    if (caption == antwoord) {
        Text1->setEnabled(true);
        Text1->setText(doelformule);
        klopt = true;
        bVolgende->setCaption(volgende);
        bVolgende->show();
        bVolgende->setEnabled(true);
        bVolgende->setFocus();
        vorigeInvoer.clear();
        goedBeantwoord = true;
        poging = 0;
    } else if (caption == terug) {
        hulpPagina = 0;
        bUitleg->setCaption(hulp);
        bVolgende->setCaption(volgende);
        bVolgende->show();
        bVolgende->setEnabled(false);
        if (goedBeantwoord) {
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

    const HulpPagina& pagina = kiesHulpPagina(module1().niveau, doorElkaar, hulpPagina);
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
    if (afgesloten)
        return;
    afgesloten = true;
    Module1& m = module1();
    const Speler een{m.naam1, punten1, gehad1};
    const Speler twee{m.naam2, punten2, gehad2};
    const bool twee_ = tweeSpelers();
    const QString tekst = samenvatting(een, twee_ ? &twee : nullptr);
    verslag1 += eindresultaat(een);
    if (twee_)
        verslag2 += eindresultaat(twee);

    if (doorElkaar)
        m.niveau = doorElkaarNiveau;
    const QString bestand = results::fileName(7, m.niveau);
    if (!results::append(bestand, verslag1, verslag2))
        results::reportNotSaved(bestand);
    ui::messageBox(titel, tekst);

    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    ui::FormRegistry::instance().unload(this);
}
