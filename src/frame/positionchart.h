// The chart of one entrant's place after each round with results (a club of the standings or a
// participant of the ranking), drawn in the pictures' colours, with a list to choose whose
// places are drawn. It only draws what it is given: the places come from the rules.
#pragma once

#include <QComboBox>
#include <QList>
#include <QStringList>
#include <QWidget>

class PositionPlot;

class PositionChart : public QWidget
{
    Q_OBJECT

public:
    // `what` names the entrants in the list's accessible name ("Time", "Participante").
    PositionChart(QWidget *parent, const QString &what);

    QComboBox *CbNome;

    // The entrants in the table's order with their places after rounds 1, 2, ... (1 the top),
    // out of `entrants` places; an empty list of places: no round has results yet.
    void setEntrants(const QStringList &names, const QList<QList<int>> &places, int entrants);
    void choose(int index);
    // Shows the chart of entrant `index` in the place of `table`, with the keyboard on the list.
    void showInsteadOf(QWidget *table, int index);
    // Puts `table` back with the keyboard when the chart is on view; false when it was not.
    bool giveBackTo(QWidget *table);
    int chosen() const { return CbNome->currentIndex(); }
    // The places drawn now.
    QList<int> shownPlaces() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();

    PositionPlot *m_plot;
    QList<QList<int>> m_places;
    int m_entrants = 0;
};
