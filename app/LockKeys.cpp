#include "app/LockKeys.h"

#include <QGuiApplication>

#if defined(PILO_HAVE_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
// Xlib's macros (None, Bool, Status) clash with Qt's names: included last.
#include <X11/XKBlib.h>

namespace {

// The indicators' places in the keyboard's indicator mask, looked up once per
// display: the status bar asks every second, and one request for the whole
// mask then costs one round trip to the X server instead of six.
struct Indicators {
    Display* display = nullptr;
    int index[3] = { -1, -1, -1 };
};

int IndicatorIndex(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    int index = -1;
    if (atom == 0 || !XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr))
        return -1;
    return index;
}

} // namespace

LockState ReadLockState()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    static Indicators known;
    if (known.display != display) {
        known.display = display;
        const char* const names[] = { "Caps Lock", "Num Lock", "Scroll Lock" };
        for (int i = 0; i < 3; ++i)
            known.index[i] = IndicatorIndex(display, names[i]);
    }
    unsigned int mask = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &mask) != 0)
        return {};
    const auto on = [&](int i) {
        return known.index[i] >= 0 && known.index[i] < 32 && (mask >> known.index[i]) & 1u;
    };
    return { on(0), on(1), on(2) };
}

#else

LockState ReadLockState()
{
    return {};
}

#endif
