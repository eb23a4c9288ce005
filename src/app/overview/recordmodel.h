#pragma once
// The records read from a results folder, one row per player per run, and
// the filter over them: name, exercise (and level) and date range.

#include "runkey.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace overview {

constexpr int SortRole = Qt::UserRole;

class RecordModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Exercise, When, Score, Count, Percent, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    const Record& record(int row) const { return records_[row]; }
    // The run as it is now; nullptr when it is no longer there. The pointer
    // holds until records are added or replaced.
    const Record* find(const RunKey& run) const;
    void setRecords(QList<Record> records);
    void addRecords(const QList<Record>& records);
    // The file's records are replaced (it was read again from its start).
    void replaceFile(const QString& file, const QList<Record>& records);

private:
    QList<Record> records_;
};

class RecordFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit RecordFilter(RecordModel* records, QObject* parent = nullptr);

    // Part of the name, any case; empty shows every pupil.
    void setName(const QString& part);
    // option 0: every exercise; level 0: every level of the option.
    void setExercise(int option, int level);
    // Invalid dates leave that end open.
    void setDates(QDate from, QDate to);

    const Record& record(int row) const;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    RecordModel* records_;
    QString name_;
    int option_ = 0;
    int level_ = 0;
    QDate from_, to_;
};

// Percent text with a decimal comma ("66,7"); empty when nothing was answered.
QString percentText(double percent);

} // namespace overview
