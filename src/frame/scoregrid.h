// The round page and the 22 score boxes laid over its score cells, as the round table and the bet
// screen both show them: where the boxes stand, their names c1..c11 and v1..v11, their Tab order,
// and what the boxes and the two entry buttons (store, withdraw) show for a round. What a round's
// state is, and what storing means, stays with each screen and its rules.
#pragma once

#include "frame/scorebox.h"

#include <QStringList>

#include <array>

class HtmlView;

// Where the score boxes lie relative to the round page view's top-left corner: the delivered
// pages are drawn so that these positions fall on the score cells of match rows 1 to 11.
namespace RoundPageLayout {
constexpr int ViewWidth = 625;
constexpr int ViewHeight = 313;
constexpr int HomeBoxX = 159;
constexpr int AwayBoxX = 207;
constexpr int BoxWidth = 33;
constexpr int BoxHeight = 19;
constexpr int BoxY[11] = {16, 42, 68, 95, 120, 146, 172, 199, 224, 250, 276};
// The page's corner on the panels of both screens; the bet screen's page stands a pixel lower,
// its boxes do not.
constexpr int PageLeft = 9;
constexpr int PageTop = 110;
} // namespace RoundPageLayout

// The view that shows a round page under the score boxes: the delivered pages are laid out for
// exactly these settings.
void setupRoundPageView(HtmlView *view, bool selectable);

class ScoreGrid
{
public:
    static constexpr int Matches = 11;

    ScoreBox *c1 = nullptr, *c2 = nullptr, *c3 = nullptr, *c4 = nullptr, *c5 = nullptr,
             *c6 = nullptr, *c7 = nullptr, *c8 = nullptr, *c9 = nullptr, *c10 = nullptr,
             *c11 = nullptr;
    ScoreBox *v1 = nullptr, *v2 = nullptr, *v3 = nullptr, *v4 = nullptr, *v5 = nullptr,
             *v6 = nullptr, *v7 = nullptr, *v8 = nullptr, *v9 = nullptr, *v10 = nullptr,
             *v11 = nullptr;

    // The boxes of match k (1 to 11).
    ScoreBox *home(int k) const { return m_home.at(k - 1); }
    ScoreBox *away(int k) const { return m_away.at(k - 1); }
    // Home then away of match 1, then of match 2, ...
    QList<QLineEdit *> scoreBoxes() const;
    QStringList scoreTexts() const;
    void setScoreTexts(const QStringList &texts);

    // What the boxes and the entry buttons show.
    enum class Entry
    {
        Open,   // empty boxes to type into; storing offered
        Stored, // the boxes locked on what they hold; withdrawing offered
        Locked  // empty boxes, locked; neither offered
    };
    void showEntry(Entry entry);
    // The boxes alone, the buttons left as they are.
    void setScoresEnabled(bool enabled);

    // Names the boxes for a screen reader after the round's clubs (home then away of each match).
    void nameScoreBoxes(const QStringList &clubs);

protected:
    // Creates the 22 boxes on `panel`, over the score cells of a round page.
    void placeScoreBoxes(QWidget *panel);
    // The buttons that store and withdraw what the boxes hold.
    void setEntryButtons(QWidget *store, QWidget *withdraw);
    // Tab walks `before`, then each match home then away, then `after`; Return in the last box
    // moves to the store button.
    void chainScoreTabs(QWidget *before, QWidget *after);

private:
    void clearScores();

    std::array<ScoreBox *, Matches> m_home{};
    std::array<ScoreBox *, Matches> m_away{};
    QWidget *m_store = nullptr;
    QWidget *m_withdraw = nullptr;
};
