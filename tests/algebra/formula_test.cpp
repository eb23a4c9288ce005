// The formula reader, its evaluator over the meetpunten and the census of a
// typed answer; random typed text through all three.
#include "exercises/algebra/census.h"
#include "exercises/algebra/formula.h"
#include "testmain.h"

#include <limits>
#include <random>

using namespace algebra;

namespace {

void waarde(const char* naam, const QString& tekst, float x, double w, char letter = 'x')
{
    QTest::newRow(naam) << tekst << QChar(QLatin1Char(letter)) << x << w;
}

void gelijkRij(const char* naam, const char* opgave, const char* antwoord, bool isGelijk)
{
    QTest::newRow(naam) << QString(opgave) << QString(antwoord) << isGelijk;
}

void census(const char* naam, const char* invoer, const char* uit, QList<double> getallen,
            QList<int> kdeh)
{
    QTest::newRow(naam) << QString(invoer) << QString(uit) << getallen << kdeh;
}

// Makes typed-looking formulas: a random expression, sometimes damaged by a
// few random edits, sometimes pure noise.
class Maker {
public:
    explicit Maker(unsigned seed) : gen_(seed) {}
    int kies(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }

    QString maak(QChar letter)
    {
        QString s;
        if (kies(4) == 0) {
            for (int i = kies(30); i > 0; --i)
                s += teken();
            return s;
        }
        s = expressie(letter, kies(5));
        for (int i = kies(3) == 0 ? kies(4) : 0; i > 0; --i) {
            const int pos = kies(int(s.size()) + 1);
            kies(2) == 0 || s.isEmpty() ? s.insert(pos, teken())
                                        : s.remove(std::min(pos, int(s.size()) - 1), 1);
        }
        return s;
    }

private:
    QChar teken()
    {
        static const QString tekens = QStringLiteral("xXaptev0123456789.+-*/^()  \u00B2\u00B3sin");
        return kies(20) == 0 ? QChar(char16_t(kies(0x300))) : tekens[kies(int(tekens.size()))];
    }

    QString expressie(QChar letter, int diepte)
    {
        static const char* getallen[] = {"2", "3", "15", "0", "1", "2.5", "9999999", ".5", "100"};
        static const char* machten[] = {"", "", "", "", "", "", "^2", "\u00B3"};
        static const char* ops[] = {"+", "-", "*", "", " - ", "^", "/"};
        if (diepte == 0 || kies(4) == 0) {
            const QString getal = QString::fromLatin1(getallen[kies(9)]);
            const QString term = kies(3) == 0 ? QString(letter) : kies(2) ? getal + letter : getal;
            return (kies(8) == 0 ? "-" : "") + term + QString::fromUtf8(machten[kies(8)]);
        }
        const QString op = QString::fromLatin1(ops[kies(kies(10) == 0 ? 7 : 5)]);
        const QString rechts = expressie(letter, diepte - 1);
        return expressie(letter, diepte - 1) + op + (kies(3) == 0 ? "(" + rechts + ")" : rechts);
    }

    std::mt19937 gen_;
};

} // namespace

class FormuleTest : public QObject {
    Q_OBJECT
private slots:
    // Every text is read; w is the value at x, or "fout" (NaN) when rejected.
    void waarden_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("w");
        const double fout = std::numeric_limits<double>::quiet_NaN();
        waarde("typed square and blanks", "6 x\u00B2 + 15 x", 2, 54);
        waarde("letter times letter", "15x+6x*x", 2, 54);
        waarde("unary minus binds after the power", "-x^2", 3, -9);
        waarde("bracketed minus squared", "(-x)^2", 3, 9);
        waarde("minus after unary minus subtracts", "--x", 3, -4);
        waarde("e is an operand", "2e", 0, 2 * 2.718281828459045);
        waarde("other letter", "2a+1", 4, 9, 'a');
        waarde("division has no value", "2x/2", 3, undefined);
        waarde("negative base, zero power", "(-x)^0", 4, undefined);
        waarde("huge power overflows", "x^99999", 10, undefined);
        waarde("huge power of a small base", "x^99999", 0.5, 0);
        waarde("overflowed power to the zeroth", "(x^99999)^0", 10, undefined);
        waarde("zero to a negative power", "x^-1", 0, undefined);
        waarde("number beyond double", QString(400, QLatin1Char('9')), 1, undefined);
        waarde("function name sin", "sin(x)", 1, fout);
        waarde("tan with letter t", "tan(t)", 1, fout, 't');
        waarde("blank before leading minus", " -4x", 1, fout);
        waarde("two operators", "x+*x", 1, fout);
        waarde("empty brackets between operands", "x()x", 1, fout);
    }
    void waarden()
    {
        QFETCH(QString, tekst);
        QFETCH(QChar, letter);
        QFETCH(float, x);
        QFETCH(double, w);
        const Formula f = readFormula(tekst, letter);
        QCOMPARE(f.failed, std::isnan(w));
        QCOMPARE(valueAt(f, x), std::isnan(w) ? undefined : w);
    }

    void grenzen()
    {
        auto lees = [](QString t) { return readFormula(t, QLatin1Char('x')); };
        const QString termen = QStringLiteral("x") + QStringLiteral("+x").repeated(74);
        QCOMPARE(valueAt(lees(termen), 2.0f), 150.0); // 149 tokens fit
        QVERIFY(lees(termen + QStringLiteral("+x")).failed);
        auto brackets = [](int n) { return QString(n, '(') + "x" + QString(n, ')'); };
        QVERIFY(!lees(brackets(50)).failed);
        QVERIFY(lees(brackets(51)).failed);
        QVERIFY(!lees(QString(100000, QLatin1Char(' ')) + "x").failed);
    }

    void afronding_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("afgerond");
        QTest::newRow("floor of hundredfold") << 1.234 << 123;
        QTest::newRow("negative goes down") << -1.234 << -124;
        QTest::newRow("60000 and above") << 60000.5 << 6000000;
        QTest::newRow("onbepaald") << undefined << 3000000;
        QTest::newRow("noise below a hundredth") << 0.39999999999999997 << 40;
        QTest::newRow("below the 32-bit range") << -1e9 << std::numeric_limits<int>::min();
    }
    void afronding()
    {
        QFETCH(double, y);
        QTEST(algebra::rounded(y), "afgerond");
    }

    void gelijkheid_data()
    {
        QTest::addColumn<QString>("opgave");
        QTest::addColumn<QString>("antwoord");
        QTest::addColumn<bool>("isGelijk");
        gelijkRij("factored, trailing letter", "6x^2+15x", "3(2x+5)x", true);
        gelijkRij("different function", "6x^2+15x", "6x^2+15", false);
        gelijkRij("reading error never equal, not even to a division", "2x/2", "x+", false);
        gelijkRij("problem may start with blank and minus", " -2x( 3x +  5)", "-6x^2-10x", true);
        gelijkRij("rounding noise at a turning point on a hundredth", " -5p( 5p² +  4p +  1)",
                  "-25p³ -  20p² -  5p", true);
        gelijkRij("onbepaald only equals onbepaald", "(-x)^.5", "(-x)^.5", true);
    }
    void gelijkheid()
    {
        QFETCH(QString, opgave);
        QFETCH(QString, antwoord);
        const QChar l = QLatin1Char(opgave.contains('p') ? 'p' : 'x');
        QTEST(matches(readFormula(antwoord, l), problemValues(opgave, l)), "isGelijk");
    }

    // The census after reading: normalised text, numbers, squares, cubes,
    // single letters and brackets.
    void telling_data()
    {
        QTest::addColumn<QString>("invoer");
        QTest::addColumn<QString>("genormaliseerd");
        QTest::addColumn<QList<double>>("getallen");
        QTest::addColumn<QList<int>>("kdeh");
        census("census of -4x^2+5x-9", "-4x^2+5x-9", "-4x²+5x-9", {4, 5, 9}, {1, 0, 1, 0});
        census("cube", "x^3-2x", "x³-2x", {2}, {0, 1, 1, 0});
        census("letter case matters", "3X^2", "3X²", {3}, {1, 0, -1, 0});
        census("x*x alone is too short", "x*x", "x*x", {}, {0, 0, 2, 0});
        census("2x*x is a square", "2x*x", "2x*x", {2}, {1, 0, 0, 0});
        census("overlapping products", "x*x*x+1", "x*x*x+1", {1}, {2, 0, -1, 0});
        census("brackets counted", "(x+9)(x-1)", "(x+9)(x-1)", {9, 1}, {0, 0, 2, 2});
        census("decimal gives two numbers", "2.5x", "2.5x", {2, 5}, {0, 0, 1, 0});
    }
    void telling()
    {
        QFETCH(QString, invoer);
        readFormula(invoer, QLatin1Char('x'));
        const Census t = takeCensus(invoer, QLatin1Char('x'));
        QTEST(invoer, "genormaliseerd");
        QTEST(QList<double>(t.numbers.begin(), t.numbers.begin() + t.count), "getallen");
        QTEST((QList<int>{t.squares, t.cubes, t.linear, t.openBrackets}), "kdeh");
    }

    // Numbers searched in the census, each found number used up once;
    // "x" marks komtvoorx, which skips the unwritten -1, 0 and 1.
    void zoeken_data()
    {
        QTest::addColumn<QString>("invoer");
        QTest::addColumn<bool>("zoekNul");
        QTest::addColumn<QString>("gezocht");
        QTest::addColumn<bool>("goed");
        QTest::newRow("searched by size, each once") << "2x+2+30" << false << "-2 2" << true;
        QTest::newRow("30 is one number") << "2x+2+30" << false << "3" << false;
        QTest::newRow("a number counts once") << "2x+1" << false << "2 2" << false;
        QTest::newRow("brackets form does not search 0") << "x+1" << false << "0" << true;
        QTest::newRow("factoring form searches 0") << "x+1" << true << "0" << false;
        QTest::newRow("unwritten coefficients skipped") << "x" << true << "x-1 x0 x1" << true;
        QTest::newRow("written coefficient searched") << "x" << true << "x2" << false;
        QTest::newRow("ten numbers fit") << "1+2+3+4+5+6+7+8+9+10x" << true << "10" << true;
        QTest::newRow("eleven do not") << "1+2+3+4+5+6+7+8+9+10+11x" << true << "1" << false;
    }
    void zoeken()
    {
        QFETCH(QString, invoer);
        QFETCH(bool, zoekNul);
        QFETCH(QString, gezocht);
        Checker k(takeCensus(invoer, QLatin1Char('x')), zoekNul ? SearchZero::Yes : SearchZero::No);
        for (const QString& g : gezocht.split(' '))
            g.startsWith('x') ? k.expectCoefficient(g.mid(1).toInt()) : k.expectNumber(g.toInt());
        QTEST(k.right(), "goed");
    }

    // No crash, no hang, and the evaluator gives the same value point by
    // point as in its sweep over all meetpunten.
    void honderdduizendInvoeren()
    {
        Maker maker(20261206);
        int gelezen = 0;
        for (int n = 0; n < 100000; ++n) {
            const QChar letter = QLatin1Char("xapt"[maker.kies(4)]);
            QString invoer = maker.maak(letter);
            const QString getypt = invoer;

            const Formula f = readFormula(invoer, letter);
            const Values w = algebra::values(f);
            if (f.failed) {
                QVERIFY(w == algebra::values(Formula{}));
                continue;
            }
            ++gelezen;
            QVERIFY2(f.postfix.size() <= std::size_t(maxTokens), qPrintable(getypt));
            for (int i : {0, 57, 99, 199})
                QVERIFY2(rounded(valueAt(f, samplePoints()[i])) == w[i], qPrintable(getypt));

            const Census t = takeCensus(invoer, letter);
            QVERIFY(t.count <= maxNumbers);
            QVERIFY(!invoer.contains(QLatin1Char(' ')));
            QVERIFY(!invoer.contains(QLatin1String("^2")));
        }
        QVERIFY2(gelezen > 30000, "enough inputs read without error to test the evaluator");
    }
};

TK_TEST(FormuleTest)
#include "formula_test.moc"
