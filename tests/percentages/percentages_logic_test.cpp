#include "common/random.h"
#include "exercises/percentages/moneytext.h"
#include "exercises/percentages/perccheck.h"
#include "exercises/percentages/percexplanation.h"
#include "exercises/percentages/percproblem.h"
#include "testmain.h"

using namespace percentages;

// The worked example of every kind: 2522 euro and 29 %.
class PercentagesLogicTest : public QObject {
    Q_OBJECT
private slots:
    void moneyText_data()
    {
        QTest::addColumn<float>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal gets a zero") << 731.4f << " 731.40";
        QTest::newRow("cut, not rounded") << 1.999f << " 1.99";
        QTest::newRow("below one gets a zero and a blank") << 0.5f << " 0.50";
        QTest::newRow("single precision: seven digits") << 5238.6899f << " 5238.69";
    }
    void moneyText()
    {
        QFETCH(float, amount);
        QTEST(percentages::moneyText(amount), "text");
    }

    // The answer as shown is right; the typed value must lie within 0.0001 of
    // the exact answer; only the first comma becomes a point.
    void answerCheck()
    {
        common::SeededRandom random(8);
        for (int i = 0; i < 20000; ++i) {
            const Problem o = generate(i % 5 + 1, random);
            QVERIFY2(check(o, o.answerText.trimmed()).right, qPrintable(o.line1 + o.line2));
        }
        const Problem rise = generate(3, 2522, 29); // 3253.38
        QVERIFY(check(rise, "3253.38009").right);
        QVERIFY(!check(rise, "3253.3802").right);
        QVERIFY(check(generate(5, 2522, 29), "29,0,1").right);
    }

    // Per kind: the three lines (| between them); the ratio table of the
    // explanation (percentages, amounts, the computation and the answer as
    // shown); and for a right and a wrong answer typed: the history (CR
    // between its two lines) and the results line (CR LF where it breaks).
    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("right");
        QTest::addColumn<QStringList>("wrong");
        const QString h1 = "100 % =  2522.00  Hoeveel % is  731.38 ?";
        const QString h3 = "100 % =  2522.00  Hoeveel is  129% ?";
        const QString h5 = "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?";
        QTest::newRow("1 discount in percent")
            << 1
            << " Een apparaat kost €  2522.00| Het wordt €  731.38 goedkoper| Hoeveel % goedkoper ?"
            << " 100 %                    ....... %| 2522.00               731.38|Het wordt dus:   "
               "100 x  731.38 /  2522.00|Het antwoord is :   29"
            << QStringList{"29", h1 + "\r29    Goed", h1 + "     29    Goed"}
            << QStringList{"30", h1 + "\r30     Fout ,het is  29",
                           h1 + "   30     Fout ,het is  29"};
        QTest::newRow("2 old price before a rise")
            << 2
            << " Een apparaat kost €  3253.38| Het is  29 % duurder geworden| Wat was de oude "
               "prijs ?"
            << "  129 %                   100 %| 3253.38               ....... |Het wordt dus:  "
               "100 x  3253.38 /  129|Het antwoord is :   2522.00"
            << QStringList{"2522", "oud +  29 % is  3253.38    Oude prijs ?\r2522    Goed",
                           "oud +  29 % is  3253.38    Oude prijs ?\r\n2522    Goed"}
            << QStringList{
                   "2500", "oud +  29 % is  3253.38 Oude prijs ?\r2500      Fout ,het is  2522.00",
                   "oud +  29 % is  3253.38 Oude prijs ?   2500      Fout ,het is  2522.00"};
        QTest::newRow("3 new price after a rise")
            << 3
            << " Een apparaat kost €  2522.00| Het wordt  29 % duurder| Wat is de nieuwe prijs ?"
            << " 100 %                      129 %| 2522.00               ....... |Het wordt dus:   "
               "129 x  2522.00 / 100 |Het antwoord is :   3253.38"
            << QStringList{"3253,38", h3 + "\r3253.38    Goed", h3 + "     3253.38    Goed"}
            << QStringList{"3253", h3 + "\r3253     Fout ,het is  3253.38 ",
                           h3 + "       3253     Fout ,het is  3253.38 "};
        QTest::newRow("4 old price before a discount")
            << 4
            << " Een apparaat kost €  1790.62 Het| is  29 % goedkoper geworden| Wat was de oude "
               "prijs ?"
            << "  71 %                   100 %| 1790.62               ....... %|Het wordt dus:   "
               "100 x  1790.62 /  71|Het antwoord is :   2522.00"
            << QStringList{"2522.00", "oud -  29 % is  1790.62    Oude prijs ?\r2522.00    Goed",
                           "oud -  29 % is  1790.62    Oude prijs ?\r\n2522.00    Goed"}
            << QStringList{
                   "2309.90",
                   "oud -  29 % is  1790.62 Oude prijs ?\r2309.90      Fout ,het is  2522.00",
                   "oud -  29 % is  1790.62 Oude prijs ?    2309.90      Fout ,het is  2522.00"};
        QTest::newRow("5 percentage of a rise")
            << 5
            << " Een apparaat kost nu €  3253.38| Het kostte eerst  2522.00| Hoeveel % "
               "prijsverhoging ?"
            << " 100 %                     ....... %| 2522.00                3253.38|Het wordt "
               "dus:  "
               " 100 x  3253.38 /  2522.00 =  129|De prijsverhoging is dan :   129 - 100 =  29 %"
            << QStringList{"29", "oud= 2522.00 nieuw= 3253.38   Perc. prijsverh?\r29    Goed",
                           h5 + "\r\n29     Goed"}
            << QStringList{
                   "129", "oud= 2522.00 nieuw= 3253.38 Perc. prijsverh?\r129      Fout ,het is  29",
                   h5 + "     129      Fout ,het is  29"};
    }
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, lines);
        QFETCH(QString, table);
        const Problem o = generate(kind, 2522, 29);
        QCOMPARE(o.line1 + "|" + o.line2 + "|" + o.line3, lines);
        // The explanation repeats the three lines as they stand on the form.
        const QStringList t = table.split('|');
        QCOMPARE(explain(o, "een", "twee", "drie"),
                 "een\rtwee\rdrie\r\r" + QString(45, '_') +
                     "\r\rMaak een verhoudingstabel, zet de percentages boven\r\r" + t[0] +
                     "\r \r\r" + t[1] + "\r\r\rIn zo'n tabel zijn de kruisproducten gelijk\r\r" +
                     t[2] + "\r\r\r" + t[3]);
        // The feedback of a wrong answer gives the answer as shown.
        QFETCH(QStringList, right);
        QFETCH(QStringList, wrong);
        for (const QStringList& a : {right, wrong}) {
            const run::Verdict b = check(o, a[0]);
            QCOMPARE(b.right, a == right);
            QCOMPARE(b.feedback, b.right ? QString() : "nee, het is " + o.answerText);
            QCOMPARE(b.history, a[1]);
            QCOMPARE(b.log.join("\r\n"), a[2]);
        }
    }
};

TK_TEST(PercentagesLogicTest)
#include "percentages_logic_test.moc"
