#pragma once
// A pupil's chart: score in % per run over time, a line per exercise level.
// Choosing a point tells which run it stands for.

#include "chartdata.h"

#include <QChartView>

namespace overview {

class PupilChart : public QChartView {
    Q_OBJECT
public:
    explicit PupilChart(QWidget* parent = nullptr);

    void showLines(const QString& pupil, const QList<ChartLine>& lines);

signals:
    void runChosen(const overview::Record* run);

private:
    QList<ChartLine> lines_;
};

} // namespace overview
