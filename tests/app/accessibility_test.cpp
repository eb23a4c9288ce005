// A screen reader must be able to name every control a pupil uses and read
// every text a pupil sees: every form is opened as the menu opens it, played
// through its states, and its widget tree is walked in each.
#include "app/formlist.h"
#include "app/menuform.h"
#include "app/overview/overviewwindow.h"
#include "app/overview/pupilchart.h"
#include "app/viewerform.h"
#include "exercises/angles/anglesform.h"
#include "exercises/common/runform.h"
#include "exercises/graphs/graphsform.h"
#include "rundriver.h"
#include "testmain.h"
#include "ui/lineview.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXYSeries>

namespace {
// Name, description, value and text of the control's interface.
QString exposed(QAccessibleInterface* i)
{
    QString t = i->text(QAccessible::Name) + '\n' + i->text(QAccessible::Description) + '\n' +
                i->text(QAccessible::Value);
    if (QAccessibleTextInterface* ti = i->textInterface())
        t += '\n' + ti->text(0, ti->characterCount());
    return t;
}

// The text boxes and buttons of the form that have no accessible name.
QStringList unnamedControls(QWidget* form)
{
    QStringList unnamed;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QAbstractButton*>(w);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        if (input && !w->inherits("QScrollBar") &&
            (!i || i->text(QAccessible::Name).trimmed().isEmpty()))
            unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    }
    return unnamed;
}

// The lines a pupil sees on the widget.
QStringList shownLines(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text().split(QLatin1Char('\n'));
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return {b->text().remove(QLatin1Char('&'))};
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) // its text box is read through it
        return {s->text()};
    if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QAbstractSpinBox*>(w->parent()))
        return {e->text()};
    if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        return p->toPlainText().split(QLatin1Char('\n'));
    if (auto* p = qobject_cast<ui::PictureBox*>(w))
        return p->printedLines();
    if (auto* v = qobject_cast<ui::LineView*>(w))
        return v->contents().split(QLatin1Char('\n'));
    if (auto* c = qobject_cast<overview::PupilChart*>(w)) { // its title, lines and points
        QStringList lines{c->chart()->title()};
        for (QAbstractSeries* series : c->chart()->series()) {
            lines << series->name();
            for (const QPointF& p : static_cast<QXYSeries*>(series)->points())
                lines << QDateTime::fromMSecsSinceEpoch(qint64(p.x())).toString("d-M-yyyy H:mm") +
                             ' ' + QLocale(QLocale::Dutch).toString(p.y(), 'f', 1) + " %";
        }
        return lines;
    }
    return {};
}

QStringList linesNotExposed(QWidget* w, const QStringList& lines)
{
    QStringList missing;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    const QString all = i ? exposed(i).simplified() : QString();
    for (const QString& line : lines)
        if (!line.simplified().isEmpty() && !all.contains(line.simplified()))
            missing << QStringLiteral("%1 %2: \"%3\" not in \"%4\"")
                           .arg(w->metaObject()->className(), w->objectName(), line, all);
    return missing;
}

// Every text box and button of the form needs a name, every text shown on
// it, and every message box shown so far, must be in the name, description or
// text of its control.
QStringList notExposed(QWidget* form, const ui::MessageRecorder& messages)
{
    QStringList missing = unnamedControls(form);
    for (QWidget* w : form->findChildren<QWidget*>())
        if (w->isVisibleTo(form))
            missing += linesNotExposed(w, shownLines(w));
    for (const ui::Message& m : messages.messages) {
        const auto box = ui::makeMessageBox(m.title, m.text);
        missing += linesNotExposed(
            box.get(),
            QString(m.text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n')));
    }
    return missing;
}

#define CHECK_EXPOSED(form, s)                                                                     \
    do {                                                                                           \
        const QStringList missing = notExposed(form, s);                                           \
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));                  \
    } while (false)

// Types the text into every box that takes it now, left to right.
void typeInOpenBoxes(QWidget* form, const QString& text)
{
    auto boxes = form->findChildren<QLineEdit*>();
    std::sort(boxes.begin(), boxes.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    for (QLineEdit* box : boxes)
        if (box->isVisibleTo(form) && box->isEnabled() && !box->isReadOnly())
            tktest::type(box, text);
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }

    // Problems, feedback, explanations and the summary of every run form.
    void runFormsExposeWhatTheyShow_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("level");
        for (const char* name : {"metriek", "procenten", "sommen", "haakjes", "ontbinden"})
            QTest::newRow(name) << QString::fromLatin1(name) << 1;
        QTest::newRow("sommen, three terms") << "sommen" << 4;
        QTest::newRow("vergelijkingen, fractions") << "vergelijkingen" << 1;
        QTest::newRow("vergelijkingen, quadratic") << "vergelijkingen" << 6;
    }
    void runFormsExposeWhatTheyShow()
    {
        QFETCH(QString, form);
        QFETCH(int, level);
        tktest::Session s;
        tktest::choose(2, "An", "Bo", level, "Keuze");
        auto* f = tktest::open<RunForm>(form);
        QVERIFY(f);
        CHECK_EXPOSED(f, s.messages);
        for (int turn = 0; turn < 8; ++turn) { // four problems each, the fourth a fraction
            QVERIFY(f->timer->fire());
            CHECK_EXPOSED(f, s.messages);
            typeInOpenBoxes(f, QStringLiteral("1"));
            CHECK_EXPOSED(f, s.messages);
        }
        QVERIFY(f->timer->fire());
        f->menuButton->click();
        QVERIFY(!s.messages.messages.empty());
        CHECK_EXPOSED(f, s.messages);
    }

    void graphFormExposesWhatItShows()
    {
        tktest::Session s;
        tktest::choose(1, "An", "", 1, "Keuze");
        auto* f = tktest::open<GraphsForm>("grafieken");
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
        tktest::choose(2, "An", "Bo", 1, "Keuze");
        auto* f = tktest::open<AnglesForm>("hoeken");
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
        const QByteArray dashes = QByteArray(49, '-') + "\r\n";
        const auto run = [&](const char* date, const char* answer, const char* right) {
            return QByteArray("Anna: (") + date + "      10:15)\r\n\r\n" + answer +
                   "\r\n\r\neindresultaat:  " + right + " goed van de  1\r\n\r\n\r\n" + dashes;
        };
        QTemporaryDir dir;
        tktest::writeFile(
            dir.filePath("oefset2_1.txt"),
            run("2-12-2026", " 1.1 km = 110000 cm   Goed", "1") +
                run("4-12-2026", " 1.1 km = 110 cm       Fout ,het is  110000 cm", "0") +
                "kapot\r\n" + dashes);
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
