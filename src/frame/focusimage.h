// A picture button: a picture control (usually without a picture of its own, a hot spot over
// the background) that reports clicks and the mouse entering and leaving its area. It is a button
// for the keyboard too: Tab reaches it, Space or Return presses it, the arrow keys move to the
// nearest button beside it, and a screen reader reads it as a push button named by its
// accessible name.
#pragma once

#include "frame/picturebox.h"

// Whether another control of `widget`'s window lies over its centre (a panel covering another), so
// that the user does not see it.
bool coveredInWindow(const QWidget *widget);

class TFocusImage : public PictureBox
{
    Q_OBJECT

public:
    explicit TFocusImage(QWidget *parent = nullptr);
    TFocusImage(QWidget *parent, const QRect &bounds, const QString &hint = QString());

    QString Hint;

    // A background that takes clicks (the pool hub's picture) is no button: the keyboard passes
    // it by and a screen reader reads it as a picture.
    void setBackdrop();
    bool isBackdrop() const { return m_backdrop; }

    // Runs exactly what a mouse click runs; nothing while the button is disabled.
    void click();

    // Lit: the mouse is over the enabled button, or it holds the keyboard focus while the keyboard
    // is in use. Disabled buttons never light.
    bool isLit() const { return m_lit; }

    // Another control of the window lies over the button's centre (a panel covering another).
    bool isCovered() const;

signals:
    void clicked(TFocusImage *sender);
    // The button lights (the pointer entered it, or it took the keyboard focus) and goes dark
    // again; the hover effects follow these. Each fires once per change, never for a disabled
    // button.
    void OnMouseEnter(TFocusImage *sender);
    void OnMouseLeave(TFocusImage *sender);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class FocusShownWatcher;
    void updateLight();
    bool moveFocusToward(int key);

    bool m_pressed = false;
    bool m_hovered = false;
    bool m_lit = false;
    bool m_backdrop = false;
};
