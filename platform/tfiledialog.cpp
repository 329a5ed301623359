#include "tfiledialog.h"
#include "dialogfilter.h"

#include <QApplication>

TFileDialog::TFileDialog(QFileDialog::AcceptMode mode, QObject* parent)
    : QObject(parent), m_mode(mode) {}

bool TFileDialog::Execute() {
    QFileDialog dialog(QApplication::activeWindow(), QString(), InitialDir);
    dialog.setAcceptMode(m_mode);
    dialog.setFileMode(m_mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(Filter);
    dialog.setNameFilters(filters);
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[FilterIndex - 1]);
    dialog.setDefaultSuffix(DefaultExt);
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().first();
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        FilterIndex = static_cast<int>(chosen) + 1;
    return true;
}
