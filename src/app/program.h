// Program start: the ten screens, created once and in a fixed order (the main form first, since
// it fixes the data directory every later screen reads from).
#pragma once

#include <QString>

class QApplication;
class QLockFile;

// The name of the lock file in the data directory.
extern const QString LockFileName;

// Takes the data directory for this program before any screen reads it: one program per data
// directory, and what an interrupted write left behind is finished or thrown away. False, after
// telling the user, when another program already has the directory open. A lock left by a program
// that was killed is taken over. A directory where no lock can be made (read-only, missing) is
// still opened, since nothing can be written there either.
bool openDataDirectory(const QString &dataDir, const QString &poolDir, QLockFile &lock);

// Sets the application title and creates the ten screens; the main form is then shown.
void createScreens(const QString &programPath);
// Destroys them again (tests and benchmarks that create the program more than once).
void destroyScreens();
// Portuguese buttons in the message boxes ("Sim", "Não").
void installTranslations(QApplication &app);
