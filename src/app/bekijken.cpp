#include "bekijken.h"

#include "run/resultsfile.h"
#include "ui/formregistry.h"
#include "ui/twips.h"

#include <QFontDatabase>

namespace viewer {

namespace {

// The exercise types in the order of their buttons: results file option
// 1 to 7 and the number of levels of each.
struct Group {
    const char* name; // for screen readers
    int levels;
};
constexpr Group groups[] = {{"Procenten", 1}, {"Metriek", 4},        {"Sommen", 4},  {"Haakjes", 5},
                            {"Ontbinden", 4}, {"Vergelijkingen", 7}, {"Functies", 7}};

// clang-format off
const char* const captions[buttonCount] = {
    "Terug naar hoofdmenu",
    "Procenten",
    "lengten", "Oppervl", "Inhoud", "Door elkaar",
    "Opt/aftr 1", "Opt/aftr 2", "O/a/verm 1", "O/a/verm 2",
    "Eén stel 1", "Eén stel 2", "Twee stel 1", "Twee stel 2", "Door elkaar",
    "Eenterm", "Tweeterm 1", "Tweeterm 2", "Door elkaar",
    "Bordjes 1", "Bordjes 2", "Weegsch 1", "Weegsch 2", "Kwadr 1", "Kwadr 2", "Door elkaar",
    "Lijnen 1", "Lijnen 2", "Parab", "Gonio 1", "Gonio 2", "Wortels", "Door elkaar",
};
// clang-format on

constexpr int perRow = 4;
constexpr int firstLeft = 1500;
constexpr int columnStep = 1020;
constexpr int firstTop = 960;
constexpr int rowStep = 420;

// Where button index (1 to 32) lies: its group (0-based option - 1), its
// level within the group and the grid row it lands on.
struct Place {
    int group = 0;
    int level = 1;
    int row = 0;
};

Place placeOf(int index)
{
    Place p;
    int first = 1;
    for (const Group& g : groups) {
        if (index < first + g.levels) {
            const int k = index - first;
            p.level = k + 1;
            p.row += k / perRow;
            return p;
        }
        first += g.levels;
        p.row += (g.levels + perRow - 1) / perRow;
        ++p.group;
    }
    return p;
}

// What a screen reader says for button index (1 to 32).
QString spokenName(int index)
{
    const Place p = placeOf(index);
    return QString::fromLatin1(groups[p.group].name) + QStringLiteral(", ") +
           QString::fromUtf8(captions[index]);
}

// The first button of a group (0-based).
int firstButtonOf(int group)
{
    int first = 1;
    for (int g = 0; g < group; ++g)
        first += groups[g].levels;
    return first;
}

} // namespace

QString caption(int index)
{
    return QString::fromUtf8(captions[index]);
}

QString fileFor(int index)
{
    const Place p = placeOf(index);
    return results::fileName(p.group + 1, p.level);
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
const char* const rowLabels[6] = {
    "Metriek:", "Sommen:", "Haakjes:", "Ontbinden:", "Vergel. :", "Functies :"};
} // namespace

Bekijken::Bekijken() : ui::Form(QStringLiteral("bekijken"))
{
    setCaption(QStringLiteral("Gegeven antwoorden bekijken"));
    setSizeTw(12900, 5910);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    lHoofdmenu = new ui::Label(this, QStringLiteral("Welke antwoorden wil je bekijken ?"),
                               labelLeft, 300, 5500, 450);
    QFont hf = font();
    hf.setPointSizeF(13);
    hf.setBold(true);
    lHoofdmenu->setFont(hf);

    // The grid buttons are narrow: a condensed face keeps "Door elkaar" clear
    // of the edges.
    QFont small = font();
    small.setPointSizeF(8.5);
    small.setStretch(QFont::SemiCondensed);
    for (int i = 0; i < viewer::buttonCount; ++i) {
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

    // Label1 to Label6 stand beside the first row of metric to functions.
    for (int k = 0; k < 6; ++k) {
        const int top = viewer::gridPosition(viewer::firstButtonOf(k + 1)).y();
        rowLabel[k] = new ui::Label(this, QString::fromLatin1(rowLabels[k]), labelLeft, top, 1300,
                                    buttonHeight);
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

void Bekijken::activate()
{
    for (int i = 0; i < viewer::buttonCount; ++i)
        menu[i]->setMarked(false);
    for (int i = 1; i < viewer::buttonCount; ++i) {
        const QPoint at = viewer::gridPosition(i);
        ui::setGeometryTw(menu[i], at.x(), at.y(), buttonWidth, buttonHeight);
    }
}

void Bekijken::menuClick(int index)
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

void Bekijken::backToMenu()
{
    auto& forms = ui::FormRegistry::instance();
    forms.show(QStringLiteral("wismenu"));
    forms.unload(this);
}

bool Bekijken::closeRequested()
{
    backToMenu();
    return true;
}
