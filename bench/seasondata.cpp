#include "seasondata.h"

#include <cstring>

#include "championship/rules/results.h"
#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/rules/poolfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace BenchSeason {

namespace {

// Bumped whenever what is generated changes, so that an old directory is written again.
constexpr int GeneratorVersion = 1;
constexpr quint32 ResultSeed = 2005;
constexpr quint32 PredictionSeed = 42;
// Registered and given their predictions through the pool's operations, then used to check the
// fast writer that produces everybody else.
constexpr int RegisteredThroughThePool = 3;

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench data: %s\n", qPrintable(what));
    std::exit(2);
}

// Goals of one side: Poisson, as football scores roughly are (about 2.5 goals a match).
int goals(QRandomGenerator &random, double mean)
{
    const double limit = std::exp(-mean);
    double product = random.generateDouble();
    int k = 0;
    while (product > limit) {
        ++k;
        product *= random.generateDouble();
    }
    return k;
}

// The 22 box texts of one round: about one match in 150 is postponed (both boxes empty).
QStringList roundScores(QRandomGenerator &random)
{
    QStringList boxes;
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        if (random.bounded(150) == 0) {
            boxes << QString() << QString();
            continue;
        }
        boxes << QString::number(goals(random, 1.45)) << QString::number(goals(random, 1.05));
    }
    return boxes;
}

// The 22 predictions of participant `i` for `round`. Now and then a participant types a
// leading zero, which scores the outcome but not the goals.
QStringList predictions(int i, int round)
{
    QRandomGenerator random(PredictionSeed + quint32(i) * 64 + quint32(round));
    QStringList values;
    for (int k = 0; k < 2 * Season::MatchesPerRound; ++k) {
        QString value = QString::number(goals(random, k % 2 == 0 ? 1.4 : 1.0));
        if (random.bounded(400) == 0)
            value.prepend(QLatin1Char('0'));
        values << value;
    }
    return values;
}

// Participant `i`'s file as registration before the first results and 42 stored rounds of
// predictions leave it.
QStringList participantFile(int i)
{
    const QString name = participantName(i);
    QStringList lines{Pool::headerMarker(name)};
    lines << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0")
          << QStringLiteral("0");
    lines << Pool::headerEndMarker(name);
    for (int round = 1; round <= Season::Rounds; ++round)
        lines << Season::roundMarker(round) << predictions(i, round)
              << Season::roundEndMarker(round);
    return lines;
}

// Plain writes: the generator needs no atomic replacement, and a pool of 100,000 files would
// otherwise spend minutes flushing each one to disk.
void writeFast(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void copyTree(const QString &from, const QString &to, const QStringList &filters)
{
    QDirIterator it(from, filters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        if (!QFile::copy(source, target))
            fail(QStringLiteral("cannot copy %1").arg(source));
    }
}

QString stampText(int participants, bool pictures)
{
    return QStringLiteral("generator %1\nparticipants %2\npictures %3\n")
        .arg(GeneratorVersion)
        .arg(participants)
        .arg(pictures ? 1 : 0);
}

void generate(const Paths &paths, int participants, bool pictures)
{
    copyTree(QStringLiteral(VELURINO_DELIVERED_DIR), paths.dataDir, {});
    if (pictures)
        copyTree(QStringLiteral(VELURINO_PICTURES_DIR), paths.dataDir, {QStringLiteral("*.bmp")});
    QDir().mkpath(paths.poolDir);

    // Before the first round: the first participants register and type their predictions of
    // every round, as the pool's screens would store them.
    const int registered = std::min(participants, RegisteredThroughThePool);
    for (int i = 0; i < registered; ++i) {
        const Pool::Registration r =
            Pool::registerParticipant(paths.dataDir, paths.poolDir, participantName(i));
        if (!r.registered)
            fail(QStringLiteral("registration refused: %1").arg(r.message));
        for (int round = 1; round <= Season::Rounds; ++round)
            Pool::storePredictions(paths.poolDir, participantName(i), round, predictions(i, round));
    }
    for (int i = 0; i < registered; ++i) {
        const QString path = Pool::participantPath(paths.poolDir, participantName(i));
        if (TextFile::readBytes(path) != TextFile::joinLines(participantFile(i)))
            fail(QStringLiteral("the writer does not reproduce %1").arg(path));
    }
    QStringList list;
    for (int i = 0; i < participants; ++i)
        list << participantName(i);
    const QString listPath = TextFile::resolve(paths.poolDir, Pool::ListFile);
    if (TextFile::readBytes(listPath) != TextFile::joinLines(list.mid(0, registered)))
        fail(QStringLiteral("the writer does not reproduce %1").arg(listPath));
    // The exact names: the directory is new, so no spelling differing in case can be there, and
    // resolving each new name would list the whole directory once per file.
    for (int i = registered; i < participants; ++i)
        writeFast(paths.poolDir + participantName(i) + QLatin1String(".txt"),
                  TextFile::joinLines(participantFile(i)));
    writeFast(listPath, TextFile::joinLines(list));

    // The season, one round after the other through the round table's store operation.
    QRandomGenerator random(ResultSeed);
    for (int round = 1; round <= Season::Rounds; ++round)
        Results::storeRoundResults(paths.dataDir, round, roundScores(random));
}

} // namespace

QString participantName(int i)
{
    static const char *const first[] = {"Ana",  "Bia",      "Jo\xe3o",  "Z\xe9", "Concei\xe7\xe3o",
                                        "Luiz", "Tain\xe1", "M\xe1rio", "Cida",  "Ot\xe1vio",
                                        "Rafa", "S\xf4nia"};
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(first[i % std::size(first)])).arg(i + 1);
}

QString defaultRoot()
{
    const QString fromEnv = qEnvironmentVariable("VELURINO_BENCH_DATA");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data"));
}

Paths prepare(const QString &root, int participants, bool pictures)
{
    const QString dir = QDir(root).filePath(
        QStringLiteral("%1-%2").arg(pictures ? "screens" : "pool").arg(participants));
    Paths paths;
    paths.programPath = QDir(dir).filePath(QStringLiteral("velurino"));
    paths.dataDir = QDir(dir).filePath(QStringLiteral("dados")) + QLatin1Char('/');
    paths.poolDir = paths.dataDir + QStringLiteral("player/");

    const QString stampPath = QDir(dir).filePath(QStringLiteral("generated.txt"));
    const QByteArray stamp = stampText(participants, pictures).toLatin1();
    {
        QFile file(stampPath);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == stamp)
            return paths;
    }
    std::fprintf(stderr, "bench data: writing a season with %d participants in %s\n", participants,
                 qPrintable(dir));
    QDir(dir).removeRecursively();
    QDir().mkpath(paths.poolDir);
    try {
        generate(paths, participants, pictures);
    } catch (const VelurinoError &error) {
        fail(error.message());
    }
    writeFast(stampPath, stamp);
    return paths;
}

RecomputeFiles recomputeFiles(const Paths &paths)
{
    RecomputeFiles files;
    files.read << TextFile::resolve(paths.dataDir, Season::ResultFile)
               << TextFile::resolve(paths.dataDir, Season::RoundFile)
               << TextFile::resolve(paths.poolDir, Pool::ListFile);
    for (const QString &name : Pool::readList(paths.poolDir)) {
        files.read << Pool::participantPath(paths.poolDir, name);
        files.written << files.read.last();
    }
    files.written << TextFile::resolve(paths.dataDir, Pool::RankFile);
    return files;
}

bool takeOption(const char *arg, const char *name, std::string &value)
{
    const size_t n = std::strlen(name);
    if (std::strncmp(arg, name, n) != 0 || arg[n] != '=')
        return false;
    value = arg + n + 1;
    return true;
}

} // namespace BenchSeason
