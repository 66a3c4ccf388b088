#include "frame/focusimage.h"

#include "frame/appfilter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Whether the keyboard is in use: a key pressed anywhere turns it on, a mouse button turns it
// off. A focused button shows its lit picture only then, so a mouse user never sees a button lit
// that the pointer is not over.
bool focusShown = false;

class AccessibleFocusImage : public QAccessibleWidget
{
public:
    explicit AccessibleFocusImage(TFocusImage *image) : QAccessibleWidget(image) {}

    TFocusImage *image() const { return static_cast<TFocusImage *>(widget()); }

    QAccessible::Role role() const override
    {
        return image()->isBackdrop() ? QAccessible::Graphic : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (image()->isCovered())
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (!image()->isBackdrop())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction())
            image()->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *focusImageInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("TFocusImage") && object && object->isWidgetType())
        return new AccessibleFocusImage(static_cast<TFocusImage *>(object));
    return nullptr;
}

} // namespace

class FocusShownWatcher : public QObject
{
public:
    using QObject::QObject;

    static void install()
    {
        if (installApplicationFilterOnce<FocusShownWatcher>())
            QAccessible::installFactory(focusImageInterface);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress) {
            // The first Tab after the mouse shows which button holds the focus rather than
            // moving on from a button the user never saw lit.
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *button = qobject_cast<TFocusImage *>(QApplication::focusWidget());
            const bool reveal = !focusShown && button && !button->isLit() &&
                                (key == Qt::Key_Tab || key == Qt::Key_Backtab);
            setShown(true);
            if (reveal && button->isLit())
                return true;
        } else if (type == QEvent::MouseButtonPress)
            setShown(false);
        return QObject::eventFilter(watched, event);
    }

private:
    static void setShown(bool shown)
    {
        if (focusShown == shown)
            return;
        focusShown = shown;
        if (auto *button = qobject_cast<TFocusImage *>(QApplication::focusWidget()))
            button->updateLight();
    }
};

TFocusImage::TFocusImage(QWidget *parent) : PictureBox(parent)
{
    FocusShownWatcher::install();
    setCursor(Qt::PointingHandCursor);
    // Tab only: a click must not leave a button holding the focus, lit after the pointer left.
    setFocusPolicy(Qt::TabFocus);
}

TFocusImage::TFocusImage(QWidget *parent, const QRect &bounds, const QString &hint)
    : TFocusImage(parent)
{
    setGeometry(bounds);
    Hint = hint;
}

void TFocusImage::setBackdrop()
{
    m_backdrop = true;
    setFocusPolicy(Qt::NoFocus);
}

void TFocusImage::click()
{
    if (isEnabled())
        emit clicked(this);
}

bool coveredInWindow(const QWidget *widget)
{
    const QWidget *top = widget->window();
    const QWidget *over = top->childAt(widget->mapTo(top, widget->rect().center()));
    return over && over != widget && !widget->isAncestorOf(over);
}

bool TFocusImage::isCovered() const
{
    return coveredInWindow(this);
}

void TFocusImage::updateLight()
{
    const bool lit = isEnabled() && isVisible() &&
                     (m_hovered || (hasFocus() && focusShown && !m_backdrop && !isCovered()));
    if (lit == m_lit)
        return;
    m_lit = lit;
    if (lit)
        emit OnMouseEnter(this);
    else
        emit OnMouseLeave(this);
}

void TFocusImage::enterEvent(QEnterEvent *event)
{
    PictureBox::enterEvent(event);
    m_hovered = true;
    updateLight();
}

void TFocusImage::leaveEvent(QEvent *event)
{
    PictureBox::leaveEvent(event);
    m_hovered = false;
    updateLight();
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

void TFocusImage::keyPressEvent(QKeyEvent *event)
{
    if (m_backdrop || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        PictureBox::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        // A held key presses once; a button under another panel is not the one the user sees.
        if (!event->isAutoRepeat() && !isCovered())
            click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        moveFocusToward(event->key());
        return;
    default:
        PictureBox::keyPressEvent(event);
    }
}

// The nearest button beside this one in the arrow's direction, among the buttons of the same
// panel; the distance across the direction counts double, so a button in line wins.
bool TFocusImage::moveFocusToward(int key)
{
    const QPoint from = geometry().center();
    TFocusImage *best = nullptr;
    int bestDistance = 0;
    const auto siblings = parentWidget()->findChildren<TFocusImage *>(Qt::FindDirectChildrenOnly);
    for (TFocusImage *other : siblings) {
        if (other == this || !other->isVisible() || !other->isEnabled() ||
            !(other->focusPolicy() & Qt::TabFocus) || other->isCovered())
            continue;
        const QPoint d = other->geometry().center() - from;
        int along = 0;
        int across = 0;
        switch (key) {
        case Qt::Key_Left:
            along = -d.x(), across = d.y();
            break;
        case Qt::Key_Right:
            along = d.x(), across = d.y();
            break;
        case Qt::Key_Up:
            along = -d.y(), across = d.x();
            break;
        default:
            along = d.y(), across = d.x();
            break;
        }
        if (along <= 0)
            continue;
        const int distance = along + 2 * std::abs(across);
        if (!best || distance < bestDistance) {
            best = other;
            bestDistance = distance;
        }
    }
    if (best)
        best->setFocus(Qt::TabFocusReason);
    return best;
}

void TFocusImage::focusInEvent(QFocusEvent *event)
{
    PictureBox::focusInEvent(event);
    updateLight();
}

void TFocusImage::focusOutEvent(QFocusEvent *event)
{
    PictureBox::focusOutEvent(event);
    updateLight();
}

void TFocusImage::changeEvent(QEvent *event)
{
    PictureBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        updateLight();
        update();
    }
}

void TFocusImage::hideEvent(QHideEvent *event)
{
    PictureBox::hideEvent(event);
    m_hovered = false;
    updateLight();
}

void TFocusImage::paintEvent(QPaintEvent *event)
{
    PictureBox::paintEvent(event);
    if (isEnabled())
        return;
    // Dimmed: the button's picture seen through a dark veil, which leaves its caption readable
    // but plainly out of use.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
}
