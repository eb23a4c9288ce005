#include "app/bekijken.h"
#include "app/infotext.h"
#include "app/module1.h"
#include "app/wismenu.h"
#include "testmain.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

namespace {

// Stands in for an exercise form: remembers that it was opened and the level
// it found in the shared state.
struct Opened {
    QString form;
    int niveau;
};
std::vector<Opened> opened;

class StubForm : public ui::Form {
public:
    explicit StubForm(const QString& name) : ui::Form(name) {}
    void activate() override { opened.push_back({formName(), module1().niveau}); }
};

const QStringList exerciseForms = {"hoeken",  "procenten", "metriek",        "sommen",
                                   "haakjes", "ontbinden", "vergelijkingen", "grafieken"};

const QString penText =
    QStringLiteral("Pak pen en papier klaar\rMaak de berekeningen eerst op een kladblaadje !");

void click(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

// The submenu table: back button, number of exercise items, and the
// buttons for Stoppen, Info and the viewer (-1: none).
struct SubmenuRule {
    int back, items, stop, info, viewer;
};
const SubmenuRule rules[7] = {{4, 4, -1, -1, 6}, {4, 4, 6, 7, -1}, {4, 4, 6, 7, -1},
                              {5, 5, 6, 7, -1},  {4, 4, 6, 7, -1}, {7, 7, -1, -1, -1},
                              {7, 7, -1, -1, -1}};
// Buttons that the Hoeken/Procenten submenu hides, and the other submenus.
bool hiddenIn(int hoofdkeuze, int index)
{
    if (hoofdkeuze == 0)
        return index % 2 == 1;
    return index == 5 && hoofdkeuze != 3 && hoofdkeuze < 5;
}

} // namespace

class MenuTest : public QObject {
    Q_OBJECT

    ui::FormRegistry& reg = ui::FormRegistry::instance();
    Wismenu* m = nullptr;
    int stops = 0;

    void openMenu()
    {
        m = qobject_cast<Wismenu*>(reg.show("wismenu"));
        QVERIFY(m);
    }
    void registerStubs()
    {
        for (const QString& name : exerciseForms)
            reg.add(name, [name] { return new StubForm(name); });
    }
    // Opens submenu k and picks its item, then the player count.
    void pick(int hoofdkeuze, int index, int spelers)
    {
        click(m->menu[hoofdkeuze]);
        click(m->menu[index]);
        click(m->Option1[spelers - 1]);
    }

private slots:
    void init()
    {
        reg.add("wismenu", [] { return new Wismenu; });
        reg.add("bekijken", [] { return new Bekijken; });
        opened.clear();
        stops = 0;
        Wismenu::stopProgram = [this] { ++stops; };
        openMenu();
    }
    void cleanup() { reg.unloadAll(); }

    // Runs first, before the stubs are registered.
    void okDoesNothingWhenTheFormDoesNotExist()
    {
        if (reg.has("vergelijkingen"))
            QSKIP("an equations form is registered in this program");
        ui::MessageRecorder boxes;
        module1().niveau = 9;
        pick(5, 0, 1);
        QTest::keyClicks(m->Tnaam1, "Anna");
        click(m->OK);
        QVERIFY(m->isVisible());
        QCOMPARE(module1().niveau, std::int16_t(9));
        QCOMPARE(boxes.count(), 0);
        QVERIFY(m->OK->isVisible());
    }

    void activationShowsTheMainMenu()
    {
        QCOMPARE(m->caption(), QString("Menu wiskunde"));
        QCOMPARE(m->lHoofdmenu->caption(), QString("Hoofdmenu"));
        QCOMPARE(m->menuDiepte, std::int16_t(0));
        QCOMPARE(m->hoofdkeuze, 0);
        for (int i = 0; i < 8; ++i)
            QVERIFY(m->menu[i]->isVisible() && !m->menu[i]->isMarked());
        QVERIFY(m->Picture2->isVisible());
        QVERIFY(!m->tInfo->isVisible());
        for (QWidget* w : std::initializer_list<QWidget*>{m->Label1, m->Lnaam1, m->Lnaam2,
                                                          m->Lhoeveel, m->Option1[0], m->Option1[1],
                                                          m->Tnaam1, m->Tnaam2, m->OK})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void decisionTable_data()
    {
        QTest::addColumn<int>("hoofdkeuze");
        QTest::addColumn<int>("index");
        const char* names[7] = {"Hoeken/Procenten", "Metriek", "Sommen",        "Haakjes",
                                "Ontbinden",        "Vergel.", "Functies raden"};
        for (int k = 0; k < 7; ++k)
            for (int i = 0; i < 8; ++i)
                if (!hiddenIn(k, i))
                    QTest::addRow("%s button %d", names[k], i) << k << i;
    }
    void decisionTable()
    {
        QFETCH(int, hoofdkeuze);
        QFETCH(int, index);
        const SubmenuRule& rule = rules[hoofdkeuze];
        click(m->menu[hoofdkeuze]);
        const QString caption = m->menu[index]->caption();
        const QString heading = m->lHoofdmenu->caption();
        click(m->menu[index]);

        if (index == rule.viewer) {
            QVERIFY(!m->isVisible());
            QVERIFY(reg.find("bekijken") && reg.find("bekijken")->isVisible());
        } else if (index == rule.stop) {
            QCOMPARE(stops, 1);
            QCOMPARE(m->menuDiepte, std::int16_t(1));
            QVERIFY(m->Picture2->isVisible());
        } else if (index == rule.info) {
            QVERIFY(m->tInfo->isVisible());
            QVERIFY(!m->Picture2->isVisible());
            QCOMPARE(m->menuDiepte, std::int16_t(1));
            QCOMPARE(m->lHoofdmenu->caption(), heading);
            QVERIFY(m->menu[index]->isMarked());
        } else if (index == rule.back) {
            QCOMPARE(m->menuDiepte, std::int16_t(0));
            QCOMPARE(m->hoofdkeuze, 0);
            QCOMPARE(m->lHoofdmenu->caption(), QString("Hoofdmenu"));
            QCOMPARE(m->menu[0]->caption(), QString("Hoeken/Procenten      >"));
            QCOMPARE(module1().keuzeTitel, caption);
            for (int i = 0; i < 8; ++i)
                QVERIFY(m->menu[i]->isVisible() && !m->menu[i]->isMarked());
        } else {
            QVERIFY(index < rule.items);
            QCOMPARE(m->opgaveKeuze, 7 * hoofdkeuze + index + 1);
            QCOMPARE(module1().keuzeTitel, caption);
            QVERIFY(m->menu[index]->isMarked());
            QVERIFY(!m->Picture2->isVisible() && !m->tInfo->isVisible());
            QVERIFY(m->Lhoeveel->isVisible());
            QVERIFY(m->Option1[0]->isVisible() && m->Option1[1]->isVisible());
            QVERIFY(!m->OK->isVisible());
        }
        if (index != rule.stop)
            QCOMPARE(stops, 0);
    }

    void hiddenButtonsCannotBeClicked()
    {
        click(m->menu[0]);
        m->menu[1]->click();
        m->menu[7]->click();
        QCOMPARE(m->menuDiepte, std::int16_t(1));
        QVERIFY(!m->Lhoeveel->isVisible());
        QVERIFY(!m->tInfo->isVisible());
    }

    void infoShowsTheSameTextOnTheMainMenuAndInSubmenus()
    {
        QString expected = infotext::text();
        expected.replace("\r\n", "\n");
        click(m->menu[7]);
        QVERIFY(m->tInfo->isVisible() && !m->Picture2->isVisible());
        QVERIFY(m->tInfo->isReadOnly());
        QCOMPARE(m->tInfo->contents(), expected);
        QCOMPARE(m->menuDiepte, std::int16_t(0));
        click(m->menu[7]);
        QCOMPARE(m->tInfo->contents(), expected); // rebuilt, not appended
        for (int k : {1, 2, 3, 4}) {
            click(m->menu[k]); // a submenu takes the picture back
            QVERIFY(!m->tInfo->isVisible() && m->Picture2->isVisible());
            click(m->menu[7]);
            QCOMPARE(m->tInfo->contents(), expected);
            QCOMPARE(m->hoofdkeuze, k);
            click(m->menu[rules[k].back]);
        }
    }

    void playerCountShowsTheNameBoxes()
    {
        click(m->menu[1]);
        click(m->menu[0]);
        click(m->Option1[1]);
        QCOMPARE(module1().aantalSpelers, 2);
        QCOMPARE(m->Lnaam1->caption(), QString(" Wie zit links ?"));
        QVERIFY(m->Tnaam1->isVisible() && m->Tnaam2->isVisible() && m->Lnaam2->isVisible());
        QVERIFY(m->OK->isVisible() && m->Label1->isVisible());
        QCOMPARE(m->focusWidget(), m->Tnaam1);
        click(m->Option1[0]);
        QCOMPARE(module1().aantalSpelers, 1);
        QCOMPARE(m->Lnaam1->caption(), QString(" Hoe heet je ?"));
        QVERIFY(m->Tnaam1->isVisible() && !m->Tnaam2->isVisible() && !m->Lnaam2->isVisible());
    }

    void enterMovesThroughTheNamesToOk()
    {
        registerStubs();
        pick(2, 0, 2);
        QTest::keyClicks(m->Tnaam1, "Anna");
        QTest::keyClick(m->Tnaam1, Qt::Key_Return);
        QCOMPARE(m->focusWidget(), m->Tnaam2);
        QTest::keyClicks(m->Tnaam2, "Bram");
        QTest::keyClick(m->Tnaam2, Qt::Key_Return);
        QCOMPARE(m->focusWidget(), m->OK);
        click(m->Option1[0]);
        QTest::keyClick(m->Tnaam1, Qt::Key_Return);
        QCOMPARE(m->focusWidget(), m->OK);
        QTest::keyClick(m->OK, Qt::Key_Return);
        QCOMPARE(int(opened.size()), 1);
        QCOMPARE(opened[0].form, QString("sommen"));
    }

    void okRules_data()
    {
        QTest::addColumn<int>("spelers");
        QTest::addColumn<QString>("naam1");
        QTest::addColumn<QString>("naam2");
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
        QFETCH(int, spelers);
        QFETCH(QString, naam1);
        QFETCH(QString, naam2);
        QFETCH(bool, opens);
        registerStubs();
        ui::MessageRecorder boxes;
        pick(5, 0, 2); // equations always ask for pen and paper
        QTest::keyClicks(m->Tnaam1, naam1);
        QTest::keyClicks(m->Tnaam2, naam2);
        click(m->Option1[spelers - 1]);
        module1().niveau = 3;
        click(m->OK);
        QCOMPARE(int(opened.size()), opens ? 1 : 0);
        QCOMPARE(boxes.count(), opens ? 1 : 0);
        QCOMPARE(m->isVisible(), !opens);
        QCOMPARE(module1().naam1, naam1);
        QCOMPARE(module1().naam2, naam2); // copied whatever the player count
        if (!opens) {
            QCOMPARE(module1().niveau, std::int16_t(3));
            QVERIFY(m->OK->isVisible() && m->Tnaam1->isVisible());
            QCOMPARE(m->Tnaam2->isVisible(), spelers == 2);
        }
    }

    void levelAndMessagePerRow_data()
    {
        QTest::addColumn<int>("hoofdkeuze");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("niveau"); // 0: left as it was
        QTest::addColumn<bool>("pen");
        QTest::newRow("hoeken") << 0 << 0 << "hoeken" << 0 << false;
        QTest::newRow("procenten") << 0 << 2 << "procenten" << 0 << false;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("metriek %d", i + 1) << 1 << i << "metriek" << i + 1 << false;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("sommen %d", i + 1) << 2 << i << "sommen" << i + 1 << (i + 1 > 3);
        for (int i = 0; i < 5; ++i)
            QTest::addRow("haakjes %d", i + 1) << 3 << i << "haakjes" << i + 1 << (i + 1 > 1);
        for (int i = 0; i < 4; ++i)
            QTest::addRow("ontbinden %d", i + 1) << 4 << i << "ontbinden" << i + 1 << (i + 1 > 2);
        for (int i = 0; i < 7; ++i)
            QTest::addRow("vergelijkingen %d", i + 1)
                << 5 << i << "vergelijkingen" << i + 1 << true;
        for (int i = 0; i < 7; ++i)
            QTest::addRow("grafieken %d", i + 1) << 6 << i << "grafieken" << i + 1 << false;
    }
    void levelAndMessagePerRow()
    {
        QFETCH(int, hoofdkeuze);
        QFETCH(int, index);
        QFETCH(QString, form);
        QFETCH(int, niveau);
        QFETCH(bool, pen);
        registerStubs();
        ui::MessageRecorder boxes;
        bool formShownDuringBox = true;
        boxes.whileOpen = [&](const ui::Message&) {
            formShownDuringBox = reg.find(form) != nullptr;
        };
        module1().niveau = 9;
        pick(hoofdkeuze, index, 1);
        QTest::keyClicks(m->Tnaam1, "Anna");
        click(m->OK);
        QCOMPARE(int(opened.size()), 1);
        QCOMPARE(opened[0].form, form);
        QCOMPARE(opened[0].niveau, niveau ? niveau : 9);
        QCOMPARE(module1().session().oefening, form); // the run's session names its exercise
        QVERIFY(!m->isVisible());
        QVERIFY(reg.find(form)->isVisible());
        QCOMPARE(boxes.count(), pen ? 1 : 0);
        if (pen) {
            QCOMPARE(boxes.last().title, QString("Telkompas"));
            QCOMPARE(boxes.last().text, penText);
            QVERIFY(!formShownDuringBox);
        }
    }

    void namesStayInTheBoxesAfterARun()
    {
        registerStubs();
        pick(6, 2, 2);
        QTest::keyClicks(m->Tnaam1, "Anna");
        QTest::keyClicks(m->Tnaam2, "Bram");
        click(m->OK);
        QVERIFY(!m->isVisible());
        auto* exercise = reg.find("grafieken");
        reg.show("wismenu"); // the exercise's way back
        reg.unload(exercise);
        QVERIFY(m->isVisible());
        QCOMPARE(m->menuDiepte, std::int16_t(0));
        QCOMPARE(m->menu[0]->caption(), QString("Hoeken/Procenten/Antw >"));
        QVERIFY(!m->Tnaam1->isVisible() && !m->Option1[1]->isChecked());
        QCOMPARE(m->Tnaam1->text(), QString("Anna"));
        QCOMPARE(m->Tnaam2->text(), QString("Bram"));
        QCOMPARE(module1().keuzeTitel, QString("Parabolen      "));
    }

    // Enter held down from the last answer through the summary box: its
    // repeats reach the menu when it comes back, and open nothing there.
    void enterHeldFromTheRunOpensNothing()
    {
        registerStubs();
        pick(6, 2, 1);
        QTest::keyClicks(m->Tnaam1, "Anna");
        click(m->OK);
        auto* exercise = reg.find("grafieken");
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(exercise, &held); // the press began in the exercise
        reg.show("wismenu");
        reg.unload(exercise);
        m->menu[0]->setFocus();
        for (int i = 0; i < 5; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            QApplication::sendEvent(m->menu[0], &repeat);
        }
        QCOMPARE(m->menuDiepte, std::int16_t(0));
        QTest::keyClick(m->menu[0], Qt::Key_Return); // pressed afresh: the submenu opens
        QCOMPARE(m->menuDiepte, std::int16_t(1));
    }

    void theViewerLeadsBackToTheMainMenu()
    {
        click(m->menu[0]);
        click(m->menu[6]);
        auto* viewer = qobject_cast<Bekijken*>(reg.find("bekijken"));
        QVERIFY(viewer && !m->isVisible());
        click(viewer->menu[0]);
        QVERIFY(m->isVisible());
        QCOMPARE(m->menuDiepte, std::int16_t(0));
        QCOMPARE(m->menu[0]->caption(), QString("Hoeken/Procenten/Antw >"));
    }
};

TK_TEST(MenuTest)
#include "menu_test.moc"
