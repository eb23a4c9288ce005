#pragma once
// The angle guessing game "hoeken": a red angle is drawn, each player types
// its size in degrees, a blue sweep measures it out one step a second and the
// answer is shown. New angles follow until a player has 100 points.

#include "exercises/angles/spel.h"
#include "run/einde.h"
#include "run/session.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

class Hoeken : public ui::Form {
    Q_OBJECT
public:
    explicit Hoeken(const run::Session& session);

    void activate() override;
    bool closeRequested() override;

    ui::Label* Lnaam;
    ui::TextBox* Tgraden;
    ui::PictureBox* Picture1;
    ui::Label* Lantwoord;
    ui::Label* Lpunten1;
    ui::Button* bNaarmenu;
    ui::Timer* Timer1;

    angles::Spel spel;
    bool afgesloten() const { return einde_.afgesloten(); }

    // Circle of the angles, in the drawing area's units (0..1000 both ways).
    static constexpr double middenX = 500;
    static constexpr double middenY = 500;
    static constexpr double straal = 400;

    // Ends the game: the message, then back to the menu. Runs once.
    void sluitSpel();

private:
    // Draws the angle afresh: red where the sweep has yet to come, the blue
    // steps swept so far over it. Red never lies under blue, so no red
    // shows along the smoothed edges of the sweep.
    void tekenHoek();
    void vraagOm(int speler); // the prompt in the player's colours
    void raad();              // Enter in Tgraden
    void tick();

    const run::Session session_;
    run::Einde einde_;
};
