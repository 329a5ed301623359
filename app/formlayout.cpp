// The window's controls at their designed positions, sizes and captions.
#include "ExeButtn.h"
#include "NumEdit.h"
#include "Unit1.h"
#include "designedlayout.h"
#include "directorylistbox.h"
#include "drivecombobox.h"
#include "filelistbox.h"
#include "fitlabel.h"
#include "gfxdlg.h"
#include "helptext.h"
#include "tfiledialog.h"
#include "thumb.h"
#include "timage.h"
#include "tradiogroup.h"
#include "ttimer.h"
#include "updown.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
QPushButton* button(QWidget* page, const char* caption, int left, int top, int width) {
    return placed(new QPushButton(QString::fromLatin1(caption), page), left, top, width, 25);
}

// Labels size themselves to their text, as the designer's labels did for their font.
QLabel* label(QWidget* page, const char* caption, int left, int top) {
    auto* text = new QLabel(QString::fromLatin1(caption), page);
    text->move(left, top);
    fitLabel(text);
    return text;
}

TNumEdit* numEdit(QWidget* page, int top, double number, double min, double max) {
    auto* edit = placed(new TNumEdit(page), 24, top, 41, 21);
    // Bounds before the number, so the number is not clamped to the initial bounds.
    edit->setMax(max);
    edit->setMin(min);
    edit->setNumber(number);
    return edit;
}

TUpDown* upDown(QWidget* page, TNumEdit* associate, int top, int min, int max, int increment) {
    auto* arrows = placed(new TUpDown(page), 65, top, 15, 21);
    arrows->setMin(min);
    arrows->setMax(max);
    arrows->setIncrement(increment);
    arrows->setAssociate(associate);
    arrows->setPosition(static_cast<int>(associate->Number()));
    return arrows;
}
} // namespace

void TForm1::buildForm() {
    setWindowTitle(QStringLiteral("Clipstash"));
    setWindowIcon(QIcon(QStringLiteral(":/clipstash.png")));
    setFont(designerFont());
    setFixedSize(530, 290);
    move(190, 360);

    Image1 = placed(new TImage(this), 344, 56, 57, 41);
    Image1->setVisible(false);
    PageControl1 = placed(new QTabWidget(this), 0, 0, 529, 289);
    GfxDialog1 = new TGfxDialog(this);
    GfxDialog1->setAutoFlush(true);
    GfxDialog1->setLoadFilterIndex(1);
    SaveDialog1 = new TSaveDialog(this);
    Timer1 = new TTimer(this);
    Timer1->setEnabled(false);
    Timer1->setInterval(500);
    editor = new TOpenDialog(this);
    editor->Filter = QStringLiteral("Programs|*|Launchers|*.desktop");

    buildCStashPage();
    buildSetupPage();
    buildInfoPage();
    buildPopupMenu();
    PageControl1->setCurrentIndex(0);
}

void TForm1::buildCStashPage() {
    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("CStash"));
    DriveComboBox1 = placed(new TDriveComboBox(TabSheet1), 8, 8, 129, 19);
    DirBox = placed(new TDirectoryListBox(TabSheet1), 8, 32, 129, 161);
    DirBox->setItemHeight(16);
    stop = button(TabSheet1, "Stop Monitoring", 8, 200, 129);
    stop->setEnabled(false);
    start = button(TabSheet1, "Start Monitoring", 8, 228, 129);
    clear = button(TabSheet1, "Clear Grabs", 144, 228, 121);
    FileBox = placed(new TFileListBox(TabSheet1), 144, 8, 121, 217);
    FileBox->setItemHeight(13);
    FileBox->setMask(QStringLiteral("*.bmp;*.jpg"));
    DriveComboBox1->setDirList(DirBox);
    DirBox->setFileList(FileBox);
    Thumbnail1 = placed(new TThumbnail(TabSheet1), 272, 0, 248, 248);
    Thumbnail1->setShowLabel(false);
    Thumbnail1->setBitmapSize(240);
    Thumbnail1->setBorder(false);
    doedit = button(TabSheet1, "Edit", 296, 228, 49);
    crop = button(TabSheet1, "View", 352, 228, 49);
    del = button(TabSheet1, "Delete", 408, 228, 49);
    save = button(TabSheet1, "Save", 464, 228, 49);
}

void TForm1::buildSetupPage() {
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet3, QStringLiteral("Setup"));
    ExeButton1 = placed(new TExeButton(TabSheet3), 40, 16, 40, 40);
    ExeButton1->setAuto(true);
    ExeButton1->setShowLabel(false);
    Label2 = label(TabSheet3, "Select Image Editing Program", 88, 32);
    Edit2 = placed(new QLineEdit(QStringLiteral("Edit2"), TabSheet3), 392, 24, 73, 21);
    Label5 = label(TabSheet3, "Grab File Prefix", 392, 52);
    NumEdit1 = numEdit(TabSheet3, 64, 500, 100, 10000);
    UpDown1 = upDown(TabSheet3, NumEdit1, 64, 100, 10000, 100);
    Label3 = label(TabSheet3, "Delay between Clipboard checks (1000=1 second)", 88, 66);
    NumEdit2 = numEdit(TabSheet3, 96, 999, 10, 999);
    UpDown2 = upDown(TabSheet3, NumEdit2, 96, 10, 999, 1);
    Label4 = label(TabSheet3,
                   "Maximum Number of Clips to Store (grabbing will restart at grab_000 when "
                   "exceeded)",
                   88, 98);
    CheckBox1 =
        placed(new QCheckBox(QStringLiteral("Offer to clear all grabs on program exit"), TabSheet3),
               64, 128, 313, 17);
    CheckBox2 = placed(
        new QCheckBox(QStringLiteral("Continue Grab count from previous Session"), TabSheet3), 64,
        152, 313, 17);
    CheckBox3 = placed(new QCheckBox(QStringLiteral("Use Jpeg format for Grabs"), TabSheet3), 64,
                       176, 217, 25);
    RadioGroup1 =
        placed(new TRadioGroup(QStringLiteral("Double Click"),
                               {QStringLiteral("View Image"), QStringLiteral("Edit Image"),
                                QStringLiteral("No Action")},
                               TabSheet3),
               336, 136, 137, 89);
    RadioGroup1->setItemIndex(0);
    NumEdit3 = numEdit(TabSheet3, 208, 85, 10, 100);
    UpDown3 = upDown(TabSheet3, NumEdit3, 208, 10, 100, 1);
    Label1 = label(TabSheet3, "Jpeg Quality setting (%)", 88, 212);
}

void TForm1::buildInfoPage() {
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet2, QStringLiteral("Info"));
    Memo1 = placed(new QPlainTextEdit(infoHelpText(), TabSheet2), 8, 8, 513, 209);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    about = button(TabSheet2, "About", 392, 236, 113);
}

void TForm1::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    const auto item = [this](const char* caption) {
        return PopupMenu1->addAction(QString::fromLatin1(caption));
    };
    StartMonitoring1 = item("Start Monitoring");
    StopMonitoring1 = item("Stop Monitoring");
    StopMonitoring1->setEnabled(false);
    ClearGrabs1 = item("Clear Grabs");
    Edit1 = item("Edit");
    View1 = item("View");
    Delete1 = item("Delete");
    Save1 = item("Save");
    RestoreWindowSize1 = item("Restore Window Size");
    // Edit fields and the memo keep their own edit menu; everything else on the pages
    // passes the right-click up to the page control.
    PageControl1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PageControl1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(PageControl1->mapToGlobal(at)); });
}
