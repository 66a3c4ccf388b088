#include "pool/betsheetprinter.h"

#include "platform/velurinoerror.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

PrintDialogRunner &runner()
{
    static PrintDialogRunner value;
    return value;
}

bool runPrintDialog(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void drawBetSheet(const BetSheet &sheet, BetSheetCanvas &canvas)
{
    canvas.setFontPointSize(BetSheet::FontPointSize);
    const QStringList texts = sheet.texts();
    for (int i = 0; i < texts.size(); ++i)
        canvas.drawText(BetSheet::position(i, canvas.dpi()), texts.at(i));
}

void PainterCanvas::setFontPointSize(int points)
{
    QFont font = m_painter.font();
    font.setPointSize(points);
    m_painter.setFont(font);
}

void PainterCanvas::drawText(const QPoint &topLeft, const QString &text)
{
    m_painter.drawText(topLeft.x(), topLeft.y() + m_painter.fontMetrics().ascent(), text);
}

void printBetSheetOn(const BetSheet &sheet, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw VelurinoError(QStringLiteral("Não foi possível imprimir a folha de apostas: a "
                                           "impressora não aceitou o trabalho."));
    PainterCanvas canvas(painter, printer.resolution());
    drawBetSheet(sheet, canvas);
    painter.end();
}

void setPrintDialogRunner(PrintDialogRunner value)
{
    runner() = std::move(value);
}

bool printBetSheet(const BetSheet &sheet, QWidget *owner)
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // No printer installed: the dialog offers a PDF file instead.
        QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (dir.isEmpty() || !QDir(dir).exists())
            dir = QDir::homePath();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(
            QDir(dir).filePath(QStringLiteral("Jogos da %1a Rodada.pdf").arg(sheet.round)));
    }
    const bool confirmed = runner() ? runner()(printer, owner) : runPrintDialog(printer, owner);
    if (!confirmed)
        return false;
    printBetSheetOn(sheet, printer);
    return true;
}
