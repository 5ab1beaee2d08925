#include "host/app/load_chart.h"

#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <stdexcept>

namespace vamo::host {

namespace {

// A cross-shaped marker for the peak series: Qt's scatter series draws its brush inside the marker.
QImage crossMarker(int size, const QColor& colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(colour, 2));
    painter.drawLine(0, 0, size - 1, size - 1);
    painter.drawLine(0, size - 1, size - 1, 0);
    return image;
}

void applyScale(QValueAxis* axis, const AxisScale& scale) {
    axis->setRange(scale.minimum, scale.maximum);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(scale.minimum);
    if (scale.increment > 0) {
        axis->setTickInterval(scale.increment);
    }
}

} // namespace

LoadChart::LoadChart(std::filesystem::path imageFolder, QWidget* parent)
    : QChartView(parent),
      imageFolder_(std::move(imageFolder)),
      series1_(new QLineSeries),
      series2_(new QScatterSeries),
      series3_(new QLineSeries),
      timeAxis_(new QValueAxis),
      forceAxis_(new QValueAxis) {
    setObjectName("DBChart1");
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("载荷-时间曲线"));
    chart->legend()->hide();

    series1_->setObjectName("Series1");
    series1_->setPen(QPen(Qt::red, 1.5));
    series2_->setObjectName("Series2");
    constexpr int markerSize = 12;
    series2_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    series2_->setMarkerSize(markerSize);
    series2_->setBrush(crossMarker(markerSize, Qt::red));
    series2_->setPen(Qt::NoPen);
    series2_->setPointLabelsVisible(true);
    series2_->setPointLabelsColor(Qt::red);
    series2_->setPointLabelsClipping(false);
    series3_->setObjectName("Series3");
    series3_->setPen(QPen(QColor(0, 255, 0), 1.5));

    timeAxis_->setTitleText(QStringLiteral("时间(S)"));
    timeAxis_->setLabelFormat("%.0f");
    forceAxis_->setTitleText(QStringLiteral("载荷(kN)"));
    forceAxis_->setLabelFormat("%g");

    chart->addSeries(series1_);
    chart->addSeries(series2_);
    chart->addSeries(series3_);
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(forceAxis_, Qt::AlignLeft);
    for (auto* series : std::initializer_list<QXYSeries*>{series1_, series2_, series3_}) {
        series->attachAxis(timeAxis_);
        series->attachAxis(forceAxis_);
    }
    setChart(chart);
    showAxes(ChartAxes{});
}

void LoadChart::clearSeries() {
    thinning_.clear();
    series1_->clear();
    series2_->clear();
    series3_->clear();
}

void LoadChart::addCurvePoint(double seconds, double force) {
    switch (thinning_.add({seconds, force})) {
    case CurveThinning::Change::None:
        break;
    case CurveThinning::Change::Appended:
        series1_->append(thinning_.shown().back().x, thinning_.shown().back().y);
        break;
    case CurveThinning::Change::Replaced: {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(thinning_.shown().size()));
        for (const auto& point : thinning_.shown()) {
            points.append(QPointF(point.x, point.y));
        }
        series1_->replace(points);
        break;
    }
    }
}

void LoadChart::addPeakMark(double seconds, double force, std::string_view label) {
    // One mark per finished specimen (the series is cleared at each start), so the series' label format
    // carries the mark's text.
    series2_->setPointLabelsFormat(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    series2_->append(seconds, force);
}

void LoadChart::showAxes(const ChartAxes& axes) {
    forceAxis_->setTitleText(QString::fromStdString(axes.forceTitle));
    applyScale(timeAxis_, axes.time);
    applyScale(forceAxis_, axes.force);
}

void LoadChart::saveAs(const std::filesystem::path& path) const {
    const QPixmap picture = const_cast<LoadChart*>(this)->grab();
    if (!picture.save(QString::fromStdString(path.string()))) {
        throw std::runtime_error("cannot write the chart image " + path.string());
    }
}

void LoadChart::saveImages() {
    const auto bitmap = imageFolder_ / "chart_temp.bmp";
    const auto jpeg = imageFolder_ / "chart_temp.jpg";
    saveAs(bitmap);
    // The JPEG is made from the bitmap just written, as the upload program expects both to match.
    QImage image(QString::fromStdString(bitmap.string()));
    if (image.isNull() || !image.save(QString::fromStdString(jpeg.string()), "JPG")) {
        throw std::runtime_error("cannot write the chart image " + jpeg.string());
    }
}

} // namespace vamo::host
