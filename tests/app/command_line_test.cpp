// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct PartyCase {
    QStringList arguments; // after the program's name, as left by Qt
    std::optional<QString> party;
};

TEST(CommandLine, PartyToImportTakesOneFileAndRefusesUnknownOptions) {
    const QString here = QDir::currentPath();
    const PartyCase cases[] = {
        {{}, QString()},
        {{"Ulf.dsparty"}, here + "/Ulf.dsparty"},
        {{"/saves/Ulf.dsparty"}, "/saves/Ulf.dsparty"},
        {{"--", "-odd.dsparty"}, here + "/-odd.dsparty"},
        {{"--", "--"}, here + "/--"},
        {{"-"}, here + "/-"},
        {{"--bogus"}, std::nullopt},
        {{"-x", "Ulf.dsparty"}, std::nullopt},
        {{"a.dsparty", "b.dsparty"}, std::nullopt},
        {{""}, std::nullopt},
    };
    for (const PartyCase &c : cases)
        EXPECT_EQ(partyToImport(QStringList{"thalrex"} + c.arguments), c.party)
            << c.arguments.join(' ').toStdString();
}

} // namespace
