#include "drivecombobox.h"
#include "directorylistbox.h"

#include <QFileInfo>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>

bool isPseudoFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> pseudo{
        "proc",       "sysfs",      "devtmpfs",  "devpts",  "cgroup",      "cgroup2",
        "securityfs", "pstore",     "debugfs",   "tracefs", "configfs",    "fusectl",
        "mqueue",     "hugetlbfs",  "bpf",       "autofs",  "binfmt_misc", "efivarfs",
        "nsfs",       "rpc_pipefs", "selinuxfs", "ramfs",   "squashfs"};
    return pseudo.contains(type);
}

int volumeIndexFor(const QStringList& roots, const QString& folder) {
    int best = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const QString& root = roots[i];
        const bool holds =
            root == QLatin1String("/") || folder == root || folder.startsWith(root + u'/');
        if (holds && (best < 0 || root.size() > roots[best].size()))
            best = i;
    }
    return best;
}

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
    refreshVolumes();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_dirList == nullptr)
            return;
        const QString folder = m_dirList->Directory();
        followFolder(folder); // show the volume actually entered if the change fails
        m_dirList->setDirectory(itemData(index).toString());
    });
}

void TDriveComboBox::setDirList(TDirectoryListBox* dirList) {
    m_dirList = dirList;
    connect(m_dirList, &TDirectoryListBox::directoryChanged, this, &TDriveComboBox::followFolder);
    followFolder(m_dirList->Directory());
}

void TDriveComboBox::refreshVolumes() {
    const QSignalBlocker quiet(this);
    clear();
    QSet<QString> seen;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || isPseudoFileSystem(volume.fileSystemType()) ||
            !QFileInfo(root).isDir() || seen.contains(root))
            continue;
        seen.insert(root);
        const QString name = volume.displayName();
        addItem(name == root ? root : QStringLiteral("%1 [%2]").arg(root, name), root);
    }
}

void TDriveComboBox::followFolder(const QString& folder) {
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots << itemData(i).toString();
    const QSignalBlocker quiet(this);
    setCurrentIndex(volumeIndexFor(roots, folder));
}
