#pragma once
// The angle guessing game "hoeken": a red angle is drawn, each player types
// its size in degrees, a blue sweep measures it out one step a second and the
// answer is shown. New angles follow until a player has 100 points.

#include "exercises/angles/game.h"
#include "run/end.h"
#include "run/session.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

class AnglesForm : public ui::Form {
    Q_OBJECT
public:
    explicit AnglesForm(const run::Session& session);

    void activate() override;
    bool closeRequested() override;

    ui::Label* promptLabel;
    ui::TextBox* answerBox;
    ui::PictureBox* angleArea;
    ui::Label* answerLabel;
    ui::Label* pointsLabel;
    ui::Button* menuButton;
    ui::Timer* timer;

    angles::Game game;
    bool closed() const { return end_.closed(); }

    // Circle of the angles, in the drawing area's units (0..1000 both ways).
    static constexpr double centreX = 500;
    static constexpr double centreY = 500;
    static constexpr double radius = 400;

    // Ends the game: the message, then back to the menu. Runs once.
    void endGame();

private:
    // Draws the angle afresh: red where the sweep has yet to come, the blue
    // steps swept so far over it. Red never lies under blue, so no red
    // shows along the smoothed edges of the sweep.
    void drawAngle();
    void showPrompt(int player); // the prompt in the player's colours
    void takeGuess();            // Enter in answerBox
    void tick();

    const run::Session session_;
    run::RunEnd end_;
};
