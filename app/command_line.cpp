// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "thalrex_version.h"

#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {

const char *const usage =
    "Usage: thalrex [OPTION]... [PARTY]\n"
    "Edits the hero of a Dungeon Siege saved party. PARTY, a .dsparty file, is imported at\n"
    "start-up as File > Import imports it.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text and exit\n"
    "      --version  show the version and exit\n"
    "  --             end of the options: what follows is the PARTY\n"
    "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n"
    "\n"
    "Exit status: 0 once the window is closed, 2 for a wrong command line.\n";

void refuse(const QString &why) {
    std::fprintf(stderr, "thalrex: %s (see thalrex --help)\n", qPrintable(why));
}

} // namespace

std::optional<int> answerHelpOrVersion(int argc, char **argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("thalrex " THALREX_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<QString> partyToImport(const QStringList &arguments) {
    QString party;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            refuse(QStringLiteral("unknown option '%1'").arg(argument));
            return std::nullopt;
        }
        if (!party.isEmpty() || argument.isEmpty()) {
            refuse(argument.isEmpty() ? QStringLiteral("an empty PARTY")
                                      : QStringLiteral("one party at a time: '%1'").arg(argument));
            return std::nullopt;
        }
        party = QFileInfo(argument).absoluteFilePath();
    }
    return party;
}
