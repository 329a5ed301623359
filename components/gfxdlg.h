// Graphics file dialog of the Save action. For now it holds the settings the window gives it;
// the dialogs and conversions arrive with the image-library work.
#pragma once

#include <QObject>
#include <QString>

class TGfxDialog final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool AutoFlush() const { return m_autoFlush; }
    void setAutoFlush(bool autoFlush) { m_autoFlush = autoFlush; }
    int LoadFilterIndex() const { return m_loadFilterIndex; }
    void setLoadFilterIndex(int index) { m_loadFilterIndex = index; }
    int SaveFilterIndex() const { return m_saveFilterIndex; }
    void setSaveFilterIndex(int index) { m_saveFilterIndex = index; }
    QString SaveDirectory() const { return m_saveDirectory; }
    void setSaveDirectory(const QString& folder) { m_saveDirectory = folder; }

private:
    bool m_autoFlush = false;
    int m_loadFilterIndex = 1;
    int m_saveFilterIndex = 1;
    QString m_saveDirectory;
};
