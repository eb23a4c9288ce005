#include "runform.h"

#include "app/module1.h"
#include "app/resultsfile.h"
#include "common/clock.h"
#include "common/numbertext.h"
#include "common/random.h"
#include "ui/accessible.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

using common::Str;

namespace {
const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

constexpr int halfWidth = 3400;
constexpr int vulinTop = 120;
constexpr int goedzoTop = 1900;
constexpr int pictureTop = 2320;
constexpr int pictureHeight = 3000;
constexpr int buttonTop = 5480;
constexpr int rowHeight = 330;
} // namespace

RunForm::RunForm(const Member& member) : ui::Form(member.formName), member_(member)
{
    setSizeTw(member.windowWidth2, member.windowHeight);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    for (int speler = 1; speler <= 2; ++speler) {
        const int left = links(speler);
        auto* pic = new ui::PictureBox(this, left, pictureTop, halfWidth, pictureHeight);
        pic->setKeepNewestInView(true);
        QFont pf = pic->font();
        pf.setPointSizeF(9);
        pic->setFont(pf);
        auto* vulin = new ui::Label(
            this, speler == 1 ? QStringLiteral(" vul in !") : QStringLiteral("naam2, vul in !"),
            left, vulinTop, halfWidth, rowHeight);
        vulin->setColours(Qt::white, ui::colour(1));
        vulin->setKind(ui::kindPrompt);
        auto* goedzo = new ui::Label(this, QStringLiteral("Goed zo, naam%1").arg(speler), left,
                                     goedzoTop, halfWidth, rowHeight);
        goedzo->setColours(Qt::black, ui::colour(12).lighter(170));
        goedzo->setKind(ui::kindFeedback);
        auto* box = new ui::TextBox(this, left + 1800, opgaveTop + 600, 1200, rowHeight);
        box->setAccessibleName(QStringLiteral("Antwoord van speler %1").arg(speler));
        pic->setAccessibleName(QStringLiteral("Gegeven antwoorden van speler %1").arg(speler));
        box->onEnter = [this, speler] { beantwoord(speler); };
        if (speler == 1) {
            Picture1 = pic;
            lVulin1 = vulin;
            lGoedzo1 = goedzo;
            tAntwoord1 = box;
        } else {
            Picture2 = pic;
            lVulin2 = vulin;
            lGoedzo2 = goedzo;
            tAntwoord2 = box;
        }
    }
    bNaarmenu = new ui::Button(this, QStringLiteral("Naar menu"), linksSpeler1, buttonTop,
                               member.buttonWidth2, 400);
    bNaarmenu->setAccessibleName(QStringLiteral("Naar menu"));
    bNaarmenu->onClick = [this] { sluitRun(); };
    Timer1 = new ui::Timer(this, 2000);
    Timer1->onTick = [this] { tick(); };
}

QString RunForm::naam(int speler)
{
    return speler == 1 ? module1().naam1 : module1().naam2;
}

bool RunForm::tweeSpelers()
{
    return module1().aantalSpelers == 2;
}

void RunForm::activate()
{
    Module1& m = module1();
    setCaption(member_.captionWithChoice ? member_.captionPrefix + m.keuzeTitel
                                         : member_.captionPrefix);
    afgesloten = false;
    goed1 = goed2 = 0;
    tijd1 = tijd2 = 0;
    gedaan1 = 0;
    gedaan2 = 0;
    Picture1->clear();
    Picture2->clear();

    verslag1 = results::header(m.naam1);
    verslag2 = tweeSpelers() ? results::header(m.naam2) : QString();
    opgaveNr = 0;

    lVulin1->setCaption(QStringLiteral(" Let op ") + m.naam1 + QStringLiteral(" !"));
    lVulin1->show();
    lGoedzo1->hide();
    lGoedzo2->hide();
    lVulin2->hide();
    tAntwoord2->hide();
    Picture2->hide();
    tAntwoord1->show();
    tAntwoord1->clear();
    tAntwoord1->setEnabled(false);

    Picture1->print(QStringLiteral(" ") + m.naam1 + QStringLiteral(":") + CR);
    beurt2 = false;
    if (tweeSpelers()) {
        Picture2->print(QStringLiteral(" ") + m.naam2 + QStringLiteral(":") + CR);
        Picture2->show();
        ui::setWidthTw(bNaarmenu, member_.buttonWidth2);
        setWidthTw(member_.windowWidth2);
    } else {
        ui::setWidthTw(bNaarmenu, member_.buttonWidth1);
        setWidthTw(member_.windowWidth1);
    }

    common::random().randomize();
    Timer1->setEnabled(true);
    bNaarmenu->setEnabled(false);
    aantalOpgaven = opgavenPerRun();
    doorElkaar = member_.mixedLevel != 0 && m.niveau == member_.mixedLevel;
    nieuweRun();
}

void RunForm::toonAntwoordvak(int speler)
{
    ui::TextBox* box = tAntwoord(speler);
    box->show();
    box->setEnabled(true);
    box->clear();
    ui::focusForAnswer(box, opgaveZin(speler));
}

void RunForm::tick()
{
    if (afgesloten)
        return;
    if (doorElkaar)
        module1().niveau = static_cast<std::int16_t>(niveauVoorOpgave(opgaveNr));

    if (beurt2) {
        maakopgave(2);
        toonAntwoordvak(2);
        starttijd = common::clock().seconds();
        lVulin2->setCaption(QStringLiteral(" ") + naam(2) + QStringLiteral("  vul in ! (nr. ") +
                            Str(opgaveNr) + QStringLiteral(")"));
        lVulin2->show();
        lGoedzo2->hide();
        Timer1->setEnabled(false);
        bNaarmenu->setEnabled(true);
        lVulin1->hide();
    } else if (opgaveNr < aantalOpgaven) {
        ++opgaveNr;
        maakopgave(1);
        toonAntwoordvak(1);
        starttijd = common::clock().seconds();
        lVulin1->show();
        lVulin2->hide();
        lVulin1->setCaption(QStringLiteral(" ") + naam(1) + QStringLiteral("  vul in ! (nr. ") +
                            Str(opgaveNr) + QStringLiteral(")"));
        lGoedzo1->hide();
        Timer1->setEnabled(false);
        bNaarmenu->setEnabled(true);
    } else {
        sluitRun();
    }
}

void RunForm::disableAnswerBox(int speler)
{
    tAntwoord(speler)->setEnabled(false);
}

void RunForm::beantwoord(int speler)
{
    if (afgesloten || Timer1->isEnabled() || geenAntwoord(speler))
        return;
    if (speler == 1)
        gedaan1 = opgaveNr;
    else
        ++gedaan2;
    const double genomen = common::clock().seconds() - starttijd;
    (speler == 1 ? tijd1 : tijd2) += genomen;

    lGoedzo(speler)->show();
    disableAnswerBox(speler);
    lVulin(speler)->hide();
    bNaarmenu->setEnabled(false);

    const Oordeel oordeel = beoordeel(speler);
    QString& verslag = speler == 1 ? verslag1 : verslag2;
    if (oordeel.goed) {
        int& goed = speler == 1 ? goed1 : goed2;
        ++goed;
        lGoedzo(speler)->setCaption(QStringLiteral("Goedzo ") + naam(speler) +
                                    QStringLiteral("!   ") + Str(goed) + QStringLiteral(" g"));
        picture(speler)->print(oordeel.historie);
    } else {
        lGoedzo(speler)->setCaption(oordeel.fout);
        picture(speler)->print(oordeel.historie);
        uitleg(speler);
    }
    for (const QString& regel : oordeel.verslag)
        verslag += CRLF + results::oneLine(regel);
    naBeoordeling(speler);
    if (afgesloten)
        return; // the window was closed while the explanation was open
    Timer1->setEnabled(true);
    if (speler == 1 && tweeSpelers() && !beurt2)
        beurt2 = true;
    else if (speler == 2)
        beurt2 = false;
}

void RunForm::sluitRun()
{
    if (afgesloten)
        return;
    afgesloten = true;
    Timer1->setEnabled(false);
    Module1& m = module1();

    const QString line(45, QLatin1Char('_'));
    QString s = m.naam1 + QStringLiteral(":") + CR + QStringLiteral("Je had er ") + Str(goed1) +
                QStringLiteral(" goed van de ") + Str(gedaan1) + QStringLiteral(" in ") +
                Str(common::roundHalfEven(tijd1, 2)) + QStringLiteral(" sec.") + CR + line;
    if (tweeSpelers()) {
        s += CR + CR + m.naam2 + QStringLiteral(":") + CR + QStringLiteral("Je had er ") +
             Str(goed2) + QStringLiteral(" goed van de ") + Str(gedaan2) + QStringLiteral(" in ") +
             Str(common::roundHalfEven(tijd2, 2)) + QStringLiteral(" sec.") + CR + line + CR + CR;
        QString winnaar;
        if (goed1 > goed2 || (goed1 == goed2 && tijd1 < tijd2 && goed1 > 0))
            winnaar = m.naam1;
        else if (goed2 > 0)
            winnaar = m.naam2;
        if (!winnaar.isNull())
            s += QStringLiteral(" ") + winnaar + QStringLiteral(" heeft gewonnen !");
    }

    verslag1 += CRLF + CRLF + QStringLiteral("eindresultaat: ") + Str(goed1) +
                QStringLiteral(" goed van de ") + Str(gedaan1);
    if (tweeSpelers())
        verslag2 += CRLF + CRLF + QStringLiteral("eindresultaat: ") + Str(goed2) +
                    QStringLiteral(" goed van de ") + Str(gedaan2);

    if (doorElkaar)
        m.niveau = static_cast<std::int16_t>(member_.mixedLevel);

    const QString file = results::fileName(member_.option, m.niveau);
    if (!results::append(file, verslag1, verslag2))
        results::reportNotSaved(file);

    ui::messageBox(member_.summaryTitle, s);

    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    ui::FormRegistry::instance().unload(this);
}

bool RunForm::closeRequested()
{
    sluitRun();
    return true;
}
