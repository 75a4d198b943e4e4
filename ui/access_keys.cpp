// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access_keys.h"

QStringList withAccessKeys(const QStringList &texts, QString reserved) {
    reserved = reserved.toLower();
    QStringList captions;
    for (const QString &text : texts) {
        qsizetype key = -1;
        for (qsizetype i = 0; i < text.size() && key < 0; ++i) {
            const QChar c = text[i].toLower();
            if (c.isLetterOrNumber() && !reserved.contains(c))
                key = i;
        }
        QString caption;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (i == key) {
                caption += '&';
                reserved += text[i].toLower();
            }
            caption += text[i] == '&' ? QStringLiteral("&&") : QString(text[i]);
        }
        captions << caption;
    }
    return captions;
}
