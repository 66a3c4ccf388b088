// Storing and withdrawing one round's results: the only operations that change the championship
// files. Each reads and checks everything it needs first (every score, every team record, the
// fixture section), computes the three new file contents, and only then writes them in one
// go, so that a refusal or a damaged file changes nothing.
#pragma once

#include "championship/rules/seasonfiles.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Results {

// Changes the seven counters of the record keyed "[name]" in the "Times.txt" lines by the
// outcome of one match, seen from that team (`sign` +1 adds, -1 takes the match back). Throws,
// leaving `teamFile` unchanged, when the record is missing, cut short or holds a non-number.
void applyMatch(QStringList &teamFile, const QString &name, int goalsFor, int goalsAgainst,
                int sign);

// Adds the played matches of a round's 22 goal lines to (sign +1) or takes them from (sign -1) the
// team records; a match whose two lines are "NO" is passed over. Throws naming the match when a
// goal line is not a number.
void applyRound(QStringList &teamFile, const Season::Fixture &fixture, const QStringList &lines,
                int round, int sign);

// The 22 box texts (home of match 1, away of match 1, ...) as the 22 goal lines of a result
// block: an empty box gives "NO". Throws naming the match when a box is not a whole number or
// only one box of a match is filled.
QStringList goalLinesFromBoxes(const QStringList &boxes, const Season::Fixture &fixture, int round);

// Stores `boxes` as the results of `round`; returns the new stored-rounds count. Refuses a round
// that already has results, so that no round ever has two blocks.
int storeRoundResults(const QString &dataDir, int round, const QStringList &boxes);

// Withdraws the stored results of `round`; returns the new stored-rounds count (one lower,
// whichever round it was).
int undoRoundResults(const QString &dataDir, int round);

// What the round table shows for one round.
struct RoundView
{
    QString page;
    std::optional<QStringList> stored; // the 22 goal lines, when the round has results
    int storedRounds = 0;
    Season::RoundState state = Season::RoundState::Later;
};
RoundView readRoundView(const QString &dataDir, int round);

// The round the table opens on: the next one to enter, or the last one when all are stored.
int initialRound(int storedRounds);

} // namespace Results
