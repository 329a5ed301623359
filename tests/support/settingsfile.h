// The real settings file of the test process (under its private XDG_CONFIG_HOME).
#pragma once

#include <QMap>
#include <QString>

// Path of Velmor.conf as the program's settings store opens it.
QString settingsFilePath();

// Replaces the file with a [CStash] section holding exactly these lines (values as written).
void writeSettingsFile(const QMap<QString, QString>& rawValues);

// The raw text of each value of the [CStash] section, as stored.
QMap<QString, QString> readSettingsFile();
// The same, of the settings file of another process.
QMap<QString, QString> readSettingsFileAt(const QString& path);

// Waits (running the event loop) until the file at `path` stores `value` for `key`.
bool waitForStoredValue(const QString& path, const QString& key, const QString& value,
                        int timeoutMs = 5000);

// Starts from no stored settings at all.
void removeSettingsFile();
