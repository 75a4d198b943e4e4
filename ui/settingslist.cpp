// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settingslist.h"

QStringList TSettingsList::FirstRunLines() {
    return {
        QStringLiteral("farmboyhead=default"),
        QStringLiteral("farmboyskin0=b_c_gah_fb_skin_005,b_c_gah_fb_hair_004"),
        QStringLiteral("farmboyskin1=b_c_pos_a1_pant_010,b_c_pos_a1_shrt_014"),
        QStringLiteral("farmgirlhead=m_c_gah_fg_hlmt_head-03"),
        QStringLiteral("farmgirlskin0=b_c_gah_fg_skin_005,b_c_gah_fg_hair_001"),
        QStringLiteral("farmgirlskin1=b_c_pos_a1_pant_004,b_c_pos_a1_shrt_009"),
        QStringLiteral("dwarfhead=default"),
        QStringLiteral("dwarfskin0=b_c_gan_df_skin_06"),
        QStringLiteral("dwarfskin1=b_c_pos_a1_pant_005,b_c_pos_a1_shrt_009"),
        QStringLiteral("skeleton_goodhead=default"),
        QStringLiteral("skeleton_goodskin0=b_c_ecm_sk"),
        QStringLiteral("TankDlgAlways=0"),
    };
}

TSettingsList::TSettingsList() : lines(FirstRunLines()) {}

qsizetype TSettingsList::IndexOfKey(const QString &key) const {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype eq = lines[i].indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(lines[i]).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool TSettingsList::HasKey(const QString &key) const {
    return IndexOfKey(key) >= 0;
}

QString TSettingsList::Value(const QString &key) const {
    const qsizetype i = IndexOfKey(key);
    if (i < 0)
        return {};
    return lines[i].mid(lines[i].indexOf(QLatin1Char('=')) + 1);
}

void TSettingsList::SetValue(const QString &key, const QString &value) {
    const qsizetype i = IndexOfKey(key);
    const QString line = key + QLatin1Char('=') + value;
    if (i < 0)
        lines.append(line);
    else
        lines[i] = line;
}

bool TSettingsList::Bool(const QString &key) const {
    return Value(key) == QLatin1String("1");
}

void TSettingsList::SetBool(const QString &key, bool value) {
    SetValue(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
