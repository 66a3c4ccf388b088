// The delivered season (data/dados): the fixture is a double round robin, the team files agree
// with it and with each other, every file is Windows-1252 with CR LF, and every round page, laid
// out as the round table shows it, puts each score box inside its score cell.
#include "frame/scoregrid.h"
#include "platform/htmlview.h"
#include "platform/textfile.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

constexpr int Rounds = 42;
constexpr int Matches = 11;
constexpr int Teams = 22;

QString seasonDir()
{
    return qEnvironmentVariable("VELURINO_SEASON_DIR");
}

QStringList lines(const QString &name)
{
    return TextFile::readLines(seasonDir(), name);
}

// A display name without its accents: "Ferroviário" becomes "Ferroviario".
QString plain(const QString &name)
{
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

struct Match
{
    QString home;
    QString away;
};

// The fixture of every round, read with the lookup the program uses.
QList<QList<Match>> fixture(const QStringList &rodada)
{
    QList<QList<Match>> rounds;
    for (int n = 1; n <= Rounds; ++n) {
        const int f = TextFile::findLine(rodada, QStringLiteral("[%1]").arg(n));
        QList<Match> round;
        for (int k = 1; f >= 0 && k <= Matches && f + 2 * k < rodada.size(); ++k)
            round.append({rodada[f + 2 * k - 1], rodada[f + 2 * k]});
        rounds.append(round);
    }
    return rounds;
}

// The round page of round n, built as the round table builds it.
QString roundPage(const QStringList &tabela, int n)
{
    const int h = TextFile::findLine(tabela, QStringLiteral("[="));
    const int a = TextFile::findLine(tabela, QString::number(n));
    const int b = TextFile::findLine(tabela, QStringLiteral("[%1]").arg(n));
    QStringList page = tabela.mid(0, qMax(h, 0));
    if (a >= 0 && b > a)
        page += tabela.mid(a + 2, b - a - 2);
    return page.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

struct Cell
{
    QTextTable *table;
    int row;
    int column;
    QRectF rect; // in document coordinates
};

qreal side(const QTextTableCellFormat &cell, QTextFormat::Property own, qreal tableValue)
{
    return cell.hasProperty(own) ? cell.doubleProperty(own) : tableValue;
}

// Every cell of every table, with the rectangle its blocks, padding and border take up. For a cell
// whose content does not fill it (a taller neighbour, middle alignment) this is the part it is sure
// to cover, so a box inside it is inside the cell.
QList<Cell> cells(QTextDocument *doc)
{
    QList<Cell> out;
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    QList<QTextFrame *> frames = doc->rootFrame()->childFrames();
    while (!frames.isEmpty()) {
        QTextFrame *frame = frames.takeFirst();
        frames += frame->childFrames();
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        const QTextTableFormat tf = table->format();
        for (int r = 0; r < table->rows(); ++r) {
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.row() != r || cell.column() != c)
                    continue;
                QRectF content;
                for (QTextBlock b = cell.firstCursorPosition().block();
                     b.isValid() && b.position() <= cell.lastCursorPosition().position();
                     b = b.next())
                    content |= layout->blockBoundingRect(b);
                const QTextTableCellFormat f = cell.format().toTableCellFormat();
                const qreal pad = tf.cellPadding(), border = tf.border();
                content.adjust(-side(f, QTextFormat::TableCellLeftPadding, pad) -
                                   side(f, QTextFormat::TableCellLeftBorder, border),
                               -side(f, QTextFormat::TableCellTopPadding, pad) -
                                   side(f, QTextFormat::TableCellTopBorder, border),
                               side(f, QTextFormat::TableCellRightPadding, pad) +
                                   side(f, QTextFormat::TableCellRightBorder, border),
                               side(f, QTextFormat::TableCellBottomPadding, pad) +
                                   side(f, QTextFormat::TableCellBottomBorder, border));
                out.append({table, r, c, content});
            }
        }
    }
    return out;
}

QString cellText(QTextTable *table, int row, int column)
{
    if (column < 0 || column >= table->columns())
        return {};
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar(0xa0), u' ').simplified();
}

} // namespace

class TestSeason : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filesAreWindows1252WithCrLf_data();
    void filesAreWindows1252WithCrLf();
    void fixtureIsADoubleRoundRobin();
    void teamRecordsDetailsAndNamesAgree();
    void roundPageSectionsAreFoundByTheirMarkers();
    void roundPageRowsLieUnderTheBoxes_data();
    void roundPageRowsLieUnderTheBoxes();
    void textPagesAreHtmlDocuments_data();
    void textPagesAreHtmlDocuments();
    void cleanupTestCase();

private:
    QStringList m_keys;  // record keys, in record order
    QStringList m_names; // display names, in the same order
    QList<QList<Match>> m_fixture;
    qreal m_smallestMargin = 1e9;
};

void TestSeason::initTestCase()
{
    QVERIFY2(QDir(seasonDir()).exists(), qPrintable(seasonDir()));
    const QStringList times = lines(QStringLiteral("Times.txt"));
    for (int i = 0; i < times.size(); ++i)
        if (times[i] == QLatin1String("==]") && i >= 8)
            m_keys.append(times[i - 8].mid(1, times[i - 8].size() - 2));
    m_names = lines(QStringLiteral("Nomes.txt"));
    m_fixture = fixture(lines(QStringLiteral("Rodada.txt")));
}

void TestSeason::filesAreWindows1252WithCrLf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("empty");
    const QSet<QString> empty{"Resultado.txt", "Rank.txt", "player/Lista.txt"};
    QDirIterator it(seasonDir(), QDir::Files, QDirIterator::Subdirectories);
    QStringList names;
    while (it.hasNext()) {
        const QString name = QDir(seasonDir()).relativeFilePath(it.next());
        if (!name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            names.append(name);
    }
    names.sort();
    QCOMPARE(names, (QStringList{"Nomes.txt", "Rank.txt", "Resultado.txt", "Rodada.txt",
                                 "Times.txt", "historia.htm", "player/Lista.txt", "regra.txt",
                                 "regula.txt", "tabela1.htm"}));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name << empty.contains(name);
}

void TestSeason::filesAreWindows1252WithCrLf()
{
    QFETCH(QString, name);
    QFETCH(bool, empty);
    const QByteArray bytes = TextFile::readBytes(seasonDir() + u'/' + name);
    QCOMPARE(bytes.isEmpty(), empty);
    if (empty)
        return;
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        // Bytes with no character in Windows-1252, and control characters other than line ends.
        QVERIFY2(b != 0x81 && b != 0x8d && b != 0x8f && b != 0x90 && b != 0x9d,
                 qPrintable(QString::number(i)));
        QVERIFY2(b >= 0x20 || b == '\t' || b == '\r' || b == '\n', qPrintable(QString::number(i)));
        if (b == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(QString::number(i)));
        if (b == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(QString::number(i)));
    }
}

void TestSeason::fixtureIsADoubleRoundRobin()
{
    const QStringList rodada = lines(QStringLiteral("Rodada.txt"));
    QCOMPARE(rodada.value(0), QStringLiteral("0"));
    QCOMPARE(rodada.value(1), QStringLiteral("0"));
    QCOMPARE(rodada.size(), 2 + Rounds * (1 + 2 * Matches));
    const QSet<QString> clubs(m_keys.cbegin(), m_keys.cend());
    QCOMPARE(clubs.size(), Teams);

    QSet<QString> firstHalf, secondHalf;
    QHash<QString, int> homeInFirstHalf, home;
    for (int n = 1; n <= Rounds; ++n) {
        const QList<Match> &round = m_fixture[n - 1];
        QCOMPARE(round.size(), Matches);
        QSet<QString> playing;
        for (const Match &m : round) {
            playing << m.home << m.away;
            // Fixture names are plain keys: they are file names and the teams screen's hints.
            for (const QString &name : {m.home, m.away})
                QVERIFY2(plain(name) == name && !name.contains(u' '), qPrintable(name));
            const QString pair = m.home + u'-' + m.away;
            if (n <= Rounds / 2) {
                QVERIFY2(!firstHalf.contains(pair) && !firstHalf.contains(m.away + u'-' + m.home),
                         qPrintable(pair));
                firstHalf << pair;
                ++homeInFirstHalf[m.home];
            } else {
                secondHalf << pair;
            }
            ++home[m.home];
        }
        QCOMPARE(playing, clubs);
    }
    QCOMPARE(firstHalf.size(), Teams * (Teams - 1) / 2);
    QSet<QString> mirrored;
    for (const QString &pair : firstHalf) {
        const QStringList two = pair.split(u'-');
        mirrored << two[1] + u'-' + two[0];
    }
    QCOMPARE(secondHalf, mirrored);
    for (const QString &club : m_keys) {
        QCOMPARE(home.value(club), Teams - 1);
        QVERIFY2(qAbs(2 * homeInFirstHalf.value(club) - (Teams - 1)) == 1, qPrintable(club));
    }
}

void TestSeason::teamRecordsDetailsAndNamesAgree()
{
    const QStringList times = lines(QStringLiteral("Times.txt"));
    // The records first: key, seven counters of 0, end line.
    QCOMPARE(m_keys.size(), Teams);
    QStringList sorted = m_keys;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(m_keys, sorted);
    for (int t = 0; t < Teams; ++t) {
        const int at = TextFile::findLine(times, u'[' + m_keys[t] + u']');
        QCOMPARE(at, 9 * t);
        QCOMPARE(times.mid(at + 1, 7), QStringList(7, QStringLiteral("0")));
        QCOMPARE(times[at + 8], QStringLiteral("==]"));
    }
    QCOMPARE(times.count(QStringLiteral("==]")), Teams);

    // Then the details sections, each found by the teams screen's lookup of its key.
    const QRegularExpression link(
        QStringLiteral("href=\"https?://[^\"]+\\.example\\.(org|com)/?[^\"]*\""));
    int line = 9 * Teams;
    for (int t = 0; t < Teams; ++t) {
        QCOMPARE(TextFile::findLine(times, m_keys[t]), line);
        const int end = TextFile::findLine(times, QStringLiteral("=]"), line + 1);
        QVERIFY(end > line + 1);
        const QString page = times.mid(line + 1, end - line - 1).join(u'\n');
        QVERIFY2(page.contains(m_names.value(t)), qPrintable(m_keys[t]));
        QVERIFY2(link.match(page).hasMatch(), qPrintable(m_keys[t]));
        line = end + 1;
    }
    QCOMPARE(line, times.size());

    // Display names in record order: the key is the name without its accents.
    QCOMPARE(m_names.size(), Teams);
    for (int t = 0; t < Teams; ++t)
        QCOMPARE(plain(m_names[t]), m_keys[t]);
}

void TestSeason::roundPageSectionsAreFoundByTheirMarkers()
{
    const QStringList tabela = lines(QStringLiteral("tabela1.htm"));
    const int h = TextFile::findLine(tabela, QStringLiteral("[="));
    QVERIFY(h > 0);
    QCOMPARE(tabela.count(QStringLiteral("[=")), 1);
    // Sections follow one another; the lookup of each number and end line finds its own.
    int next = h + 1;
    for (int n = 1; n <= Rounds; ++n) {
        QCOMPARE(TextFile::findLine(tabela, QString::number(n)), next);
        const int end = TextFile::findLine(tabela, QStringLiteral("[%1]").arg(n));
        QVERIFY(end > next + 2);
        next = end + 1;
    }
    QCOMPARE(next, tabela.size());
    QCOMPARE(tabela.filter(QRegularExpression(QStringLiteral("^\\[\\d+\\]$"))).size(), Rounds);
}

void TestSeason::roundPageRowsLieUnderTheBoxes_data()
{
    QTest::addColumn<int>("round");
    for (int n = 1; n <= Rounds; ++n)
        QTest::newRow(qPrintable(QStringLiteral("round %1").arg(n))) << n;
}

void TestSeason::roundPageRowsLieUnderTheBoxes()
{
    QFETCH(int, round);
    static const QStringList tabela = lines(QStringLiteral("tabela1.htm"));
    HtmlView view;
    setupRoundPageView(&view, false);
    view.setPage(roundPage(tabela, round));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // Nothing scrolls: the page fits the view.
    const QSizeF doc = view.document()->size();
    QVERIFY2(doc.height() <= view.viewport()->height() && doc.width() <= view.viewport()->width(),
             qPrintable(QStringLiteral("%1 x %2").arg(doc.width()).arg(doc.height())));
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);

    const QPointF origin = view.viewport()->mapTo(&view, QPoint(0, 0));
    const QList<Cell> all = cells(view.document());
    using namespace RoundPageLayout;
    for (int k = 0; k < Matches; ++k) {
        const Match &match = m_fixture[round - 1][k];
        const Cell *found[2] = {nullptr, nullptr};
        for (int s = 0; s < 2; ++s) {
            const QRectF box(s == 0 ? HomeBoxX : AwayBoxX, BoxY[k], BoxWidth, BoxHeight);
            // The smallest cell under the box's centre is its score cell.
            for (const Cell &cell : all) {
                const QRectF r = cell.rect.translated(origin);
                if (r.contains(box.center()) &&
                    (!found[s] ||
                     r.width() * r.height() < found[s]->rect.width() * found[s]->rect.height()))
                    found[s] = &cell;
            }
            QVERIFY2(found[s],
                     qPrintable(QStringLiteral("match %1 side %2: no cell").arg(k + 1).arg(s)));
            const QRectF r = found[s]->rect.translated(origin);
            const qreal margin = qMin(qMin(box.left() - r.left(), r.right() - box.right()),
                                      qMin(box.top() - r.top(), r.bottom() - box.bottom()));
            m_smallestMargin = qMin(m_smallestMargin, margin);
            // Inside, with a visible edge all round, and a cell of about the box's size.
            QVERIFY2(margin >= 1 && r.width() <= BoxWidth + 12 && r.height() <= BoxHeight + 12,
                     qPrintable(
                         QStringLiteral("match %1 side %2: box (%3, %4) in cell (%5, %6, %7 x %8)")
                             .arg(k + 1)
                             .arg(s)
                             .arg(box.x())
                             .arg(box.y())
                             .arg(r.x())
                             .arg(r.y())
                             .arg(r.width())
                             .arg(r.height())));
        }
        // One row per match, names beside their cells in fixture order.
        QCOMPARE(found[0]->table, found[1]->table);
        QCOMPARE(found[0]->row, found[1]->row);
        QTextTable *table = found[0]->table;
        const int row = found[0]->row;
        QCOMPARE(cellText(table, row, found[0]->column - 1),
                 m_names.value(m_keys.indexOf(match.home)));
        QCOMPARE(cellText(table, row, found[1]->column + 1),
                 m_names.value(m_keys.indexOf(match.away)));
    }
}

void TestSeason::textPagesAreHtmlDocuments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("regulation") << "regula.txt"
                                << "3";
    QTest::newRow("history") << "historia.htm"
                             << "1985";
    QTest::newRow("pool rules") << "regra.txt"
                                << "PG = 3";
}

void TestSeason::textPagesAreHtmlDocuments()
{
    QFETCH(QString, name);
    QFETCH(QString, mentions);
    const QByteArray bytes = TextFile::readBytes(seasonDir() + u'/' + name);
    const QString text = TextFile::decode(bytes);
    QVERIFY(text.startsWith(QLatin1String("<html>")) &&
            text.trimmed().endsWith(QLatin1String("</html>")));
    HtmlView view;
    view.resize(640, 269);
    view.loadDocument(bytes);
    const QString shown = view.document()->toPlainText();
    QVERIFY(shown.size() > 800);
    QVERIFY(shown.contains(mentions));
    QVERIFY(!shown.contains(u'<'));
}

void TestSeason::cleanupTestCase()
{
    if (m_smallestMargin < 1e9)
        qInfo("smallest margin between a score box and its cell's edge: %.1f px", m_smallestMargin);
}

QTEST_MAIN(TestSeason)
#include "test_season.moc"
