#include "settingsfile.h"
#include "tregini.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextStream>

QString settingsFilePath() {
    return TRegIniFile(QStringLiteral("Velmor")).fileName();
}

void writeSettingsFile(const QMap<QString, QString>& rawValues) {
    QFile file(settingsFilePath());
    QDir().mkpath(QFileInfo(file).path());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QTextStream out(&file);
    out << "[CStash]\n";
    for (auto it = rawValues.begin(); it != rawValues.end(); ++it)
        out << it.key() << '=' << it.value() << '\n';
}

QMap<QString, QString> readSettingsFile() {
    return readSettingsFileAt(settingsFilePath());
}

QMap<QString, QString> readSettingsFileAt(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QMap<QString, QString> values;
    bool inSection = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inSection = line == QLatin1String("[CStash]");
        else if (inSection && line.contains(u'='))
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return values;
}

bool waitForStoredValue(const QString& path, const QString& key, const QString& value,
                        int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (readSettingsFileAt(path).value(key) != value) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

void removeSettingsFile() {
    QFile::remove(settingsFilePath());
}
