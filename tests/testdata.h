// A throw-away program directory for screen tests: "dados" with every picture of the screens as
// a plain picture of its own colour (lit pictures a different colour), and small text pages.
#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

class TestSeason
{
public:
    // With `deliveredSeason`, the delivered season's text files are copied in first, so that the
    // whole program starts on them as it does for the user.
    explicit TestSeason(bool deliveredSeason = false);

    // The path a program file in this directory would have; the data directory is beside it.
    QString programPath() const;
    QString dataDir() const;
    QString path(const QString &name) const;

    // Both write a new file: the season's pictures are shared with every other season.
    void writeText(const QString &name, const QByteArray &bytes) const;
    bool savePicture(const QString &name, const QImage &image) const;
    void remove(const QString &name) const;

    // The colour `name` was drawn in.
    static QColor colourOf(const QString &name);

private:
    QTemporaryDir m_dir;
};

// Records every message box instead of showing it, and answers confirmations.
class MessageRecorder
{
public:
    explicit MessageRecorder(bool answer = true);
    ~MessageRecorder();

    struct Call
    {
        int kind;
        QString caption;
        QString text;
    };
    QList<Call> calls;
    bool answer;
};

class QTableWidget;
// The column headers of `grid` as a screen reader reads them, through each column's cell in the
// first row.
QStringList accessibleColumnHeaders(QTableWidget *grid);
