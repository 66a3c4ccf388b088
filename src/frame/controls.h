// The look shared by the toolkit controls laid over the screens' pictures: the round drop-downs,
// the two tables (standings and ranking), scroll bars, participant names that may be too long
// for their box, and the page titles drawn over a shared background. Behaviour stays with the
// screens; this file only makes the controls look and read alike everywhere.
#pragma once

#include <QLabel>
#include <QTableWidget>

class QAbstractScrollArea;
class QComboBox;

// A round list opens as a list below (or above) its box, about 12 entries tall, scrolled to the
// selected round, so it stays within the screen's panel instead of covering the whole screen.
void keepDropDownInPanel(QComboBox *list);
inline constexpr int DropDownVisibleRounds = 12;

// Scroll bars that read on the pictures' pale grounds: a dark handle on a cream groove.
void styleScrollBars(QAbstractScrollArea *area);

// One style for every table: a dark green header with cream bold titles (a real header, so that
// it stays put while the rows scroll and reads as column headers), the position column on a
// tinted ground, and the last column taking the spare width so no empty column shows.
void styleTable(QTableWidget *table, int rowHeight);

enum class CellKind
{
    Position, // "1º": centred, bold, tinted ground
    Name,     // left-aligned; elided with "…", the whole text as its tooltip
    Figure    // right-aligned
};
// A read-only, not selectable cell of `kind`.
QTableWidgetItem *tableCell(const QString &text, CellKind kind);
// The alignment of a header over a column of `kind`.
Qt::Alignment cellAlignment(CellKind kind);

// Adds the two columns of who can still win after the table's last one, at `maxColumn` and the
// one after it: "Máx" (the most points `whoReaches` can still reach, as its tooltip says) and
// "Tít" (the champion's and the out-of-the-race marks).
void addRaceHeaders(QTableWidget *table, int maxColumn, const QString &whoReaches);

// A label showing a participant's name: a name too long for the box ends in "…", and the whole
// name is the label's tooltip and accessible name.
class NameLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NameLabel(QWidget *parent = nullptr);

    void setName(const QString &name);
    const QString &name() const { return m_name; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_name;
};

// The title texts over a background that several screens share: the subtitle in the title band
// (in its capitals) and, when given, a heading and tagline in the band below it.
class PageTitle : public QWidget
{
    Q_OBJECT

public:
    explicit PageTitle(QWidget *panel);

    void setTexts(const QString &bandSubtitle, const QString &heading = {},
                  const QString &tagline = {});
    const QString &bandSubtitle() const { return m_subtitle; }
    const QString &heading() const { return m_heading; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_subtitle;
    QString m_heading;
    QString m_tagline;
};
