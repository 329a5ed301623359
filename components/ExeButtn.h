// A button standing for a program or document: the file's icon, optionally its name, and a
// click that can open it as the desktop does, launcher files included.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

class TExeButton : public QWidget {
    Q_OBJECT
public:
    explicit TExeButton(QWidget* parent = nullptr);

    enum Flag {
        AutoFlag = 1,
        AutoRunFlag,
        ShowIconFlag,
        ShowLabelFlag,
        LargeIconFlag,
        DownFlag,
        BorderFlag
    };

    QIcon Icon() const { return m_largeIcon; }
    // Takes the icon and its 16x16 copy; shown at the next repaint.
    virtual void StoreIcon(const QIcon& icon);
    QString FileName() const { return m_fileName; }
    virtual void StoreFileName(const QString& fileName);
    void setFileName(const QString& fileName) { StoreFileName(fileName); }
    QString FilePath() const { return m_filePath; }
    QString FileExt() const { return m_fileExt; }
    void setFileExt(const QString& ext) { m_fileExt = ext; }
    QString Caption() const { return m_caption; }
    virtual void StoreCaption(const QString& caption);
    // The flags by index: 1 Auto, 2 AutoRun, 3 ShowIcon, 4 ShowLabel, 5 LargeIcon, 6 Down,
    // 7 Border; then the layout is updated.
    virtual void StoreFlag(int index, bool value);
    bool Flag(int index) const;
    virtual void UpdateLayout();
    // Opens the file: a launcher through GIO (or, with RunLink, the launcher file itself by the
    // desktop), a program started, any other file by the desktop. Nothing is reported.
    void Launch();

    bool Auto() const { return m_auto; }
    void setAuto(bool value) { StoreFlag(AutoFlag, value); }
    bool AutoRun() const { return m_autoRun; }
    void setAutoRun(bool value) { StoreFlag(AutoRunFlag, value); }
    bool ShowIcon() const { return m_showIcon; }
    void setShowIcon(bool value) { StoreFlag(ShowIconFlag, value); }
    bool ShowLabel() const { return m_showLabel; }
    void setShowLabel(bool value) { StoreFlag(ShowLabelFlag, value); }
    bool LargeIcon() const { return m_largeIconShown; }
    void setLargeIcon(bool value) { StoreFlag(LargeIconFlag, value); }
    bool Down() const { return m_down; }
    void setDown(bool value) { StoreFlag(DownFlag, value); }
    bool Border() const { return m_border; }
    void setBorder(bool value) { StoreFlag(BorderFlag, value); }
    bool Latch = false;
    bool RunLink = false;

signals:
    void OnClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The member behind a flag index, or null for an index that names none; one table for
    // reading and writing.
    template <typename Button> static auto flagField(Button& button, int index) {
        switch (index) {
        case AutoFlag:
            return &button.m_auto;
        case AutoRunFlag:
            return &button.m_autoRun;
        case ShowIconFlag:
            return &button.m_showIcon;
        case ShowLabelFlag:
            return &button.m_showLabel;
        case LargeIconFlag:
            return &button.m_largeIconShown;
        case DownFlag:
            return &button.m_down;
        case BorderFlag:
            return &button.m_border;
        default:
            return decltype(&button.m_auto){nullptr};
        }
    }
    void paintLabel(QPainter& painter);

    QIcon m_largeIcon;
    QPixmap m_smallIcon;
    bool m_auto = false;
    bool m_autoRun = false;
    bool m_largeIconShown = true;
    int m_iconSize = 32;
    bool m_showIcon = true;
    bool m_showLabel = true;
    bool m_down = false;
    bool m_border = true;
    QString m_fileName;
    QString m_filePath;
    QString m_fileExt;
    QString m_caption;
};
