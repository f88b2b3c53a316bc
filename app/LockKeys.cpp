#include "app/LockKeys.h"

#include <QGuiApplication>

#if defined(PILO_HAVE_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
// Xlib's macros (None, Bool, Status) clash with Qt's names: included last.
#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0)
        return false;
    int state = 0;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr))
        return false;
    return state != 0;
}

} // namespace

LockState ReadLockState()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    return { IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
        IndicatorOn(display, "Scroll Lock") };
}

#else

LockState ReadLockState()
{
    return {};
}

#endif
