// dll_test_endone and dll_test_endall: the exports of specimen completion and group evaluation. Each body
// runs inside guardedCall, so no exception crosses the C boundary.
#include "platform/text_encoding.h"
#include "plugin/evaluation/specimen_completion.h"
#include "plugin/frame/export_guard.h"
#include "plugin/frame/loaded_plugin.h"
#include "plugin/frame/plugin_exports.h"

#include <QCoreApplication>
#include <QThread>

using vamo::plugin::guardedCall;
using vamo::plugin::loadedPlugin;

namespace {

vamo::evaluation::EvaluationServices services() {
    return {vamo::evaluation::localDateTime, [] {
                QCoreApplication::processEvents();
                QThread::msleep(10);
            }};
}

} // namespace

extern "C" {

std::int32_t dll_test_endone(std::int32_t uploadFlag, float peakForce, float testTime, float lowerYield,
                             float gaugeLength, const char16_t* curveFile, const char16_t* curveTable) {
    auto& plugin = loadedPlugin();
    return guardedCall(plugin.dialogs, std::int32_t{0}, [&] {
        const vamo::evaluation::EndOneArguments arguments{uploadFlag,
                                                          peakForce,
                                                          testTime,
                                                          lowerYield,
                                                          gaugeLength,
                                                          vamo::platform::utf16ToUtf8(curveFile),
                                                          vamo::platform::utf16ToUtf8(curveTable)};
        return vamo::evaluation::completeSpecimen(plugin.module, arguments, services());
    });
}

void dll_test_endall(std::int32_t uploadFlag) {
    auto& plugin = loadedPlugin();
    guardedCall(plugin.dialogs,
                [&] { vamo::evaluation::endGroupEarly(plugin.module, uploadFlag, services()); });
}

} // extern "C"
