#pragma once
// The class at a glance: a row per pupil, a column per exercise level that
// the class played, each cell the predicted chance (in %) that the pupil
// answers a problem of that level right. Cells are coloured on a scale that
// readers with any kind of colour blindness tell apart and that prints as
// grey from dark (little) to light (much), and say their number as text,
// which a screen reader reads with the level's name. A column lists where
// the pupil is stuck and since when.

#include "masterymodel.h"

#include <QColor>

namespace overview {

// The colour of a chance from 0 to 1, dark blue through grey to yellow.
QColor masteryColour(double chance);

class ClassGlance : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Stuck, FirstLevel };
    explicit ClassGlance(const MasteryModel* mastery, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    void rebuild();
    QVariant levelData(const QString& pupil, int column, int role) const;
    const MasteryModel* mastery_;
    QStringList pupils_;
    QStringList stuck_;                 // per pupil
    QList<std::pair<int, int>> levels_; // exercise and level of the columns from FirstLevel
};

// "Metriek: oppervlakten sinds 2-12-2026", for every level the pupil is stuck at.
QString stuckText(const Mastery& m, const QString& pupil);

} // namespace overview
