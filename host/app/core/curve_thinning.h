#pragma once

#include <cstddef>
#include <vector>

namespace vamo::host {

// Keeps the load-time curve the chart shows at a bounded number of points, so that a point of a long
// run costs the chart as little as one of a short run. Beyond the limit, neighbouring shown points are
// merged pairwise and later points are taken in buckets of twice the size; each merge keeps the point
// of the higher force, so the peak of the curve stays visible.
class CurveThinning {
public:
    struct Point {
        double x = 0;
        double y = 0;
        bool operator==(const Point&) const = default;
    };
    enum class Change {
        None, // the point waits in its bucket
        Appended, // the last shown point is new
        Replaced, // the shown points were merged: show them all anew
    };

    explicit CurveThinning(std::size_t limit) : limit_(limit) {}

    Change add(Point point);
    void clear();

    const std::vector<Point>& shown() const { return shown_; }
    std::size_t bucketSize() const { return stride_; }

private:
    std::size_t limit_;
    std::size_t stride_ = 1;
    std::size_t inBucket_ = 0;
    Point best_;
    std::vector<Point> shown_;
};

} // namespace vamo::host
