#include "exercises/graphs/description.h"
#include "exercises/graphs/rows.h"
#include "testmain.h"
#include "ui/twips.h"

using namespace graphs;

namespace {

Rows rowsOf(const QString& formula, double xScale = 1, double yScale = 1)
{
    const Reading r = readFormula(formula, QLatin1Char('x'));
    if (r.failed)
        qFatal("formula not read: %s", qPrintable(formula));
    Rows rows;
    computeRows(r.program, xScale, yScale, rows);
    return rows;
}

void row(const char* name, const char* given, const char* answer, bool right)
{
    QTest::newRow(name) << QString(given) << QString(answer) << right;
}

using Pieces = std::vector<std::pair<int, int>>;

} // namespace

class RowsTest : public QObject {
    Q_OBJECT
private slots:
    // The edges of the picture are checked through whole curves below.
    void rowOfAValue()
    {
        QCOMPARE(rowOf(0.005f, 1), 1000.0); // half a row rounds up
        QCOMPARE(rowOf(25.0f, 5), 500.0);
        QCOMPARE(rowOf(undefined, 1), -2999000.0); // undefined lies far below
        QVERIFY(!onPicture(rowOf(undefined, 1)) && onPicture(1000));
        QVERIFY(rowOf(3e38f, 0.5) < -1e30 && !onPicture(rowOf(3e38f, 0.5))); // huge keeps its side
        QVERIFY(rowOf(-3e38f, 0.5) > 1e30);
    }

    void curveAtTheEdges()
    {
        QCOMPARE(pieces(rowsOf("10")), (Pieces{{0, 2000}}));
        QCOMPARE(pieces(rowsOf("10.01")), Pieces{});
        QCOMPARE(rowsOf("x", 1, 1)[0], 2000.0);
        QCOMPARE(rowsOf("x", 2, 1)[250], 2500.0); // x = -15 lies below the picture
        QCOMPARE(pieces(rowsOf("x", 2, 1)), (Pieces{{500, 1500}}));
    }

    void undefinedSampleBreaksTheCurve()
    {
        const Rows rows = rowsOf("x/x");
        QCOMPARE(rows[1000], rowOf(undefined, 1)); // stored, though not drawn
        QCOMPARE(pieces(rows), (Pieces{{0, 999}, {1001, 2000}}));
        QCOMPARE(pieces(rowsOf("1/x")), (Pieces{{0, 990}, {1010, 2000}}));
        QCOMPARE(pieces(rowsOf("sqr(x)")), (Pieces{{1000, 2000}}));
    }

    void judging_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        row("same line written otherwise", "2(x+1)", "2x+2", true);
        row("two rows apart still right", "x", "x+0.02", true);
        row("three rows apart wrong", "x", "x+0.03", false);
        row("both beyond the picture, apart", "20", "30", false);
        row("beyond the edge the curves part", "x^2", "x^2+(x/5)^40", false);
        row("undefined in the same columns", "1/x", "2/(2x)", true);
        row("undefined in one of them", "x/x", "1", false);
        row("column 0 is not compared", "(x+10)/(x+10)", "1", true);
        row("column 2000 is compared", "(x-10)/(x-10)", "1", false);
    }
    void judging()
    {
        QFETCH(QString, given);
        QFETCH(QString, answer);
        QTEST(check(rowsOf(given), rowsOf(answer)), "right");
    }

    // Colours 1 to 14 in turn, then 1 again; light grey and yellow are
    // darker, in their own hue; the rest as numbered.
    void pupilColours()
    {
        QCOMPARE(nextColour(0), 1);
        for (int colour = 1; colour <= 14; ++colour) {
            QCOMPARE(nextColour(colour), colour % 14 + 1);
            const QColor c = graphs::pupilColour(colour), plain = ui::colour(colour);
            QCOMPARE(c.hue(), plain.hue());
            if (colour == 7 || colour == 14)
                QVERIFY2(c.value() <= 170 && c.value() < plain.value(), qPrintable(c.name()));
            else
                QCOMPARE(c, plain);
        }
    }

    // The curve told in words for a screen reader.
    void describes_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("a line crosses both axes at whole numbers")
            << "2x-4" << 1.0 << "x"
            << QStringList{"snijdt de x-as bij x = 2.", "y-as bij y = -4.",
                           "Hij loopt boven het venster uit. Hij loopt onder het venster uit.",
                           "bij x = -5 is y = -14;", "bij x = 5 is y = 6."};
        QTest::newRow("a crossing between columns is found by halving")
            << "3x-1" << 1.0 << "x" << QStringList{"snijdt de x-as bij x = .33."};
        QTest::newRow("a parabola has its lowest point in the window")
            << "x^2-1" << 1.0 << "x"
            << QStringList{"x-as bij x = -1, bij x = 1.",
                           "laagste punt in het venster is bij x = 0, y = -1."};
        QTest::newRow("a hyperbola is undefined at 0 and its pole is no crossing")
            << "1/x" << 1.0 << "x"
            << QStringList{"snijdt de x-as niet.", "Bij x = 0 is hij niet gedefinieerd.",
                           "niet gedefinieerd bij x = 0."};
        QTest::newRow("a root is undefined left of 0")
            << "sqr(x)" << 1.0 << "x"
            << QStringList{"van x = -10 tot x = -.01.", "bij x = -5 niet gedefinieerd;"};
        QTest::newRow("the letters of the axes, ten times the size")
            << "t" << 10.0 << "t" << QStringList{"de t-as bij t = 0.", "bij t = 100, y = 100."};
    }
    void describes()
    {
        QFETCH(QString, formula);
        QFETCH(double, scale);
        QFETCH(QString, variable);
        QFETCH(QStringList, parts);
        const Reading r = readFormula(formula, variable.at(0));
        QVERIFY(!r.failed);
        const QString text = description(r.program, Axes{scale, scale, variable.at(0)});
        for (const QString& part : parts)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral("\n in: ") + text));
    }
};

TK_TEST(RowsTest)
#include "rows_test.moc"
