// Playing as a pupil who cannot see the screen: the events a screen reader
// speaks, and one problem of every exercise read, worked out and answered
// through the accessibility interfaces alone (brackets and factoring read
// their problem as shown, which their own tests work out).
#include "app/formlist.h"
#include "exercises/algebra/bracketsform.h"
#include "exercises/algebra/factoringform.h"
#include "exercises/catalogue.h"
#include "exercises/common/runform.h"
#include "exercises/graphs/formula.h"
#include "exercises/sums/sumsform.h"
#include "rundriver.h"
#include "testmain.h"
#include "ui/accessible.h"

#include <QAccessible>
#include <QRegularExpression>
#include <cmath>
#include <functional>

namespace {

// The first interface under i, depth first, that a pupil can see and fits.
QAccessibleInterface* find(QAccessibleInterface* i,
                           const std::function<bool(QAccessibleInterface*)>& fits)
{
    for (int c = 0; c < i->childCount(); ++c) {
        QAccessibleInterface* child = i->child(c);
        if (!child || child->state().invisible)
            continue;
        if (fits(child))
            return child;
        if (QAccessibleInterface* found = find(child, fits))
            return found;
    }
    return nullptr;
}

std::vector<std::pair<QObject*, QAccessible::Event>> events;

struct EventRecorder {
    ui::AnnouncementObserver previous = ui::setAnnouncementObserver(
        [](QObject* o, QAccessible::Event type) { events.emplace_back(o, type); });
    ~EventRecorder() { ui::setAnnouncementObserver(previous); }
    static bool saw(QObject* o, QAccessible::Event type)
    {
        return std::find(events.begin(), events.end(), std::pair(o, type)) != events.end();
    }
};

// Working out a problem from its text, with the graph form's formula reader
// as calculator.
double value(const QString& formula, double x, QChar letter = QLatin1Char('x'))
{
    const graphs::Reading r = graphs::readFormula(formula, letter);
    return r.failed ? NAN : graphs::valueAt(r.program, x);
}

QString bracketed(QString s)
{
    static const QRegularExpression number(QStringLiteral("(^|[\\s(=])(-?\\d*\\.?\\d+)"));
    return s.replace(number, QStringLiteral("\\1(\\2)")).remove(QLatin1Char(' '));
}

// The solution of a linear equation "left = right" in the letter.
double solve(const QString& equation, QChar letter = QLatin1Char('x'))
{
    const QString left = bracketed(equation.section(QLatin1Char('='), 0, 0));
    const QString right = bracketed(equation.section(QLatin1Char('='), 1));
    const auto f = [&](double x) { return value(left, x, letter) - value(right, x, letter); };
    return -f(0) / (f(1) - f(0));
}

QString number(double v)
{
    return QString::number(v, 'g', 12);
}

QString answerFor(const QString& form, const QString& problem)
{
    QRegularExpressionMatch m;
    if (form == "sommen") {
        QString t = problem;
        return number(solve(t.replace(" x ", " * ").replace(QStringLiteral("…"), "x")));
    }
    if (form == "vergelijkingen") {
        QString eq = problem.section(", ", 0, 0);
        eq.replace(" gedeeld door ", "/").replace(" is gelijk aan ", "=");
        return number(solve(eq, problem.section(", ", 1).at(0)));
    }
    if (form == "metriek") {
        const QStringList units{"mm", "cm", "dm", "m", "dam", "hm", "km"};
        const QStringList w = problem.split(' ');
        return number(w[0].toDouble() * std::pow(10, units.indexOf(w[1]) - units.indexOf(w[4])));
    }
    if (form == "procenten") { // the old price before a rise
        static const QRegularExpression n(QStringLiteral("€ ([\\d.]+) Het is ([\\d.]+) % duurder"));
        m = n.match(problem);
        return number(m.captured(1).toDouble() * 100 / (100 + m.captured(2).toDouble()));
    }
    if (form == "grafieken") { // a line: its values at 0 and 1
        static const QRegularExpression w(
            QStringLiteral("bij (\\w) = 0 is \\w = (-?[\\d.]+); bij \\w = 1 is \\w = (-?[\\d.]+)"));
        m = w.match(problem);
        const double b = m.captured(2).toDouble(), a = m.captured(3).toDouble() - b;
        return number(a) + m.captured(1) + (b < 0 ? "" : "+") + number(b);
    }
    static const QRegularExpression clock(
        QStringLiteral("op (\\d+) minuten naar de wijzer op (\\d+) minuten"));
    m = clock.match(problem);
    return QString::number((m.captured(2).toInt() - m.captured(1).toInt() + 60) % 60 * 6);
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }

    void problemFeedbackAndFocusAreAnnounced()
    {
        tktest::Session s;
        auto* f = tktest::open<SumsForm>("sommen", 1, "An", "", 1, "Keuze");
        events.clear();
        EventRecorder r;
        QVERIFY(f->timer->fire());
        QVERIFY(r.saw(f->answerBox1, QAccessible::Focus));
        QVERIFY(r.saw(f->problemRow1[0], QAccessible::NameChanged));
        QVERIFY(r.saw(f->promptLabel1, QAccessible::NameChanged));
        tktest::type(f->answerBox1, QStringLiteral("9999"));
        QVERIFY(r.saw(f->feedbackLabel1, QAccessible::NameChanged));
        QVERIFY(r.saw(f->historyArea1, QAccessible::TextInserted));
        events.clear();
        f->feedbackLabel1->setCaption(
            f->feedbackLabel1->caption()); // the same text is spoken again
        QVERIFY(r.saw(f->feedbackLabel1, QAccessible::NameChanged));
    }

    void playsOneProblemOfEveryExercise_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("verdict");
        for (const catalogue::Exercise& e : catalogue::exercises())
            if (QLatin1String(e.id) != "hoeken") // scores points, below
                QTest::newRow(e.id) << QString::fromLatin1(e.id) << 1 << "Goed";
        QTest::newRow("sommen, a product") << "sommen" << 3 << "Goed";
        QTest::newRow("hoeken") << "hoeken" << 1 << "An: +([6-9]|10) punten";
    }
    void playsOneProblemOfEveryExercise()
    {
        QFETCH(QString, form);
        QFETCH(int, level);
        QFETCH(QString, verdict);
        tktest::Session s;
        ui::Form* f = tktest::open<ui::Form>(form, 1, "An", "", level, "Keuze");
        if (auto* run = qobject_cast<RunForm*>(f))
            QVERIFY(run->timer->fire());
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(f);
        QAccessibleInterface* box = find(top, [](QAccessibleInterface* i) {
            return i->role() == QAccessible::EditableText && !i->state().disabled &&
                   !i->state().readOnly;
        });
        QVERIFY(box);
        QString problem = box->text(QAccessible::Description);
        if (problem.isEmpty()) // the graph: its words are on the describe button
            problem =
                find(top, [](QAccessibleInterface* i) {
                    return i->text(QAccessible::Name) == QStringLiteral("Beschrijf de grafiek");
                })->text(QAccessible::Description);
        QString answer;
        if (auto* a = qobject_cast<AlgebraForm*>(f)) { // read as shown; the answer is the form's
            QVERIFY2(problem.contains(a->problemLabel1->caption().simplified()),
                     qPrintable(problem));
            auto* b = qobject_cast<BracketsForm*>(f);
            answer = b ? b->problem(1).answer : qobject_cast<FactoringForm*>(f)->problem(1).answer;
        } else {
            answer = answerFor(form, problem);
        }
        tktest::type(qobject_cast<QLineEdit*>(box->object()), answer);
        QAccessibleInterface* said = find(top, [](QAccessibleInterface* i) {
            const QString kind = i->text(QAccessible::Description);
            return kind == QStringLiteral("Terugmelding") || kind == QStringLiteral("Punten");
        });
        QVERIFY(said);
        QVERIFY2(said->text(QAccessible::Name).contains(QRegularExpression(verdict)),
                 qPrintable(problem + " -> " + answer + " -> " + said->text(QAccessible::Name)));
    }
};

TK_TEST(ScreenReaderTest)
#include "screenreader_test.moc"
