#include "pool/betsheetprinter.h"

#include "platform/printing.h"
#include "platform/velurinoerror.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

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
    if (!painter.end())
        throw VelurinoError(QStringLiteral("Não foi possível imprimir a folha de apostas."));
}

QString betSheetPdfName(int round)
{
    return QStringLiteral("Jogos da %1a Rodada.pdf").arg(round);
}

namespace {

const QString SavedText = QStringLiteral("A folha de apostas foi salva no arquivo \"%1\".");
const QString FailedText =
    QStringLiteral("Não foi possível gravar a folha de apostas no arquivo \"%1\".");

} // namespace

QString pdfSavedMessage(const QString &path)
{
    return Printing::pdfMessage(SavedText, path);
}

QString pdfFailedMessage(const QString &path)
{
    return Printing::pdfMessage(FailedText, path);
}

bool printBetSheet(const BetSheet &sheet, QWidget *owner)
{
    return Printing::printOrSavePdf(
        owner, {betSheetPdfName(sheet.round), SavedText, FailedText, 1},
        [&sheet](QPrinter &printer) { printBetSheetOn(sheet, printer); });
}
