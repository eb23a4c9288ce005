#pragma once
// A pupil's chart: score in % per run over time, a line per exercise level.
// Choosing a point tells which run it stands for. A screen reader reads the
// title and every line with its points as the chart's description.

#include "chartdata.h"

#include <QChartView>

class QDateTimeAxis;
class QValueAxis;

namespace overview {

class PupilChart : public QChartView {
    Q_OBJECT
public:
    explicit PupilChart(QWidget* parent = nullptr);

    void showLines(const QString& pupil, const QList<ChartLine>& lines);

signals:
    void runChosen(const overview::RunKey& run);

private:
    QList<ChartLine> lines_;
    // Made once and owned by the chart; each drawing only sets their range.
    QDateTimeAxis* x_;
    QValueAxis* y_;
};

} // namespace overview
