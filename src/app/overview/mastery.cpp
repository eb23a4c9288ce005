#include "mastery.h"

#include "exercisenames.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>
#include <vector>

namespace overview {

namespace {
// The model's constants, in logits (docs/mastery.md).
constexpr double startVariance = 1.0;   // of a rating or difficulty not seen yet
constexpr double dailyVariance = 0.001; // a pupil's rating grows this uncertain a day

double logistic(double x)
{
    return 1.0 / (1.0 + std::exp(-x));
}

// A rating with how uncertain it is (its variance).
struct Rating {
    double value = 0;
    double variance = startVariance;
    qint64 day = 0; // of the last answer; pupils' ratings only
    bool seen = false;
};

// One answer: the pupil's rating and the level's difficulty move apart by
// what the answer tells beyond what was expected, each in step with its own
// uncertainty, and both grow more certain.
void update(Rating& pupil, Rating& level, bool right)
{
    const double expected = logistic(pupil.value - level.value);
    const double information = expected * (1 - expected);
    const double surprise = (right ? 1.0 : 0.0) - expected;
    const double denominator = 1 + (pupil.variance + level.variance) * information;
    pupil.value += pupil.variance * surprise / denominator;
    level.value -= level.variance * surprise / denominator;
    pupil.variance /= 1 + pupil.variance * information;
    level.variance /= 1 + level.variance * information;
}

// What is kept of a pupil's runs of one level.
struct LevelRuns {
    int answers = 0;
    int runs = 0;     // with answers
    double last[3]{}; // % of the last three, the newest at runs % 3 - 1
    QDate dates[3]{};
    bool played = false;
};

struct Pupil {
    std::vector<Rating> ratings; // per exercise
    std::vector<std::vector<LevelRuns>> levels;
    std::vector<int> lastLevel; // per exercise, -1: not played
};

// Levels are numbered from 1, the percentages' only one 0.
int levelSlots(int option)
{
    return levelCount(option) + 1;
}

qint64 timeKey(const Record& r)
{
    if (!r.when.isValid())
        return std::numeric_limits<qint64>::min();
    return r.when.date().toJulianDay() * 86400000LL + r.when.time().msecsSinceStartOfDay();
}

// The records in the order they were played (as playedBefore orders them).
QList<const Record*> inTimeOrder(const QList<const Record*>& records)
{
    std::vector<std::pair<qint64, const Record*>> keyed;
    keyed.reserve(std::size_t(records.size()));
    for (const Record* r : records)
        keyed.emplace_back(timeKey(*r), r);
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        const Record& x = *a.second;
        const Record& y = *b.second;
        return std::tie(x.file, x.block, x.player) < std::tie(y.file, y.block, y.player);
    });
    QList<const Record*> out;
    out.reserve(records.size());
    for (const auto& k : keyed)
        out.append(k.second);
    return out;
}

bool stuckAt(const LevelRuns& l, QDate& since)
{
    if (l.runs < 3)
        return false;
    const int first = l.runs % 3; // the oldest of the last three
    const int third = (l.runs + 2) % 3;
    for (double p : l.last)
        if (p >= mastery::stuckBelow)
            return false;
    since = l.dates[first];
    return l.last[third] <= l.last[first];
}

Advice adviceFor(const QString& name, int option, int from, const LevelMastery& at)
{
    Advice a{name, option, from, from, Advice::Stay, at.chance};
    if (!at.enough())
        a.kind = Advice::TooFew;
    else if (at.chance >= mastery::moveOn && from >= 1 && from < levelCount(option))
        std::tie(a.kind, a.level) = std::pair(Advice::MoveOn, from + 1);
    else if (at.chance >= mastery::moveOn)
        a.kind = Advice::Mastered;
    else if (at.chance < mastery::goBack && from > 1)
        std::tie(a.kind, a.level) = std::pair(Advice::GoBack, from - 1);
    return a;
}
} // namespace

bool answeredRight(const Record& run, qsizetype answer)
{
    return scoredInPoints(run.option) ? run.points(answer) > 0 : run.right(answer);
}

Mastery estimateMastery(const QList<const Record*>& records)
{
    const int options = optionCount + 1;
    auto difficulty = std::vector<std::vector<Rating>>(std::size_t(options));
    for (int o = 1; o < options; ++o)
        difficulty[std::size_t(o)].resize(std::size_t(levelSlots(o)));
    QHash<QString, Pupil> pupils;
    for (const Record* r : inTimeOrder(records)) {
        if (r->option < 1 || r->option >= options || r->level < 0 ||
            r->level >= levelSlots(r->option))
            continue;
        auto it = pupils.find(r->name);
        if (it == pupils.end()) {
            Pupil p;
            p.ratings.resize(std::size_t(options));
            p.levels.resize(std::size_t(options));
            p.lastLevel.assign(std::size_t(options), -1);
            for (int o = 1; o < options; ++o)
                p.levels[std::size_t(o)].resize(std::size_t(levelSlots(o)));
            it = pupils.insert(r->name, std::move(p));
        }
        Pupil& p = *it;
        Rating& rating = p.ratings[std::size_t(r->option)];
        Rating& level = difficulty[std::size_t(r->option)][std::size_t(r->level)];
        const qint64 day = r->when.isValid() ? r->when.date().toJulianDay() : rating.day;
        if (rating.seen && day > rating.day)
            rating.variance =
                std::min(startVariance, rating.variance + dailyVariance * double(day - rating.day));
        rating.day = day;
        rating.seen = true;
        const qsizetype n = r->answerCount();
        const bool inPoints = scoredInPoints(r->option); // as answeredRight, once per run
        for (qsizetype i = 0; i < n; ++i)
            update(rating, level, inPoints ? r->points(i) > 0 : r->right(i));
        LevelRuns& runs = p.levels[std::size_t(r->option)][std::size_t(r->level)];
        runs.played = true;
        runs.answers += int(n);
        if (r->count > 0) {
            runs.last[runs.runs % 3] = r->percent();
            runs.dates[runs.runs % 3] = r->when.date();
            ++runs.runs;
        }
        p.lastLevel[std::size_t(r->option)] = r->level;
    }

    std::map<std::tuple<QString, int, int>, LevelMastery> levels;
    std::map<std::pair<QString, int>, Advice> advice;
    for (auto it = pupils.cbegin(); it != pupils.cend(); ++it) {
        const Pupil& p = it.value();
        for (int o = 1; o < options; ++o) {
            for (int l = 0; l < levelSlots(o); ++l) {
                const LevelRuns& runs = p.levels[std::size_t(o)][std::size_t(l)];
                if (!runs.played)
                    continue;
                LevelMastery m;
                m.name = it.key();
                m.option = o;
                m.level = l;
                m.answers = runs.answers;
                m.chance = logistic(p.ratings[std::size_t(o)].value -
                                    difficulty[std::size_t(o)][std::size_t(l)].value);
                m.stuck = stuckAt(runs, m.stuckSince);
                levels[{it.key(), o, l}] = m;
            }
            const int last = p.lastLevel[std::size_t(o)];
            if (last >= 0)
                advice[{it.key(), o}] = adviceFor(it.key(), o, last, levels[{it.key(), o, last}]);
        }
    }
    Mastery out;
    out.levels.reserve(qsizetype(levels.size()));
    for (auto& [key, m] : levels)
        out.levels.append(std::move(m));
    for (auto& [key, a] : advice)
        out.advice.append(std::move(a));
    return out;
}

const LevelMastery* Mastery::find(const QString& name, int option, int level) const
{
    const auto key = std::tie(name, option, level);
    const auto it = std::lower_bound(levels.begin(), levels.end(), key,
                                     [](const LevelMastery& m, const auto& k) {
                                         return std::tie(m.name, m.option, m.level) < k;
                                     });
    return it != levels.end() && std::tie(it->name, it->option, it->level) == key ? &*it : nullptr;
}

const Advice* Mastery::adviceOf(const QString& name, int option) const
{
    const auto key = std::tie(name, option);
    const auto it =
        std::lower_bound(advice.begin(), advice.end(), key, [](const Advice& a, const auto& k) {
            return std::tie(a.name, a.option) < k;
        });
    return it != advice.end() && std::tie(it->name, it->option) == key ? &*it : nullptr;
}

QList<Advice> Mastery::adviceOf(const QString& name) const
{
    QList<Advice> out;
    for (const Advice& a : advice)
        if (a.name == name)
            out.append(a);
    return out;
}

QString chanceText(const LevelMastery& level)
{
    if (!level.enough())
        return QStringLiteral("te weinig gegevens");
    return QString::number(std::lround(100 * level.chance)) + QStringLiteral(" %");
}

QString adviceText(const Advice& a)
{
    const QString to = exerciseLevelName(a.option, a.level);
    switch (a.kind) {
    case Advice::MoveOn:
        return QStringLiteral("door naar ") + to;
    case Advice::GoBack:
        return QStringLiteral("terug naar ") + to;
    case Advice::Mastered:
        return to + QStringLiteral(" beheerst");
    case Advice::TooFew:
        return QStringLiteral("verder oefenen met ") + to + QStringLiteral(" (te weinig gegevens)");
    case Advice::Stay:
        break;
    }
    return QStringLiteral("verder oefenen met ") + to;
}

QStringList adviceLines(const Mastery& m, const QString& name)
{
    QStringList lines;
    for (const Advice& a : m.adviceOf(name)) {
        QString line = adviceText(a);
        const QString chance = QString::number(std::lround(100 * a.chance)) + QStringLiteral(" %");
        if (a.kind == Advice::Stay || a.kind == Advice::Mastered)
            line += QStringLiteral(" (") + chance + QStringLiteral(" kans goed)");
        else if (a.kind != Advice::TooFew)
            line += QStringLiteral(" (") + chance + QStringLiteral(" kans goed op ") +
                    exerciseLevelName(a.option, a.from) + QLatin1Char(')');
        lines << line;
    }
    return lines;
}

} // namespace overview
