#pragma once

#include "host/app/core/curve_thinning.h"
#include "host/app/core/run_interfaces.h"

#include <QChartView>

#include <filesystem>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace vamo::host {

// The load-time chart DBChart1: Series1 the curve (red line), Series2 the peak mark of the finished
// specimen (cross with its label), Series3 a lime line that is switched off and never filled.
class LoadChart : public QChartView, public RunChart {
    Q_OBJECT
public:
    LoadChart(std::filesystem::path imageFolder, QWidget* parent = nullptr);

    void clearSeries() override;
    void addCurvePoint(double seconds, double force) override;
    void addPeakMark(double seconds, double force, std::string_view label) override;
    void showAxes(const ChartAxes& axes) override;
    void saveImages() override;

    // Writes the chart as an image; the format follows the file name (".bmp", ".jpg").
    void saveAs(const std::filesystem::path& path) const;

    QLineSeries* curveSeries() const { return series1_; }
    QScatterSeries* peakSeries() const { return series2_; }
    QLineSeries* spareSeries() const { return series3_; }
    QValueAxis* timeAxis() const { return timeAxis_; }
    QValueAxis* forceAxis() const { return forceAxis_; }

private:
    // The curve shows at most this many points, however long the run.
    static constexpr std::size_t shownCurvePoints = 2000;

    std::filesystem::path imageFolder_;
    CurveThinning thinning_{shownCurvePoints};
    QLineSeries* series1_;
    QScatterSeries* series2_;
    QLineSeries* series3_;
    QValueAxis* timeAxis_;
    QValueAxis* forceAxis_;
};

} // namespace vamo::host
