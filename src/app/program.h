// Program start: the ten screens, created once and in a fixed order (the main form first, since
// it fixes the data directory every later screen reads from).
#pragma once

#include <QString>

class QApplication;

// Sets the application title and creates the ten screens; the main form is then shown.
void createScreens(const QString &programPath);
// Destroys them again (tests and benchmarks that create the program more than once).
void destroyScreens();
// Portuguese buttons in the message boxes ("Sim", "Não").
void installTranslations(QApplication &app);
