#include "pool/betsheetprinter.h"

#include "platform/messages.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QFileInfo>
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
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (toFile)
            throw VelurinoError(pdfFailedMessage(printer.outputFileName()));
        throw VelurinoError(QStringLiteral("Não foi possível imprimir a folha de apostas: a "
                                           "impressora não aceitou o trabalho."));
    }
    PainterCanvas canvas(painter, printer.resolution());
    drawBetSheet(sheet, canvas);
    if (!painter.end() && toFile)
        throw VelurinoError(pdfFailedMessage(printer.outputFileName()));
}

QString betSheetPdfPath(int round)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::homePath();
    return QDir(dir).filePath(QStringLiteral("Jogos da %1a Rodada.pdf").arg(round));
}

QString pdfSavedMessage(const QString &path)
{
    return QStringLiteral("A folha de apostas foi salva no arquivo \"%1\".")
        .arg(QDir::toNativeSeparators(path));
}

QString pdfFailedMessage(const QString &path)
{
    return QStringLiteral("Não foi possível gravar a folha de apostas no arquivo \"%1\".")
        .arg(QDir::toNativeSeparators(path));
}

void setPrintDialogRunner(PrintDialogRunner value)
{
    runner() = std::move(value);
}

bool printBetSheet(const BetSheet &sheet, QWidget *owner)
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // No printer installed: the dialog offers a PDF file in the user's documents instead.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(betSheetPdfPath(sheet.round));
    }
    const bool confirmed = runner() ? runner()(printer, owner) : runPrintDialog(printer, owner);
    if (!confirmed)
        return false;
    printBetSheetOn(sheet, printer);
    // A sheet on paper needs no word; a file must be found again, so the user is told where it
    // is, once it is really there.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QFileInfo written(printer.outputFileName());
        if (!written.isFile() || written.size() == 0)
            throw VelurinoError(pdfFailedMessage(printer.outputFileName()));
        inform(owner, pdfSavedMessage(written.absoluteFilePath()));
    }
    return true;
}
