// SPDX-License-Identifier: GPL-3.0-or-later
// The Heroes menu: the recently used heroes, newest first.
#include "ui/frmmain.h"

#include "exchange/accesskeys.h"
#include "exchange/gametext.h"
#include "exchange/paths.h"
#include "hero/hero.h"
#include "ui/hints.h"
#include "ui/images.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString DocumentsToken = QStringLiteral("<My Documents>/");

struct THeroItem {
    QString caption;
    int icon = -1; // class icon number, -1 for none
    QString hint;  // the folder, the documents folder written as the token
};

// A recent heroes line is folder="name - Level N PP". A hand-edited value without the closing
// class icon number shows without its quotes and without an icon.
THeroItem HeroItemOf(const QString &line, const QString &documents) {
    static const QRegularExpression written(QStringLiteral("^\".* (\\d\\d)\"$"));
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    const QString folder = line.left(eq);
    const QString value = line.mid(eq + 1);

    THeroItem item;
    item.hint = replaceFirst(folder, documents, DocumentsToken);
    const QRegularExpressionMatch match = written.match(value);
    if (match.hasMatch()) {
        item.caption = value.mid(1, value.size() - 4);
        item.icon = match.captured(1).toInt();
    } else {
        item.caption = value;
        if (item.caption.startsWith(QLatin1Char('"')))
            item.caption.remove(0, 1);
        if (item.caption.endsWith(QLatin1Char('"')))
            item.caption.chop(1);
    }
    return item;
}

} // namespace

void TfrmMain::RebuildHeroesMenu() {
    const QList<QAction *> old = Heros1->actions();
    for (auto i = old.size(); i-- > 0;)
        delete old[i];

    const QStringList lines = RecentHerosText();
    QList<THeroItem> items;
    for (const QString &line : lines)
        items.append(HeroItemOf(line, Folders.Documents));
    Heros1->menuAction()->setEnabled(!items.isEmpty());

    QStringList captions;
    for (const THeroItem &item : items)
        captions.append(item.caption);
    captions = withAccessKeys(captions);
    for (qsizetype i = 0; i < items.size(); ++i) {
        QAction *action = Heros1->addAction(captions[i]);
        action->setIcon(ClassIcon(items[i].icon));
        SetHint(action, items[i].hint);
        ConnectCommand(action, [this, action] { HeroItemClick(action); });
    }

    shownRecentHeros = lines;
}

QStringList TfrmMain::RecentHerosText() const {
    QStringList lines;
    for (const std::string &line : Hero->RecentHeros()) {
        const size_t eq = std::min(line.find('='), line.size());
        lines.append(QString::fromStdString(line.substr(0, eq)) +
                     FromGameText(std::string_view(line).substr(eq)));
    }
    return lines;
}

void TfrmMain::SetRecentHeros(const QStringList &lines) {
    std::vector<std::string> &recent = Hero->RecentHeros();
    recent.clear();
    for (const QString &line : lines) {
        qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            eq = line.size();
        recent.push_back(line.left(eq).toStdString() + ToGameText(line.mid(eq)));
    }
}

void TfrmMain::HeroItemClick(const QAction *item) {
    if (!AskToSave())
        return;
    Hero->OpenFolder(replaceFirst(Hint(item), DocumentsToken, Folders.Documents).toStdString());
}
