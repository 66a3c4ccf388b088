#include "championship/rules/teamdetails.h"

#include "platform/textfile.h"

namespace TeamDetails {

const QString DetailsFile = QStringLiteral("times.txt");

QString detailsPage(const QStringList &lines, const QString &key)
{
    const int k = TextFile::findLine(lines, key);
    if (k == TextFile::NotFound)
        return {};
    const int e = TextFile::findLine(lines, QStringLiteral("=]"), k + 1);
    if (e == TextFile::NotFound)
        return {};
    QString page;
    for (int i = k + 1; i < e; ++i)
        page += lines.at(i) + QLatin1String("\r\n");
    return page;
}

std::optional<QString> readDetailsPage(const QString &dataDir, const QString &key)
{
    if (!TextFile::exists(dataDir, DetailsFile))
        return std::nullopt;
    return detailsPage(TextFile::readLines(dataDir, DetailsFile), key);
}

} // namespace TeamDetails
