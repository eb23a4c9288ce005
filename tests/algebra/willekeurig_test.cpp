// Random typed text through the reader, the evaluator and the census: no
// crash, no hang, and the evaluator gives the same value point by point as
// in its sweep over all meetpunten.

#include "exercises/algebra/formule.h"
#include "exercises/algebra/telling.h"
#include "testmain.h"

#include <random>

using namespace algebra;

namespace {

// Makes typed-looking formulas: a random expression, sometimes damaged by a
// few random edits, sometimes pure noise.
class Maker {
public:
    explicit Maker(unsigned seed) : gen_(seed) {}
    int kies(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }

    // Pure noise, or a random expression now and then damaged by edits.
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

class WillekeurigeInvoerTest : public QObject {
    Q_OBJECT
private slots:
    void honderdduizendInvoeren()
    {
        Maker maker(20261206);
        int gelezen = 0;
        for (int n = 0; n < 100000; ++n) {
            const QChar letter = QLatin1Char("xapt"[maker.kies(4)]);
            QString invoer = maker.maak(letter);
            const QString getypt = invoer;

            const Formule f = prefix_suffix(invoer, letter);
            const Waarden w = waarden(f);
            if (f.foutief) {
                QVERIFY(w == waarden(Formule{}));
                continue;
            }
            ++gelezen;
            QVERIFY2(f.postfix.size() <= std::size_t(maxTokens), qPrintable(getypt));
            for (int i : {0, 57, 99, 199})
                QVERIFY2(afgerond(funktiewaarde(f, meetpunten()[i])) == w[i], qPrintable(getypt));

            const Telling t = telgetallen(invoer, letter);
            QVERIFY(t.aantal <= maxGetallen);
            QVERIFY(!invoer.contains(QLatin1Char(' ')));
            QVERIFY(!invoer.contains(QLatin1String("^2")));
        }
        QVERIFY2(gelezen > 30000, "enough inputs read without error to test the evaluator");
    }
};

TK_TEST(WillekeurigeInvoerTest)
#include "willekeurig_test.moc"
