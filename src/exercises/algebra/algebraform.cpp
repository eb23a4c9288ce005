#include "algebraform.h"

#include "texts.h"
#include "ui/accessible.h"
#include "ui/twips.h"

#include <QFontMetricsF>

namespace {
constexpr int breedte = 3400;
constexpr int opdrachtHoogte = 480;
constexpr int regelHoogte = 400;
constexpr int antwLabelBreedte = 560;

QString hint(const QString& naam, char letterKwadraat, char letterDerde)
{
    return QStringLiteral(" ") + naam + QStringLiteral(":   Voer ") + QLatin1Char(letterKwadraat) +
           algebra::kwadraat + QStringLiteral("  in  als  ") + QLatin1Char(letterKwadraat) +
           QStringLiteral("^2   en ") + QLatin1Char(letterDerde) + algebra::derdemacht +
           QStringLiteral("  als ") + QLatin1Char(letterDerde) + QStringLiteral("^3");
}
// Breaks each line of a text for a picture area that is narrower than the
// line: at the last blank that still fits (or, with none, inside the word),
// the rest going on in an indented line.
QString afgebroken(const QString& tekst, const QFontMetricsF& fm, double maxBreedte)
{
    const QString inspringen = QStringLiteral("      ");
    QStringList uit;
    for (QString regel : tekst.split(QLatin1Char('\r'))) {
        bool vervolg = false;
        while (fm.horizontalAdvance(regel) > maxBreedte) {
            qsizetype passend = 1;
            while (passend < regel.size() &&
                   fm.horizontalAdvance(regel.left(passend + 1)) <= maxBreedte)
                ++passend;
            const qsizetype spatie = regel.lastIndexOf(QLatin1Char(' '), passend);
            const qsizetype knip = spatie > inspringen.size() ? spatie : passend;
            uit << regel.left(knip);
            regel = inspringen + regel.mid(knip).trimmed();
            vervolg = true;
            if (regel.trimmed().isEmpty())
                break;
        }
        if (!vervolg || !regel.trimmed().isEmpty())
            uit << regel;
    }
    return uit.join(QLatin1Char('\r'));
}

} // namespace

AlgebraForm::AlgebraForm(const Member& member, const run::Session& session, const QString& opdracht)
    : RunForm(member, session)
{
    QFont groot = font();
    groot.setPointSizeF(11);
    for (int speler = 1; speler <= 2; ++speler) {
        const int x = links(speler);
        auto* label = new ui::Label(this, opdracht, x, opgaveTop - 40, breedte, opdrachtHoogte);
        label->setWordWrap(true);
        auto* formule =
            new ui::Label(this, QString(), x, opgaveTop + opdrachtHoogte, breedte, regelHoogte);
        formule->setFont(groot);
        formule->setKind(ui::kindProblem);
        label->setKind(ui::kindPrompt);
        const int antwTop = opgaveTop + opdrachtHoogte + regelHoogte + 100;
        auto* antw =
            new ui::Label(this, QStringLiteral("Antw:"), x, antwTop, antwLabelBreedte, regelHoogte);
        ui::TextBox* box = tAntwoord(speler);
        ui::setGeometryTw(box, x + antwLabelBreedte, antwTop, breedte - antwLabelBreedte,
                          regelHoogte);
        box->setFont(groot);
        if (speler == 1) {
            Label5 = label, lFormule1 = formule, Label1 = antw;
        } else {
            Label6 = label, lFormule2 = formule, Label2 = antw;
        }
    }
}

void AlgebraForm::nieuweRun()
{
    lFormule1->clear();
    lFormule2->clear();
    // The picture areas start with a hint on typing powers instead of the
    // bare name.
    Picture1->clear();
    Picture1->print(passend(1, hint(session().naam(1), 'x', 'p')));
    if (tweeSpelers()) {
        Picture2->clear();
        Picture2->print(passend(2, hint(session().naam(2), 'a', 't')));
    }
    Label6->setVisible(tweeSpelers());
    Label2->setVisible(tweeSpelers());
}

void AlgebraForm::toonOpgave(int speler, const QString& tekst)
{
    lFormule(speler)->setCaption(tekst);
}

QString AlgebraForm::opgaveZin(int speler) const
{
    const ui::Label* opdracht = speler == 1 ? Label5 : Label6;
    QString zin = opdracht->caption().simplified();
    if (zin.endsWith(QLatin1Char(':')))
        zin.chop(1);
    return zin + QStringLiteral(": ") + lFormule(speler)->caption().simplified() +
           QStringLiteral(", Antw: …");
}

run::Verdict AlgebraForm::oordeel(int speler, bool goed, const QString& antwoord,
                                  const QString& tekst, const QString& antw)
{
    tAntwoord(speler)->setText(antwoord);
    run::Verdict v = goed ? algebra::goedRegels(tekst, antwoord, speler)
                          : algebra::foutRegels(tekst, antwoord, antw);
    v.historie = passend(speler, v.historie);
    return v;
}

QString AlgebraForm::passend(int speler, const QString& tekst) const
{
    const ui::PictureBox* p = picture(speler);
    return afgebroken(tekst, QFontMetricsF(p->font()), p->width() - 4);
}
