#pragma once
// A sums problem: its numbers, how it is asked, and its layout on the row of
// five labels of the player at turn.

#include <QString>
#include <array>

namespace sums {

// How a problem is asked. The run sets it from the level and the problem
// number before a problem is made (see schema()).
struct Mode {
    int soort = 1;           // 1: sum made by geefsom, 2: product made by geefproduct
    bool ontbrekend = false; // the second number is hidden and the result shown
    bool kommagetal = false; // a sum in tenths (level 2)
    bool drieterms = false;  // a three-term problem (level 4)
    bool operator==(const Mode&) const = default;
};

// Geometry in twips on player 1's row; player 2's row lies kRow2Offset
// further to the right. Label 0 and label 1 never move.
inline constexpr int kRow2Offset = 3600;
inline constexpr int kLabel0Left = 0;
inline constexpr int kLabel0Width = 600;
inline constexpr int kLabel1Left = 600;
inline constexpr int kLabel1Width = 315;
inline constexpr int kLabel2Left = 915;
inline constexpr int kLabel3Width = 390;

// What a row of labels lSom(0..4) and its answer box show for one problem.
struct RowLayout {
    std::array<QString, 5> labels;
    bool label2Visible = true;
    int label2Width = 645;
    int label3Left = 1560;
    int label4Left = 1950;
    int label4Width = 1695;
    int answerLeft = 1950; // the answer box lies over label 4 or over label 2
    int answerWidth = 645;
};

// The problem state. Operands are whole numbers; with kommagetal they count
// tenths and toongetal1/toongetal2 are the numbers as shown.
struct Problem {
    Mode mode;
    double getal1 = 0;
    double getal2 = 0;
    double getal3 = 0;   // three-term problem only
    int teken = 1;       // two-term sum: +1 addition, -1 subtraction
    int bewerking1 = 0;  // three-term problem: 1 plus, -1 minus, 2 times
    int bewerking2 = 0;  // likewise between getal2 and getal3
    double uitkomst = 0; // three-term problem: its value
    QString bewerkingtekst1;
    QString bewerkingtekst2;
    double toongetal1 = 0;
    double toongetal2 = 0;
    RowLayout row;

    // The right result as a whole number (in tenths for a decimal sum).
    double result() const;
};

} // namespace sums
