// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skill_panels.h"

#include "hero/hero.h"
#include "ui/hints.h"
#include "ui/level_button.h"
#include "ui/skill_bar.h"
#include "ui/skill_icons.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

constexpr int barLeft = 92;
constexpr int barWidth = 201;
constexpr int barHeight = 14;
constexpr int firstRepeat = 1250;
constexpr int fastestRepeat = 50;
constexpr int gaugeHeight = 44;
constexpr int fractionWidth = 31;

const QString adjustHint =
    QStringLiteral("Adjust Experience|Drag the bar left or right to adjust experience");
const QString percentHint =
    QStringLiteral("Percent of Next Level Gained|Percent of next level gained");

QFont pixelFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

SkillPanels::SkillPanels(Hero &hero, QWidget *parent) : QWidget(parent), m_hero(hero) {
    setObjectName(QStringLiteral("skillPanels"));
    struct Layout {
        const char *name;
        SkillKind kind;
        int top;
        const char *caption;
        const char *hint;
    };
    static const Layout layout[rowCount] = {
        {"strength", SkillKind::None, 3, "Strength:", "Strength"},
        {"dexterity", SkillKind::None, 19, "Dexterity:", "Dexterity"},
        {"intelligence", SkillKind::None, 35, "Intelligence:", "Intelligence"},
        {"melee", SkillKind::Melee, 59, "Melee:", "Melee"},
        {"ranged", SkillKind::Ranged, 75, "Ranged:", "Ranged"},
        {"nature", SkillKind::Nature, 91, "Nature:", "Nature Magic"},
        {"combat", SkillKind::Combat, 107, "Combat:", "Combat Magic"},
    };
    for (int n = 0; n < rowCount; ++n) {
        const Layout &l = layout[n];
        SkillRow &row = m_rows[n];
        row.name = QString::fromLatin1(l.name);
        row.kind = l.kind;
        buildRow(row, l.top, QString::fromLatin1(l.caption), QString::fromLatin1(l.hint));
        if (l.kind == SkillKind::None)
            continue;

        row.icon = new QLabel(this);
        row.icon->setObjectName(row.name + QStringLiteral("Icon"));
        row.icon->setGeometry(2, l.top, 16, 14);
        row.icon->setPixmap(skillIcon(l.kind));

        auto makeButton = [&](bool up, int left, const char *hint) {
            auto *button = new LevelButton(this, l.kind, up);
            button->setObjectName(row.name + (up ? QStringLiteral("Up") : QStringLiteral("Down")));
            button->setGeometry(left, l.top + 1, 12, 11);
            button->setFont(pixelFont(11, true));
            button->setCursor(Qt::PointingHandCursor);
            setHint(button, QString::fromLatin1(hint));
            connect(button, &LevelButton::mouseDown, this, &SkillPanels::beginRepeat);
            connect(button, &LevelButton::mouseUp, this, &SkillPanels::endRepeat);
            return button;
        };
        row.down = makeButton(false, 80, "Decrease Level|Click to decrease level");
        row.up = makeButton(true, 293,
                            "Increase to Next Level|Click to increase to beginning of next level");
    }
    buildGauge();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("repeatTimer"));
    connect(m_timer, &QTimer::timeout, this, &SkillPanels::repeatStep);
}

void SkillPanels::buildRow(SkillRow &row, int top, const QString &caption, const QString &hint) {
    const bool skill = row.kind != SkillKind::None;
    const QPalette colours = palette();
    const QColor face = colours.color(QPalette::Button);
    const QColor text = colours.color(QPalette::WindowText);

    row.caption = new QLabel(caption, this);
    row.caption->setObjectName(row.name + QStringLiteral("Caption"));
    // A skill's caption ends before its "<" button; an attribute's may use the whole width.
    row.caption->setGeometry(skill ? QRect(18, top - 1, 61, 16) : QRect(0, top - 1, 90, 16));
    row.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.caption->setFont(pixelFont(13));

    row.panel = new QWidget(this);
    row.panel->setObjectName(row.name + QStringLiteral("Panel"));
    row.panel->setGeometry(barLeft, top, barWidth, barHeight);

    auto makeBar = [&](const char *part, const QColor &brush, const QColor &pen, QRect geometry) {
        auto *bar = new SkillBar(row.panel, brush, pen);
        bar->setObjectName(row.name + QLatin1String(part));
        bar->setGeometry(geometry);
        return bar;
    };
    row.background = makeBar("Background", face, text, QRect(0, 0, barWidth, barHeight));
    row.levelTrack = makeBar("LevelTrack", face, text, QRect(0, 0, barWidth, 4));
    row.levelBar = makeBar("LevelBar", colours.color(QPalette::Highlight), text, QRect(0, 0, 1, 4));
    const QColor info = colours.color(QPalette::ToolTipBase);
    row.position = makeBar("Position", info, info, QRect(1, 4, 0, 9));
    const QColor shadow = colours.color(QPalette::Dark);
    row.committed = makeBar("Committed", shadow, shadow, QRect(1, 4, 0, 9));

    if (skill) {
        // The bar and its position are the skill's drag handles.
        for (SkillBar *handle : {row.background, row.position}) {
            handle->setSkillKind(row.kind);
            handle->setCursor(Qt::UpArrowCursor);
            setHint(handle, adjustHint);
            connect(handle, &SkillBar::mouseDown, this, &SkillPanels::beginDrag);
            connect(handle, &SkillBar::mouseMove, this,
                    [this](SkillBar *bar, Qt::MouseButtons, QPoint pos) { dragTo(bar, pos); });
            connect(handle, &SkillBar::mouseUp, this, [this] { endDrag(); });
        }
    } else {
        setHint(row.position, percentHint);
    }
    setHint(row.levelBar, QStringLiteral("Levels Gained|Levels gained"));
    setHint(row.committed, percentHint);

    row.level = new QLabel(QStringLiteral("0"), this);
    row.level->setObjectName(row.name + QStringLiteral("Level"));
    row.level->setGeometry(305, top, 25, barHeight);
    row.level->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.level->setFont(pixelFont(11, true));
    setHint(row.level, hint);

    row.fraction = new QLabel(this);
    row.fraction->setObjectName(row.name + QStringLiteral("Fraction"));
    // From its place to the window's right edge, so that ".9999" shows whole at the default font.
    row.fraction->setGeometry(330, top, fractionWidth, barHeight);
    row.fraction->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.fraction->setFont(pixelFont(9));
    setHint(row.fraction, hint);
}

void SkillPanels::buildGauge() {
    m_frame = new SkillBar(this, Qt::white, palette().color(QPalette::WindowText));
    m_frame->setObjectName(QStringLiteral("healthManaFrame"));
    m_frame->setGeometry(294, 3, 10, 46);
    m_health = new SkillBar(this, Qt::red, Qt::red);
    m_health->setObjectName(QStringLiteral("healthBar"));
    m_health->setGeometry(295, 47, 4, 0);
    m_mana = new SkillBar(this, Qt::blue, Qt::blue);
    m_mana->setObjectName(QStringLiteral("manaBar"));
    m_mana->setGeometry(299, 47, 4, 0);
}

const SkillRow &SkillPanels::row(const QString &name) const {
    for (const SkillRow &row : m_rows)
        if (row.name == name)
            return row;
    throw std::invalid_argument("No skill panel row " + name.toStdString());
}

Attribute &SkillPanels::attributeOf(const SkillRow &row) {
    if (Skill *skill = m_hero.skill(row.kind))
        return *skill;
    if (row.name == QLatin1String("strength"))
        return m_hero.strength();
    if (row.name == QLatin1String("dexterity"))
        return m_hero.dexterity();
    return m_hero.intelligence();
}

void SkillPanels::showHero() {
    for (const SkillRow &row : m_rows) {
        const Attribute &attribute = attributeOf(row);
        row.levelBar->setWidth(row.levelBar->levelToWidth(attribute.level()));
        row.level->setText(QString::number(attribute.level()));
        row.committed->setWidth(row.committed->percentToWidth(attribute.committedPercentOfLevel()));
        row.committed->setVisible(attribute.currentLevel() == attribute.baseLevel());
        row.position->setWidth(row.position->percentToWidth(attribute.percentOfLevel()));
        row.fraction->setText(QString::fromStdString(fractionText(attribute.percentOfLevel())));
    }
    showHealthAndMana();
}

void SkillPanels::showHealthAndMana() {
    const HealthAndMana values = m_hero.healthAndMana();
    const QString hint =
        QStringLiteral("|Health: %1  Mana: %2").arg(values.health).arg(values.mana);
    setHint(m_frame, hint);
    setHint(m_health, QStringLiteral("Health") + hint);
    setHint(m_mana, QStringLiteral("Mana") + hint);
    for (auto [bar, value] : {std::pair{m_health, values.health}, std::pair{m_mana, values.mana}}) {
        // A value below e^(21/8) has no bar at all rather than a negative one.
        const int h = value > 0 ? std::clamp(int(std::trunc(8 * std::log(double(value)))) - 21, 0,
                                             gaugeHeight)
                                : 0;
        bar->setGeometry(bar->x(), m_frame->y() + m_frame->height() - 1 - h, bar->width(), h);
    }
}

void SkillPanels::beginDrag(SkillBar *bar, Qt::MouseButton button, QPoint pos) {
    if (button != Qt::LeftButton)
        return;
    m_dragging = true;
    const int x = pos.x() + bar->x();
    m_lastX = x;
    m_lastWrap = 0;
    adjustTo(bar, x, true);
}

void SkillPanels::dragTo(SkillBar *bar, QPoint pos) {
    if (!m_dragging)
        return;
    const int x = pos.x() + bar->x();
    adjustTo(bar, x, x >= m_lastX);
    m_lastX = x;
}

void SkillPanels::endDrag() {
    m_dragging = false;
}

void SkillPanels::adjustTo(SkillBar *bar, int x, bool rightward) {
    Skill *skill = m_hero.skill(bar->skillKind());
    if (!skill)
        return;
    const int span = bar->parentWidget()->width() - 1;
    if (span <= 0)
        return;
    int wrap = 0;
    while (x >= span) {
        x -= span;
        ++wrap;
    }
    while (x < 0) {
        x += span;
        --wrap;
    }
    const double p = bar->percentAt(x);
    const long double value = (rightward ? p : -p) + (wrap - m_lastWrap) * 100.0L;
    skill->adjustExperience(value);
    m_lastWrap = wrap;
    if (skill->atLimit())
        endDrag(); // the drag ends here, as if the button had been released
}

void SkillPanels::stepLevel(LevelButton *button) {
    Skill *skill = m_hero.skill(button->skillKind());
    if (!skill)
        return;
    if (button->isUp())
        skill->adjustExperience(100);
    else if (skill->percentOfLevel() <= 0.000001L)
        skill->adjustExperience(-100);
    else
        skill->adjustExperience(0);
}

void SkillPanels::beginRepeat(LevelButton *button) {
    stepLevel(button);
    m_repeating = button;
    m_timer->setInterval(firstRepeat);
    m_timer->start();
}

void SkillPanels::endRepeat() {
    m_timer->stop();
}

void SkillPanels::repeatStep() {
    m_timer->stop();
    m_timer->setInterval(std::max(fastestRepeat, m_timer->interval() / 2));
    if (!m_repeating)
        return;
    stepLevel(m_repeating);
    m_timer->start();
}
