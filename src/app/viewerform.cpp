#include "viewerform.h"

#include "exercises/catalogue.h"
#include "run/resultsfile.h"
#include "ui/formregistry.h"
#include "ui/twips.h"

#include <QFontDatabase>

namespace viewer {

namespace {

// The exercises with results files in the order of their buttons (by
// results number): one button per level.
std::vector<const catalogue::Exercise*> groups()
{
    std::vector<const catalogue::Exercise*> g;
    for (int n = 1; n <= catalogue::resultsNumberCount(); ++n)
        if (const catalogue::Exercise* e = catalogue::withResultsNumber(n))
            g.push_back(e);
    return g;
}
const std::vector<const catalogue::Exercise*>& exercises()
{
    static const std::vector<const catalogue::Exercise*> g = groups();
    return g;
}
// An exercise without levels has one button, under its name.
int levelsOf(const catalogue::Exercise& e)
{
    return std::max(int(e.levels.size()), 1);
}

constexpr int perRow = 4;
constexpr int firstLeft = 1500;
constexpr int columnStep = 1020;
constexpr int firstTop = 960;
constexpr int rowStep = 420;

// Where button index (from 1) lies: its group (0-based), its level within
// the group and the grid row it lands on.
struct Place {
    int group = 0;
    int level = 1;
    int row = 0;
};

Place placeOf(int index)
{
    Place p;
    int first = 1;
    for (const catalogue::Exercise* e : exercises()) {
        const int levels = levelsOf(*e);
        if (index < first + levels) {
            const int k = index - first;
            p.level = k + 1;
            p.row += k / perRow;
            return p;
        }
        first += levels;
        p.row += (levels + perRow - 1) / perRow;
        ++p.group;
    }
    return p;
}

// What a screen reader says for button index (from 1).
QString spokenName(int index)
{
    const Place p = placeOf(index);
    return QString::fromUtf8(exercises()[std::size_t(p.group)]->name) + QStringLiteral(", ") +
           caption(index);
}

// The first button of a group (0-based).
int firstButtonOf(int group)
{
    int first = 1;
    for (int g = 0; g < group; ++g)
        first += levelsOf(*exercises()[std::size_t(g)]);
    return first;
}

int groupCount()
{
    return int(exercises().size());
}

// The label beside the first row of a group; empty for none.
QString rowCaption(int group)
{
    return QString::fromUtf8(exercises()[std::size_t(group)]->viewerRow);
}

} // namespace

int buttonCount()
{
    int n = 1;
    for (const catalogue::Exercise* e : exercises())
        n += levelsOf(*e);
    return n;
}

QString caption(int index)
{
    if (index == 0)
        return QStringLiteral("Terug naar hoofdmenu");
    const Place p = placeOf(index);
    const catalogue::Exercise& e = *exercises()[std::size_t(p.group)];
    return QString::fromUtf8(e.levels.empty() ? e.name : e.levels[p.level - 1].viewerCaption);
}

QString fileFor(int index)
{
    const Place p = placeOf(index);
    const catalogue::Exercise& e = *exercises()[std::size_t(p.group)];
    return results::fileName(e.resultsNumber, catalogue::resultsLevel(e, p.level));
}

QPoint gridPosition(int index)
{
    const Place p = placeOf(index);
    return {firstLeft + columnStep * ((p.level - 1) % perRow), firstTop + rowStep * p.row};
}

} // namespace viewer

namespace {
constexpr int buttonWidth = 1000;
constexpr int buttonHeight = 375;
constexpr int labelLeft = 120;
constexpr int infoLeft = 5760;
} // namespace

ViewerForm::ViewerForm() : ui::Form(QStringLiteral("bekijken"))
{
    setCaption(QStringLiteral("Gegeven antwoorden bekijken"));
    setSizeTw(12900, 5910);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    headingLabel = new ui::Label(this, QStringLiteral("Welke antwoorden wil je bekijken ?"),
                                 labelLeft, 300, 5500, 450);
    QFont hf = font();
    hf.setPointSizeF(13);
    hf.setBold(true);
    headingLabel->setFont(hf);

    // The grid buttons are narrow: a condensed face keeps "Door elkaar" clear
    // of the edges.
    QFont small = font();
    small.setPointSizeF(8.5);
    small.setStretch(QFont::SemiCondensed);
    menu.resize(std::size_t(viewer::buttonCount()));
    for (int i = 0; i < viewer::buttonCount(); ++i) {
        menu[i] = new ui::Button(this, viewer::caption(i), 0, 0, buttonWidth, buttonHeight);
        menu[i]->onClick = [this, i] { menuClick(i); };
        if (i > 0) {
            menu[i]->setFont(small);
            menu[i]->setStyleSheet(QStringLiteral("padding: 0px 2px;"));
            menu[i]->setAccessibleName(viewer::spokenName(i));
        }
    }
    ui::setGeometryTw(menu[0], viewer::gridPosition(1).x(), 5340, 2500, buttonHeight);
    menu[0]->setAccessibleName(QStringLiteral("Terug naar hoofdmenu"));

    // The row labels stand beside the first row of each exercise that has one.
    for (int k = 0; k < viewer::groupCount(); ++k) {
        const QString text = viewer::rowCaption(k);
        if (text.isEmpty())
            continue;
        const int top = viewer::gridPosition(viewer::firstButtonOf(k)).y();
        rowLabel.push_back(new ui::Label(this, text, labelLeft, top, 1300, buttonHeight));
    }

    tInfo = new ui::LineView(this);
    ui::setGeometryTw(tInfo, infoLeft, 300, 12900 - infoLeft - 150, 5415);
    tInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tInfo->setAccessibleName(QStringLiteral("Gegeven antwoorden"));
    loader.onLines = [this](const QStringList& lines) { tInfo->appendLines(lines); };
    loader.onDone = [this](bool ok) {
        if (ok)
            return;
        tInfo->clear();
        tInfo->appendLines(
            {QString(), QStringLiteral(" Geen antwoorden voor dit onderdeel gevonden")});
    };
}

void ViewerForm::activate()
{
    for (ui::Button* b : menu)
        b->setMarked(false);
    for (int i = 1; i < viewer::buttonCount(); ++i) {
        const QPoint at = viewer::gridPosition(i);
        ui::setGeometryTw(menu[i], at.x(), at.y(), buttonWidth, buttonHeight);
    }
}

void ViewerForm::menuClick(int index)
{
    if (index == 0) {
        backToMenu();
        return;
    }
    for (ui::Button* b : menu)
        b->setMarked(false);
    menu[index]->setMarked(true);
    tInfo->clear();
    loader.load(viewer::fileFor(index));
}

void ViewerForm::backToMenu()
{
    auto& forms = ui::FormRegistry::instance();
    forms.show(QStringLiteral("wismenu"));
    forms.unload(this);
}

bool ViewerForm::closeRequested()
{
    backToMenu();
    return true;
}
