#include "app/infotext.h"
#include "app/menuchoices.h"
#include "app/menuform.h"
#include "app/viewerform.h"
#include "testmain.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

#include <functional>

using tktest::click;

namespace {

// Stands in for an exercise form: remembers that it was opened and the level
// it found in the shared state.
struct Opened {
    QString form;
    int level;
};
std::vector<Opened> opened;

class StubForm : public ui::Form {
public:
    explicit StubForm(const QString& name) : ui::Form(name) {}
    void activate() override { opened.push_back({formName(), menuChoices().level}); }
};

} // namespace

class MenuTest : public QObject {
    Q_OBJECT

    ui::FormRegistry& reg = ui::FormRegistry::instance();
    MenuForm* m = nullptr;
    int stops = 0;

    // Opens submenu k and picks its item, then the player count.
    void pick(int mainChoice, int index, int players)
    {
        click(m->menu[mainChoice]);
        click(m->menu[index]);
        click(m->playerOptions()[players - 1]);
    }
    // Starts the parabolas as Anna (and Bram), then comes back as an exercise does.
    void playParabolas(int players, const std::function<void(QWidget*)>& during = {})
    {
        pick(6, 2, players);
        QTest::keyClicks(m->nameBox1(), "Anna");
        QTest::keyClicks(m->nameBox2(), "Bram");
        click(m->okButton());
        QVERIFY(!m->isVisible());
        auto* exercise = reg.find("grafieken");
        if (during)
            during(exercise);
        reg.show("wismenu");
        reg.unload(exercise);
        QVERIFY(m->isVisible());
    }

private slots:
    void init()
    {
        reg.add("wismenu", [] { return new MenuForm; });
        reg.add("bekijken", [] { return new ViewerForm; });
        for (const char* name : {"hoeken", "procenten", "metriek", "sommen", "haakjes", "ontbinden",
                                 "vergelijkingen", "grafieken"})
            reg.add(name, [name] { return new StubForm(name); });
        opened.clear();
        stops = 0;
        MenuForm::stopProgram = [this] { ++stops; };
        m = qobject_cast<MenuForm*>(reg.show("wismenu"));
        QVERIFY(m);
    }
    void cleanup() { reg.unloadAll(); }

    // At the start, and after "Terug naar hoofdmenu" of a submenu whose names were asked.
    void theMainMenuAtTheStartAndAfterBack()
    {
        // The hidden text boxes are made when first needed, not at the start.
        QVERIFY(m->findChildren<QLineEdit*>().isEmpty());
        QVERIFY(m->findChildren<QPlainTextEdit*>().isEmpty());
        for (int back : {-1, 5}) {
            if (back > 0) {
                pick(3, 0, 2);
                click(m->menu[back]);
            }
            QCOMPARE(m->menuDepth, std::int16_t(0));
            QCOMPARE(m->headingLabel->caption(), QString("Hoofdmenu"));
            for (int i = 0; i < 8; ++i)
                QVERIFY(m->menu[i]->isVisible() && !m->menu[i]->isMarked());
            QVERIFY(m->pictureArea->isVisible() && !m->tInfo()->isVisible());
            for (QWidget* w : std::initializer_list<QWidget*>{m->playerCountLabel(), m->nameBox1(),
                                                              m->okButton()})
                QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        }
        QCOMPARE(m->menu[0]->caption(), QString("Hoeken/Procenten      >"));
    }

    // What each button of each submenu does: an exercise item opens its form
    // at its level (hoeken and procenten leave it at 9), "*" where pen and
    // paper are asked first; "-": nothing, hidden buttons too.
    void everyButtonOfEverySubmenu_data()
    {
        QTest::addColumn<int>("mainChoice");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        const char* buttons[7] = {
            "hoeken9 - procenten9 - back - viewer -",
            "metriek1 metriek2 metriek3 metriek4 back - stop info",
            "sommen1 sommen2 sommen3 sommen4* back - stop info",
            "haakjes1 haakjes2* haakjes3* haakjes4* haakjes5* back stop info",
            "ontbinden1 ontbinden2 ontbinden3* ontbinden4* back - stop info",
            "vergelijkingen1* vergelijkingen2* vergelijkingen3* vergelijkingen4* "
            "vergelijkingen5* vergelijkingen6* vergelijkingen7* back",
            "grafieken1 grafieken2 grafieken3 grafieken4 grafieken5 grafieken6 grafieken7 back"};
        for (int k = 0; k < 7; ++k)
            for (int i = 0; i < 8; ++i)
                QTest::addRow("submenu %d button %d", k, i)
                    << k << i << QString(buttons[k]).split(' ')[i];
    }
    void everyButtonOfEverySubmenu()
    {
        QFETCH(int, mainChoice);
        QFETCH(int, index);
        ui::MessageRecorder boxes;
        menuChoices().level = 9;
        click(m->menu[mainChoice]);
        m->menu[index]->click(); // a hidden one too
        const bool item = m->playerCountLabel()->isVisible();
        QCOMPARE(m->menu[index]->isMarked(), item || m->tInfo()->isVisible());
        QString got = stops                     ? "stop"
                      : reg.find("bekijken")    ? "viewer"
                      : m->tInfo()->isVisible() ? "info"
                      : m->menuDepth == 0       ? "back"
                                                : "-";
        if (item) {
            QVERIFY(!m->okButton()->isVisible() && !m->pictureArea->isVisible());
            click(m->playerOptions()[0]);
            QTest::keyClicks(m->nameBox1(), "Anna");
            click(m->okButton());
            QVERIFY(opened.size() == 1 && !m->isVisible() && reg.find(opened[0].form)->isVisible());
            got = opened[0].form + QString::number(opened[0].level) + (boxes.count() ? "*" : "");
        }
        QTEST(got, "expected");
    }

    void infoShowsTheSameTextOnTheMainMenuAndInSubmenus()
    {
        QString expected = infotext::text();
        expected.replace("\r\n", "\n");
        click(m->menu[7]);
        QVERIFY(m->tInfo()->isVisible() && m->tInfo()->isReadOnly() &&
                !m->pictureArea->isVisible());
        QCOMPARE(m->tInfo()->contents(), expected);
        click(m->menu[7]);
        QCOMPARE(m->tInfo()->contents(), expected); // rebuilt, not appended
        click(m->menu[4]);                          // a submenu takes the picture back
        QVERIFY(!m->tInfo()->isVisible() && m->pictureArea->isVisible());
        click(m->menu[7]);
        QCOMPARE(m->tInfo()->contents(), expected);
        QCOMPARE(m->mainChoice, 4);
    }

    // The player count shows one or two name boxes; Enter moves through them to OK.
    void playerCountAndEnterThroughTheNames()
    {
        pick(2, 0, 2);
        QCOMPARE(m->nameLabel1()->caption(), QString(" Wie zit links ?"));
        QVERIFY(m->nameBox2()->isVisible() && m->nameLabel2()->isVisible() &&
                m->hintLabel()->isVisible());
        QCOMPARE(m->focusWidget(), m->nameBox1());
        QTest::keyClicks(m->nameBox1(), "Anna");
        QTest::keyClick(m->nameBox1(), Qt::Key_Return);
        QCOMPARE(m->focusWidget(), m->nameBox2());
        QTest::keyClicks(m->nameBox2(), "Bram");
        QTest::keyClick(m->nameBox2(), Qt::Key_Return);
        QCOMPARE(m->focusWidget(), m->okButton());
        click(m->playerOptions()[0]);
        QCOMPARE(m->nameLabel1()->caption(), QString(" Hoe heet je ?"));
        QVERIFY(m->nameBox1()->isVisible() && !m->nameBox2()->isVisible() &&
                !m->nameLabel2()->isVisible());
        QTest::keyClick(m->nameBox1(), Qt::Key_Return);
        QCOMPARE(m->focusWidget(), m->okButton());
        QTest::keyClick(m->okButton(), Qt::Key_Return);
        QVERIFY(opened.size() == 1 && opened[0].form == "sommen");
    }

    void okRules_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("name2");
        QTest::addColumn<bool>("opens");
        // clang-format off
        QTest::newRow("one player named")                 << 1 << "Anna" << ""     << true;
        QTest::newRow("one player without name")          << 1 << ""     << ""     << false;
        QTest::newRow("one player, only hidden box named") << 1 << ""    << "Bram" << false;
        QTest::newRow("one player, hidden box ignored")   << 1 << "Anna" << "Bram" << true;
        QTest::newRow("two players named")                << 2 << "Anna" << "Bram" << true;
        QTest::newRow("two players, second empty")        << 2 << "Anna" << ""     << false;
        QTest::newRow("two players, first empty")         << 2 << ""     << "Bram" << false;
        // clang-format on
    }
    void okRules()
    {
        QFETCH(int, players);
        QFETCH(QString, name1);
        QFETCH(QString, name2);
        QFETCH(bool, opens);
        ui::MessageRecorder boxes;
        bool formShownDuringBox = true;
        boxes.whileOpen = [&](const ui::Message&) {
            formShownDuringBox = reg.find("vergelijkingen") != nullptr;
        };
        pick(5, 0, 2); // equations always ask for pen and paper
        QTest::keyClicks(m->nameBox1(), name1);
        QTest::keyClicks(m->nameBox2(), name2);
        click(m->playerOptions()[players - 1]);
        menuChoices().level = 3;
        click(m->okButton());
        QCOMPARE(int(opened.size()), opens ? 1 : 0);
        QCOMPARE(boxes.count(), opens ? 1 : 0);
        QCOMPARE(menuChoices().name1, name1);
        QCOMPARE(menuChoices().name2, name2); // copied whatever the player count
        if (opens) {
            QCOMPARE(menuChoices().session().exercise, QString("vergelijkingen"));
            QCOMPARE(boxes.last().title, QString("Telkompas"));
            QVERIFY(boxes.last().text.startsWith("Pak pen en papier klaar\r"));
            QVERIFY(!formShownDuringBox);
        } else {
            QCOMPARE(menuChoices().level, std::int16_t(3));
            QVERIFY(m->okButton()->isVisible() && m->nameBox1()->isVisible());
            QCOMPARE(m->nameBox2()->isVisible(), players == 2);
        }
    }

    // After a run the names stay in the boxes. Enter held down from the last
    // answer through the summary box: its repeats reach the menu when it
    // comes back, and open nothing there.
    void namesStayAndEnterHeldFromTheRunOpensNothing()
    {
        playParabolas(2, [](QWidget* exercise) { // the press began in the exercise
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            QApplication::sendEvent(exercise, &held);
        });
        QCOMPARE(m->menu[0]->caption(), QString("Hoeken/Procenten/Antw >"));
        QVERIFY(!m->nameBox1()->isVisible() && !m->playerOptions()[1]->isChecked());
        QCOMPARE(m->nameBox1()->text(), QString("Anna"));
        QCOMPARE(m->nameBox2()->text(), QString("Bram"));
        QCOMPARE(menuChoices().choiceCaption, QString("Parabolen      "));
        m->menu[0]->setFocus();
        for (int i = 0; i < 5; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            QApplication::sendEvent(m->menu[0], &repeat);
        }
        QCOMPARE(m->menuDepth, std::int16_t(0));
        QTest::keyClick(m->menu[0], Qt::Key_Return); // pressed afresh: the submenu opens
        QCOMPARE(m->menuDepth, std::int16_t(1));
    }
};

TK_TEST(MenuTest)
#include "menu_test.moc"
