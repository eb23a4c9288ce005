// The brackets and factoring forms played through by two pupils, with the
// results file the run leaves.
#include "common/numbertext.h"
#include "exercises/algebra/haakjesform.h"
#include "exercises/algebra/ontbindenform.h"
#include "rundriver.h"
#include "testmain.h"

#include <QDir>

using namespace tktest;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The results block of a two-player run from each player's answer lines.
QByteArray blok(const QStringList& regels1, int goed1, const QStringList& regels2, int goed2)
{
    auto deel = [](const QString& naam, const QStringList& regels, int goed) {
        return naam + ": (6-12-2026      10:15)" + CRLF + CRLF + regels.join(CRLF) + CRLF + CRLF +
               "eindresultaat: " + common::Str(goed) + " goed van de " +
               common::Str(int(regels.size()));
    };
    return (deel("An", regels1, goed1) + CRLF + CRLF + deel("Bo", regels2, goed2) + CRLF +
            QString(49, QLatin1Char('-')) + CRLF)
        .toUtf8();
}

// A right answer's results line; player 2 writes a shorter separator.
QString goedRegel(const QString& tekst, const QString& antwoord, int speler)
{
    return tekst + (speler == 1 ? "          = " : "     = ") + antwoord + "   Goed";
}

QString foutRegel(const QString& tekst, const QString& antwoord, const QString& antw)
{
    return tekst + "    = " + antwoord + "       Fout ,het is " + antw;
}

QString zonderSpaties(QString s)
{
    return s.remove(QLatin1Char(' '));
}

// Scripted draws given as pairs k, n: draw(n, m) gives m + k.
std::unique_ptr<common::ScriptedRandom> trekkingen(std::initializer_list<int> kn)
{
    auto r = std::make_unique<common::ScriptedRandom>();
    r->addDraws(kn);
    return r;
}

// Four (or six) mixed problems per player answered "x": level.kind per player.
template <class F> QStringList gemengd(const QString& naam, int niveau, int problemen)
{
    Session s(std::make_unique<common::SeededRandom>(4));
    choose(2, "An", "Bo", niveau, "Soorten door elkaar");
    auto* f = open<F>(naam);
    QStringList niveaus{"", ""};
    for (int nr = 1; nr <= problemen; ++nr)
        for (int speler : {1, 2}) {
            f->Timer1->fire();
            niveaus[speler - 1] +=
                QString("%1.%2 ").arg(f->opgave(speler).niveau).arg(f->opgave(speler).soort);
            type(speler == 1 ? f->tAntwoord1 : f->tAntwoord2, "x");
        }
    f->Timer1->fire();
    f->bNaarmenu->click();
    if (!QFile::exists(
            QString("oefset%1_%2.txt").arg(f->formName() == "haakjes" ? 4 : 5).arg(niveau)))
        niveaus << "not filed under the mixed level";
    return niveaus;
}

} // namespace

class AlgebraFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerExercise<Haakjes>("haakjes");
        registerExercise<Ontbinden>("ontbinden");
    }
    void init() { removeResultsFiles(); }

    void haakjesTweeSpelers()
    {
        // Player 1: -2x(3x + 5); player 2: 3a(2a - 1); the rest from a seed.
        Session s(trekkingen({0, 4, 2, 10, 4, 9, 8,  20, 1, 2, 0, 9, 1, 2, //
                              2, 4, 1, 10, 0, 9, 13, 20, 0, 2, 0, 9, 1, 2}));
        choose(2, "An", "Bo", 1, "Eén stel haakjes niveau 1");
        auto* f = open<Haakjes>("haakjes");
        QCOMPARE(f->caption(), QString("Haakjes wegwerken    Eén stel haakjes niveau 1"));

        // An empty answer is not judged; leaving the brackets in is wrong.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule1->caption(), QString(" -2x( 3x +  5)"));
        QCOMPARE(f->lVulin1->caption(), QString(" An  vul in ! (nr.  1)"));
        type(f->tAntwoord1, "");
        QVERIFY(f->lGoedzo1->isHidden());
        s.clock->advance(4);
        type(f->tAntwoord1, "-2x(3x+5)");
        QCOMPARE(f->lGoedzo1->caption(), QString("nee, het is -6x² -  10x"));
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("Haakjes wegwerken"));
        QVERIFY(s.messages.last().text.endsWith("Het antwoord is dus:  -6x² -  10x"));
        QStringList regels1{foutRegel(" -2x( 3x +  5)", "-2x(3x+5)", "-6x² -  10x")};

        // Player 2 types powers with ^; the box shows the answer normalised.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule2->caption(), QString("  3a( 2a -  1)"));
        type(f->tAntwoord2, "6a^2 - 3a");
        QCOMPARE(f->tAntwoord2->text(), QString("6a²-3a"));
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    1 g"));
        QStringList regels2{goedRegel("  3a( 2a -  1)", "6a²-3a", 2)};

        // The other nine: player 1 always right, player 2 wrong on odd numbers.
        int goed2 = 1;
        for (int nr = 2; nr <= 10; ++nr) {
            QVERIFY(f->Timer1->fire());
            const QString antwoord1 = zonderSpaties(f->opgave(1).antw);
            type(f->tAntwoord1, antwoord1);
            regels1 << goedRegel(f->lFormule1->caption(), antwoord1, 1);
            QVERIFY(f->Timer1->fire());
            const QString tekst2 = f->lFormule2->caption();
            const QString antwoord2 = nr % 2 ? "0" : zonderSpaties(f->opgave(2).antw);
            type(f->tAntwoord2, antwoord2);
            QCOMPARE(f->tAntwoord2->text(), antwoord2);
            regels2 << (nr % 2 ? foutRegel(tekst2, "0", f->opgave(2).antw)
                               : goedRegel(tekst2, antwoord2, 2));
            goed2 += nr % 2 ? 0 : 1;
        }
        QCOMPARE(s.messages.count(), 1 + 4); // explanations for 3, 5, 7 and 9
        QVERIFY(f->Timer1->fire());          // closes the run
        QVERIFY(s.messages.last().text.endsWith(" An heeft gewonnen !"));
        QCOMPARE(readFile("oefset4_1.txt"), blok(regels1, 9, regels2, goed2));
    }

    void ontbindenTweeSpelers()
    {
        // Player 1: -6x² - 15x; player 2: 3a² - 2a; the rest from a seed.
        Session s(trekkingen({0, 4, 1, 10, 4, 9, 7, 20, 1, 2, 2, 4, 2, 10, 1, 9, 11, 20, 0, 2}));
        choose(2, "An", "Bo", 1, "Tweetermen ontbinden");
        auto* f = open<Ontbinden>("ontbinden");
        QCOMPARE(f->caption(), QString("Ontbinden    Tweetermen ontbinden"));

        // Player 1 takes out 3x instead of -3x: right, but a better factor exists.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule1->caption(), QString(" -6x² -  15x"));
        s.clock->advance(5);
        type(f->tAntwoord1, "3x(-2x-5)");
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    1 g"));
        QCOMPARE(s.messages.last().title, QString("ontbinden"));
        QCOMPARE(s.messages.last().text, QString("Het is goed, maar beter is:  -3x( 2x +  5)"));
        QStringList regels1{goedRegel(" -6x² -  15x", "3x(-2x-5)", 1) + CRLF +
                            " maar beter is: -3x( 2x +  5)"};

        // Player 2 gets the sign inside wrong: not the same function.
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord2, "a(3a+2)");
        QCOMPARE(f->lGoedzo2->caption(), QString("nee, het is a( 3a -  2)"));
        QCOMPARE(s.messages.last().title, QString("Ontbinden"));
        QVERIFY(s.messages.last().text.endsWith("Het antwoord is dus:  a( 3a -  2)"));
        QStringList regels2{foutRegel("  3a² -  2a", "a(3a+2)", "a( 3a -  2)")};

        // The rest: player 1 types the answers with ^ for powers, player 2
        // types every problem back (right only when 1 or -1 is the factor).
        int goed2 = 0;
        for (int nr = 2; nr <= 10; ++nr) {
            QVERIFY(f->Timer1->fire());
            QString antwoord1 = zonderSpaties(f->opgave(1).antw);
            type(f->tAntwoord1, antwoord1.replace("²", "^2"));
            QVERIFY(f->lGoedzo1->caption().startsWith("Goedzo An!"));
            QVERIFY(!f->tAntwoord1->text().contains('^'));
            regels1 << goedRegel(f->lFormule1->caption(), f->tAntwoord1->text(), 1);
            if (f->opgave(1).c < 0 && !f->tAntwoord1->text().startsWith('-'))
                regels1.last() += CRLF + " maar beter is: " + f->opgave(1).antw;

            QVERIFY(f->Timer1->fire());
            const QString tekst2 = f->lFormule2->caption();
            type(f->tAntwoord2, zonderSpaties(tekst2));
            const bool goed = std::abs(f->opgave(2).c) == 1 && f->opgave(2).soort % 3 == 1;
            QCOMPARE(f->lGoedzo2->caption().startsWith("Goedzo"), goed);
            regels2 << (goed ? goedRegel(tekst2, f->tAntwoord2->text(), 2)
                             : foutRegel(tekst2, f->tAntwoord2->text(), f->opgave(2).antw));
            goed2 += goed ? 1 : 0;
        }
        QVERIFY(f->Timer1->fire());
        QVERIFY(s.messages.last().text.startsWith("An:\rJe had er  10 goed van de  10 in  5 sec."));
        QCOMPARE(readFile("oefset5_1.txt"), blok(regels1, 10, regels2, goed2));
    }

    // Player 1's problem k takes its level from counter k - 1, player 2's
    // from counter k; the results go to the mixed level's file.
    void gemengdeRuns()
    {
        QCOMPARE(gemengd<Haakjes>("haakjes", 5, 4),
                 (QStringList{"1.2 2.3 3.1 4.1 ", "2.2 3.1 4.4 1.1 "}));
        QVERIFY(!readFile("oefset4_5.txt").isEmpty());
        const QStringList ontbinden = gemengd<Ontbinden>("ontbinden", 4, 6);
        QCOMPARE(ontbinden.size(), 2);
        QVERIFY(QRegularExpression("^1.\\d 2.\\d 3.\\d 1.\\d 2.\\d 3.\\d $")
                    .match(ontbinden[0])
                    .hasMatch());
        QVERIFY(QRegularExpression("^2.\\d 3.\\d 1.\\d 2.\\d 3.\\d 1.\\d $")
                    .match(ontbinden[1])
                    .hasMatch());
        QVERIFY(!readFile("oefset5_4.txt").isEmpty());
    }
};

TK_TEST(AlgebraFormTest)
#include "forms_test.moc"
