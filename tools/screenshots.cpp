// Renders the program's forms, mid-run with two players, to PNG files:
//   telkompas_screenshots <folder>
// Every scene sets the shared state as the menu would, plays a little with a
// fixed random source and grabs the window (and a message box) offscreen.

#include "app/formlist.h"
#include "app/module1.h"
#include "common/clock.h"
#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/metric/metriek.h"
#include "ui/formregistry.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <cstdio>

namespace {

QDir out;

void save(QWidget* w, const QString& name)
{
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
    std::printf("%s\n", qPrintable(out.filePath(name + QStringLiteral(".png"))));
}

void choose(int players, const QString& n1, const QString& n2, int niveau, const QString& titel)
{
    Module1& m = module1();
    m.aantalSpelers = players;
    m.naam1 = n1;
    m.naam2 = n2;
    m.niveau = static_cast<std::int16_t>(niveau);
    m.keuzeTitel = titel;
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

void metricScene()
{
    Boxes boxes;
    choose(2, QStringLiteral("Anna"), QStringLiteral("Bram"), 1, QStringLiteral("Lengten"));
    auto* f = qobject_cast<Metriek*>(ui::FormRegistry::instance().show(QStringLiteral("metriek")));
    for (int i = 0; i < 3; ++i) {
        f->Timer1->fire();
        answer(f->tAntwoord1,
               i == 1 ? QStringLiteral("12") : common::Str(f->opgave.uitkomst).trimmed());
        f->Timer1->fire();
        answer(f->tAntwoord2,
               i == 2 ? QStringLiteral("3,5") : common::Str(f->opgave.uitkomst).trimmed());
    }
    f->Timer1->fire();
    save(f, QStringLiteral("metriek"));
    boxes.saveLast(QStringLiteral("metriek-uitleg"));
    ui::FormRegistry::instance().unloadAll();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    out.mkpath(QStringLiteral("."));
    common::setRandom(std::make_unique<common::SeededRandom>(2026));
    auto clock = std::make_unique<common::FixedClock>();
    common::setClock(std::move(clock));
    QDir::setCurrent(QDir::tempPath()); // results files of the scenes go here
    registerForms();

    metricScene();
    return 0;
}
