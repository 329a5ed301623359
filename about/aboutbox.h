// The About window: the program's version and description, the maker, the versions of the
// maker's libraries on this machine, and the terms of use.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TMButton;

class TAboutForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QTabWidget* PageControl1;

    // Page "Program".
    QWidget* TabSheet1;
    QLabel* Image1;
    QLabel* Label2;
    QLabel* Label1;

    // Page "Velmor Graphics".
    QWidget* TabSheet2;
    QPlainTextEdit* Memo3;
    TMButton* MButton3;
    QLabel* Label4;
    TMButton* MButton2;
    QLabel* Label5;

    // Page "DLLs".
    QWidget* TabSheet3;
    QListWidget* ListBox1;
    QLabel* Label3;
    QLabel* Label6;
    TMButton* MButton1;

    // Page "Copyrights".
    QWidget* TabSheet4;
    QPlainTextEdit* Memo1;

    // Beside the pages, whichever is shown.
    TMButton* MButton4;
    QPushButton* Button2;
    // Hidden: entry i is the description of line i of ListBox1.
    QListWidget* ListBox2;

    // What the program is for; the opener sets it before each showing.
    QString Description;

    // Rebuilds the version label, description, library list and icon; runs at each showing.
    void FormShow();
    // Appends the version line of the library `name` and its description.
    void AddDllEntry(const QString& name, const QString& description);
    void ListBox1Click();
    void MButton3Click();
    void MButton2Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void buildProgramPage();
    void buildMakerPage();
    void buildDllPage();
    void buildCopyrightPage();
    void bindEvents();
};
