// Brackets and factoring problems: exact draws and rejections, judging,
// texts and the explanation.
#include "exercises/algebra/answer.h"
#include "exercises/algebra/brackets.h"
#include "exercises/algebra/factoring.h"
#include "testmain.h"

#include <numeric>

Q_DECLARE_METATYPE(brackets::Problem)
Q_DECLARE_METATYPE(factoring::Problem)

namespace {

const QString streep(51, QLatin1Char('_'));

// A problem from scripted draws given as pairs k, n: draw(n, m) gives m + k.
template <class Problem> Problem maak(int niveau, int nr, std::initializer_list<int> kn)
{
    common::ScriptedRandom r;
    r.addDraws(kn);
    Problem o;
    if constexpr (std::is_same_v<Problem, brackets::Problem>)
        o = brackets::generate(niveau, nr, r);
    else
        o = factoring::generate(niveau, nr, r);
    if (r.remaining() != 0 || 2 * r.used() != kn.size())
        qFatal("draws not used up");
    return o;
}

} // namespace

namespace haakjestest {
using namespace brackets;

// The problems judged below.
const Problem& getrokken(int i)
{
    static const Problem o[] = {
        maak<Problem>(1, 1, {0, 4, 2, 10, 4, 9, 8, 20, 1, 2, 0, 9, 1, 2}), // -2x(3x + 5)
        maak<Problem>(3, 4, {0, 4, 0, 4, 0, 2, 2, 9, 1, 2}), // (x + 3)², the square kind
        // Level 2 kind 1, 2x(x + 1) - 2x + 3: the middle term cancels.
        maak<Problem>(2, 4, {0, 4, 0, 10, 0, 9, 12, 20, 1, 2, 1, 9, 0, 2, 2, 9, 1, 2, 0, 9, 1, 2}),
        // Level 4 kind 3, 2(x + 1)(x + 1) - 2x² + 5x: the square term cancels.
        maak<Problem>(4, 2, {0, 4, 0, 4, 0, 2, 0, 9, 1, 2, 0, 4, 0, 2, 0,
                             9, 1, 2, 4, 9, 0, 2, 1, 9, 0, 2, 1, 2, 1, 4})};
    return o[i];
}

// A problem with its numbers set by hand, a to g then m, and signs s1 to s4;
// "T" and "A" stand for its text and answer, which the explanation repeats.
Problem opgave(int niveau, int soort, char letter, std::vector<int> n, std::vector<int> s)
{
    n.resize(8), s.resize(4, 1);
    Problem o;
    o.level = niveau, o.kind = soort, o.letter = QLatin1Char(letter);
    o.a = n[0], o.b = n[1], o.c = n[2], o.d = n[3], o.e = n[4], o.f = n[5], o.g = n[6], o.m = n[7];
    o.s1 = s[0], o.s2 = s[1], o.s3 = s[2], o.s4 = s[3];
    o.text = "T", o.answer = "A";
    return o;
}

class HaakjesTest : public QObject {
    Q_OBJECT
private slots:
    void opgaven()
    {
        const QStringList teksten{" -2x( 3x +  5)|-6x² -  10x", " (x +  3)²|x² +  6x +  9",
                                  "  2x(x +  1) -  2x +  3| 2x² +  3",
                                  "  2(x +  1)(x +  1) -  2x² +  5x| 9x +  2"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(getrokken(i).text + "|" + getrokken(i).answer, teksten[i]);
    }

    // Right means the same function, written as short as the level asks;
    // a right answer is written back normalised.
    void oordeel_data()
    {
        QTest::addColumn<int>("opgave");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<bool>("goed");
        QTest::addColumn<QString>("inVak");
        auto rij = [](const char* naam, int o, const char* getypt, bool goed, const char* inVak) {
            QTest::newRow(naam) << o << QString(getypt) << goed << QString(inVak);
        };
        rij("level 1: order is free", 0, "-10x-6x²", true, "-10x-6x²");
        rij("level 1: blanks around, minus first", 0, "  -6x^2-10x ", true, "-6x²-10x");
        rij("level 1: brackets left", 0, "-2x(3x+5)", false, "-2x(3x+5)");
        rij("level 3: brackets left", 1, "(x+3)^2", false, "(x+3)²");
        rij("level 3: x*x in a longer text is a square", 1, "x*x+6x+9", true, "x*x+6x+9");
        rij("level 2: middle term gone", 2, "2x²+3", true, "2x²+3");
        rij("level 2: zero middle term written", 2, "2x²+0x+3", false, "2x²+0x+3");
        rij("level 4: square term gone", 3, "9x+2", true, "9x+2");
        rij("level 4: two squares", 3, "x²-x²+9x+2", false, "x²-x²+9x+2");
    }
    void oordeel()
    {
        QFETCH(int, opgave);
        QFETCH(QString, getypt);
        const auto u = check(getrokken(opgave), getypt);
        QTEST(u.right, "goed");
        QTEST(u.given, "inVak");
    }

    void teksten()
    {
        const run::Verdict fout =
            algebra::wrongVerdict(getrokken(0).text, "-6x^2", getrokken(0).answer);
        QCOMPARE(fout.historie, QString(" -2x( 3x +  5)    = -6x^2\r Fout ,het is -6x² -  10x"));
        QCOMPARE(algebra::wrongVerdict("t", "a", "1234567890123").fout, "nee, 1234567890123");
        QCOMPARE(algebra::wrongVerdict("t", "a", "123456789012").fout, "nee, het is 123456789012");
    }

    // Over many draws: the answer is the problem's function, typed without
    // blanks it is right, and the numbers stay in range.
    void generatorOverVeleTrekkingen()
    {
        common::SeededRandom r(20261206);
        for (int n = 0; n < 4000; ++n) {
            const int niveau = n % 4 + 1;
            const int nr = n / 4 % 10 + 1;
            const Problem o = generate(niveau, nr, r);
            const QByteArray uitleg = (o.text + " / " + o.answer).toUtf8();
            QVERIFY(QString("xpat").contains(o.letter));
            QVERIFY2(o.values == algebra::problemValues(o.answer, o.letter), uitleg);
            QVERIFY2(o.values[0] != algebra::rounded(algebra::undefined), uitleg);
            QVERIFY2(check(o, QString(o.answer).remove(' ')).right, uitleg);
            if (niveau <= 2) {
                QCOMPARE(o.kind, nr % 4 + 1);
                QVERIFY(o.a >= 1 && o.a <= 10 && o.b >= 1 && o.b <= 9);
                if (niveau == 2 && (o.kind == 2 || o.kind == 3))
                    QVERIFY(o.c >= 1 && o.c <= 10); // made positive
                else
                    QVERIFY(o.c >= -10 && o.c <= 9 && o.c != 0 && o.c != 1);
            } else {
                QVERIFY(o.a != 0 && std::abs(o.a) <= 4 && std::abs(o.c) <= 4 && o.c != 0);
                if (niveau == 3)
                    QCOMPARE(o.kind, nr % 4 == 0 ? 2 : 1);
                else
                    QVERIFY(o.m >= 1 && o.m <= 4);
            }
        }
    }

    // The lines that set each branch of the explanation apart, | between
    // them ("_" where they follow the line under the problem).
    void uitleg_data()
    {
        QTest::addColumn<Problem>("o");
        QTest::addColumn<QString>("zinnen");
        auto rij = [](const char* naam, const Problem& o, const char* zinnen) {
            QTest::newRow(naam) << o << QString(zinnen);
        };
        rij("level 1 kind 1, whole text", getrokken(0),
            "_\r\rVermenigvuldig alle termen tussen haakjes met -2x\r\rDenk er om dat x * x = "
            "x²    en    x * x² = x³\r\r(het sterretje staat voor keer)\r\rHet antwoord is dus:  "
            "-6x² -  10x");
        rij("level 1 kind 1, minus: rewritten", opgave(1, 1, 'a', {2, 4, 3}, {-1}),
            "_\r\rJe kunt het ook schrijven als  3a²( 2a + -4)\r\rVermenigvuldig alle termen "
            "tussen haakjes met  3a²\r\rDenk er om dat a * a = a²");
        rij("level 2 kind 1, all plus: straight to the brackets",
            opgave(2, 1, 'x', {3, 1, 2, 4, 5, 1}, {}),
            "_\r\rWerk eerst de haakjes weg.\r\rVermenigvuldig alle termen die tussen haakjes "
            "staan met  2x\r\rJe krijgt dan: 6x² +  2x +  4x +  5\r\rNeem dan de gelijksoortige "
            "termen bijelkaar.\r\r");
        rij("level 2 kind 2", opgave(2, 2, 'x', {1, 4, 3, 2, 5, 1}, {1, -1, -1, 1}),
            "als  2x + -3(x +  4) + -5\r|staan met -3\r\rJe krijgt dan: 2x + -3x + -12 + -5\r");
        rij("level 2 kind 3", opgave(2, 3, 'x', {3, 5, 2, 4, 1, 1}, {}),
            "met  2x\r\rJe krijgt dan: 4x +  6x³ +  10x²\r\rZet de termen dan in de juiste "
            "volgorde (gelijksoortige zijn er niet)\r\r");
        rij("level 2 kind 4", opgave(2, 4, 'x', {1, 3, 2, 4, 5, 6}, {1, 1, 1, -1}),
            "als  2x(x +  3) +  4x( 5x + -6)\r|tussen de eerste haakjes met  2x\ren alle termen "
            "tussen de tweede haakjes met  4x\r\rJe krijgt dan: 2x² +  6x  +   20x² + -24x\r");
        rij("level 3 kind 1", opgave(3, 1, 't', {2, 3, -1, 4}, {1, -1}),
            "_\r\rJe kunt het ook schrijven als ( 2t +  3)(-t + -4)\r|weg.\r\rVermenigvuldig  2t "
            "met -t en met -4\ren vermenigvuldig  3 met -t en met -4\ren zet er plussen tussen."
            "\r\rJe krijgt dan:-2t² + -8t + -3t + -12\r");
        rij("level 4 kind 1: times s3·m", opgave(4, 1, 'x', {1, 2, 1, 3, 0, 0, 5, 2}, {1, 1, -1}),
            "_\r\rVermenigvuldig eerst wat tussen haakjes staat met elkaar\r\rVermenigvuldig x "
            "met x en met  3\ren vermenigvuldig  2 met x en met  3\r\rJe krijgt dan:x² +  3x +  "
            "2x +  6\r\rVermenigvuldig dat met -2\r\rTel dan de rest er bij op en neem dan de "
            "gelijksoortige termen bijelkaar.\r\r");
        rij("level 4 kind 2: square", opgave(4, 2, 'x', {2, 1, 2, 1, 0, 0, 5, 3}, {-1, -1}),
            "_\r\rJe kunt (.....)² ook schrijven als ( 2x + -1)( 2x + -1)\r\rVermenigvuldig "
            "eerst|\rJe krijgt dan: 4x² + -2x + -2x +  1\r\rVermenigvuldig dat met  3\r\r");
    }
    void uitleg()
    {
        QFETCH(Problem, o);
        QFETCH(QString, zinnen);
        const QString u = brackets::explain(o);
        QVERIFY(u.startsWith(o.text + "\r" + streep));
        for (const QString& zin : zinnen.split('|'))
            QVERIFY2(u.contains(zin), qPrintable(u));
        QVERIFY(u.endsWith(
            (o.level == 1 ? "\r\rHet antwoord is dus:  " : "\r\rHet antwoord wordt dan:  ") +
            o.answer));
    }
};

TK_TEST(HaakjesTest)
} // namespace haakjestest

namespace ontbindentest {
using namespace factoring;

// The problems judged below, each with its text and right answer.
const Problem& opgave(int i)
{
    static const Problem opgaven[] = {
        maak<Problem>(1, 1, {0, 4, 1, 10, 4, 9, 13, 20, 1, 2}), // 6x² + 15x
        maak<Problem>(1, 4, {0, 4, 1, 10, 4, 9, 7, 20, 1, 2}),  // -6x - 15
        maak<Problem>(
            2, 4,
            {0, 4, 3, 10, 0, 2, 2, 80, 0, 2, 1, 10, 0, 2, 4, 80, 0, 2}),    // p = 4, q = 3 redrawn
        maak<Problem>(2, 1, {0, 4, 0, 10, 1, 2, 7, 10, 0, 2}),              // p = -1, q = 9
        maak<Problem>(3, 3, {0, 4, 1, 10, 0, 2, 1, 10, 0, 2, 1, 6, 0, 2}),  // rising powers
        maak<Problem>(3, 4, {0, 4, 0, 10, 0, 2, 0, 10, 0, 2, 2, 10, 0, 2}), // only a factor
        maak<Problem>(2, 1, {0, 4, 4, 10, 0, 2, 3, 10, 1, 2}),              // p + q = 0
        // Kind 4 with a negative constant term (c = 2, s = -1) is drawn again.
        maak<Problem>(1, 3, {0, 4, 1, 10, 2, 9, 12, 20, 0, 2, 1, 10, 2, 9, 12, 20, 1, 2})};
    return opgaven[i];
}

Problem metGetallen(int niveau, int soort, char letter, std::vector<int> cabpqk)
{
    Problem o;
    o.level = niveau, o.kind = soort, o.letter = QLatin1Char(letter);
    cabpqk.resize(6);
    o.c = cabpqk[0], o.a = cabpqk[1], o.b = cabpqk[2];
    o.p = cabpqk[3], o.q = cabpqk[4], o.k = cabpqk[5];
    o.text = "T", o.answer = "A"; // repeated as they are by the explanation
    return o;
}

class OntbindenTest : public QObject {
    Q_OBJECT
private slots:
    void opgaven_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("antw");
        auto rij = [](const char* naam, int i, const char* tekst, const char* antw) {
            QTest::newRow(naam) << i << QString(tekst) << QString(antw);
        };
        rij("level 1 kind 2", 0, "  6x² +  15x", " 3x( 2x +  5)");
        rij("level 1 kind 1, negative factor", 1, " -6x -  15", "-3( 2x +  5)");
        rij("not factorable: answer is the problem", 2, " x² +  2x +  5", " x² +  2x +  5");
        rij("level 2 kind 1", 3, " x² +  8x -  9", "(x -  1)(x +  9)");
        rij("level 3 kind 3 in rising powers", 4, "  12x +  10x² +  2x³", " 2x(x +  2)(x +  3)");
        rij("level 3 kind 4", 5, "  3x³ +  3x² +  3x", " 3x(x² + x +  1)");
        rij("no middle term, no sign for it", 6, " x² -  25", "(x +  5)(x -  5)");
        rij("kind 4 negative constant redrawn", 7, "  4x² +  6", " 2( 2x² +  3)");
    }
    void opgaven()
    {
        QFETCH(int, i);
        QTEST(opgave(i).text, "tekst");
        QTEST(opgave(i).answer, "antw");
    }

    void oordeel_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<bool>("goed");
        QTest::addColumn<bool>("beterIs");
        auto rij = [](const char* naam, int i, const char* getypt, bool goed, bool beter) {
            QTest::newRow(naam) << i << QString(getypt) << goed << beter;
        };
        rij("factor 2 left inside", 0, "x(6x+15)", false, false);
        rij("not factored", 0, "6x^2+15x", false, false);
        rij("positive factor where negative was meant", 1, "3(-2x-5)", true, true);
        rij("right numbers but nothing factored out", 1, "-3*2x-3*5", false, false);
        rij("blanks around a leading minus", 1, "  -3(2x+5) ", true, false);
        rij("kind 4 right numbers, no brackets", 7, "2*2x^2+2*3", false, false);
        rij("two brackets, not in the order of the answer", 3, "(x+9)(x-1)", true, false);
        rij("trinomial not factored", 3, "x^2+8x-9", false, false);
        rij("only x taken out", 4, "x(2x²+10x+12)", false, false);
    }
    void oordeel()
    {
        QFETCH(int, i);
        QFETCH(QString, getypt);
        const auto u = check(opgave(i), getypt);
        QTEST(u.right, "goed");
        QTEST(u.better, "beterIs");
    }

    // Over many draws: the answer is the problem's function, typed without
    // blanks it is right, and the draws keep their promises.
    void generatorOverVeleTrekkingen()
    {
        common::SeededRandom r(61206);
        for (int n = 0; n < 3000; ++n) {
            const int niveau = n % 3 + 1;
            const int nr = n / 3 % 10 + 1;
            const Problem o = generate(niveau, nr, r);
            const QByteArray uitleg = (o.text + " / " + o.answer).toUtf8();
            QVERIFY2(o.values == algebra::problemValues(o.answer, o.letter), uitleg);
            QVERIFY2(check(o, QString(o.answer).remove(' ')).right, uitleg);
            if (niveau == 1) {
                QCOMPARE(o.kind, nr % 4 + 1);
                QVERIFY(o.a >= 2 && o.a <= 10 && o.b >= 1 && o.b <= 9);
                QVERIFY(std::gcd(o.a, o.b) == 1);
                QVERIFY(o.c >= -10 && o.c <= 9 && o.c != 0);
                QVERIFY2(o.kind != 4 || o.s == 1, uitleg); // constant term positive
            } else if (niveau == 2) {
                QCOMPARE(o.kind, nr % 4 == 0 ? 2 : 1);
                if (o.kind == 2)
                    QVERIFY2(o.p * o.p - 4 * o.q < 0, uitleg);
                else
                    QVERIFY(std::abs(o.q) >= 2 && std::abs(o.q) <= 11);
            } else {
                QVERIFY(o.k != 0 && o.k != 1);
                if (o.kind == 4)
                    QVERIFY(o.p * o.p - 4 * o.q < 0);
                else
                    QVERIFY(o.k >= -6 && o.k <= 6);
            }
        }
    }

    // The box's title, then the lines that set each branch of the
    // explanation apart, | between them.
    void uitleg_data()
    {
        QTest::addColumn<Problem>("o");
        QTest::addColumn<QString>("zinnen");
        auto rij = [](const char* naam, const Problem& o, const char* zinnen) {
            QTest::newRow(naam) << o << QString(zinnen);
        };
        rij("level 1 kind 2, whole text", opgave(0),
            "Ontbinden|_\r\rKijk eerst of je alle termen door eenzelfde getal kunt delen. \rDat is "
            "hier het getal  3\r\rKijk dan of in alle termen de variabele x voorkomt of misschien "
            "x² of misschien x³ of zoiets.\rDat is hier x\r\rAls de eerste term negatief is haal "
            "je meestal ook een - buiten haakjes\r\rJe haalt dan het volgende buiten haakjes:   "
            "3x\r\rVervolgens deel je alles daardoor, en dat komt tussen de haakjes  \r\rHet "
            "antwoord is dus:   3x( 2x +  5)");
        rij("level 1, c = 1: nothing to take out", metGetallen(1, 1, 'x', {1, 2, 5}),
            "Ontbinden|\rDat is hier niet het geval\r\rKijk|\rDat is hier niet het "
            "geval\r\rAls|haakjes\r\rHier valt dus niets buiten haakjes te halen\r\r");
        rij("level 1 kind 3, factor -1", metGetallen(1, 3, 't', {-1, 2, 3}),
            "Ontbinden|variabele t voorkomt of misschien t² of misschien t³ of zoiets.\rDat is "
            "hier t²\r|\rJe haalt dan het volgende buiten haakjes:  -t²\r");
        rij("level 2 kind 1", metGetallen(2, 1, 'x', {0, 0, 0, -1, 9}),
            "ontbinden|_\r\rZoek twee getallen waarvan de som  8 is en het product -9\rDat zijn -1 "
            "en  9\rJe krijgt dan  (x + -1)(x +  9)\r\r");
        rij("level 2 not factorable", metGetallen(2, 2, 'a', {0, 0, 0, 2, 5}),
            "Ontbinden|_\r\rZoek twee getallen waarvan de som  2 is en het product  5\rDie zijn er "
            "niet !\rHet is dus niet te ontbinden\r\r");
        rij("level 3 kind 1", metGetallen(3, 1, 'a', {0, 0, 0, 3, -4, -2}),
            "ontbinden|_\r\rKijk of je alle termen door eenzelfde getal kunt delen. \rEn kijk of "
            "in alle termen de variabele a voorkomt of misschien a² of misschien a³ of "
            "zoiets.\rAls de eerste term negatief is haal je ook een - buiten haakjes\r\rJe haalt "
            "dus het volgende buiten haakjes:  -2\r\rJe krijgt dan:  -2(a² - a -  12)\r\rZoek dan "
            "twee getallen waarvan de som -1 is en het product -12\rDat zijn  3 en -4\r\r");
        rij("level 3 kind 3: put in order first", metGetallen(3, 3, 'x', {0, 0, 0, 2, 3, 2}),
            "ontbinden|_\rZet de termen eerst in de juiste volgorde.\rJe krijgt dan:   2x³ +  10x² "
            "+  12x\r\rKijk");
        rij("level 3 kind 4", metGetallen(3, 4, 't', {0, 0, 0, 1, 1, -1}),
            "ontbinden|\rJe krijgt dan:  -t(t² + t +  1)\r\rZoek dan twee getallen waarvan de som  "
            "1 is en het product  1\rDie zijn er niet\r\r");
    }
    void uitleg()
    {
        QFETCH(Problem, o);
        QFETCH(QString, zinnen);
        const QString u = factoring::explain(o);
        const QStringList z = zinnen.split('|');
        QCOMPARE(explanationTitle(o), z[0]);
        QVERIFY(u.startsWith(o.text + "\r" + streep));
        for (const QString& zin : z.mid(1))
            QVERIFY2(u.contains(zin), qPrintable(u));
        QVERIFY(u.endsWith("\r\rHet antwoord is dus:  " + o.answer));
    }
};

TK_TEST(OntbindenTest)
} // namespace ontbindentest

#include "polynomials_test.moc"
