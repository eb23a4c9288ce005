#include "runform.h"

#include "common/clock.h"
#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/catalogue.h"
#include "run/rules.h"
#include "runend.h"
#include "ui/accessible.h"
#include "ui/twips.h"

using common::Str;

namespace {
const QString CR = QStringLiteral("\r");

constexpr int halfWidth = 3400;
constexpr int vulinTop = 120;
constexpr int goedzoTop = 1900;
constexpr int pictureTop = 2320;
constexpr int pictureHeight = 3000;
constexpr int buttonTop = 5480;
constexpr int rowHeight = 330;
} // namespace

RunForm::RunForm(const Member& member, const run::Session& session)
    : ui::Form(member.formName), member_(member), session_(session.voor(member.formName))
{
    setSizeTw(member.windowWidth2, member.windowHeight);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);
    maakSpelerhelft(1);
    maakSpelerhelft(2);
    bNaarmenu = new ui::Button(this, QStringLiteral("Naar menu"), linksSpeler1, buttonTop,
                               member.buttonWidth2, 400);
    bNaarmenu->setAccessibleName(QStringLiteral("Naar menu"));
    bNaarmenu->onClick = [this] { sluitRun(); };
    Timer1 = new ui::Timer(this, 2000);
    Timer1->onTick = [this] { tick(); };
}

void RunForm::maakSpelerhelft(int speler)
{
    const int left = links(speler);
    auto* pic = new ui::PictureBox(this, left, pictureTop, halfWidth, pictureHeight);
    pic->setKeepNewestInView(true);
    QFont pf = pic->font();
    pf.setPointSizeF(9);
    pic->setFont(pf);
    auto* vulin = new ui::Label(
        this, speler == 1 ? QStringLiteral(" vul in !") : QStringLiteral("naam2, vul in !"), left,
        vulinTop, halfWidth, rowHeight);
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
    (speler == 1 ? Picture1 : Picture2) = pic;
    (speler == 1 ? lVulin1 : lVulin2) = vulin;
    (speler == 1 ? lGoedzo1 : lGoedzo2) = goedzo;
    (speler == 1 ? tAntwoord1 : tAntwoord2) = box;
}

void RunForm::activate()
{
    const run::Session& s = session_;
    setCaption(member_.captionWithChoice ? member_.captionPrefix + s.keuzeTitel
                                         : member_.captionPrefix);
    einde_ = run::Einde();
    Picture1->clear();
    Picture2->clear();
    // Problems per run and the levels on the mixed level are the catalogue's.
    const catalogue::Exercise* e = catalogue::find(member_.formName);
    Q_ASSERT(e);
    ronde_.emplace(s, catalogue::problemsPerRun(*e, s.niveau),
                   [e](int nr) { return catalogue::mixedLevelOfProblem(*e, nr); });

    lVulin1->setCaption(QStringLiteral(" Let op ") + s.naam(1) + QStringLiteral(" !"));
    lVulin1->show();
    lGoedzo1->hide();
    lGoedzo2->hide();
    lVulin2->hide();
    tAntwoord2->hide();
    Picture2->hide();
    tAntwoord1->show();
    tAntwoord1->clear();
    tAntwoord1->setEnabled(false);

    Picture1->print(QStringLiteral(" ") + s.naam(1) + QStringLiteral(":") + CR);
    const bool twee = tweeSpelers();
    if (twee) {
        Picture2->print(QStringLiteral(" ") + s.naam(2) + QStringLiteral(":") + CR);
        Picture2->show();
    }
    ui::setWidthTw(bNaarmenu, twee ? member_.buttonWidth2 : member_.buttonWidth1);
    setWidthTw(twee ? member_.windowWidth2 : member_.windowWidth1);

    common::random().randomize();
    Timer1->setEnabled(true);
    bNaarmenu->setEnabled(false);
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
    if (einde_.afgesloten())
        return;
    switch (ronde_->volgende()) {
    case run::Ronde::Stap::Speler2:
        geefBeurt(2);
        lVulin1->hide();
        break;
    case run::Ronde::Stap::Speler1:
        geefBeurt(1);
        lVulin2->hide();
        break;
    case run::Ronde::Stap::Einde:
        sluitRun();
        break;
    }
}

// Shows the player's new problem and waits for the answer.
void RunForm::geefBeurt(int speler)
{
    maakopgave(speler);
    toonAntwoordvak(speler);
    starttijd_ = common::clock().seconds();
    lVulin(speler)->show();
    lVulin(speler)->setCaption(QStringLiteral(" ") + session_.naam(speler) +
                               QStringLiteral("  vul in ! (nr. ") + Str(opgaveNr()) +
                               QStringLiteral(")"));
    lGoedzo(speler)->hide();
    Timer1->setEnabled(false);
    bNaarmenu->setEnabled(true);
}

void RunForm::beantwoord(int speler)
{
    if (einde_.afgesloten() || Timer1->isEnabled() || geenAntwoord(speler))
        return;
    ronde_->beantwoord(speler, starttijd_, common::clock().seconds());

    lGoedzo(speler)->show();
    tAntwoord(speler)->setEnabled(false);
    lVulin(speler)->hide();
    bNaarmenu->setEnabled(false);

    const run::Verdict oordeel = beoordeel(speler);
    ronde_->telGoed(speler, oordeel);
    if (oordeel.goed) {
        lGoedzo(speler)->setCaption(QStringLiteral("Goedzo ") + session_.naam(speler) +
                                    QStringLiteral("!   ") + Str(ronde_->speler(speler).score) +
                                    QStringLiteral(" g"));
        picture(speler)->print(oordeel.historie);
    } else {
        lGoedzo(speler)->setCaption(oordeel.fout);
        picture(speler)->print(oordeel.historie);
        uitleg(speler);
    }
    for (const QString& regel : oordeel.verslag)
        ronde_->schrijf(speler, regel);
    naBeoordeling(speler);
    if (einde_.afgesloten())
        return; // the window was closed while the explanation was open
    Timer1->setEnabled(true);
    ronde_->beurtVoorbij(speler);
}

void RunForm::sluitRun()
{
    if (!ronde_ || !einde_.begin())
        return;
    Timer1->setEnabled(false);
    ronde_->sluit();
    exercises::closeRun(*this, session_, ronde_->spelers(), member_.summaryTitle,
                        run::samenvatting(ronde_->spelers(), tweeSpelers()));
}

bool RunForm::closeRequested()
{
    sluitRun();
    return true;
}
