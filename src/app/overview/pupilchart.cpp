#include "pupilchart.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace overview {

PupilChart::PupilChart(QWidget* parent)
    : QChartView(parent), x_(new QDateTimeAxis), y_(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(QStringLiteral("Grafiek van de gekozen leerling"));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    x_->setFormat(QStringLiteral("d-M"));
    x_->setTitleText(QStringLiteral("Datum"));
    y_->setRange(0, 100);
    y_->setLabelFormat(QStringLiteral("%d"));
    y_->setTitleText(QStringLiteral("Score (%)"));
    chart()->addAxis(x_, Qt::AlignBottom);
    chart()->addAxis(y_, Qt::AlignLeft);
    showLines(QString(), {});
}

void PupilChart::showLines(const QString& pupil, const QList<ChartLine>& lines)
{
    lines_ = lines;
    QChart* c = chart();
    c->removeAllSeries();
    c->setTitle(pupil.isEmpty() ? QStringLiteral("Kies een leerling in de tabel")
                                : QStringLiteral("Score per keer: ") + pupil);
    setAccessibleDescription(c->title() + QLatin1Char('\n') + chartText(lines_));
    qint64 first = 0;
    qint64 last = 0;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        auto* series = new QLineSeries;
        series->setName(lines_[i].label);
        series->setPointsVisible(true);
        for (const ChartPoint& p : lines_[i].points) {
            series->append(double(p.msecs), p.percent);
            first = first == 0 ? p.msecs : std::min(first, p.msecs);
            last = std::max(last, p.msecs);
        }
        c->addSeries(series);
        series->attachAxis(x_);
        series->attachAxis(y_);
        connect(series, &QLineSeries::clicked, this, [this, i](const QPointF& at) {
            const ChartPoint* nearest = nullptr;
            for (const ChartPoint& p : lines_[i].points) {
                if (!nearest || std::abs(p.msecs - at.x()) < std::abs(nearest->msecs - at.x()))
                    nearest = &p;
            }
            if (nearest)
                emit runChosen(nearest->run);
        });
    }
    if (first == 0)
        first = last = QDateTime::currentMSecsSinceEpoch();
    const qint64 margin = std::max<qint64>((last - first) / 20, 3600 * 1000);
    x_->setRange(QDateTime::fromMSecsSinceEpoch(first - margin),
                 QDateTime::fromMSecsSinceEpoch(last + margin));
}

} // namespace overview
