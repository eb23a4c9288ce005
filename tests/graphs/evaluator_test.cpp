#include "exercises/graphs/formula.h"
#include "testmain.h"

#include <cmath>

using namespace graphs;

namespace {

float valueAt(const QString& formula, double x, QChar variable = QLatin1Char('x'))
{
    const Reading r = prefix_suffix(formula, variable);
    if (r.foutief)
        qFatal("formula not read: %s", qPrintable(formula));
    return funktiewaarde(r.program, x);
}

const double pi = 4.0 * std::atan(1.0);

} // namespace

class EvaluatorTest : public QObject {
    Q_OBJECT
private slots:
    void values_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("x");
        QTest::addColumn<float>("value");
        QTest::newRow("1/x at 0") << "1/x" << 0.0 << onbepaald;
        QTest::newRow("1/x next to its asymptote") << "1/x" << 0.001 << onbepaald;
        QTest::newRow("1/x a little further") << "1/x" << 0.002 << 500.0f;
        QTest::newRow("small numerator near the asymptote") << ".05/x" << 0.001 << 50.0f;
        QTest::newRow("division not last: no asymptote guard") << "1/x+1" << 0.001 << 1001.0f;
        QTest::newRow("division not last still guards zero") << "1/x+1" << 0.0 << onbepaald;
        QTest::newRow("sqr below 0") << "sqr(x)" << -0.01 << onbepaald;
        QTest::newRow("sqr of 0") << "sqr(x)" << 0.0 << 0.0f;
        QTest::newRow("ln at the limit") << "ln(x)" << 0.000001 << onbepaald;
        QTest::newRow("log at the limit") << "log(x)" << 0.000001 << onbepaald;
        QTest::newRow("negative base, half power") << "(-8)^0.5" << 0.0 << onbepaald;
        QTest::newRow("negative base, power 0") << "(-2)^0" << 0.0 << onbepaald;
        QTest::newRow("negative base, whole power") << "(-2)^3" << 0.0 << -8.0f;
        QTest::newRow("0 to a negative power") << "0^(-1)" << 0.0 << onbepaald;
        QTest::newRow("0 to the power 0") << "0^0" << 0.0 << 1.0f;
        QTest::newRow("arcsin 1") << "arcsin(1)" << 0.0 << float(pi / 2);
        QTest::newRow("arcsin beyond 1") << "arcsin(x)" << 1.01 << onbepaald;
        QTest::newRow("arccos -1") << "arccos(-1)" << 0.0 << float(pi);
        QTest::newRow("arccos beyond -1") << "arccos(x)" << -1.5 << onbepaald;
        QTest::newRow("arctan") << "arctan(x)" << 1.0 << float(pi / 4);
        QTest::newRow("tan near its asymptote is large")
            << "tan(x)" << 1.5707963 << float(std::tan(1.5707963));
        QTest::newRow("each step in single precision") << "16777216+1-16777216" << 0.0 << 0.0f;
        QTest::newRow("variable kept in single precision") << "x" << 0.1 << 0.1f;
        QTest::newRow("too large for single precision") << "10^39" << 0.0 << onbepaald;
        QTest::newRow("typed number too large")
            << "1000000000000000000000000000000000000000" << 0.0 << onbepaald;
    }
    void values()
    {
        QFETCH(QString, formula);
        QFETCH(double, x);
        QFETCH(float, value);
        const float got = valueAt(formula, x);
        QVERIFY2(got == value, qPrintable(QString::number(got, 'g', 9))); // exact, not fuzzy
    }

    void everyEvaluationStartsAfresh()
    {
        // The zero below the stack is overwritten by x^...; a second
        // evaluation must not see the first one's leftovers.
        const Reading r = prefix_suffix(QStringLiteral("x^sin2"), QLatin1Char('x'));
        QCOMPARE(funktiewaarde(r.program, 0.0), float(std::sin(2.0)));
        QCOMPARE(funktiewaarde(r.program, 0.0), float(std::sin(2.0)));
    }

    void nothingReadIsUndefined() { QCOMPARE(funktiewaarde(CompiledFormula{}, 1.0), onbepaald); }
};

TK_TEST(EvaluatorTest)
#include "evaluator_test.moc"
