#pragma once
// A sums problem: its numbers, how it is asked, and its layout on the row of
// five labels of the player at turn.

#include <QString>
#include <array>

namespace sums {

// How a problem is asked. The run sets it from the level and the problem
// number before a problem is made (see schedule()).
struct Mode {
    int kind = 1;              // 1: sum made by generateSum, 2: product made by generateProduct
    bool secondHidden = false; // the second number is hidden and the result shown
    bool tenths = false;       // a sum in tenths (level 2)
    bool threeTerms = false;   // a three-term problem (level 4)
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

// What a row of five labels (problemRow1, problemRow2 of the form) and its answer
// box show for one problem.
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

// The problem state. Operands are whole numbers; with tenths set they count
// tenths and shownNumber1/shownNumber2 are the numbers as shown.
struct Problem {
    Mode mode;
    double number1 = 0;
    double number2 = 0;
    double number3 = 0; // three-term problem only
    int sign = 1;       // two-term sum: +1 addition, -1 subtraction
    int operation1 = 0; // three-term problem: 1 plus, -1 minus, 2 times
    int operation2 = 0; // likewise between number2 and number3
    double value = 0;   // three-term problem: its value
    QString operationText1;
    QString operationText2;
    double shownNumber1 = 0;
    double shownNumber2 = 0;
    RowLayout row;

    // The right result as a whole number (in tenths for a decimal sum).
    double result() const;
};

} // namespace sums
