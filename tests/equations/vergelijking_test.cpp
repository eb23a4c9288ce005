#include "exercises/catalogue.h"
#include "exercises/equations/vergelijking.h"
#include "testmain.h"
#include "voorbeelden.h"

#include <cstdlib>

using namespace equations;
using namespace eqtest;

namespace {

// Counts the draws the generator takes, to show that its loops end quickly.
class TelRandom : public common::SeededRandom {
public:
    using SeededRandom::SeededRandom;
    double rnd() override { return ++getrokken, SeededRandom::rnd(); }
    long getrokken = 0;
};

constexpr int aantalZaden = 300;

// Checks every equation a run can make at a level, over many seeds, and that
// no equation takes more than a few thousand draws nor the average more than
// a few hundred. Stops at the first failure.
template <typename F> void overAlles(int niveau, F controle)
{
    long meeste = 0, totaal = 0;
    const int aantal = catalogue::problemsPerRun(*catalogue::find(u"vergelijkingen"), niveau);
    for (int zaad = 1; zaad <= aantalZaden; ++zaad) {
        TelRandom rnd(zaad);
        for (int nr = 1; nr <= aantal; ++nr) {
            const long voor = rnd.getrokken;
            controle(vergelijking(niveau, nr, rnd), nr);
            if (QTest::currentTestFailed())
                return;
            meeste = std::max(meeste, rnd.getrokken - voor);
        }
        totaal += rnd.getrokken;
    }
    QVERIFY2(meeste < 3000, qPrintable(QString("level %1: %2 draws").arg(niveau).arg(meeste)));
    QVERIFY(totaal < 300L * aantalZaden * aantal); // a few hundred on average
}

const auto isGeheel = [](float x) { return x == float(int(x)); };
const auto isHalf = [](float x) { return !isGeheel(x) && isGeheel(2 * x); };

} // namespace

class VergelijkingTest : public QObject {
    Q_OBJECT
private slots:
    void fractionDisplay()
    {
        const auto v = maak(breukNiveau2);
        QStringList regels;
        for (const Breukregel& r : breukregels(v))
            regels << r.tekst;
        QCOMPARE(regels, (QStringList{"       40", " _______", "                     =  4",
                                      " ( 2x  +  4)"}));
    }

    void coverUpLevels()
    {
        for (int niveau = 1; niveau <= 2; ++niveau) {
            overAlles(niveau, [niveau](const Vergelijking& v, int nr) {
                QCOMPARE(v.isBreuk(), nr % 4 == 2); // problems 2, 6, 10, ...
                QVERIFY(v.b != 0);
                if (v.isBreuk()) {
                    QVERIFY(v.a != 0 && std::abs(v.c) >= 2);
                    QVERIFY(niveau == 1 ? v.k == 1 : std::abs(v.k) >= 2);
                    QCOMPARE((v.a - v.c * v.e * v.b) % (v.c * v.k), 0); // whole
                } else {
                    QVERIFY(std::abs(v.a) >= 2 && v.c != 0);
                    const int teller = v.c - v.e * v.b;
                    if (niveau == 1)
                        QCOMPARE(teller % v.a, 0); // whole
                    else
                        QCOMPARE((100 * teller) % v.a, 0); // at most two decimals
                }
            });
        }
    }

    void balanceLevels()
    {
        overAlles(3, [](const Vergelijking& v, int) {
            QVERIFY(std::abs(v.a) != 1 && std::abs(v.a - v.c) >= 2);
            QCOMPARE((v.e2 * v.d - v.e1 * v.b) % (v.a - v.c), 0);
        });
        overAlles(4, [](const Vergelijking& v, int nr) {
            QCOMPARE(v.isHaakjesvorm(), nr % 2 == 1);
            if (v.isHaakjesvorm()) {
                const int teller = v.e2 * v.d - v.e1 * v.p * v.e3 * v.r;
                QVERIFY(teller != 0);
                QCOMPARE((100 * teller) % (v.a + v.e1 * v.p * v.q - v.c), 0);
            } else {
                QVERIFY(std::abs(v.a) != 1 && std::abs(v.a - v.c) >= 2);
                QCOMPARE((100 * (v.e2 * v.d - v.e1 * v.b)) % (v.a - v.c), 0);
            }
        });
    }

    void quadraticLevel1()
    {
        overAlles(5, [](const Vergelijking& v, int nr) {
            const int vorm[] = {2, 1, 3}; // by problem number mod 3
            QCOMPARE(v.vergsoort, vorm[nr % 3]);
            if (v.vergsoort == 3) // the right side is not the left side's own terms
                QVERIFY(v.d != v.e1 * v.a + v.e2 * v.c && v.e3 * v.f != v.e1 * v.a * v.e2 * v.c);
            const Oplossingen s = oplossingen(v);
            QVERIFY(isGeheel(s.s1) && isGeheel(s.s2));
        });
    }

    void quadraticLevel2()
    {
        overAlles(6, [](const Vergelijking& v, int nr) {
            QVERIFY(std::abs(v.K1) < 100 && std::abs(v.K0) < 100);
            QVERIFY(v.A + v.e * v.B != 0);
            QVERIFY(!v.vergtekst.endsWith(")=")); // never an empty right side
            // Both solutions satisfy A·x² + e·B(x ± q)(x ± s) = K1·x + K0
            // (halves are exact in double).
            const Oplossingen s = oplossingen(v);
            for (const double x : {double(s.s1), double(s.s2)})
                QCOMPARE(v.A * x * x + v.e * v.B * (x + v.e4 * v.q) * (x + v.e5 * v.s),
                         v.K1 * x + v.K0);
            if (nr == 1) {
                QVERIFY(isHalf(s.s1) && isGeheel(s.s2));
            } else if (nr == 5 || nr == 9) {
                QVERIFY(isHalf(s.s1) && isHalf(s.s2));
            } else {
                QVERIFY(isGeheel(s.s1) && isGeheel(s.s2));
                QVERIFY(s.s1 <= 0 && s.s2 <= 0 && (s.s1 != 0 || s.s2 != 0));
            }
        });
    }
};

TK_TEST(VergelijkingTest)
#include "vergelijking_test.moc"
