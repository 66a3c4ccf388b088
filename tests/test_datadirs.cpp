// Which data directory the program takes at start, and the first start's copy of the installed
// season into the user's folder. Folders that cannot be written are made so with permissions,
// which bind no one as root: the test then runs as an ordinary user (see CMakeLists.txt).
#include "platform/datadirs.h"
#include "platform/filechanges.h"
#include "platform/velurinoerror.h"
#include "testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

class TestDataDirs : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

namespace {

enum Folder
{
    None,     // not there (for the option: not given)
    Missing,  // given, but not there
    Season,   // a season that can be written
    ReadOnly, // a season that cannot be written
    Empty     // a folder with no season in it
};

void make(const QString &dir, Folder kind, const QByteArray &mark)
{
    if (kind == None || kind == Missing)
        return;
    QDir().mkpath(dir);
    if (kind != Empty) {
        TestFiles::writeBytes(dir + "/Rodada.txt", mark);
        QDir().mkpath(dir + "/player");
        QDir().mkpath(dir + "/escudo");
        TestFiles::writeBytes(dir + "/player/Lista.txt", "");
        TestFiles::writeBytes(dir + "/escudo/um.bmp", "BM" + mark);
    }
    if (kind == ReadOnly)
        for (const QString &path : {dir + "/player", dir})
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
}

} // namespace

void TestDataDirs::choice_data()
{
    QTest::addColumn<Folder>("option");
    QTest::addColumn<Folder>("beside");
    QTest::addColumn<Folder>("user");
    QTest::addColumn<Folder>("installed");
    // "option", "beside", "user" or the start of the message; the user folder's season mark.
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("userSeason");

    QTest::newRow("option wins over a season beside")
        << Season << Season << Season << Season << "option" << QByteArray("user");
    QTest::newRow("option folder missing")
        << Missing << Season << None << Season << "A pasta de dados" << QByteArray();
    QTest::newRow("option folder without a season")
        << Empty << Season << None << Season << "A pasta de dados" << QByteArray();
    QTest::newRow("option folder read-only")
        << ReadOnly << Season << None << Season << "Não é possível gravar" << QByteArray();
    QTest::newRow("beside the program (build tree, portable)")
        << None << Season << Season << Season << "beside" << QByteArray("user");
    QTest::newRow("first start: installed season copied")
        << None << None << None << Season << "user" << QByteArray("installed");
    QTest::newRow("later start: user's season kept")
        << None << None << Season << Season << "user" << QByteArray("user");
    QTest::newRow("read-only season beside: copied to the user")
        << None << ReadOnly << None << None << "user" << QByteArray("beside");
    QTest::newRow("user folder read-only")
        << None << None << ReadOnly << Season << "Não é possível gravar" << QByteArray("user");
    QTest::newRow("no season anywhere")
        << None << None << None << None << "Não foi encontrada a temporada" << QByteArray();
}

void TestDataDirs::choice()
{
    QFETCH(Folder, option);
    QFETCH(Folder, beside);
    QFETCH(Folder, user);
    QFETCH(Folder, installed);
    QFETCH(QString, expected);
    QFETCH(QByteArray, userSeason);

    QTemporaryDir root;
    const QString base = root.path();
    // Writable again at the end, so that the temporary directory can go.
    const auto writable = qScopeGuard([&] {
        QDirIterator it(base, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    make(base + "/escolhida", option, "option");
    make(base + "/usr/bin/dados", beside, "beside");
    make(base + "/home/.local/share/velurino/dados", user, "user");
    make(base + "/usr/share/velurino/dados", installed, "installed");

    DataDirs::Places places;
    if (option != None)
        places.option = base + "/escolhida";
    places.programPath = base + "/usr/bin/velurino";
    places.userDir = base + "/home/.local/share/velurino/dados";
    places.installedSeasons = {base + "/usr/share/velurino/dados"};

    QString chosen;
    QString message;
    try {
        chosen = DataDirs::prepare(places);
    } catch (const VelurinoError &error) {
        message = error.message();
    }
    const QMap<QString, QString> folders{{"option", base + "/escolhida/"},
                                         {"beside", base + "/usr/bin/dados/"},
                                         {"user", places.userDir + "/"}};
    if (folders.contains(expected)) {
        QCOMPARE(message, QString());
        QCOMPARE(chosen, folders.value(expected));
    } else {
        QVERIFY2(message.startsWith(expected), qPrintable(message));
        // The message names the folder the user must see to.
        QVERIFY2(message.contains(base), qPrintable(message));
    }
    // The user's folder holds a whole season or none, never a copy that stopped half way.
    QCOMPARE(TestFiles::bytesOf(places.userDir + "/Rodada.txt"),
             userSeason.isEmpty() ? QByteArray("<missing>") : userSeason);
    if (userSeason == "installed" || userSeason == "beside")
        QCOMPARE(TestFiles::bytesOf(places.userDir + "/escudo/um.bmp"), "BM" + userSeason);
    QVERIFY(!QFileInfo::exists(places.userDir + ".copiando"));
}

QTEST_GUILESS_MAIN(TestDataDirs)
#include "test_datadirs.moc"
