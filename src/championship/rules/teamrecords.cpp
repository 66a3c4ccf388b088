#include "championship/rules/teamrecords.h"

#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

namespace TeamRecords {

const QString RecordEnd = QStringLiteral("==]");

QList<int> recordEnds(const QStringList &teamFile)
{
    QList<int> ends;
    for (int k = TextFile::findLine(teamFile, RecordEnd); k != TextFile::NotFound;
         k = TextFile::findLine(teamFile, RecordEnd, k + 1))
        ends.append(k);
    return ends;
}

int findRecord(const QStringList &teamFile, const QString &name)
{
    const int t = TextFile::findLine(teamFile, QLatin1Char('[') + name + QLatin1Char(']'));
    if (t == TextFile::NotFound)
        throw VelurinoError(
            QStringLiteral("O time \"%1\" da tabela não tem registro no arquivo \"%2\".")
                .arg(quotedName(name), Season::TeamFile));
    if (t + CounterCount + 1 >= teamFile.size() ||
        teamFile.at(t + CounterCount + 1).compare(RecordEnd, Qt::CaseInsensitive) != 0)
        throw VelurinoError(
            QStringLiteral("O registro do time \"%1\" no arquivo \"%2\" está incompleto.")
                .arg(quotedName(name), Season::TeamFile));
    return t + 1;
}

Counters readCounters(const QStringList &teamFile, int first)
{
    Counters counters{};
    for (int i = 0; i < CounterCount; ++i)
        counters[i] = Season::toInteger(teamFile.at(first + i), Season::TeamFile, first + i);
    return counters;
}

void writeCounters(QStringList &teamFile, int first, const Counters &counters)
{
    for (int i = 0; i < CounterCount; ++i)
        teamFile[first + i] = QString::number(counters[i]);
}

} // namespace TeamRecords
