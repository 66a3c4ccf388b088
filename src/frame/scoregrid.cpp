#include "frame/scoregrid.h"

#include "platform/htmlview.h"

void setupRoundPageView(HtmlView *view, bool selectable)
{
    view->resize(RoundPageLayout::ViewWidth, RoundPageLayout::ViewHeight);
    view->setDefaultBackground(Qt::white);
    view->setBorder(HtmlView::Border::Single);
    view->setScrollBarsVisible(false);
    view->setDefaultFontFace(QStringLiteral("Times New Roman"));
    view->setFixedFontFace(QStringLiteral("Courier New"));
    view->setSelectable(selectable);
}

void ScoreGrid::placeScoreBoxes(QWidget *panel)
{
    using namespace RoundPageLayout;
    ScoreBox **homes[Matches] = {&c1, &c2, &c3, &c4, &c5, &c6, &c7, &c8, &c9, &c10, &c11};
    ScoreBox **aways[Matches] = {&v1, &v2, &v3, &v4, &v5, &v6, &v7, &v8, &v9, &v10, &v11};
    for (int k = 0; k < Matches; ++k) {
        const int top = PageTop + BoxY[k];
        *homes[k] = m_home[k] = new ScoreBox(panel);
        m_home[k]->setGeometry(PageLeft + HomeBoxX, top, BoxWidth, BoxHeight);
        m_home[k]->setObjectName(QStringLiteral("c%1").arg(k + 1));
        *aways[k] = m_away[k] = new ScoreBox(panel);
        m_away[k]->setGeometry(PageLeft + AwayBoxX, top, BoxWidth, BoxHeight);
        m_away[k]->setObjectName(QStringLiteral("v%1").arg(k + 1));
    }
}

void ScoreGrid::setEntryButtons(QWidget *store, QWidget *withdraw)
{
    m_store = store;
    m_withdraw = withdraw;
    m_away.back()->setReturnTarget(store);
}

void ScoreGrid::chainScoreTabs(QWidget *before, QWidget *after)
{
    QWidget *previous = before;
    for (int k = 0; k < Matches; ++k) {
        QWidget::setTabOrder(previous, m_home[k]);
        QWidget::setTabOrder(m_home[k], m_away[k]);
        previous = m_away[k];
    }
    QWidget::setTabOrder(previous, after);
}

QList<QLineEdit *> ScoreGrid::scoreBoxes() const
{
    QList<QLineEdit *> boxes;
    for (int k = 0; k < Matches; ++k)
        boxes << m_home[k] << m_away[k];
    return boxes;
}

QStringList ScoreGrid::scoreTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : scoreBoxes())
        texts << box->text();
    return texts;
}

void ScoreGrid::setScoreTexts(const QStringList &texts)
{
    const QList<QLineEdit *> boxes = scoreBoxes();
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setText(texts.value(i));
}

void ScoreGrid::setScoresEnabled(bool enabled)
{
    for (QLineEdit *box : scoreBoxes())
        box->setEnabled(enabled);
}

void ScoreGrid::clearScores()
{
    for (QLineEdit *box : scoreBoxes())
        box->clear();
}

void ScoreGrid::showEntry(Entry entry)
{
    // A stored entry keeps what the boxes hold: the values just stored, or those read back.
    if (entry != Entry::Stored)
        clearScores();
    setScoresEnabled(entry == Entry::Open);
    m_store->setEnabled(entry == Entry::Open);
    m_withdraw->setEnabled(entry == Entry::Stored);
}

void ScoreGrid::nameScoreBoxes(const QStringList &clubs)
{
    const QList<QLineEdit *> boxes = scoreBoxes();
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const bool home = i % 2 == 0;
        boxes.at(i)->setAccessibleName(
            i < clubs.size()
                ? clubs.at(i) + QStringLiteral(", gols")
                : QStringLiteral("Jogo %1, gols do %2")
                      .arg(i / 2 + 1)
                      .arg(home ? QStringLiteral("mandante") : QStringLiteral("visitante")));
    }
}
