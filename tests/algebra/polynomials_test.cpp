// Brackets and factoring problems: exact draws and rejections, judging,
// texts and the explanation.
#include "exercises/algebra/answer.h"
#include "exercises/algebra/brackets.h"
#include "exercises/algebra/factoring.h"
#include "scriptedrandom.h"
#include "testmain.h"

#include <numeric>

Q_DECLARE_METATYPE(brackets::Problem)
Q_DECLARE_METATYPE(factoring::Problem)

namespace {

const QString underline(51, QLatin1Char('_'));

// A problem from scripted draws given as pairs k, n: draw(n, m) gives m + k.
template <class Problem> Problem make(int level, int number, std::initializer_list<int> kn)
{
    tktest::ScriptedRandom r;
    r.addDraws(kn);
    Problem o;
    if constexpr (std::is_same_v<Problem, brackets::Problem>)
        o = brackets::generate(level, number, r);
    else
        o = factoring::generate(level, number, r);
    if (r.remaining() != 0 || 2 * r.used() != kn.size())
        qFatal("draws not used up");
    return o;
}

} // namespace

namespace bracketstest {
using namespace brackets;

// The problems judged below.
const Problem& drawn(int i)
{
    static const Problem o[] = {
        make<Problem>(1, 1, {0, 4, 2, 10, 4, 9, 8, 20, 1, 2, 0, 9, 1, 2}), // -2x(3x + 5)
        make<Problem>(3, 4, {0, 4, 0, 4, 0, 2, 2, 9, 1, 2}), // (x + 3)², the square kind
        // Level 2 kind 1, 2x(x + 1) - 2x + 3: the middle term cancels.
        make<Problem>(2, 4, {0, 4, 0, 10, 0, 9, 12, 20, 1, 2, 1, 9, 0, 2, 2, 9, 1, 2, 0, 9, 1, 2}),
        // Level 4 kind 3, 2(x + 1)(x + 1) - 2x² + 5x: the square term cancels.
        make<Problem>(4, 2, {0, 4, 0, 4, 0, 2, 0, 9, 1, 2, 0, 4, 0, 2, 0,
                             9, 1, 2, 4, 9, 0, 2, 1, 9, 0, 2, 1, 2, 1, 4})};
    return o[i];
}

// A problem with its numbers set by hand, a to g then m, and signs s1 to s4;
// "T" and "A" stand for its text and answer, which the explanation repeats.
Problem problem(int level, int kind, char letter, std::vector<int> n, std::vector<int> s)
{
    n.resize(8), s.resize(4, 1);
    Problem o;
    o.level = level, o.kind = kind, o.letter = QLatin1Char(letter);
    o.a = n[0], o.b = n[1], o.c = n[2], o.d = n[3], o.e = n[4], o.f = n[5], o.g = n[6], o.m = n[7];
    o.s1 = s[0], o.s2 = s[1], o.s3 = s[2], o.s4 = s[3];
    o.text = "T", o.answer = "A";
    return o;
}

class BracketsTest : public QObject {
    Q_OBJECT
private slots:
    void problems()
    {
        const QStringList expected{" -2x( 3x +  5)|-6x² -  10x", " (x +  3)²|x² +  6x +  9",
                                   "  2x(x +  1) -  2x +  3| 2x² +  3",
                                   "  2(x +  1)(x +  1) -  2x² +  5x| 9x +  2"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(drawn(i).text + "|" + drawn(i).answer, expected[i]);
    }

    // Right means the same function, written as short as the level asks;
    // a right answer is written back normalised.
    void checks_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("inBox");
        auto row = [](const char* name, int o, const char* typed, bool right, const char* inBox) {
            QTest::newRow(name) << o << QString(typed) << right << QString(inBox);
        };
        row("level 1: order is free", 0, "-10x-6x²", true, "-10x-6x²");
        row("level 1: blanks around, minus first", 0, "  -6x^2-10x ", true, "-6x²-10x");
        row("level 1: brackets left", 0, "-2x(3x+5)", false, "-2x(3x+5)");
        row("level 3: brackets left", 1, "(x+3)^2", false, "(x+3)²");
        row("level 3: x*x in a longer text is a square", 1, "x*x+6x+9", true, "x*x+6x+9");
        row("level 2: middle term gone", 2, "2x²+3", true, "2x²+3");
        row("level 2: zero middle term written", 2, "2x²+0x+3", false, "2x²+0x+3");
        row("level 4: square term gone", 3, "9x+2", true, "9x+2");
        row("level 4: two squares", 3, "x²-x²+9x+2", false, "x²-x²+9x+2");
    }
    void checks()
    {
        QFETCH(int, problem);
        QFETCH(QString, typed);
        const auto u = check(drawn(problem), typed);
        QTEST(u.right, "right");
        QTEST(u.given, "inBox");
    }

    void texts()
    {
        const run::Verdict wrong = algebra::wrongVerdict(drawn(0).text, "-6x^2", drawn(0).answer);
        QCOMPARE(wrong.history, QString(" -2x( 3x +  5)    = -6x^2\r Fout ,het is -6x² -  10x"));
        QCOMPARE(algebra::wrongVerdict("t", "a", "1234567890123").feedback, "nee, 1234567890123");
        QCOMPARE(algebra::wrongVerdict("t", "a", "123456789012").feedback,
                 "nee, het is 123456789012");
    }

    // Over many draws: the answer is the problem's function and, typed
    // without blanks, right; at level 2 the factor before the brackets of
    // kinds 2 and 3 is made positive.
    void generatorOverManyDraws()
    {
        common::SeededRandom r(20261206);
        for (int n = 0; n < 4000; ++n) {
            const Problem o = generate(n % 4 + 1, n / 4 % 10 + 1, r);
            const QByteArray context = (o.text + " / " + o.answer).toUtf8();
            QVERIFY2(o.values == algebra::problemValues(o.answer, o.letter), context);
            QVERIFY2(check(o, QString(o.answer).remove(' ')).right, context);
            if (o.level == 2 && (o.kind == 2 || o.kind == 3))
                QVERIFY2(o.c >= 1, context);
        }
    }

    // The lines that set each branch of the explanation apart, | between
    // them ("_" where they follow the line under the problem).
    void explanation_data()
    {
        QTest::addColumn<Problem>("o");
        QTest::addColumn<QString>("lines");
        auto row = [](const char* name, const Problem& o, const char* lines) {
            QTest::newRow(name) << o << QString(lines);
        };
        row("level 1 kind 1, whole text", drawn(0),
            "_\r\rVermenigvuldig alle termen tussen haakjes met -2x\r\rDenk er om dat x * x = "
            "x²    en    x * x² = x³\r\r(het sterretje staat voor keer)\r\rHet antwoord is dus:  "
            "-6x² -  10x");
        row("level 1 kind 1, minus: rewritten", problem(1, 1, 'a', {2, 4, 3}, {-1}),
            "_\r\rJe kunt het ook schrijven als  3a²( 2a + -4)\r\rVermenigvuldig alle termen "
            "tussen haakjes met  3a²\r\rDenk er om dat a * a = a²");
        row("level 2 kind 1, all plus: straight to the brackets",
            problem(2, 1, 'x', {3, 1, 2, 4, 5, 1}, {}),
            "_\r\rWerk eerst de haakjes weg.\r\rVermenigvuldig alle termen die tussen haakjes "
            "staan met  2x\r\rJe krijgt dan: 6x² +  2x +  4x +  5\r\rNeem dan de gelijksoortige "
            "termen bijelkaar.\r\r");
        row("level 2 kind 2", problem(2, 2, 'x', {1, 4, 3, 2, 5, 1}, {1, -1, -1, 1}),
            "als  2x + -3(x +  4) + -5\r|staan met -3\r\rJe krijgt dan: 2x + -3x + -12 + -5\r");
        row("level 2 kind 3", problem(2, 3, 'x', {3, 5, 2, 4, 1, 1}, {}),
            "met  2x\r\rJe krijgt dan: 4x +  6x³ +  10x²\r\rZet de termen dan in de juiste "
            "volgorde (gelijksoortige zijn er niet)\r\r");
        row("level 2 kind 4", problem(2, 4, 'x', {1, 3, 2, 4, 5, 6}, {1, 1, 1, -1}),
            "als  2x(x +  3) +  4x( 5x + -6)\r|tussen de eerste haakjes met  2x\ren alle termen "
            "tussen de tweede haakjes met  4x\r\rJe krijgt dan: 2x² +  6x  +   20x² + -24x\r");
        row("level 3 kind 1", problem(3, 1, 't', {2, 3, -1, 4}, {1, -1}),
            "_\r\rJe kunt het ook schrijven als ( 2t +  3)(-t + -4)\r|weg.\r\rVermenigvuldig  2t "
            "met -t en met -4\ren vermenigvuldig  3 met -t en met -4\ren zet er plussen tussen."
            "\r\rJe krijgt dan:-2t² + -8t + -3t + -12\r");
        row("level 4 kind 1: times s3·m", problem(4, 1, 'x', {1, 2, 1, 3, 0, 0, 5, 2}, {1, 1, -1}),
            "_\r\rVermenigvuldig eerst wat tussen haakjes staat met elkaar\r\rVermenigvuldig x "
            "met x en met  3\ren vermenigvuldig  2 met x en met  3\r\rJe krijgt dan:x² +  3x +  "
            "2x +  6\r\rVermenigvuldig dat met -2\r\rTel dan de rest er bij op en neem dan de "
            "gelijksoortige termen bijelkaar.\r\r");
        row("level 4 kind 2: square", problem(4, 2, 'x', {2, 1, 2, 1, 0, 0, 5, 3}, {-1, -1}),
            "_\r\rJe kunt (.....)² ook schrijven als ( 2x + -1)( 2x + -1)\r\rVermenigvuldig "
            "eerst|\rJe krijgt dan: 4x² + -2x + -2x +  1\r\rVermenigvuldig dat met  3\r\r");
    }
    void explanation()
    {
        QFETCH(Problem, o);
        QFETCH(QString, lines);
        const QString u = brackets::explain(o);
        QVERIFY(u.startsWith(o.text + "\r" + underline));
        for (const QString& sentence : lines.split('|'))
            QVERIFY2(u.contains(sentence), qPrintable(u));
        QVERIFY(u.endsWith(
            (o.level == 1 ? "\r\rHet antwoord is dus:  " : "\r\rHet antwoord wordt dan:  ") +
            o.answer));
    }
};

TK_TEST(BracketsTest)
} // namespace bracketstest

namespace factoringtest {
using namespace factoring;

// The problems judged below, each with its text and right answer.
const Problem& problem(int i)
{
    static const Problem problems[] = {
        make<Problem>(1, 1, {0, 4, 1, 10, 4, 9, 13, 20, 1, 2}), // 6x² + 15x
        make<Problem>(1, 4, {0, 4, 1, 10, 4, 9, 7, 20, 1, 2}),  // -6x - 15
        make<Problem>(
            2, 4,
            {0, 4, 3, 10, 0, 2, 2, 80, 0, 2, 1, 10, 0, 2, 4, 80, 0, 2}),    // p = 4, q = 3 redrawn
        make<Problem>(2, 1, {0, 4, 0, 10, 1, 2, 7, 10, 0, 2}),              // p = -1, q = 9
        make<Problem>(3, 3, {0, 4, 1, 10, 0, 2, 1, 10, 0, 2, 1, 6, 0, 2}),  // rising powers
        make<Problem>(3, 4, {0, 4, 0, 10, 0, 2, 0, 10, 0, 2, 2, 10, 0, 2}), // only a factor
        make<Problem>(2, 1, {0, 4, 4, 10, 0, 2, 3, 10, 1, 2}),              // p + q = 0
        // Kind 4 with a negative constant term (c = 2, s = -1) is drawn again.
        make<Problem>(1, 3, {0, 4, 1, 10, 2, 9, 12, 20, 0, 2, 1, 10, 2, 9, 12, 20, 1, 2})};
    return problems[i];
}

Problem withNumbers(int level, int kind, char letter, std::vector<int> cabpqk)
{
    Problem o;
    o.level = level, o.kind = kind, o.letter = QLatin1Char(letter);
    cabpqk.resize(6);
    o.c = cabpqk[0], o.a = cabpqk[1], o.b = cabpqk[2];
    o.p = cabpqk[3], o.q = cabpqk[4], o.k = cabpqk[5];
    o.text = "T", o.answer = "A"; // repeated as they are by the explanation
    return o;
}

class FactoringTest : public QObject {
    Q_OBJECT
private slots:
    void problems_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("answer");
        auto row = [](const char* name, int i, const char* text, const char* answer) {
            QTest::newRow(name) << i << QString(text) << QString(answer);
        };
        row("level 1 kind 2", 0, "  6x² +  15x", " 3x( 2x +  5)");
        row("level 1 kind 1, negative factor", 1, " -6x -  15", "-3( 2x +  5)");
        row("not factorable: answer is the problem", 2, " x² +  2x +  5", " x² +  2x +  5");
        row("level 2 kind 1", 3, " x² +  8x -  9", "(x -  1)(x +  9)");
        row("level 3 kind 3 in rising powers", 4, "  12x +  10x² +  2x³", " 2x(x +  2)(x +  3)");
        row("level 3 kind 4", 5, "  3x³ +  3x² +  3x", " 3x(x² + x +  1)");
        row("no middle term, no sign for it", 6, " x² -  25", "(x +  5)(x -  5)");
        row("kind 4 negative constant redrawn", 7, "  4x² +  6", " 2( 2x² +  3)");
    }
    void problems()
    {
        QFETCH(int, i);
        QTEST(problem(i).text, "text");
        QTEST(problem(i).answer, "answer");
    }

    void checks_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("better");
        auto row = [](const char* name, int i, const char* typed, bool right, bool better) {
            QTest::newRow(name) << i << QString(typed) << right << better;
        };
        row("factor 2 left inside", 0, "x(6x+15)", false, false);
        row("not factored", 0, "6x^2+15x", false, false);
        row("right numbers but nothing factored out", 1, "-3*2x-3*5", false, false);
        row("blanks around a leading minus", 1, "  -3(2x+5) ", true, false);
        row("kind 4 right numbers, no brackets", 7, "2*2x^2+2*3", false, false);
        row("two brackets, not in the order of the answer", 3, "(x+9)(x-1)", true, false);
        row("trinomial not factored", 3, "x^2+8x-9", false, false);
        row("only x taken out", 4, "x(2x²+10x+12)", false, false);
    }
    void checks()
    {
        QFETCH(int, i);
        QFETCH(QString, typed);
        const auto u = check(problem(i), typed);
        QTEST(u.right, "right");
        QTEST(u.better, "better");
    }

    // Over many draws: the answer is the problem's function and, typed
    // without blanks, right; nothing is left to take out of the brackets, at
    // level 3 there is a factor to take out, and what is not factorable has
    // no real roots.
    void generatorOverManyDraws()
    {
        common::SeededRandom r(61206);
        for (int n = 0; n < 3000; ++n) {
            const Problem o = generate(n % 3 + 1, n / 3 % 10 + 1, r);
            const QByteArray context = (o.text + " / " + o.answer).toUtf8();
            QVERIFY2(o.values == algebra::problemValues(o.answer, o.letter), context);
            QVERIFY2(check(o, QString(o.answer).remove(' ')).right, context);
            if (o.level == 1)
                QVERIFY2(std::gcd(o.a, o.b) == 1, context);
            if (o.level == 3)
                QVERIFY2(o.k != 0 && o.k != 1, context);
            if ((o.level == 2 && o.kind == 2) || (o.level == 3 && o.kind == 4))
                QVERIFY2(o.p * o.p - 4 * o.q < 0, context);
        }
    }

    // The box's title, then the lines that set each branch of the
    // explanation apart, | between them.
    void explanation_data()
    {
        QTest::addColumn<Problem>("o");
        QTest::addColumn<QString>("lines");
        auto row = [](const char* name, const Problem& o, const char* lines) {
            QTest::newRow(name) << o << QString(lines);
        };
        row("level 1 kind 2, whole text", problem(0),
            "Ontbinden|_\r\rKijk eerst of je alle termen door eenzelfde getal kunt delen. \rDat is "
            "hier het getal  3\r\rKijk dan of in alle termen de variabele x voorkomt of misschien "
            "x² of misschien x³ of zoiets.\rDat is hier x\r\rAls de eerste term negatief is haal "
            "je meestal ook een - buiten haakjes\r\rJe haalt dan het volgende buiten haakjes:   "
            "3x\r\rVervolgens deel je alles daardoor, en dat komt tussen de haakjes  \r\rHet "
            "antwoord is dus:   3x( 2x +  5)");
        row("level 1, c = 1: nothing to take out", withNumbers(1, 1, 'x', {1, 2, 5}),
            "Ontbinden|\rDat is hier niet het geval\r\rKijk|\rDat is hier niet het "
            "geval\r\rAls|haakjes\r\rHier valt dus niets buiten haakjes te halen\r\r");
        row("level 1 kind 3, factor -1", withNumbers(1, 3, 't', {-1, 2, 3}),
            "Ontbinden|variabele t voorkomt of misschien t² of misschien t³ of zoiets.\rDat is "
            "hier t²\r|\rJe haalt dan het volgende buiten haakjes:  -t²\r");
        row("level 2 kind 1", withNumbers(2, 1, 'x', {0, 0, 0, -1, 9}),
            "ontbinden|_\r\rZoek twee getallen waarvan de som  8 is en het product -9\rDat zijn -1 "
            "en  9\rJe krijgt dan  (x + -1)(x +  9)\r\r");
        row("level 2 not factorable", withNumbers(2, 2, 'a', {0, 0, 0, 2, 5}),
            "Ontbinden|_\r\rZoek twee getallen waarvan de som  2 is en het product  5\rDie zijn er "
            "niet !\rHet is dus niet te ontbinden\r\r");
        row("level 3 kind 1", withNumbers(3, 1, 'a', {0, 0, 0, 3, -4, -2}),
            "ontbinden|_\r\rKijk of je alle termen door eenzelfde getal kunt delen. \rEn kijk of "
            "in alle termen de variabele a voorkomt of misschien a² of misschien a³ of "
            "zoiets.\rAls de eerste term negatief is haal je ook een - buiten haakjes\r\rJe haalt "
            "dus het volgende buiten haakjes:  -2\r\rJe krijgt dan:  -2(a² - a -  12)\r\rZoek dan "
            "twee getallen waarvan de som -1 is en het product -12\rDat zijn  3 en -4\r\r");
        row("level 3 kind 3: put in order first", withNumbers(3, 3, 'x', {0, 0, 0, 2, 3, 2}),
            "ontbinden|_\rZet de termen eerst in de juiste volgorde.\rJe krijgt dan:   2x³ +  10x² "
            "+  12x\r\rKijk");
        row("level 3 kind 4", withNumbers(3, 4, 't', {0, 0, 0, 1, 1, -1}),
            "ontbinden|\rJe krijgt dan:  -t(t² + t +  1)\r\rZoek dan twee getallen waarvan de som  "
            "1 is en het product  1\rDie zijn er niet\r\r");
    }
    void explanation()
    {
        QFETCH(Problem, o);
        QFETCH(QString, lines);
        const QString u = factoring::explain(o);
        const QStringList z = lines.split('|');
        QCOMPARE(explanationTitle(o), z[0]);
        QVERIFY(u.startsWith(o.text + "\r" + underline));
        for (const QString& sentence : z.mid(1))
            QVERIFY2(u.contains(sentence), qPrintable(u));
        QVERIFY(u.endsWith("\r\rHet antwoord is dus:  " + o.answer));
    }
};

TK_TEST(FactoringTest)
} // namespace factoringtest

#include "polynomials_test.moc"
