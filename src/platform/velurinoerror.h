// The one failure type of the program. Rules throw it with a message the user can act on (what
// failed, which file, which line); the handler guard turns it into the standard error box.
#pragma once

#include <QString>
#include <exception>

class VelurinoError : public std::exception
{
public:
    explicit VelurinoError(QString message);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Input the user can put right (a half-filled score, a score that is not a number): told in the
// screen's own plain message box, like its other messages, rather than as a failure.
class InputRefused : public VelurinoError
{
public:
    using VelurinoError::VelurinoError;
};

// How much of a text from a file or a box a message quotes: a damaged line, or a paste of a
// megabyte, must not flood the box. A name is quoted longer than a score.
constexpr qsizetype QuotedNameLength = 40;
constexpr qsizetype QuotedScoreLength = 20;
inline QString quotedName(const QString &text)
{
    return text.left(QuotedNameLength);
}
inline QString quotedScore(const QString &text)
{
    return text.left(QuotedScoreLength);
}
