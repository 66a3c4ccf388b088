// The details page of a club: the lines between the first line holding the club's key and the
// next "=]", each followed by CR LF; an empty page when the key or its "=]" is missing. Input:
// the details file, then a key; the harness also asks for the page of a spread of the file's own
// lines, as the teams screen asks with the keys the file was written for. The page read through
// the data directory (under the other spelling of the file name) must be the same page, or a
// refusal when the club's section is missing or cut.
#include "fuzzinput.h"

#include "championship/rules/teamdetails.h"

namespace {

QString pageAsDescribed(const QStringList &lines, const QString &key)
{
    const int k = Fuzz::firstLine(lines, key);
    if (k < 0)
        return {};
    const int e = Fuzz::firstLine(lines, QStringLiteral("=]"), k + 1);
    if (e < 0)
        return {};
    QString page;
    for (int i = k + 1; i < e; ++i)
        page += lines.at(i) + QStringLiteral("\r\n");
    return page;
}

void run(const uint8_t *data, size_t size)
{
    const QList<QByteArray> files = Fuzz::splitFiles(data, size, 2);
    const QStringList lines = Fuzz::linesOf(files.at(0));

    QStringList keys;
    if (Fuzz::hasFile(data, size, 1))
        keys.append(TextFile::decode(files.at(1)));
    const qsizetype probes = std::min<qsizetype>(lines.size(), 16);
    for (qsizetype p = 0; p < probes; ++p)
        keys.append(lines.at(p * lines.size() / probes));

    for (const QString &key : std::as_const(keys))
        FUZZ_CHECK(TeamDetails::detailsPage(lines, key) == pageAsDescribed(lines, key));

    const QString dir = Fuzz::freshDirectory();
    Fuzz::writeFile(dir + QStringLiteral("Times.txt"), files.at(0));
    for (const QString &key : keys.mid(0, 3)) {
        const bool whole = TeamDetails::hasDetailsSection(lines, key);
        try {
            const std::optional<QString> page = TeamDetails::readDetailsPage(dir, key);
            FUZZ_CHECK(whole && page && *page == pageAsDescribed(lines, key));
        } catch (const VelurinoError &) {
            FUZZ_CHECK(!whole);
        }
    }
}

} // namespace

FUZZ_ENTRY(run)
