#pragma once
// The help pages of the graph form: each draws a fixed worked example on
// half-size axes and explains in red text how its formula is read off the
// graph.

#include <QString>
#include <utility>
#include <vector>

namespace graphs {

enum class Indeling {
    Links, // graph in the left half, text on the right
    Boven, // graph in the top half, text below
};

struct HulpPagina {
    Indeling indeling;
    QString formule; // written for the picture's centre as origin
    int tekstX;
    std::vector<std::pair<int, QString>> regels; // text y and line
    bool laatste;                                // after this page the help button says "Terug"
};

// The page to draw: from the chosen level, the mixed level and the page
// number (1 or 2) within the help.
const HulpPagina& kiesHulpPagina(int niveau, bool doorElkaar, int hulpPagina);

} // namespace graphs
