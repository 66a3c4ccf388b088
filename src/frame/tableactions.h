// "Imprimir" and "Exportar" of a screen's table: the grid read as it is shown (every row in its
// order, the empty rows below the last one left out), printed through the platform's print path
// or exported to a folder the user picks, with a message saying where it went.
#pragma once

#include "platform/tableexport.h"

class QTableWidget;
class QWidget;

// The grid's table. `headerRow`: row 0 of the grid holds the headers (the standings' fixed row);
// otherwise they are the grid's header items. A cell's mark is its item's Qt::UserRole text.
ExportTable gridTable(const QTableWidget *grid, bool headerRow, const QString &title,
                      const QString &fileStem);

void printTable(QWidget *owner, const ExportTable &table);
void exportTable(QWidget *owner, const ExportTable &table);

// "Tabela exportada para \"...csv\" e \"...html\"."
QString exportedMessage(const QStringList &paths);
