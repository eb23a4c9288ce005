#pragma once
// The problems of a worksheet on paper: for one exercise, level, number of
// problems and seed, the items in the order a run gives them to player 1,
// each with its right answer, the explanation the program shows after a
// wrong answer, and the exercise's own check of an answer.
//
// Every exercise has its source in its own folder (<exercise>/sheet.cpp);
// sheet.cpp says which source belongs to which exercise of the catalogue.

#include "common/random.h"
#include "exercises/catalogue.h"

#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

class QPainter;

namespace worksheet {

// How much room a problem takes on paper.
enum class Room {
    Short, // one line, several to a row
    Lines, // the problem on its own lines, with lines to write the working on
    Graph, // a drawn graph, four to a page at most
    Angle, // a drawn angle with a box for the degrees
};

// The dots a pupil writes on.
inline const QString dots = QStringLiteral("............");

struct Item {
    QString problem; // as printed, CR between lines; holds `blank` where the answer goes
    QString blank;   // what the pupil fills in
    QString answer;  // the right answer as the program writes it
    QString explanationTitle;
    QString explanation; // CR between lines
    Room room = Room::Short;
    // Draws the problem into the rectangle, when it is a picture.
    std::function<void(QPainter&, const QRectF&)> draw;
    // The exercise's own check of a typed answer.
    std::function<bool(const QString&)> check;
};

// Uniform doubles from a 64-bit Mersenne twister, built from its raw output
// alone, so one seed gives the same problems with any standard library.
class SheetRandom : public common::Random {
public:
    explicit SheetRandom(std::uint64_t seed) : engine_(seed) {}
    double rnd() override { return double(engine_() >> 11) * 0x1.0p-53; }
    void randomize() override {} // a sheet stays reproducible
private:
    std::mt19937_64 engine_;
};

// The seed of one version (0 = A) of a sheet.
std::uint64_t seedOf(const catalogue::Exercise& e, int level, int count, int sheetNumber,
                     int version);

// Levels the sheet offers: those of the menu, or 1 for an exercise without.
int levelCount(const catalogue::Exercise& e);
// The exercise's name and the level's caption as the menu shows them.
QString exerciseTitle(const catalogue::Exercise& e);
QString levelTitle(const catalogue::Exercise& e, int level);
// Problems on a sheet unless asked otherwise: as many as a run has.
int defaultCount(const catalogue::Exercise& e, int level);
// The level of problem n (from 1) on a sheet of `level`: itself, or on the
// mixed level the one a run gives player 1.
int levelOfProblem(const catalogue::Exercise& e, int level, int n);

struct Sheet {
    std::vector<Item> items;
    // The exercise's own verdict on `typed` as the answer to item i.
    bool judge(int i, const QString& typed) const { return items[std::size_t(i)].check(typed); }
};

// The items of one sheet; empty for an exercise that has no source.
Sheet make(const catalogue::Exercise& e, int level, int count, std::uint64_t seed);

// Each exercise's source: `count` items of `level`, drawn from `random`.
using Source = std::vector<Item> (*)(const catalogue::Exercise& e, int level, int count,
                                     common::Random& random);
Source sourceOf(const catalogue::Exercise& e);

} // namespace worksheet
