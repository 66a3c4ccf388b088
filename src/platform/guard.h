// Every event handler runs inside this guard, so that no failure crosses the event loop: the
// failure is shown in the standard error box and the program goes on.
#pragma once

#include <functional>

class QWidget;

// Runs `handler`; true when it ran to its end, false when it failed (the error box was shown).
bool guarded(QWidget *owner, const std::function<void()> &handler);
