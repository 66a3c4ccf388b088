#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::function<bool(const QString &)> &handler()
{
    static std::function<bool(const QString &)> value;
    return value;
}

} // namespace

namespace Browser {

bool isWebAddress(const QString &target)
{
    const QUrl url(target.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("mailto"))
        return !url.path().isEmpty();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

void setHandler(std::function<bool(const QString &url)> value)
{
    handler() = std::move(value);
}

} // namespace Browser

bool openWebAddress(const QString &target)
{
    if (!Browser::isWebAddress(target))
        return false;
    if (handler())
        return handler()(target.trimmed());
    return QDesktopServices::openUrl(QUrl(target.trimmed(), QUrl::StrictMode));
}
