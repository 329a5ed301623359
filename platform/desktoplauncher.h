// Launcher files (".desktop") and the desktop's "open": the Linux side of starting programs
// and opening documents.
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// A launcher file, recognised by its extension in any letter case.
bool isLauncherFile(const QString& fileName);

// Starts the launcher's program through GIO with `files` as its documents; false when the
// launcher cannot be read or started.
bool launchDesktopFile(const QString& launcher, const QStringList& files);

// Opens a file as the desktop does: a program is started detached in `workingFolder`, any
// other file goes to the desktop's handler for its type.
void openWithDesktop(const QString& fileName, const QString& workingFolder);

// The icon that stands for the file: a launcher's Icon= entry from the icon theme, else the
// icon of the file's type. A bare program name is looked up along PATH first.
QIcon associatedIcon(const QString& fileName);
