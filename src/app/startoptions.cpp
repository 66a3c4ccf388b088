#include "app/startoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr double LargestScale = 8;

// The window system's own options ("-platform offscreen", "-display :1") are taken by the
// application object that starts later; they are let through here without being shown.
const QStringList WindowSystemOptionsWithValue{
    "platform", "display",         "style",        "stylesheet",  "platformtheme",
    "plugin",   "qwindowgeometry", "qwindowtitle", "qwindowicon", "session"};
const QStringList WindowSystemFlags{"reverse", "nograb", "dograb", "sync"};

void print(FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

} // namespace

int readStartOptions(const QStringList &arguments, StartOptions &options)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Campeonato Velurino 2005: a tabela, a classificação, os times e o bolão "
                       "de uma temporada do campeonato."));
    const QCommandLineOption help({"h", "help", "ajuda"}, QStringLiteral("Mostra esta ajuda."));
    const QCommandLineOption version({"v", "version", "versao"},
                                     QStringLiteral("Mostra a versão do programa."));
    const QCommandLineOption data(
        "dados",
        QStringLiteral("Usa a temporada da pasta PASTA. Sem esta opção: a pasta \"dados\" ao "
                       "lado do programa, se existir e puder ser gravada; senão a pasta de dados "
                       "do usuário, criada na primeira vez como cópia da temporada instalada."),
        QStringLiteral("PASTA"));
    const QCommandLineOption scale(
        "escala",
        QStringLiteral("Amplia as telas N vezes (por exemplo 1, 1.5 ou 2; 1 mostra as telas no "
                       "tamanho original). Sem esta opção, numa tela maior que 1024 x 768 elas "
                       "são ampliadas para ocupar a tela."),
        QStringLiteral("N"));
    parser.addOptions({help, version, data, scale});
    for (const QString &name : WindowSystemOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("valor"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : WindowSystemFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QStringLiteral("velurino");
    const auto fail = [&](const QString &why) {
        print(stderr,
              QStringLiteral("%1: %2\nUse \"%1 --help\" para ver as opções.\n").arg(program, why));
        return 2;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // The parser's own headings, in the program's language.
        text.replace(QLatin1String("Usage: "), QLatin1String("Uso: "))
            .replace(QLatin1String("[options]"), QLatin1String("[opções]"))
            .replace(QLatin1String("Options:"), QLatin1String("Opções:"));
        print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QStringLiteral("Campeonato Velurino 2005"),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("argumento desconhecido \"%1\".")
                        .arg(parser.positionalArguments().first()));
    if (parser.isSet(data)) {
        options.dataDir = parser.value(data);
        if (options.dataDir.isEmpty())
            return fail(QStringLiteral("a opção --dados precisa do nome de uma pasta."));
    }
    if (parser.isSet(scale)) {
        QString text = parser.value(scale);
        text.replace(u',', u'.');
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || value < 1 || value > LargestScale)
            return fail(QStringLiteral("a escala \"%1\" não vale: use um número de 1 a %2.")
                            .arg(parser.value(scale))
                            .arg(LargestScale));
        options.scale = value;
    }
    return -1;
}
