#pragma once

// Whether caps, num and scroll lock are on, as far as the platform tells.
struct LockState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    bool operator==(const LockState&) const = default;
};

// The keyboard's lock indicators on X11; all off where the platform does
// not say (Wayland, offscreen, a build without X11).
LockState ReadLockState();
