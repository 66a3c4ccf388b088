// A picture button: a picture control (usually without a picture of its own, a hot spot over
// the background) that reports clicks and the mouse entering and leaving its area.
#pragma once

#include "frame/picturebox.h"

class TFocusImage : public PictureBox
{
    Q_OBJECT

public:
    explicit TFocusImage(QWidget *parent = nullptr);
    TFocusImage(QWidget *parent, const QRect &bounds, const QString &hint = QString());

    QString Hint;

signals:
    void clicked(TFocusImage *sender);
    void OnMouseEnter(TFocusImage *sender);
    void OnMouseLeave(TFocusImage *sender);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
