#include "frame/focusimage.h"

#include <QMouseEvent>

TFocusImage::TFocusImage(QWidget *parent) : PictureBox(parent)
{
    setCursor(Qt::PointingHandCursor);
}

TFocusImage::TFocusImage(QWidget *parent, const QRect &bounds, const QString &hint)
    : TFocusImage(parent)
{
    setGeometry(bounds);
    Hint = hint;
}

void TFocusImage::enterEvent(QEnterEvent *event)
{
    PictureBox::enterEvent(event);
    emit OnMouseEnter(this);
}

void TFocusImage::leaveEvent(QEvent *event)
{
    PictureBox::leaveEvent(event);
    emit OnMouseLeave(this);
}

void TFocusImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void TFocusImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(this);
}
