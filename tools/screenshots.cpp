// Renders the program's forms, mid-run with two players, to PNG files:
//   telkompas_screenshots <folder>
// Every scene sets the shared state as the menu would, plays a little with a
// fixed random source and grabs the window (and a message box) offscreen.

#include "app/formlist.h"
#include "app/menuchoices.h"
#include "app/menuform.h"
#include "app/overview/answersview.h"
#include "app/overview/overviewwindow.h"
#include "app/overview/problemsview.h"
#include "app/overview/pupilchart.h"
#include "app/viewerform.h"
#include "app/worksheets/dialog.h"
#include "common/clock.h"
#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/angles/anglesform.h"
#include "exercises/common/runform.h"
#include "exercises/equations/equationsform.h"
#include "exercises/graphs/graphsform.h"
#include "fixedclock.h"
#include "sampleresults.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>

namespace {

QDir out;

void save(QWidget* w, const QString& name)
{
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
    std::printf("%s\n", qPrintable(out.filePath(name + QStringLiteral(".png"))));
}

void choose(int players, const QString& n1, const QString& n2, int level, const QString& title)
{
    MenuChoices& m = menuChoices();
    m.playerCount = players;
    m.name1 = n1;
    m.name2 = n2;
    m.level = static_cast<std::int16_t>(level);
    m.choiceCaption = title;
}

void answer(QLineEdit* box, const QString& text)
{
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Records the boxes a form opens; the last one is grabbed.
struct Boxes {
    ui::MessageRecorder rec;
    void saveLast(const QString& name)
    {
        if (rec.messages.empty())
            return;
        auto box = ui::makeMessageBox(rec.last().title, rec.last().text);
        box->show();
        save(box.get(), name);
    }
};

ui::Form* show(const QString& name)
{
    return ui::FormRegistry::instance().show(name);
}

void menuScenes()
{
    auto* menu = qobject_cast<MenuForm*>(show(QStringLiteral("wismenu")));
    save(menu, QStringLiteral("menu"));
    for (int k = 0; k < 7; ++k) {
        menu = qobject_cast<MenuForm*>(show(QStringLiteral("wismenu")));
        menu->menu[k]->click();
        save(menu, QStringLiteral("menu-sub%1").arg(k));
    }
    menu = qobject_cast<MenuForm*>(show(QStringLiteral("wismenu")));
    menu->menu[1]->click();
    menu->menu[0]->click();
    menu->playerOptions()[1]->click();
    QTest::keyClicks(menu->nameBox1(), QStringLiteral("Anna"));
    QTest::keyClicks(menu->nameBox2(), QStringLiteral("Bram"));
    save(menu, QStringLiteral("menu-namen"));
    menu = qobject_cast<MenuForm*>(show(QStringLiteral("wismenu")));
    menu->menu[7]->click();
    save(menu, QStringLiteral("menu-info"));
    ui::FormRegistry::instance().unloadAll();
}

// Plays three problems for each of two players and grabs the form with the
// fourth problem waiting, and the last explanation box.
void runScene(const QString& form, int level, const QString& title, const QStringList& answers)
{
    Boxes boxes;
    choose(2, QStringLiteral("Anna"), QStringLiteral("Bram"), level, title);
    auto* f = qobject_cast<RunForm*>(show(form));
    for (int i = 0; i < 3; ++i) {
        f->timer->fire();
        answer(f->answerBox1, answers.value(2 * i, QStringLiteral("1")));
        f->timer->fire();
        answer(f->answerBox2, answers.value(2 * i + 1, QStringLiteral("2")));
    }
    f->timer->fire();
    save(f, form);
    boxes.saveLast(form + QStringLiteral("-uitleg"));
    f->menuButton->click(); // the results file gets the run's block
    ui::FormRegistry::instance().unloadAll();
}

void anglesScene()
{
    choose(2, QStringLiteral("Anna"), QStringLiteral("Bram"), 1, QStringLiteral("Hoeken raden"));
    auto* f = qobject_cast<AnglesForm*>(show(QStringLiteral("hoeken")));
    save(f, QStringLiteral("hoeken"));
    answer(f->answerBox, QStringLiteral("60"));
    answer(f->answerBox, QStringLiteral("75"));
    for (int i = 0; i < 4; ++i)
        f->timer->fire();
    save(f, QStringLiteral("hoeken-vegen"));
    for (int i = 0; i < 20; ++i)
        f->timer->fire();
    save(f, QStringLiteral("hoeken-antwoord"));
    ui::MessageRecorder rec; // the end message if the game ends here
    ui::FormRegistry::instance().unloadAll();
}

// A quadratic equation: two answer boxes per player.
void quadraticScene()
{
    Boxes boxes;
    choose(2, QStringLiteral("Anna"), QStringLiteral("Bram"), 5,
           QStringLiteral("Kwadr. verg. niveau 1"));
    auto* f = qobject_cast<EquationsForm*>(show(QStringLiteral("vergelijkingen")));
    f->timer->fire();
    answer(f->answerBox1, QStringLiteral("3"));
    answer(f->secondAnswerBox1, QStringLiteral("-2"));
    f->timer->fire();
    QTest::keyClicks(f->answerBox2, QStringLiteral("4"));
    save(f, QStringLiteral("vergelijkingen-kwadratisch"));
    boxes.saveLast(QStringLiteral("vergelijkingen-kwadratisch-uitleg"));
    ui::FormRegistry::instance().unloadAll();
}

void graphsScene()
{
    Boxes boxes;
    choose(2, QStringLiteral("Anna"), QStringLiteral("Bram"), 3, QStringLiteral("Parabolen      "));
    auto* f = qobject_cast<GraphsForm*>(show(QStringLiteral("grafieken")));
    save(f, QStringLiteral("grafieken-start"));
    const QString v = f->axes.variable;
    answer(f->answerBox,
           v + QStringLiteral("^2/4-3")); // a wrong attempt, drawn over the given curve
    save(f, QStringLiteral("grafieken"));
    for (int page = 1; page <= 3; ++page) {
        f->helpButton->click();
        save(f, QStringLiteral("grafieken-hulp%1").arg(page));
    }
    ui::FormRegistry::instance().unloadAll();
}

void viewerScene()
{
    auto* v = qobject_cast<ViewerForm*>(show(QStringLiteral("bekijken")));
    v->menu[2]->click(); // metric lengths: written by the metric scene
    save(v, QStringLiteral("bekijken"));
    ui::FormRegistry::instance().unloadAll();
}

// The class overview of a made-up class, one pupil and one of her runs
// chosen; then the class at a glance and the problems it gets wrong.
void overviewScene()
{
    const QString folder = QDir::current().filePath(QStringLiteral("klas"));
    samples::writeClass(folder, {"Anna", "Bram", "Chaima", "Daan", "Eva", "Finn"},
                        {{2, 1}, {3, 2}, {6, 1}, {7, 1}}, 6);
    QFile stuck(QDir(folder).filePath(samples::fileName(2, 1)));
    if (stuck.open(QIODevice::Append)) // Gijs stays under 60 % on the metric lengths
        for (int day = 0; day < 4; ++day)
            stuck.write(
                samples::block(samples::part(QStringLiteral("Gijs"),
                                             QDateTime(QDate(2026, 11, 2 + 4 * day), QTime(11, 0)),
                                             2, 10, 4 - day % 2),
                               QString()));
    stuck.close();
    overview::OverviewWindow w;
    w.open(folder);
    while (w.isReading())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    w.choosePupil(QStringLiteral("Chaima"));
    const auto runs = w.classTable.recordsOf(QStringLiteral("Chaima"));
    w.answers->showRun(*runs.last());
    w.offerWorksheets([] {});
    w.show();
    QTest::qWait(200);
    save(&w, QStringLiteral("overzicht"));
    w.views->setCurrentIndex(1);
    QTest::qWait(100);
    save(&w, QStringLiteral("overzicht-klas"));
    w.views->setCurrentIndex(2);
    w.problems->kinds->setCurrentItem(w.problems->kinds->topLevelItem(0));
    QTest::qWait(100);
    save(&w, QStringLiteral("overzicht-fouten"));

    // "Werkblad…": a mixed sheet of equations in two versions.
    worksheets::Dialog d(&w);
    d.exercise->setCurrentText(QStringLiteral("Vergelijkingen"));
    d.level->setCurrentIndex(6);
    d.versions->setValue(2);
    d.sheetNumber->setValue(42);
    d.show();
    QTest::qWait(100);
    save(&d, QStringLiteral("werkblad-dialoog"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    out = QDir(QDir::current().absoluteFilePath(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                         : QStringLiteral("docs/screenshots")));
    out.mkpath(QStringLiteral("."));
    common::setRandom(std::make_unique<common::SeededRandom>(2026));
    auto clock = std::make_unique<tktest::FixedClock>();
    common::setClock(std::move(clock));
    QTemporaryDir work; // results files of the scenes go here
    QDir::setCurrent(work.path());
    registerForms();

    menuScenes();
    anglesScene();
    runScene(QStringLiteral("metriek"), 1, QStringLiteral("Lengten"), {});
    runScene(QStringLiteral("procenten"), 1, QStringLiteral("Procenten            "),
             {QStringLiteral("3000"), QStringLiteral("15,5")});
    runScene(QStringLiteral("sommen"), 4, QStringLiteral("Opt/aftr/verm. niveau 2"),
             {QStringLiteral("-7"), QStringLiteral("12")});
    runScene(QStringLiteral("vergelijkingen"), 1, QStringLiteral("Bordjesmanier niv. 1 "),
             {QStringLiteral("3")});
    quadraticScene();
    runScene(QStringLiteral("haakjes"), 3, QStringLiteral("Twee stellen haakjes niv 1"),
             {QStringLiteral("6x^2+15x"), QStringLiteral("x^2+3x")});
    runScene(QStringLiteral("ontbinden"), 2, QStringLiteral("Drietermen ontbinden niv 1"),
             {QStringLiteral("(x+2)(x+3)")});
    graphsScene();
    viewerScene();
    overviewScene();
    return 0;
}
