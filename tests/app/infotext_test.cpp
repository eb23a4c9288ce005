#include "app/infotext.h"
#include "testmain.h"

class InfoTextTest : public QObject {
    Q_OBJECT
private slots:
    // The box shows the title, then every line in order, with empty lines
    // between the paragraphs and after each section's heading.
    void linesTitleAndSections()
    {
        const QStringList lines = infotext::lines();
        QCOMPARE(lines.size(), 234);
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 67 && line.startsWith(' '), qPrintable(line));
        QVERIFY(infotext::text().endsWith("\r\n  \r\n"));
        QVERIFY(!infotext::text().contains(QRegularExpression("[^\r]\n|\r[^\n]")));
        QStringList shown = infotext::text().split("\r\n");
        shown.removeLast(); // after the last CR LF
        QCOMPARE(shown.mid(0, 3),
                 (QStringList{"", " Informatie ober het programma Telkompas", ""}));
        int previous = 0;
        for (const char* h : {" Hoeken raden.", " Procenten", " Metriek", " Sommen",
                              " Haakjes wegwerken en eenvoudiger schrijven", " Ontbinden",
                              " Vergelijkingen", " Functies raden"}) {
            const int at = int(shown.indexOf(QString(h)));
            QVERIFY2(at > previous && shown[at + 1].isEmpty(), h);
            previous = at;
        }
        shown = shown.mid(3);
        QVERIFY(shown.count(QString()) > 30); // paragraphs, not one block
        shown.removeAll(QString());
        QCOMPARE(shown, lines);
    }
};

TK_TEST(InfoTextTest)
#include "infotext_test.moc"
