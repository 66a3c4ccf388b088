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

} // namespace TeamDetails
