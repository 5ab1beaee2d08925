#pragma once

namespace vamo::host {

// Widths and positions of the top strip of the main window for a window width and the width of the
// plug-in's panel area, and the font sizes of the displays and the tool bar.
struct TopStripLayout {
    struct Box {
        int width = 0;
        int left = 0;
    };
    int stripWidth = 0; // W: window width minus panel area width
    int displayFontSize = 0;
    int toolBarFontSize = 0;
    Box forcePanel, forceDisplay;
    Box peakForcePanel, peakForceDisplay;
    Box strengthPanel, strengthDisplay;
    Box peakStrengthPanel, peakStrengthDisplay;
    Box speedPanel, speedDisplay;
    Box timePanel, timeDisplay;
};

TopStripLayout topStripLayout(int windowWidth, int panelAreaWidth);

// Tool bar buttons: width 35 at left 0, top 48 pixels above the status bar.
inline constexpr int toolButtonWidth = 35;
inline constexpr int toolBarOffsetAboveStatusBar = 48;

} // namespace vamo::host
