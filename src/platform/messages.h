// The program's own message boxes (modal, owned by the current screen, caption "Campeonato
// Velurino 2005"), the standard error box, and a seam through which tests answer them instead of
// a person.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

extern const QString AppTitle;

struct MessageCall
{
    enum Kind
    {
        Inform,
        Confirm,
        Stop,
        Error
    };
    Kind kind;
    QString caption;
    QString text;
};

namespace Messages {

// Test seam: every box goes to `handler` instead of the screen; its answer is what the box
// returns (true = Yes for a confirmation). An empty function restores real boxes.
void setHandler(std::function<bool(const MessageCall &)> handler);

} // namespace Messages

// Text, OK button, no icon.
void inform(QWidget *owner, const QString &text);
// Text, Yes and No buttons, no icon; true on Yes.
bool confirm(QWidget *owner, const QString &text);
// Stop icon, OK button and a caption of its own.
void stopBox(QWidget *owner, const QString &caption, const QString &text);
// The standard error box: critical icon, the application title as caption.
void errorBox(QWidget *owner, const QString &text);
