// A made-up season in a data directory, as the championship rules read it: a 42-round fixture
// of 22 clubs ("Rodada.txt"), an empty "Resultado.txt", team records with details sections
// ("Times.txt"), display names ("Nomes.txt") and round pages ("tabela1.htm").
#pragma once

#include "testfiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace SeasonFixture {

// The clubs' keys, alphabetical: also the Hints of the teams screen.
QStringList teams();
// Home and away of match k (0-based) of `round`, as written into "Rodada.txt".
QString homeOf(int round, int k);
QString awayOf(int round, int k);

void write(const QString &dataDir);

QByteArray bytes(const QString &dataDir, const QString &name);
void writeBytes(const QString &dataDir, const QString &name, const QByteArray &bytes);
// The whole data directory, to compare before and after.
using TestFiles::snapshot;

// The seven counters of a team's record, as text.
QStringList counters(const QString &dataDir, const QString &team);

// 22 box texts: every match `home` x `away`.
QStringList allScores(const QString &home, const QString &away);

} // namespace SeasonFixture
