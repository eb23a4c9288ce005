#include "wismenu.h"

#include "app/infotext.h"
#include "app/menupicture.h"
#include "app/menutable.h"
#include "app/module1.h"
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

// The display lines of Picture2, stored scrambled (see decodeLine).
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

std::function<void()> Wismenu::stopProgram = [] { QCoreApplication::quit(); };

QString Wismenu::decodeLine(const QString& stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i)
        out += QChar(char16_t(stored.at(i).unicode() - (i + 1)));
    return out;
}

QString Wismenu::lineA()
{
    return QChar(169) + QStringLiteral(" ") + decodeLine(storedLine2);
}

QString Wismenu::lineB()
{
    return decodeLine(storedLine1);
}

Wismenu::Wismenu() : ui::Form(QStringLiteral("wismenu"))
{
    setCaption(QStringLiteral("Menu wiskunde"));
    setSizeTw(formWidth, formHeight);
    setAccessibleName(QStringLiteral("Menu wiskunde"));
    heldEnter = new ui::HeldEnterGuard(this);
    QFont f = font();
    f.setPointSizeF(10);
    setFont(f);

    Picture1 = new ui::PictureBox(this, leftEven, pictureTop, wideWidth, 1000);
    Picture1->setFont(titleFont(50));
    Picture1->setBackColour(titleBack);
    Picture1->setForeColour(titleText);
    Picture1->setAccessibleName(QStringLiteral("Telkompas"));

    lHoofdmenu =
        new ui::Label(this, QString::fromLatin1(mainHeading), leftEven, 1230, wideWidth, 450);
    QFont hf = font();
    hf.setPointSizeF(11.5);
    hf.setBold(true);
    lHoofdmenu->setFont(hf);

    // The captions are padded with blanks to put their ">" at the right.
    QFont buttonFont = font();
    buttonFont.setPointSizeF(9);
    for (int i = 0; i < buttonCount; ++i) {
        menu[i] = new ui::Button(this, mainCaption(i, true), buttonLeft(i), buttonTop(i),
                                 buttonWidth, buttonHeight);
        menu[i]->setFont(buttonFont);
        menu[i]->onClick = [this, i] { menuClick(i); };
    }

    Picture2 = new ui::PictureBox(this, pictureLeft, pictureTop, pictureWidth, pictureHeight);
    Picture2->setForeColour(lineText);
    Picture2->setAccessibleName(QStringLiteral("Telkompas, over het programma"));

    Lhoeveel = new ui::Label(this, QStringLiteral("  Ben je alleen of met twee ?"), pictureLeft,
                             rowTops[0], promptWidth, buttonHeight);
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new ui::OptionButton(this, QString::number(i + 1), boxLeft + 800 * i,
                                          rowTops[0], 700, buttonHeight);
        Option1[i]->onClick = [this, i] { optionClick(i); };
        Option1[i]->setAccessibleDescription(QStringLiteral("Aantal spelers: %1").arg(i + 1));
    }
    Option1[0]->setAccessibleName(QStringLiteral("Alleen, één speler"));
    Option1[1]->setAccessibleName(QStringLiteral("Met twee spelers"));

    Lnaam1 = new ui::Label(this, QStringLiteral("  Hoe heet je ?"), pictureLeft, rowTops[1],
                           promptWidth, buttonHeight);
    Tnaam1 = new ui::TextBox(this, boxLeft, rowTops[1], boxWidth, buttonHeight);
    Tnaam1->setAccessibleName(QStringLiteral("Je naam"));
    Lnaam1->setBuddy(Tnaam1);
    Lnaam2 = new ui::Label(this, QStringLiteral("  Wie zit rechts ?"), pictureLeft, rowTops[2],
                           promptWidth, buttonHeight);
    Tnaam2 = new ui::TextBox(this, boxLeft, rowTops[2], boxWidth, buttonHeight);
    Tnaam2->setAccessibleName(QStringLiteral("Naam van de speler rechts"));
    Lnaam2->setBuddy(Tnaam2);
    Tnaam1->onEnter = [this] {
        if (module1().aantalSpelers == 2)
            Tnaam2->setFocus();
        else
            OK->setFocus();
    };
    Tnaam2->onEnter = [this] { OK->setFocus(); };

    OK = new ui::Button(this, QStringLiteral("OK"), boxLeft, rowTops[3], 1500, buttonHeight);
    OK->setAccessibleName(QStringLiteral("OK, begin met oefenen"));
    OK->onClick = [this] { okClick(); };

    Label1 = new ui::Label(
        this,
        QStringLiteral(
            "Je hoeft de muis niet te gebruiken, druk na elk antwoord op de entertoets !"),
        leftEven, 4110, wideWidth, 600);
    Label1->setWordWrap(true);

    // Created last so that it lies over the name controls when it shows.
    tInfo = new ui::TextArea(this);
    tInfo->setAccessibleName(QStringLiteral("Informatie over het programma"));
    QFont infoFont = font();
    infoFont.setPointSizeF(9); // the longest lines fit without scrolling sideways
    tInfo->setFont(infoFont);
    tInfo->hide();
}

void Wismenu::activate()
{
    heldEnter->reset();
    Picture2->show();
    drawPicture2();
    hoofdkeuze = 0;
    menuDiepte = 0;
    hideNameControls();
    unmarkAll();
    tInfo->setGeometry(Picture2->geometry());
    tInfo->hide();
    drawTitle();
    showMainMenu(true);
}

void Wismenu::drawPicture2()
{
    const double lineBTop = 1800;
    Picture2->clear();
    const QImage plaat =
        menuPicture(Picture2->size(), Picture2->devicePixelRatioF(), lineBTop / ui::twipsPerPixel);
    Picture2->paint([&](ui::UserPainter& p) { p.image(0, 0, pictureWidth, pictureHeight, plaat); });
    Picture2->moveTo(50, 50);
    Picture2->print(lineA());
    Picture2->moveTo(50, lineBTop);
    Picture2->print(lineB());
}

void Wismenu::drawTitle()
{
    Picture1->clear();
    Picture1->moveTo(50, -70);
    Picture1->print(QStringLiteral(" Telkompas"));
}

void Wismenu::hideNameControls()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Lnaam1, Lnaam2, Lhoeveel, Option1[0],
                                                      Option1[1], Tnaam1, Tnaam2, OK})
        w->hide();
    Option1[0]->clear();
    Option1[1]->clear();
}

void Wismenu::unmarkAll()
{
    for (ui::Button* b : menu)
        b->setMarked(false);
}

void Wismenu::setButtonCaption(int index, const QString& caption)
{
    menu[index]->setCaption(caption);
    menu[index]->setAccessibleName(spokenCaption(caption));
}

void Wismenu::showMainMenu(bool afterActivation)
{
    lHoofdmenu->setCaption(QString::fromLatin1(mainHeading));
    for (int i = 0; i < buttonCount; ++i) {
        setButtonCaption(i, mainCaption(i, afterActivation));
        ui::setWidthTw(menu[i], buttonWidth);
        menu[i]->show();
        menu[i]->setMarked(false);
        ui::setLeftTw(menu[i], buttonLeft(i));
    }
}

void Wismenu::showSubmenu(int index)
{
    Picture2->show();
    tInfo->hide();
    menuDiepte = 1;
    hoofdkeuze = index;
    const Submenu& sub = submenu(index);
    lHoofdmenu->setCaption(sub.heading);
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

void Wismenu::showInfo()
{
    Picture2->hide();
    tInfo->setContents(infotext::text());
    tInfo->show();
    tInfo->raise();
}

void Wismenu::menuClick(int index)
{
    if (menu[index]->isHidden())
        return;
    Module1& m = module1();
    const Action action = actionFor(menuDiepte, hoofdkeuze, index);
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

    opgaveKeuze = index + 1;
    m.keuzeTitel = menu[index]->caption();
    if (action == Action::OpenSubmenu) {
        showSubmenu(index);
    } else if (action == Action::Back) {
        menuDiepte = 0;
        hoofdkeuze = 0;
        Picture2->show();
        tInfo->hide();
        hideNameControls();
        showMainMenu(false);
    } else { // an exercise item
        opgaveKeuze = exerciseCode(hoofdkeuze, index);
        Picture2->hide();
        tInfo->hide();
        Lhoeveel->show();
        Option1[0]->show();
        Option1[1]->show();
    }
}

void Wismenu::optionClick(int index)
{
    const int spelers = index + 1;
    module1().aantalSpelers = spelers;
    Picture2->hide();
    Lnaam1->show();
    Tnaam1->show();
    OK->show();
    Label1->show();
    if (spelers == 2) {
        Lnaam2->show();
        Tnaam2->show();
        Lnaam1->setCaption(QStringLiteral(" Wie zit links ?"));
        Tnaam1->setAccessibleName(QStringLiteral("Naam van de speler links"));
    } else {
        Lnaam2->hide();
        Tnaam2->hide();
        Lnaam1->setCaption(QStringLiteral(" Hoe heet je ?"));
        Tnaam1->setAccessibleName(QStringLiteral("Je naam"));
    }
    Tnaam1->setFocus();
}

void Wismenu::okClick()
{
    Module1& m = module1();
    m.naam1 = Tnaam1->text();
    m.naam2 = Tnaam2->text();
    const bool valid = !((m.aantalSpelers == 1 && m.naam1.isEmpty()) ||
                         (m.aantalSpelers == 2 && (m.naam1.isEmpty() || m.naam2.isEmpty())));
    if (!valid)
        return;
    const std::optional<Exercise> exercise = exerciseFor(opgaveKeuze);
    auto& forms = ui::FormRegistry::instance();
    if (!exercise || !forms.has(exercise->form))
        return;
    if (exercise->niveau)
        m.niveau = static_cast<std::int16_t>(*exercise->niveau);
    if (exercise->penAndPaper)
        ui::messageBox(QStringLiteral("Telkompas"), penAndPaperText());
    // Showing the exercise form hides every other form, this one included.
    forms.show(exercise->form);
}
