// A screen reader must be able to name every control a pupil uses: every form
// is opened as the menu opens it and its widget tree is walked.
#include "app/formlist.h"
#include "app/module1.h"
#include "rundriver.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
const char* const allForms[] = {"wismenu", "bekijken", "hoeken",    "procenten",      "metriek",
                                "sommen",  "haakjes",  "ontbinden", "vergelijkingen", "grafieken"};

QStringList unnamedControls(QWidget* form)
{
    QStringList unnamed;
    const auto widgets = form->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QAbstractButton*>(w);
        if (!input || w->inherits("QScrollBar"))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        const QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    }
    return unnamed;
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("form");
        for (const char* name : allForms)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyControlHasAName()
    {
        QFETCH(QString, form);
        tktest::Session s;
        module1() = Module1{2, 1, "An", "Bo", "Keuze", form}; // as the menu leaves it
        QVERIFY2(ui::FormRegistry::instance().has(form), "the form is not registered");
        ui::Form* f = ui::FormRegistry::instance().show(form);
        QVERIFY(f);
        const QStringList unnamed = unnamedControls(f);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }
};

TK_TEST(AccessibilityTest)
#include "accessibility_test.moc"
