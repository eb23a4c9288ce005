#pragma once
// The class table: one row per pupil and exercise level, over the records
// that pass the filter: runs, answers given, last and best score in % and
// the date of the last run; from the mastery estimates the predicted chance
// of a right answer there and the advice for the exercise. It follows the
// filter and the estimates as they change.

#include "masterymodel.h"
#include "recordmodel.h"

namespace overview {

struct ClassRow {
    QString name;
    int option = 0;
    int level = 0;
    int runs = 0;
    int answers = 0;
    double last = -1; // % of the last run with answers; -1: none
    double best = -1;
    QString lastWhen; // date and time of the last run, as the table shows it
    QDateTime lastWhenSort;
};

// The rows for the given records, by name, then exercise and level.
QList<ClassRow> classRows(const QList<const Record*>& records);

class ClassTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Name,
        Exercise,
        Runs,
        Answers,
        Last,
        Best,
        LastWhen,
        Chance,
        Advised,
        ColumnCount
    };
    // Without mastery the last two columns stay empty.
    explicit ClassTable(RecordFilter* filter, const MasteryModel* mastery = nullptr,
                        QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    const ClassRow& row(int r) const { return rows_[r]; }
    // The filtered records of one pupil, oldest first.
    QList<const Record*> recordsOf(const QString& name) const;

private:
    void rebuild();
    QVariant masteryData(const ClassRow& r, int column, bool sort) const;
    RecordFilter* filter_;
    const MasteryModel* mastery_;
    QList<ClassRow> rows_;
};

} // namespace overview
