// A score box of the round table and of the bet screen: a flat edit box into which only digits
// enter, whether typed or pasted. Text put in by the program itself (a stored "NO") is shown as it
// stands.
#pragma once

#include <QLineEdit>
#include <QValidator>

// Accepts a text only when every character is a digit, so that a paste such as "1a2" is refused
// whole rather than half taken.
class DigitsValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

class ScoreBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ScoreBox(QWidget *parent = nullptr);

    // Text and ground of a locked box (a stored score).
    static const QColor LockedText;
    static const QColor LockedGround;

    // The key filter: control characters (Backspace) and digits pass; any other character
    // becomes the null character, which the box ignores.
    static QChar KeyPress(QChar key);

    // Return moves on, as Tab does; from the box set here (the last one) it moves to `target`,
    // the store button, so that Return never stores by itself.
    void setReturnTarget(QWidget *target) { m_returnTarget = target; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_returnTarget = nullptr;
};
