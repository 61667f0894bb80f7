#pragma once

namespace skin {

// The frame buttons and system-menu items a skinned window offers, combined with |.
enum TspBorderIcon : unsigned {
    biSystemMenu = 1,
    biMinimize = 2,
    biMaximize = 4,
    biRollUp = 8,
    biMinimizeToTray = 16,
};
using TspBorderIcons = unsigned;

// Where a skinned window is centred at its first showing.
enum class TspPositionInMonitor { sppDefault, sppScreenCenter, sppDesktopCenter };

// The state a skinned window keeps for itself: minimised into a caption bar, or maximised
// over the work area.
enum class TspWindowState { Normal, Minimized, Maximized };

}  // namespace skin
