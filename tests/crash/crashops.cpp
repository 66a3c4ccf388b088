#include "crashops.h"

#include "championship/rules/results.h"
#include "championship/rules/seasonfiles.h"
#include "platform/seasoncopies.h"
#include "platform/textfile.h"
#include "pool/rules/newseason.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/ranking.h"

#include <QDir>
#include <QFileInfo>

namespace CrashOps {

namespace {

const QStringList Participants{"Ana", "Bia", "Caio", "Duda"};

// The copy `prepare` takes part way, which "restore" puts back, and the time of the one "copy"
// takes: fixed, so that every run of an operation ends in the same files.
const QDateTime EarlierCopy(QDate(2026, 12, 1), QTime(20, 0, 0));
const QDateTime NewCopy(QDate(2026, 12, 9), QTime(14, 5, 33));

QString copiesOf(const QString &dataDir)
{
    return SeasonCopies::copiesDirFor(dataDir);
}

// 22 box texts for a round, varied by round and match, with one match of round 4 left unplayed.
QStringList scores(int round)
{
    QStringList boxes;
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        if (round == 4 && k == 3) {
            boxes << QString() << QString();
            continue;
        }
        boxes << QString::number((round * 7 + k * 3) % 4) << QString::number((round + k * 5) % 3);
    }
    return boxes;
}

QStringList predictions(int who, int round)
{
    QStringList values;
    for (int k = 0; k < 2 * Season::MatchesPerRound; ++k)
        values << QString::number((who * 5 + round * 3 + k) % 4);
    return values;
}

} // namespace

QStringList names()
{
    return {"store",        "withdraw",  "register", "remove",  "bet-store",
            "bet-withdraw", "recompute", "copy",     "restore", "new-season"};
}

void prepare(const QString &dataDir, const QString &poolDir)
{
    for (int round = 1; round <= 4; ++round)
        Results::storeRoundResults(dataDir, round, scores(round));
    for (const QString &name : Participants)
        Pool::registerParticipant(dataDir, poolDir, name);
    SeasonCopies::makeCopy(dataDir, copiesOf(dataDir), EarlierCopy);
    for (int who = 0; who < Participants.size(); ++who)
        for (int round = 1; round <= 6; ++round)
            Pool::storePredictions(poolDir, Participants.at(who), round, predictions(who, round));
    RecomputeOverallRanking(dataDir, poolDir);
    // Stored after the last recomputation, so that the next one changes every counter.
    Results::storeRoundResults(dataDir, 5, scores(5));
}

void run(const QString &op, const QString &dataDir, const QString &poolDir)
{
    if (op == QLatin1String("store"))
        Results::storeRoundResults(dataDir, 6, scores(6));
    else if (op == QLatin1String("withdraw"))
        Results::undoRoundResults(dataDir, 3);
    else if (op == QLatin1String("register"))
        Pool::registerParticipant(dataDir, poolDir, QStringLiteral("Zeca"));
    else if (op == QLatin1String("remove"))
        Pool::removeParticipant(poolDir, QStringLiteral("Bia"));
    else if (op == QLatin1String("bet-store"))
        Pool::storePredictions(poolDir, QStringLiteral("Ana"), 7, predictions(0, 7));
    else if (op == QLatin1String("bet-withdraw"))
        Pool::withdrawPredictions(poolDir, QStringLiteral("Ana"), 6);
    else if (op == QLatin1String("recompute"))
        RecomputeOverallRanking(dataDir, poolDir);
    else if (op == QLatin1String("copy"))
        SeasonCopies::makeCopy(dataDir, copiesOf(dataDir), NewCopy);
    else if (op == QLatin1String("restore"))
        SeasonCopies::restoreCopy(
            QDir(copiesOf(dataDir)).filePath(SeasonCopies::copyName(EarlierCopy)), dataDir);
    // The screen takes a copy first; that copy is the "copy" operation's own.
    else if (op == QLatin1String("new-season"))
        NewSeason::start(dataDir, poolDir, true);
    else
        qFatal("unknown operation %s", qPrintable(op));
}

QStringList inconsistencies(const QString &dataDir, const QString &poolDir,
                            const QStringList &deliveredTeamFile)
{
    QStringList problems;
    const QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    QList<int> stored;
    for (int round = 1; round <= Season::Rounds; ++round)
        if (Season::findResultBlock(resultFile, round) != TextFile::NotFound)
            stored << round;
    if (Season::storedRounds(roundFile) != stored.size())
        problems << QStringLiteral("count %1, blocks %2")
                        .arg(Season::storedRounds(roundFile))
                        .arg(stored.size());
    if (resultFile.size() != stored.size() * Season::BlockLines)
        problems << QStringLiteral("results file of %1 lines").arg(resultFile.size());

    // The clubs' counters are the delivered ones plus every stored match.
    QStringList expected = deliveredTeamFile;
    for (int round : std::as_const(stored)) {
        const Season::Fixture fixture = Season::fixtureOf(roundFile, round);
        const QStringList goals =
            Season::resultLines(resultFile, Season::findResultBlock(resultFile, round));
        for (int k = 0; k < Season::MatchesPerRound; ++k) {
            if (goals.at(2 * k) == Season::NotPlayed)
                continue;
            const int home = goals.at(2 * k).toInt();
            const int away = goals.at(2 * k + 1).toInt();
            Results::applyMatch(expected, fixture.at(k).home, home, away, +1);
            Results::applyMatch(expected, fixture.at(k).away, away, home, +1);
        }
    }
    if (TextFile::readLines(dataDir, Season::TeamFile) != expected)
        problems << QStringLiteral("club counters differ from the stored results");

    const QStringList list = Pool::readList(poolDir);
    for (const QString &name : list)
        if (!Pool::participantExists(poolDir, name))
            problems << QStringLiteral("no file for %1").arg(name);
    for (const QFileInfo &file : QDir(poolDir).entryInfoList({"*.txt"}, QDir::Files)) {
        const QString stem = file.completeBaseName();
        if (stem.compare(QLatin1String("Lista"), Qt::CaseInsensitive) != 0 &&
            TextFile::findLine(list, stem) == TextFile::NotFound)
            problems << QStringLiteral("file %1 names nobody in the list").arg(file.fileName());
    }
    for (const QString &dir : {dataDir, poolDir, copiesOf(dataDir)})
        for (const QString &left : QDir(dir).entryList(QDir::Files | QDir::Hidden))
            if (left.endsWith(QLatin1String(".gravando")) ||
                left == QLatin1String("operacao.pendente") || left.contains(QLatin1String(".tmp")))
                problems << QStringLiteral("left over: %1").arg(left);
    for (const QString &left : QDir(copiesOf(dataDir)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (left.endsWith(QLatin1String(".gravando")))
            problems << QStringLiteral("unfinished copy: %1").arg(left);
    return problems;
}

} // namespace CrashOps
