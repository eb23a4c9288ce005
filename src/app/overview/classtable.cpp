#include "classtable.h"

#include "exercisenames.h"

#include <map>
#include <tuple>

namespace overview {

QList<ClassRow> classRows(const QList<const Record*>& records)
{
    struct Group {
        ClassRow row;
        const Record* last = nullptr;         // the last run
        const Record* lastAnswered = nullptr; // the last run with answers
    };
    std::map<std::tuple<QString, int, int>, Group> groups;
    for (const Record* r : records) {
        Group& g = groups[{r->name, r->option, r->level}];
        ++g.row.runs;
        g.row.answers += r->count;
        if (!g.last || playedBefore(*g.last, *r))
            g.last = r;
        if (r->count > 0) {
            g.row.best = std::max(g.row.best, r->percent());
            if (!g.lastAnswered || playedBefore(*g.lastAnswered, *r))
                g.lastAnswered = r;
        }
    }
    QList<ClassRow> rows;
    rows.reserve(qsizetype(groups.size()));
    for (auto& [key, g] : groups) {
        std::tie(g.row.name, g.row.option, g.row.level) = key;
        g.row.last = g.lastAnswered ? g.lastAnswered->percent() : -1;
        g.row.lastWhen = g.last->whenText();
        g.row.lastWhenSort = g.last->when;
        rows.append(g.row);
    }
    return rows;
}

ClassTable::ClassTable(RecordFilter* filter, const MasteryModel* mastery, QObject* parent)
    : QAbstractTableModel(parent), filter_(filter), mastery_(mastery)
{
    if (mastery)
        connect(mastery, &MasteryModel::changed, this, [this] {
            if (!rows_.isEmpty())
                emit dataChanged(index(0, Chance), index(int(rows_.size()) - 1, Advised));
        });
    connect(filter, &QAbstractItemModel::modelReset, this, &ClassTable::rebuild);
    connect(filter, &QAbstractItemModel::layoutChanged, this, &ClassTable::rebuild);
    connect(filter, &QAbstractItemModel::rowsInserted, this, &ClassTable::rebuild);
    connect(filter, &QAbstractItemModel::rowsRemoved, this, &ClassTable::rebuild);
    rebuild();
}

QList<const Record*> ClassTable::recordsOf(const QString& name) const
{
    QList<const Record*> out;
    for (int i = 0; i < filter_->rowCount(); ++i) {
        const Record& r = filter_->record(i);
        if (r.name == name)
            out.append(&r);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Record* a, const Record* b) { return playedBefore(*a, *b); });
    return out;
}

void ClassTable::rebuild()
{
    QList<const Record*> records;
    records.reserve(filter_->rowCount());
    for (int i = 0; i < filter_->rowCount(); ++i)
        records.append(&filter_->record(i));
    beginResetModel();
    rows_ = classRows(records);
    endResetModel();
}

int ClassTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ClassTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const ClassRow& r = rows_[index.row()];
    if (role == Qt::TextAlignmentRole &&
        ((index.column() >= Runs && index.column() <= Best) || index.column() == Chance))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool sort = role == SortRole;
    switch (index.column()) {
    case Name:
        return r.name;
    case Exercise:
        return sort ? QVariant(r.option * 100 + r.level) : exerciseLevelName(r.option, r.level);
    case Runs:
        return r.runs;
    case Answers:
        return r.answers;
    case Last:
        return sort ? QVariant(r.last) : percentText(r.last);
    case Best:
        return sort ? QVariant(r.best) : percentText(r.best);
    case LastWhen:
        return sort ? QVariant(r.lastWhenSort) : r.lastWhen;
    case Chance:
    case Advised:
        return masteryData(r, index.column(), sort);
    }
    return {};
}

QVariant ClassTable::masteryData(const ClassRow& r, int column, bool sort) const
{
    if (!mastery_)
        return sort ? QVariant(-1.0) : QVariant(QString());
    const Mastery& m = mastery_->estimates();
    if (column == Advised) {
        const Advice* a = m.adviceOf(r.name, r.option);
        return a ? adviceText(*a) : QString();
    }
    const LevelMastery* l = m.find(r.name, r.option, r.level);
    if (sort)
        return l && l->enough() ? l->chance : -1.0;
    return l ? chanceText(*l).remove(QStringLiteral(" %")) : QString();
}

QVariant ClassTable::headerData(int section, Qt::Orientation o, int role) const
{
    static const char* const titles[ColumnCount] = {
        "Leerling",        "Oefening",     "Keer",          "Antwoorden", "Laatste score (%)",
        "Beste score (%)", "Laatste keer", "Kans goed (%)", "Advies"};
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromUtf8(titles[section]);
}

} // namespace overview
