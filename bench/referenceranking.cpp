#include "referenceranking.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReferenceRanking {

namespace {

constexpr int Rounds = 42;
constexpr int Sides = 22;

[[noreturn]] void fail(const std::string &path)
{
    std::perror(path.c_str());
    std::exit(2);
}

void readFile(const std::string &path, std::string &text)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0)
        fail(path);
    text.resize(size_t(status.st_size));
    if (::read(fd, text.data(), text.size()) != ssize_t(text.size()) || ::close(fd) != 0)
        fail(path);
}

void writeFile(const std::string &path, const std::string &text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, text.data(), text.size()) != ssize_t(text.size()) || ::close(fd) != 0)
        fail(path);
}

void splitLines(std::string_view text, std::vector<std::string_view> &lines)
{
    lines.clear();
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
}

int number(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// "[n]" for n from 1 to 42, else 0.
int marker(std::string_view line)
{
    if (line.size() < 3 || line.size() > 4 || line.front() != '[' || line.back() != ']' ||
        line[1] == '0')
        return 0;
    const int n = number(line.substr(1, line.size() - 2));
    return n >= 1 && n <= Rounds ? n : 0;
}

// A name's bytes in the code page as the UTF-8 of a file name.
std::string fileName(std::string_view name)
{
    static const char16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
        0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::string out;
    for (const char c : name) {
        const unsigned byte = static_cast<unsigned char>(c);
        const unsigned code = byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte;
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

struct Row
{
    std::string_view name;
    int PG = 0, AC = 0, AR = 0, AG = 0;
};

} // namespace

void recompute(const std::string &dataDir, const std::string &poolDir)
{
    std::string resultText, roundText, listText, text, out;
    readFile(dataDir + "Resultado.txt", resultText);
    readFile(dataDir + "Rodada.txt", roundText);
    readFile(poolDir + "Lista.txt", listText);
    std::vector<std::string_view> results, rounds, names, lines;
    splitLines(resultText, results);
    splitLines(roundText, rounds);
    splitLines(listText, names);
    if (rounds.size() < 2 || number(rounds[0]) <= number(rounds[1]))
        return;

    std::array<int, Rounds + 1> block;
    block.fill(-1);
    for (int i = int(results.size()) - 1; i >= 0; --i)
        if (const int n = marker(results[size_t(i)]))
            block[size_t(n)] = i;

    std::vector<Row> rows;
    std::vector<std::string> staged;
    for (const std::string_view name : names) {
        const std::string path = poolDir + fileName(name) + ".txt";
        readFile(path, text);
        splitLines(text, lines);
        // The first marker of each round; one on line 0 is the participant's name: no section.
        std::array<int, Rounds + 1> section{};
        for (int i = int(lines.size()) - 1; i >= 0; --i)
            if (const int n = marker(lines[size_t(i)]))
                section[size_t(n)] = i;
        Row row{name};
        for (int n = 1; n <= Rounds; ++n) {
            const int r = block[size_t(n)], p = section[size_t(n)];
            if (r < 0 || p == 0)
                continue;
            for (int s = 1; s < Sides; s += 2) {
                const std::string_view rh = results[size_t(r + s)], ra = results[size_t(r + s + 1)];
                if (rh == "NO" || ra == "NO")
                    continue;
                const std::string_view ph = lines[size_t(p + s)], pa = lines[size_t(p + s + 1)];
                const int r1 = number(rh), r2 = number(ra), p1 = number(ph), p2 = number(pa);
                const bool outcome = (r1 > r2) == (p1 > p2) && (r1 < r2) == (p1 < p2);
                row.AR += outcome;
                row.AG += (rh == ph) + (ra == pa);
                row.AC += outcome && rh == ph && ra == pa;
            }
        }
        row.PG = 3 * row.AC + row.AR + row.AG;
        out.clear();
        for (size_t i = 0; i < lines.size(); ++i) {
            const int counter[] = {0, row.PG, row.AC, row.AR, row.AG};
            if (i >= 1 && i <= 4)
                out += std::to_string(counter[i]);
            else
                out += lines[i];
            out += "\r\n";
        }
        staged.push_back(path + ".ref");
        writeFile(staged.back(), out);
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.PG, a.AC, a.AR, a.AG) > std::tie(b.PG, b.AC, b.AR, b.AG);
    });
    out.clear();
    for (const Row &row : rows) {
        out += row.name;
        out += "\r\n";
    }
    staged.push_back(dataDir + "Rank.txt.ref");
    writeFile(staged.back(), out);

    const int dir = ::open(dataDir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0 || ::syncfs(dir) != 0 || ::close(dir) != 0)
        fail(dataDir);
    for (const std::string &path : staged)
        if (::rename(path.c_str(), path.substr(0, path.size() - 4).c_str()) != 0)
            fail(path);
}

} // namespace ReferenceRanking
