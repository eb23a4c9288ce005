#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/percentages/moneytext.h"
#include "exercises/percentages/perccheck.h"
#include "exercises/percentages/percexplanation.h"
#include "exercises/percentages/percproblem.h"
#include "testmain.h"

#include <set>

using namespace percentages;
using common::ScriptedRandom;

namespace {

const QString cr(QChar(13));
const QString crlf("\r\n");

Opgave opgave(int soort, int prijs, int perc)
{
    ScriptedRandom r;
    r.addDraw(prijs - 1000, 3000);
    r.addDraw(perc - 2, 30);
    return maakopgave(soort, r);
}

} // namespace

class PercentagesLogicTest : public QObject {
    Q_OBJECT
private slots:
    void moneyText_data()
    {
        QTest::addColumn<float>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole price keeps its blank") << 2522.0f << " 2522.00";
        QTest::newRow("one decimal gets a zero") << 731.4f << " 731.40";
        QTest::newRow("two decimals stay") << 731.38f << " 731.38";
        QTest::newRow("third decimal is cut, not rounded") << 12.349f << " 12.34";
        QTest::newRow("cut even when it would round up") << 1.999f << " 1.99";
        QTest::newRow("below one gets a zero and a blank") << 0.5f << " 0.50";
        QTest::newRow("small amount cut") << 0.125f << " 0.12";
        QTest::newRow("single precision: seven digits") << 5238.6899f << " 5238.69";
    }
    void moneyText()
    {
        QFETCH(float, amount);
        QFETCH(QString, text);
        QCOMPARE(formatgetal(amount), text);
    }

    void drawsStayInRange()
    {
        common::SeededRandom random(8);
        std::set<int> prices, percentages;
        for (int i = 0; i < 20000; ++i) {
            const Opgave o = maakopgave(i % 5 + 1, random);
            QVERIFY(o.prijs >= 1000 && o.prijs <= 3999);
            QVERIFY(o.perc >= 2 && o.perc <= 31);
            prices.insert(o.prijs);
            percentages.insert(o.perc);
            // Typed back, the right answer as shown is right.
            QVERIFY2(beoordeel(o, o.juist.trimmed()).goed, qPrintable(o.regel1 + o.regel2));
        }
        QCOMPARE(*prices.begin(), 1000);
        QCOMPARE(*prices.rbegin(), 3999);
        QCOMPARE(int(percentages.size()), 30);
    }

    void kindsPerPlayer()
    {
        QList<int> first, second;
        for (int nr = 1; nr <= 10; ++nr) {
            first << soortSpeler1(nr);
            second << soortSpeler2(nr);
        }
        QCOMPARE(first, (QList<int>{2, 3, 4, 5, 1, 2, 3, 4, 5, 1}));
        QCOMPARE(second, (QList<int>{4, 5, 1, 2, 3, 4, 5, 1, 2, 3}));
    }

    void problems_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<double>("answer");
        QTest::addColumn<QString>("juist");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("layout"); // third line, box width, box left 1 and 2
        const QList<int> wide{2700, 900, 2820, 6480};
        QTest::newRow("1 discount in percent")
            << 1 << 29.0 << " 29"
            << QStringList{" Een apparaat kost €  2522.00", " Het wordt €  731.38 goedkoper",
                           " Hoeveel % goedkoper ?"}
            << wide;
        QTest::newRow("2 old price before a rise")
            << 2 << 2522.0 << " 2522.00"
            << QStringList{" Een apparaat kost €  3253.38", " Het is  29 % duurder geworden",
                           " Wat was de oude prijs ?"}
            << wide;
        QTest::newRow("3 new price after a rise")
            << 3 << 3253.38 << " 3253.38"
            << QStringList{" Een apparaat kost €  2522.00", " Het wordt  29 % duurder",
                           " Wat is de nieuwe prijs ?"}
            << wide;
        QTest::newRow("4 old price before a discount")
            << 4 << 2522.0 << " 2522.00"
            << QStringList{" Een apparaat kost €  1790.62 Het", " is  29 % goedkoper geworden",
                           " Wat was de oude prijs ?"}
            << wide;
        QTest::newRow("5 percentage of a rise")
            << 5 << 29.0 << " 29"
            << QStringList{" Een apparaat kost nu €  3253.38", " Het kostte eerst  2522.00",
                           " Hoeveel % prijsverhoging ?"}
            << QList<int>{3100, 500, 3220, 6880};
    }
    void problems()
    {
        QFETCH(int, soort);
        QFETCH(double, answer);
        QFETCH(QString, juist);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, layout);
        const Opgave o = opgave(soort, 2522, 29);
        QCOMPARE(o.antwoordWaarde, answer);
        QCOMPARE(o.juist, juist);
        QCOMPARE((QStringList{o.regel1, o.regel2, o.regel3}), lines);
        QCOMPARE((QList<int>{o.regel3Breedte, o.antwoordBreedte, o.antwoordLinks(1),
                             o.antwoordLinks(2)}),
                 layout);
    }

    void typedAnswers_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<int>("perc");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("goed");
        QTest::newRow("15 % with a comma") << 1 << 15 << "15,0" << true;
        QTest::newRow("15 % with two decimals") << 1 << 15 << "15.00" << true;
        QTest::newRow("15 % rounded the wrong way") << 1 << 15 << "14.99" << false;
        QTest::newRow("new price with a point") << 3 << 29 << "3253.38" << true;
        QTest::newRow("new price with a comma") << 3 << 29 << "3253,38" << true;
        QTest::newRow("new price within the margin") << 3 << 29 << "3253.38009" << true;
        QTest::newRow("new price just outside the margin") << 3 << 29 << "3253.3802" << false;
        QTest::newRow("old price without decimals") << 2 << 29 << "2522" << true;
        QTest::newRow("old price off by a cent") << 4 << 29 << "2522.01" << false;
        QTest::newRow("only the first comma is a point") << 5 << 29 << "29,0,1" << true;
    }
    void typedAnswers()
    {
        QFETCH(int, soort);
        QFETCH(int, perc);
        QFETCH(QString, typed);
        QFETCH(bool, goed);
        QCOMPARE(beoordeel(opgave(soort, 2522, perc), typed).goed, goed);
    }

    void lines_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("results");
        QTest::newRow("1 right") << 1 << "29"
                                 << "100 % =  2522.00  Hoeveel % is  731.38 ?" + cr + "29    Goed"
                                 << "100 % =  2522.00  Hoeveel % is  731.38 ?     29    Goed";
        QTest::newRow("1 wrong")
            << 1 << "30"
            << "100 % =  2522.00  Hoeveel % is  731.38 ?" + cr + "30     Fout ,het is  29"
            << "100 % =  2522.00  Hoeveel % is  731.38 ?   30     Fout ,het is  29";
        QTest::newRow("2 right") << 2 << "2522"
                                 << "oud +  29 % is  3253.38    Oude prijs ?" + cr + "2522    Goed"
                                 << "oud +  29 % is  3253.38    Oude prijs ?" + crlf +
                                        "2522    Goed";
        QTest::newRow("2 wrong")
            << 2 << "2500"
            << "oud +  29 % is  3253.38 Oude prijs ?" + cr + "2500      Fout ,het is  2522.00"
            << "oud +  29 % is  3253.38 Oude prijs ?   2500      Fout ,het is  2522.00";
        QTest::newRow("3 right, comma typed")
            << 3 << "3253,38"
            << "100 % =  2522.00  Hoeveel is  129% ?" + cr + "3253.38    Goed"
            << "100 % =  2522.00  Hoeveel is  129% ?     3253.38    Goed";
        QTest::newRow("3 wrong")
            << 3 << "3253"
            << "100 % =  2522.00  Hoeveel is  129% ?" + cr + "3253     Fout ,het is  3253.38 "
            << "100 % =  2522.00  Hoeveel is  129% ?       3253     Fout ,het is  3253.38 ";
        QTest::newRow("4 right") << 4 << "2522.00"
                                 << "oud -  29 % is  1790.62    Oude prijs ?" + cr +
                                        "2522.00    Goed"
                                 << "oud -  29 % is  1790.62    Oude prijs ?" + crlf +
                                        "2522.00    Goed";
        QTest::newRow("4 wrong")
            << 4 << "2309.90"
            << "oud -  29 % is  1790.62 Oude prijs ?" + cr + "2309.90      Fout ,het is  2522.00"
            << "oud -  29 % is  1790.62 Oude prijs ?    2309.90      Fout ,het is  2522.00";
        QTest::newRow("5 right") << 5 << "29"
                                 << "oud= 2522.00 nieuw= 3253.38   Perc. prijsverh?" + cr +
                                        "29    Goed"
                                 << "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?" +
                                        crlf + "29     Goed";
        QTest::newRow("5 wrong") << 5 << "129"
                                 << "oud= 2522.00 nieuw= 3253.38 Perc. prijsverh?" + cr +
                                        "129      Fout ,het is  29"
                                 << "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?     "
                                    "129      Fout ,het is  29";
    }
    void lines()
    {
        QFETCH(int, soort);
        QFETCH(QString, typed);
        QFETCH(QString, history);
        QFETCH(QString, results);
        const Opgave o = opgave(soort, 2522, 29);
        const Beoordeling b = beoordeel(o, typed);
        const bool goed =
            QTest::currentDataTag() == QByteArray(QTest::currentDataTag()).replace("wrong", "");
        QCOMPARE(b.goed, goed);
        QCOMPARE(b.terugmelding, goed ? QString() : "nee, het is " + o.juist);
        QCOMPARE(b.geschiedenis, history);
        QCOMPARE(b.verslagregel, results);
    }

    void explanations_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QStringList>("table"); // percentages, amounts, computation, answer
        QTest::newRow("1") << 1
                           << QStringList{" 100 %                    ....... %",
                                          " 2522.00               731.38",
                                          "Het wordt dus:   100 x  731.38 /  2522.00",
                                          "Het antwoord is :   29"};
        QTest::newRow("2") << 2
                           << QStringList{"  129 %                   100 %",
                                          " 3253.38               ....... ",
                                          "Het wordt dus:  100 x  3253.38 /  129",
                                          "Het antwoord is :   2522.00"};
        QTest::newRow("3") << 3
                           << QStringList{" 100 %                      129 %",
                                          " 2522.00               ....... ",
                                          "Het wordt dus:   129 x  2522.00 / 100 ",
                                          "Het antwoord is :   3253.38"};
        QTest::newRow("4") << 4
                           << QStringList{"  71 %                   100 %",
                                          " 1790.62               ....... %",
                                          "Het wordt dus:   100 x  1790.62 /  71",
                                          "Het antwoord is :   2522.00"};
        QTest::newRow("5") << 5
                           << QStringList{" 100 %                     ....... %",
                                          " 2522.00                3253.38",
                                          "Het wordt dus:   100 x  3253.38 /  2522.00 =  129",
                                          "De prijsverhoging is dan :   129 - 100 =  29 %"};
    }
    void explanations()
    {
        QFETCH(int, soort);
        QFETCH(QStringList, table);
        const Opgave o = opgave(soort, 2522, 29);
        // The captions as they stand on the form, which the explanation repeats.
        const QStringList expected{"regel een",
                                   "regel twee",
                                   "regel drie",
                                   "",
                                   QString(45, '_'),
                                   "",
                                   "Maak een verhoudingstabel, zet de percentages boven",
                                   "",
                                   table[0],
                                   " ",
                                   "",
                                   table[1],
                                   "",
                                   "",
                                   "In zo'n tabel zijn de kruisproducten gelijk",
                                   "",
                                   table[2],
                                   "",
                                   "",
                                   table[3]};
        QCOMPARE(uitleg(o, "regel een", "regel twee", "regel drie").split(cr), expected);
    }
};

TK_TEST(PercentagesLogicTest)
#include "percentages_logic_test.moc"
