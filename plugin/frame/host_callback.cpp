#include "plugin/frame/host_callback.h"

#include "platform/dynamic_library.h"

namespace vamo::plugin {

DivisorSink hostDivisorSink() {
    return [](float divisor) {
        auto* handOver =
            reinterpret_cast<HostDivisorExport*>(platform::mainProgramSymbol(kHostDivisorExportName));
        if (handOver != nullptr) {
            handOver(&divisor);
        }
    };
}

} // namespace vamo::plugin
