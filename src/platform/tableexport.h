// A table as a screen shows it (title, header row, rows in their shown order) written out for
// other programs: a CSV that a Portuguese spreadsheet opens as it stands (UTF-8 with a byte-order
// mark, ";" between cells, since "," is the decimal comma there) and an HTML page. Knows nothing
// of where the table came from.
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

struct ExportTable
{
    QString title;    // "Classificação", "Ranking geral", ...
    QString fileStem; // the exported files' name without extension
    QStringList headers;
    QList<QStringList> rows;
    // Marked cells (a closed round's exact hits and right outcomes) by row and column: "exato" or
    // "resultado". The page and the print colour them as the screen does; the CSV keeps the text.
    QMap<QPair<int, int>, QString> marks;
    // Each mark with its meaning, for the legend under the table.
    QList<QPair<QString, QString>> legend;
};

namespace TableExport {

// The header row, then every row, each cell quoted when it holds ";", a quote, a line break or
// blanks at its ends (a spreadsheet would otherwise split or trim it); lines end in CR LF.
QByteArray csv(const ExportTable &table);
// A page of its own (UTF-8), the title and `when` above the table; numbers aligned right.
QByteArray html(const ExportTable &table, const QDateTime &when);

// "09/12/2026 às 14:05", as the printed and exported tables carry it.
QString dateLine(const QDateTime &when);

// True when every non-empty cell of the column is a whole number (a position "3º" counts), so
// that the column is aligned right.
bool isNumericColumn(const ExportTable &table, int column);

// Writes "<stem>.csv" and "<stem>.html" into `folder`, each file whole or not at all (a file of
// that name is replaced only by a complete new one). Returns the two paths; throws when the folder
// is missing or a file cannot be written.
QStringList exportTo(const ExportTable &table, const QString &folder, const QDateTime &when);

} // namespace TableExport
