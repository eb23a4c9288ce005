#include "menutable.h"

#include "exercises/catalogue.h"

namespace menutable {

namespace {

using L = Look;

const QString back = QStringLiteral("Terug naar hoofdmenu");
const QString stop = QStringLiteral("Stoppen              ");

// The submenus without their exercises: the headings and the buttons that
// lead back, stop or keep "Info". The catalogue fills in the exercise buttons.
std::array<Submenu, 7> skeleton()
{
    return {{
        {QStringLiteral("Hoeken raden of Procenten"),
         {{{},
           {{}, L::Hidden},
           {},
           {{}, L::Hidden},
           {back + QLatin1Char(' '), L::Wide},
           {{}, L::Hidden},
           {QStringLiteral("Gegeven antwoorden bekijken"), L::Wide},
           {{}, L::Hidden}}}},
        {QStringLiteral("Metriekmenu"),
         {{{}, {}, {}, {}, {back, L::Wide}, {{}, L::Hidden}, {stop}, {{}, L::Keep}}}},
        {QStringLiteral("Sommenmenu"),
         {{{}, {}, {}, {}, {back, L::Wide}, {{}, L::Hidden}, {stop}, {{}, L::Keep}}}},
        {QStringLiteral("Haakjes wegwerken en korter schrijven"),
         {{{}, {}, {}, {}, {}, {back}, {stop}, {{}, L::Keep}}}},
        {QStringLiteral("Ontbinden in factorenmenu"),
         {{{}, {}, {}, {}, {back, L::Wide}, {{}, L::Hidden}, {stop}, {{}, L::Keep}}}},
        {QStringLiteral("Vergelijkingen menu"),
         {{{}, {}, {}, {}, {}, {}, {}, {back + QLatin1Char(' ')}}}},
        {QStringLiteral("Functies raden menu"), {{{}, {}, {}, {}, {}, {}, {}, {back}}}},
    }};
}

// Each exercise on its buttons: one per level, or one wide button when it
// has no levels.
std::array<Submenu, 7> withExercises()
{
    std::array<Submenu, 7> menus = skeleton();
    for (const catalogue::Exercise& e : catalogue::exercises()) {
        auto& buttons = menus.at(std::size_t(e.menu)).buttons;
        if (e.levels.empty())
            buttons.at(std::size_t(e.firstButton)) = {QString::fromUtf8(e.menuCaption), L::Wide};
        for (std::size_t k = 0; k < e.levels.size(); ++k)
            buttons.at(std::size_t(e.firstButton) +
                       k) = {QString::fromUtf8(e.levels[k].menuCaption)};
    }
    return menus;
}

} // namespace

QString mainCaption(int index, bool afterActivation)
{
    switch (index) {
    case 0:
        return afterActivation ? QStringLiteral("Hoeken/Procenten/Antw >")
                               : QStringLiteral("Hoeken/Procenten      >");
    case 1:
        return QStringLiteral("Metriek                        >");
    case 2:
        return QStringLiteral("Sommen                      >");
    case 3:
        return QStringLiteral("Haakjes wegwerken    >");
    case 4:
        return QStringLiteral("Ontbinden                  >");
    case 5:
        return QStringLiteral("Vergelijkingen              >");
    case 6:
        return QStringLiteral("Functies raden           >");
    default:
        return QStringLiteral("Info                 ");
    }
}

const Submenu& submenu(int mainChoice)
{
    static const std::array<Submenu, 7> submenus = withExercises();
    return submenus.at(std::size_t(mainChoice));
}

int backButton(int mainChoice)
{
    switch (mainChoice) {
    case 3:
        return 5;
    case 5:
    case 6:
        return 7;
    default:
        return 4;
    }
}

Action actionFor(int menuDepth, int mainChoice, int index)
{
    if (menuDepth == 1 && index == 6 && mainChoice == 0)
        return Action::Viewer;
    if (menuDepth == 1 && index == 6 && mainChoice < 5)
        return Action::Stop;
    if ((menuDepth == 0 && index == 7) ||
        (menuDepth == 1 && index == 7 && mainChoice >= 1 && mainChoice <= 4))
        return Action::Info;
    if (menuDepth == 0)
        return index <= 6 ? Action::OpenSubmenu : Action::Nothing;
    if (index == backButton(mainChoice))
        return Action::Back;
    if (index < backButton(mainChoice))
        return Action::Exercise;
    return Action::Nothing;
}

std::optional<Exercise> exerciseFor(int exerciseChoice)
{
    for (const catalogue::Exercise& e : catalogue::exercises()) {
        const int level = exerciseChoice - exerciseCode(e.menu, e.firstButton) + 1;
        const int levels = std::max(int(e.levels.size()), 1);
        if (level < 1 || level > levels)
            continue;
        Exercise x;
        x.form = QString::fromLatin1(e.id);
        if (!e.levels.empty()) {
            x.level = level;
            x.penAndPaper = level > e.penAndPaperAbove;
        }
        return x;
    }
    return std::nullopt;
}

QString penAndPaperText()
{
    return QStringLiteral("Pak pen en papier klaar") + QChar(13) +
           QStringLiteral("Maak de berekeningen eerst op een kladblaadje !");
}

} // namespace menutable
