#include "tregini.h"
#include "apperror.h"

#include <QStringList>

int storedInteger(const QString& text, int fallback) {
    bool ok = false;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        const QStringView digits = QStringView(text).mid(2);
        const uint pattern = digits.size() <= 8 ? digits.toUInt(&ok, 16) : 0;
        return ok && !digits.startsWith(u'+') && !digits.startsWith(u'-')
                   ? static_cast<int>(pattern)
                   : fallback;
    }
    const int value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

TRegIniFile::TRegIniFile(const QString& organisation) : m_organisation(organisation) {}

QSettings& TRegIniFile::store() {
    if (!m_settings)
        m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 m_organisation);
    return *m_settings;
}

QString TRegIniFile::ReadString(const QString& section, const QString& key,
                                const QString& fallback) {
    const QString path = section + u'/' + key;
    if (!store().contains(path))
        return fallback;
    const QVariant value = store().value(path);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList: // a hand-edited text with a comma
        return value.toStringList().join(u',');
    default:
        throw AppError(QStringLiteral("Invalid data type for '%1'").arg(key));
    }
}

int TRegIniFile::ReadInteger(const QString& section, const QString& key, int fallback) {
    const QString text = ReadString(section, key, QString());
    return text.isNull() ? fallback : storedInteger(text, fallback);
}

void TRegIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    store().setValue(section + u'/' + key, value);
    store().sync();
    if (store().status() != QSettings::NoError) {
        const QString file = store().fileName();
        m_settings.reset(); // QSettings keeps its error; the next use opens the file afresh
        throw AppError(QStringLiteral("Failed to set data for '%1'").arg(key),
                       QStringLiteral("The settings file %1 cannot be written.").arg(file));
    }
}

void TRegIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}
