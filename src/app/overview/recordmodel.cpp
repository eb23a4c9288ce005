#include "recordmodel.h"

#include "exercisenames.h"

#include <QLocale>

namespace overview {

QString percentText(double percent)
{
    if (percent < 0)
        return {};
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(percent, 'f', 1);
}

int RecordModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(records_.size());
}

int RecordModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != SortRole))
        return {};
    const Record& r = records_[index.row()];
    const bool sort = role == SortRole;
    switch (index.column()) {
    case Name:
        return r.name;
    case Exercise:
        return sort ? QVariant(r.option * 100 + r.level) : exerciseLevelName(r.option, r.level);
    case When:
        return sort ? QVariant(r.when) : r.whenText();
    case Score:
        return r.score;
    case Count:
        return r.count;
    case Percent:
        return sort ? QVariant(r.percent()) : percentText(r.percent());
    }
    return {};
}

QVariant RecordModel::headerData(int section, Qt::Orientation o, int role) const
{
    static const char* const titles[ColumnCount] = {"Leerling", "Oefening", "Datum",
                                                    "Score",    "Aantal",   "Score (%)"};
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromUtf8(titles[section]);
}

const Record* RecordModel::find(const RunKey& run) const
{
    for (const Record& r : records_) {
        if (isRun(r, run))
            return &r;
    }
    return nullptr;
}

void RecordModel::setRecords(QList<Record> records)
{
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
}

void RecordModel::addRecords(const QList<Record>& records)
{
    if (records.isEmpty())
        return;
    beginInsertRows({}, int(records_.size()), int(records_.size() + records.size() - 1));
    records_ += records;
    endInsertRows();
}

void RecordModel::replaceFile(const QString& file, const QList<Record>& records)
{
    beginResetModel();
    records_.removeIf([&](const Record& r) { return r.file == file; });
    records_ += records;
    endResetModel();
}

RecordFilter::RecordFilter(RecordModel* records, QObject* parent)
    : QSortFilterProxyModel(parent), records_(records)
{
    setSourceModel(records);
    setSortRole(SortRole);
}

void RecordFilter::setName(const QString& part)
{
    name_ = part.trimmed();
    invalidateFilter();
}

void RecordFilter::setExercise(int option, int level)
{
    option_ = option;
    level_ = level;
    invalidateFilter();
}

void RecordFilter::setDates(QDate from, QDate to)
{
    from_ = from;
    to_ = to;
    invalidateFilter();
}

const Record& RecordFilter::record(int row) const
{
    return records_->record(mapToSource(index(row, 0)).row());
}

bool RecordFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    const Record& r = records_->record(row);
    if (!name_.isEmpty() && !r.name.contains(name_, Qt::CaseInsensitive))
        return false;
    if (option_ != 0 && (r.option != option_ || (level_ != 0 && r.level != level_)))
        return false;
    const QDate day = r.when.date();
    if (from_.isValid() && (!day.isValid() || day < from_))
        return false;
    if (to_.isValid() && (!day.isValid() || day > to_))
        return false;
    return true;
}

} // namespace overview
