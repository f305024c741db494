#include "DriveComboBox.h"

#include "DirectoryListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

namespace {

bool isUnder(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

QString textOf(const DriveComboBox::Drive &drive)
{
    return drive.label.isEmpty() ? drive.rootPath
                                 : drive.rootPath + QStringLiteral(" [") + drive.label + ']';
}

} // namespace

bool DriveComboBox::isUserVolume(const QStorageInfo &volume)
{
    // Kernel and memory file systems, and the read-only images of packaged applications.
    static const QSet<QByteArray> pseudo {
        "proc",     "sysfs",   "devtmpfs",        "devpts",      "tmpfs",      "ramfs",
        "cgroup",   "cgroup2", "securityfs",      "debugfs",     "tracefs",    "pstore",
        "bpf",      "mqueue",  "hugetlbfs",       "fusectl",     "configfs",   "binfmt_misc",
        "autofs",   "nsfs",    "efivarfs",        "selinuxfs",   "rpc_pipefs", "nfsd",
        "squashfs", "overlay", "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "fuse.snapfuse",
        "none"};
    const QString root = volume.rootPath();
    if (root == QLatin1String("/"))
        return true; // whatever it is (an overlay in a container), the root is always there
    if (!volume.isValid() || !volume.isReady() || pseudo.contains(volume.fileSystemType()))
        return false;
    for (const char *system : {"/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/docker"}) {
        if (isUnder(root, QLatin1String(system)) && !isUnder(root, QStringLiteral("/run/media")))
            return false;
    }
    return QFileInfo(root).isDir(); // not a single file mounted over another (container set-ups)
}

QList<DriveComboBox::Drive> DriveComboBox::userDrives()
{
    QList<Drive> drives {{QStringLiteral("/"), {}}};
    QSet<QString> seen {QStringLiteral("/")};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (seen.contains(root) || !isUserVolume(volume))
            continue;
        seen.insert(root);
        drives.append({root, volume.name()});
    }
    std::sort(drives.begin() + 1, drives.end(),
              [](const Drive &a, const Drive &b) { return a.rootPath < b.rootPath; });
    return drives;
}

DriveComboBox::DriveComboBox(QWidget *parent)
    : QComboBox(parent)
{
    for (const Drive &drive : userDrives())
        addItem(textOf(drive), drive.rootPath);
    setDriveOf(QDir::currentPath());
    connect(this, &QComboBox::activated, this, &DriveComboBox::picked);
}

QString DriveComboBox::drive() const
{
    return currentData().toString();
}

int DriveComboBox::rowOf(const QString &folder)
{
    // The drive whose root is the longest one above the folder.
    int best = -1;
    for (int row = 0; row < count(); ++row) {
        const QString root = itemData(row).toString();
        if (isUnder(folder, root) && (best < 0 || root.size() > itemData(best).toString().size()))
            best = row;
    }
    // A folder on a volume left out of the list (or mounted later) still gets its drive.
    const QString root = QStorageInfo(folder).rootPath();
    if (!root.isEmpty() && (best < 0 || root.size() > itemData(best).toString().size())) {
        addItem(textOf({root, QStorageInfo(folder).name()}), root);
        best = count() - 1;
    }
    return best;
}

void DriveComboBox::setDriveOf(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const int row = rowOf(path);
    if (row < 0)
        return;
    setCurrentIndex(row);
    lastFolder_.insert(itemData(row).toString(), path);
}

void DriveComboBox::setDirList(DirectoryListBox *list)
{
    if (dirList_)
        disconnect(dirList_, nullptr, this, nullptr);
    dirList_ = list;
    if (dirList_) {
        connect(dirList_, &DirectoryListBox::directoryChanged, this,
                &DriveComboBox::followDirectory);
        followDirectory(dirList_->directory());
    }
}

void DriveComboBox::followDirectory(const QString &folder)
{
    setDriveOf(folder);
}

void DriveComboBox::picked(int row)
{
    const QString root = itemData(row).toString();
    if (!dirList_)
        return;
    // The folder last current on that drive, or the nearest folder above it that still exists.
    QString folder = lastFolder_.value(root, root);
    while (!QFileInfo(folder).isDir() && folder != root && isUnder(folder, root))
        folder = QFileInfo(folder).absolutePath();
    if (!dirList_->setDirectory(folder))
        setDriveOf(dirList_->directory()); // the drive is gone: stay where the list is
}
