#include "platform/printing.h"

#include "platform/choosers.h"
#include "platform/messages.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <numeric>

namespace {

PrintDialogRunner &runner()
{
    static PrintDialogRunner value;
    return value;
}

bool runPrintDialog(QPrinter &printer, QWidget *owner, int pages)
{
    QPrintDialog dialog(&printer, owner);
    if (pages > 0)
        dialog.setMinMax(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

// The screen's colours of a closed round's marks: exact score, right outcome.
QColor markColour(const QString &mark)
{
    return mark == QLatin1String("exato") ? QColor(0x2e, 0x8b, 0x57) : QColor(0xf3, 0xe1, 0x9a);
}

} // namespace

namespace Printing {

void setDialogRunner(PrintDialogRunner value)
{
    runner() = std::move(value);
}

QString pdfMessage(const QString &text, const QString &path)
{
    return text.arg(QDir::toNativeSeparators(path));
}

QString savedMessage(const QString &path)
{
    return pdfMessage(PrintJob{}.savedText, path);
}

bool printOrSavePdf(QWidget *owner, const PrintJob &job,
                    const std::function<void(QPrinter &)> &print)
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(Choosers::documentsFolder()).filePath(job.pdfName));
    }
    const bool confirmed =
        runner() ? runner()(printer, owner) : runPrintDialog(printer, owner, job.pages);
    if (!confirmed)
        return false;
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        print(printer);
        return true;
    }
    const QString file = QFileInfo(printer.outputFileName()).absoluteFilePath();
    // The user chose to replace this file; an older copy left in place would pass for the new
    // one when the write fails.
    QFile::remove(file);
    try {
        print(printer);
    } catch (const VelurinoError &) {
        throw VelurinoError(pdfMessage(job.failedText, file));
    }
    const QFileInfo written(file);
    if (!written.isFile() || written.size() == 0)
        throw VelurinoError(pdfMessage(job.failedText, file));
    inform(owner, pdfMessage(job.savedText, file));
    return true;
}

int TableLayout::rowsPerPage(int pageHeight)
{
    return std::max(1, (pageHeight - HeaderTop - RowStep - BottomMargin) / RowStep);
}

int TableLayout::pages(int rows, int pageHeight)
{
    const int per = rowsPerPage(pageHeight);
    return std::max(1, (rows + per - 1) / per);
}

int drawTablePages(const ExportTable &table, const QDateTime &when, QPainter &painter, int dpi,
                   const QSize &pageSize, const std::function<void()> &newPage)
{
    const auto at = [dpi](int units) { return units * dpi / TableLayout::LayoutDpi; };
    const int pageHeight = pageSize.height() * TableLayout::LayoutDpi / dpi;
    const int pageWidth = pageSize.width() * TableLayout::LayoutDpi / dpi;

    QFont titleFont = painter.font();
    titleFont.setPointSize(16);
    QFont textFont = painter.font();
    textFont.setPointSize(10);
    QFont boldFont = textFont;
    boldFont.setBold(true);

    // Column edges from the widest text of each column, header included, in layout units.
    QList<int> widths;
    QList<bool> right;
    painter.setFont(boldFont);
    {
        const QFontMetrics metrics = painter.fontMetrics();
        for (int c = 0; c < table.headers.size(); ++c) {
            int widest = metrics.horizontalAdvance(table.headers.at(c));
            for (const QStringList &row : table.rows)
                widest = std::max(widest, metrics.horizontalAdvance(row.value(c)));
            widths << widest * TableLayout::LayoutDpi / dpi + 120;
            right << TableExport::isNumericColumn(table, c);
        }
    }
    // A table wider than the page is narrowed alike in every column rather than cut.
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const int room = pageWidth - 2 * TableLayout::Left;
    if (total > room && room > 0)
        for (int &w : widths)
            w = w * room / total;

    // Marked cells are filled as on the screen, so a printed round's bets read the same.
    const auto drawRow = [&](int top, const QStringList &cells, int row) {
        int x = TableLayout::Left;
        for (int c = 0; c < widths.size(); ++c) {
            const QString mark = table.marks.value({row, c});
            if (!mark.isEmpty()) {
                const bool exact = mark == QLatin1String("exato");
                painter.fillRect(
                    QRect(at(x - 30), at(top - 10), at(widths.at(c)), at(TableLayout::RowStep)),
                    exact ? QColor(0x2e, 0x8b, 0x57) : QColor(0xf3, 0xe1, 0x9a));
                painter.setPen(exact ? Qt::white : Qt::black);
            }
            const QRect box(at(x), at(top), at(widths.at(c) - 60), at(TableLayout::RowStep));
            painter.drawText(box, (right.at(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                             cells.value(c));
            painter.setPen(Qt::black);
            x += widths.at(c);
        }
    };
    const int per = TableLayout::rowsPerPage(pageHeight);
    const int pages = TableLayout::pages(int(table.rows.size()), pageHeight);
    const QRect line(at(TableLayout::Left), 0, at(pageWidth - 2 * TableLayout::Left), at(250));
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            newPage();
        painter.setFont(titleFont);
        painter.drawText(line.translated(0, at(TableLayout::TitleTop)),
                         Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("Campeonato Velurino 2005  -  ") + table.title);
        painter.setFont(textFont);
        QString dateText = TableExport::dateLine(when);
        if (pages > 1)
            dateText += QStringLiteral("  -  página %1 de %2").arg(page + 1).arg(pages);
        painter.drawText(line.translated(0, at(TableLayout::DateTop)), Qt::AlignLeft | Qt::AlignTop,
                         dateText);
        painter.setFont(boldFont);
        drawRow(TableLayout::HeaderTop, table.headers, -1);
        painter.setFont(textFont);
        const int first = page * per;
        const int last = std::min<int>(int(table.rows.size()), first + per);
        for (int r = first; r < last; ++r)
            drawRow(TableLayout::HeaderTop + TableLayout::RowStep * (r - first + 1),
                    table.rows.at(r), r);
    }
    if (!table.legend.isEmpty()) {
        const int rowsOnLast = int(table.rows.size()) - (pages - 1) * per;
        int top = TableLayout::HeaderTop + TableLayout::RowStep * (rowsOnLast + 2);
        const int needed = TableLayout::RowStep * int(table.legend.size());
        int drawnPages = pages;
        if (top + needed > pageHeight - TableLayout::BottomMargin) {
            newPage();
            ++drawnPages;
            top = TableLayout::HeaderTop;
        }
        painter.setFont(textFont);
        for (qsizetype i = 0; i < table.legend.size(); ++i) {
            const int y = top + TableLayout::RowStep * int(i);
            painter.fillRect(
                QRect(at(TableLayout::Left), at(y - 10), at(250), at(TableLayout::RowStep - 20)),
                markColour(table.legend.at(i).first));
            painter.drawText(QPoint(at(TableLayout::Left + 300), at(y + 80)),
                             table.legend.at(i).second);
        }
        return drawnPages;
    }
    return pages;
}

void printTableOn(const ExportTable &table, const QDateTime &when, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw VelurinoError(QStringLiteral("Não foi possível imprimir: a impressora não aceitou "
                                           "o trabalho."));
    drawTablePages(table, when, painter, printer.resolution(),
                   printer.pageRect(QPrinter::DevicePixel).size().toSize(),
                   [&printer] { printer.newPage(); });
    if (!painter.end())
        throw VelurinoError(QStringLiteral("Não foi possível imprimir a tabela."));
}

} // namespace Printing
