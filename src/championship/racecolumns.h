// The two columns of who can still win, as the standings and the overall ranking show them:
// "Máx", the most points a row can still reach, and "Tít", the champion's and the
// out-of-the-race marks. The reach comes from the title-race rules; this only draws it.
#pragma once

#include "championship/rules/titlerace.h"

#include <functional>

class QTableWidget;

// Fills the column `maxColumn` and the one after it, row by row in the table's order, from
// `reach()`. The marks add to the table and need more files than it does; when one of those is
// damaged (a fault the screen that owns that file reports) the two columns stay empty and the
// table still shows. Rows past the end of the reach stay empty too.
void fillRaceColumns(QTableWidget *table, int maxColumn,
                     const std::function<QList<TitleReach>()> &reach);
