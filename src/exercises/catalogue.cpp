#include "catalogue.h"

namespace catalogue {

namespace {

// clang-format off
std::vector<Exercise> table()
{
    return {
        {.id = "hoeken", .menu = 0, .firstButton = 0, .menuCaption = "Hoeken raden         ",
         .problemsPerRun = 0, .caption = "Hoeken raden "},
        {.id = "procenten", .menu = 0, .firstButton = 2, .menuCaption = "Procenten            ",
         .resultsNumber = 1, .caption = "procenten", .name = "Procenten",
         .answerLine = AnswerLine::AfterQuestion},
        {.id = "metriek", .menu = 1,
         .levels = {{"Lengten", "lengten", "lengten"},
                    {"Oppervlakten", "Oppervl", "oppervlakten"},
                    {"Inhouden", "Inhoud", "inhouden"},
                    {"Door elkaar", "Door elkaar", "door elkaar"}},
         .resultsNumber = 2, .mixedLevel = 4, .mixedCycle = 3,
         .caption = "metriek", .name = "Metriek", .viewerRow = "Metriek:"},
        {.id = "sommen", .menu = 2,
         .levels = {{"Optellen/aftr. niveau 1", "Opt/aftr 1", "optellen/aftrekken 1"},
                    {"Optellen/aftr. niveau 2", "Opt/aftr 2", "optellen/aftrekken 2"},
                    {"Opt/aftr/verm. niveau 1", "O/a/verm 1", "opt/aftr/verm 1"},
                    {"Opt/aftr/verm. niveau 2", "O/a/verm 2", "opt/aftr/verm 2"}},
         .penAndPaperAbove = 3, .resultsNumber = 3, .problemsPerRun = 20,
         .caption = "Sommen", .name = "Sommen", .viewerRow = "Sommen:",
         .answerLine = AnswerLine::AfterAnswerMark},
        {.id = "haakjes", .menu = 3,
         .levels = {{"Eén stel haakjes niveau 1", "Eén stel 1", "één stel 1"},
                    {"Eén stel haakjes niveau 2", "Eén stel 2", "één stel 2"},
                    {"Twee stellen haakjes niv 1", "Twee stel 1", "twee stellen 1"},
                    {"Twee stellen haakjes niv 2", "Twee stel 2", "twee stellen 2"},
                    {"Soorten door elkaar", "Door elkaar", "door elkaar"}},
         .penAndPaperAbove = 1, .resultsNumber = 4, .mixedLevel = 5, .mixedCycle = 4,
         .caption = "Haakjes wegwerken", .name = "Haakjes", .viewerRow = "Haakjes:"},
        {.id = "ontbinden", .menu = 4,
         .levels = {{"Tweetermen ontbinden", "Eenterm", "tweetermen"},
                    {"Drietermen ontbinden niv 1", "Tweeterm 1", "drietermen 1"},
                    {"Drietermen ontbinden niv 2", "Tweeterm 2", "drietermen 2"},
                    {"Soorten door elkaar", "Door elkaar", "door elkaar"}},
         .penAndPaperAbove = 2, .resultsNumber = 5, .mixedLevel = 4, .mixedCycle = 3,
         .caption = "Ontbinden", .name = "Ontbinden", .viewerRow = "Ontbinden:",
         .betterAfterRight = true},
        {.id = "vergelijkingen", .menu = 5,
         .levels = {{"Bordjesmanier niv. 1 ", "Bordjes 1", "bordjes 1", 20},
                    {"Bordjesmanier niv. 2 ", "Bordjes 2", "bordjes 2", 20},
                    {"Weegschaalmethode 1  ", "Weegsch 1", "weegschaal 1", 20},
                    {"Weegschaalmethode 2  ", "Weegsch 2", "weegschaal 2", 20},
                    {"Kwadr. verg. niveau 1", "Kwadr 1", "kwadratisch 1"},
                    {"Kwadr. verg. niveau 2", "Kwadr 2", "kwadratisch 2"},
                    {"Soorten door elkaar  ", "Door elkaar", "door elkaar"}},
         .penAndPaperAbove = 0, .resultsNumber = 6, .mixedLevel = 7, .mixedCycle = 6,
         .caption = "Vergelijkingen", .name = "Vergelijkingen", .viewerRow = "Vergel. :",
         .answerLine = AnswerLine::FromLetter},
        // The mixed level draws kinds the player has not had yet (graphs/generator).
        {.id = "grafieken", .menu = 6,
         .levels = {{"Lijnen niveau 1", "Lijnen 1", "lijnen 1"},
                    {"Lijnen niveau 2", "Lijnen 2", "lijnen 2"},
                    {"Parabolen      ", "Parab", "parabolen"},
                    {"Gonio niveau 1 ", "Gonio 1", "gonio 1"},
                    {"Gonio niveau 2 ", "Gonio 2", "gonio 2"},
                    {"Wortelfuncties ", "Wortels", "wortels"},
                    {"Soorten door elkaar", "Door elkaar", "door elkaar"}},
         .resultsNumber = 7, .mixedLevel = 7, .pointsPerProblem = 10,
         .caption = "Functies raden", .name = "Functies", .viewerRow = "Functies :",
         .answerLine = AnswerLine::Formulas},
    };
}
// clang-format on

} // namespace

const std::vector<Exercise>& exercises()
{
    static const std::vector<Exercise> all = table();
    return all;
}

const Exercise* find(QStringView id)
{
    for (const Exercise& e : exercises())
        if (id == QLatin1StringView(e.id))
            return &e;
    return nullptr;
}

const Exercise* withResultsNumber(int resultsNumber)
{
    for (const Exercise& e : exercises())
        if (resultsNumber != 0 && e.resultsNumber == resultsNumber)
            return &e;
    return nullptr;
}

int resultsNumberCount()
{
    int n = 0;
    for (const Exercise& e : exercises())
        n = std::max(n, e.resultsNumber);
    return n;
}

int resultsLevel(const Exercise& e, int level)
{
    return e.levels.empty() ? 0 : level;
}

QString caption(const Exercise& e, const QString& choiceCaption)
{
    const QString own = QString::fromUtf8(e.caption);
    return e.levels.empty() ? own : own + QStringLiteral("    ") + choiceCaption;
}

QString summaryTitle(const Exercise& e)
{
    return QString::fromUtf8(e.caption).trimmed();
}

int problemsPerRun(const Exercise& e, int level)
{
    if (level >= 1 && level <= int(e.levels.size()) && e.levels[level - 1].problemsPerRun != 0)
        return e.levels[level - 1].problemsPerRun;
    return e.problemsPerRun;
}

int mixedLevelOfProblem(const Exercise& e, int n)
{
    return e.mixedCycle != 0 ? n % e.mixedCycle + 1 : e.mixedLevel;
}

} // namespace catalogue
