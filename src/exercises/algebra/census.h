#pragma once
// The census of a typed answer: which numbers it holds, how many squared,
// cubed and first-degree letters and how many opening brackets. With it an
// exercise checks that the answer is written "zo kort mogelijk".

#include <QChar>
#include <QString>
#include <array>

namespace algebra {

inline constexpr int maxGetallen = 10;

struct Telling {
    int aantal = 0;                        // numbers found, at most maxGetallen
    std::array<double, maxGetallen> getal; // -1 for a free or used-up slot
    int kwadraten = 0;
    int derdemachten = 0;
    int enkel = 0; // first-degree occurrences of the letter
    int haakjesteller = 0;
    bool teVeelGetallen = false; // the answer held more numbers than fit

    Telling() { getal.fill(-1); }
};

// Normalises `invoer` in place (no blanks, "²" and "³" for "^2" and "^3")
// and takes its census. Comparisons with the letter are case-sensitive.
Telling telgetallen(QString& invoer, QChar letter);

// Whether the brackets form or the factoring form is judging: the factoring
// form also searches the number 0.
enum class ZoekNul { Nee, Ja };

// The checks of one answer: a missing number or a failed count clears goed.
class Controle {
public:
    Controle(Telling telling, ZoekNul zoekNul)
        : t_(telling), zoekNul_(zoekNul), goed_(!telling.teVeelGetallen)
    {
    }

    // Searches |g| among the numbers; a found number is used up.
    void komtvoor(int g);
    // As komtvoor, but the coefficients -1, 0 and 1 (not written) are not
    // checked.
    void komtvoorx(int g);
    void foutAls(bool fout)
    {
        if (fout)
            goed_ = false;
    }

    bool goed() const { return goed_; }
    const Telling& telling() const { return t_; }

private:
    Telling t_;
    ZoekNul zoekNul_;
    bool goed_;
};

} // namespace algebra
