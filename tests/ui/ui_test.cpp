#include "rundriver.h"
#include "testmain.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"
#include "ui/picturebox.h"
#include "ui/timer.h"
#include "ui/twips.h"

#include <QAccessible>

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void controlsArePlacedInTwips()
    {
        QWidget parent;
        ui::Label label(&parent, "x", 270, 1770, 2500, 375);
        QCOMPARE(label.geometry(), QRect(18, 118, 167, 25));
    }

    // Enter on a button clicks it: the menu's test.
    void enterRunsTheHandlerAndOtherKeysReachTheBox()
    {
        QWidget parent;
        ui::TextBox box(&parent, 0, 0, 1500, 300);
        int enters = 0;
        box.onEnter = [&] { ++enters; };
        QTest::keyClicks(&box, "12,5");
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClick(&box, Qt::Key_Enter);
        QCOMPARE(box.text(), QString("12,5"));
        QCOMPARE(enters, 2);
    }

    // A screen reader's press returns before the handler runs, so a box the
    // handler opens keeps no one waiting; the box opens right after.
    void pressReturnsBeforeTheBoxItOpens()
    {
        QWidget parent;
        ui::Button b(&parent, "OK", 0, 0, 1000, 375);
        bool handled = false;
        b.onClick = [&] {
            ui::messageBox("Telkompas", "Pak pen en papier klaar");
            handled = true;
        };
        tktest::BoxWatcher watcher;
        QAccessible::queryAccessibleInterface(&b)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QVERIFY(!handled && watcher.looks == 0);
        QTRY_VERIFY(handled);
        QCOMPARE(watcher.text, QString("Pak pen en papier klaar"));
    }

    // While a box is open the buttons, boxes and timers beneath do nothing.
    void nothingActsWhileABoxIsOpen()
    {
        QWidget parent;
        ui::Button b(&parent, "Naar menu", 0, 0, 1000, 375);
        ui::TextBox box(&parent, 0, 400, 1000, 375);
        ui::Timer t(&parent, 2000);
        int acted = 0;
        b.onClick = box.onEnter = t.onTick = [&] { ++acted; };
        QVERIFY(!t.fire()); // a timer fires only while enabled
        t.setEnabled(true);
        ui::MessageRecorder boxes;
        boxes.whileOpen = [&](const ui::Message&) {
            b.click();
            QTest::keyClick(&box, Qt::Key_Return);
            t.fire();
        };
        ui::messageBox("", "");
        QCOMPARE(acted, 0);
        QVERIFY(t.fire());
        t.setEnabled(false);
        QVERIFY(!t.fire());
        QCOMPARE(acted, 1);
    }

    // A box whose window goes while it is open goes with it, once.
    void aBoxGoesWithItsWindow()
    {
        auto* window = new QWidget;
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        tktest::BoxWatcher watcher([&](int) {
            QCOMPARE(QApplication::activeModalWidget()->parentWidget(), window);
            delete window;
        });
        ui::messageBox("Functies raden", "Deze funktie is verkeerd ingetypt!");
        QCOMPARE(watcher.looks, 1);
    }

    void historyKeepsTheNewestLineInView()
    {
        QWidget parent;
        ui::PictureBox pic(&parent, 0, 0, 3000, 600); // room for about two lines
        pic.setKeepNewestInView(true);
        pic.clear();
        for (int i = 0; i < 10; ++i)
            pic.print(QString("regel %1").arg(i));
        QVERIFY(pic.currentY <= 600);
        QVERIFY(pic.currentY > 0);
    }

    void painterDrawsOnAPlainImageInUserUnits()
    {
        QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        ui::UserPainter p(&img, {0, 0, 5, 5}, QFont()); // 1000 x 1000 units
        p.setSmooth(false);
        p.setColour(Qt::red);
        p.line(0, 600, 1000, 600);
        p.moveTo(100, 100);
        p.print("a\r\nb\r"); // CR LF is one line end; the last CR ends an empty line
        QCOMPARE(p.currentY, 100 + 3 * p.textHeight());
        QCOMPARE(p.currentX, 0.0);
        p.painter().end();
        QCOMPARE(img.pixelColor(150, 120), QColor(Qt::red));
        QCOMPARE(img.pixelColor(150, 121), QColor(Qt::white));
    }

    // One form per name, shown again and unloaded: the viewer's test; a fresh
    // one after unload: the catalogue's. A name without a form shows nothing.
    void anUnknownFormShowsNothing()
    {
        QVERIFY(!ui::FormRegistry::instance().show("no such form"));
    }
};

TK_TEST(UiTest)
#include "ui_test.moc"
