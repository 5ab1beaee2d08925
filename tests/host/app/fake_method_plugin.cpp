// A stand-in test-method plug-in for the host's window tests: it exports what the host calls, shows a
// small panel, answers with fixed values and appends every call to <program folder>/plugin-calls.log.
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void logCall(const std::string& call) {
    const char* folder = std::getenv("VAMODESK_PROGRAM_FOLDER");
    if (folder == nullptr) {
        return;
    }
    std::ofstream(std::string(folder) + "/plugin-calls.log", std::ios::app) << call << "\n";
}

QPointer<QWidget> panel;

} // namespace

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT void ModalShow(void* parent) {
    logCall("ModalShow");
    if (panel == nullptr) {
        panel = new QLabel(QStringLiteral("fake panel"), static_cast<QWidget*>(parent));
        panel->setObjectName("concflex_form");
    }
    panel->show();
}

EXPORT void Modalclose() {
    logCall("Modalclose");
    delete panel;
    panel = nullptr;
}

EXPORT float dll_test_getsp(std::int32_t) {
    logCall("dll_test_getsp");
    return 11.2549f;
}

EXPORT float dll_test_start(std::int32_t, const char16_t*) {
    logCall("dll_test_start");
    return 11.25f;
}

EXPORT void dll_test_stop(std::int32_t) {
    logCall("dll_test_stop");
}

EXPORT std::int32_t dll_test_endone(std::int32_t upload, float peak, float, float, float, const char16_t*,
                                    const char16_t*) {
    logCall("dll_test_endone " + std::to_string(upload) + " " + std::to_string(peak));
    return 0;
}

EXPORT void dll_test_endall(std::int32_t upload) {
    logCall("dll_test_endall " + std::to_string(upload));
}
