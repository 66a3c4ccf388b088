#include "pool/rules/newseason.h"

#include "championship/rules/seasonfiles.h"
#include "championship/rules/teamrecords.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/rules/poolfiles.h"

#include <QDir>
#include <QFileInfo>

namespace NewSeason {

namespace {

const QString Zero = QStringLiteral("0");

// The seven counters above each "==]" back to zero; the clubs' pages between the records stay.
QStringList zeroedTeams(QStringList teams)
{
    for (const int k : TeamRecords::recordEnds(teams)) {
        if (k < TeamRecords::CounterCount)
            throw VelurinoError(QStringLiteral("O arquivo \"%1\" tem um time sem os sete números "
                                               "(linha %2). Nada foi alterado.")
                                    .arg(Season::TeamFile)
                                    .arg(k + 1));
        for (int i = k - TeamRecords::CounterCount; i < k; ++i)
            teams[i] = Zero;
    }
    return teams;
}

QString plural(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

} // namespace

QList<FileChange> changes(const QString &dataDir, const QString &poolDir, bool keepParticipants,
                          const QString &deliveredDir)
{
    QList<FileChange> out;
    const QStringList list = Pool::readList(poolDir);
    if (!deliveredDir.isEmpty()) {
        // The delivered season's own files, byte for byte; its pool is the empty one.
        // Files already as delivered (the pictures, mostly) are left alone.
        for (const QFileInfo &file : QDir(deliveredDir).entryInfoList(QDir::Files)) {
            if (file.fileName().compare(Pool::RankFile, Qt::CaseInsensitive) == 0)
                continue;
            const QString target = TextFile::resolve(dataDir, file.fileName());
            QByteArray bytes = TextFile::readBytes(file.filePath());
            if (!QFileInfo(target).isFile() || TextFile::readBytes(target) != bytes)
                out.append(FileChange::replaceBytes(target, std::move(bytes)));
        }
    } else {
        QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
        Season::storedRounds(roundFile); // a damaged count is reported, not overwritten
        roundFile[0] = Zero;
        out.append(FileChange::replace(TextFile::resolve(dataDir, Season::RoundFile), roundFile));
        out.append(FileChange::replace(TextFile::resolve(dataDir, Season::ResultFile), {}));
        out.append(
            FileChange::replace(TextFile::resolve(dataDir, Season::TeamFile),
                                zeroedTeams(TextFile::readLines(dataDir, Season::TeamFile))));
    }
    // "Rank.txt" as a ranking update writes it before any round is stored: the names in list
    // order.
    out.append(FileChange::replace(TextFile::resolve(dataDir, Pool::RankFile),
                                   keepParticipants ? list : QStringList()));
    out.append(FileChange::replace(TextFile::resolve(poolDir, Pool::ListFile),
                                   keepParticipants ? list : QStringList()));
    for (const QString &name : list) {
        const QString path = Pool::participantPath(poolDir, name);
        if (keepParticipants)
            out.append(
                FileChange::replace(path, QStringList{Pool::headerMarker(name), Zero, Zero, Zero,
                                                      Zero, Pool::headerEndMarker(name)}));
        else
            out.append(FileChange::remove(path));
    }
    return out;
}

void start(const QString &dataDir, const QString &poolDir, bool keepParticipants,
           const QString &deliveredDir)
{
    applyChanges(changes(dataDir, poolDir, keepParticipants, deliveredDir));
}

QString describeCopy(const QString &copyDir)
{
    // A copy whose files cannot be read is still listed; restoring it then says what is wrong.
    try {
        const int rounds = Season::readStoredRounds(copyDir);
        const int people = Pool::readList(QDir(copyDir).filePath(QStringLiteral("player"))).size();
        return plural(rounds, "rodada gravada", "rodadas gravadas") + QStringLiteral(", ") +
               plural(people, "participante", "participantes");
    } catch (const VelurinoError &) {
        return QStringLiteral("arquivos ilegíveis");
    }
}

} // namespace NewSeason
