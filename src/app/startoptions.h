// The command line: --help and --version (answered without opening a window, so they need no
// display), --dados DIR and --escala N. Read before the application's window system starts.
#pragma once

#include <QString>
#include <QStringList>

struct StartOptions
{
    QString dataDir;  // --dados: the season's folder; empty when not given
    double scale = 0; // --escala: the panels' enlargement; 0 when the screen decides
};

// Reads `arguments` (the program's name first). Returns -1 when the program goes on with
// `options` filled; otherwise the exit status, after printing the help or the version on standard
// output (0), or what is wrong on standard error (2).
int readStartOptions(const QStringList &arguments, StartOptions &options);
