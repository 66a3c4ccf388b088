// Printing the bet sheet: the twelve texts drawn on a canvas, a painter over a printer as the
// canvas, and the whole print through the program's print path (platform/printing.h).
#pragma once

#include "pool/rules/betsheet.h"

class QPainter;
class QPrinter;
class QWidget;

// Where the sheet is drawn: device units at a resolution.
class BetSheetCanvas
{
public:
    virtual ~BetSheetCanvas() = default;
    virtual int dpi() const = 0;
    virtual void setFontPointSize(int points) = 0;
    // Draws `text` with its left edge at x and its top at y.
    virtual void drawText(const QPoint &topLeft, const QString &text) = 0;
};

// Sets the 16-point font and draws the title and the 11 match lines.
void drawBetSheet(const BetSheet &sheet, BetSheetCanvas &canvas);

class PainterCanvas : public BetSheetCanvas
{
public:
    PainterCanvas(QPainter &painter, int dpi) : m_painter(painter), m_dpi(dpi) {}
    int dpi() const override { return m_dpi; }
    void setFontPointSize(int points) override;
    void drawText(const QPoint &topLeft, const QString &text) override;

private:
    QPainter &m_painter;
    int m_dpi;
};

// The PDF file the sheet of `round` goes to when no printer is installed, in the documents folder.
QString betSheetPdfName(int round);
// The messages after a sheet went to a PDF file: where it is, or that it could not be written.
QString pdfSavedMessage(const QString &path);
QString pdfFailedMessage(const QString &path);

// One page on `printer`; throws when the print job cannot start.
void printBetSheetOn(const BetSheet &sheet, QPrinter &printer);

// The whole print: the dialog (offering a PDF file when no printer is installed, one page), then
// the page. A sheet saved as a PDF file is followed by a message telling where it is; a sheet on
// a printer by none. False when the dialog was cancelled; nothing is printed then.
bool printBetSheet(const BetSheet &sheet, QWidget *owner);
