// SPDX-License-Identifier: GPL-3.0-or-later
// The header: portrait under its frame, name, title, uber level, modified mark and gold, each
// text over its shadow. Double-clicks run the Edit menu's commands.
#include "ui/main_window.h"

#include "ui/click_label.h"
#include "ui/hints.h"
#include "ui/images.h"
#include "ui/portrait_view.h"

#include <QAction>

#include <tuple>
#include <utility>

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

// A caption: the named label with its hint, over its shadow, both at place in font.
template <typename Label>
std::pair<QLabel *, Label *> makeCaption(QWidget *parent, const QString &name, const QRect &place,
                                         const QFont &font, Qt::Alignment align,
                                         const QString &placeholder, const QString &hint) {
    QLabel *shadow = makeShadow(parent, place, font, align);
    auto *label = new Label(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(align);
    label->setText(placeholder);
    setHint(label, hint);
    return {shadow, label};
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

    std::tie(m_nameShadow, m_name) = makeCaption<ClickLabel>(
        m_header, QStringLiteral("name"), QRect(52, 3, 232, 22), headerFont(16, true), left,
        QStringLiteral("Hero"), QStringLiteral("Name|Double-click to edit name"));
    std::tie(m_titleShadow, m_title) = makeCaption<QLabel>(
        m_header, QStringLiteral("title"), QRect(52, 28, 200, 18), headerFont(12, true), left,
        QStringLiteral("Grand High Siegemistress"), QStringLiteral("Classification"));
    std::tie(m_uberShadow, m_uber) = makeCaption<QLabel>(
        m_header, QStringLiteral("uberLevel"), QRect(286, 3, 54, 22), headerFont(16, true), right,
        QStringLiteral("0"), QStringLiteral("Uber Level"));
    std::tie(m_modifiedShadow, m_modified) = makeCaption<QLabel>(
        m_header, QStringLiteral("modifiedMark"), QRect(343, 1, 14, 18), headerFont(16, true),
        Qt::AlignCenter, QStringLiteral("*"), QStringLiteral("|Changes have been made to hero"));
    m_modified->setForegroundRole(QPalette::Highlight);
    m_modifiedShadow->setVisible(false);
    m_modified->setVisible(false);
    std::tie(m_goldShadow, m_gold) = makeCaption<ClickLabel>(
        m_header, QStringLiteral("gold"), QRect(236, 30, 100, 18), headerFont(12, false), right,
        QStringLiteral("999999999"), QStringLiteral("Gold|Double-click to edit gold"));
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
