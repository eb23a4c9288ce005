#pragma once
// The menu's tables: the captions of the main menu and of each submenu, what
// a click on a menu button means, and which exercise form an exercise code
// opens at which level. Plain data and rules; the menu form lays them out.

#include <QString>
#include <array>
#include <optional>

namespace menutable {

constexpr int buttonCount = 8;

// Button geometry in twips.
constexpr int buttonWidth = 2500;
constexpr int wideWidth = 5145; // spans both columns
constexpr int buttonHeight = 375;
constexpr int leftEven = 270;
constexpr int leftOdd = 2880;
constexpr std::array<int, 4> rowTops = {1770, 2370, 2970, 3570};

inline int buttonLeft(int index)
{
    return index % 2 == 0 ? leftEven : leftOdd;
}
inline int buttonTop(int index)
{
    return rowTops[index / 2];
}

// How a submenu sets one button.
enum class Look {
    Normal, // the caption, at the width of one column
    Wide,   // the caption, across both columns
    Hidden,
    Keep, // caption and state stay as they were ("Info")
};

struct ButtonSetting {
    QString caption;
    Look look = Look::Normal;
};

struct Submenu {
    QString heading;
    std::array<ButtonSetting, buttonCount> buttons;
};

// The main menu's caption of a button. Button 0 reads differently right
// after the menu came back from an exercise and after "Terug naar hoofdmenu".
QString mainCaption(int index, bool afterActivation);
constexpr const char* mainHeading = "Hoofdmenu";

// The submenu of main button 0 to 6.
const Submenu& submenu(int mainChoice);
// The index of the "Terug naar hoofdmenu" button in that submenu.
int backButton(int mainChoice);

// What a click on a menu button does, decided in this order: the viewer and
// "Stoppen" on button 6, then "Info", then the main menu, back, exercise.
enum class Action { Viewer, Stop, Info, OpenSubmenu, Back, Exercise, Nothing };
Action actionFor(int menuDepth, int mainChoice, int index);

// The exercise code of a submenu item.
inline int exerciseCode(int mainChoice, int index)
{
    return 7 * mainChoice + index + 1;
}

struct Exercise {
    QString form;             // registry name of the exercise form
    std::optional<int> level; // the level to set; none leaves it as it is
    bool penAndPaper = false; // "Pak pen en papier klaar" first
};
// The exercise of a code; none for a code that is no exercise.
std::optional<Exercise> exerciseFor(int exerciseChoice);

// The text of the "Pak pen en papier klaar" box.
QString penAndPaperText();

} // namespace menutable
