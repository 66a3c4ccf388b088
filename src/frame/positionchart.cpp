#include "frame/positionchart.h"

#include "frame/controls.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor Ground(0x0b, 0x3a, 0x1e);
const QColor Gold(0xe9, 0xc4, 0x6a);
const QColor Cream(0xfb, 0xf4, 0xdc);
const QColor Rule(0x2f, 0x5e, 0x3f);

QFont chartFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

class PositionPlot : public QWidget
{
public:
    using QWidget::QWidget;

    QList<int> places;
    int entrants = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Ground);
        p.setFont(chartFont(11));
        if (places.isEmpty() || entrants < 1) {
            p.setPen(Cream);
            p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                       QStringLiteral("Nenhuma rodada com resultados ainda."));
            return;
        }
        const int rounds = int(places.size());
        const QRectF area = QRectF(rect()).adjusted(34, 10, -14, -30);
        const auto xOf = [&](int round) {
            return rounds == 1 ? area.center().x()
                               : area.left() + area.width() * (round - 1) / (rounds - 1);
        };
        const auto yOf = [&](int place) {
            return entrants == 1 ? area.top()
                                 : area.top() + area.height() * (place - 1) / (entrants - 1);
        };

        // Place lines: the first, every fifth and the last, so that a place can be read off.
        for (int place = 1; place <= entrants; ++place) {
            if (entrants > 10 && place != 1 && place % 5 != 0 && place != entrants)
                continue;
            const qreal y = yOf(place);
            p.setPen(QPen(Rule, 1));
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            p.setPen(Cream);
            p.drawText(QRectF(0, y - 8, area.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(place) + QStringLiteral("º"));
        }
        const int step = rounds <= 12 ? 1 : rounds <= 24 ? 3 : 5;
        for (int round = 1; round <= rounds; ++round) {
            // A label too close to the last round's would run into it.
            if (round != 1 && round != rounds && (round % step != 0 || rounds - round < step))
                continue;
            const qreal x = xOf(round);
            p.setPen(QPen(Rule, 1));
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom() + 4));
            p.setPen(Cream);
            p.drawText(QRectF(x - 16, area.bottom() + 5, 32, 14), Qt::AlignCenter,
                       QString::number(round));
        }
        p.drawText(QRectF(area.left(), area.bottom() + 16, area.width(), 14), Qt::AlignCenter,
                   QStringLiteral("Rodada"));

        QPainterPath line;
        for (int round = 1; round <= rounds; ++round) {
            const QPointF at(xOf(round), yOf(places.at(round - 1)));
            if (round == 1)
                line.moveTo(at);
            else
                line.lineTo(at);
        }
        p.setPen(QPen(Gold, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        p.setPen(QPen(Ground, 1));
        p.setBrush(Gold);
        const qreal dot = rounds > 24 ? 2.5 : 3.5;
        for (int round = 1; round <= rounds; ++round)
            p.drawEllipse(QPointF(xOf(round), yOf(places.at(round - 1))), dot, dot);
    }
};

PositionChart::PositionChart(QWidget *parent, const QString &what) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("PositionChart { background: #0b3a1e; border: 1px solid #e9c46a; }"
                                 "QLabel { color: #e9c46a; }"));
    auto *caption = new QLabel(QStringLiteral("Posição após cada rodada:"), this);
    caption->setFont(chartFont(13, true));
    caption->setGeometry(8, 6, 190, 22);
    CbNome = new QComboBox(this);
    CbNome->setEditable(false);
    CbNome->setAccessibleName(what + QStringLiteral(" do gráfico de posições"));
    keepDropDownInPanel(CbNome);
    m_plot = new PositionPlot(this);
    m_plot->setAccessibleName(QStringLiteral("Gráfico de posições"));
    connect(CbNome, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
}

void PositionChart::setEntrants(const QStringList &names, const QList<QList<int>> &places,
                                int entrants)
{
    m_places = places;
    m_entrants = entrants;
    const QSignalBlocker quiet(CbNome);
    CbNome->clear();
    CbNome->addItems(names);
    refresh();
}

void PositionChart::choose(int index)
{
    CbNome->setCurrentIndex(CbNome->count() == 0 ? -1 : std::clamp(index, 0, CbNome->count() - 1));
    refresh();
}

QList<int> PositionChart::shownPlaces() const
{
    return m_plot->places;
}

void PositionChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CbNome->setGeometry(200, 6, std::max(120, width() - 208), 22);
    m_plot->setGeometry(4, 34, width() - 8, height() - 38);
}

void PositionChart::refresh()
{
    const int index = CbNome->currentIndex();
    m_plot->places = index >= 0 && index < m_places.size() ? m_places.at(index) : QList<int>();
    m_plot->entrants = m_entrants;
    const QString name = CbNome->currentText();
    if (m_plot->places.isEmpty()) {
        m_plot->setAccessibleDescription(QStringLiteral("Nenhuma rodada com resultados ainda."));
    } else {
        const auto [best, worst] =
            std::minmax_element(m_plot->places.cbegin(), m_plot->places.cend());
        m_plot->setAccessibleDescription(
            QStringLiteral("%1: %2º após a %3ª rodada; melhor posição %4º, pior %5º.")
                .arg(name)
                .arg(m_plot->places.last())
                .arg(m_plot->places.size())
                .arg(*best)
                .arg(*worst));
    }
    m_plot->update();
}

void PositionChart::showInsteadOf(QWidget *table, int index)
{
    choose(index);
    table->hide();
    show();
    CbNome->setFocus();
}

bool PositionChart::giveBackTo(QWidget *table)
{
    if (!isVisible())
        return false;
    hide();
    table->show();
    table->setFocus();
    return true;
}
