// List of the files of one folder that match a mask, the grab list of the main window.
#pragma once

#include <QListWidget>
#include <QStringList>

class TFileListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget* parent = nullptr);

    // Masks separated by ';', matched without regard to letter case.
    void setMask(const QString& mask);
    void setItemHeight(int height) { m_itemHeight = height; }
    QString Directory() const { return m_directory; }
    void setDirectory(const QString& folder);
    // Re-reads the folder; the selection is lost, as after any re-read.
    void Update();
    // The folder and the selected file's name joined; empty when nothing is selected.
    QString FileName() const;

signals:
    void OnChange();
    void OnDblClick();

private:
    QString m_directory;
    QStringList m_masks;
    int m_itemHeight = 13;
};
