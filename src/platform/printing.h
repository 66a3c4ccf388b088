// The program's one print path: the platform's print dialog, or a PDF file in the documents
// folder when no printer is installed, after which the user is told where the file went. Tests
// replace the dialog. Also the printed form of an exported table: title, date and every row, in
// 600-dpi units scaled to the printer, on as many pages as the rows need.
#pragma once

#include "platform/tableexport.h"

#include <QDateTime>
#include <QSize>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// Shows the print dialog for `printer`; true when the user confirmed it.
using PrintDialogRunner = std::function<bool(QPrinter &printer, QWidget *owner)>;

namespace Printing {

// Test seam: replaces the dialog; an empty function restores it.
void setDialogRunner(PrintDialogRunner runner);

// One print through the program's single print path.
struct PrintJob
{
    // The file offered in the documents folder when no printer is installed.
    QString pdfName;
    // Told after the print went into a PDF file, and when that file could not be written; "%1"
    // stands for the file's path.
    QString savedText = QStringLiteral("O arquivo foi gravado em \"%1\". ");
    QString failedText = QStringLiteral("Não foi possível gravar o arquivo \"%1\".");
    // The page range the dialog offers, from 1; 0 leaves it open.
    int pages = 0;
};

// `text` with the file's path, in the platform's separators, for its "%1".
QString pdfMessage(const QString &text, const QString &path);
// The default saved text for `path`.
QString savedMessage(const QString &path);

// The dialog (with the job's PDF file offered when no printer is installed), then `print` onto
// the printer. A print on paper says nothing; a print into a file tells where the file is once
// it is really there (present and not empty), and a file that could not be written is reported
// as such by a thrown error. False when the dialog was cancelled: nothing is printed then.
bool printOrSavePdf(QWidget *owner, const PrintJob &job,
                    const std::function<void(QPrinter &)> &print);

// The layout of a printed table in 600-dpi units: where the title, the date and the rows go,
// how many rows a page holds, and the column edges from the widest text of each column.
struct TableLayout
{
    static constexpr int LayoutDpi = 600;
    static constexpr int Left = 500;
    static constexpr int TitleTop = 100;
    static constexpr int DateTop = 350;
    static constexpr int HeaderTop = 600;
    static constexpr int RowStep = 130;
    static constexpr int BottomMargin = 300;

    // Rows below the header row that fit a page `pageHeight` units high (at least one).
    static int rowsPerPage(int pageHeight);
    // The number of pages `rows` rows take.
    static int pages(int rows, int pageHeight);
};

// Draws the pages of `table` with `painter` on pages of `pageSize` device pixels at `dpi`, calling
// `newPage` between two pages; returns the number of pages.
int drawTablePages(const ExportTable &table, const QDateTime &when, QPainter &painter, int dpi,
                   const QSize &pageSize, const std::function<void()> &newPage);
// Draws `table` on `printer`, header row repeated on every page; throws when the job cannot start.
void printTableOn(const ExportTable &table, const QDateTime &when, QPrinter &printer);

} // namespace Printing
