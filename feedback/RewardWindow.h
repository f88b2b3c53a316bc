#pragma once

#include <QSize>

// The reward dialogs were laid out for a window whose outer size includes a
// Windows dialog frame: 3-pixel borders and a 21-pixel caption.  Qt sizes a
// top-level widget by its client area and the window manager adds its own
// frame, so the dialogs fix their client area to the outer size less that
// frame.  This keeps the client the pictures and button places were made
// for (620 x 435 outside is 614 x 408 inside).
namespace RewardWindow {

inline constexpr int kBorder = 3;
inline constexpr int kCaption = 21;

constexpr QSize ClientSize(QSize window)
{
    return QSize(window.width() - 2 * kBorder, window.height() - 2 * kBorder - kCaption);
}

} // namespace RewardWindow
