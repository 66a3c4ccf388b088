// The pool's own files: the participants list "Lista.txt" and one participant file per
// participant (header block with the four counters, then one section of 22 predictions per
// round). Owns the names and markers of these files, the rules for an acceptable participant
// name, and the operations of the participants hub and bet entry that change them.
#pragma once

#include "platform/textfile.h"

#include <QString>
#include <QStringList>

#include <optional>

// The participant chosen on the pool hub, whose predictions bet entry shows.
extern QString CurrentUser;

namespace Pool {

extern const QString ListFile; // "Lista.txt", in the pool directory
extern const QString RankFile; // "Rank.txt", in the data directory

// A participant file opens with a header: its marker, the four counters, its end marker.
constexpr int CounterLines = 4;
constexpr int HeaderLines = CounterLines + 2;

// "[name]" and "[/name]", the participant file's header markers.
QString headerMarker(const QString &name);
QString headerEndMarker(const QString &name);

// The participant file's path inside the pool directory, its name resolved ignoring letter case;
// throws when the name could reach outside the pool directory or cannot name a file.
QString participantPath(const QString &poolDir, const QString &name);
// The same in a pool directory listed once, for an operation over every participant.
QString participantPath(const TextFile::DirectoryIndex &poolDir, const QString &name);
bool participantExists(const QString &poolDir, const QString &name);
QStringList readParticipant(const QString &poolDir, const QString &name);
QStringList readList(const QString &poolDir);

// Why a name cannot be a new participant, or an empty text when it can. `list` holds the
// registered names. The messages of the hub itself (empty box, exact duplicate) are not here.
QString nameRefusal(const QString &name, const QStringList &list);

// What the hub shows after a registration attempt.
extern const QString MsgTaken;          // "Nome de usuário já existente. "
extern const QString MsgRegistered;     // "Usuário Cadastrado. "
extern const QString MsgEmptyName;      // "Digite o nome do novo participante."
extern const QString MsgRemoved;        // "Usuário removido."
extern const QString MsgSelectToRemove; // "Selecione o participante a ser removido."

struct Registration
{
    bool registered = false;
    QString message; // the one message to show
};

// Registers `name` exactly as typed: reads "Lista.txt", "Rodada.txt" and "Rank.txt", chooses the
// new participant's counters, then writes the participant file and "Lista.txt" (in that order).
// A refused name changes no file.
Registration registerParticipant(const QString &dataDir, const QString &poolDir,
                                 const QString &name);

// The four counter lines a new participant starts with: "0" four times before the first results
// or when nobody is registered; otherwise those of the lowest-ranked participant of "Rank.txt"
// who is still registered and whose file can be read (nearest line to the end), else "0".
QStringList startingCounters(const QString &poolDir, const QStringList &roundFile,
                             const QStringList &list, const QStringList &rankFile);

struct Removal
{
    bool found = false;       // the name was in the list (ignoring letter case)
    QString removedName;      // the list's spelling of it
    bool fileDeleted = false; // the participant file existed and was deleted
};

// Removes the first participant equal to `name` ignoring letter case: the line of "Lista.txt" and
// the participant file. Nothing changes when the name is not listed.
Removal removeParticipant(const QString &poolDir, const QString &name);

// The counters page of the hub: the lines between the header markers, each followed by "<br>".
QString countersPage(const QStringList &participantFile, const QString &name);

// The first line of the participant's section of `round`, or TextFile::NotFound. The header line
// (line 0) is never a section.
int findSection(const QStringList &participantFile, int round);

// The 22 predictions of `round`, or nothing when the participant has no file or no section.
std::optional<QStringList> readPredictions(const QString &poolDir, const QString &name, int round);

// A round is closed for predictions once the stored-rounds count reaches it or once its results
// are stored (after an out-of-order undo both can differ).
bool isRoundClosed(const QStringList &roundFile, const QStringList &resultFile, int round);
bool isRoundClosed(const QString &dataDir, int round);

// A prediction is a non-empty run of the digits 0 to 9 that reads as a 32-bit number.
bool isPrediction(const QString &text);

// Appends the section of `round` with the 22 values (home and away of match 1, ...).
void storePredictions(const QString &poolDir, const QString &name, int round,
                      const QStringList &values);
// Deletes the section of `round`, from its marker through its end marker.
void withdrawPredictions(const QString &poolDir, const QString &name, int round);

} // namespace Pool
