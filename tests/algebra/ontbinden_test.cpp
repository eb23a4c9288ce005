#include "exercises/algebra/ontbinden.h"
#include "testmain.h"

#include <numeric>

using namespace ontbinden;

namespace {

// A problem from scripted draws, each given as (k, n): draw(n, m) gives m + k.
Opgave maak(int niveau, int opgaveNr, std::initializer_list<std::pair<int, int>> trekkingen)
{
    common::ScriptedRandom r;
    for (auto [k, n] : trekkingen)
        r.addDraw(k, n);
    Opgave o = maakformule(niveau, opgaveNr, r);
    if (r.used() != trekkingen.size())
        qWarning("%zu of %zu draws used", r.used(), trekkingen.size());
    return o;
}

// Level 1, kind 2, x, c = 3, a = 2, b = 5, s = +1: 6x² + 15x.
Opgave zesX()
{
    return maak(1, 1, {{0, 4}, {1, 10}, {4, 9}, {13, 20}, {1, 2}});
}
// Level 1, kind 1, x, c = -3, a = 2, b = 5, s = +1: -6x - 15.
Opgave minZesX()
{
    return maak(1, 4, {{0, 4}, {1, 10}, {4, 9}, {7, 20}, {1, 2}});
}
// Level 2, kind 2: x² + 2x + 5, after a factorable draw (p = 4, q = 3).
Opgave nietTeOntbinden()
{
    return maak(2, 4, {{0, 4}, {3, 10}, {0, 2}, {2, 80}, {0, 2}, {1, 10}, {0, 2}, {4, 80}, {0, 2}});
}
// Level 2, kind 1, x, p = -1, q = 9: x² + 8x - 9.
Opgave xKwadraatPlus8x()
{
    return maak(2, 1, {{0, 4}, {0, 10}, {1, 2}, {7, 10}, {0, 2}});
}
// Level 3, kind 3, x, p = 2, q = 3, k = 2: in rising powers.
Opgave stijgend()
{
    return maak(3, 3, {{0, 4}, {1, 10}, {0, 2}, {1, 10}, {0, 2}, {1, 6}, {0, 2}});
}
// Level 3, kind 4, x, p = q = 1, k = 3: 3x³ + 3x² + 3x.
Opgave alleenFactor()
{
    return maak(3, 4, {{0, 4}, {0, 10}, {0, 2}, {0, 10}, {0, 2}, {2, 10}, {0, 2}});
}

} // namespace

class OntbindenTest : public QObject {
    Q_OBJECT
private slots:
    void opgaven()
    {
        QCOMPARE(zesX().tekst, QString("  6x² +  15x"));
        QCOMPARE(zesX().antw, QString(" 3x( 2x +  5)"));
        QCOMPARE(minZesX().tekst, QString(" -6x -  15"));
        QCOMPARE(minZesX().antw, QString("-3( 2x +  5)"));
        QCOMPARE(nietTeOntbinden().tekst, QString(" x² +  2x +  5"));
        QCOMPARE(nietTeOntbinden().antw, nietTeOntbinden().tekst);
        QCOMPARE(xKwadraatPlus8x().tekst, QString(" x² +  8x -  9"));
        QCOMPARE(xKwadraatPlus8x().antw, QString("(x -  1)(x +  9)"));
        QCOMPARE(stijgend().tekst, QString("  12x +  10x² +  2x³"));
        QCOMPARE(stijgend().antw, QString(" 2x(x +  2)(x +  3)"));
        QCOMPARE(alleenFactor().tekst, QString("  3x³ +  3x² +  3x"));
        QCOMPARE(alleenFactor().antw, QString(" 3x(x² + x +  1)"));
    }

    void middentermValtWeg()
    {
        // p + q = 0: no middle term, and no sign left standing for it.
        const Opgave o = maak(2, 1, {{0, 4}, {4, 10}, {0, 2}, {3, 10}, {1, 2}});
        QCOMPARE(o.tekst, QString(" x² -  25"));
        QCOMPARE(o.antw, QString("(x +  5)(x -  5)"));
        QVERIFY(beoordeel(o, "(x-5)(x+5)").goed);
    }

    void afwijzingen()
    {
        // a = 4 and b = 2 share a factor; a = 1 is no factor; c = 0.
        const Opgave o = maak(1, 1,
                              {{0, 4},
                               {3, 10},
                               {1, 9},
                               {13, 20},
                               {1, 2},
                               {0, 10},
                               {4, 9},
                               {13, 20},
                               {1, 2},
                               {1, 10},
                               {4, 9},
                               {10, 20},
                               {1, 2},
                               {1, 10},
                               {4, 9},
                               {13, 20},
                               {1, 2}});
        QCOMPARE(o.tekst, QString("  6x² +  15x"));
        // Kind 4 with a negative constant term (c = 2, s = -1) is drawn again.
        const Opgave v = maak(
            1, 3, {{0, 4}, {1, 10}, {2, 9}, {12, 20}, {0, 2}, {1, 10}, {2, 9}, {12, 20}, {1, 2}});
        QCOMPARE(v.tekst, QString("  4x² +  6"));
        QCOMPARE(v.antw, QString(" 2( 2x² +  3)"));
    }

    void oordeel_data()
    {
        QTest::addColumn<int>("opgave");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<bool>("goed");
        QTest::addColumn<bool>("beterIs");
        QTest::newRow("common factor taken out") << 0 << "3x(2x+5)" << true << false;
        QTest::newRow("factor 2 left inside") << 0 << "x(6x+15)" << false << false;
        QTest::newRow("not factored") << 0 << "6x^2+15x" << false << false;
        QTest::newRow("negative factor") << 1 << "-3(2x+5)" << true << false;
        QTest::newRow("positive factor where negative was meant")
            << 1 << "3(-2x-5)" << true << true;
        QTest::newRow("typed back unchanged") << 2 << "x²+2x+5" << true << false;
        QTest::newRow("typed back with powers") << 2 << "x^2 + 2x + 5" << true << false;
        QTest::newRow("not factorable written otherwise") << 2 << "(x+1)^2+4" << false << false;
        QTest::newRow("two brackets") << 3 << "(x+9)(x-1)" << true << false;
        QTest::newRow("two brackets other order") << 3 << "(x-1)(x+9)" << true << false;
        QTest::newRow("trinomial not factored") << 3 << "x^2+8x-9" << false << false;
        QTest::newRow("rising powers factored") << 4 << "2x(x+2)(x+3)" << true << false;
        QTest::newRow("only x taken out") << 4 << "x(2x²+10x+12)" << false << false;
        QTest::newRow("common factor only") << 5 << "3x(x²+x+1)" << true << false;
        QTest::newRow("no bracket") << 5 << "3x^3+3x^2+3x" << false << false;
    }
    void oordeel()
    {
        QFETCH(int, opgave);
        QFETCH(QString, getypt);
        QFETCH(bool, goed);
        QFETCH(bool, beterIs);
        const Opgave opgaven[] = {zesX(),     minZesX(),     nietTeOntbinden(), xKwadraatPlus8x(),
                                  stijgend(), alleenFactor()};
        const Oordeel u = beoordeel(opgaven[opgave], getypt);
        QCOMPARE(u.goed, goed);
        QCOMPARE(u.beterIs, beterIs);
    }

    void beterIsTeksten()
    {
        QCOMPARE(beterMelding(minZesX()), QString("Het is goed, maar beter is:  -3( 2x +  5)"));
        QCOMPARE(beterRegel(minZesX()), QString(" maar beter is: -3( 2x +  5)"));
        QCOMPARE(beterTitel, QString("ontbinden"));
    }

    void gemengdeNiveaus()
    {
        QList<int> speler1, speler2;
        for (int k = 1; k <= 6; ++k) {
            speler1 << niveauInMenging(k - 1);
            speler2 << niveauInMenging(k);
        }
        QCOMPARE(speler1, (QList<int>{1, 2, 3, 1, 2, 3}));
        QCOMPARE(speler2, (QList<int>{2, 3, 1, 2, 3, 1}));
    }

    // Over many draws: the right answer is the same function, typed without
    // blanks it is right, and the draws keep their promises.
    void generatorOverVeleTrekkingen()
    {
        common::SeededRandom r(61206);
        for (int n = 0; n < 3000; ++n) {
            const int niveau = n % 3 + 1;
            const int nr = n / 3 % 10 + 1;
            const Opgave o = maakformule(niveau, nr, r);
            const QString uitleg = o.tekst + " / " + o.antw;
            QVERIFY2(o.waarden == algebra::waardenVanOpgave(o.antw, o.letter), qPrintable(uitleg));
            QVERIFY2(beoordeel(o, QString(o.antw).remove(' ')).goed, qPrintable(uitleg));
            switch (niveau) {
            case 1:
                QCOMPARE(o.soort, nr % 4 + 1);
                QVERIFY(o.a >= 2 && o.a <= 10 && o.b >= 1 && o.b <= 9);
                QVERIFY(std::gcd(o.a, o.b) == 1);
                QVERIFY(o.c >= -10 && o.c <= 9 && o.c != 0);
                if (o.soort == 4)
                    QVERIFY2(o.s == 1, qPrintable(uitleg)); // constant term positive
                break;
            case 2:
                QCOMPARE(o.soort, nr % 4 == 0 ? 2 : 1);
                if (o.soort == 2)
                    QVERIFY2(o.p * o.p - 4 * o.q < 0, qPrintable(uitleg));
                else
                    QVERIFY(std::abs(o.q) >= 2 && std::abs(o.q) <= 11);
                break;
            default:
                QVERIFY(o.k != 0 && o.k != 1);
                if (o.soort == 4)
                    QVERIFY(o.p * o.p - 4 * o.q < 0);
                else
                    QVERIFY(o.k >= -6 && o.k <= 6);
                break;
            }
        }
    }
};

TK_TEST(OntbindenTest)
#include "ontbinden_test.moc"
