#pragma once
// The mastery estimates of the records read, kept up to date: every change
// of the records (a folder read, a file that grew or was replaced) replays
// every answer again, which takes a fraction of the time reading them took.

#include "mastery.h"
#include "recordmodel.h"

namespace overview {

class MasteryModel : public QObject {
    Q_OBJECT
public:
    explicit MasteryModel(RecordModel* records, QObject* parent = nullptr);
    const Mastery& estimates() const { return estimates_; }

signals:
    void changed();

private:
    void recompute();
    RecordModel* records_;
    Mastery estimates_;
};

} // namespace overview
