// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Menu captions for plain texts: each "&" is escaped and the first letter or digit not yet taken
// (by the others or by the reserved keys) becomes the access key.
QStringList withAccessKeys(const QStringList &texts, QString reserved = {});
