// Checks the pictures drawn by the picture tool against what the screens do with them: the
// region-copy hover copies whole button rectangles from the lit picture onto the plain one, the
// exit buttons swap small pictures over a background, and the teams screen loads one shield and
// one mascot per club. The drawn directory comes from VELURINO_PICTURES_DIR.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegion>
#include <QtTest>

namespace {

struct HoverPair
{
    const char *name;
    QString plain;
    QString lit;
    QSize size;
    QList<QRect> buttons;
};

const QSize kScreen(640, 480);

QList<HoverPair> hoverPairs()
{
    QList<QRect> teamGrid = {
        {15, 10, 148, 79},  {163, 11, 148, 79},  {311, 9, 148, 80},   {459, 10, 148, 79},
        {15, 88, 148, 70},  {163, 89, 148, 67},  {311, 88, 148, 69},  {459, 88, 148, 68},
        {15, 157, 148, 69}, {163, 155, 148, 71}, {311, 156, 148, 67}, {459, 155, 148, 71},
        {15, 225, 148, 66}, {163, 225, 148, 68}, {311, 222, 148, 70}, {459, 225, 148, 67},
        {15, 290, 148, 71}, {163, 292, 148, 69}, {311, 291, 148, 75}, {459, 291, 148, 74},
        {15, 360, 148, 79}, {163, 360, 148, 76}, {480, 387, 145, 56},
    };
    return {
        {"start panel",
         "inicio.bmp",
         "inicioon.bmp",
         kScreen,
         {{56, 128, 209, 225}, {368, 128, 217, 225}, {472, 400, 153, 53}}},
        {"championship menu",
         "abertura.bmp",
         "fundoon.bmp",
         kScreen,
         {{32, 144, 241, 57},
          {32, 206, 241, 56},
          {31, 266, 243, 56},
          {30, 327, 243, 56},
          {30, 386, 243, 56},
          {480, 385, 145, 57},
          {300, 304, 160, 36},
          {466, 304, 159, 36},
          {300, 344, 160, 36}}},
        {"round table",
         "tabela.bmp",
         "tabelaon.bmp",
         kScreen,
         {{24, 423, 147, 53}, {182, 423, 147, 53}, {477, 423, 147, 53}}},
        {"bet entry",
         "apost.bmp",
         "aposton.bmp",
         kScreen,
         {{14, 424, 145, 51}, {167, 424, 145, 52}, {317, 424, 145, 52}, {468, 424, 145, 52}}},
        {"overall ranking",
         "ranking.bmp",
         "rankingon.bmp",
         kScreen,
         {{16, 178, 257, 54},
          {472, 382, 145, 54},
          {472, 440, 71, 36},
          {546, 440, 71, 36},
          {472, 334, 145, 40}}},
        {"per-round ranking",
         "rodada.bmp",
         "rodadaon.bmp",
         kScreen,
         {{176, 188, 130, 40}, {472, 382, 145, 54}, {472, 440, 71, 36}, {546, 440, 71, 36}}},
        {"standings",
         "classifica1.bmp",
         "classifica1on.bmp",
         kScreen,
         {{480, 387, 145, 56}, {480, 446, 71, 30}, {554, 446, 71, 30}, {480, 346, 145, 34}}},
        {"pool hub",
         "bolao.bmp",
         "bolaoon.bmp",
         kScreen,
         {{24, 178, 246, 52},
          {24, 239, 246, 52},
          {25, 299, 246, 52},
          {27, 357, 246, 53},
          {472, 384, 142, 53}}},
        {"participants, register mode",
         "user.bmp",
         "useron.bmp",
         QSize(365, 294),
         {{168, 56, 73, 33}, {248, 56, 81, 33}}},
        {"participants, bet mode",
         "apostar.bmp",
         "apostaron.bmp",
         QSize(365, 294),
         {{121, 14, 81, 30}}},
        {"ranking sub-menu",
         "rank.bmp",
         "rankon.bmp",
         QSize(151, 110),
         {{0, 2, 149, 52}, {0, 53, 149, 52}}},
        {"team grid", "times.bmp", "timeson.bmp", kScreen, teamGrid},
    };
}

const char *const kClubKeys[] = {
    "Alvorada", "Aurense", "Brisamar",    "Caravela", "Cometa",     "Cordilheira",
    "Estrela",  "Farol",   "Ferroviario", "Gaviao",   "Jequitiba",  "Lagoense",
    "Marujos",  "Mirante", "Operario",    "Pioneiro", "Ribeirinho", "Serrano",
    "Tropeiro", "Uniao",   "Ventania",    "Veraneio",
};

int differingPixels(const QImage &a, const QImage &b, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

Q_DECLARE_METATYPE(QList<QRect>)

class TestPictures : public QObject
{
    Q_OBJECT

    QDir m_dir;

    QImage load(const QString &name)
    {
        return QImage(m_dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase()
    {
        const QString dir = qEnvironmentVariable("VELURINO_PICTURES_DIR");
        QVERIFY2(!dir.isEmpty(), "VELURINO_PICTURES_DIR names the drawn pictures");
        m_dir = QDir(dir);
        QVERIFY2(m_dir.exists(), qPrintable(dir));
    }

    void hoverPairMatchesOutsideButtons_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("lit");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QRect>>("buttons");
        for (const HoverPair &p : hoverPairs())
            QTest::newRow(p.name) << p.plain << p.lit << p.size << p.buttons;
    }

    // Outside the buttons the lit picture is never shown, but a plaque that spills over its
    // rectangle would be cut off by the hover and leave half a glow behind.
    void hoverPairMatchesOutsideButtons()
    {
        QFETCH(QString, plain);
        QFETCH(QString, lit);
        QFETCH(QSize, size);
        QFETCH(QList<QRect>, buttons);
        const QImage a = load(plain), b = load(lit);
        QCOMPARE(a.size(), size);
        QCOMPARE(b.size(), size);
        QRegion hot;
        for (const QRect &r : buttons)
            hot += r;
        int outside = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                outside += !hot.contains(QPoint(x, y)) && a.pixel(x, y) != b.pixel(x, y);
        QCOMPARE(outside, 0);
    }

    void everyButtonLightsUp_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("lit");
        QTest::addColumn<QRect>("button");
        for (const HoverPair &p : hoverPairs())
            for (const QRect &r : p.buttons)
                QTest::addRow("%s, button at %d,%d", p.name, r.x(), r.y()) << p.plain << p.lit << r;
    }

    // A button must visibly change over most of its area, not by a stray pixel or two.
    void everyButtonLightsUp()
    {
        QFETCH(QString, plain);
        QFETCH(QString, lit);
        QFETCH(QRect, button);
        const QImage a = load(plain), b = load(lit);
        QVERIFY(!a.isNull() && !b.isNull());
        const int area = button.width() * button.height();
        const int changed = differingPixels(a, b, button);
        QVERIFY2(changed * 10 >= area * 3,
                 qPrintable(QStringLiteral("%1 of %2 pixels change").arg(changed).arg(area)));
    }

    void hoverLightsOnlyItsOwnButton_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("lit");
        QTest::addColumn<QRect>("shared");
        for (const HoverPair &p : hoverPairs())
            for (qsizetype i = 0; i < p.buttons.size(); ++i)
                for (qsizetype j = i + 1; j < p.buttons.size(); ++j) {
                    const QRect shared = p.buttons[i] & p.buttons[j];
                    if (!shared.isEmpty())
                        QTest::addRow("%s, buttons %d and %d overlap", p.name, int(i + 1),
                                      int(j + 1))
                            << p.plain << p.lit << shared;
                }
    }

    // Where two hot spots overlap, hovering one copies the shared strip too; if the strip were
    // lit, a sliver of the neighbour would light up with it.
    void hoverLightsOnlyItsOwnButton()
    {
        QFETCH(QString, plain);
        QFETCH(QString, lit);
        QFETCH(QRect, shared);
        QCOMPARE(differingPixels(load(plain), load(lit), shared), 0);
    }

    void exitPictureMatchesBackground_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QRect>("at");
        const QRect pageExit(480, 387, 145, 56);
        QTest::newRow("unlit exit over the text pages") << "classificaoff.bmp"
                                                        << "classifica.bmp" << pageExit;
        QTest::newRow("unlit exit over the standings") << "classificaoff.bmp"
                                                       << "classifica1.bmp" << pageExit;
        // The per-round ranking is hovered with the overall ranking's pictures.
        const QRect rankingExit(472, 382, 145, 54);
        QTest::newRow("per-round ranking exit under the overall hover")
            << "rodada.bmp"
            << "ranking.bmp" << rankingExit;
        QTest::newRow("per-round print button under the overall hover")
            << "rodada.bmp"
            << "ranking.bmp" << QRect(472, 440, 71, 36);
        QTest::newRow("per-round export button under the overall hover")
            << "rodada.bmp"
            << "ranking.bmp" << QRect(546, 440, 71, 36);
    }

    void exitPictureMatchesBackground()
    {
        QFETCH(QString, picture);
        QFETCH(QString, background);
        QFETCH(QRect, at);
        const QImage bg = load(background);
        QCOMPARE(bg.size(), kScreen);
        QImage pic = load(picture);
        if (pic.size() == kScreen)
            pic = pic.copy(at);
        QCOMPARE(pic.size(), at.size());
        QCOMPARE(differingPixels(pic, bg.copy(at), QRect(QPoint(0, 0), at.size())), 0);
    }

    void litExitPicture()
    {
        const QImage off = load(QStringLiteral("classificaoff.bmp"));
        const QImage on = load(QStringLiteral("classificaon.bmp"));
        QCOMPARE(on.size(), QSize(145, 56));
        QVERIFY(differingPixels(off, on, on.rect()) * 10 >= 145 * 56 * 3);
    }

    void clubPicture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (const char *key : kClubKeys) {
            QTest::addRow("shield of %s", key)
                << QStringLiteral("escudo/%1.bmp").arg(key) << QSize(121, 113);
            QTest::addRow("mascot of %s", key)
                << QStringLiteral("mascote/%1.bmp").arg(key) << QSize(121, 185);
        }
    }

    void clubPicture()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QCOMPARE(load(file).size(), size);
    }

    // A slip in the club table would give two clubs the same picture.
    void clubsHaveTheirOwnPictures_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("shields") << "escudo";
        QTest::newRow("mascots") << "mascote";
    }

    void clubsHaveTheirOwnPictures()
    {
        QFETCH(QString, folder);
        QHash<QByteArray, QString> seen;
        for (const char *key : kClubKeys) {
            QFile f(m_dir.filePath(folder + QLatin1Char('/') + key + QLatin1String(".bmp")));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            const QByteArray bytes = f.readAll();
            QVERIFY2(!seen.contains(bytes),
                     qPrintable(QStringLiteral("%1 looks like %2").arg(key, seen.value(bytes))));
            seen.insert(bytes, QString::fromLatin1(key));
        }
    }

    void storedAsUncompressed24BitBmp_data()
    {
        QTest::addColumn<QString>("file");
        QStringList files = {"classifica.bmp",      "classifica1.bmp", "classificaoff.bmp",
                             "classificaon.bmp",    "rodada.bmp",      "escudo/Alvorada.bmp",
                             "mascote/Alvorada.bmp"};
        for (const HoverPair &p : hoverPairs())
            files << p.plain << p.lit;
        for (const QString &f : files)
            QTest::newRow(qPrintable(f)) << f;
    }

    // The screens read these files as plain 24-bit bitmaps.
    void storedAsUncompressed24BitBmp()
    {
        QFETCH(QString, file);
        QFile f(m_dir.filePath(file));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QByteArray head = f.read(34);
        QCOMPARE(head.size(), 34);
        QCOMPARE(head.left(2), QByteArray("BM"));
        auto le = [&head](int at, int bytes) {
            quint32 v = 0;
            for (int i = bytes - 1; i >= 0; --i)
                v = v << 8 | quint8(head[at + i]);
            return v;
        };
        QCOMPARE(le(28, 2), 24u); // bits per pixel
        QCOMPARE(le(30, 4), 0u);  // no compression
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
