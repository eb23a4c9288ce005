// A screen reader must be able to name every control a pupil uses and read
// every text a pupil sees: every form is opened as the menu opens it, played
// through its states, and its widget tree is walked in each (the exercise
// runs in the catalogue's test).
#include "app/formlist.h"
#include "app/menuform.h"
#include "app/overview/overviewwindow.h"
#include "app/viewerform.h"
#include "exercises/angles/anglesform.h"
#include "exercises/graphs/graphsform.h"
#include "exposed.h"
#include "rundriver.h"
#include "testmain.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTemporaryDir>

using tktest::block, tktest::metricPart;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }

    void graphFormExposesWhatItShows()
    {
        tktest::Session s;
        auto* f = tktest::open<GraphsForm>("grafieken", 1, "An", "", 1, "Keuze");
        CHECK_EXPOSED(f, s.messages);
        tktest::type(f->answerBox, QString(f->axes.variable) + QStringLiteral("+100"));
        QVERIFY(f->describeButton->accessibleDescription().contains("Jouw grafiek: "));
        CHECK_EXPOSED(f, s.messages);
        f->describeButton->click();
        f->nextButton->click();
        for (int page = 0; page < 6 && f->helpButton->caption() != QStringLiteral("Terug");
             ++page) {
            f->helpButton->click(); // the cover, then the help pages
            CHECK_EXPOSED(f, s.messages);
        }
        f->menuButton->click();
        CHECK_EXPOSED(f, s.messages);
    }

    void angleFormExposesWhatItShows()
    {
        tktest::Session s;
        auto* f = tktest::open<AnglesForm>("hoeken", 2, "An", "Bo", 1, "Keuze");
        CHECK_EXPOSED(f, s.messages);
        tktest::type(f->answerBox, QStringLiteral("45"));
        tktest::type(f->answerBox, QStringLiteral("90"));
        while (!f->answerLabel->isVisibleTo(f))
            QVERIFY(f->timer->fire());
        CHECK_EXPOSED(f, s.messages);
        QVERIFY(f->timer->fire());
        f->menuButton->click();
        CHECK_EXPOSED(f, s.messages);
    }

    // The menu driven by a screen reader's actions, which do what a click does.
    void menuAndViewerExposeWhatTheyShow()
    {
        tktest::Session s;
        auto* m = tktest::open<MenuForm>("wismenu");
        const auto act = [](QWidget* w, const QString& action) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            QVERIFY(i->actionInterface()->actionNames().contains(action));
            i->actionInterface()->doAction(action);
            QCoreApplication::processEvents(); // the click comes after the action
        };
        CHECK_EXPOSED(m, s.messages);
        for (int choice = 0; choice < 7; ++choice) {
            act(m->menu[choice], QAccessibleActionInterface::pressAction());
            CHECK_EXPOSED(m, s.messages);
            act(m->menu[0], QAccessibleActionInterface::pressAction());
            act(m->playerOptions()[1], QAccessibleActionInterface::toggleAction());
            QVERIFY(m->nameBox2()->isVisibleTo(m));
            QVERIFY(QAccessible::queryAccessibleInterface(m->playerOptions()[1])->state().checked);
            CHECK_EXPOSED(m, s.messages);
            m->activate();
        }
        auto* b = tktest::open<ViewerForm>("bekijken");
        CHECK_EXPOSED(b, s.messages);
        b->tInfo->appendLines({QStringLiteral("An:"), QStringLiteral("  3 + 4 = 7   Goed")});
        CHECK_EXPOSED(b, s.messages);
    }

    // The teachers' class overview: its status lines and a pupil's chart.
    void overviewExposesWhatItShows()
    {
        QTemporaryDir dir;
        tktest::writeFile(dir.filePath("oefset2_1.txt"),
                          block(metricPart("Anna", "2-12-2026", 1, 1)) +
                              block(metricPart("Anna", "4-12-2026", 0, 1)) + block("kapot"));
        tktest::Session s;
        overview::OverviewWindow overview;
        overview.show();
        CHECK_EXPOSED(&overview, s.messages);
        QSignalSpy done(&overview, &overview::OverviewWindow::readingDone);
        overview.open(dir.path());
        QVERIFY(done.wait());
        QVERIFY(overview.status->text().contains("1 blok overgeslagen"));
        overview.choosePupil("Anna");
        QCOMPARE(overview.chart->chart()->series().size(), 1);
        CHECK_EXPOSED(&overview, s.messages);
    }
};

TK_TEST(AccessibilityTest)
#include "accessibility_test.moc"
