// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/export_staging.h"

#include "exchange/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A path that is absent, or a real folder of this user.
bool isOwnFolderOrAbsent(const QString &path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return false;
    return !info.exists() || (info.isDir() && info.ownerId() == getuid());
}

bool removeFolder(const QString &folder) {
    QDirIterator it(folder, QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QFile(folder).setPermissions(QFile(folder).permissions() | QFile::WriteOwner |
                                 QFile::ReadOwner | QFile::ExeOwner);
    while (it.hasNext()) {
        const QString dir = it.next();
        if (!it.fileInfo().isSymLink())
            QFile(dir).setPermissions(QFile(dir).permissions() | QFile::WriteOwner |
                                      QFile::ReadOwner | QFile::ExeOwner);
    }
    return QDir(folder).removeRecursively();
}

bool copyTree(const QString &source, const QString &copy) {
    if (!QDir().mkpath(copy))
        return false;
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString target = copy + '/' + entry.fileName();
        if (entry.isDir()) {
            if (entry.isSymLink() || !copyTree(entry.filePath(), target))
                return false;
        } else {
            if (QFileInfo::exists(target) && !QFile::remove(target))
                return false;
            if (!copyFile(entry.filePath(), target))
                return false;
        }
    }
    return true;
}

} // namespace

bool copyFile(const QString &source, const QString &copy) {
    struct stat written {};
    if (::stat(QFile::encodeName(source).constData(), &written) != 0 || !QFile::copy(source, copy))
        return false;
    const timespec times[2] = {{0, UTIME_OMIT}, written.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(copy).constData(), times, 0) == 0;
}

QString ExportStaging::thalrexFolder() const {
    return m_base + QStringLiteral("Thalrex");
}

QString ExportStaging::folder() {
    if (m_base.isEmpty())
        m_base = withTrailingSlash(QDir::tempPath().trimmed());
    const QString folder = thalrexFolder() + QStringLiteral("/Export/");
    if (!isOwnFolderOrAbsent(thalrexFolder()) || !isOwnFolderOrAbsent(folder))
        return {};
    return folder;
}

bool copyFolder(const QString &source, const QString &copy) {
    if (!QFileInfo(source).isDir())
        return false;
    const QFileInfo old(copy);
    if (old.isSymLink() ? !QFile::remove(copy) : old.exists() && !removeFolder(copy))
        return false;
    return copyTree(withoutTrailingSlash(source), withoutTrailingSlash(copy));
}

ExportStaging::~ExportStaging() {
    if (!m_base.isEmpty() && isOwnFolderOrAbsent(thalrexFolder()))
        removeFolder(thalrexFolder());
}
