// Who can still win the pool and where each participant stood after every round: the title
// marks of the overall ranking and the participants' position history, both from the stored
// results and predictions, ordered as the ranking is. Reads only.
#pragma once

#include "championship/rules/positionhistory.h"
#include "championship/rules/titlerace.h"
#include "pool/rules/ranking.h"

#include <optional>

namespace PoolRace {

// The most one round can give: every one of its matches predicted exactly.
int roundMostPoints();

// The marks of the ranking on view (`shown`, best first): the most a participant can reach is its
// points plus a round's most for every round still without results. No marks when the rows on
// view are not what the stored results and predictions give now (the ranking wants an update):
// marks from counters of fewer rounds would call a participant out too early.
std::optional<QList<TitleReach>> reach(const Ranking &shown, const RoundByRound &scores);

// The participants' places after rounds 1 to the last round with results.
PositionHistory history(const RoundByRound &scores);

} // namespace PoolRace
