#pragma once
// The example equations of the equation tests, each with the draws that make
// it. A draw is the value that makes ⌊r × n⌋ yield k, or for the level-6
// draws ⌊r × 9 + 0.5⌋ the value that yields k.

#include "common/random.h"
#include "exercises/equations/vergelijking.h"

#include <QtTest>
#include <initializer_list>
#include <vector>

namespace eqtest {

struct Trek {
    double waarde;
    Trek(int k, int n) : waarde(common::ScriptedRandom::pick(k, n)) {}
    static Trek negen(int k) { return Trek((k + 0.1) / 9); }

private:
    explicit Trek(double w) : waarde(w) {}
};

// Letters: 0 "x", 1 "p", 2 "a", 3 "t".
inline Trek letter(int i)
{
    return Trek(i, 4);
}
// Operator draws; A's sign at level 6 uses them too (0 makes A negative).
inline Trek plus()
{
    return Trek(1, 2);
}
inline Trek min()
{
    return Trek(0, 2);
}
// The sign draw that keeps a number positive / negates it.
inline Trek houd()
{
    return Trek(0, 2);
}
inline Trek negeer()
{
    return Trek(1, 2);
}

struct Voorbeeld {
    int niveau;
    int opgaveNr;
    std::vector<double> trek;
    Voorbeeld(int n, int nr, std::initializer_list<Trek> t) : niveau(n), opgaveNr(nr)
    {
        for (const Trek& x : t)
            trek.push_back(x.waarde);
    }
};

// Makes the equation from exactly its draws; fails the test when the
// generator takes more or fewer.
inline equations::Vergelijking maak(const Voorbeeld& vb)
{
    common::ScriptedRandom rnd(vb.trek);
    const auto v = equations::vergelijking(vb.niveau, vb.opgaveNr, rnd);
    if (rnd.used() != vb.trek.size())
        QTest::qFail(qPrintable(QStringLiteral("generator took %1 draws, script has %2")
                                    .arg(rnd.used())
                                    .arg(vb.trek.size())),
                     __FILE__, __LINE__);
    return v;
}

// 3x - 7 = 14
inline Voorbeeld drieXMinZeven()
{
    return {1, 1, {letter(0), Trek(2, 10), Trek(1, 3), Trek(6, 49), Trek(64, 100), min()}};
}
// -4p + 3 = 2, p = .25
inline Voorbeeld kwart()
{
    return {2, 1, {letter(1), Trek(3, 10), Trek(0, 3), Trek(2, 99), Trek(102, 200), plus()}};
}
// 4x - 3 = 2, x = 1.25
inline Voorbeeld eenKwart()
{
    return {2, 1, {letter(0), Trek(3, 10), Trek(1, 3), Trek(2, 99), Trek(102, 200), min()}};
}
// 5x + 3 = 1, x = -.4
inline Voorbeeld minVierTiende()
{
    return {2, 1, {letter(0), Trek(4, 10), Trek(1, 3), Trek(2, 99), Trek(101, 200), plus()}};
}
// 20 / (x - 6) = -4 (the letter drawn is replaced by x)
inline Voorbeeld breukNiveau1()
{
    return {1, 2, {letter(3), Trek(70, 100), Trek(5, 9), Trek(6, 20), min()}};
}
// 40 / (2x + 4) = 4
inline Voorbeeld breukNiveau2()
{
    return {2, 6, {letter(1), Trek(90, 100), Trek(3, 9), Trek(14, 20), Trek(0, 3), houd(), plus()}};
}
// 3x - 7 = -8x + 26
inline Voorbeeld weegschaal()
{
    return {3,
            1,
            {letter(0), Trek(2, 10), houd(), Trek(5, 25), min(), Trek(7, 10), negeer(),
             Trek(24, 25), plus()}};
}
// 2t - 3(2t + 1) = t + 5, t = -1.6
inline Voorbeeld haakjes()
{
    return {4,
            1,
            {letter(3), Trek(1, 10), houd(), min(), Trek(1, 4), Trek(1, 10), houd(), Trek(0, 10),
             plus(), Trek(0, 10), houd(), Trek(3, 25), plus()}};
}
// x² - x - 6 = 0, x = 3 or x = -2
inline Voorbeeld uitgewerkt(int opgaveNr = 1)
{
    return {5, opgaveNr, {letter(0), Trek(2, 10), min(), Trek(1, 10), plus()}};
}
// x² - 9 = 0
inline Voorbeeld zonderLetterterm()
{
    return {5, 4, {letter(0), Trek(2, 10), min(), Trek(2, 10), plus()}};
}
// x² + 6x + 9 = 0, x = -3 twice
inline Voorbeeld dubbel()
{
    return {5, 1, {letter(0), Trek(2, 10), plus(), Trek(2, 10), plus()}};
}
// (p + 4)(p - 1) = 0
inline Voorbeeld ontbonden()
{
    return {5, 3, {letter(1), Trek(3, 10), plus(), Trek(0, 10), min()}};
}
// a² - 3a + 10 = 2a + 4, a = 2 or a = 3
inline Voorbeeld tweeKanten()
{
    return {5,
            2,
            {letter(2), Trek(1, 10), min(), Trek(2, 10), min(), Trek(1, 10), Trek(3, 10), plus()}};
}
// 3x² + (x + 2)(x - 3) = x + 6, x = -1.5 or x = 2 (e·B = 1)
inline Voorbeeld metHalf()
{
    return {6,
            1,
            {letter(0), Trek::negen(1), Trek::negen(2), plus(), min(), Trek(2, 4), plus(),
             Trek(0, 4), plus(), Trek(1, 9), plus(), Trek(2, 9), min()}};
}
// 2x² + 2(x + 1)(x + 1) = -24x - 47, x = -3.5 twice
inline Voorbeeld dubbeleHalf()
{
    return {6,
            5,
            {letter(0), Trek::negen(3), Trek::negen(3), plus(), plus(), Trek(1, 4), plus(),
             Trek(1, 4), plus(), Trek(0, 9), plus(), Trek(0, 9), plus()}};
}
// x² + 2(x + 4)(x + 1) = -11x - 22, x = -2 or x = -5
inline Voorbeeld tweeHele()
{
    return {6,
            3,
            {letter(0), Trek::negen(2), Trek::negen(5), min(), min(), Trek(0, 4), plus(),
             Trek(1, 4), plus(), Trek(3, 9), plus(), Trek(0, 9), plus()}};
}
// 2x² - (x + 3)(x - 2) = -5x + 6, x = 0 or x = -4
inline Voorbeeld eersteNul()
{
    return {6,
            2,
            {letter(0), Trek::negen(0), Trek::negen(4), min(), min(), Trek(1, 4), plus(),
             Trek(0, 4), min(), Trek(2, 9), plus(), Trek(1, 9), min()}};
}
// 2x² - 3(x + 1)(x - 1) = 3x + 3, x = -3 or x = 0
inline Voorbeeld tweedeNul()
{
    return {6,
            2,
            {letter(0), Trek::negen(3), Trek::negen(0), min(), min(), Trek(1, 4), plus(),
             Trek(2, 4), min(), Trek(0, 9), plus(), Trek(0, 9), min()}};
}

} // namespace eqtest
