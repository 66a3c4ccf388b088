// Small season and pool files for the pool's tests: a fixture of 42 rounds, result blocks, round
// pages, the participants list and participant files, written as the program would find them.
#pragma once

#include "testfiles.h"

#include <QStringList>

namespace PoolSeason {

using TestFiles::bytesOf;
using TestFiles::joined;
using TestFiles::snapshot;
using TestFiles::write;

inline QString home(int round, int k)
{
    return QStringLiteral("Casa%1-%2").arg(round).arg(k);
}
inline QString away(int round, int k)
{
    return QStringLiteral("Fora%1-%2").arg(round).arg(k);
}

// "Rodada.txt": the count, the second integer, 42 fixture sections.
inline QStringList roundFile(int stored, int threshold = 0)
{
    QStringList lines{QString::number(stored), QString::number(threshold)};
    for (int n = 1; n <= 42; ++n) {
        lines += QStringLiteral("[%1]").arg(n);
        for (int k = 1; k <= 11; ++k)
            lines += {home(n, k), away(n, k)};
    }
    return lines;
}

// One result block: `goals` holds 22 texts (home and away of each match).
inline QStringList block(int round, const QStringList &goals)
{
    return QStringList{QStringLiteral("[%1]").arg(round)} + goals +
           QStringList{QStringLiteral("[/%1]").arg(round)};
}

// 22 goal texts: match k ends `h`-`a` for the given pairs, "0"-"0" for the rest.
inline QStringList goals(const QList<QPair<QString, QString>> &first = {})
{
    QStringList values;
    for (int k = 0; k < 11; ++k) {
        const auto pair =
            k < first.size() ? first.at(k) : qMakePair(QStringLiteral("0"), QStringLiteral("0"));
        values += {pair.first, pair.second};
    }
    return values;
}

inline QStringList participant(const QString &name,
                               const QStringList &counters = {"0", "0", "0", "0"})
{
    return QStringList{QStringLiteral("[%1]").arg(name)} + counters +
           QStringList{QStringLiteral("[/%1]").arg(name)};
}

// "tabela1.htm": a header and a small body per round naming the round.
inline QStringList pageFile()
{
    QStringList lines{QStringLiteral("<html><body>"), QStringLiteral("[=")};
    for (int n = 1; n <= 42; ++n)
        lines +=
            {QString::number(n), QStringLiteral("never shown"),
             QStringLiteral("<p>Jogos da rodada %1</p>").arg(n), QStringLiteral("[%1]").arg(n)};
    return lines;
}

} // namespace PoolSeason
