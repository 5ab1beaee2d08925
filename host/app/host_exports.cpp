#include "host/app/host_exports.h"

namespace {
vamo::controller::LiveMeasurement* divisorReceiver = nullptr;
const char16_t emptyText[] = u"";
} // namespace

namespace vamo::host {
void setStrengthDivisorReceiver(controller::LiveMeasurement* live) {
    divisorReceiver = live;
}
} // namespace vamo::host

extern "C" const char16_t* fget_s(const float* divisor) {
    if (divisorReceiver == nullptr) {
        return emptyText;
    }
    return divisorReceiver->fget_s(divisor);
}
