#pragma once
// Scripted draws for the equation tests: each entry is the value that makes
// ⌊r × n⌋ yield k, or a raw value for the level-6 draws ⌊r × 9 + 0.5⌋.

#include "common/random.h"
#include "exercises/equations/vergelijking.h"

#include <QtTest>
#include <initializer_list>
#include <vector>

namespace eqtest {

struct Trek {
    double waarde;
    Trek(int k, int n) : waarde(common::ScriptedRandom::pick(k, n)) {}
    // r for which ⌊r × 9 + 0.5⌋ is k (0 to 8).
    static Trek negen(int k) { return Trek((k + 0.1) / 9); }

private:
    explicit Trek(double w) : waarde(w) {}
};

inline std::vector<double> waarden(std::initializer_list<Trek> treks)
{
    std::vector<double> w;
    for (const Trek& t : treks)
        w.push_back(t.waarde);
    return w;
}

// Makes the equation from exactly these draws; fails the test when the
// generator takes more or fewer.
inline equations::Vergelijking maak(int niveau, int opgaveNr, std::initializer_list<Trek> treks)
{
    common::ScriptedRandom rnd;
    for (const Trek& t : treks)
        rnd.add(t.waarde);
    const auto v = equations::vergelijking(niveau, opgaveNr, rnd);
    if (rnd.used() != treks.size())
        QTest::qFail(qPrintable(QStringLiteral("generator took %1 draws, script has %2")
                                    .arg(rnd.used())
                                    .arg(treks.size())),
                     __FILE__, __LINE__);
    return v;
}

// Letters: 0 "x", 1 "p", 2 "a", 3 "t".
inline Trek letter(int i)
{
    return Trek(i, 4);
}
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

} // namespace eqtest
