// A club's details page on the teams screen: the lines of "times.txt" between the line holding
// the club's key and the next "=]", as one HTML text. Reads only.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace TeamDetails {

extern const QString DetailsFile; // "times.txt", the same file as "Times.txt"

// Each line followed by CR LF. A key without a section gives an empty page, never another
// club's lines; so does a section without its "=]".
QString detailsPage(const QStringList &lines, const QString &key);

// True when the lines hold the club's key and, after it, the "=]" that closes its section.
bool hasDetailsSection(const QStringList &lines, const QString &key);

// The page of `key`; no value when the data directory has no "times.txt". A club whose section
// is missing or cut short is refused naming the club and the file, rather than shown as an
// empty page that reads as a club with no history.
std::optional<QString> readDetailsPage(const QString &dataDir, const QString &key);

} // namespace TeamDetails
