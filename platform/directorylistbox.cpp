#include "directorylistbox.h"
#include "apperror.h"
#include "filelistbox.h"
#include "pathparts.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStyle>

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentSpacesPerLevel = 2;
} // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setDirectory(item->data(kPathRole).toString()); });
    // Like any folder browser it opens where the process is.
    m_directory = QDir::currentPath();
    fill();
}

void TDirectoryListBox::setDirectory(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    const QFileInfo info(path);
    if (!info.isDir() || !info.isExecutable() || !QDir::setCurrent(path))
        throw AppError(QStringLiteral("Cannot change to folder %1").arg(folder),
                       info.exists() ? QStringLiteral("Permission denied")
                                     : QStringLiteral("No such folder"));
    m_directory = path;
    fill();
    if (m_fileList != nullptr)
        m_fileList->setDirectory(m_directory);
    emit directoryChanged(m_directory);
}

void TDirectoryListBox::setFileList(TFileListBox* fileList) {
    m_fileList = fileList;
    if (m_fileList != nullptr)
        m_fileList->setDirectory(m_directory);
}

void TDirectoryListBox::fill() {
    const QSignalBlocker quiet(this);
    clear();
    const QStringList chain = folderChain(m_directory);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& path = chain[depth];
        addFolderItem(path, depth == 0 ? path : fileNamePart(path), depth, true);
    }
    setCurrentRow(count() - 1);
    const QStringList subFolders =
        QDir(m_directory)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subFolders)
        addFolderItem(joinFolderAndName(m_directory, name), name, chain.size(), false);
}

void TDirectoryListBox::addFolderItem(const QString& path, const QString& text, int depth,
                                      bool open) {
    // Indenting by depth shows the ancestors as a path, the way folder trees read.
    const QString indent(depth * kIndentSpacesPerLevel, u' ');
    auto* item = new QListWidgetItem(
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon),
        indent + text, this);
    item->setData(kPathRole, path);
    item->setSizeHint(QSize(0, m_itemHeight));
    item->setData(Qt::ToolTipRole, path);
}
