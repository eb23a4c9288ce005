#pragma once
// The help pages of the graph form: each draws a fixed worked example on
// half-size axes and explains in red text how its formula is read off the
// graph.

#include <QString>
#include <utility>
#include <vector>

namespace graphs {

enum class HelpLayout {
    Left, // graph in the left half, text on the right
    Top,  // graph in the top half, text below
};

struct HelpPage {
    HelpLayout layout;
    QString formula; // written for the picture's centre as origin
    int textX;
    std::vector<std::pair<int, QString>> lines; // text y and line
    bool last;                                  // after this page the help button says "Terug"
};

// The page to draw: from the chosen level, the mixed level and the page
// number (1 or 2) within the help.
const HelpPage& chooseHelpPage(int level, bool mixed, int helpPage);

} // namespace graphs
