// The graph form's describe button: the given curve in words and, after a
// wrong answer, the pupil's curve as well. The text is the button's
// accessible description and is shown in a message box on a click.
#include "cover.h"
#include "description.h"
#include "grafieken.h"
#include "ui/accessible.h"
#include "ui/messagebox.h"

namespace {
const QString knoptekst = QStringLiteral("Beschrijf de grafiek");
} // namespace

void Grafieken::maakBeschrijfknop(int left, int top, int width, int height)
{
    // What the captions are, and the help cover's text, for a screen reader.
    lGoedzo->setKind(ui::kindFeedback);
    lResultaat->setKind(QStringLiteral("Stand"));
    Image1->setAccessibleDescription(graphs::hulpOmslagRegels().join(QLatin1Char('\n')));
    bBeschrijf = new ui::Button(this, knoptekst, left, top, width, height);
    bBeschrijf->onClick = [this] { bBeschrijfClick(); };
}

void Grafieken::beschrijf(bool antwoord)
{
    const QString tekst = graphs::beschrijving(gelezen_.program, as);
    if (antwoord) {
        beschrijvingAntwoord_ = QStringLiteral("Jouw grafiek: ") + tekst;
    } else {
        beschrijvingDoel_ = QStringLiteral("De gegeven grafiek: ") + tekst;
        beschrijvingAntwoord_.clear();
    }
    bBeschrijf->setAccessibleDescription(beschrijvingAntwoord_.isEmpty()
                                             ? beschrijvingDoel_
                                             : beschrijvingDoel_ + QLatin1Char('\n') +
                                                   beschrijvingAntwoord_);
}

void Grafieken::bBeschrijfClick()
{
    QString tekst = beschrijvingDoel_;
    if (!beschrijvingAntwoord_.isEmpty())
        tekst += QStringLiteral("\r\r") + beschrijvingAntwoord_;
    ui::messageBox(knoptekst, tekst);
}
