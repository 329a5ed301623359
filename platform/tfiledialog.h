// An open or save dialog that keeps its settings between runs: the file name, the filter as
// "Description|*.a;*.b" pairs with a 1-based index, the initial folder and default extension.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QString>

class TFileDialog : public QObject {
    Q_OBJECT
public:
    QString FileName;
    QString InitialDir;
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    bool HideReadOnly = false; // kept for the callers; Qt's dialogs have no read-only box

    // Runs the dialog modally; on confirmation takes the chosen file and filter entry.
    bool Execute();

protected:
    TFileDialog(QFileDialog::AcceptMode mode, QObject* parent);

private:
    QFileDialog::AcceptMode m_mode;
};

class TOpenDialog final : public TFileDialog {
    Q_OBJECT
public:
    explicit TOpenDialog(QObject* parent = nullptr)
        : TFileDialog(QFileDialog::AcceptOpen, parent) {}
};

class TSaveDialog final : public TFileDialog {
    Q_OBJECT
public:
    explicit TSaveDialog(QObject* parent = nullptr)
        : TFileDialog(QFileDialog::AcceptSave, parent) {}
};
