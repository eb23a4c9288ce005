// The sums form played through as pupils play it.
#include "common/numbertext.h"
#include "exercises/sums/sommen.h"
#include "rundriver.h"
#include "testmain.h"
#include "ui/twips.h"

#include <QDir>
#include <cmath>

using namespace tktest;

namespace {

const QByteArray dashes(49, '-');

void script(common::ScriptedRandom& r, std::initializer_list<std::pair<int, int>> draws)
{
    for (auto [k, n] : draws)
        r.addDraw(k, n);
}

// What a pupil works out from the row on the screen: the number to type.
QString answerFor(const std::array<ui::Label*, 5>& row)
{
    QStringList t = (row[0]->caption() + row[1]->caption()).split(' ', Qt::SkipEmptyParts);
    if (row[2]->isVisible()) {
        t += row[2]->caption().split(' ', Qt::SkipEmptyParts);
        // Times first, then left to right.
        for (int i = 1; i + 1 < t.size(); i += 2)
            if (t[i] == "x") {
                t[i - 1] = QString::number(t[i - 1].toDouble() * t[i + 1].toDouble());
                t.remove(i, 2);
                i -= 2;
            }
        double v = t[0].toDouble();
        for (int i = 1; i + 1 < t.size(); i += 2)
            v += (t[i] == "+" ? 1 : -1) * t[i + 1].toDouble();
        return QString::number(v, 'f', 1).replace(".0", "").replace('.', ',');
    }
    const double a = t[0].toDouble(), c = row[4]->caption().toDouble();
    const double b = t[1] == "+" ? c - a : t[1] == "-" ? a - c : c / a;
    return QString::number(b);
}

void registerSums()
{
    ui::FormRegistry::instance().add("sommen", [] { return new Sommen; });
    if (!ui::FormRegistry::instance().has("wismenu"))
        ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
}

QStringList captions(const std::array<ui::Label*, 5>& row)
{
    QStringList c;
    for (const ui::Label* l : row)
        c << (l->isVisible() ? l->caption() : "(hidden)");
    return c;
}

// Position and width in twips, as the nearest pixels show them.
QList<int> place(const QWidget* w)
{
    return {w->x(), w->width()};
}
QList<int> placeTw(int left, int width)
{
    return {ui::px(left), ui::px(width)};
}

} // namespace

class SommenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerSums(); }
    void init()
    {
        QDir dir(QDir::currentPath());
        for (const QString& f : dir.entryList({"oefset*"}, QDir::Files))
            dir.remove(f);
    }

    // Every level, two players, twenty problems each: the pupils answer from
    // what the rows show, player 1 wrong on every third problem, player 2 on
    // every fourth.
    void wholeRunAtEveryLevel_data()
    {
        QTest::addColumn<int>("niveau");
        for (int n = 1; n <= 4; ++n)
            QTest::addRow("level %d", n) << n;
    }
    void wholeRunAtEveryLevel()
    {
        QFETCH(int, niveau);
        Session s(std::make_unique<common::SeededRandom>(40 + niveau));
        choose(2, "An", "Bo", niveau, "Sommen");
        auto* f = open<Sommen>("sommen");
        for (int nr = 1; nr <= 20; ++nr) {
            QVERIFY(f->Timer1->fire());
            const QString typed1 = nr % 3 ? answerFor(f->lSom1) : answerFor(f->lSom1) + "1";
            type(f->tAntwoord1, typed1);
            QCOMPARE(f->lGoedzo1->caption().startsWith("Goedzo"), nr % 3 != 0);
            const QStringList row1 = captions(f->lSom1);
            QVERIFY(f->Timer1->fire());
            QCOMPARE(captions(f->lSom1), row1); // player 1's problem stays in view
            QCOMPARE(f->tAntwoord1->text(), typed1);
            type(f->tAntwoord2, nr % 4 ? answerFor(f->lSom2) : "999");
            QCOMPARE(f->lGoedzo2->caption().startsWith("Goedzo"), nr % 4 != 0);
        }
        QCOMPARE(s.messages.count(), 6 + 5); // the explanations
        for (const auto& m : s.messages.messages)
            QCOMPARE(m.title, QString());
        QVERIFY(f->Timer1->fire()); // closes the run
        QCOMPARE(s.messages.last().title, QString("Sommen"));
        QVERIFY(s.messages.last().text.contains("Je had er  14 goed van de  20"));
        QVERIFY(s.messages.last().text.contains("Je had er  15 goed van de  20"));
        const QString file = QString::fromUtf8(readFile(QString("oefset3_%1.txt").arg(niveau)));
        QCOMPARE(file.count("   Goed\r\n"), 29);
        // At every level three of player 1's wrong answers were to a result
        // asked; all other wrong lines have the comma before "het".
        QCOMPARE(file.count("Fout, het is"), 3);
        QCOMPARE(file.count("Fout ,het is"), 8);
        QVERIFY(file.contains("eindresultaat:  14 goed van de  20\r\n\r\nBo: "));
        QVERIFY(file.endsWith("eindresultaat:  15 goed van de  20\r\n" + dashes + "\r\n"));
        flushUnloads();
        QVERIFY(!ui::FormRegistry::instance().find("sommen"));
    }

    // Level 4 with scripted draws: a hidden factor, a three-term problem and
    // a hidden term, with the exact lines of both players.
    void twoPlayersScriptedAtLevel4()
    {
        auto r = std::make_unique<common::ScriptedRandom>();
        script(*r, {{5, 20}, {1, 20}, {0, 3}, {1, 3}});  // An: -7 x 3
        script(*r, {{10, 20}, {0, 20}, {0, 3}, {0, 3}}); // Bo: -12 x -2
        for (int i = 0; i < 2; ++i) {                    // both: -4 + 3 x -2
            script(*r, {{0, 40}, {0, 40}, {0, 3}, {0, 3}, {1, 2}});
            script(*r, {{2, 8}, {0, 3}, {1, 8}, {1, 3}, {1, 3}, {0, 8}, {2, 3}, {2, 3}});
        }
        script(*r, {{4, 40}, {10, 40}, {0, 3}, {1, 3}, {0, 2}}); // An: -14 - 20
        Session s(std::move(r));
        choose(2, "An", "Bo", 4, "Opt/aftr/verm. niveau 2");
        auto* f = open<Sommen>("sommen");
        QCOMPARE(f->caption(), QString("Sommen    Opt/aftr/verm. niveau 2"));
        QCOMPARE(f->widthTw(), 7590);
        QCOMPARE(ui::widthTw(f->bNaarmenu), ui::tw(ui::px(7125)));
        QVERIFY(f->tAntwoord1->isHidden() && f->tAntwoord2->isHidden());
        QVERIFY(f->lSom2[0]->isHidden());

        QVERIFY(f->Timer1->fire());
        QCOMPARE(captions(f->lSom1), (QStringList{" -7", " x ", "(hidden)", " = ", "-21"}));
        QCOMPARE(place(f->tAntwoord1), placeTw(915, 645)); // over label 2
        s.clock->advance(3);
        type(f->tAntwoord1, "-3");
        QCOMPARE(f->lGoedzo1->caption(), QString("nee, het is  3"));
        QVERIFY(s.messages.last().text.startsWith("-7  x  .......  =  -21\r"));

        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lVulin2->caption(), QString(" Bo  vul in ! (nr.  1)"));
        QCOMPARE(captions(f->lSom2), (QStringList{" -12", " x ", "(hidden)", " = ", " 24"}));
        QCOMPARE(place(f->tAntwoord2), placeTw(915 + 3600, 645));
        QCOMPARE(place(f->lSom2[3]), placeTw(5160, 390));
        QCOMPARE(captions(f->lSom1), (QStringList{" -7", " x ", "(hidden)", " = ", "-21"}));
        s.clock->advance(4);
        type(f->tAntwoord2, "-2");
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    1 g"));

        QVERIFY(f->Timer1->fire());
        QCOMPARE(captions(f->lSom1), (QStringList{" -4", " + ", "     3   x   -2", " = ", ""}));
        QCOMPARE(place(f->lSom1[2]), placeTw(915, 1645));
        QCOMPARE(place(f->lSom1[3]), placeTw(2560, 390));
        QCOMPARE(place(f->tAntwoord1), placeTw(2950, 695)); // over label 4
        type(f->tAntwoord1, "-10");
        QVERIFY(f->Timer1->fire());
        QCOMPARE(place(f->lSom2[4]), placeTw(6550, 695));
        type(f->tAntwoord2, "2");
        QVERIFY(s.messages.last().text.contains("Bereken eerst   3   x   -2     ,dat is -6"));

        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, "-20");
        QCOMPARE(f->lGoedzo1->caption(), QString("nee, het is  20"));
        QVERIFY(f->Timer1->fire());
        f->bNaarmenu->click(); // player 2's third problem stays unanswered
        QCOMPARE(s.messages.count(), 4);
        QVERIFY(s.messages.last().text.contains("Bo:\rJe had er  1 goed van de  2 in  4 sec."));
        QCOMPARE(readFile("oefset3_4.txt"),
                 "An: (6-12-2026      10:15)\r\n\r\n"
                 " -7 x  .... = -21    Antw: -3   Fout ,het is  3\r\n"
                 " -4 +      3   x   -2 = -10   Goed\r\n"
                 " -14 -  .... = -34    Antw: -20   Fout ,het is  20\r\n\r\n"
                 "eindresultaat:  1 goed van de  3\r\n\r\n"
                 "Bo: (6-12-2026      10:15)\r\n\r\n"
                 " -12 x  .... =  24    Antw: -2   Goed\r\n"
                 " -4 +      3   x   -2 = 2   Fout ,het is -10\r\n\r\n"
                 "eindresultaat:  1 goed van de  2\r\n" +
                     dashes + "\r\n");
    }

    // Level 2 alone: a hidden whole number, then tenths typed with a comma.
    void decimalSumsWithOnePlayer()
    {
        auto r = std::make_unique<common::ScriptedRandom>();
        for (int i = 0; i < 2; ++i) {
            script(*r, {{2, 40}, {5, 40}, {0, 3}, {1, 3}, {1, 2}});  // -12 + 15
            script(*r, {{15, 40}, {2, 40}, {0, 3}, {1, 3}, {1, 2}}); // -2.5 + 1.2
        }
        Session s(std::move(r));
        choose(1, "Anna", "", 2, "Optellen/aftr. niveau 2");
        auto* f = open<Sommen>("sommen");
        QCOMPARE(f->widthTw(), 4000);
        QCOMPARE(ui::widthTw(f->bNaarmenu), ui::tw(ui::px(3500)));
        QVERIFY(f->Picture2->isHidden());
        QVERIFY(f->Timer1->fire());
        QCOMPARE(captions(f->lSom1), (QStringList{" -12", " + ", "(hidden)", " = ", " 3"}));
        type(f->tAntwoord1, "15");
        QVERIFY(f->Timer1->fire());
        QCOMPARE(captions(f->lSom1), (QStringList{" -2.5", " + ", "  1.2", " = ", ""}));
        QCOMPARE(place(f->tAntwoord1), placeTw(1950, 645));
        type(f->tAntwoord1, "-1,3");
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo Anna!    2 g"));
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, "15");
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, "-13");
        QCOMPARE(f->lGoedzo1->caption(), QString("nee, het is -1.3"));
        QCOMPARE(s.messages.count(), 1);
        QVERIFY(s.messages.last().text.startsWith("-2.5 +  1.2  =  \r"));
        QVERIFY(f->verslag1.endsWith("\r\n -2.5 +   1.2 = -13   Fout, het is -1.3"));
    }

    // On screen a line too wide for the history area breaks before its
    // verdict; the results text keeps it on one line.
    void aLongHistoryLineBreaksOnScreenOnly()
    {
        Session s;
        choose(1, "Anna", "", 1, "Optellen/aftr. niveau 1");
        auto* f = open<Sommen>("sommen");
        const double lineHeight = f->Picture1->textHeight();
        QVERIFY(f->Timer1->fire());
        double y = f->Picture1->currentY;
        type(f->tAntwoord1, "0");
        QCOMPARE(f->Picture1->currentY, y + lineHeight);
        QVERIFY(f->Timer1->fire());
        y = f->Picture1->currentY;
        type(f->tAntwoord1, "0 (dit weet ik echt niet)");
        QCOMPARE(f->Picture1->currentY, y + 2 * lineHeight);
        QVERIFY(f->verslag1.endsWith("    Antw: 0 (dit weet ik echt niet)   Fout ,het is " +
                                     common::Str(f->opgave.getal2)));
    }
};

TK_TEST(SommenFormTest)
#include "sommen_form_test.moc"
