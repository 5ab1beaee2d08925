// vamodesk: the host program of the testing station.
#include "host/app/core/station_texts.h"
#include "host/app/host_exports.h"
#include "host/app/host_forms.h"
#include "host/app/shutdown_signals.h"
#include "host/app/tvamo_main.h"
#include "platform/program_folder.h"
#include "platform/single_instance.h"
#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QFontDatabase>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

constexpr const char* instanceMarker = "VYX_pt_2012_12_26_Tvamo_main_sh";

void printHelp() {
    std::cout << "usage: vamodesk [--help] [--version]\n"
                 "\n"
                 "Runs the testing station: logs the operator on, opens the serial port of the settings\n"
                 "(sys_set.ini beside the program), polls the load controller and runs the tests of the\n"
                 "chosen method. Every file of the station lies in the program's folder.\n"
                 "\n"
                 "  --help     print this text and exit\n"
                 "  --version  print the version and exit\n";
}

// Chinese texts need a CJK font; with several installed the choice would otherwise vary.
void chooseFont(QApplication& application) {
    for (const char* family : {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei"}) {
        if (QFontDatabase::hasFamily(family)) {
            QFont font(family);
            font.setPointSize(10);
            application.setFont(font);
            return;
        }
    }
}

[[noreturn]] void endAtOnce() {
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << vamo::host::productDesignation << "\n";
            return 0;
        }
    }

    QApplication application(argc, argv);
    chooseFont(application);
    vamo::platform::QtDialogs dialogs([] { return QApplication::activeWindow(); });

    std::unique_ptr<vamo::platform::SingleInstanceLock> lock;
    try {
        lock = vamo::platform::SingleInstanceLock::acquire(instanceMarker);
    } catch (const std::exception& error) {
        dialogs.error(error.what());
        return 1;
    }
    if (!lock) {
        vamo::platform::QtDialogs ownerless;
        static_cast<vamo::platform::Dialogs&>(ownerless).message("已经运行一个相同程序", "");
        return 0;
    }

    const auto folder = vamo::platform::programFolder();
    vamo::host::QtHostForms forms(folder, dialogs);
    Tvamo_main window({folder, dialogs, forms, [&lock] { lock.reset(); }, [] { endAtOnce(); }});
    forms.setOwner(&window);
    vamo::host::setStrengthDivisorReceiver(&window.live());
    vamo::host::ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &vamo::host::ShutdownSignals::requested, &window,
                     &Tvamo_main::shutdown);

    if (!window.create()) {
        return 0;
    }
    window.show();
    return application.exec();
}
