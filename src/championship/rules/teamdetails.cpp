#include "championship/rules/teamdetails.h"

#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

namespace TeamDetails {

const QString DetailsFile = QStringLiteral("times.txt");

namespace {

const QString SectionEnd = QStringLiteral("=]");

// The key's line and the line of its "=]", or nothing when either is missing.
std::optional<std::pair<int, int>> sectionOf(const QStringList &lines, const QString &key)
{
    const int k = TextFile::findLine(lines, key);
    if (k == TextFile::NotFound)
        return std::nullopt;
    const int e = TextFile::findLine(lines, SectionEnd, k + 1);
    if (e == TextFile::NotFound)
        return std::nullopt;
    return std::pair{k, e};
}

} // namespace

bool hasDetailsSection(const QStringList &lines, const QString &key)
{
    return sectionOf(lines, key).has_value();
}

QString detailsPage(const QStringList &lines, const QString &key)
{
    const auto section = sectionOf(lines, key);
    if (!section)
        return {};
    const auto [k, e] = *section;
    QString page;
    for (int i = k + 1; i < e; ++i)
        page += lines.at(i) + QLatin1String("\r\n");
    return page;
}

std::optional<QString> readDetailsPage(const QString &dataDir, const QString &key)
{
    if (!TextFile::exists(dataDir, DetailsFile))
        return std::nullopt;
    const QStringList lines = TextFile::readLines(dataDir, DetailsFile);
    if (!hasDetailsSection(lines, key))
        throw VelurinoError(
            QStringLiteral("Os detalhes do time \"%1\" estão faltando ou cortados no arquivo "
                           "\"%2\".")
                .arg(key, Season::TeamFile));
    return detailsPage(lines, key);
}

QString displayName(const QStringList &teamFile, const QStringList &names, const QString &key)
{
    const int k = TextFile::findLine(teamFile, QLatin1Char('[') + key + QLatin1Char(']'));
    if (k == TextFile::NotFound)
        return key;
    // Line n of the names file belongs to the record closed by the n-th "==]".
    int record = 0;
    for (int i = 0; i < k; ++i)
        record += teamFile.at(i) == QLatin1String("==]");
    return record < names.size() && !names.at(record).trimmed().isEmpty() ? names.at(record) : key;
}

QString readDisplayName(const QString &dataDir, const QString &key)
{
    if (!TextFile::exists(dataDir, Season::TeamFile) ||
        !TextFile::exists(dataDir, Season::NameFile))
        return key;
    return displayName(TextFile::readLines(dataDir, Season::TeamFile),
                       TextFile::readLines(dataDir, Season::NameFile), key);
}

} // namespace TeamDetails
