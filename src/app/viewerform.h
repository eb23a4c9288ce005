#pragma once
// The answer viewer: one button per exercise level in a grid, grouped by
// exercise type; a click shows that level's results file in the text box.
// Button 0 (or closing the window) goes back to the menu. A file of any size
// shows its start at once; the rest comes in while the window stays usable.
// A file that cannot be read shows an empty line and " Geen antwoorden voor
// dit onderdeel gevonden"; an empty file leaves the box empty.

#include "app/resultsloader.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/lineview.h"

#include <QPoint>
#include <vector>

namespace viewer {

// The number of buttons: "Terug naar hoofdmenu" and one per level of every
// exercise with results files.
int buttonCount();
// The caption of button 0 to buttonCount() - 1.
QString caption(int index);
// The results file that button 1 to buttonCount() - 1 shows.
QString fileFor(int index);
// The top-left corner of button 1 to buttonCount() - 1 in twips.
QPoint gridPosition(int index);

} // namespace viewer

class ViewerForm : public ui::Form {
    Q_OBJECT
public:
    ViewerForm();

    void activate() override;
    bool closeRequested() override;

    ui::Label* headingLabel;
    std::vector<ui::Label*> rowLabel; // beside the first row of an exercise
    std::vector<ui::Button*> menu;
    ui::LineView* tInfo;
    // Reads the chosen file into tInfo (busy while the rest comes in).
    results::Loader loader;

private:
    void menuClick(int index);
    void backToMenu();
};
