#include "host/app/core/window_layout.h"

namespace vamo::host {

namespace {
int share(int stripWidth, int numerator) {
    return stripWidth * numerator / 745;
}
} // namespace

TopStripLayout topStripLayout(int windowWidth, int panelAreaWidth) {
    TopStripLayout layout;
    const int w = windowWidth - panelAreaWidth;
    layout.stripWidth = w;
    const bool narrow = windowWidth < 1024;
    layout.displayFontSize = narrow ? 28 : 40;
    layout.toolBarFontSize = narrow ? 9 : 11;

    layout.forcePanel = {share(w, 277), 1};
    layout.forceDisplay = {share(w, 210), 0};
    layout.peakForcePanel = {share(w, 201), 1};
    layout.peakForceDisplay = {share(w, 116), 0};
    layout.strengthPanel = {share(w, 241), layout.forcePanel.width + 1};
    layout.strengthDisplay = {share(w, 170), 0};
    layout.peakStrengthPanel = {share(w, 241), layout.strengthPanel.left};
    layout.peakStrengthDisplay = {share(w, 131), 0};
    layout.speedPanel = {share(w, 220), layout.forcePanel.width + layout.strengthPanel.width + 1};
    layout.speedDisplay = {share(w, 140), 0};
    layout.timePanel = {share(w, 220), layout.speedPanel.left};
    layout.timeDisplay = {share(w, 105), 0};
    return layout;
}

} // namespace vamo::host
