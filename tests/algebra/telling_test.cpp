#include "exercises/algebra/formule.h"
#include "exercises/algebra/telling.h"
#include "testmain.h"

using namespace algebra;

namespace {

// The census of a typed answer after it was read, as the exercises take it.
Telling census(QString& invoer, QChar letter = QLatin1Char('x'))
{
    prefix_suffix(invoer, letter);
    return telgetallen(invoer, letter);
}

QList<double> getallen(const Telling& t)
{
    return QList<double>(t.getal.begin(), t.getal.begin() + t.aantal);
}

} // namespace

class TellingTest : public QObject {
    Q_OBJECT
private slots:
    void telling_data()
    {
        QTest::addColumn<QString>("invoer");
        QTest::addColumn<QString>("genormaliseerd");
        QTest::addColumn<QList<double>>("getallen");
        QTest::addColumn<int>("kwadraten");
        QTest::addColumn<int>("derdemachten");
        QTest::addColumn<int>("enkel");
        QTest::addColumn<int>("haakjes");
        using L = QList<double>;
        QTest::newRow("typed power") << "-4x^2+5x-9"
                                     << "-4x\u00B2+5x-9" << L{4, 5, 9} << 1 << 0 << 1 << 0;
        QTest::newRow("typed square sign") << "-4x\u00B2+5x-9"
                                           << "-4x\u00B2+5x-9" << L{4, 5, 9} << 1 << 0 << 1 << 0;
        QTest::newRow("blanks removed") << "6 x ^ 2 + 15 x"
                                        << "6x\u00B2+15x" << L{6, 15} << 1 << 0 << 1 << 0;
        QTest::newRow("cube") << "x^3-2x"
                              << "x\u00B3-2x" << L{2} << 0 << 1 << 1 << 0;
        QTest::newRow("fourth power keeps its digit") << "x^4"
                                                      << "x^4" << L{4} << 0 << 0 << 1 << 0;
        QTest::newRow("letter case matters") << "3X^2"
                                             << "3X\u00B2" << L{3} << 1 << 0 << -1 << 0;
        QTest::newRow("x*x alone is too short") << "x*x"
                                                << "x*x" << L{} << 0 << 0 << 2 << 0;
        QTest::newRow("2x*x is a square") << "2x*x"
                                          << "2x*x" << L{2} << 1 << 0 << 0 << 0;
        QTest::newRow("xx is a square") << "2xx+1"
                                        << "2xx+1" << L{2, 1} << 1 << 0 << 0 << 0;
        QTest::newRow("overlapping products") << "x*x*x+1"
                                              << "x*x*x+1" << L{1} << 2 << 0 << -1 << 0;
        QTest::newRow("brackets counted") << "(x+9)(x-1)"
                                          << "(x+9)(x-1)" << L{9, 1} << 0 << 0 << 2 << 2;
        QTest::newRow("decimal gives two numbers") << "2.5x"
                                                   << "2.5x" << L{2, 5} << 0 << 0 << 1 << 0;
        QTest::newRow("leading zeros") << "007x"
                                       << "007x" << L{7} << 0 << 0 << 1 << 0;
        QTest::newRow("other letter") << "3a^2"
                                      << "3a\u00B2" << L{3} << 1 << 0 << -1 << 0;
    }
    void telling()
    {
        QFETCH(QString, invoer);
        QFETCH(QString, genormaliseerd);
        QFETCH(QList<double>, getallen);
        QFETCH(int, kwadraten);
        QFETCH(int, derdemachten);
        QFETCH(int, enkel);
        QFETCH(int, haakjes);
        const Telling t = census(invoer);
        QCOMPARE(invoer, genormaliseerd);
        QCOMPARE(::getallen(t), getallen);
        QCOMPARE(t.kwadraten, kwadraten);
        QCOMPARE(t.derdemachten, derdemachten);
        QCOMPARE(t.enkel, enkel);
        QCOMPARE(t.haakjesteller, haakjes);
        QVERIFY(!t.teVeelGetallen);
    }

    void leegBlijftLeeg()
    {
        QString leeg;
        QCOMPARE(telgetallen(leeg, QLatin1Char('x')).aantal, 0);
        QString blanco = QStringLiteral("   ");
        const Telling t = telgetallen(blanco, QLatin1Char('x'));
        QCOMPARE(blanco, QString());
        QCOMPARE(t.aantal, 0);
        QCOMPARE(t.enkel, 0);
    }

    void meerDanTienGetallen()
    {
        QString invoer = QStringLiteral("1+2+3+4+5+6+7+8+9+10+11x");
        const Telling t = telgetallen(invoer, QLatin1Char('x'));
        QCOMPARE(t.aantal, maxGetallen);
        QVERIFY(t.teVeelGetallen);
        QVERIFY2(!Controle(t, ZoekNul::Ja).goed(), "an overfull census is judged wrong");
    }

    void komtvoor()
    {
        QString invoer = QStringLiteral("2x+2+30");
        Controle k(telgetallen(invoer, QLatin1Char('x')), ZoekNul::Nee);
        k.komtvoor(-2); // searched by size
        QVERIFY(k.goed());
        k.komtvoor(2); // the second 2
        QVERIFY(k.goed());
        k.komtvoor(3); // 30 is one number
        QVERIFY(!k.goed());
    }

    void eenGetalTeltMaarEenKeer()
    {
        QString invoer = QStringLiteral("2x+1");
        Controle k(telgetallen(invoer, QLatin1Char('x')), ZoekNul::Nee);
        k.komtvoor(2);
        k.komtvoor(2);
        QVERIFY(!k.goed());
    }

    void nulInDeTweeVormen()
    {
        QString invoer = QStringLiteral("x+1");
        const Telling t = telgetallen(invoer, QLatin1Char('x'));
        Controle haakjes(t, ZoekNul::Nee);
        haakjes.komtvoor(0);
        QVERIFY2(haakjes.goed(), "the brackets form does not search 0");
        Controle ontbinden(t, ZoekNul::Ja);
        ontbinden.komtvoor(0);
        QVERIFY2(!ontbinden.goed(), "the factoring form searches 0 like any number");
    }

    void komtvoorxSlaatNietGeschrevenCoefficientenOver()
    {
        QString invoer = QStringLiteral("x");
        Controle k(telgetallen(invoer, QLatin1Char('x')), ZoekNul::Ja);
        k.komtvoorx(-1);
        k.komtvoorx(0);
        k.komtvoorx(1);
        QVERIFY(k.goed());
        k.komtvoorx(2);
        QVERIFY(!k.goed());
    }
};

TK_TEST(TellingTest)
#include "telling_test.moc"
