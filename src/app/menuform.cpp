#include "menuform.h"

#include "app/infotext.h"
#include "app/menuchoices.h"
#include "app/menupicture.h"
#include "app/menutable.h"
#include "ui/formregistry.h"
#include "ui/heldenter.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

#include <QCoreApplication>

using namespace menutable;

namespace {

// Window and the parts that are not given by the menu's button grid (twips).
constexpr int formWidth = 13320;
constexpr int formHeight = 4890;
constexpr int pictureLeft = 5670;
constexpr int pictureTop = 150;
constexpr int pictureWidth = 7380;
constexpr int pictureHeight = 4590;
constexpr int promptWidth = 3300;
constexpr int boxLeft = 9000;
constexpr int boxWidth = 3000;

// The display lines of pictureArea, stored scrambled (see decodeLine).
const QString storedLine1 = QStringLiteral(
    u"Wguwnk'97:+9-}tvv\u0080x\u00825\u008C\u0086\u0087\u008B:\u007F\u0081=\u0089\u008B"
    u"\u0081\u0094B\u0088\u0092E\u009A\u008F\u009D\u0092\u009D");
const QString storedLine2 =
    QStringLiteral(u"3259%Zlttyx|n\u0081/=1\u0089|\u0087\u0080\u008B\u0085|~:\u008A\u0081"
                   u"\u0083\u0083\u008D\u0085\u008F");

const QColor titleBack(0x1E, 0x3A, 0x6E);
const QColor titleText(0xFF, 0xD5, 0x4A);
const QColor lineText(0x33, 0x3F, 0x55);

// What a screen reader says for a menu button: its caption without the
// padding, and that a ">" button opens a submenu.
QString spokenCaption(const QString& caption)
{
    QString s = caption.simplified();
    if (s.endsWith(QLatin1String(" >")))
        return s.chopped(2) + QStringLiteral(", opent een menu");
    return s;
}

} // namespace

std::function<void()> MenuForm::stopProgram = [] { QCoreApplication::quit(); };

QString MenuForm::decodeLine(const QString& stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i)
        out += QChar(char16_t(stored.at(i).unicode() - (i + 1)));
    return out;
}

QString MenuForm::lineA()
{
    return QChar(169) + QStringLiteral(" ") + decodeLine(storedLine2);
}

QString MenuForm::lineB()
{
    return decodeLine(storedLine1);
}

MenuForm::MenuForm() : ui::Form(QStringLiteral("wismenu"))
{
    setCaption(QStringLiteral("Menu wiskunde"));
    setSizeTw(formWidth, formHeight);
    setAccessibleName(QStringLiteral("Menu wiskunde"));
    heldEnter = new ui::HeldEnterGuard(this);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    titleArea = new ui::PictureBox(this, leftEven, pictureTop, wideWidth, 1000);
    titleArea->setFont(titleFont(50));
    titleArea->setBackColour(titleBack);
    titleArea->setForeColour(titleText);
    titleArea->setAccessibleName(QStringLiteral("Telkompas"));

    headingLabel =
        new ui::Label(this, QString::fromLatin1(mainHeading), leftEven, 1230, wideWidth, 450);
    QFont hf = font();
    hf.setPointSizeF(11.5);
    hf.setBold(true);
    headingLabel->setFont(hf);

    // The captions are padded with blanks to put their ">" at the right.
    QFont buttonFont = font();
    buttonFont.setPointSizeF(9);
    for (int i = 0; i < buttonCount; ++i) {
        menu[i] = new ui::Button(this, mainCaption(i, true), buttonLeft(i), buttonTop(i),
                                 buttonWidth, buttonHeight);
        menu[i]->setFont(buttonFont);
        menu[i]->onClick = [this, i] { menuClick(i); };
    }

    pictureArea = new ui::PictureBox(this, pictureLeft, pictureTop, pictureWidth, pictureHeight);
    pictureArea->setForeColour(lineText);
    pictureArea->setAccessibleName(QStringLiteral("Telkompas, over het programma"));
}

MenuForm::ChoiceControls& MenuForm::choices()
{
    if (!choices_)
        choices_ = makeChoiceControls();
    return *choices_;
}

// The player count, the names, OK and the keyboard hint, in this order (the
// order of the keyboard focus), then the information text. They are made
// after every other control, so that they lie over the picture area and come
// after the menu buttons in the keyboard focus, and they start hidden.
MenuForm::ChoiceControls MenuForm::makeChoiceControls()
{
    ChoiceControls c;
    c.playerCountLabel = new ui::Label(this, QStringLiteral("  Ben je alleen of met twee ?"),
                                       pictureLeft, rowTops[0], promptWidth, buttonHeight);
    for (int i = 0; i < 2; ++i) {
        ui::OptionButton* option = new ui::OptionButton(
            this, QString::number(i + 1), boxLeft + 800 * i, rowTops[0], 700, buttonHeight);
        option->onClick = [this, i] { optionClick(i); };
        option->setAccessibleDescription(QStringLiteral("Aantal spelers: %1").arg(i + 1));
        c.playerOptions[i] = option;
    }
    c.playerOptions[0]->setAccessibleName(QStringLiteral("Alleen, één speler"));
    c.playerOptions[1]->setAccessibleName(QStringLiteral("Met twee spelers"));

    c.nameLabel1 = new ui::Label(this, QStringLiteral("  Hoe heet je ?"), pictureLeft, rowTops[1],
                                 promptWidth, buttonHeight);
    c.nameBox1 = new ui::TextBox(this, boxLeft, rowTops[1], boxWidth, buttonHeight);
    c.nameBox1->setAccessibleName(QStringLiteral("Je naam"));
    c.nameLabel1->setBuddy(c.nameBox1);
    c.nameLabel2 = new ui::Label(this, QStringLiteral("  Wie zit rechts ?"), pictureLeft,
                                 rowTops[2], promptWidth, buttonHeight);
    c.nameBox2 = new ui::TextBox(this, boxLeft, rowTops[2], boxWidth, buttonHeight);
    c.nameBox2->setAccessibleName(QStringLiteral("Naam van de speler rechts"));
    c.nameLabel2->setBuddy(c.nameBox2);
    c.nameBox1->onEnter = [this] {
        if (menuChoices().playerCount == 2)
            nameBox2()->setFocus();
        else
            okButton()->setFocus();
    };
    c.nameBox2->onEnter = [this] { okButton()->setFocus(); };

    c.okButton =
        new ui::Button(this, QStringLiteral("OK"), boxLeft, rowTops[3], 1500, buttonHeight);
    c.okButton->setAccessibleName(QStringLiteral("OK, begin met oefenen"));
    c.okButton->onClick = [this] { okClick(); };

    c.hintLabel = new ui::Label(
        this,
        QStringLiteral(
            "Je hoeft de muis niet te gebruiken, druk na elk antwoord op de entertoets !"),
        leftEven, 4110, wideWidth, 600);
    c.hintLabel->setWordWrap(true);

    // Last, so that it lies over the name controls when it shows.
    c.info = new ui::TextArea(this);
    c.info->setAccessibleName(QStringLiteral("Informatie over het programma"));
    QFont infoFont = font();
    infoFont.setPointSizeF(9); // the longest lines fit without scrolling sideways
    c.info->setFont(infoFont);
    c.info->setGeometry(pictureArea->geometry());

    for (QWidget* w : std::initializer_list<QWidget*>{
             c.hintLabel, c.nameLabel1, c.nameLabel2, c.playerCountLabel, c.playerOptions[0],
             c.playerOptions[1], c.nameBox1, c.nameBox2, c.okButton, c.info})
        w->hide();
    return c;
}

void MenuForm::activate()
{
    heldEnter->reset();
    pictureArea->show();
    drawPictureArea();
    mainChoice = 0;
    menuDepth = 0;
    if (choices_) {
        hideNameControls();
        choices_->info->setGeometry(pictureArea->geometry());
        choices_->info->hide();
    }
    unmarkAll();
    drawTitle();
    showMainMenu(true);
}

void MenuForm::drawPictureArea()
{
    const double lineBTop = 1800;
    pictureArea->clear();
    const QImage picture = menuPicture(pictureArea->size(), pictureArea->devicePixelRatioF(),
                                       lineBTop / ui::twipsPerPixel);
    pictureArea->paint(
        [&](ui::UserPainter& p) { p.image(0, 0, pictureWidth, pictureHeight, picture); });
    pictureArea->moveTo(50, 50);
    pictureArea->print(lineA());
    pictureArea->moveTo(50, lineBTop);
    pictureArea->print(lineB());
}

void MenuForm::drawTitle()
{
    titleArea->clear();
    titleArea->moveTo(50, -70);
    titleArea->print(QStringLiteral(" Telkompas"));
}

void MenuForm::hideNameControls()
{
    if (!choices_)
        return;
    const ChoiceControls& c = *choices_;
    for (QWidget* w : std::initializer_list<QWidget*>{
             c.hintLabel, c.nameLabel1, c.nameLabel2, c.playerCountLabel, c.playerOptions[0],
             c.playerOptions[1], c.nameBox1, c.nameBox2, c.okButton})
        w->hide();
    c.playerOptions[0]->clear();
    c.playerOptions[1]->clear();
}

void MenuForm::hideInfo()
{
    if (choices_)
        choices_->info->hide();
}

void MenuForm::unmarkAll()
{
    for (ui::Button* b : menu)
        b->setMarked(false);
}

void MenuForm::setButtonCaption(int index, const QString& caption)
{
    menu[index]->setCaption(caption);
    menu[index]->setAccessibleName(spokenCaption(caption));
}

void MenuForm::showMainMenu(bool afterActivation)
{
    headingLabel->setCaption(QString::fromLatin1(mainHeading));
    for (int i = 0; i < buttonCount; ++i) {
        setButtonCaption(i, mainCaption(i, afterActivation));
        ui::setWidthTw(menu[i], buttonWidth);
        menu[i]->show();
        menu[i]->setMarked(false);
        ui::setLeftTw(menu[i], buttonLeft(i));
    }
}

void MenuForm::showSubmenu(int index)
{
    pictureArea->show();
    hideInfo();
    menuDepth = 1;
    mainChoice = index;
    const Submenu& sub = submenu(index);
    headingLabel->setCaption(sub.heading);
    for (int i = 0; i < buttonCount; ++i) {
        const ButtonSetting& s = sub.buttons[std::size_t(i)];
        switch (s.look) {
        case Look::Keep:
            break;
        case Look::Hidden:
            menu[i]->hide();
            break;
        case Look::Normal:
        case Look::Wide:
            setButtonCaption(i, s.caption);
            ui::setWidthTw(menu[i], s.look == Look::Wide ? wideWidth : buttonWidth);
            menu[i]->show();
            break;
        }
    }
    menu[index]->setMarked(false);
}

void MenuForm::showInfo()
{
    pictureArea->hide();
    ui::TextArea* info = tInfo();
    info->setContents(infotext::text());
    info->show();
    info->raise();
}

void MenuForm::menuClick(int index)
{
    if (menu[index]->isHidden())
        return;
    MenuChoices& m = menuChoices();
    const Action action = actionFor(menuDepth, mainChoice, index);
    switch (action) {
    case Action::Viewer:
        ui::FormRegistry::instance().show(QStringLiteral("bekijken"));
        return;
    case Action::Stop:
        stopProgram();
        return;
    case Action::Nothing:
        return;
    default:
        break;
    }

    unmarkAll();
    menu[index]->setMarked(true);
    if (action == Action::Info) {
        showInfo();
        return;
    }

    exerciseChoice = index + 1;
    m.choiceCaption = menu[index]->caption();
    if (action == Action::OpenSubmenu) {
        showSubmenu(index);
    } else if (action == Action::Back) {
        menuDepth = 0;
        mainChoice = 0;
        pictureArea->show();
        hideInfo();
        hideNameControls();
        showMainMenu(false);
    } else { // an exercise item
        exerciseChoice = exerciseCode(mainChoice, index);
        pictureArea->hide();
        const ChoiceControls& c = choices();
        c.info->hide();
        c.playerCountLabel->show();
        c.playerOptions[0]->show();
        c.playerOptions[1]->show();
    }
}

void MenuForm::optionClick(int index)
{
    const int players = index + 1;
    menuChoices().playerCount = players;
    pictureArea->hide();
    const ChoiceControls& c = choices();
    c.nameLabel1->show();
    c.nameBox1->show();
    c.okButton->show();
    c.hintLabel->show();
    if (players == 2) {
        c.nameLabel2->show();
        c.nameBox2->show();
        c.nameLabel1->setCaption(QStringLiteral(" Wie zit links ?"));
        c.nameBox1->setAccessibleName(QStringLiteral("Naam van de speler links"));
    } else {
        c.nameLabel2->hide();
        c.nameBox2->hide();
        c.nameLabel1->setCaption(QStringLiteral(" Hoe heet je ?"));
        c.nameBox1->setAccessibleName(QStringLiteral("Je naam"));
    }
    c.nameBox1->setFocus();
}

void MenuForm::okClick()
{
    MenuChoices& m = menuChoices();
    m.name1 = nameBox1()->text();
    m.name2 = nameBox2()->text();
    const bool valid = !((m.playerCount == 1 && m.name1.isEmpty()) ||
                         (m.playerCount == 2 && (m.name1.isEmpty() || m.name2.isEmpty())));
    if (!valid)
        return;
    const std::optional<Exercise> exercise = exerciseFor(exerciseChoice);
    auto& forms = ui::FormRegistry::instance();
    if (!exercise || !forms.has(exercise->form))
        return;
    if (exercise->level)
        m.level = static_cast<std::int16_t>(*exercise->level);
    m.exercise = exercise->form;
    if (exercise->penAndPaper)
        ui::messageBox(QStringLiteral("Telkompas"), penAndPaperText());
    // Showing the exercise form hides every other form, this one included.
    forms.show(exercise->form);
}
