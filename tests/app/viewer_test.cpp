#include "app/viewerform.h"
#include "rundriver.h"
#include "testmain.h"
#include "ui/formregistry.h"

#include <QTextBlock>
#include <QTextDocument>

class ViewerTest : public QObject {
    Q_OBJECT

    ui::FormRegistry& reg = ui::FormRegistry::instance();
    ViewerForm* v = nullptr;

    // Clicks the button and waits until the whole file is in the box.
    QString showFile(int index)
    {
        QTest::mouseClick(v->menu[index], Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return !v->loader.busy(); }, 60000))
            return QStringLiteral("(still loading)");
        return v->tInfo->contents();
    }

private slots:
    void init()
    {
        reg.add("wismenu", [] { return new tktest::MenuProbe; });
        tktest::MenuProbe::shown = 0;
        reg.add("bekijken", [] { return new ViewerForm; });
        v = qobject_cast<ViewerForm*>(reg.show("bekijken"));
        QVERIFY(v);
    }
    void cleanup()
    {
        reg.unloadAll();
        tktest::removeResultsFiles();
    }

    // No button lies on another (which file each opens: the catalogue's test).
    void buttonGrid()
    {
        for (const ui::Button* a : v->menu)
            for (const ui::Button* b : v->menu)
                QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
    }

    // Windows-1252 lines beside UTF-8 lines, CR LF ends; a missing file
    // says so and an empty one leaves the box empty.
    void showsTheFileLineByLine()
    {
        tktest::writeFile("oefset3_2.txt", "Jos\xe9 \x80 5\r\n\r\nJos\xc3\xa9 \xe2\x82\xac 5\r\n");
        QCOMPARE(showFile(7), QString::fromUtf8("José € 5\n\nJosé € 5\n"));
        QVERIFY(v->menu[7]->isMarked() && v->tInfo->isReadOnly());
        QCOMPARE(showFile(20), QString("\n Geen antwoorden voor dit onderdeel gevonden\n"));
        tktest::writeFile("oefset6_2.txt", "");
        QCOMPARE(showFile(20), QString());
    }

    // A large file: its start is in the box as soon as the click returns, the
    // window goes on answering (another button works) and the rest follows.
    void aLargeFileShowsItsStartAtOnceAndTheRestLater()
    {
        QByteArray big;
        for (int i = 0; i < 200000; ++i)
            big += "regel " + QByteArray::number(i) + "   12 x 3 =  36   goed\r\n";
        tktest::writeFile("oefset7_7.txt", big);
        tktest::writeFile("oefset1.txt", "klein\r\n");
        QTest::mouseClick(v->menu[32], Qt::LeftButton);
        QVERIFY(v->loader.busy());
        QVERIFY(v->tInfo->lineCount() > 100);
        QCOMPARE(v->tInfo->line(0), QString("regel 0   12 x 3 =  36   goed"));
        QCOMPARE(showFile(1), QString("klein\n")); // nothing of the big file comes after
        QCOMPARE(showFile(32).size(), big.size() - 200000);
        QCOMPARE(v->tInfo->lineCount(), 200000);
        QCOMPARE(v->tInfo->line(199999), QString("regel 199999   12 x 3 =  36   goed"));
    }

    // The back button and closing the window both show the menu and unload the viewer.
    void bothWaysBackShowTheMenu()
    {
        QPointer<ViewerForm> viewer = v;
        QTest::mouseClick(v->menu[0], Qt::LeftButton);
        QWidget* menu = reg.find("wismenu");
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(tktest::MenuProbe::shown, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
        QVERIFY(reg.show("bekijken")->close());
        QVERIFY(menu->isVisible() && !reg.find("bekijken"));
        QCOMPARE(tktest::MenuProbe::shown, 2);
    }
};

TK_TEST(ViewerTest)
#include "viewer_test.moc"
