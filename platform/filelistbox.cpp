#include "filelistbox.h"
#include "pathparts.h"

#include <QDir>
#include <QSignalBlocker>

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, &TFileListBox::OnChange);
    connect(this, &QListWidget::itemDoubleClicked, this, &TFileListBox::OnDblClick);
}

void TFileListBox::setMask(const QString& mask) {
    m_masks = mask.split(u';', Qt::SkipEmptyParts);
    Update();
}

void TFileListBox::setDirectory(const QString& folder) {
    m_directory = folder;
    Update();
}

void TFileListBox::Update() {
    const QSignalBlocker quiet(this);
    clear();
    if (m_directory.isEmpty())
        return;
    const QDir dir(m_directory);
    const QStringList names = dir.entryList(m_masks, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, this);
        item->setSizeHint(QSize(0, m_itemHeight));
    }
}

QString TFileListBox::FileName() const {
    const QListWidgetItem* item = currentItem();
    if (item == nullptr || !item->isSelected())
        return QString();
    return joinFolderAndName(m_directory, item->text());
}
