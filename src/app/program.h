// Program start: the ten screens, created once and in a fixed order, on a data directory fixed
// before the first of them.
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
// refused too, with a message naming it: its first store would fail.
bool openDataDirectory(const QString &dataDir, const QString &poolDir, QLockFile &lock);

// Fixes the data directory (and the pool directory inside it) and creates the ten screens; the
// main form is then shown.
void createScreens(const QString &dataDir);
// Destroys them again (tests and benchmarks that create the program more than once).
void destroyScreens();
// Portuguese buttons in the message boxes ("Sim", "Não").
void installTranslations(QCoreApplication &app);
