#include "frame/scorebox.h"

#include <QKeyEvent>

const QColor ScoreBox::LockedText(0x1f, 0x2a, 0x22);
const QColor ScoreBox::LockedGround(0xd9, 0xd6, 0xcb);

QValidator::State DigitsValidator::validate(QString &input, int &) const
{
    for (const QChar ch : std::as_const(input))
        if (ScoreBox::KeyPress(ch).isNull() || ch.unicode() < 32)
            return Invalid;
    return Acceptable;
}

ScoreBox::ScoreBox(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setValidator(new DigitsValidator(this));
    // A locked box holds a stored score, the main content of its screen: it must read as well as
    // an open one (dark on a light ground, well past 4.5 : 1), and looks locked only by its grey
    // ground.
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, LockedText);
    pal.setColor(QPalette::Disabled, QPalette::Base, LockedGround);
    setPalette(pal);
}

QChar ScoreBox::KeyPress(QChar key)
{
    if (key.unicode() < 32)
        return key;
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
        return key;
    return QChar();
}

void ScoreBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        if (m_returnTarget && m_returnTarget->isEnabled() && m_returnTarget->isVisible())
            m_returnTarget->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    }
    const QString text = event->text();
    // Keys without text (arrows, Delete) and shortcuts are the box's own business.
    if (text.size() == 1 && KeyPress(text.at(0)).isNull() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
