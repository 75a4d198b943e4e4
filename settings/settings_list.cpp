// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_list.h"

QStringList SettingsList::firstRunLines() {
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

SettingsList::SettingsList() : m_lines(firstRunLines()) {}

qsizetype SettingsList::indexOfKey(const QString &key) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const qsizetype eq = m_lines[i].indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(m_lines[i]).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool SettingsList::hasKey(const QString &key) const {
    return indexOfKey(key) >= 0;
}

QString SettingsList::value(const QString &key) const {
    const qsizetype i = indexOfKey(key);
    if (i < 0)
        return {};
    return m_lines[i].mid(m_lines[i].indexOf(QLatin1Char('=')) + 1);
}

void SettingsList::setValue(const QString &key, const QString &value) {
    const qsizetype i = indexOfKey(key);
    const QString line = key + QLatin1Char('=') + value;
    if (i < 0)
        m_lines.append(line);
    else
        m_lines[i] = line;
}

bool SettingsList::boolValue(const QString &key) const {
    return value(key) == QLatin1String("1");
}

void SettingsList::setBoolValue(const QString &key, bool value) {
    setValue(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
