#include "frame/tableactions.h"

#include "platform/choosers.h"
#include "platform/messages.h"
#include "platform/printing.h"

#include <QDir>
#include <QTableWidget>

ExportTable gridTable(const QTableWidget *grid, const QString &title, const QString &fileStem)
{
    ExportTable table{title, fileStem, {}, {}};
    QList<int> columns;
    for (int c = 0; c < grid->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            columns << c;
    const auto text = [grid](int row, int column) {
        const QTableWidgetItem *item = grid->item(row, column);
        return item ? item->text() : QString();
    };
    for (int c : std::as_const(columns)) {
        const QTableWidgetItem *header = grid->horizontalHeaderItem(c);
        table.headers << (header ? header->text() : QString());
    }
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->isRowHidden(r))
            continue;
        QStringList cells;
        bool filled = false;
        for (int i = 0; i < columns.size(); ++i) {
            cells << text(r, columns.at(i));
            const QTableWidgetItem *item = grid->item(r, columns.at(i));
            const QString mark = item ? item->data(Qt::UserRole).toString() : QString();
            if (!mark.isEmpty())
                table.marks.insert({int(table.rows.size()), i}, mark);
            // The position column alone does not make a row: the grid labels rows past the last.
            filled = filled || (i > 0 && !cells.last().isEmpty());
        }
        if (filled)
            table.rows << cells;
    }
    return table;
}

void printTable(QWidget *owner, const ExportTable &table)
{
    const QDateTime now = QDateTime::currentDateTime();
    Printing::printOrSavePdf(
        owner, {table.fileStem + QStringLiteral(".pdf")},
        [&](QPrinter &printer) { Printing::printTableOn(table, now, printer); });
}

QString exportedMessage(const QStringList &paths)
{
    return QStringLiteral("Tabela exportada para \"%1\" e \"%2\".")
        .arg(QDir::toNativeSeparators(paths.value(0)), QDir::toNativeSeparators(paths.value(1)));
}

void exportTable(QWidget *owner, const ExportTable &table)
{
    const QString folder = Choosers::chooseFolder(
        owner, QStringLiteral("Exportar a tabela para a pasta"), Choosers::documentsFolder());
    if (folder.isEmpty())
        return;
    inform(owner,
           exportedMessage(TableExport::exportTo(table, folder, QDateTime::currentDateTime())));
}
