// The keyboard side of a read-only grid: it takes the focus (Tab leaves it rather than walking
// its cells), scrolls with the arrow and page keys, and Ctrl+C copies the selected cells as
// tab-separated text, one line per row, as a spreadsheet takes them.
#pragma once

#include <QString>

class QTableWidget;

void makeGridKeyboardReady(QTableWidget *grid, const QString &accessibleName);

// The selected cells of `grid` as tab-separated lines, rows in order.
QString selectedCellsText(const QTableWidget *grid);
