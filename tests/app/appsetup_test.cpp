#include "app/appsetup.h"
#include "testmain.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>

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
};

TK_TEST(AppSetupTest)
#include "appsetup_test.moc"
