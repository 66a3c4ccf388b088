#include "seasonfixture.h"

#include "platform/textfile.h"

namespace SeasonFixture {

namespace {

// Circle method: club 21 stays, the others turn; the second half repeats the first with home
// and away exchanged.
std::pair<int, int> pairing(int round, int k)
{
    const int r = (round - 1) % 21;
    const auto turning = [](int i) { return ((i % 21) + 21) % 21; };
    std::pair<int, int> match =
        k == 0 ? std::pair{21, turning(r)} : std::pair{turning(r + k), turning(r - k)};
    if (round > 21)
        std::swap(match.first, match.second);
    return match;
}

} // namespace

QStringList teams()
{
    return {"Alvorada", "Aurense", "Brisamar",    "Caravela", "Cometa",     "Cordilheira",
            "Estrela",  "Farol",   "Ferroviario", "Gaviao",   "Jequitiba",  "Lagoense",
            "Marujos",  "Mirante", "Operario",    "Pioneiro", "Ribeirinho", "Serrano",
            "Tropeiro", "Uniao",   "Ventania",    "Veraneio"};
}

QString homeOf(int round, int k)
{
    return teams().at(pairing(round, k).first);
}

QString awayOf(int round, int k)
{
    return teams().at(pairing(round, k).second);
}

void write(const QString &dataDir)
{
    QStringList rounds{"0", "42"};
    // Sections in reverse order: readers look them up, they do not count on the order.
    for (int round = 42; round >= 1; --round) {
        rounds << QStringLiteral("[%1]").arg(round);
        for (int k = 0; k < 11; ++k)
            rounds << homeOf(round, k) << awayOf(round, k);
        rounds << QString();
    }
    TestFiles::writeLines(dataDir + "Rodada.txt", rounds);
    TestFiles::writeLines(dataDir + "Resultado.txt", {});

    QStringList records;
    const QStringList clubs = teams();
    // Details of the first half of the clubs stand before the records, the rest after them.
    const auto details = [](const QString &club) {
        return QStringList{club, QStringLiteral("<h3>Clube %1</h3>").arg(club),
                           QStringLiteral("<p><a href=\"http://%1.example.org/\">site</a></p>")
                               .arg(club.toLower()),
                           "=]"};
    };
    for (int i = 0; i < 11; ++i)
        records << details(clubs.at(i));
    for (const QString &club : clubs)
        records << "[" + club + "]"
                << "0"
                << "0"
                << "0"
                << "0"
                << "0"
                << "0"
                << "0"
                << "==]";
    for (int i = 11; i < 22; ++i)
        records << details(clubs.at(i));
    TestFiles::writeLines(dataDir + "Times.txt", records);

    QStringList names;
    for (const QString &club : clubs)
        names << QStringLiteral("%1 F.C.").arg(club);
    TestFiles::writeLines(dataDir + "Nomes.txt", names);

    QStringList pages{"<html><body>", "<p>Campeonato</p>", "[="};
    for (int round = 1; round <= 42; ++round) {
        pages << QString::number(round) << "never shown";
        pages << QStringLiteral("<p>Jogos da rodada %1</p>").arg(round);
        for (int k = 0; k < 11; ++k)
            pages << QStringLiteral("<p>%1 x %2</p>").arg(homeOf(round, k), awayOf(round, k));
        pages << QStringLiteral("[%1]").arg(round);
    }
    TestFiles::writeLines(dataDir + "tabela1.htm", pages);
}

QByteArray bytes(const QString &dataDir, const QString &name)
{
    return TestFiles::bytesOf(dataDir + name);
}

void writeBytes(const QString &dataDir, const QString &name, const QByteArray &bytes)
{
    TestFiles::writeBytes(dataDir + name, bytes);
}

QStringList counters(const QString &dataDir, const QString &team)
{
    const QStringList lines = TextFile::readLines(dataDir, "Times.txt");
    const int t = TextFile::findLine(lines, "[" + team + "]");
    return t < 0 ? QStringList() : lines.mid(t + 1, 7);
}

QStringList allScores(const QString &home, const QString &away)
{
    QStringList boxes;
    for (int k = 0; k < 11; ++k)
        boxes << home << away;
    return boxes;
}

} // namespace SeasonFixture
