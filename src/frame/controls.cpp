#include "frame/controls.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

namespace {

// The pictures' palette: the same greens, cream and gold as the title bands and wells.
const QColor Cream(0xfb, 0xf4, 0xdc);
const QColor Gold(0xe9, 0xc4, 0x6a);
const QColor PositionGround(0xec, 0xe6, 0xd0);

const QString ScrollBarStyle = QStringLiteral(
    "QScrollBar:vertical { background: #e6dfc6; width: 14px; margin: 0px;"
    " border-left: 1px solid #b8ae8c; }"
    "QScrollBar:horizontal { background: #e6dfc6; height: 14px; margin: 0px;"
    " border-top: 1px solid #b8ae8c; }"
    "QScrollBar::handle:vertical { background: #2f6b45; min-height: 28px; margin: 2px;"
    " border-radius: 4px; }"
    "QScrollBar::handle:horizontal { background: #2f6b45; min-width: 28px; margin: 2px;"
    " border-radius: 4px; }"
    "QScrollBar::handle:hover, QScrollBar::handle:pressed { background: #0b3a1e; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");

QFont textFont(const QString &family, int pixelSize, bool bold, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void shadowedText(QPainter &p, const QRectF &box, int flags, const QString &text,
                  const QColor &colour)
{
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(box.translated(0, 1), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

} // namespace

void keepDropDownInPanel(QComboBox *list)
{
    list->setMaxVisibleItems(DropDownVisibleRounds);
    // The platform style opens a list over the whole screen and ignores the visible count;
    // the plain list mode honours it and opens at the box, on the selected entry.
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

void styleScrollBars(QAbstractScrollArea *area)
{
    area->verticalScrollBar()->setStyleSheet(ScrollBarStyle);
    area->horizontalScrollBar()->setStyleSheet(ScrollBarStyle);
}

void styleTable(QTableWidget *table, int rowHeight)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    QHeaderView *header = table->horizontalHeader();
    header->show();
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setFixedHeight(rowHeight);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(true);
    table->setFont(textFont(QStringLiteral("DejaVu Sans"), 12, false));
    header->setFont(textFont(QStringLiteral("DejaVu Sans"), 12, true));
    table->setStyleSheet(
        QStringLiteral("QTableWidget { background: white; color: black; gridline-color: #cfc7aa;"
                       " border: 1px solid #0b3a1e; }"
                       "QTableWidget::item { padding: 0px 3px; }"
                       "QHeaderView::section { background: #0b3a1e; color: #fbf4dc; border: none;"
                       " border-right: 1px solid #2f5e3f; padding: 0px 3px; }"));
    styleScrollBars(table);
}

Qt::Alignment cellAlignment(CellKind kind)
{
    switch (kind) {
    case CellKind::Position:
        return Qt::AlignCenter;
    case CellKind::Name:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case CellKind::Figure:
        break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

QTableWidgetItem *tableCell(const QString &text, CellKind kind)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(cellAlignment(kind));
    if (kind == CellKind::Position) {
        item->setBackground(PositionGround);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    if (kind == CellKind::Name && !text.isEmpty())
        item->setToolTip(text);
    return item;
}

NameLabel::NameLabel(QWidget *parent) : QLabel(parent) {}

void NameLabel::setName(const QString &name)
{
    m_name = name;
    setToolTip(name);
    setAccessibleName(name);
    elide();
}

void NameLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void NameLabel::elide()
{
    const int room = contentsRect().width() - 2 * margin() - 2;
    setText(fontMetrics().elidedText(m_name, Qt::ElideRight, std::max(room, 0)));
}

PageTitle::PageTitle(QWidget *panel) : QWidget(panel)
{
    setGeometry(0, 0, 640, 120);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PageTitle::setTexts(const QString &bandSubtitle, const QString &heading,
                         const QString &tagline)
{
    m_subtitle = bandSubtitle;
    m_heading = heading;
    m_tagline = tagline;
    setAccessibleName(heading.isEmpty() ? bandSubtitle : heading);
    setAccessibleDescription(heading.isEmpty() ? QString() : tagline);
    update();
}

void PageTitle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The band's subtitle sits where the pictures draw theirs, in spaced capitals.
    QFont sub = textFont(QStringLiteral("Liberation Sans"), 12, true);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(sub);
    shadowedText(p, QRectF(70, 38, 560, 18), Qt::AlignLeft | Qt::AlignVCenter, m_subtitle.toUpper(),
                 Cream);
    if (m_heading.isEmpty())
        return;
    p.setFont(textFont(QStringLiteral("Liberation Serif"), 26, true));
    shadowedText(p, QRectF(24, 62, 600, 34), Qt::AlignLeft | Qt::AlignBottom, m_heading, Gold);
    p.setFont(textFont(QStringLiteral("Liberation Sans"), 13, false, true));
    shadowedText(p, QRectF(26, 97, 600, 18), Qt::AlignLeft | Qt::AlignVCenter, m_tagline, Cream);
}

void addRaceHeaders(QTableWidget *table, int maxColumn, const QString &whoReaches)
{
    table->setColumnCount(maxColumn + 2);
    auto *most = new QTableWidgetItem(QStringLiteral("Máx"));
    most->setTextAlignment(cellAlignment(CellKind::Figure));
    most->setToolTip(QStringLiteral("Pontos que %1 ainda pode alcançar").arg(whoReaches));
    table->setHorizontalHeaderItem(maxColumn, most);
    auto *mark = new QTableWidgetItem(QStringLiteral("Tít"));
    mark->setTextAlignment(Qt::AlignCenter);
    mark->setToolTip(QStringLiteral("C: já é campeão; F: fora da disputa do título"));
    table->setHorizontalHeaderItem(maxColumn + 1, mark);
}
