// The brackets and factoring forms played through by two pupils, with the
// results file the run leaves.
#include "exercises/algebra/bracketsform.h"
#include "exercises/algebra/factoringform.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"

using namespace tktest;

class AlgebraFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerExercise("haakjes");
        registerExercise("ontbinden");
    }

    // Player 1 answers twice, player 2 once; leaving then writes the block.
    void bracketsTwoPlayers()
    {
        // Player 1: -2x(3x + 5); player 2: 3a(2a - 1); then the fallback source.
        Session s(ScriptedRandom::of({0, 4, 2, 10, 4, 9, 8,  20, 1, 2, 0, 9, 1, 2, //
                                      2, 4, 1, 10, 0, 9, 13, 20, 0, 2, 0, 9, 1, 2}));
        auto* f = open<BracketsForm>("haakjes", 2, "An", "Bo", 1, "Eén stel haakjes niveau 1");

        // Leaving the brackets in is wrong.
        QVERIFY(f->timer->fire());
        QCOMPARE(f->problemLabel1->caption(), QString(" -2x( 3x +  5)"));
        type(f->answerBox1, "-2x(3x+5)");
        QCOMPARE(f->feedbackLabel1->caption(), QString("nee, het is -6x² -  10x"));
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("Haakjes wegwerken"));
        QVERIFY(s.messages.last().text.endsWith("Het antwoord is dus:  -6x² -  10x"));

        // Player 2 types powers with ^; the box shows the answer normalised.
        QVERIFY(f->timer->fire());
        QCOMPARE(f->problemLabel2->caption(), QString("  3a( 2a -  1)"));
        type(f->answerBox2, "6a^2 - 3a");
        QCOMPARE(f->answerBox2->text(), QString("6a²-3a"));
        QCOMPARE(f->feedbackLabel2->caption(), QString("Goedzo Bo!    1 g"));
        QVERIFY(f->timer->fire());
        type(f->answerBox1, "-30p^3+42p^2");
        QVERIFY(f->timer->fire());
        f->menuButton->click();
        // The answer lines as the file has them (the block around them: the
        // catalogue's test).
        const QByteArray file = readFile("oefset4_1.txt");
        QVERIFY(file.contains(" -2x( 3x +  5)    = -2x(3x+5)       Fout ,het is -6x² -  10x\r\n"
                              " -6p( 5p² -  7p)          = -30p³+42p²   Goed\r\n\r\n"));
        QVERIFY(file.contains("\r\n  3a( 2a -  1)     = 6a²-3a   Goed\r\n\r\n"));
    }

    // A factor without its minus is right, with a better answer in the file.
    void factoringTwoPlayers()
    {
        // Player 1: -6x² - 15x; player 2: 3a² - 2a.
        Session s(
            ScriptedRandom::of({0, 4, 1, 10, 4, 9, 7, 20, 1, 2, 2, 4, 2, 10, 1, 9, 11, 20, 0, 2}));
        auto* f = open<FactoringForm>("ontbinden", 2, "An", "Bo", 1, "Tweetermen ontbinden");
        QVERIFY(f->timer->fire());
        type(f->answerBox1, "3x(-2x-5)");
        QCOMPARE(f->feedbackLabel1->caption(), QString("Goedzo An!    1 g"));
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("ontbinden"));
        QCOMPARE(s.messages.last().text, QString("Het is goed, maar beter is:  -3x( 2x +  5)"));

        // Player 2 gets the sign inside wrong: not the same function.
        QVERIFY(f->timer->fire());
        type(f->answerBox2, "a(3a+2)");
        QCOMPARE(f->feedbackLabel2->caption(), QString("nee, het is a( 3a -  2)"));
        QCOMPARE(s.messages.last().title, QString("Ontbinden"));
        QVERIFY(s.messages.last().text.endsWith("Het antwoord is dus:  a( 3a -  2)"));
        QVERIFY(f->timer->fire());
        f->menuButton->click();
        const QByteArray file = readFile("oefset5_1.txt");
        QVERIFY(file.contains("\r\n -6x² -  15x          = 3x(-2x-5)   Goed\r\n"
                              " maar beter is: -3x( 2x +  5)\r\n\r\n"));
        QVERIFY(
            file.contains("\r\n  3a² -  2a    = a(3a+2)       Fout ,het is a( 3a -  2)\r\n\r\n"));
    }
};

TK_TEST(AlgebraFormTest)
#include "forms_test.moc"
