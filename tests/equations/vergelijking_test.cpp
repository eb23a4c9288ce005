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
    double rnd() override
    {
        ++getrokken;
        return SeededRandom::rnd();
    }
    long getrokken = 0;
};

constexpr int aantalZaden = 300;

// Every equation a run can make at a level, over many seeds; stops at the
// first failure.
template <typename F> void overAlles(int niveau, F controle)
{
    for (int zaad = 1; zaad <= aantalZaden; ++zaad) {
        common::SeededRandom rnd(zaad);
        for (int nr = 1; nr <= aantalOpgaven(niveau); ++nr) {
            controle(vergelijking(niveau, nr, rnd), nr);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

bool isHalf(float x)
{
    return std::abs(int(2 * x)) % 2 == 1 && 2 * x == float(int(2 * x));
}
bool isGeheel(float x)
{
    return x == float(int(x));
}

} // namespace

class VergelijkingTest : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("letter");
        QTest::newRow("level 1 linear") << maak(drieXMinZeven()) << "  3 x  -  7 =  14"
                                        << "x";
        QTest::newRow("level 2 linear") << maak(kwart()) << " -4 p  +  3 =  2"
                                        << "p";
        QTest::newRow("level 1 fraction replaces the letter by x")
            << maak(breukNiveau1()) << "       20\r -------------  = -4\r  (x  -  6)"
            << "x";
        QTest::newRow("level 2 fraction with coefficient")
            << maak(breukNiveau2()) << "       40\r -------------  =  4\r  ( 2x  +  4)"
            << "x";
        QTest::newRow("level 3 two sides") << maak(weegschaal()) << " 3x  -  7 = -8x +  26"
                                           << "x";
        QTest::newRow("level 4 brackets") << maak(haakjes()) << " 2t - 3( 2t+ 1)=t+ 5"
                                          << "t";
        QTest::newRow("level 5 expanded") << maak(uitgewerkt()) << " x² - x -  6 = 0 "
                                          << "x";
        QTest::newRow("level 5 expanded without letter term")
            << maak(zonderLetterterm()) << " x² -  9 = 0 "
            << "x";
        QTest::newRow("level 5 factored") << maak(ontbonden()) << " (p +  4)(p  -  1) = 0 "
                                          << "p";
        QTest::newRow("level 5 terms on both sides")
            << maak(tweeKanten()) << " a² -  3a+  10 =  2a +  4"
            << "a";
        QTest::newRow("level 6 coefficient 1 on the right")
            << maak(metHalf()) << " 3x² +(x+ 2)(x- 3)=x+ 6"
            << "x";
        QTest::newRow("level 6 problem 5 with two halves")
            << maak(dubbeleHalf()) << " 2x² + 2(x+ 1)(x+ 1)=-24x- 47"
            << "x";
        QTest::newRow("level 6 negative right side")
            << maak(tweeHele()) << "x² + 2(x+ 4)(x+ 1)=-11x- 22"
            << "x";
    }
    void texts()
    {
        QFETCH(Vergelijking, v);
        QFETCH(QString, tekst);
        QFETCH(QString, letter);
        QCOMPARE(v.vergtekst, tekst);
        QCOMPARE(v.letter, letter);
        QCOMPARE(xisinvullen(v), " " + letter + " =");
    }

    void solutions_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<float>("x");
        QTest::newRow("level 1 linear") << maak(drieXMinZeven()) << 7.0f;
        QTest::newRow("level 2 quarter") << maak(kwart()) << 0.25f;
        QTest::newRow("level 2 in single precision") << maak(minVierTiende()) << -0.4f;
        QTest::newRow("fraction 20 / (x - 6) = -4") << maak(breukNiveau1()) << 1.0f;
        QTest::newRow("fraction with coefficient") << maak(breukNiveau2()) << 3.0f;
        QTest::newRow("two sides") << maak(weegschaal()) << 3.0f;
        QTest::newRow("brackets") << maak(haakjes()) << -1.6f;
    }
    void solutions()
    {
        QFETCH(Vergelijking, v);
        QFETCH(float, x);
        QCOMPARE(oplossing(v), x);
    }

    void quadraticSolutions()
    {
        QCOMPARE(oplossingen(maak(uitgewerkt())).s1, 3.0f);
        QCOMPARE(oplossingen(maak(uitgewerkt())).s2, -2.0f);
        QCOMPARE(oplossingen(maak(metHalf())).s1, -1.5f);
        QCOMPARE(oplossingen(maak(metHalf())).s2, 2.0f);
    }

    void coefficientText_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("zero writes nothing") << 0 << "";
        QTest::newRow("one writes nothing") << 1 << "";
        QTest::newRow("minus one writes a minus") << -1 << "-";
        QTest::newRow("others their number text") << 3 << " 3";
        QTest::newRow("negative") << -12 << "-12";
    }
    void coefficientText()
    {
        QFETCH(int, k);
        QFETCH(QString, tekst);
        QCOMPARE(tekstuitbreiden(k), tekst);
        QString uitleg = "u";
        voegtoeuitleg(uitleg, k);
        QCOMPARE(uitleg, "u" + tekst);
    }

    void fractionDisplay()
    {
        const auto v = maak(breukNiveau2());
        QCOMPARE(logvorm(v), QString("  40 / ( 2x  +  4) =  4"));
        const auto regels = breukregels(v);
        QCOMPARE(regels.size(), 4);
        const int hoogten[] = {20, 50, 150, 350};
        const QString teksten[] = {"       40", " _______", "                     =  4",
                                   " ( 2x  +  4)"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(regels[i].hoogte, hoogten[i]);
            QCOMPARE(regels[i].tekst, teksten[i]);
        }
        const auto v1 = maak(breukNiveau1());
        QCOMPARE(logvorm(v1), QString("  20 / (x  -  6) = -4"));
        QCOMPARE(breukregels(v1)[3].tekst, QString(" (x  -  6)"));
    }

    void oneLineEquationsLogTheirText()
    {
        const auto v = maak(weegschaal());
        QCOMPARE(logvorm(v), v.vergtekst);
    }

    void runLength()
    {
        for (int niveau = 1; niveau <= 4; ++niveau)
            QCOMPARE(aantalOpgaven(niveau), 20);
        for (int niveau = 5; niveau <= 7; ++niveau)
            QCOMPARE(aantalOpgaven(niveau), 10);
    }

    void mixedLevelTurnsThroughOneToSix()
    {
        // Player 1's problem k starts with opgaveNr = k - 1, player 2's with k.
        const int speler1[] = {1, 2, 3, 4, 5, 6, 1, 2, 3, 4};
        const int speler2[] = {2, 3, 4, 5, 6, 1, 2, 3, 4, 5};
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(mengniveau(k - 1), speler1[k - 1]);
            QCOMPARE(mengniveau(k), speler2[k - 1]);
        }
    }

    void bordjesGuarantees()
    {
        for (int niveau = 1; niveau <= 2; ++niveau) {
            overAlles(niveau, [niveau](const Vergelijking& v, int nr) {
                const bool breuk = nr % 4 == 2; // problems 2, 6, 10, ...
                QCOMPARE(v.isBreuk(), breuk);
                QVERIFY(v.b != 0);
                if (breuk) {
                    QCOMPARE(v.letter, QString("x"));
                    QVERIFY(v.a != 0);
                    QVERIFY(std::abs(v.c) >= 2);
                    QVERIFY(v.a >= -50 && v.a <= 49 && v.c >= -10 && v.c <= 9);
                    QVERIFY(v.b >= 1 && v.b <= 9);
                    if (niveau == 1)
                        QCOMPARE(v.k, 1);
                    else
                        QVERIFY(std::abs(v.k) >= 2 && std::abs(v.k) <= 4);
                    QCOMPARE((v.a - v.c * v.e * v.b) % (v.c * v.k), 0);
                } else {
                    QVERIFY(std::abs(v.a) >= 2 && std::abs(v.a) <= 10);
                    QVERIFY(v.c != 0);
                    const int teller = v.c - v.e * v.b;
                    if (niveau == 1) {
                        QVERIFY(v.b <= 49 && v.c >= -50 && v.c <= 49);
                        QCOMPARE(teller % v.a, 0);
                    } else {
                        QCOMPARE((100 * teller) % v.a, 0);
                    }
                }
            });
        }
    }

    void weegschaalGuarantees()
    {
        overAlles(3, [](const Vergelijking& v, int) {
            QVERIFY(std::abs(v.a) != 1 && std::abs(v.a - v.c) >= 2);
            QVERIFY(v.b >= 2 && v.b <= 26 && v.d >= 2 && v.d <= 26);
            QCOMPARE((v.e2 * v.d - v.e1 * v.b) % (v.a - v.c), 0);
        });
        overAlles(4, [](const Vergelijking& v, int nr) {
            QCOMPARE(v.isHaakjesvorm(), nr % 2 == 1);
            if (v.isHaakjesvorm()) {
                const int teller = v.e2 * v.d - v.e1 * v.p * v.e3 * v.r;
                const int noemer = v.a + v.e1 * v.p * v.q - v.c;
                QVERIFY(teller != 0);
                QCOMPARE((100 * teller) % noemer, 0);
            } else {
                QVERIFY(std::abs(v.a) != 1 && std::abs(v.a - v.c) >= 2);
                QVERIFY(std::abs(v.a) <= 20 && std::abs(v.c) <= 20 && v.b <= 96 && v.d <= 96);
                QCOMPARE((100 * (v.e2 * v.d - v.e1 * v.b)) % (v.a - v.c), 0);
            }
        });
    }

    void quadraticLevel1Forms()
    {
        overAlles(5, [](const Vergelijking& v, int nr) {
            const int vorm[] = {2, 1, 3}; // by problem number mod 3
            QCOMPARE(v.vergsoort, vorm[nr % 3]);
            const int S = v.e1 * v.a + v.e2 * v.c;
            const int P = v.e1 * v.a * v.e2 * v.c;
            if (v.vergsoort == 3)
                QVERIFY(v.d != S && v.e3 * v.f != P);
            const Oplossingen s = oplossingen(v);
            QVERIFY(isGeheel(s.s1) && isGeheel(s.s2));
        });
    }

    void quadraticLevel2Guarantees()
    {
        overAlles(6, [](const Vergelijking& v, int nr) {
            QVERIFY(std::abs(v.K1) < 100 && std::abs(v.K0) < 100);
            QVERIFY(v.A + v.e * v.B != 0);
            // Both solutions satisfy A·x² + e·B(x ± q)(x ± s) = K1·x + K0
            // (halves and quarters are exact in double).
            const Oplossingen s = oplossingen(v);
            for (const double x : {double(s.s1), double(s.s2)}) {
                const double links = v.A * x * x + v.e * v.B * (x + v.e4 * v.q) * (x + v.e5 * v.s);
                QCOMPARE(links, v.K1 * x + v.K0);
            }
            if (nr == 1) {
                QVERIFY(isHalf(s.s1));
                QVERIFY(isGeheel(s.s2));
            } else if (nr == 5 || nr == 9) {
                QVERIFY(isHalf(s.s1) && isHalf(s.s2));
            } else {
                QVERIFY(isGeheel(s.s1) && isGeheel(s.s2));
                QVERIFY(s.s1 <= 0 && s.s2 <= 0);
                QVERIFY(s.s1 != 0 || s.s2 != 0);
            }
        });
    }

    void level6RightSideNeverEmpty()
    {
        overAlles(6, [](const Vergelijking& v, int) {
            QVERIFY(!v.vergtekst.endsWith(QStringLiteral(")=")));
        });
    }

    void loopsEndQuickly()
    {
        for (int niveau = 1; niveau <= 6; ++niveau) {
            long meeste = 0;
            long totaal = 0;
            for (int zaad = 1; zaad <= aantalZaden; ++zaad) {
                TelRandom rnd(zaad);
                for (int nr = 1; nr <= aantalOpgaven(niveau); ++nr) {
                    const long voor = rnd.getrokken;
                    vergelijking(niveau, nr, rnd);
                    meeste = std::max(meeste, rnd.getrokken - voor);
                }
                totaal += rnd.getrokken;
            }
            const double gemiddeld = double(totaal) / (aantalZaden * aantalOpgaven(niveau));
            QVERIFY2(meeste < 3000,
                     qPrintable(QString("level %1: %2 draws").arg(niveau).arg(meeste)));
            QVERIFY2(gemiddeld < 300,
                     qPrintable(QString("level %1: %2").arg(niveau).arg(gemiddeld)));
        }
    }
};

TK_TEST(VergelijkingTest)
#include "vergelijking_test.moc"
