// The per-user settings store: text values by section and key in the user's Velmor.conf.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

class TRegIniFile final {
public:
    // Opens the store of the organisation ("Velmor"), created on the first write.
    explicit TRegIniFile(const QString& organisation);

    // The stored text, or `fallback` when the value is missing; an empty text stays empty.
    // Throws AppError "Invalid data type for '<key>'" for a value that is not text.
    QString ReadString(const QString& section, const QString& key, const QString& fallback);
    // The stored number (decimal, or hexadecimal after "0x"), or `fallback` when the value is
    // missing or not a number.
    int ReadInteger(const QString& section, const QString& key, int fallback);
    // Store the value at once; throw AppError "Failed to set data for '<key>'" when it cannot be.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);

    QString fileName() { return store().fileName(); }

private:
    // The open store; after a failed write a fresh one, since QSettings keeps its error.
    QSettings& store();

    QString m_organisation;
    std::unique_ptr<QSettings> m_settings;
};

// A stored text read as a whole number: decimal with an optional minus sign, or hexadecimal
// after "0x" or "0X" (up to eight digits, read as the 32-bit pattern); `fallback` otherwise.
int storedInteger(const QString& text, int fallback);
