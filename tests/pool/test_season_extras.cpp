// What goes beyond the season's own screens: tables exported for a spreadsheet, a closed round's
// bets, dated copies of the data directory put back all or nothing, and a fresh season.
#include "poolseason.h"

#include "platform/seasoncopies.h"
#include "platform/tableexport.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/rules/newseason.h"
#include "pool/rules/roundbets.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace PoolSeason;
using TestFiles::Snapshot;
using TestFiles::writeBytes;

namespace {

const QDateTime When(QDate(2026, 12, 9), QTime(14, 5, 33));

QByteArray utf8(const char *text)
{
    return QByteArray(text);
}

} // namespace

class TestSeasonExtras : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void csv_data();
    void csv();
    void htmlEscapesAndAlignsNumbers();
    void exportWritesWholeFilesOrNone();

    void roundBets();

    void copyLeavesOutTheLockAndRestoresAllOrNothing();
    void recoverRemovesUnfinishedCopies();
    void newSeason_data();
    void newSeason();

private:
    void writeData(const QString &name, const QStringList &lines) { write(m_data + name, lines); }
    void writePool(const QString &name, const QStringList &lines) { write(m_pool + name, lines); }
    void seasonInProgress();

    QTemporaryDir *m_dir = nullptr;
    QString m_data;
    QString m_pool;
};

void TestSeasonExtras::init()
{
    m_dir = new QTemporaryDir;
    QDir(m_dir->path()).mkpath(QStringLiteral("dados/player"));
    m_data = m_dir->filePath(QStringLiteral("dados")) + QLatin1Char('/');
    m_pool = m_data + QStringLiteral("player/");
}

void TestSeasonExtras::cleanup()
{
    TextFile::setWriteFilter({});
    delete m_dir;
}

// Round 2 stored (match 1 ended 3-1, the rest 0-0), Ana with predictions for rounds 2 and 3, Bia
// with none; two clubs with counters and a details page.
void TestSeasonExtras::seasonInProgress()
{
    writeData(QStringLiteral("Rodada.txt"), roundFile(1));
    writeData(QStringLiteral("Resultado.txt"), block(2, goals({{"3", "1"}})));
    writeData(QStringLiteral("Times.txt"),
              {"[A]", "3",   "1", "1", "0", "0", "3", "1", "==]", "A",  "<p>Clube A</p>",
               "=]",  "[B]", "0", "1", "0", "0", "1", "1", "3",   "==]"});
    writeData(QStringLiteral("Rank.txt"), {"Ana", "Bia"});
    writePool(QStringLiteral("Lista.txt"), {"Ana", "Bia"});
    QStringList ana = participant(QStringLiteral("Ana"), {"7", "1", "2", "2"});
    ana += block(2, goals({{"3", "1"},
                           {"1", "1"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"},
                           {"5", "6"}}));
    ana += block(3, goals({{"2", "2"}}));
    writePool(QStringLiteral("Ana.txt"), ana);
    writePool(QStringLiteral("Bia.txt"), participant(QStringLiteral("Bia")));
}

void TestSeasonExtras::csv_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("accents as UTF-8, numbers as they stand")
        << QStringList{"1º", "São Caetano", "07", "-2"} << utf8("1º;São Caetano;07;-2\r\n");
    QTest::newRow("separator and quote inside a cell")
        << QStringList{"2º", "A;B", "Diz \"oi\"", "0"}
        << utf8("2º;\"A;B\";\"Diz \"\"oi\"\"\";0\r\n");
    QTest::newRow("blanks at the ends are kept by quoting")
        << QStringList{"3º", " Ana ", "", "0"} << utf8("3º;\" Ana \";;0\r\n");
    QTest::newRow("a name read as a formula is kept as text")
        << QStringList{"5º", "=1+1", "-x", "-3"} << utf8("5º;'=1+1;'-x;-3\r\n");
}

void TestSeasonExtras::csv()
{
    QFETCH(QStringList, row);
    QFETCH(QByteArray, line);
    const ExportTable table{QStringLiteral("Classificação"),
                            QStringLiteral("x"),
                            {"Pos.", "Times", "PG", "SG"},
                            {row, {"4º", "Z", "1", "1"}}};
    QCOMPARE(TableExport::csv(table),
             utf8("\xEF\xBB\xBFPos.;Times;PG;SG\r\n") + line + utf8("4º;Z;1;1\r\n"));
}

void TestSeasonExtras::htmlEscapesAndAlignsNumbers()
{
    const ExportTable table{QStringLiteral("Ranking geral"),
                            QStringLiteral("x"),
                            {"Pos.", "Usuário", "PG"},
                            {{"1º", "<Zé & cia>", "12"}, {"2º", "Ana", "-1"}},
                            {{{1, 1}, "exato"}},
                            {{"exato", "placar exato"}}};
    const QString page = QString::fromUtf8(TableExport::html(table, When));
    QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(page.contains(QStringLiteral("Ranking geral</h1>")));
    QVERIFY(page.contains(QStringLiteral("<p>09/12/2026 às 14:05</p>")));
    QVERIFY(page.contains(QStringLiteral("<tr><td class=\"n\">1º</td><td>&lt;Zé &amp; cia&gt;"
                                         "</td><td class=\"n\">12</td></tr>")));
    QVERIFY(page.contains(QStringLiteral("<th>Usuário</th>")));
    QVERIFY(page.contains(QStringLiteral("<td class=\"exato\">Ana</td>")));
    QVERIFY(page.contains(QStringLiteral("</span> placar exato</p>")));
    QVERIFY(!TableExport::csv(table).contains("exato"));
}

void TestSeasonExtras::exportWritesWholeFilesOrNone()
{
    const QString folder = m_dir->filePath(QStringLiteral("Documentos"));
    QDir().mkpath(folder);
    ExportTable table{
        QStringLiteral("Classificação"), QStringLiteral("Classificação"), {"Pos.", "Times"}, {}};
    for (int r = 1; r <= 22; ++r)
        table.rows << QStringList{QStringLiteral("%1º").arg(r), QStringLiteral("Clube %1").arg(r)};
    const QStringList paths = TableExport::exportTo(table, folder, When);
    QCOMPARE(paths, (QStringList{folder + "/Classificação.csv", folder + "/Classificação.html"}));
    // Read back as a spreadsheet would: the mark, then one line per row, two cells each.
    const QByteArray bytes = bytesOf(paths.first());
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.at(22).split(';'), (QStringList{"22º", "Clube 22"}));

    const QByteArray before = bytesOf(paths.first());
    TextFile::setWriteFilter([](const QString &path) { return !path.endsWith(".html"); });
    table.rows.removeLast();
    QVERIFY_THROWS_EXCEPTION(VelurinoError, TableExport::exportTo(table, folder, When));
    TextFile::setWriteFilter({});
    QVERIFY(bytesOf(paths.first()) != before); // the CSV, written first, is whole and new
    QVERIFY(bytesOf(paths.last()).endsWith("</html>\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    QVERIFY_THROWS_EXCEPTION(VelurinoError,
                             TableExport::exportTo(table, folder + "/nenhuma", When));
}

void TestSeasonExtras::roundBets()
{
    seasonInProgress();
    const RoundBets closed = Pool::roundBets(m_data, m_pool, 2);
    QVERIFY(closed.closed);
    QCOMPARE(closed.fixture.at(0).home, home(2, 1));
    QCOMPARE(closed.results.first(), QStringLiteral("3x1"));
    QCOMPARE(closed.results.last(), QStringLiteral("0x0"));
    QCOMPARE(closed.rows.size(), 2);
    const RoundBetsRow &ana = closed.rows.at(0);
    QCOMPARE(ana.counters, (TRankRow{"Ana", 7, 1, 2, 2}));
    QCOMPARE(ana.bets.at(0).text, QStringLiteral("3x1"));
    QCOMPARE(ana.bets.at(0).hit, BetCell::Exact);
    QCOMPARE(ana.bets.at(1).hit, BetCell::Outcome);
    QCOMPARE(ana.bets.at(2).text, QStringLiteral("5x6"));
    QCOMPARE(ana.bets.at(2).hit, BetCell::Miss);
    const RoundBetsRow &bia = closed.rows.at(1);
    QCOMPARE(bia.counters, (TRankRow{"Bia", 0, 0, 0, 0}));
    QCOMPARE(bia.bets.size(), 11);
    QCOMPARE(bia.bets.at(0).text, QString());

    // Ana's predictions for round 3 exist, but the round has no results: nothing shows.
    const RoundBets open = Pool::roundBets(m_data, m_pool, 3);
    QVERIFY(!open.closed);
    QVERIFY(open.rows.isEmpty());
    QVERIFY(open.results.isEmpty());
}

void TestSeasonExtras::copyLeavesOutTheLockAndRestoresAllOrNothing()
{
    seasonInProgress();
    QDir(m_data).mkpath(QStringLiteral("escudo"));
    writeBytes(m_data + "escudo/a.bmp", "BM picture");
    writeBytes(m_data + "velurino.lock", "123");
    const Snapshot season = snapshot(m_data);
    const QString copies = SeasonCopies::copiesDirFor(m_data);
    QCOMPARE(copies, m_dir->filePath(QStringLiteral("copias")));

    const QString first = SeasonCopies::makeCopy(m_data, copies, When);
    const QString second = SeasonCopies::makeCopy(m_data, copies, When.addSecs(-60));
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("2026-12-09 14-05-33"));
    Snapshot expected = season;
    expected.remove("velurino.lock");
    QCOMPARE(snapshot(first), expected);
    const auto listed = SeasonCopies::listCopies(copies);
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.at(0).path, first);
    QCOMPARE(listed.at(1).path, second);
    QCOMPARE(NewSeason::describeCopy(first), QStringLiteral("1 rodada gravada, 2 participantes"));
    QCOMPARE(QFileInfo(SeasonCopies::makeCopy(m_data, copies, When)).fileName(),
             QStringLiteral("2026-12-09 14-05-33 (2)"));

    // The season moves on: a file changed, a participant added, a picture gone.
    writeData(QStringLiteral("Resultado.txt"), {});
    writePool(QStringLiteral("Zeca.txt"), participant(QStringLiteral("Zeca")));
    QFile::remove(m_data + "escudo/a.bmp");
    const Snapshot moved = snapshot(m_data);

    // A write that fails half way changes nothing.
    TextFile::setWriteFilter([](const QString &path) { return !path.endsWith("a.bmp"); });
    QVERIFY_THROWS_EXCEPTION(VelurinoError, SeasonCopies::restoreCopy(first, m_data));
    TextFile::setWriteFilter({});
    QCOMPARE(snapshot(m_data), moved);

    SeasonCopies::restoreCopy(first, m_data);
    QCOMPARE(snapshot(m_data), season); // the lock file stays the running program's

    const QString empty = copies + "/2026-01-01 00-00-00";
    QDir().mkpath(empty);
    QVERIFY_THROWS_EXCEPTION(VelurinoError, SeasonCopies::restoreCopy(empty, m_data));
    QCOMPARE(snapshot(m_data), season);
}

void TestSeasonExtras::recoverRemovesUnfinishedCopies()
{
    seasonInProgress();
    const QString copies = m_dir->filePath(QStringLiteral("copias"));
    const QString unfinished = copies + "/2026-12-09 14-05-33.gravando";
    QDir().mkpath(unfinished);
    writeBytes(unfinished + "/Rodada.txt", "0\r\n");
    QDir(m_data).mkpath(QStringLiteral("escudo"));
    writeBytes(m_data + "escudo/a.bmp.gravando", "half");
    QVERIFY(SeasonCopies::listCopies(copies).isEmpty());
    SeasonCopies::recover(m_data, copies);
    QVERIFY(!QFileInfo::exists(unfinished));
    QVERIFY(!QFileInfo::exists(m_data + "escudo/a.bmp.gravando"));
}

void TestSeasonExtras::newSeason_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("participants kept, predictions cleared") << true << false;
    QTest::newRow("empty pool") << false << false;
    QTest::newRow("the delivered season's files put back") << false << true;
}

void TestSeasonExtras::newSeason()
{
    QFETCH(bool, keep);
    QFETCH(bool, delivered);
    seasonInProgress();
    const QStringList fixture = roundFile(0);
    QString deliveredDir;
    if (delivered) {
        deliveredDir = m_dir->filePath(QStringLiteral("share"));
        QDir().mkpath(deliveredDir);
        write(deliveredDir + "/Rodada.txt", fixture);
        write(deliveredDir + "/Times.txt", {"[A]", "0", "0", "0", "0", "0", "0", "0", "==]"});
        write(deliveredDir + "/Resultado.txt", {});
        write(deliveredDir + "/Rank.txt", {"stale"});
    }
    NewSeason::start(m_data, m_pool, keep, deliveredDir);

    QCOMPARE(bytesOf(m_data + "Rodada.txt"), joined(fixture));
    QCOMPARE(bytesOf(m_data + "Resultado.txt"), QByteArray());
    QCOMPARE(
        bytesOf(m_data + "Times.txt"),
        delivered
            ? joined({"[A]", "0", "0", "0", "0", "0", "0", "0", "==]"})
            : joined({"[A]", "0",   "0", "0", "0", "0", "0", "0", "==]", "A",  "<p>Clube A</p>",
                      "=]",  "[B]", "0", "0", "0", "0", "0", "0", "0",   "==]"}));
    const QStringList names = keep ? QStringList{"Ana", "Bia"} : QStringList{};
    QCOMPARE(bytesOf(m_pool + "Lista.txt"), joined(names));
    QCOMPARE(bytesOf(m_data + "Rank.txt"), joined(names));
    QCOMPARE(bytesOf(m_pool + "Ana.txt"),
             keep ? joined(participant("Ana")) : QByteArray("<missing>"));
    QCOMPARE(QFileInfo::exists(m_pool + "Bia.txt"), keep);
}

QTEST_GUILESS_MAIN(TestSeasonExtras)
#include "test_season_extras.moc"
