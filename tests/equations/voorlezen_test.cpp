#include "exercises/equations/voorlezen.h"
#include "testmain.h"

using namespace equations;

// A fraction reads from top to bottom, the denominator in brackets.
class VoorlezenTest : public QObject {
    Q_OBJECT
private slots:
    void breukLeestAlsZin()
    {
        Vergelijking v;
        v.niveau = 2, v.vergsoort = 2, v.a = 5, v.k = 3, v.e = -1, v.b = 4, v.c = -2;
        QCOMPARE(uitgesproken(v), QStringLiteral("5 gedeeld door ( 3x - 4 ) is gelijk aan -2"));
        v.vergsoort = 1;
        v.vergtekst = QStringLiteral(" 3x  +  4 =  7");
        QCOMPARE(uitgesproken(v), QStringLiteral("3x + 4 = 7"));
    }
};

TK_TEST(VoorlezenTest)
#include "voorlezen_test.moc"
