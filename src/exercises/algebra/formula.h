#pragma once
// Reading and evaluating a polynomial in one letter, as the brackets and the
// factoring exercises need it for problems and typed answers.
//
// A text is read once (prefix_suffix) into a compact postfix list; the list
// is then evaluated at the 200 meetpunten x = -9.9, -9.8, ..., 10.0 (single
// precision). Two formulas are the same function when all 200 rounded values
// agree.

#include "exercises/formula/symbols.h"

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace algebra {

// The value of an evaluation that has no value at that point.
inline constexpr double onbepaald = 30000;

inline constexpr int aantalMeetpunten = 200;
// Reading limits: longer lists or deeper operator stacks are reading errors.
inline constexpr int maxTokens = formula::maxTokens;
inline constexpr int maxOperatoren = formula::maxStack;

using Waarden = std::array<std::int32_t, aantalMeetpunten>;

// One token of the postfix list.
struct Token {
    enum class Soort : std::uint8_t { Getal, Letter, Plus, Min, Maal, Deel, Macht };
    Soort soort;
    double waarde = 0; // for Getal
};

struct Formule {
    std::vector<Token> postfix;
    bool foutief = true; // the reading failed
    int diepte = 0;      // largest evaluation stack the list needs
    bool deling = false; // holds a "/": never has a value
};

// The meetpunten i/10 - 10 for i = 1..200, computed in double and stored in
// single precision.
const std::array<float, aantalMeetpunten>& meetpunten();

// Reads `invoer` with variable `letter`. First every "²" and "³" in `invoer`
// itself becomes "^2" and "^3", so that the census taken afterwards counts
// them like typed powers.
Formule prefix_suffix(QString& invoer, QChar letter);

// The value at one point, or `onbepaald`. A failed reading gives `onbepaald`.
double funktiewaarde(const Formule& f, float xwaarde);

// The rounded value of a function value: floor(100 y), or 6000000 above
// 60000. Rounding noise just below a whole hundredth is taken up first. A hundredfold below the
// 32-bit range gives the lowest 32-bit value, which no problem reaches.
std::int32_t afgerond(double y);

// The rounded values at all 200 meetpunten, evaluated in one sweep.
Waarden waarden(const Formule& f);

// True when the reading succeeded and all 200 rounded values equal `doel`.
bool gelijk(const Formule& f, const Waarden& doel);

// The rounded values of a problem text (which starts with a blank, and may
// then start with a minus).
Waarden waardenVanOpgave(const QString& tekst, QChar letter);

} // namespace algebra
