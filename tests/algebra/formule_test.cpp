#include "exercises/algebra/formule.h"
#include "exercises/algebra/teksten.h"
#include "exercises/algebra/telling.h"
#include "testmain.h"

#include <limits>

using namespace algebra;

namespace {

Formule lees(QString tekst, QChar letter = QLatin1Char('x'))
{
    return prefix_suffix(tekst, letter);
}

Waarden waardenVan(const QString& tekst, QChar letter = QLatin1Char('x'))
{
    return waarden(lees(tekst, letter));
}

double waardeBij(const QString& tekst, float x, QChar letter = QLatin1Char('x'))
{
    return funktiewaarde(lees(tekst, letter), x);
}

} // namespace

class FormuleTest : public QObject {
    Q_OBJECT
private slots:
    void meetpuntenInEnkeleprecisie()
    {
        QCOMPARE(meetpunten().front(), -9.9f);
        QCOMPARE(meetpunten()[99], 0.0f);
        QCOMPARE(meetpunten().back(), 10.0f);
        QCOMPARE(meetpunten()[0], static_cast<float>(1 / 10.0 - 10));
    }

    void waarden_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("waarde");
        QTest::newRow("sum and product") << "6x^2+15x" << 2.0f << 54.0;
        QTest::newRow("typed square") << "6x\u00B2+15x" << 2.0f << 54.0;
        QTest::newRow("typed cube") << "x\u00B3" << 2.0f << 8.0;
        QTest::newRow("blanks everywhere") << "6 x ^ 2 + 15 x" << 2.0f << 54.0;
        QTest::newRow("letter times letter") << "15x+6x*x" << 2.0f << 54.0;
        QTest::newRow("number before bracket") << "2(x+1)" << 3.0f << 8.0;
        QTest::newRow("letter before bracket") << "x(6x+15)" << 2.0f << 54.0;
        QTest::newRow("bracket then letter") << "3(2x+5)x" << 2.0f << 54.0;
        QTest::newRow("bracket after bracket") << "(x+1)(x-1)" << 3.0f << 8.0;
        QTest::newRow("letter then number") << "x2" << 3.0f << 6.0;
        QTest::newRow("unary minus binds after the power") << "-x^2" << 3.0f << -9.0;
        QTest::newRow("bracketed minus squared") << "(-x)^2" << 3.0f << 9.0;
        QTest::newRow("minus before bracket") << "-(x+1)" << 3.0f << -4.0;
        QTest::newRow("minus after operator") << "2*-x" << 3.0f << -6.0;
        QTest::newRow("minus after bracket") << "(-4)x" << 3.0f << -12.0;
        QTest::newRow("powers are left-associative") << "2^3^2" << 0.0f << 64.0;
        QTest::newRow("upper-case letter") << "3X^2" << 2.0f << 12.0;
        QTest::newRow("decimal number") << "2.5x" << 2.0f << 5.0;
        QTest::newRow("second point ends the number") << "1.5.5" << 0.0f << 1.5;
        QTest::newRow("lone point is zero") << "x+." << 2.0f << 2.0;
        QTest::newRow("e is an operand") << "2e" << 0.0f << 2 * 2.718281828459045;
        QTest::newRow("minus after unary minus subtracts") << "--x" << 3.0f << -4.0;
        QTest::newRow("division has no value") << "2x/2" << 3.0f << onbepaald;
        QTest::newRow("negative base, fractional power") << "(-x)^.5" << 4.0f << onbepaald;
        QTest::newRow("onbepaald inside a sum") << "(-x)^.5+1" << 4.0f << onbepaald + 1;
        QTest::newRow("negative base, zero power") << "(-x)^0" << 4.0f << onbepaald;
        QTest::newRow("negative base, power 1.5") << "(-x)^1.5" << 4.0f << onbepaald;
        QTest::newRow("huge power overflows") << "x^99999" << 10.0f << onbepaald;
        QTest::newRow("huge power of a small base") << "x^99999" << 0.5f << 0.0;
        QTest::newRow("overflowed power to the zeroth") << "(x^99999)^0" << 10.0f << onbepaald;
        QTest::newRow("zero to a negative power") << "x^-1" << 0.0f << onbepaald;
        QTest::newRow("number beyond double")
            << QString(400, QLatin1Char('9')) << 1.0f << onbepaald;
        QTest::newRow("infinite difference") << "x^999-x^999" << 10.0f << onbepaald;
    }
    void waarden()
    {
        QFETCH(QString, tekst);
        QFETCH(float, x);
        QFETCH(double, waarde);
        const Formule f = lees(tekst);
        QVERIFY(!f.foutief);
        QCOMPARE(funktiewaarde(f, x), waarde);
    }

    void leesfouten_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("letter");
        QTest::newRow("function name sin") << "sin(x)"
                                           << "x";
        QTest::newRow("abs with letter a") << "abs(a)"
                                           << "a";
        QTest::newRow("tan with letter t") << "tan(t)"
                                           << "t";
        QTest::newRow("blank before leading minus") << " -4x"
                                                    << "x";
        QTest::newRow("closing bracket first") << ")x("
                                               << "x";
        QTest::newRow("bracket left open") << "(x+1"
                                           << "x";
        QTest::newRow("operator at the end") << "x+"
                                             << "x";
        QTest::newRow("two operators") << "x+*x"
                                       << "x";
        QTest::newRow("empty") << ""
                               << "x";
        QTest::newRow("only blanks") << "   "
                                     << "x";
        QTest::newRow("empty brackets") << "()"
                                        << "x";
        QTest::newRow("empty brackets between operands") << "x()x"
                                                         << "x";
        QTest::newRow("other letter") << "2y"
                                      << "x";
        QTest::newRow("e after bracket") << "(x)e"
                                         << "x";
        QTest::newRow("unicode digit") << "\u0663x"
                                       << "x";
        QTest::newRow("control character") << QString("x") + QChar(0) << "x";
        QTest::newRow("equals sign") << "x=2"
                                     << "x";
    }
    void leesfouten()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, letter);
        const Formule f = lees(tekst, letter[0]);
        QVERIFY(f.foutief);
        QCOMPARE(funktiewaarde(f, 1.0f), onbepaald);
    }

    void andereLetter()
    {
        QCOMPARE(waardeBij(QStringLiteral("2a+1"), 4.0f, QLatin1Char('a')), 9.0);
        QVERIFY2(lees(QStringLiteral("2x"), QLatin1Char('a')).foutief, "x is then no letter");
    }

    void grenzen()
    {
        QString termen = QStringLiteral("x");
        for (int i = 1; i < 75; ++i)
            termen += QStringLiteral("+x");
        QVERIFY2(!lees(termen).foutief, "149 tokens fit");
        QCOMPARE(waardeBij(termen, 2.0f), 150.0);
        QVERIFY2(lees(termen + QStringLiteral("+x")).foutief, "151 tokens do not");

        const QString vijftig =
            QString(50, QLatin1Char('(')) + QStringLiteral("x") + QString(50, QLatin1Char(')'));
        QVERIFY2(!lees(vijftig).foutief, "50 stacked brackets fit");
        const QString eenenvijftig =
            QString(51, QLatin1Char('(')) + QStringLiteral("x") + QString(51, QLatin1Char(')'));
        QVERIFY2(lees(eenenvijftig).foutief, "51 do not");

        QString lang(100000, QLatin1Char(' '));
        lang += QStringLiteral("x");
        QVERIFY(!lees(lang).foutief);
    }

    void vierkantenWordenInDeInvoerUitgeschreven()
    {
        QString invoer = QStringLiteral("6x\u00B2+x\u00B3");
        prefix_suffix(invoer, QLatin1Char('x'));
        QCOMPARE(invoer, QStringLiteral("6x^2+x^3"));
    }

    void afronding_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("afgerond");
        QTest::newRow("floor of hundredfold") << 1.234 << 123;
        QTest::newRow("negative goes down") << -1.234 << -124;
        QTest::newRow("small negative") << -0.001 << -1;
        QTest::newRow("60000 itself") << 60000.0 << 6000000;
        QTest::newRow("above 60000") << 60000.5 << 6000000;
        QTest::newRow("far above") << 1e300 << 6000000;
        QTest::newRow("onbepaald") << onbepaald << 3000000;
        QTest::newRow("noise below a hundredth") << 0.39999999999999997 << 40;
        QTest::newRow("below the 32-bit range")
            << -1e9 << int(std::numeric_limits<std::int32_t>::min());
    }
    void afronding()
    {
        QFETCH(double, y);
        QFETCH(int, afgerond);
        QCOMPARE(algebra::afgerond(y), afgerond);
    }

    void gelijkheid_data()
    {
        QTest::addColumn<QString>("probleem");
        QTest::addColumn<QString>("antwoord");
        QTest::addColumn<bool>("isGelijk");
        QTest::newRow("powers typed three ways") << "6x^2+15x"
                                                 << "6 x ^ 2 + 15 x" << true;
        QTest::newRow("square as product") << "6x^2+15x"
                                           << "15x+6x*x" << true;
        QTest::newRow("factored with trailing letter") << "6x^2+15x"
                                                       << "3(2x+5)x" << true;
        QTest::newRow("factored with leading letter") << "6x^2+15x"
                                                      << "x(6x+15)" << true;
        QTest::newRow("different function") << "6x^2+15x"
                                            << "6x^2+15" << false;
        QTest::newRow("division is never equal") << "x"
                                                 << "2x/2" << false;
        QTest::newRow("reading error is never equal") << "x"
                                                      << "x+" << false;
        QTest::newRow("rounding noise at a turning point on a hundredth")
            << " -5p( 5p² +  4p +  1)"
            << "-25p³ -  20p² -  5p" << true;
        QTest::newRow("onbepaald only equals onbepaald") << "(-x)^.5"
                                                         << "(-x)^.5" << true;
    }
    void gelijkheid()
    {
        QFETCH(QString, probleem);
        QFETCH(QString, antwoord);
        QFETCH(bool, isGelijk);
        QCOMPARE(
            gelijk(lees(antwoord, QLatin1Char(probleem.contains('p') ? 'p' : 'x')),
                   waardenVanOpgave(probleem, QLatin1Char(probleem.contains('p') ? 'p' : 'x'))),
            isGelijk);
    }

    void opgaveMetMinVooraan()
    {
        // A problem is written with a blank and may then start with a minus.
        QCOMPARE(waardenVanOpgave(QStringLiteral(" -2x( 3x +  5)"), QLatin1Char('x')),
                 waardenVan(QStringLiteral("-6x^2-10x")));
    }

    void coefficientTekst_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("zero is not written") << 0 << "";
        QTest::newRow("one is not written") << 1 << "";
        QTest::newRow("minus one is a minus") << -1 << "-";
        QTest::newRow("positive with blank") << 3 << " 3";
        QTest::newRow("negative") << -4 << "-4";
    }
    void coefficientTekst()
    {
        QFETCH(int, n);
        QFETCH(QString, tekst);
        QCOMPARE(ct(n), tekst);
    }
};

TK_TEST(FormuleTest)
#include "formule_test.moc"
