#pragma once

namespace vamo::controller {

// The communication watchdog: the tick raises the count by one, every measurement frame lowers it by two
// while it is above one. A count that reaches the limit (200 ticks, about 40 s without frames) means the
// controller has gone silent.
class WatchdogCount {
public:
    static constexpr int kSilenceLimit = 200;

    void increment() { ++count_; }
    void frameReceived() {
        if (count_ > 1) {
            count_ -= 2;
        }
    }
    bool reached(int limit = kSilenceLimit) const { return count_ >= limit; }
    void reset() { count_ = 0; }

    int count() const { return count_; }

private:
    int count_ = 0;
};

} // namespace vamo::controller
