// Hands a web address to the desktop's default browser. Only web and mail addresses leave the
// program: a page's link to a file or a program is never opened.
#pragma once

#include <QString>

#include <functional>

namespace Browser {

bool isWebAddress(const QString &target);

// Test seam: receives the address instead of the desktop; its answer is the hand-off's success.
void setHandler(std::function<bool(const QString &url)> handler);

} // namespace Browser

// True when the browser took the address; false when there is none or the address is not a web
// or mail address.
bool openWebAddress(const QString &target);
