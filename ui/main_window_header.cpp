// SPDX-License-Identifier: GPL-3.0-or-later
// The header: portrait under its frame, name, title, uber level, modified mark and gold, each
// text over its shadow. Double-clicks run the Edit menu's commands.
#include "ui/main_window.h"

#include "ui/click_label.h"
#include "ui/hints.h"
#include "ui/images.h"
#include "ui/portrait_view.h"

#include <QAction>

namespace {

QFont headerFont(int pixelSize, bool bold) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A shadow label: the caption in the button-shadow colour, one pixel right of and below its
// label; it never takes the mouse.
QLabel *makeShadow(QWidget *parent, const QRect &place, const QFont &font, Qt::Alignment align) {
    auto *shadow = new QLabel(parent);
    shadow->setGeometry(place.translated(1, 1));
    shadow->setFont(font);
    shadow->setAlignment(align);
    shadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    shadow->setForegroundRole(QPalette::Dark);
    return shadow;
}

template <typename Label>
Label *makeLabel(QWidget *parent, const QString &name, const QRect &place, const QFont &font,
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

void MainWindow::createHeader() {
    m_header->setFixedSize(clientWidth, headerHeight);

    m_portrait = new PortraitView(m_header);
    m_portrait->setObjectName(QStringLiteral("portrait"));
    m_portrait->setGeometry(4, 3, 39, 46);
    m_portraitFrame = new ClickLabel(m_header);
    m_portraitFrame->setObjectName(QStringLiteral("portraitFrame"));
    m_portraitFrame->setGeometry(2, 1, 43, 50);
    m_portraitFrame->setPixmap(portraitFramePicture());
    m_portraitFrame->setAcceptDrops(true);
    m_portraitFrame->installEventFilter(this);

    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;

    const QRect namePlace(52, 3, 232, 22);
    m_nameShadow = makeShadow(m_header, namePlace, headerFont(16, true), left);
    m_name = makeLabel<ClickLabel>(m_header, QStringLiteral("name"), namePlace,
                                   headerFont(16, true), left, QStringLiteral("Hero"));
    setHint(m_name, QStringLiteral("Name|Double-click to edit name"));

    const QRect titlePlace(52, 28, 200, 18);
    m_titleShadow = makeShadow(m_header, titlePlace, headerFont(12, true), left);
    m_title = makeLabel<QLabel>(m_header, QStringLiteral("title"), titlePlace, headerFont(12, true),
                                left, QStringLiteral("Grand High Siegemistress"));
    setHint(m_title, QStringLiteral("Classification"));

    const QRect uberPlace(286, 3, 54, 22);
    m_uberShadow = makeShadow(m_header, uberPlace, headerFont(16, true), right);
    m_uber = makeLabel<QLabel>(m_header, QStringLiteral("uberLevel"), uberPlace,
                               headerFont(16, true), right, QStringLiteral("0"));
    setHint(m_uber, QStringLiteral("Uber Level"));

    const QRect modifiedPlace(343, 1, 14, 18);
    m_modifiedShadow = makeShadow(m_header, modifiedPlace, headerFont(16, true), Qt::AlignCenter);
    m_modified = makeLabel<QLabel>(m_header, QStringLiteral("modifiedMark"), modifiedPlace,
                                   headerFont(16, true), Qt::AlignCenter, QStringLiteral("*"));
    m_modified->setForegroundRole(QPalette::Highlight);
    setHint(m_modified, QStringLiteral("|Changes have been made to hero"));
    m_modifiedShadow->setVisible(false);
    m_modified->setVisible(false);

    const QRect goldPlace(236, 30, 100, 18);
    m_goldShadow = makeShadow(m_header, goldPlace, headerFont(12, false), right);
    m_gold = makeLabel<ClickLabel>(m_header, QStringLiteral("gold"), goldPlace,
                                   headerFont(12, false), right, QStringLiteral("999999999"));
    setHint(m_gold, QStringLiteral("Gold|Double-click to edit gold"));
    m_goldCoin = new ClickLabel(m_header);
    m_goldCoin->setObjectName(QStringLiteral("goldCoin"));
    m_goldCoin->setGeometry(339, 31, 16, 16);
    m_goldCoin->setPixmap(goldCoinPicture());
    setHint(m_goldCoin, QStringLiteral("|Double-click to edit gold"));

    // The shadows go under their labels, the frame over the portrait.
    const std::pair<QLabel *, QLabel *> pairs[] = {{m_nameShadow, m_name},
                                                   {m_titleShadow, m_title},
                                                   {m_uberShadow, m_uber},
                                                   {m_modifiedShadow, m_modified},
                                                   {m_goldShadow, m_gold}};
    for (const auto &[shadow, label] : pairs) {
        setCaption(shadow, label, label->text());
        label->raise();
    }
    m_portraitFrame->raise();
}

void MainWindow::connectHeader() {
    const auto trigger = [this](ClickLabel *label, const char *action) {
        connect(label, &ClickLabel::doubleClicked, findChild<QAction *>(QLatin1String(action)),
                &QAction::trigger);
    };
    trigger(m_name, "nameAction");
    trigger(m_gold, "goldAction");
    trigger(m_goldCoin, "goldAction");
    trigger(m_portraitFrame, "customPortraitAction");
}

void MainWindow::setCaption(QLabel *shadow, QLabel *label, const QString &caption) {
    shadow->setText(caption);
    label->setText(caption);
}
