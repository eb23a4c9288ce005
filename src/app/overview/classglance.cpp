#include "classglance.h"

#include "exercisenames.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace overview {

QColor masteryColour(double chance)
{
    // The cividis scale at 0, 1/4, 1/2, 3/4 and 1: its lightness rises
    // evenly, so it reads the same in grey.
    static const int stops[5][3] = {
        {0, 34, 78}, {64, 77, 107}, {124, 123, 120}, {188, 175, 111}, {254, 232, 56}};
    const double x = std::clamp(chance, 0.0, 1.0) * 4;
    const int i = std::min(int(x), 3);
    const double f = x - i;
    auto mix = [&](int c) {
        return int(std::lround(stops[i][c] + f * (stops[i + 1][c] - stops[i][c])));
    };
    return QColor(mix(0), mix(1), mix(2));
}

QString stuckText(const Mastery& m, const QString& pupil)
{
    QStringList out;
    for (const LevelMastery& l : m.levels)
        if (l.name == pupil && l.stuck)
            out << exerciseLevelName(l.option, l.level) + QStringLiteral(" sinds ") +
                       l.stuckSince.toString(QStringLiteral("d-M-yyyy"));
    return out.join(QStringLiteral("; "));
}

ClassGlance::ClassGlance(const MasteryModel* mastery, QObject* parent)
    : QAbstractTableModel(parent), mastery_(mastery)
{
    connect(mastery, &MasteryModel::changed, this, &ClassGlance::rebuild);
    rebuild();
}

void ClassGlance::rebuild()
{
    beginResetModel();
    const Mastery& m = mastery_->estimates();
    pupils_.clear();
    stuck_.clear();
    std::set<std::pair<int, int>> levels;
    for (const LevelMastery& l : m.levels) {
        if (pupils_.isEmpty() || pupils_.last() != l.name) {
            pupils_ << l.name;
            stuck_ << stuckText(m, l.name);
        }
        levels.insert({l.option, l.level});
    }
    levels_ = QList<std::pair<int, int>>(levels.begin(), levels.end());
    endResetModel();
}

int ClassGlance::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(pupils_.size());
}

int ClassGlance::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FirstLevel + int(levels_.size());
}

QVariant ClassGlance::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    if (index.column() >= FirstLevel)
        return levelData(pupils_[row], index.column() - FirstLevel, role);
    if (role != Qt::DisplayRole && role != SortRole && role != Qt::AccessibleTextRole)
        return {};
    if (index.column() == Name)
        return pupils_[row];
    if (role == Qt::AccessibleTextRole && stuck_[row].isEmpty())
        return QStringLiteral("niet vastgelopen");
    return stuck_[row];
}

QVariant ClassGlance::levelData(const QString& pupil, int column, int role) const
{
    const auto [option, level] = levels_[column];
    const LevelMastery* l = mastery_->estimates().find(pupil, option, level);
    const bool known = l && l->enough();
    switch (role) {
    case SortRole:
        return known ? l->chance : l ? -1.0 : -2.0;
    case Qt::DisplayRole: {
        if (!known)
            return l ? QStringLiteral("–") : QString();
        const QString n = QString::number(std::lround(100 * l->chance));
        return l->stuck ? n + QStringLiteral(" vast") : n;
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return known ? QVariant(masteryColour(l->chance)) : QVariant();
    case Qt::ForegroundRole:
        return known ? QVariant(QColor(l->chance < 0.5 ? Qt::white : Qt::black)) : QVariant();
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: {
        QString text = exerciseLevelName(option, level) + QStringLiteral(": ");
        if (!l)
            return text + QStringLiteral("niet gemaakt");
        text += known ? chanceText(*l) + QStringLiteral(" kans goed") : chanceText(*l);
        if (l->stuck)
            text += QStringLiteral(", vastgelopen sinds ") +
                    l->stuckSince.toString(QStringLiteral("d-M-yyyy"));
        return text;
    }
    }
    return {};
}

QVariant ClassGlance::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    if (section == Name)
        return QStringLiteral("Leerling");
    if (section == Stuck)
        return QStringLiteral("Vastgelopen");
    const auto [option, level] = levels_[section - FirstLevel];
    return exerciseLevelName(option, level).replace(QStringLiteral(": "), QStringLiteral("\n"));
}

} // namespace overview
