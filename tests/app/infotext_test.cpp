#include "app/infotext.h"
#include "testmain.h"

class InfoTextTest : public QObject {
    Q_OBJECT

    const QStringList lines = infotext::lines();
    const QString headings[8] = {" Hoeken raden.",
                                 " Procenten",
                                 " Metriek",
                                 " Sommen",
                                 " Haakjes wegwerken en eenvoudiger schrijven",
                                 " Ontbinden",
                                 " Vergelijkingen",
                                 " Functies raden"};

    // The lines as the box shows them, title and empty lines included.
    QStringList shown() const
    {
        QStringList out = infotext::text().split("\r\n");
        out.removeLast(); // after the last CR LF
        return out;
    }

private slots:
    void hasTwoHundredThirtyFourShortLines()
    {
        QCOMPARE(lines.size(), 234);
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= 67, qPrintable(line));
            QVERIFY2(line.startsWith(' '), qPrintable(line));
        }
        QCOMPARE(lines.last(), QString("  "));
    }

    void opensWithAnEmptyLineAndTheTitle()
    {
        const QStringList s = shown();
        QCOMPARE(s[0], QString());
        QCOMPARE(s[1], QString(" Informatie ober het programma Telkompas"));
        QCOMPARE(s[2], QString());
        QVERIFY(infotext::text().endsWith("  \r\n"));
        QVERIFY(!infotext::text().contains(QRegularExpression("[^\r]\n|\r[^\n]")));
    }

    void everyLineIsShownInOrderWithEmptyLinesBetweenParagraphs()
    {
        QStringList s = shown().mid(3);
        s.removeAll(QString());
        QCOMPARE(s, lines);
        const int empties = shown().mid(3).count(QString());
        QVERIFY(empties > 30); // paragraphs, not one block
    }

    void sectionsComeInOrderEachWithAnEmptyLineAfterItsHeading()
    {
        const QStringList s = shown();
        int previous = 0;
        for (const QString& h : headings) {
            const int at = int(s.indexOf(h));
            QVERIFY2(at > previous, qPrintable(h));
            QCOMPARE(s[at + 1], QString());
            previous = at;
        }
    }
};

TK_TEST(InfoTextTest)
#include "infotext_test.moc"
