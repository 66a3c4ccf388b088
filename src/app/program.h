// Program start: the main form first, on a data directory fixed before it; every other screen is
// built once, when it is first opened, so that the start screen is up before their pictures and
// files are read.
#pragma once

#include <QString>

class QCoreApplication;
class QLockFile;

// The name of the lock file in the data directory.
extern const QString LockFileName;

// Takes the data directory for this program before any screen reads it: one program per data
// directory, and what an interrupted write left behind is finished or thrown away. False, after
// telling the user, when another program already has the directory open. A lock left by a program
// that was killed is taken over. A directory where no lock can be made (read-only, missing) is
// refused too, with a message naming it: its first store would fail. The pool directory inside it
// is cleaned up as well.
bool openDataDirectory(const QString &dataDir, QLockFile &lock);
// The rest of that clean-up, once the start screen is up: staged files of the pool directory that
// no record names (an operation stopped before its record was written). The folder holds a file
// per participant, and reading all their names must not delay the first picture; nothing reads a
// staged file, and no operation leaves one behind when it ends, so the later moment is as safe.
void removeStrayPoolStaging(const QString &dataDir);

// Fixes the data directory (and the pool directory inside it), the one place the program does so,
// and creates the main form; the other screens are made as they are first opened.
void createStartScreen(const QString &dataDir);
// The same, with every screen made at once in the program's fixed order (tests that reach the
// screens' controls directly).
void createScreens(const QString &dataDir);
// Destroys them again (tests and benchmarks that create the program more than once).
void destroyScreens();
// Portuguese buttons in the message boxes ("Sim", "Não").
void installTranslations(QCoreApplication &app);
