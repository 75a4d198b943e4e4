// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/tank_creator.h"

#include "exchange/desktop.h"
#include "exchange/export_staging.h"
#include "exchange/party_backups.h"
#include "exchange/paths.h"
#include "exchange/run_and_wait.h"
#include "exchange/tank_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

bool isNetworkPath(const QString &path) {
    return path.startsWith(QStringLiteral("//"));
}

bool fileExists(const QString &path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// Runs the tool with its output in a folder of its own, staging network paths locally. Answers
// the output file the tool was told to write; empty when staging fails.
QString runTool(const TankRun &run, QTemporaryDir &ownFolder, const QString &tool,
                const QString &source, const QString &out) {
    const QString name = QFileInfo(out).fileName();
    if (!isNetworkPath(source) && !isNetworkPath(out)) {
        if (!ownFolder.isValid())
            return {};
        const QString toolOut = ownFolder.filePath(name);
        runAndWait(run.desktop, tool, tankCreatorArguments(source, toolOut), true);
        return toolOut;
    }
    const QString folder = run.staging.folder();
    if (folder.isEmpty())
        return {};
    const QString copy = folder + lastName(source);
    if (!copyFolder(source, copy))
        return {};
    // A file left from an earlier export must not pass for the tool's output.
    const QString toolOut = folder + name;
    if (fileExists(toolOut) && !QFile::remove(toolOut))
        return {};
    runAndWait(run.desktop, tool, tankCreatorArguments(copy, toolOut), true);
    return toolOut;
}

TankOutcome refuse(Desktop &desktop, const QString &why) {
    desktop.show(
        QStringLiteral("Export failed: %1\r\rThe save folder was left as it was.").arg(why),
        MsgType::Error);
    return TankOutcome::Refused;
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

TankOutcome runTankCreator(const TankRun &run, const QString &tool, const QString &source,
                           const QString &out) {
    if (fileExists(out) &&
        run.desktop.show(QFileInfo(out).completeBaseName() +
                             QStringLiteral(" already exists. Overwrite?"),
                         MsgType::Warning, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return TankOutcome::Cancelled;
    QString problem;
    try {
        const QDateTime start = QDateTime::currentDateTime();
        BusyCursor busy(run.desktop);
        QTemporaryDir ownFolder(QDir::tempPath() + QStringLiteral("/thalrex-export-XXXXXX"));
        const QString written = runTool(run, ownFolder, tool, source, out);
        const QFileInfo info(written);
        if (written.isEmpty() || !fileExists(written) || !isFresh(info.lastModified(), start))
            return TankOutcome::Failed;
        const QString mismatch = tankMismatch(run.kegtap, written, source);
        if (!mismatch.isEmpty()) {
            problem = QStringLiteral("the party the Tank Creator wrote does not match the hero "
                                     "folder: %1.")
                          .arg(mismatch);
        } else {
            try {
                replacePartyFile(run.backups, written, out);
                return TankOutcome::Succeeded;
            } catch (const std::exception &error) {
                problem = QString::fromUtf8(error.what());
            }
        }
    } catch (const std::exception &) {
        return TankOutcome::Failed;
    }
    return refuse(run.desktop, problem);
}
