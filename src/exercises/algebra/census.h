#pragma once
// The census of a typed answer: which numbers it holds, how many squared,
// cubed and first-degree letters and how many opening brackets. With it an
// exercise checks that the answer is written "zo kort mogelijk".

#include <QChar>
#include <QString>
#include <array>

namespace algebra {

inline constexpr int maxNumbers = 10;

struct Census {
    int count = 0;                          // numbers found, at most maxNumbers
    std::array<double, maxNumbers> numbers; // -1 for a free or used-up slot
    int squares = 0;
    int cubes = 0;
    int linear = 0; // first-degree occurrences of the letter
    int openBrackets = 0;
    bool tooManyNumbers = false; // the answer held more numbers than fit

    Census() { numbers.fill(-1); }
};

// Normalises `input` in place (no blanks, "²" and "³" for "^2" and "^3")
// and takes its census. Comparisons with the letter are case-sensitive.
Census takeCensus(QString& input, QChar letter);

// Whether the brackets form or the factoring form is judging: the factoring
// form also searches the number 0.
enum class SearchZero { No, Yes };

// The checks of one answer: a missing number or a failed count makes the answer wrong.
class Checker {
public:
    Checker(Census census, SearchZero searchZero)
        : t_(census), searchZero_(searchZero), right_(!census.tooManyNumbers)
    {
    }

    // Searches |g| among the numbers; a found number is used up.
    void expectNumber(int g);
    // As expectNumber, but the coefficients -1, 0 and 1 (not written) are not
    // checked.
    void expectCoefficient(int g);
    void wrongIf(bool wrong)
    {
        if (wrong)
            right_ = false;
    }

    bool right() const { return right_; }
    const Census& census() const { return t_; }

private:
    Census t_;
    SearchZero searchZero_;
    bool right_;
};

} // namespace algebra
