#include "common/random.h"
#include "exercises/algebra/haakjes.h"
#include "testmain.h"

using namespace haakjes;

Q_DECLARE_METATYPE(haakjes::Opgave)

namespace {

const QString R = QString(51, QLatin1Char('_'));

// A problem with its numbers set by hand; "T" and "A" stand for the problem
// and its right answer, which the explanation repeats as they are.
Opgave opgave(int niveau, int soort, char letter, std::initializer_list<int> abcdefgm,
              std::initializer_list<int> tekens)
{
    Opgave o;
    o.niveau = niveau;
    o.soort = soort;
    o.letter = QLatin1Char(letter);
    int* getallen[] = {&o.a, &o.b, &o.c, &o.d, &o.e, &o.f, &o.g, &o.m};
    int i = 0;
    for (int v : abcdefgm)
        *getallen[i++] = v;
    int* s[] = {&o.s1, &o.s2, &o.s3, &o.s4};
    i = 0;
    for (int v : tekens)
        *s[i++] = v;
    o.tekst = QStringLiteral("T");
    o.antw = QStringLiteral("A");
    return o;
}

const QString denkErOm(char L)
{
    return QString("\r\rDenk er om dat L * L = L²    en    L * L² = L³"
                   "\r\r(het sterretje staat voor keer)\r\rHet antwoord is dus:  A")
        .replace(QLatin1Char('L'), QLatin1Char(L));
}

} // namespace

class HaakjesUitlegTest : public QObject {
    Q_OBJECT
private slots:
    void voorbeeldVanNiveau1()
    {
        // Level 1, kind 2, x, c = -2, a = 3, b = 5, s1 = +1.
        common::ScriptedRandom r;
        for (auto [k, n] : {std::pair{0, 4}, {2, 10}, {4, 9}, {8, 20}, {1, 2}, {0, 9}, {1, 2}})
            r.addDraw(k, n);
        const Opgave o = maakformule(1, 1, r);
        QCOMPARE(haakjes::uitleg(o), " -2x( 3x +  5)\r" + R +
                                         "\r\rVermenigvuldig alle termen tussen haakjes met -2x"
                                         "\r\rDenk er om dat x * x = x²    en    x * x² = x³"
                                         "\r\r(het sterretje staat voor keer)"
                                         "\r\rHet antwoord is dus:  -6x² -  10x");
        QCOMPARE(uitlegTitel, QString("Haakjes wegwerken"));
    }

    void uitleg_data()
    {
        QTest::addColumn<Opgave>("o");
        QTest::addColumn<QString>("tekst");
        const QString begin = "T\r" + R;
        QTest::newRow("level 1 kind 1, minus: rewritten")
            << opgave(1, 1, 'a', {2, 4, 3}, {-1, 1})
            << begin +
                   "\r\rJe kunt het ook schrijven als  3a²( 2a + -4)"
                   "\r\rVermenigvuldig alle termen tussen haakjes met  3a²" +
                   denkErOm('a');
        QTest::newRow("level 1 kind 3, minus one")
            << opgave(1, 3, 'x', {1, 2, -1}, {-1, 1})
            << begin +
                   "\r\rJe kunt het ook schrijven als -x(x² + -2x)"
                   "\r\rVermenigvuldig alle termen tussen haakjes met -1x" +
                   denkErOm('x');
        QTest::newRow("level 1 kind 4, second sign minus")
            << opgave(1, 4, 'x', {1, 3, 2, 4}, {1, -1})
            << begin +
                   "\r\rJe kunt het ook schrijven als  2x(x² +  3x + -4)"
                   "\r\rVermenigvuldig alle termen tussen haakjes met  2x" +
                   denkErOm('x');
        QTest::newRow("level 1 kind 4, all plus: no rewrite")
            << opgave(1, 4, 'p', {1, 3, 2, 4}, {1, 1})
            << begin + "\r\rVermenigvuldig alle termen tussen haakjes met  2p" + denkErOm('p');

        QTest::newRow("level 2 kind 1, all plus: straight to the brackets")
            << opgave(2, 1, 'x', {3, 1, 2, 4, 5, 1}, {1, 1, 1, 1})
            << begin + "\r\rWerk eerst de haakjes weg."
                       "\r\rVermenigvuldig alle termen die tussen haakjes staan met  2x"
                       "\r\rJe krijgt dan: 6x² +  2x +  4x +  5"
                       "\r\rNeem dan de gelijksoortige termen bijelkaar."
                       "\r\rHet antwoord wordt dan:  A";
        QTest::newRow("level 2 kind 2")
            << opgave(2, 2, 'x', {1, 4, 3, 2, 5, 1}, {1, -1, -1, 1})
            << begin + "\r\rJe kunt het ook schrijven als  2x + -3(x +  4) + -5"
                       "\r\rWerk eerst de haakjes weg."
                       "\r\rVermenigvuldig alle termen die tussen haakjes staan met -3"
                       "\r\rJe krijgt dan: 2x + -3x + -12 + -5"
                       "\r\rNeem dan de gelijksoortige termen bijelkaar."
                       "\r\rHet antwoord wordt dan:  A";
        QTest::newRow("level 2 kind 3")
            << opgave(2, 3, 'x', {3, 5, 2, 4, 1, 1}, {1, 1, 1, 1})
            << begin + "\r\rWerk eerst de haakjes weg."
                       "\r\rVermenigvuldig alle termen die tussen haakjes staan met  2x"
                       "\r\rJe krijgt dan: 4x +  6x³ +  10x²"
                       "\r\rZet de termen dan in de juiste volgorde (gelijksoortige zijn er niet)"
                       "\r\rHet antwoord wordt dan:  A";
        QTest::newRow("level 2 kind 4")
            << opgave(2, 4, 'x', {1, 3, 2, 4, 5, 6}, {1, 1, 1, -1})
            << begin + "\r\rJe kunt het ook schrijven als  2x(x +  3) +  4x( 5x + -6)"
                       "\r\rWerk eerst de haakjes weg."
                       "\r\rVermenigvuldig alle termen tussen de eerste haakjes met  2x"
                       "\ren alle termen tussen de tweede haakjes met  4x"
                       "\r\rJe krijgt dan: 2x² +  6x  +   20x² + -24x"
                       "\r\rNeem dan de gelijksoortige termen bijelkaar."
                       "\r\rHet antwoord wordt dan:  A";

        QTest::newRow("level 3 kind 1")
            << opgave(3, 1, 't', {2, 3, -1, 4}, {1, -1})
            << begin + "\r\rJe kunt het ook schrijven als ( 2t +  3)(-t + -4)"
                       "\r\rWerk eerst de haakjes weg."
                       "\r\rVermenigvuldig  2t met -t en met -4"
                       "\ren vermenigvuldig  3 met -t en met -4\ren zet er plussen tussen."
                       "\r\rJe krijgt dan:-2t² + -8t + -3t + -12"
                       "\r\rNeem dan de gelijksoortige termen bijelkaar."
                       "\r\rHet antwoord wordt dan:  A";
        QTest::newRow("level 3 square: always rewritten")
            << opgave(3, 2, 'x', {1, 3, 1, 3}, {1, 1})
            << begin + "\r\rJe kunt het ook schrijven als (x +  3)(x +  3)"
                       "\r\rWerk eerst de haakjes weg."
                       "\r\rVermenigvuldig x met x en met  3"
                       "\ren vermenigvuldig  3 met x en met  3\ren zet er plussen tussen."
                       "\r\rJe krijgt dan:x² +  3x +  3x +  9"
                       "\r\rNeem dan de gelijksoortige termen bijelkaar."
                       "\r\rHet antwoord wordt dan:  A";

        const QString tel = "\r\rTel dan de rest er bij op en neem dan de gelijksoortige termen "
                            "bijelkaar.\r\rHet antwoord wordt dan:  A";
        QTest::newRow("level 4 kind 1: times s3·m")
            << opgave(4, 1, 'x', {1, 2, 1, 3, 0, 0, 5, 2}, {1, 1, -1, 1})
            << begin +
                   "\r\rVermenigvuldig eerst wat tussen haakjes staat met elkaar"
                   "\r\rVermenigvuldig x met x en met  3"
                   "\ren vermenigvuldig  2 met x en met  3"
                   "\r\rJe krijgt dan:x² +  3x +  2x +  6"
                   "\r\rVermenigvuldig dat met -2" +
                   tel;
        QTest::newRow("level 4 kind 2: square")
            << opgave(4, 2, 'x', {2, 1, 2, 1, 0, 0, 5, 3}, {-1, -1, 1, 1})
            << begin +
                   "\r\rJe kunt (.....)² ook schrijven als ( 2x + -1)( 2x + -1)"
                   "\r\rVermenigvuldig eerst wat tussen haakjes staat met elkaar"
                   "\r\rVermenigvuldig  2x met  2x en met -1"
                   "\ren vermenigvuldig -1 met  2x en met -1"
                   "\r\rJe krijgt dan: 4x² + -2x + -2x +  1"
                   "\r\rVermenigvuldig dat met  3" +
                   tel;
        QTest::newRow("level 4 kind 3: times m")
            << opgave(4, 3, 'x', {1, 1, -2, 5, 0, 0, 3, 4}, {1, -1, -1, 1})
            << begin +
                   "\r\rVermenigvuldig eerst wat tussen haakjes staat met elkaar"
                   "\r\rVermenigvuldig x met -2x en met -5"
                   "\ren vermenigvuldig  1 met -2x en met -5"
                   "\r\rJe krijgt dan:-2x² + -5x + -2x + -5"
                   "\r\rVermenigvuldig dat met  4" +
                   tel;
        QTest::newRow("level 4 kind 4: square")
            << opgave(4, 4, 'a', {3, 2, 3, 2, 0, 0, 1, 1}, {1, 1, -1, -1})
            << begin +
                   "\r\rJe kunt (.....)² ook schrijven als ( 3a +  2)( 3a +  2)"
                   "\r\rVermenigvuldig eerst wat tussen haakjes staat met elkaar"
                   "\r\rVermenigvuldig  3a met  3a en met  2"
                   "\ren vermenigvuldig  2 met  3a en met  2"
                   "\r\rJe krijgt dan: 9a² +  6a +  6a +  4"
                   "\r\rVermenigvuldig dat met  1" +
                   tel;
    }
    void uitleg()
    {
        QFETCH(Opgave, o);
        QFETCH(QString, tekst);
        QCOMPARE(haakjes::uitleg(o), tekst);
    }
};

TK_TEST(HaakjesUitlegTest)
#include "haakjes_uitleg_test.moc"
