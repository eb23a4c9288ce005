#pragma once
// One price problem with percentages, of one of five kinds:
// 1 the discount in percent, 2 the old price before a rise, 3 the new price
// after a rise, 4 the old price before a discount, 5 the percentage of a rise.

#include "common/random.h"

#include <QString>

namespace percentages {

struct Problem {
    int kind = 1;
    int price = 1000; // base price in euros, 1000 - 3999
    int percent = 2;  // percentage, 2 - 31
    double amount = 0;
    QString text1; // the two numbers of the problem as shown
    QString text2;
    double answer = 0;  // the right answer, exact
    QString answerText; // the right answer as shown

    // The problem in three lines.
    QString line1;
    QString line2;
    QString line3;
    // Layout in twips: width of the third line, width of the answer box and
    // its left edge for player 1 and player 2.
    int line3Width = 2700;
    int answerWidth = 900;
    int answerLeft1 = 2820;
    int answerLeft2 = 6480;
    int answerLeft(int player) const { return player == 2 ? answerLeft2 : answerLeft1; }
};

// The problem as one sentence for a screen reader, "…" where the answer goes.
QString spoken(const Problem& o);

// Draws the price and then the percentage, and builds a problem of the kind.
Problem generate(int kind, common::Random& random);
// The problem of the kind with the given price and percentage.
Problem generate(int kind, int price, int percent);

// The kind of player 1's problem number problemNumber (counted from 1): 2, 3, 4, 5, 1, ...
inline int kindOfPlayer1(int problemNumber)
{
    return problemNumber % 5 + 1;
}
// The kind of player 2's problem after player 1's number problemNumber: 4, 5, 1, 2, 3, ...
inline int kindOfPlayer2(int problemNumber)
{
    return (problemNumber + 2) % 5 + 1;
}

} // namespace percentages
