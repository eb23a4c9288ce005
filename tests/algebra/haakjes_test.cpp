// Brackets problems: exact draws, judging, texts and the explanation.
#include "exercises/algebra/beoordeling.h"
#include "exercises/algebra/haakjes.h"
#include "testmain.h"

using namespace haakjes;

Q_DECLARE_METATYPE(haakjes::Opgave)

namespace {

// A problem from scripted draws given as pairs k, n: draw(n, m) gives m + k.
Opgave maak(int niveau, int nr, std::initializer_list<int> kn)
{
    common::ScriptedRandom r;
    r.addDraws(kn);
    Opgave o = maakformule(niveau, nr, r);
    if (r.remaining() != 0 || 2 * r.used() != kn.size())
        qFatal("draws not used up");
    return o;
}

// The problems judged below.
const Opgave& getrokken(int i)
{
    static const Opgave o[] = {
        maak(1, 1, {0, 4, 2, 10, 4, 9, 8, 20, 1, 2, 0, 9, 1, 2}), // -2x(3x + 5)
        maak(3, 4, {0, 4, 0, 4, 0, 2, 2, 9, 1, 2}),               // (x + 3)², the square kind
        // Level 2 kind 1, 2x(x + 1) - 2x + 3: the middle term cancels.
        maak(2, 4, {0, 4, 0, 10, 0, 9, 12, 20, 1, 2, 1, 9, 0, 2, 2, 9, 1, 2, 0, 9, 1, 2}),
        // Level 4 kind 3, 2(x + 1)(x + 1) - 2x² + 5x: the square term cancels.
        maak(4, 2, {0, 4, 0, 4, 0, 2, 0, 9, 1, 2, 0, 4, 0, 2, 0,
                    9, 1, 2, 4, 9, 0, 2, 1, 9, 0, 2, 1, 2, 1, 4})};
    return o[i];
}

// A problem with its numbers set by hand, a to g then m, and signs s1 to s4;
// "T" and "A" stand for its text and answer, which the explanation repeats.
Opgave opgave(int niveau, int soort, char letter, std::vector<int> n, std::vector<int> s)
{
    n.resize(8), s.resize(4, 1);
    Opgave o;
    o.niveau = niveau, o.soort = soort, o.letter = QLatin1Char(letter);
    o.a = n[0], o.b = n[1], o.c = n[2], o.d = n[3], o.e = n[4], o.f = n[5], o.g = n[6], o.m = n[7];
    o.s1 = s[0], o.s2 = s[1], o.s3 = s[2], o.s4 = s[3];
    o.tekst = "T", o.antw = "A";
    return o;
}

const QString streep(51, QLatin1Char('_'));

} // namespace

class HaakjesTest : public QObject {
    Q_OBJECT
private slots:
    void opgaven()
    {
        const QStringList teksten{" -2x( 3x +  5)|-6x² -  10x", " (x +  3)²|x² +  6x +  9",
                                  "  2x(x +  1) -  2x +  3| 2x² +  3",
                                  "  2(x +  1)(x +  1) -  2x² +  5x| 9x +  2"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(getrokken(i).tekst + "|" + getrokken(i).antw, teksten[i]);
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
        const auto u = beoordeel(getrokken(opgave), getypt);
        QTEST(u.goed, "goed");
        QTEST(u.antwoord, "inVak");
    }

    void teksten()
    {
        const run::Verdict fout =
            algebra::foutRegels(getrokken(0).tekst, "-6x^2", getrokken(0).antw);
        QCOMPARE(fout.historie, QString(" -2x( 3x +  5)    = -6x^2\r Fout ,het is -6x² -  10x"));
        QCOMPARE(algebra::foutRegels("t", "a", "1234567890123").fout, "nee, 1234567890123");
        QCOMPARE(algebra::foutRegels("t", "a", "123456789012").fout, "nee, het is 123456789012");
    }

    // Over many draws: the answer is the problem's function, typed without
    // blanks it is right, and the numbers stay in range.
    void generatorOverVeleTrekkingen()
    {
        common::SeededRandom r(20261206);
        for (int n = 0; n < 4000; ++n) {
            const int niveau = n % 4 + 1;
            const int nr = n / 4 % 10 + 1;
            const Opgave o = maakformule(niveau, nr, r);
            const QByteArray uitleg = (o.tekst + " / " + o.antw).toUtf8();
            QVERIFY(QString("xpat").contains(o.letter));
            QVERIFY2(o.waarden == algebra::waardenVanOpgave(o.antw, o.letter), uitleg);
            QVERIFY2(o.waarden[0] != algebra::afgerond(algebra::onbepaald), uitleg);
            QVERIFY2(beoordeel(o, QString(o.antw).remove(' ')).goed, uitleg);
            if (niveau <= 2) {
                QCOMPARE(o.soort, nr % 4 + 1);
                QVERIFY(o.a >= 1 && o.a <= 10 && o.b >= 1 && o.b <= 9);
                if (niveau == 2 && (o.soort == 2 || o.soort == 3))
                    QVERIFY(o.c >= 1 && o.c <= 10); // made positive
                else
                    QVERIFY(o.c >= -10 && o.c <= 9 && o.c != 0 && o.c != 1);
            } else {
                QVERIFY(o.a != 0 && std::abs(o.a) <= 4 && std::abs(o.c) <= 4 && o.c != 0);
                if (niveau == 3)
                    QCOMPARE(o.soort, nr % 4 == 0 ? 2 : 1);
                else
                    QVERIFY(o.m >= 1 && o.m <= 4);
            }
        }
    }

    // The lines that set each branch of the explanation apart, | between
    // them ("_" where they follow the line under the problem).
    void uitleg_data()
    {
        QTest::addColumn<Opgave>("o");
        QTest::addColumn<QString>("zinnen");
        auto rij = [](const char* naam, const Opgave& o, const char* zinnen) {
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
        QFETCH(Opgave, o);
        QFETCH(QString, zinnen);
        const QString u = haakjes::uitleg(o);
        QVERIFY(u.startsWith(o.tekst + "\r" + streep));
        for (const QString& zin : zinnen.split('|'))
            QVERIFY2(u.contains(zin), qPrintable(u));
        QVERIFY(u.endsWith(
            (o.niveau == 1 ? "\r\rHet antwoord is dus:  " : "\r\rHet antwoord wordt dan:  ") +
            o.antw));
    }
};

TK_TEST(HaakjesTest)
#include "haakjes_test.moc"
