// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/kegtap_location.h"

#include "thalrex_install_layout.h"

#include <QFileInfo>

QString kegtapLibraryPath(const QString &programFolder) {
    const QString beside = programFolder + QStringLiteral("libkegtap.so");
    if (QFileInfo::exists(beside))
        return beside;
    const QString soname = QStringLiteral("libkegtap.so.0");
    return QFileInfo::exists(programFolder + QStringLiteral(THALREX_LIBRARY_FROM_PROGRAM) + soname)
               ? soname
               : beside;
}
