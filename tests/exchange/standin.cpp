// SPDX-License-Identifier: GPL-3.0-or-later
#include "standin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace {

QString writeScript(const QString &path, const QByteArray &body) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n" + body) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList readLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QString writeTankCreator(const QString &path, ToolMode mode) {
    switch (mode) {
    case ToolMode::Writes:
        return writeScript(path, "ls -A \"$2\" > \"$0.source\"\nexec '" TANKCREATOR "' \"$@\"\n");
    case ToolMode::WritesGarbage:
        return writeScript(path, "printf TANK > \"$4\"\n");
    case ToolMode::WritesOtherFiles:
        return writeScript(path, "copy=$(mktemp -d)\ncp -R \"$2/.\" \"$copy\"\n"
                                 "printf x >> \"$copy/Party.gas\"\n'" TANKCREATOR
                                 "' -source \"$copy\" -out \"$4\"\nrm -rf \"$copy\"\n");
    case ToolMode::Fails:
        return writeScript(path, "exit 3\n");
    case ToolMode::WritesNothing:
        return writeScript(path, "exit 0\n");
    }
    return {};
}

QString writeRecorder(const QString &path) {
    return writeScript(path, {});
}

QStringList recordedArguments(const QString &script) {
    return readLines(script + ".args");
}

QStringList packedFiles(const QString &script) {
    return readLines(script + ".source");
}
