// The main window: pages, context menu, and the handlers of the grab writer.
#pragma once

#include <QWidget>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class PictureClipboard;
class TDirectoryListBox;
class TDriveComboBox;
class TExeButton;
class TFileListBox;
class TGfxDialog;
class TImage;
class TNumEdit;
class TOpenDialog;
class TRadioGroup;
class TRegIniFile;
class TSaveDialog;
class TThumbnail;
class TTimer;
class TUpDown;

class TForm1 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Components without a page.
    TImage* Image1;
    QTabWidget* PageControl1;
    TGfxDialog* GfxDialog1;
    TSaveDialog* SaveDialog1;
    TTimer* Timer1;
    TOpenDialog* editor;
    QMenu* PopupMenu1;

    // Page "CStash".
    QWidget* TabSheet1;
    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirBox;
    QPushButton* stop;
    QPushButton* start;
    QPushButton* clear;
    TFileListBox* FileBox;
    TThumbnail* Thumbnail1;
    QPushButton* doedit;
    QPushButton* crop;
    QPushButton* del;
    QPushButton* save;

    // Page "Setup".
    QWidget* TabSheet3;
    TExeButton* ExeButton1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QLabel* Label5;
    TNumEdit* NumEdit1;
    TUpDown* UpDown1;
    QLabel* Label3;
    TNumEdit* NumEdit2;
    TUpDown* UpDown2;
    QLabel* Label4;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    TRadioGroup* RadioGroup1;
    TNumEdit* NumEdit3;
    TUpDown* UpDown3;
    QLabel* Label1;

    // Page "Info".
    QWidget* TabSheet2;
    QPlainTextEdit* Memo1;
    QPushButton* about;

    // Context menu items.
    QAction* StartMonitoring1;
    QAction* StopMonitoring1;
    QAction* ClearGrabs1;
    QAction* Edit1;
    QAction* View1;
    QAction* Delete1;
    QAction* Save1;
    QAction* RestoreWindowSize1;

    // The number the next grab file will carry.
    int GrabCounter = 0;

    // Who closes the window: a person, who can answer the clearing question, or a signal or
    // the session ending, when nobody is there to answer it.
    enum class CloseKind { ByUser, Unattended };

    void startClick();
    void stopClick();
    void NumEdit1Change();
    void Timer1Timer();
    void clearClick();
    void FileBoxChange();
    void FileBoxDblClick();
    void Thumbnail1Click();
    void doeditClick();
    void cropClick();
    void delClick();
    void ExeButton1Click();
    void RestoreWindowSize1Click();
    void aboutClick();
    // The exit-time clearing offer (people only), then every setting is written.
    void FormClose(CloseKind kind);
    // Closes the window as its close box does, without asking anything.
    void closeUnattended();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    void buildCStashPage();
    void buildSetupPage();
    void buildInfoPage();
    void buildPopupMenu();
    void bindEvents();
    void loadSettings();
    void enterStorageFolder();
    void showEditor();
    void saveGrabCounter();

    std::unique_ptr<TRegIniFile> m_settings;
    std::unique_ptr<PictureClipboard> m_clipboard;
    CloseKind m_closeKind = CloseKind::ByUser;
};

// The two windows of the process, set by the process entry.
extern TForm1* Form1;
class TAboutForm;
extern TAboutForm* AboutForm;
