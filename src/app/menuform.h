#pragma once
// The menu form: the hub of the program. The pupils pick an exercise type and
// a level from a two-level button menu, say whether one or two of them play
// and type their names; OK stores the choice in the shared state and opens
// the exercise form. The menu also shows the information text, opens the
// answer viewer and ends the program.

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturebox.h"

namespace ui {
class HeldEnterGuard;
}

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class MenuForm : public ui::Form {
    Q_OBJECT
public:
    MenuForm();

    // Every time the menu becomes the program's form: back to the main menu.
    void activate() override;

    // Turns a stored display line into its text: the character at 1-based
    // position i has the code of the stored character minus i.
    static QString decodeLine(const QString& stored);
    // The two lines printed on pictureArea: line A ("© " and the decoded second
    // stored line) and line B (the decoded first stored line).
    static QString lineA();
    static QString lineB();

    // Ends the program ("Stoppen"). Tests put a recorder in its place.
    static std::function<void()> stopProgram;

    ui::PictureBox* titleArea;
    ui::Label* headingLabel;
    std::array<ui::Button*, 8> menu;
    ui::PictureBox* pictureArea;
    // The controls that are hidden while the menu first shows: made the first
    // time one of them is needed, so that the menu shows sooner.
    ui::TextArea* tInfo() { return choices().info; }
    ui::Label* playerCountLabel() { return choices().playerCountLabel; }
    const std::array<ui::OptionButton*, 2>& playerOptions() { return choices().playerOptions; }
    ui::Label* nameLabel1() { return choices().nameLabel1; }
    ui::TextBox* nameBox1() { return choices().nameBox1; }
    ui::Label* nameLabel2() { return choices().nameLabel2; }
    ui::TextBox* nameBox2() { return choices().nameBox2; }
    ui::Button* okButton() { return choices().okButton; }
    ui::Label* hintLabel() { return choices().hintLabel; }

    // 0 on the main menu, 1 in a submenu.
    std::int16_t menuDepth = 0;
    // The main button whose submenu is open; 0 on the main menu.
    int mainChoice = 0;
    // The exercise code of the chosen item: 7 x mainChoice + index + 1.
    int exerciseChoice = 0;

private:
    struct ChoiceControls {
        ui::Label* playerCountLabel;
        std::array<ui::OptionButton*, 2> playerOptions;
        ui::Label* nameLabel1;
        ui::TextBox* nameBox1;
        ui::Label* nameLabel2;
        ui::TextBox* nameBox2;
        ui::Button* okButton;
        ui::Label* hintLabel;
        ui::TextArea* info;
    };
    std::optional<ChoiceControls> choices_;
    ChoiceControls& choices();
    ChoiceControls makeChoiceControls();
    // Enter still held from the run's last answer opens nothing here.
    ui::HeldEnterGuard* heldEnter;

    void menuClick(int index);
    void optionClick(int index);
    void okClick();

    void showMainMenu(bool afterActivation);
    void showSubmenu(int index);
    void showInfo();
    void hideInfo();
    void hideNameControls();
    void unmarkAll();
    void setButtonCaption(int index, const QString& caption);
    void drawPictureArea();
    void drawTitle();
};
