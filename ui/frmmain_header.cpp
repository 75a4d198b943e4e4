// SPDX-License-Identifier: GPL-3.0-or-later
// The header panel: portrait under its frame, name, title, uber level, modified mark and gold,
// each text over its shadow.
#include "ui/frmmain.h"

#include "ui/clicklabel.h"
#include "ui/hints.h"
#include "ui/images.h"
#include "ui/portraitimage.h"

#include <QAction>

namespace {

QFont HeaderFont(int pixelSize, bool bold) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A shadow label: the caption in the button-shadow colour, one pixel right of and below its
// label; it never takes the mouse.
QLabel *MakeShadow(QWidget *parent, const QRect &place, const QFont &font, Qt::Alignment align) {
    auto *shadow = new QLabel(parent);
    shadow->setGeometry(place.translated(1, 1));
    shadow->setFont(font);
    shadow->setAlignment(align);
    shadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    shadow->setForegroundRole(QPalette::Dark);
    return shadow;
}

template <typename Label>
Label *MakeLabel(QWidget *parent, const QString &name, const QRect &place, const QFont &font,
                 Qt::Alignment align, const QString &placeholder) {
    auto *label = new Label(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(align);
    label->setText(placeholder);
    return label;
}

} // namespace

void TfrmMain::CreateHeader() {
    pnlHeader->setFixedSize(ClientWidth, HeaderHeight);

    imgHero = new TPortraitImage(*Hero, pnlHeader);
    imgHero->setObjectName(QStringLiteral("imgHero"));
    imgHero->setGeometry(4, 3, 39, 46);
    imgFrame = new TClickLabel(pnlHeader);
    imgFrame->setObjectName(QStringLiteral("imgFrame"));
    imgFrame->setGeometry(2, 1, 43, 50);
    imgFrame->setPixmap(PortraitFramePicture());
    SetHint(imgFrame, QStringLiteral("Portrait|Double-click to select portrait"));

    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;

    const QRect heroPlace(52, 3, 232, 22);
    lblHeroShd = MakeShadow(pnlHeader, heroPlace, HeaderFont(16, true), left);
    lblHero = MakeLabel<TClickLabel>(pnlHeader, QStringLiteral("lblHero"), heroPlace,
                                     HeaderFont(16, true), left, QStringLiteral("Hero"));
    SetHint(lblHero, QStringLiteral("Name|Double-click to edit name"));

    const QRect titlePlace(52, 28, 200, 18);
    lblTitleShd = MakeShadow(pnlHeader, titlePlace, HeaderFont(12, true), left);
    lblTitle =
        MakeLabel<QLabel>(pnlHeader, QStringLiteral("lblTitle"), titlePlace, HeaderFont(12, true),
                          left, QStringLiteral("Grand High Siegemistress"));
    SetHint(lblTitle, QStringLiteral("Classification"));

    const QRect uberPlace(286, 3, 54, 22);
    lblUberShd = MakeShadow(pnlHeader, uberPlace, HeaderFont(16, true), right);
    lblUber = MakeLabel<QLabel>(pnlHeader, QStringLiteral("lblUber"), uberPlace,
                                HeaderFont(16, true), right, QStringLiteral("0"));
    SetHint(lblUber, QStringLiteral("Uber Level"));

    const QRect modPlace(343, 1, 14, 18);
    lblModShd = MakeShadow(pnlHeader, modPlace, HeaderFont(16, true), Qt::AlignCenter);
    lblMod = MakeLabel<QLabel>(pnlHeader, QStringLiteral("lblMod"), modPlace, HeaderFont(16, true),
                               Qt::AlignCenter, QStringLiteral("*"));
    lblMod->setForegroundRole(QPalette::Highlight);
    SetHint(lblMod, QStringLiteral("|Changes have been made to hero"));
    lblModShd->setVisible(false);
    lblMod->setVisible(false);

    const QRect goldPlace(236, 30, 100, 18);
    lblGoldShd = MakeShadow(pnlHeader, goldPlace, HeaderFont(12, false), right);
    lblGold = MakeLabel<TClickLabel>(pnlHeader, QStringLiteral("lblGold"), goldPlace,
                                     HeaderFont(12, false), right, QStringLiteral("999999999"));
    SetHint(lblGold, QStringLiteral("Gold|Double-click to edit gold"));
    imgGold = new TClickLabel(pnlHeader);
    imgGold->setObjectName(QStringLiteral("imgGold"));
    imgGold->setGeometry(339, 31, 16, 16);
    imgGold->setPixmap(GoldCoinPicture());
    SetHint(imgGold, QStringLiteral("|Double-click to edit gold"));

    // The shadows go under their labels, the frame over the portrait.
    const std::pair<QLabel *, QLabel *> pairs[] = {{lblHeroShd, lblHero},
                                                   {lblTitleShd, lblTitle},
                                                   {lblUberShd, lblUber},
                                                   {lblModShd, lblMod},
                                                   {lblGoldShd, lblGold}};
    for (const auto &[shadow, label] : pairs) {
        SetCaption(shadow, label, label->text());
        label->raise();
    }
    imgFrame->raise();

    connect(lblHero, &TClickLabel::doubleClicked, Name1, &QAction::trigger);
    connect(lblGold, &TClickLabel::doubleClicked, Gold1, &QAction::trigger);
    connect(imgGold, &TClickLabel::doubleClicked, Gold1, &QAction::trigger);
    connect(imgFrame, &TClickLabel::doubleClicked, PicCustom1, &QAction::trigger);
}

void TfrmMain::SetCaption(QLabel *shadow, QLabel *label, const QString &caption) {
    shadow->setText(caption);
    label->setText(caption);
}
