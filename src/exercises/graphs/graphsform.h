#pragma once
// The graph form ("Functies raden"): the program draws a random function and
// the pupil types its formula. The answer is drawn over the given curve and
// is right when it lies on it. Points fall with every attempt. The form has
// its own run, driven by its buttons.

#include "axes.h"
#include "formula.h"
#include "game.h"
#include "generator.h"
#include "rows.h"
#include "run/end.h"
#include "run/player.h"
#include "run/session.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"

#include <cstdint>

class GraphsForm : public ui::Form {
    Q_OBJECT
public:
    explicit GraphsForm(const run::Session& session);

    void activate() override;
    bool closeRequested() override;

    // Controls.
    ui::PictureBox* graphArea;
    ui::Label* coverLabel;
    ui::TextBox* formulaStartBox;
    ui::TextBox* answerBox;
    ui::Button* nextButton;
    ui::Button* helpButton;
    ui::Button* menuButton;
    ui::Button* describeButton; // the curves in words, for a screen reader
    ui::Label* promptLabel;
    ui::Label* promptColours1;
    ui::Label* promptColours2;
    ui::Label* scoreLabel;

    // Run state.
    graphs::Game game;
    graphs::Rows targetRows{};
    bool closed() const { return end_.closed(); }

    // Plot state.
    QString formula;
    graphs::Axes axes; // xScale, yScale, variable, functionLetter
    graphs::Rows rows{};
    int colour = 0;

    // Ends the run: summary, results file, back to the menu. Runs once.
    void endRun();

private:
    void takeAnswer(); // after "Antwoord" (function over) it neither scores nor counts
    void nextClicked();
    void helpClicked();

    // Reads `formula`; shows the error box when it cannot be read.
    bool readFormula();
    // Draws the formula last read and fills rows; 0: the given function in
    // blue, above 0: a pupil's answer in the next colour.
    void drawFormula(std::int16_t newColour,
                     const QRectF& bounds = QRectF(0, 0, graphs::pictureSize, graphs::pictureSize));
    // The given function alone on fresh axes.
    void showTarget();
    void newProblem();
    void play(const graphs::Problem& f);
    void askAnswer();
    void showHelpPage();
    void updateScore();
    // The describe button (graphsform_description.cpp), below the help
    // button: its text follows the curve drawn last, the given one (or a
    // help page's example) and after it the pupil's.
    void makeDescribeButton(int left, int top, int width, int height);
    void describe(bool answer);
    void describeClicked();
    QString targetDescription_, answerDescription_;

    const run::Session session_;
    run::RunEnd end_;
    graphs::Reading reading_;
};
