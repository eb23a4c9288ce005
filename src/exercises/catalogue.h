#pragma once
// Every exercise of the program, each said once: where the menu offers it and
// with which levels, its results files, its mixed level, problems per run,
// and the names the viewer and the class overview show. The menu, the form
// list, the viewer and the overview read it; a run gets its numbers through
// the session the form list makes.
//
// Plain data only: this file and catalogue.cpp include no exercise form, so
// the class overview can name exercises without linking a form. How each
// form is made lives apart, in catalogueforms.cpp.

#include <QString>
#include <QStringView>
#include <vector>

namespace catalogue {

struct Level {
    const char* menuCaption;   // its button in the submenu, as shown
    const char* viewerCaption; // its button in the viewer
    const char* overviewName;  // "lengten" in "Metriek: lengten"
    int problemsPerRun = 0;    // 0: as many as the exercise's
};

// Where a results line of the exercise puts what the pupil typed: between
// the problem, which the program writes first, and the verdict at the end.
enum class AnswerLine {
    AfterEquals,     // " 1.1 km = 110000 cm   Goed": after the first " = "
    AfterQuestion,   // "oud = 40   nieuw = 50 Perc. prijsverhoging ?     20", or
                     // the problem on a line of its own before the answer
    AfterAnswerMark, // " -7 x  .... = -21    Antw: -3"; else as AfterEquals
    FromLetter,      // " 3x + 5 =  17    x = 5": from the letter before the second "="
    Formulas,        // "functie: ", then the formulas tried and the points
};

struct Exercise {
    const char* id; // the form's name in the form registry ("metriek")
    // The menu: the main-menu button whose submenu offers the exercise, and
    // its first button there. Without levels it has one wide button.
    int menu = 0;
    int firstButton = 0;
    const char* menuCaption = nullptr; // the one button of an exercise without levels
    std::vector<Level> levels = {};    // empty: the menu sets no level
    // "Pak pen en papier klaar" comes first on the levels above this one.
    int penAndPaperAbove = 99;
    // Results files "oefset<n>_<level>.txt"; 0: the exercise keeps none.
    int resultsNumber = 0;
    // The level that mixes the others (0: none). On it problem n (counted
    // from 0) is of level n % mixedCycle + 1; 0: the exercise mixes by a
    // rule of its own.
    int mixedLevel = 0;
    int mixedCycle = 0;
    int problemsPerRun = 10;  // per player; 0: the exercise has no count
    int pointsPerProblem = 1; // most a player can score on one problem
    // The form's caption and the title of its summary box; with levels the
    // chosen level's menu caption follows after four blanks.
    const char* caption = "";
    const char* name = "";      // in the viewer and the overview ("Metriek")
    const char* viewerRow = ""; // label beside its first row in the viewer
    AnswerLine answerLine = AnswerLine::AfterEquals;
    bool betterAfterRight = false; // " maar beter is: " may follow a right answer
};

// Every exercise, in the order of its results number after those without.
const std::vector<Exercise>& exercises();
// The exercise of a form name or of a results number; null when none.
const Exercise* find(QStringView id);
const Exercise* withResultsNumber(int resultsNumber);
// The highest results number.
int resultsNumberCount();

// The level in the name of the results file: 0 (none) for an exercise
// without levels.
int resultsLevel(const Exercise& e, int level);
// The caption of the exercise's form, at the level chosen in the menu.
QString caption(const Exercise& e, const QString& choiceCaption);
// The title of its summary box: its caption without blanks after it.
QString summaryTitle(const Exercise& e);

// Problems per player in a run at this level.
int problemsPerRun(const Exercise& e, int level);
// The level of problem n (from 0) on the mixed level.
int mixedLevelOfProblem(const Exercise& e, int n);

} // namespace catalogue
