// What the window keeps of a file dialog between runs: file name, filter, default extension.
#pragma once

#include <QObject>
#include <QString>

class TFileDialog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString FileName;
    QString InitialDir;
    QString Filter; // "Description|*.a;*.b" pairs
    QString DefaultExt;
};

class TOpenDialog final : public TFileDialog {
    Q_OBJECT
public:
    using TFileDialog::TFileDialog;
};

class TSaveDialog final : public TFileDialog {
    Q_OBJECT
public:
    using TFileDialog::TFileDialog;
};
