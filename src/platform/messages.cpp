#include "platform/messages.h"

#include <QWidget>

const QString AppTitle = QStringLiteral("Campeonato Velurino 2005");

namespace {

std::function<bool(const MessageCall &)> &handler()
{
    static std::function<bool(const MessageCall &)> value;
    return value;
}

bool show(QWidget *owner, const MessageCall &call, QMessageBox::Icon icon,
          QMessageBox::StandardButtons buttons)
{
    if (handler())
        return handler()(call);
    QMessageBox box(icon, call.caption, call.text, buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons & QMessageBox::No)
        box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

namespace Messages {

void setHandler(std::function<bool(const MessageCall &)> value)
{
    handler() = std::move(value);
}

} // namespace Messages

void inform(QWidget *owner, const QString &text)
{
    show(owner, {MessageCall::Inform, AppTitle, text}, QMessageBox::NoIcon, QMessageBox::Ok);
}

bool confirm(QWidget *owner, const QString &text)
{
    return show(owner, {MessageCall::Confirm, AppTitle, text}, QMessageBox::NoIcon,
                QMessageBox::Yes | QMessageBox::No);
}

void stopBox(QWidget *owner, const QString &caption, const QString &text)
{
    show(owner, {MessageCall::Stop, caption, text}, QMessageBox::Critical, QMessageBox::Ok);
}

void errorBox(QWidget *owner, const QString &text)
{
    show(owner, {MessageCall::Error, AppTitle, text}, QMessageBox::Critical, QMessageBox::Ok);
}
