#include "exercises/graphs/description.h"
#include "testmain.h"

using namespace graphs;

class DescriptionTest : public QObject {
    Q_OBJECT
private slots:
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
        const Reading r = prefix_suffix(formula, variable.at(0));
        QVERIFY(!r.foutief);
        const QString text = beschrijving(r.program, AsLetters{scale, scale, variable.at(0)});
        for (const QString& part : parts)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral("\n in: ") + text));
    }
};

TK_TEST(DescriptionTest)
#include "description_test.moc"
