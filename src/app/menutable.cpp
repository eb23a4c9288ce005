#include "menutable.h"

namespace menutable {

namespace {

using L = Look;

const QString back = QStringLiteral("Terug naar hoofdmenu");
const QString stop = QStringLiteral("Stoppen              ");

const std::array<Submenu, 7> submenus = {{
    {QStringLiteral("Hoeken raden of Procenten"),
     {{{QStringLiteral("Hoeken raden         "), L::Wide},
       {{}, L::Hidden},
       {QStringLiteral("Procenten            "), L::Wide},
       {{}, L::Hidden},
       {back + QLatin1Char(' '), L::Wide},
       {{}, L::Hidden},
       {QStringLiteral("Gegeven antwoorden bekijken"), L::Wide},
       {{}, L::Hidden}}}},
    {QStringLiteral("Metriekmenu"),
     {{{QStringLiteral("Lengten")},
       {QStringLiteral("Oppervlakten")},
       {QStringLiteral("Inhouden")},
       {QStringLiteral("Door elkaar")},
       {back, L::Wide},
       {{}, L::Hidden},
       {stop},
       {{}, L::Keep}}}},
    {QStringLiteral("Sommenmenu"),
     {{{QStringLiteral("Optellen/aftr. niveau 1")},
       {QStringLiteral("Optellen/aftr. niveau 2")},
       {QStringLiteral("Opt/aftr/verm. niveau 1")},
       {QStringLiteral("Opt/aftr/verm. niveau 2")},
       {back, L::Wide},
       {{}, L::Hidden},
       {stop},
       {{}, L::Keep}}}},
    {QStringLiteral("Haakjes wegwerken en korter schrijven"),
     {{{QStringLiteral("Eén stel haakjes niveau 1")},
       {QStringLiteral("Eén stel haakjes niveau 2")},
       {QStringLiteral("Twee stellen haakjes niv 1")},
       {QStringLiteral("Twee stellen haakjes niv 2")},
       {QStringLiteral("Soorten door elkaar")},
       {back},
       {stop},
       {{}, L::Keep}}}},
    {QStringLiteral("Ontbinden in factorenmenu"),
     {{{QStringLiteral("Tweetermen ontbinden")},
       {QStringLiteral("Drietermen ontbinden niv 1")},
       {QStringLiteral("Drietermen ontbinden niv 2")},
       {QStringLiteral("Soorten door elkaar")},
       {back, L::Wide},
       {{}, L::Hidden},
       {stop},
       {{}, L::Keep}}}},
    {QStringLiteral("Vergelijkingen menu"),
     {{{QStringLiteral("Bordjesmanier niv. 1 ")},
       {QStringLiteral("Bordjesmanier niv. 2 ")},
       {QStringLiteral("Weegschaalmethode 1  ")},
       {QStringLiteral("Weegschaalmethode 2  ")},
       {QStringLiteral("Kwadr. verg. niveau 1")},
       {QStringLiteral("Kwadr. verg. niveau 2")},
       {QStringLiteral("Soorten door elkaar  ")},
       {back + QLatin1Char(' ')}}}},
    {QStringLiteral("Functies raden menu"),
     {{{QStringLiteral("Lijnen niveau 1")},
       {QStringLiteral("Lijnen niveau 2")},
       {QStringLiteral("Parabolen      ")},
       {QStringLiteral("Gonio niveau 1 ")},
       {QStringLiteral("Gonio niveau 2 ")},
       {QStringLiteral("Wortelfuncties ")},
       {QStringLiteral("Soorten door elkaar")},
       {back}}}},
}};

// An exercise code range and what OK does for it.
struct Row {
    int first;
    int last;
    const char* form;
    bool setsLevel; // niveau = code - first + 1
    int penAbove;   // "Pak pen en papier klaar" when niveau is above this
};
constexpr int never = 99;
constexpr int always = 0;

constexpr Row rows[] = {
    {1, 1, "hoeken", false, never},
    {3, 3, "procenten", false, never},
    {8, 11, "metriek", true, never},
    {15, 18, "sommen", true, 3},
    {22, 26, "haakjes", true, 1},
    {29, 32, "ontbinden", true, 2},
    {36, 42, "vergelijkingen", true, always},
    {43, 49, "grafieken", true, never},
};

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

const Submenu& submenu(int hoofdkeuze)
{
    return submenus.at(std::size_t(hoofdkeuze));
}

int backButton(int hoofdkeuze)
{
    switch (hoofdkeuze) {
    case 3:
        return 5;
    case 5:
    case 6:
        return 7;
    default:
        return 4;
    }
}

Action actionFor(int menuDiepte, int hoofdkeuze, int index)
{
    if (menuDiepte == 1 && index == 6 && hoofdkeuze == 0)
        return Action::Viewer;
    if (menuDiepte == 1 && index == 6 && hoofdkeuze < 5)
        return Action::Stop;
    if ((menuDiepte == 0 && index == 7) ||
        (menuDiepte == 1 && index == 7 && hoofdkeuze >= 1 && hoofdkeuze <= 4))
        return Action::Info;
    if (menuDiepte == 0)
        return index <= 6 ? Action::OpenSubmenu : Action::Nothing;
    if (index == backButton(hoofdkeuze))
        return Action::Back;
    if (index < backButton(hoofdkeuze))
        return Action::Exercise;
    return Action::Nothing;
}

std::optional<Exercise> exerciseFor(int opgaveKeuze)
{
    for (const Row& row : rows) {
        if (opgaveKeuze < row.first || opgaveKeuze > row.last)
            continue;
        Exercise e;
        e.form = QString::fromLatin1(row.form);
        if (row.setsLevel) {
            const int level = opgaveKeuze - row.first + 1;
            e.niveau = level;
            e.penAndPaper = level > row.penAbove;
        }
        return e;
    }
    return std::nullopt;
}

QString penAndPaperText()
{
    return QStringLiteral("Pak pen en papier klaar") + QChar(13) +
           QStringLiteral("Maak de berekeningen eerst op een kladblaadje !");
}

} // namespace menutable
