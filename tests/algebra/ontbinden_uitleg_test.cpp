#include "common/random.h"
#include "exercises/algebra/ontbinden.h"
#include "testmain.h"

using namespace ontbinden;

Q_DECLARE_METATYPE(ontbinden::Opgave)

namespace {

const QString R = QString(51, QLatin1Char('_'));

// A problem with its numbers set by hand; "T" and "A" stand for the problem
// and its right answer, which the explanation repeats as they are.
Opgave niveau1(int soort, char letter, int c, int a, int b)
{
    Opgave o;
    o.niveau = 1;
    o.soort = soort;
    o.letter = QLatin1Char(letter);
    o.c = c, o.a = a, o.b = b;
    o.tekst = QStringLiteral("T");
    o.antw = QStringLiteral("A");
    return o;
}

Opgave pq(int niveau, int soort, char letter, int p, int q, int k = 0)
{
    Opgave o;
    o.niveau = niveau;
    o.soort = soort;
    o.letter = QLatin1Char(letter);
    o.p = p, o.q = q, o.k = k;
    o.tekst = QStringLiteral("T");
    o.antw = QStringLiteral("A");
    return o;
}

QString kijkEerst(const QString& getal)
{
    return "T\r" + R + "\r\rKijk eerst of je alle termen door eenzelfde getal kunt delen. \r" +
           getal;
}

QString variabele(char L, const QString& antwoord)
{
    return QString("\r\rKijk dan of in alle termen de variabele L voorkomt of misschien L² of "
                   "misschien L³ of zoiets.\r")
               .replace(QLatin1Char('L'), QLatin1Char(L)) +
           antwoord +
           "\r\rAls de eerste term negatief is haal je meestal ook een - buiten haakjes\r";
}

const QString delen = "\rVervolgens deel je alles daardoor, en dat komt tussen de haakjes  "
                      "\r\rHet antwoord is dus:  A";

QString niveau3Begin(char L)
{
    return QString("\r\rKijk of je alle termen door eenzelfde getal kunt delen. \rEn kijk of in "
                   "alle termen de variabele L voorkomt of misschien L² of misschien L³ of "
                   "zoiets.\rAls de eerste term negatief is haal je ook een - buiten haakjes")
        .replace(QLatin1Char('L'), QLatin1Char(L));
}

} // namespace

class OntbindenUitlegTest : public QObject {
    Q_OBJECT
private slots:
    void voorbeeldVanNiveau1()
    {
        // Level 1, kind 2, x, c = 3, a = 2, b = 5, s = +1.
        common::ScriptedRandom r;
        for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {4, 9}, {13, 20}, {1, 2}})
            r.addDraw(k, n);
        const Opgave o = maakformule(1, 1, r);
        QCOMPARE(ontbinden::uitleg(o),
                 "  6x² +  15x\r" + R +
                     "\r\rKijk eerst of je alle termen door eenzelfde getal kunt delen. "
                     "\rDat is hier het getal  3"
                     "\r\rKijk dan of in alle termen de variabele x voorkomt of misschien x² of "
                     "misschien x³ of zoiets.\rDat is hier x"
                     "\r\rAls de eerste term negatief is haal je meestal ook een - buiten haakjes\r"
                     "\rJe haalt dan het volgende buiten haakjes:   3x\r"
                     "\rVervolgens deel je alles daardoor, en dat komt tussen de haakjes  "
                     "\r\rHet antwoord is dus:   3x( 2x +  5)");
        QCOMPARE(uitlegTitel(o), QString("Ontbinden"));
    }

    void nietTeOntbindenGeeftDeOpgaveZelf()
    {
        common::ScriptedRandom r;
        for (auto [k, n] : {std::pair{2, 4}, {1, 10}, {0, 2}, {4, 80}, {0, 2}})
            r.addDraw(k, n);
        const Opgave o = maakformule(2, 8, r);
        QCOMPARE(o.soort, 2);
        QCOMPARE(ontbinden::uitleg(o),
                 " a² +  2a +  5\r" + R +
                     "\r\rZoek twee getallen waarvan de som  2 is en het product  5"
                     "\rDie zijn er niet !\rHet is dus niet te ontbinden"
                     "\r\rHet antwoord is dus:   a² +  2a +  5");
        QCOMPARE(uitlegTitel(o), QString("Ontbinden"));
    }

    void uitleg_data()
    {
        QTest::addColumn<Opgave>("o");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("titel");
        QTest::newRow("level 1 kind 1, c = 1: nothing to take out")
            << niveau1(1, 'x', 1, 2, 5)
            << kijkEerst("Dat is hier niet het geval") +
                   variabele('x', "Dat is hier niet het geval") +
                   "\rHier valt dus niets buiten haakjes te halen\r\rHet antwoord is dus:  A"
            << "Ontbinden";
        QTest::newRow("level 1 kind 1, negative factor")
            << niveau1(1, 'x', -3, 2, 5)
            << kijkEerst("Dat is hier het getal  3") +
                   variabele('x', "Dat is hier niet het geval") +
                   "\rJe haalt dan het volgende buiten haakjes:  -3" + delen
            << "Ontbinden";
        QTest::newRow("level 1 kind 3, factor -1")
            << niveau1(3, 't', -1, 2, 3)
            << kijkEerst("Dat is hier niet het geval") + variabele('t', "Dat is hier t²") +
                   "\rJe haalt dan het volgende buiten haakjes:  -t²\r" + delen
            << "Ontbinden";
        QTest::newRow("level 1 kind 4")
            << niveau1(4, 'p', 2, 2, 3)
            << kijkEerst("Dat is hier het getal  2") +
                   variabele('p', "Dat is hier niet het geval") +
                   "\rJe haalt dan het volgende buiten haakjes:   2" + delen
            << "Ontbinden";
        QTest::newRow("level 1 kind 4, c = 1")
            << niveau1(4, 'p', 1, 2, 3)
            << kijkEerst("Dat is hier niet het geval") +
                   variabele('p', "Dat is hier niet het geval") +
                   "\rHier valt dus niets buiten haakjes te halen\r\rHet antwoord is dus:  A"
            << "Ontbinden";

        QTest::newRow("level 2 kind 1")
            << pq(2, 1, 'x', -1, 9)
            << "T\r" + R +
                   "\r\rZoek twee getallen waarvan de som  8 is en het product -9"
                   "\rDat zijn -1 en  9\rJe krijgt dan  (x + -1)(x +  9)\r"
                   "\rHet antwoord is dus:  A"
            << "ontbinden";
        QTest::newRow("level 2 kind 2")
            << pq(2, 2, 'x', 2, 5)
            << "T\r" + R +
                   "\r\rZoek twee getallen waarvan de som  2 is en het product  5"
                   "\rDie zijn er niet !\rHet is dus niet te ontbinden\r\rHet antwoord is dus:  A"
            << "Ontbinden";

        QTest::newRow("level 3 kind 1")
            << pq(3, 1, 'a', 3, -4, -2)
            << "T\r" + R + niveau3Begin('a') +
                   "\r\rJe haalt dus het volgende buiten haakjes:  -2"
                   "\r\rJe krijgt dan:  -2(a² - a -  12)"
                   "\r\rZoek dan twee getallen waarvan de som -1 is en het product -12"
                   "\rDat zijn  3 en -4\r\rHet antwoord is dus:  A"
            << "ontbinden";
        QTest::newRow("level 3 kind 2")
            << pq(3, 2, 'x', 1, 2, 3)
            << "T\r" + R + niveau3Begin('x') +
                   "\r\rJe haalt dus het volgende buiten haakjes:   3x"
                   "\r\rJe krijgt dan:   3x(x² +  3x +  2)"
                   "\r\rZoek dan twee getallen waarvan de som  3 is en het product  2"
                   "\rDat zijn  1 en  2\r\rHet antwoord is dus:  A"
            << "ontbinden";
        QTest::newRow("level 3 kind 3: put in order first")
            << pq(3, 3, 'x', 2, 3, 2)
            << "T\r" + R +
                   "\rZet de termen eerst in de juiste volgorde.\rJe krijgt dan:   2x³ +  10x² +  "
                   "12x" +
                   niveau3Begin('x') +
                   "\r\rJe haalt dus het volgende buiten haakjes:   2x"
                   "\r\rJe krijgt dan:   2x(x² +  5x +  6)"
                   "\r\rZoek dan twee getallen waarvan de som  5 is en het product  6"
                   "\rDat zijn  2 en  3\r\rHet antwoord is dus:  A"
            << "ontbinden";
        QTest::newRow("level 3 kind 4")
            << pq(3, 4, 't', 1, 1, -1)
            << "T\r" + R + niveau3Begin('t') +
                   "\r\rJe haalt dus het volgende buiten haakjes:  -t"
                   "\r\rJe krijgt dan:  -t(t² + t +  1)"
                   "\r\rZoek dan twee getallen waarvan de som  1 is en het product  1"
                   "\rDie zijn er niet\r\rHet antwoord is dus:  A"
            << "ontbinden";
    }
    void uitleg()
    {
        QFETCH(Opgave, o);
        QFETCH(QString, tekst);
        QFETCH(QString, titel);
        QCOMPARE(ontbinden::uitleg(o), tekst);
        QCOMPARE(uitlegTitel(o), titel);
    }
};

TK_TEST(OntbindenUitlegTest)
#include "ontbinden_uitleg_test.moc"
