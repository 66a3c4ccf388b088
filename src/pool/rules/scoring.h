// Scoring predictions against stored results, on the files' own bytes. The code page maps every
// byte to one character, so two lines are equal texts exactly when they are equal bytes, and a
// pool of thousands of files is scored without decoding it. The results are decoded once for
// the whole pool; each participant file is read in one pass.
#pragma once

#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"
#include "pool/rules/poolfiles.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

namespace Pool {

// One match of a result block as the scoring meets it.
struct ResultMatch
{
    enum State
    {
        Played,
        NotPlayed, // a side holds "NO": the match is skipped
        Cut,       // the block ends before the match
        Damaged    // a side is not a number: `error` says which
    };
    State state = Cut;
    int home = 0;
    int away = 0;
    QByteArrayView homeText;
    QByteArrayView awayText;
    QString error;
};

// The result block of one round: present or not, and its 11 matches.
struct RoundResult
{
    bool present = false;
    std::array<ResultMatch, Season::MatchesPerRound> matches;
};

// The lines of a whole file's bytes, cut by the one line splitter.
std::vector<TextFile::LineSpan> lineSpans(QByteArrayView bytes);

// The block of round `n` whose marker is `lines[marker]`; the block reads no further than
// `lines`. Line numbers in messages are the indexes into `lines`. `bytes` must outlive it.
RoundResult decodeResultBlock(int n, QByteArrayView bytes,
                              const std::vector<TextFile::LineSpan> &lines, int marker);

// "[n]" or "[/n]" written as the program writes it (no leading zero), n from 1 to 42: its round,
// negative for an end marker; else 0.
int roundMarkerOf(QByteArrayView line);

// One pass over a participant file: its header lines, and for every wanted round the first line
// "[n]", the 22 lines after it, and whether a line "[/n]" follows it.
class ParticipantScan
{
public:
    // `bytes` must outlive the scan's results. With `whole` false, the pass stops once every
    // wanted round's section and end line have been seen.
    void scan(QByteArrayView bytes, const std::array<bool, Season::Rounds + 1> &wanted, bool whole);

    int lineCount() const { return m_lines; } // with `whole`
    QByteArrayView line(int i) const;         // lines 0 to 5
    // The first line of the round's section; 0 or less when it has none (its marker is missing,
    // or line 0, the participant's own name).
    int section(int round) const { return m_first[size_t(round)]; }
    bool hasEndAfterSection(int round) const { return m_endAfter[size_t(round)]; }
    // The bytes from line 5 on, and whether they are already written as the program writes
    // them (every line followed by CR LF).
    QByteArrayView tail() const { return m_bytes.sliced(m_tailBegin); }
    bool tailAsWritten() const { return m_tailAsWritten; }

private:
    friend void ScoreRound(int, const RoundResult &, const ParticipantScan &, const QString &,
                           int &, int &, int &);

    QByteArrayView m_bytes;
    int m_lines = 0;
    std::array<TextFile::LineSpan, HeaderLines> m_header;
    std::array<int, Season::Rounds + 1> m_first;
    std::array<bool, Season::Rounds + 1> m_endAfter;
    std::array<int, Season::Rounds + 1> m_collected;
    std::array<std::array<TextFile::LineSpan, 2 * Season::MatchesPerRound>, Season::Rounds + 1>
        m_values;
    qsizetype m_tailBegin = 0;
    bool m_tailAsWritten = true;
};

// Adds round `n` of one participant to the counters: nothing when the participant has no section
// for it or the round has no block. `label` names the participant's file in messages.
void ScoreRound(int n, const RoundResult &result, const ParticipantScan &participant,
                const QString &label, int &AC, int &AR, int &AG);

} // namespace Pool
