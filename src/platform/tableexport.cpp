#include "platform/tableexport.h"

#include "platform/filechanges.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString csvCell(const QString &input)
{
    // A name a spreadsheet would take for a formula ("=...", "+...", "@...", or "-" before
    // anything but a number) is written as text, behind an apostrophe, so opening the file never
    // runs what someone typed as a participant's name.
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    const bool formula = !input.isEmpty() &&
                         (input.front() == QLatin1Char('=') || input.front() == QLatin1Char('+') ||
                          input.front() == QLatin1Char('@') ||
                          (input.front() == QLatin1Char('-') && !number.match(input).hasMatch()));
    const QString text = formula ? QLatin1Char('\'') + input : input;
    const bool quoted = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                        text != text.trimmed();
    if (!quoted)
        return text;
    QString inner = text;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString csvLine(const QStringList &cells)
{
    QStringList out;
    for (const QString &cell : cells)
        out << csvCell(cell);
    return out.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

QString htmlCell(const char *tag, const QString &text, bool right, const QString &mark = {})
{
    QStringList classes;
    if (right)
        classes << QStringLiteral("n");
    if (!mark.isEmpty())
        classes << mark;
    const QString attribute =
        classes.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(classes.join(' '));
    return QStringLiteral("<%1%2>%3</%1>").arg(QLatin1String(tag), attribute, text.toHtmlEscaped());
}

} // namespace

namespace TableExport {

QByteArray csv(const ExportTable &table)
{
    QString text = csvLine(table.headers);
    for (const QStringList &row : table.rows)
        text += csvLine(row);
    // The byte-order mark is what tells the spreadsheet the file is UTF-8 rather than its ANSI
    // code page; without it every accent comes out wrong.
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString dateLine(const QDateTime &when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm"));
}

bool isNumericColumn(const ExportTable &table, int column)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+º?$"));
    bool any = false;
    for (const QStringList &row : table.rows) {
        const QString cell = row.value(column);
        if (cell.isEmpty())
            continue;
        if (!number.match(cell).hasMatch())
            return false;
        any = true;
    }
    return any;
}

QByteArray html(const ExportTable &table, const QDateTime &when)
{
    QList<bool> right;
    for (int c = 0; c < table.headers.size(); ++c)
        right << isNumericColumn(table, c);
    QString page =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1</title>\n<style>\nbody { font-family: Arial, sans-serif; }\n"
                       "table { border-collapse: collapse; }\nth, td { border: 1px solid #808080; "
                       "padding: 2px 6px; }\nth { background: #0b3a1e; color: #fbf4dc; }\n"
                       ".n { text-align: right; }\n.exato { background: #2e8b57; color: white; }\n"
                       ".resultado { background: #f3e19a; }\n</style>\n</head>\n<body>\n"
                       "<h1>Campeonato Velurino 2005 &ndash; %1</h1>\n<p>%2</p>\n<table>\n")
            .arg(table.title.toHtmlEscaped(), dateLine(when).toHtmlEscaped());
    page += QStringLiteral("<tr>");
    for (int c = 0; c < table.headers.size(); ++c)
        page += htmlCell("th", table.headers.at(c), right.at(c));
    page += QStringLiteral("</tr>\n");
    for (int r = 0; r < table.rows.size(); ++r) {
        page += QStringLiteral("<tr>");
        for (int c = 0; c < table.headers.size(); ++c)
            page +=
                htmlCell("td", table.rows.at(r).value(c), right.at(c), table.marks.value({r, c}));
        page += QStringLiteral("</tr>\n");
    }
    page += QStringLiteral("</table>\n");
    for (const auto &[mark, meaning] : table.legend)
        page += QStringLiteral("<p><span class=\"%1\">&nbsp;2x1&nbsp;</span> %2</p>\n")
                    .arg(mark.toHtmlEscaped(), meaning.toHtmlEscaped());
    page += QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

QStringList exportTo(const ExportTable &table, const QString &folder, const QDateTime &when)
{
    if (!QFileInfo(folder).isDir())
        throw VelurinoError(QStringLiteral("A pasta \"%1\" não existe. Nada foi exportado.")
                                .arg(QDir::toNativeSeparators(folder)));
    const QDir dir(folder);
    const QStringList paths{dir.filePath(table.fileStem + QStringLiteral(".csv")),
                            dir.filePath(table.fileStem + QStringLiteral(".html"))};
    // Both contents are built before either file is touched; each one then replaces its file
    // on its own, staged and renamed, so a reader never sees half a table.
    const QByteArray contents[2] = {csv(table), html(table, when)};
    for (int i = 0; i < 2; ++i)
        applyChanges({FileChange::replaceBytes(paths.at(i), contents[i])});
    return paths;
}

} // namespace TableExport
