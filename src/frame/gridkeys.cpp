#include "frame/gridkeys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTableWidget>

#include <algorithm>

namespace {

class GridCopier : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(
                selectedCellsText(static_cast<QTableWidget *>(watched)));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void makeGridKeyboardReady(QTableWidget *grid, const QString &accessibleName)
{
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->setTabKeyNavigation(false);
    if (grid->selectionMode() == QAbstractItemView::NoSelection ||
        grid->selectionMode() == QAbstractItemView::SingleSelection)
        grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setAccessibleName(accessibleName);
    grid->installEventFilter(new GridCopier(grid));
}

QString selectedCellsText(const QTableWidget *grid)
{
    QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
    std::sort(ranges.begin(), ranges.end(), [](const auto &a, const auto &b) {
        return std::pair(a.topRow(), a.leftColumn()) < std::pair(b.topRow(), b.leftColumn());
    });
    QStringList lines;
    for (const QTableWidgetSelectionRange &range : std::as_const(ranges))
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            QStringList cells;
            for (int column = range.leftColumn(); column <= range.rightColumn(); ++column) {
                const QTableWidgetItem *item = grid->item(row, column);
                cells << (item ? item->text() : QString());
            }
            lines << cells.join(QLatin1Char('\t'));
        }
    return lines.join(QLatin1Char('\n'));
}
