#pragma once
// The graph form ("Functies raden"): the program draws a random function and
// the pupil types its formula. The answer is drawn over the given curve and
// is right when it lies on it. Points fall with every attempt. The form has
// its own run, driven by its buttons.

#include "axes.h"
#include "formula.h"
#include "generator.h"
#include "rows.h"
#include "run/einde.h"
#include "run/player.h"
#include "run/session.h"
#include "spel.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"

#include <cstdint>

class Grafieken : public ui::Form {
    Q_OBJECT
public:
    explicit Grafieken(const run::Session& session);

    void activate() override;
    bool closeRequested() override;

    // Controls.
    ui::PictureBox* Picture1;
    ui::Label* Image1;
    ui::TextBox* Text2;
    ui::TextBox* Text1;
    ui::Button* bVolgende;
    ui::Button* bUitleg;
    ui::Button* bNaarmenu;
    ui::Button* bBeschrijf; // the curves in words, for a screen reader
    ui::Label* lGoedzo;
    ui::Label* lGoedzo1;
    ui::Label* lGoedzo2;
    ui::Label* lResultaat;

    // Run state.
    graphs::Spel spel;
    graphs::Rijen doelrijen{};
    std::int16_t hulpPagina = 0;
    bool afgesloten() const { return einde_.afgesloten(); }

    // Plot state.
    QString formule;
    graphs::AsLetters as; // xschaal, yschaal, variabele, functieletter
    graphs::Rijen rijen{};
    int kleur = 0;

    // Ends the run: summary, results file, back to the menu. Runs once.
    void sluitRun();

private:
    void tekst1Enter(); // after "Antwoord" (function over) it neither scores nor counts
    void bVolgendeClick();
    void bUitlegClick();

    // Reads `formule`; shows the error box when it cannot be read.
    bool prefix_suffix();
    // Draws the formula last read and fills rijen; 0: the given function in
    // blue, above 0: a pupil's answer in the next colour.
    void grafiek(std::int16_t nieuwekleur,
                 const QRectF& grens = QRectF(0, 0, graphs::beeld, graphs::beeld));
    // The given function alone on fresh axes.
    void toonDoelfunctie();
    void nieuweFunctie();
    void speel(const graphs::Functie& f);
    void vraagAntwoord();
    void toonHulpPagina();
    void updateResultaat();
    // The describe button (grafieken_beschrijving.cpp), below the help
    // button: its text follows the curve drawn last, the given one (or a
    // help page's example) and after it the pupil's.
    void maakBeschrijfknop(int left, int top, int width, int height);
    void beschrijf(bool antwoord);
    void bBeschrijfClick();
    QString beschrijvingDoel_, beschrijvingAntwoord_;

    const run::Session session_;
    run::Einde einde_;
    graphs::Reading gelezen_;
};
