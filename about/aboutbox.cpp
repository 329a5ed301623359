#include "aboutbox.h"
#include "abouttexts.h"
#include "fitlabel.h"
#include "librarytable.h"
#include "mbutton.h"
#include "versionrecord.h"
#include "versiontext.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <filesystem>

namespace {
std::filesystem::path nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

constexpr int kLineHeight = 15;
constexpr int kIconSize = 32;
} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    buildForm();
    bindEvents();
}

void TAboutForm::bindEvents() {
    // Raised for every change of the selection, by the mouse or by the arrow keys.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TAboutForm::ListBox1Click);
    connect(MButton3, &TMButton::OnClick, this, &TAboutForm::MButton3Click);
    connect(MButton1, &TMButton::OnClick, this, &TAboutForm::MButton3Click);
    connect(MButton2, &TMButton::OnClick, this, &TAboutForm::MButton2Click);
    connect(Button2, &QPushButton::clicked, this, &TAboutForm::Button1Click);
}

void TAboutForm::showEvent(QShowEvent* event) {
    // Not when the window system shows it again, after being minimised.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TAboutForm::FormShow() {
    if (const QWidget* opener = parentWidget())
        move(opener->window()->pos());
    const QString program = QCoreApplication::applicationFilePath();
    Label2->setText(
        programVersionLabel(applicationTitle(program), readVersionRecord(nativePath(program))));
    fitLabel(Label2);
    Label1->setText(Description);
    // Both lists, so entry i of the descriptions stays the line i of the versions.
    ListBox1->clear();
    ListBox2->clear();
    for (const LibraryRow& row : libraryTable())
        AddDllEntry(row.fileName, row.description);
    const QPixmap icon = QApplication::windowIcon().pixmap(kIconSize);
    Image1->setPixmap(icon);
    Image1->resize(icon.size());
}

void TAboutForm::AddDllEntry(const QString& name, const QString& description) {
    const auto record = fileVersionInfo(QFile::encodeName(name).toStdString(),
                                        nativePath(QCoreApplication::applicationDirPath()));
    auto* line = new QListWidgetItem(dllLine(name, record), ListBox1);
    line->setSizeHint(QSize(0, kLineHeight));
    ListBox2->addItem(description);
}

void TAboutForm::ListBox1Click() {
    for (int row = 0; row < ListBox1->count(); ++row) {
        if (!ListBox1->item(row)->isSelected())
            continue;
        if (const QListWidgetItem* description = ListBox2->item(row))
            Label3->setText(description->text() + QLatin1Char(' '));
        return;
    }
}

// The shell's answer is not waited for: the window closes whether or not the link opened.
void TAboutForm::MButton3Click() {
    QDesktopServices::openUrl(webSiteUrl());
    reject();
}

void TAboutForm::MButton2Click() {
    QDesktopServices::openUrl(contactUrl());
    reject();
}

void TAboutForm::Button1Click() {
    reject();
}
