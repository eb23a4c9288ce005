#include "exercises/algebra/beoordeling.h"
#include "exercises/algebra/haakjes.h"
#include "testmain.h"

using namespace haakjes;

namespace {

// A problem from scripted draws, each given as (k, n): draw(n, m) gives m + k.
Opgave maak(int niveau, int opgaveNr, std::initializer_list<std::pair<int, int>> trekkingen)
{
    common::ScriptedRandom r;
    for (auto [k, n] : trekkingen)
        r.addDraw(k, n);
    Opgave o = maakformule(niveau, opgaveNr, r);
    if (r.remaining() != 0 || r.used() != trekkingen.size())
        qWarning("draws not used up: %zu of %zu", r.used(), trekkingen.size());
    return o;
}

// Level 1, kind 2, x, c = -2, a = 3, b = 5, s1 = +1.
Opgave min2x()
{
    return maak(1, 1, {{0, 4}, {2, 10}, {4, 9}, {8, 20}, {1, 2}, {0, 9}, {1, 2}});
}

// Level 3, square kind, x, a = 1, b = 3, s1 = +1.
Opgave xPlus3Kwadraat()
{
    return maak(3, 4, {{0, 4}, {0, 4}, {0, 2}, {2, 9}, {1, 2}});
}

// Level 2, kind 1, x: 2x(x + 1) - 2x + 3, whose middle term cancels.
Opgave middenNul()
{
    return maak(2, 4,
                {{0, 4},
                 {0, 10},
                 {0, 9},
                 {12, 20},
                 {1, 2},
                 {1, 9},
                 {0, 2},
                 {2, 9},
                 {1, 2},
                 {0, 9},
                 {1, 2}});
}

// Level 4, kind 3, x: 2(x + 1)(x + 1) - 2x² + 5x, whose square term cancels.
Opgave kwadraatNul()
{
    return maak(4, 2,
                {{0, 4},
                 {0, 4},
                 {0, 2},
                 {0, 9},
                 {1, 2},
                 {0, 4},
                 {0, 2},
                 {0, 9},
                 {1, 2},
                 {4, 9},
                 {0, 2},
                 {1, 9},
                 {0, 2},
                 {1, 2},
                 {1, 4}});
}

} // namespace

class HaakjesTest : public QObject {
    Q_OBJECT
private slots:
    void voorbeeldVanNiveau1()
    {
        const Opgave o = min2x();
        QCOMPARE(o.niveau, 1);
        QCOMPARE(o.soort, 2);
        QCOMPARE(o.tekst, QString(" -2x( 3x +  5)"));
        QCOMPARE(o.antw, QString("-6x\u00B2 -  10x"));
    }

    void oordeel_data()
    {
        QTest::addColumn<int>("opgave");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<bool>("goed");
        QTest::addColumn<QString>("inVak");
        QTest::newRow("level 1: expanded") << 0 << "-6x²-10x" << true << "-6x²-10x";
        QTest::newRow("level 1: power typed") << 0 << "-6x^2 - 10x" << true << "-6x²-10x";
        QTest::newRow("level 1: order is free") << 0 << "-10x-6x²" << true << "-10x-6x²";
        QTest::newRow("level 1: brackets left") << 0 << "-2x(3x+5)" << false << "-2x(3x+5)";
        QTest::newRow("level 1: not equal stays as typed")
            << 0 << "-6x^2 + 10x" << false << "-6x^2 + 10x";
        QTest::newRow("level 1: blank before minus") << 0 << " -6x²-10x" << false << " -6x²-10x";
        QTest::newRow("level 3: square") << 1 << "x²+6x+9" << true << "x²+6x+9";
        QTest::newRow("level 3: power typed") << 1 << "x^2+6x+9" << true << "x²+6x+9";
        QTest::newRow("level 3: brackets left") << 1 << "(x+3)^2" << false << "(x+3)²";
        QTest::newRow("level 3: x*x in a longer text is a square")
            << 1 << "x*x+6x+9" << true << "x*x+6x+9";
        QTest::newRow("level 3: 9 split") << 1 << "x²+6x+4+5" << false << "x²+6x+4+5";
        QTest::newRow("level 2: middle term gone") << 2 << "2x²+3" << true << "2x²+3";
        QTest::newRow("level 2: zero middle term written")
            << 2 << "2x²+0x+3" << false << "2x²+0x+3";
        QTest::newRow("level 2: brackets left") << 2 << "2x(x+1)-2x+3" << false << "2x(x+1)-2x+3";
        QTest::newRow("level 4: square term gone") << 3 << "9x+2" << true << "9x+2";
        QTest::newRow("level 4: two squares") << 3 << "x²-x²+9x+2" << false << "x²-x²+9x+2";
    }
    void oordeel()
    {
        QFETCH(int, opgave);
        QFETCH(QString, getypt);
        QFETCH(bool, goed);
        QFETCH(QString, inVak);
        const Opgave opgaven[] = {min2x(), xPlus3Kwadraat(), middenNul(), kwadraatNul()};
        const Oordeel u = beoordeel(opgaven[opgave], getypt);
        QCOMPARE(u.goed, goed);
        QCOMPARE(u.antwoord, inVak);
    }

    void opgavenVanDeVoorbeelden()
    {
        QCOMPARE(xPlus3Kwadraat().tekst, QString(" (x +  3)²"));
        QCOMPARE(xPlus3Kwadraat().antw, QString("x² +  6x +  9"));
        QCOMPARE(middenNul().tekst, QString("  2x(x +  1) -  2x +  3"));
        QCOMPARE(middenNul().antw, QString(" 2x² +  3"));
        QCOMPARE(kwadraatNul().tekst, QString("  2(x +  1)(x +  1) -  2x² +  5x"));
        QCOMPARE(kwadraatNul().antw, QString(" 9x +  2"));
    }

    void teksten()
    {
        const Opgave o = min2x();
        const algebra::Regels fout = algebra::foutRegels(o.tekst, "-6x^2", o.antw);
        QCOMPARE(fout.fout, QString("nee, het is -6x² -  10x"));
        QCOMPARE(fout.historie, QString(" -2x( 3x +  5)    = -6x^2\r Fout ,het is -6x² -  10x"));
        QCOMPARE(fout.verslag, QString(" -2x( 3x +  5)    = -6x^2       Fout ,het is -6x² -  10x"));
        QCOMPARE(algebra::foutRegels("t", "a", "1234567890123").fout,
                 QString("nee, 1234567890123"));
        QCOMPARE(algebra::foutRegels("t", "a", "123456789012").fout,
                 QString("nee, het is 123456789012"));

        QCOMPARE(algebra::goedRegels(o.tekst, "-6x²-10x", 1).historie,
                 QString(" -2x( 3x +  5)          = -6x²-10x   Goed"));
        QCOMPARE(algebra::goedRegels(o.tekst, "-6x²-10x", 2).verslag,
                 QString(" -2x( 3x +  5)     = -6x²-10x   Goed"));
    }

    void gemengdeNiveaus()
    {
        // Player 1's problem k comes after the counter k - 1 chose the level
        // and was raised to k; player 2's problem k is chosen at counter k.
        common::SeededRandom r(3);
        QList<QPair<int, int>> speler1, speler2;
        for (int k = 1; k <= 4; ++k) {
            const Opgave een = maakformule(niveauInMenging(k - 1), k, r);
            speler1 << qMakePair(een.niveau, een.soort);
            const Opgave twee = maakformule(niveauInMenging(k), k, r);
            speler2 << qMakePair(twee.niveau, twee.soort);
        }
        QCOMPARE(speler1, (QList<QPair<int, int>>{{1, 2}, {2, 3}, {3, 1}, {4, 1}}));
        QCOMPARE(speler2, (QList<QPair<int, int>>{{2, 2}, {3, 1}, {4, 4}, {1, 1}}));
    }

    // Over many draws: the right answer is the same function as the problem,
    // typed without blanks it is judged right, and the numbers stay in range.
    void generatorOverVeleTrekkingen()
    {
        common::SeededRandom r(20261206);
        for (int n = 0; n < 4000; ++n) {
            const int niveau = n % 4 + 1;
            const int nr = n / 4 % 10 + 1;
            const Opgave o = maakformule(niveau, nr, r);
            const QString uitleg = o.tekst + " / " + o.antw;
            QVERIFY(QString("xpat").contains(o.letter));
            QVERIFY2(o.waarden == algebra::waardenVanOpgave(o.antw, o.letter), qPrintable(uitleg));
            QVERIFY2(o.waarden[0] != algebra::afgerond(algebra::onbepaald), qPrintable(uitleg));
            QVERIFY2(beoordeel(o, QString(o.antw).remove(' ')).goed, qPrintable(uitleg));
            switch (niveau) {
            case 1:
            case 2:
                QVERIFY(o.soort == nr % 4 + 1);
                QVERIFY(o.a >= 1 && o.a <= 10 && o.b >= 1 && o.b <= 9);
                if (niveau == 2 && (o.soort == 2 || o.soort == 3))
                    QVERIFY(o.c >= 1 && o.c <= 10); // made positive
                else
                    QVERIFY(o.c >= -10 && o.c <= 9 && o.c != 0 && o.c != 1);
                break;
            default:
                QVERIFY(o.a != 0 && std::abs(o.a) <= 4 && std::abs(o.c) <= 4 && o.c != 0);
                if (niveau == 3)
                    QCOMPARE(o.soort, nr % 4 == 0 ? 2 : 1);
                else
                    QVERIFY(o.m >= 1 && o.m <= 4);
                break;
            }
        }
    }
};

TK_TEST(HaakjesTest)
#include "haakjes_test.moc"
