// An event filter of the whole application, installed the first time a screen needs it.
#pragma once

#include <QCoreApplication>

// Installs one `Filter` (a QObject taking its parent) on the application; true only the first
// time, so the caller can set up what goes with it once. Nothing happens before the application
// exists.
template <class Filter> bool installApplicationFilterOnce()
{
    static bool installed = false;
    if (installed || !qApp)
        return false;
    installed = true;
    qApp->installEventFilter(new Filter(qApp));
    return true;
}
