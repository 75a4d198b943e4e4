// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/tank_creator.h"

#include "exchange/desktop.h"
#include "exchange/export_staging.h"
#include "exchange/paths.h"
#include "exchange/run_and_wait.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isNetworkPath(const QString &path) {
    return path.startsWith(QStringLiteral("//"));
}

bool fileExists(const QString &path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// Runs the tool, staging network paths locally; false when staging fails.
bool runTool(Desktop &desktop, ExportStaging &staging, const QString &tool, const QString &source,
             const QString &out) {
    if (!isNetworkPath(source) && !isNetworkPath(out)) {
        runAndWait(desktop, tool, tankCreatorArguments(source, out), true);
        return true;
    }
    const QString folder = staging.folder();
    if (folder.isEmpty())
        return false;
    const QString copy = folder + lastName(source);
    if (!copyFolder(source, copy))
        return false;
    // A file left from an earlier export must not pass for the tool's output.
    const QString toolOut = folder + QFileInfo(out).fileName();
    if (fileExists(toolOut) && !QFile::remove(toolOut))
        return false;
    runAndWait(desktop, tool, tankCreatorArguments(copy, toolOut), true);
    if (fileExists(toolOut)) {
        if (fileExists(out))
            QFile::remove(out);
        copyFile(toolOut, out);
    }
    return true;
}

} // namespace

QStringList tankCreatorArguments(const QString &source, const QString &out) {
    return {QStringLiteral("-source"), withoutTrailingSlash(source), QStringLiteral("-out"), out};
}

bool isFresh(const QDateTime &written, const QDateTime &start) {
    qint64 seconds = written.toSecsSinceEpoch();
    seconds -= ((seconds % 2) + 2) % 2;
    return (seconds + 2) * 1000 > start.toMSecsSinceEpoch();
}

TankOutcome runTankCreator(Desktop &desktop, ExportStaging &staging, const QString &tool,
                           const QString &source, const QString &out) {
    if (fileExists(out) &&
        desktop.show(QFileInfo(out).completeBaseName() +
                         QStringLiteral(" already exists. Overwrite?"),
                     MsgType::Warning, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return TankOutcome::Cancelled;
    try {
        const QDateTime start = QDateTime::currentDateTime();
        BusyCursor busy(desktop);
        if (!runTool(desktop, staging, tool, source, out))
            return TankOutcome::Failed;
        const QFileInfo written(out);
        if (!written.exists() || written.isDir())
            return TankOutcome::Failed;
        return isFresh(written.lastModified(), start) ? TankOutcome::Succeeded
                                                      : TankOutcome::Failed;
    } catch (const std::exception &) {
        return TankOutcome::Failed;
    }
}
