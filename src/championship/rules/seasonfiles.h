// The championship files as the screens read them: the stored-rounds count and fixture
// ("Rodada.txt"), the result blocks ("Resultado.txt") and the round pages ("tabela1.htm"). Owns
// their names, markers and lookups; the operations that change them live elsewhere.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace Season {

constexpr int Rounds = 42;
constexpr int MatchesPerRound = 11;
constexpr int Teams = 22;
// A result block or prediction section: the marker, 22 goal lines and the end marker.
constexpr int BlockLines = 2 * MatchesPerRound + 2;

extern const QString RoundFile;  // "Rodada.txt"
extern const QString ResultFile; // "Resultado.txt"
extern const QString TeamFile;   // "Times.txt"
extern const QString PageFile;   // "tabela1.htm"
extern const QString NameFile;   // "Nomes.txt"
extern const QString NotPlayed;  // "NO", the goal line of a box left empty

// "[n]" and "[/n]".
QString roundMarker(int round);
QString roundEndMarker(int round);
// "n" + "ª Rodada", the entry of every round list.
QString roundLabel(int round);

// A decimal integer read from a file; throws naming the file and line when it is not one.
int toInteger(const QString &text, const QString &file, int line);

// Line 0 of "Rodada.txt".
int storedRounds(const QStringList &roundFile);
int readStoredRounds(const QString &dataDir);

// Where a round stands for entering its results or predictions. A round is closed once the
// stored-rounds count reaches it or its results are stored; the round after the count is the
// next one to enter; anything beyond waits.
enum class RoundState
{
    Closed,
    Next,
    Later
};
RoundState roundState(int storedRounds, int round, bool hasResults);

struct Match
{
    QString home;
    QString away;
};
using Fixture = std::array<Match, MatchesPerRound>;

// The 11 matches of `round`; throws when the file has no section for it or the section is cut.
Fixture fixtureOf(const QStringList &roundFile, int round);

// The 22 clubs of the round's matches by their shown names, home then away of match 1, then match
// 2, ...; empty when the fixture cannot be read. It only names the score boxes for a screen reader,
// so a damaged file is left for the operations that need it to report.
QStringList readRoundClubs(const QString &dataDir, int round);

// The first line of the round's result block, or TextFile::NotFound.
int findResultBlock(const QStringList &resultFile, int round);
// The 22 goal lines of a stored block (home of match 1, away of match 1, ...); throws when the
// block is cut short.
QStringList resultLines(const QStringList &resultFile, int block);

// A round page is a few kilobytes; laying out one much larger (a hand-edited file, a word of a
// megabyte) would freeze the screen, so such a page is refused.
constexpr qsizetype LargestRoundPage = 32 * 1024;

// The round page: header lines (up to the first "[=") followed by the round's body lines;
// throws when it has more than LargestRoundPage characters.
QString roundPage(const QStringList &pageFile, int round);
QString readRoundPage(const QString &dataDir, int round);

} // namespace Season
