// The text reader every data file goes through: Windows-1252 decoding, the split at CR LF, lone
// CR and lone LF, the CR LF join and the whole-line lookup. Nothing may be lost on the way: every
// byte is one character that encodes back to the same byte, the lines hold no line end and with
// their ends make up the whole text, and the joined lines read back as the same lines.
#include "fuzzinput.h"

namespace {

// The line ends of the text: CR LF counts once, as one end.
qsizetype lineEnds(const QString &text, qsizetype *endChars)
{
    qsizetype ends = 0;
    *endChars = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        ++ends;
        ++*endChars;
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            ++i;
            ++*endChars;
        }
    }
    return ends;
}

void lookups(const QStringList &lines)
{
    // A spread of lines as searched texts, as the markers and names the rules look up.
    const qsizetype count = lines.size();
    const qsizetype probes = std::min<qsizetype>(count, 24);
    for (qsizetype p = 0; p < probes; ++p) {
        const int i = int(p * count / probes);
        const QString &text = lines.at(i);
        const int first = TextFile::findLine(lines, text);
        FUZZ_CHECK(first == Fuzz::firstLine(lines, text));
        FUZZ_CHECK(first != TextFile::NotFound && first <= i);
        FUZZ_CHECK(TextFile::findLine(lines, text, first) == first);
        FUZZ_CHECK(TextFile::findLine(lines, text, -7) == first);
        const int next = TextFile::findLine(lines, text, i + 1);
        FUZZ_CHECK(next == Fuzz::firstLine(lines, text, i + 1));
        FUZZ_CHECK(TextFile::findLine(lines, text, int(count)) == TextFile::NotFound);
        // Letter case never matters: the line in capitals finds the same first line whenever the
        // capitals are the same letters.
        const QString capitals = text.toUpper();
        if (Fuzz::sameLine(capitals, text))
            FUZZ_CHECK(TextFile::findLine(lines, capitals) == first);
        // A line with one more character is another line.
        FUZZ_CHECK(TextFile::findLine(lines, text + QLatin1Char(' ')) ==
                   Fuzz::firstLine(lines, text + QLatin1Char(' ')));
    }
}

void run(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextFile::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(TextFile::isEncodable(text));
    FUZZ_CHECK(TextFile::encode(text) == bytes);

    const QStringList lines = TextFile::splitLines(text);
    qsizetype endChars = 0;
    const qsizetype ends = lineEnds(text, &endChars);
    const bool openLast = !text.isEmpty() && !text.endsWith(u'\r') && !text.endsWith(u'\n');
    FUZZ_CHECK(lines.size() == ends + (openLast ? 1 : 0));
    qsizetype characters = endChars;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        characters += line.size();
    }
    FUZZ_CHECK(characters == text.size());

    // A decoded text always encodes, so the join of its lines never refuses.
    const QByteArray joined = TextFile::joinLines(lines);
    FUZZ_CHECK(lines.isEmpty() ? joined.isEmpty() : joined.endsWith("\r\n"));
    FUZZ_CHECK(TextFile::splitLines(TextFile::decode(joined)) == lines);
    FUZZ_CHECK(TextFile::joinLines(Fuzz::linesOf(joined)) == joined);
    FUZZ_CHECK(joined.size() == characters - endChars + 2 * lines.size());

    lookups(lines);
}

} // namespace

FUZZ_ENTRY(run)
