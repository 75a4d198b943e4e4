// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/run_and_wait.h"

#include "exchange/desktop.h"

#include <QStandardPaths>
#include <stdexcept>

void runAndWait(Desktop &desktop, const QString &program, const QStringList &arguments, bool wait) {
    QString executable = program;
    QStringList args = arguments;
    if (program.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (!wine.isEmpty()) {
            args.prepend(program);
            executable = wine;
        }
    }
    if (!desktop.startProcess(executable, args, wait))
        throw std::runtime_error(("Executable " + program + " not found").toStdString());
}
