#include "host/app/core/curve_thinning.h"

namespace vamo::host {

namespace {
const CurveThinning::Point& higher(const CurveThinning::Point& a, const CurveThinning::Point& b) {
    return b.y > a.y ? b : a;
}
} // namespace

CurveThinning::Change CurveThinning::add(Point point) {
    best_ = inBucket_ == 0 ? point : higher(best_, point);
    if (++inBucket_ < stride_) {
        return Change::None;
    }
    inBucket_ = 0;
    shown_.push_back(best_);
    if (shown_.size() <= limit_) {
        return Change::Appended;
    }
    std::vector<Point> merged;
    merged.reserve(shown_.size() / 2 + 1);
    for (std::size_t i = 0; i < shown_.size(); i += 2) {
        merged.push_back(i + 1 < shown_.size() ? higher(shown_[i], shown_[i + 1]) : shown_[i]);
    }
    shown_ = std::move(merged);
    stride_ *= 2;
    return Change::Replaced;
}

void CurveThinning::clear() {
    shown_.clear();
    stride_ = 1;
    inBucket_ = 0;
}

} // namespace vamo::host
