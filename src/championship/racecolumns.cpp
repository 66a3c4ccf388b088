#include "championship/racecolumns.h"

#include "frame/controls.h"
#include "platform/velurinoerror.h"

void fillRaceColumns(QTableWidget *table, int maxColumn,
                     const std::function<QList<TitleReach>()> &reach)
{
    QList<TitleReach> marks;
    try {
        marks = reach();
    } catch (const VelurinoError &) {
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const bool known = r < marks.size();
        const TitleReach mark = known ? marks.at(r) : TitleReach{};
        table->setItem(r, maxColumn,
                       tableCell(known ? QString::number(mark.most) : QString(), CellKind::Figure));
        QTableWidgetItem *item =
            tableCell(!known                                 ? QString()
                      : mark.chance == TitleChance::Champion ? QStringLiteral("C")
                      : mark.chance == TitleChance::Out      ? QStringLiteral("F")
                                                             : QString(),
                      CellKind::Figure);
        item->setTextAlignment(Qt::AlignCenter);
        if (known && mark.chance == TitleChance::Champion) {
            item->setBackground(QColor(0xe9, 0xc4, 0x6a));
            item->setToolTip(QStringLiteral("Já é campeão"));
        } else if (known && mark.chance == TitleChance::Out) {
            item->setForeground(QColor(0x80, 0x80, 0x80));
            item->setToolTip(QStringLiteral("Fora da disputa do título"));
        }
        table->setItem(r, maxColumn + 1, item);
    }
}
