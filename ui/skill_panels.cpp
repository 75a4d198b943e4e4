// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skill_panels.h"

#include "hero/hero.h"
#include "ui/ds_button.h"
#include "ui/ds_label.h"
#include "ui/ds_shape.h"
#include "ui/hints.h"
#include "ui/skill_icons.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

constexpr int BarLeft = 92;
constexpr int BarWidth = 201;
constexpr int BarHeight = 14;
constexpr int FirstRepeat = 1250;
constexpr int FastestRepeat = 50;
constexpr int GaugeHeight = 44;
constexpr int FractionWidth = 31;

const QString AdjustHint =
    QStringLiteral("Adjust Experience|Drag the bar left or right to adjust experience");
const QString PercentHint =
    QStringLiteral("Percent of Next Level Gained|Percent of next level gained");

QFont PixelFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

TDSAttribute &AttributeOf(TDSHero &hero, QChar letter) {
    switch (letter.toLatin1()) {
    case 'S':
        return hero.Strength();
    case 'D':
        return hero.Dexterity();
    case 'I':
        return hero.Intelligence();
    case 'M':
        return hero.Melee();
    case 'R':
        return hero.Ranged();
    case 'N':
        return hero.Nature();
    default:
        return hero.Combat();
    }
}

} // namespace

TDSSkillPanels::TDSSkillPanels(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlSkills"));
    struct Layout {
        char letter;
        TDSSkills kind;
        int top;
        const char *caption;
        const char *hint;
        const char *down;
        const char *up;
    };
    static const Layout layout[RowCount] = {
        {'S', dskNone, 3, "Strength:", "Strength", nullptr, nullptr},
        {'D', dskNone, 19, "Dexterity:", "Dexterity", nullptr, nullptr},
        {'I', dskNone, 35, "Intelligence:", "Intelligence", nullptr, nullptr},
        {'M', dskMelee, 59, "Melee:", "Melee", "DSButton2", "spdM"},
        {'R', dskRanged, 75, "Ranged:", "Ranged", "DSButton1", "spdR"},
        {'N', dskNature, 91, "Nature:", "Nature Magic", "DSButton3", "spdN"},
        {'C', dskCombat, 107, "Combat:", "Combat Magic", "DSButton4", "spdC"},
    };
    for (int n = 0; n < RowCount; ++n) {
        const Layout &l = layout[n];
        TDSPanelRow &row = rows[n];
        row.letter = QLatin1Char(l.letter);
        row.kind = l.kind;
        BuildRow(row, l.top, QString::fromLatin1(l.caption), QString::fromLatin1(l.hint));
        if (l.kind == dskNone)
            continue;

        row.img = new QLabel(this);
        row.img->setObjectName(QStringLiteral("img") + row.letter);
        row.img->setGeometry(2, l.top, 16, 14);
        row.img->setPixmap(SkillIcon(l.kind));

        auto makeButton = [&](const char *name, const char *text, int left, int tag,
                              const char *hint) {
            auto *button = new TDSButton(this);
            button->setObjectName(QString::fromLatin1(name));
            button->setGeometry(left, l.top + 1, 12, 11);
            button->setText(QString::fromLatin1(text));
            button->setFont(PixelFont(11, true));
            button->setCursor(Qt::PointingHandCursor);
            button->SetSkillType(l.kind);
            button->SetTag(tag);
            SetHint(button, QString::fromLatin1(hint));
            connect(button, &TDSButton::MouseDown, this, &TDSSkillPanels::spdMMouseDown);
            connect(button, &TDSButton::MouseUp, this, &TDSSkillPanels::spdMMouseUp);
            return button;
        };
        row.down = makeButton(l.down, "<", 80, 0, "Decrease Level|Click to decrease level");
        row.up = makeButton(l.up, ">", 293, 1,
                            "Increase to Next Level|Click to increase to beginning of next level");
    }
    BuildGauge();

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("tmr"));
    connect(timer, &QTimer::timeout, this, &TDSSkillPanels::tmrTimer);
}

TDSSkillPanels::~TDSSkillPanels() {
    UnbindDisplays();
}

void TDSSkillPanels::BuildRow(TDSPanelRow &row, int top, const QString &caption,
                              const QString &hint) {
    const QString letter(row.letter);
    const bool skill = row.kind != dskNone;
    const QPalette colours = palette();
    const QColor face = colours.color(QPalette::Button);
    const QColor text = colours.color(QPalette::WindowText);

    row.caption = new QLabel(caption, this);
    row.caption->setObjectName(QStringLiteral("lbl") + letter);
    // A skill's caption ends before its "<" button; an attribute's may use the whole width.
    row.caption->setGeometry(skill ? QRect(18, top - 1, 61, 16) : QRect(0, top - 1, 90, 16));
    row.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.caption->setFont(PixelFont(13));

    row.pnl = new QWidget(this);
    row.pnl->setObjectName(QStringLiteral("pnl") + letter);
    row.pnl->setGeometry(BarLeft, top, BarWidth, BarHeight);

    auto makeShape = [&](char part, const QColor &brush, const QColor &pen, QRect geometry) {
        auto *shape = new TDSShape(row.pnl, brush, pen);
        shape->setObjectName(QStringLiteral("shp") + letter + QLatin1Char(part));
        shape->setGeometry(geometry);
        return shape;
    };
    row.B = makeShape('B', face, text, QRect(0, 0, BarWidth, BarHeight));
    row.U = makeShape('U', face, text, QRect(0, 0, BarWidth, 4));
    row.L = makeShape('L', colours.color(QPalette::Highlight), text, QRect(0, 0, 1, 4));
    const QColor info = colours.color(QPalette::ToolTipBase);
    row.D = makeShape('D', info, info, QRect(1, 4, 0, 9));
    const QColor shadow = colours.color(QPalette::Dark);
    row.E = makeShape('E', shadow, shadow, QRect(1, 4, 0, 9));

    if (skill) {
        // The bar and its drag shape are the skill's drag handles.
        for (TDSShape *handle : {row.B, row.D}) {
            handle->SetSkillType(row.kind);
            handle->setCursor(Qt::UpArrowCursor);
            SetHint(handle, AdjustHint);
            connect(handle, &TDSShape::MouseDown, this, &TDSSkillPanels::shpMBMouseDown);
            connect(handle, &TDSShape::MouseMove, this,
                    [this](TDSShape *s, Qt::MouseButtons, QPoint pos) { shpMBMouseMove(s, pos); });
            connect(handle, &TDSShape::MouseUp, this, [this] { shpMBMouseUp(); });
        }
    } else {
        SetHint(row.D, PercentHint);
    }
    SetHint(row.L, QStringLiteral("Levels Gained|Levels gained"));
    SetHint(row.E, PercentHint);

    row.lblL = new TDSLabel(QStringLiteral("0"), this);
    row.lblL->setObjectName(QStringLiteral("lbl") + letter + QLatin1Char('L'));
    row.lblL->setGeometry(305, top, 25, BarHeight);
    row.lblL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.lblL->setFont(PixelFont(11, true));
    SetHint(row.lblL, hint);

    row.lblE = new TDSLabel(this);
    row.lblE->setObjectName(QStringLiteral("lbl") + letter + QLatin1Char('E'));
    // From its place to the window's right edge, so that ".9999" shows whole at the default font.
    row.lblE->setGeometry(330, top, FractionWidth, BarHeight);
    row.lblE->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.lblE->setFont(PixelFont(9));
    SetHint(row.lblE, hint);
}

void TDSSkillPanels::BuildGauge() {
    frame = new TDSShape(this, Qt::white, palette().color(QPalette::WindowText));
    frame->setObjectName(QStringLiteral("shpHPMN"));
    frame->setGeometry(294, 3, 10, 46);
    health = new TDSShape(this, Qt::red, Qt::red);
    health->setObjectName(QStringLiteral("shpHealth"));
    health->setGeometry(295, 47, 4, 0);
    mana = new TDSShape(this, Qt::blue, Qt::blue);
    mana->setObjectName(QStringLiteral("shpMana"));
    mana->setGeometry(299, 47, 4, 0);
}

const TDSPanelRow &TDSSkillPanels::Row(QChar letter) const {
    for (const TDSPanelRow &row : rows)
        if (row.letter == letter)
            return row;
    throw std::invalid_argument("No skill panel row " + QString(letter).toStdString());
}

void TDSSkillPanels::Bind(TDSHero *newHero) {
    UnbindDisplays();
    hero = newHero;
    for (TDSPanelRow &row : rows) {
        if (row.kind != dskNone) {
            row.B->SetHero(hero);
            row.D->SetHero(hero);
            row.down->SetHero(hero);
            row.up->SetHero(hero);
        }
        if (!hero)
            continue;
        TDSAttribute &attribute = AttributeOf(*hero, row.letter);
        attribute.SetBarExperience(row.E);
        attribute.SetBarDelta(row.D);
        attribute.SetBarLevel(row.L);
        attribute.SetLblLevel(row.lblL);
        attribute.SetLblPct(row.lblE);
    }
}

void TDSSkillPanels::HeroRemoved() {
    if (!hero)
        return;
    const TDSHero *removed = hero;
    hero = nullptr;
    for (TDSPanelRow &row : rows) {
        for (TDSShape *shape : {row.B, row.D})
            shape->DropHero(removed);
        if (row.kind != dskNone) {
            row.down->DropHero(removed);
            row.up->DropHero(removed);
        }
    }
}

void TDSSkillPanels::UnbindDisplays() {
    if (!hero)
        return;
    for (TDSPanelRow &row : rows) {
        for (TDSShape *shape : {row.B, row.U, row.L, row.D, row.E})
            hero->DropDisplay(static_cast<const TDSBarDisplay *>(shape));
        hero->DropDisplay(static_cast<const TDSLabelDisplay *>(row.lblL));
        hero->DropDisplay(static_cast<const TDSLabelDisplay *>(row.lblE));
    }
}

void TDSSkillPanels::ResetPanels() {
    LastX = -1;
    for (TDSPanelRow &row : rows) {
        row.L->SetWidth(1);
        row.E->SetWidth(0);
        row.D->SetWidth(0);
        row.lblL->setText(QStringLiteral("0"));
        row.lblE->clear();
    }
}

void TDSSkillPanels::UpdateHealthMana() {
    if (!hero)
        return;
    const THealthAndMana values = TDSHero::HealthAndMana(
        hero->Strength().Level(), hero->Dexterity().Level(), hero->Intelligence().Level());
    const QString hint =
        QStringLiteral("|Health: %1  Mana: %2").arg(values.Health).arg(values.Mana);
    SetHint(frame, hint);
    SetHint(health, QStringLiteral("Health") + hint);
    SetHint(mana, QStringLiteral("Mana") + hint);
    for (auto [bar, value] : {std::pair{health, values.Health}, std::pair{mana, values.Mana}}) {
        // A value below e^(21/8) has no bar at all rather than a negative one.
        const int h = value > 0 ? std::clamp(int(std::trunc(8 * std::log(double(value)))) - 21, 0,
                                             GaugeHeight)
                                : 0;
        bar->setGeometry(bar->x(), frame->y() + frame->height() - 1 - h, bar->width(), h);
    }
}

void TDSSkillPanels::shpMBMouseDown(TDSShape *shape, Qt::MouseButton button, QPoint pos) {
    if (button != Qt::LeftButton)
        return;
    Dragging = true;
    const int x = pos.x() + shape->x();
    LastX = x;
    LastWrap = 0;
    DragTo(shape, x, true);
}

void TDSSkillPanels::shpMBMouseMove(TDSShape *shape, QPoint pos) {
    if (!Dragging)
        return;
    const int x = pos.x() + shape->x();
    DragTo(shape, x, x >= LastX);
    LastX = x;
}

void TDSSkillPanels::shpMBMouseUp() {
    Dragging = false;
}

void TDSSkillPanels::DragTo(TDSShape *shape, int x, bool rightward) {
    TDSSkill *skill = shape->Skill();
    if (!skill)
        return;
    const int span = shape->parentWidget()->width() - 1;
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
    const double p = shape->PercentAt(x);
    const long double value = (rightward ? p : -p) + (wrap - LastWrap) * 100.0L;
    skill->AdjustExperience(value);
    LastWrap = wrap;
    if (skill->AtLimit())
        shpMBMouseUp(); // the drag ends here, as if the button had been released
}

void TDSSkillPanels::StepLevel(TDSButton *button) {
    TDSSkill *skill = button->Skill();
    if (!skill)
        return;
    if (button->Tag() > 0)
        skill->AdjustExperience(100);
    else if (skill->PercentOfLevel() <= 0.000001L)
        skill->AdjustExperience(-100);
    else
        skill->AdjustExperience(0);
}

void TDSSkillPanels::spdMMouseDown(TDSButton *button) {
    StepLevel(button);
    repeating = button;
    timer->setInterval(FirstRepeat);
    timer->start();
}

void TDSSkillPanels::spdMMouseUp() {
    timer->stop();
}

void TDSSkillPanels::tmrTimer() {
    timer->stop();
    timer->setInterval(std::max(FastestRepeat, timer->interval() / 2));
    if (!repeating)
        return;
    StepLevel(repeating);
    timer->start();
}
