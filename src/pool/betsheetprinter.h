// Printing the bet sheet: the twelve texts drawn on a canvas, a painter over a printer as the
// canvas, and the print dialog (replaceable, so that tests never open one).
#pragma once

#include "pool/rules/betsheet.h"

#include <functional>

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

// Where the sheet of `round` goes when no printer is installed: the user's documents folder, or
// the home folder when there is none.
QString betSheetPdfPath(int round);
// The messages after a sheet went to a PDF file: where it is, or that it could not be written.
QString pdfSavedMessage(const QString &path);
QString pdfFailedMessage(const QString &path);

// One page on `printer`; throws when the print job cannot start or its file cannot be written.
void printBetSheetOn(const BetSheet &sheet, QPrinter &printer);

// Shows the print dialog for `printer`; true when the user confirmed it.
using PrintDialogRunner = std::function<bool(QPrinter &printer, QWidget *owner)>;
// Test seam: replaces the dialog; an empty function restores it.
void setPrintDialogRunner(PrintDialogRunner runner);

// The whole print: the dialog (offering a PDF file when no printer is installed), then the page.
// A sheet saved as a PDF file is followed by a message telling where it is; a sheet on a printer
// by none. False when the dialog was cancelled; nothing is printed then.
bool printBetSheet(const BetSheet &sheet, QWidget *owner);
