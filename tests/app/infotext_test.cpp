#include "app/infotext.h"
#include "testmain.h"

class InfoTextTest : public QObject {
    Q_OBJECT
private slots:
    // The box shows the title, then every line in order, with empty lines
    // between the paragraphs.
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
        shown = shown.mid(3);
        QVERIFY(shown.count(QString()) > 30); // paragraphs, not one block
        shown.removeAll(QString());
        QCOMPARE(shown, lines);
    }
};

TK_TEST(InfoTextTest)
#include "infotext_test.moc"
