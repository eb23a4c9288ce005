#include "masterymodel.h"

namespace overview {

MasteryModel::MasteryModel(RecordModel* records, QObject* parent)
    : QObject(parent), records_(records)
{
    connect(records, &QAbstractItemModel::modelReset, this, &MasteryModel::recompute);
    connect(records, &QAbstractItemModel::rowsInserted, this, &MasteryModel::recompute);
    connect(records, &QAbstractItemModel::rowsRemoved, this, &MasteryModel::recompute);
    recompute();
}

void MasteryModel::recompute()
{
    QList<const Record*> all;
    all.reserve(records_->rowCount());
    for (int r = 0; r < records_->rowCount(); ++r)
        all.append(&records_->record(r));
    estimates_ = estimateMastery(all);
    emit changed();
}

} // namespace overview
