// Factoring problems: exact draws and rejections, judging and the explanation.
#include "exercises/algebra/ontbinden.h"
#include "testmain.h"

#include <numeric>

using namespace ontbinden;

Q_DECLARE_METATYPE(ontbinden::Opgave)

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

// The problems judged below, each with its text and right answer.
const Opgave& opgave(int i)
{
    static const Opgave opgaven[] = {
        maak(1, 1, {0, 4, 1, 10, 4, 9, 13, 20, 1, 2}), // 6x² + 15x
        maak(1, 4, {0, 4, 1, 10, 4, 9, 7, 20, 1, 2}),  // -6x - 15
        maak(2, 4,
             {0, 4, 3, 10, 0, 2, 2, 80, 0, 2, 1, 10, 0, 2, 4, 80, 0, 2}), // p = 4, q = 3 redrawn
        maak(2, 1, {0, 4, 0, 10, 1, 2, 7, 10, 0, 2}),                     // p = -1, q = 9
        maak(3, 3, {0, 4, 1, 10, 0, 2, 1, 10, 0, 2, 1, 6, 0, 2}),         // rising powers
        maak(3, 4, {0, 4, 0, 10, 0, 2, 0, 10, 0, 2, 2, 10, 0, 2}),        // only a factor
        maak(2, 1, {0, 4, 4, 10, 0, 2, 3, 10, 1, 2}),                     // p + q = 0
        // Kind 4 with a negative constant term (c = 2, s = -1) is drawn again.
        maak(1, 3, {0, 4, 1, 10, 2, 9, 12, 20, 0, 2, 1, 10, 2, 9, 12, 20, 1, 2})};
    return opgaven[i];
}

Opgave metGetallen(int niveau, int soort, char letter, std::vector<int> cabpqk)
{
    Opgave o;
    o.niveau = niveau, o.soort = soort, o.letter = QLatin1Char(letter);
    cabpqk.resize(6);
    o.c = cabpqk[0], o.a = cabpqk[1], o.b = cabpqk[2];
    o.p = cabpqk[3], o.q = cabpqk[4], o.k = cabpqk[5];
    o.tekst = "T", o.antw = "A"; // repeated as they are by the explanation
    return o;
}

const QString streep(51, QLatin1Char('_'));

} // namespace

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
        QTEST(opgave(i).tekst, "tekst");
        QTEST(opgave(i).antw, "antw");
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
        const auto u = beoordeel(opgave(i), getypt);
        QTEST(u.goed, "goed");
        QTEST(u.beterIs, "beterIs");
    }

    // Over many draws: the answer is the problem's function, typed without
    // blanks it is right, and the draws keep their promises.
    void generatorOverVeleTrekkingen()
    {
        common::SeededRandom r(61206);
        for (int n = 0; n < 3000; ++n) {
            const int niveau = n % 3 + 1;
            const int nr = n / 3 % 10 + 1;
            const Opgave o = maakformule(niveau, nr, r);
            const QByteArray uitleg = (o.tekst + " / " + o.antw).toUtf8();
            QVERIFY2(o.waarden == algebra::waardenVanOpgave(o.antw, o.letter), uitleg);
            QVERIFY2(beoordeel(o, QString(o.antw).remove(' ')).goed, uitleg);
            if (niveau == 1) {
                QCOMPARE(o.soort, nr % 4 + 1);
                QVERIFY(o.a >= 2 && o.a <= 10 && o.b >= 1 && o.b <= 9);
                QVERIFY(std::gcd(o.a, o.b) == 1);
                QVERIFY(o.c >= -10 && o.c <= 9 && o.c != 0);
                QVERIFY2(o.soort != 4 || o.s == 1, uitleg); // constant term positive
            } else if (niveau == 2) {
                QCOMPARE(o.soort, nr % 4 == 0 ? 2 : 1);
                if (o.soort == 2)
                    QVERIFY2(o.p * o.p - 4 * o.q < 0, uitleg);
                else
                    QVERIFY(std::abs(o.q) >= 2 && std::abs(o.q) <= 11);
            } else {
                QVERIFY(o.k != 0 && o.k != 1);
                if (o.soort == 4)
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
        QTest::addColumn<Opgave>("o");
        QTest::addColumn<QString>("zinnen");
        auto rij = [](const char* naam, const Opgave& o, const char* zinnen) {
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
        QFETCH(Opgave, o);
        QFETCH(QString, zinnen);
        const QString u = ontbinden::uitleg(o);
        const QStringList z = zinnen.split('|');
        QCOMPARE(uitlegTitel(o), z[0]);
        QVERIFY(u.startsWith(o.tekst + "\r" + streep));
        for (const QString& zin : z.mid(1))
            QVERIFY2(u.contains(zin), qPrintable(u));
        QVERIFY(u.endsWith("\r\rHet antwoord is dus:  " + o.antw));
    }
};

TK_TEST(OntbindenTest)
#include "ontbinden_test.moc"
