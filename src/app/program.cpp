#include "app/program.h"

#include "app/form1.h"
#include "app/textpages.h"
#include "championship/classifica.h"
#include "championship/tabela.h"
#include "championship/times.h"
#include "frame/navigation.h"
#include "platform/datadirs.h"
#include "platform/filechanges.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/seasoncopies.h"
#include "pool/aposta.h"
#include "pool/bolao.h"
#include "pool/rank.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLockFile>
#include <QTranslator>

const QString LockFileName = QStringLiteral("velurino.lock");

bool openDataDirectory(const QString &dataDir, QLockFile &lock)
{
    // The lock is held for the program's whole life, so it must never be judged stale by its age.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::LockFailedError)
            inform(nullptr, QStringLiteral("O %1 já está aberto com esta pasta de dados. Use a "
                                           "janela que já está aberta.")
                                .arg(AppTitle));
        else
            errorBox(nullptr, QStringLiteral("Não é possível gravar na pasta de dados \"%1\". Os "
                                             "resultados e as apostas não poderiam ser guardados. "
                                             "Verifique as permissões da pasta ou escolha outra "
                                             "com a opção --dados.")
                                  .arg(QDir::toNativeSeparators(QDir::cleanPath(dataDir))));
        return false;
    }
    // The data directory first: its record may name staged files of the pool directory.
    const QString poolDir = DataDirs::poolDirFor(dataDir);
    guarded(nullptr, [&] {
        recoverChanges(dataDir);
        completeRecordedChanges(poolDir);
        SeasonCopies::recover(dataDir, SeasonCopies::copiesDirFor(dataDir), poolDir);
    });
    return true;
}

void removeStrayPoolStaging(const QString &dataDir)
{
    const QString poolDir = DataDirs::poolDirFor(dataDir);
    const QString record = QLatin1String(FileChanges::RecordName);
    // A record left because its completion failed names staged files: the next start finishes it.
    if (QFileInfo::exists(dataDir + record) || QFileInfo::exists(poolDir + record))
        return;
    for (const QString &path : FileChanges::stagedFiles(poolDir, true))
        QFile::remove(path);
}

namespace {

// The place each screen but the main form offers, in the program's fixed order of screens.
constexpr Place LaterScreens[] = {Place::Regulation, Place::Teams,     Place::History,
                                  Place::RoundTable, Place::PoolHub,   Place::BetEntry,
                                  Place::Ranking,    Place::Standings, Place::PoolRules};

// The screen offering `place` is made into `global` when the place is first asked for.
template <typename Form> void makeOnFirstUse(Place place, Form *&global)
{
    setPlaceMaker(place, [&global] {
        if (!global)
            global = new Form;
    });
}

void makeEveryScreenOnFirstUse()
{
    makeOnFirstUse(Place::Regulation, FormRegulamento);
    makeOnFirstUse(Place::Teams, FormTimes);
    makeOnFirstUse(Place::History, FormHistoria);
    makeOnFirstUse(Place::RoundTable, FormTabela);
    makeOnFirstUse(Place::PoolHub, FormBolao);
    makeOnFirstUse(Place::BetEntry, FormAposta);
    makeOnFirstUse(Place::Ranking, FormRank);
    makeOnFirstUse(Place::Standings, FormClassifica);
    makeOnFirstUse(Place::PoolRules, FormRegras);
}

} // namespace

void createStartScreen(const QString &dataDir)
{
    DataDirs::setDataDir(dataDir);
    QApplication::setQuitOnLastWindowClosed(false);

    Form1 = new TForm1;
    QObject::connect(Form1, &TForm1::programClosed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    makeEveryScreenOnFirstUse();
}

void createScreens(const QString &dataDir)
{
    createStartScreen(dataDir);
    for (Place place : LaterScreens)
        placeForm(place);
}

void destroyScreens()
{
    // A screen never opened stays unbuilt once the program is going.
    for (Place place : LaterScreens)
        setPlaceMaker(place, {});
    // Reverse order of creation; the main form last, as it owns the data directory.
    delete FormRegras;
    FormRegras = nullptr;
    delete FormClassifica;
    FormClassifica = nullptr;
    delete FormRank;
    FormRank = nullptr;
    delete FormAposta;
    FormAposta = nullptr;
    delete FormBolao;
    FormBolao = nullptr;
    delete FormTabela;
    FormTabela = nullptr;
    delete FormHistoria;
    FormHistoria = nullptr;
    delete FormTimes;
    FormTimes = nullptr;
    delete FormRegulamento;
    FormRegulamento = nullptr;
    delete Form1;
    Form1 = nullptr;
}

void installTranslations(QCoreApplication &app)
{
    for (const QString &name : {QStringLiteral("qtbase_pt_BR"), QStringLiteral("qt_pt_BR")}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
