#include "app/infotext.h"
#include "testmain.h"
#include "ui/appsetup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>

// What the program sets up before the menu: Qt in Dutch, its icon, the info text.
class AppSetupTest : public QObject {
    Q_OBJECT
private slots:
    void qtsOwnTextsAreDutch()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_nl.qm"))
            QSKIP("Qt's Dutch translations are not installed");
        QVERIFY(installDutchTranslations(*qApp));
        // The text box's context menu.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QString("&Ongedaan maken"));
    }

    void theIconHasEverySize()
    {
        const QIcon icon = programIcon();
        for (int size : {16, 48, 256})
            QCOMPARE(icon.pixmap(size, size).size(), QSize(size, size));
    }

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
                 (QStringList{"", " Informatie over het programma Telkompas", ""}));
        shown = shown.mid(3);
        QVERIFY(shown.count(QString()) > 30); // paragraphs, not one block
        shown.removeAll(QString());
        QCOMPARE(shown, lines);
    }
};

TK_TEST(AppSetupTest)
#include "appsetup_test.moc"
