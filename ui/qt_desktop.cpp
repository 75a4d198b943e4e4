// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_desktop.h"

#include "ui/picture_preview.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QMessageBox::StandardButton toButton(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons toButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesCancel:
        return QMessageBox::Yes | QMessageBox::Cancel;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(MsgType type) {
    switch (type) {
    case MsgType::Information:
        return QMessageBox::Information;
    case MsgType::Warning:
        return QMessageBox::Warning;
    case MsgType::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString messageLines(const QString &text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A long path or command would widen the box to the screen and still be cut: a word longer
    // than 40 characters may break after each folder separator and every 40 characters.
    constexpr qsizetype longestWord = 40;
    const QChar mayBreak(0x200B); // zero width space
    QString broken;
    for (qsizetype at = 0; at < lines.size();) {
        qsizetype end = at;
        while (end < lines.size() && !lines[end].isSpace())
            ++end;
        const QStringView word = QStringView(lines).mid(at, end - at);
        qsizetype run = 0;
        for (const QChar c : word) {
            broken += c;
            ++run;
            if (word.size() > longestWord &&
                (c == QLatin1Char('/') || c == QLatin1Char('\\') || run == longestWord)) {
                broken += mayBreak;
                run = 0;
            }
        }
        if (end < lines.size())
            broken += lines[end];
        at = end + 1;
    }
    return broken;
}

MsgAnswer QtDesktop::message(const QString &text, const QString &caption, MsgType type,
                             MsgButtons buttons, MsgAnswer defaultAnswer) {
    QMessageBox box(toIcon(type), caption, messageLines(text), toButtons(buttons),
                    QApplication::activeWindow());
    box.setDefaultButton(toButton(defaultAnswer));
    box.setEscapeButton(toButton(cautiousAnswer(buttons)));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return cautiousAnswer(buttons);
    }
}

QString QtDesktop::pickFile(const FilePickSpec &pick) {
    QFileDialog dialog(QApplication::activeWindow(), pick.title, pick.initialFolder, pick.filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (pick.preview) {
        // A desktop's own dialog cannot take the pane. Picture filters name many patterns: only
        // their names show.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        new PicturePreview(&dialog);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDesktop::pickFolder(const FolderPickSpec &pick) {
    QFileDialog dialog(QApplication::activeWindow(), pick.label, pick.initial);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::ReadOnly, !pick.newFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int QtDesktop::chooseItem(const ItemChoiceSpec &choice) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(choice.title);
    auto *column = new QVBoxLayout(&dialog);
    auto *label = new QLabel(choice.label, &dialog);
    auto *list = new QListWidget(&dialog);
    label->setBuddy(list);
    list->addItems(choice.items);
    list->setCurrentRow(choice.current);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    int answer = ItemChoiceSpec::cancelled;
    if (!choice.otherButton.isEmpty())
        QObject::connect(buttons->addButton(choice.otherButton, QDialogButtonBox::ActionRole),
                         &QPushButton::clicked, &dialog, [&] {
                             answer = ItemChoiceSpec::other;
                             dialog.reject();
                         });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::currentRowChanged, &dialog,
                     [&](int row) { buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });
    buttons->button(QDialogButtonBox::Ok)->setEnabled(list->currentRow() >= 0);
    column->addWidget(label);
    column->addWidget(list);
    column->addWidget(buttons);
    if (dialog.exec() == QDialog::Accepted)
        return list->currentRow();
    return answer;
}

void QtDesktop::openUrl(const QUrl &url) {
    if (QDesktopServices::openUrl(url))
        return;
    const QString what = url.isLocalFile() ? url.toLocalFile() : url.toString();
    show(QStringLiteral("Cannot open %1\rNo program to show it could be started.").arg(what),
         MsgType::Error);
}

bool QtDesktop::startProcess(const QString &program, const QStringList &arguments, bool wait) {
    if (!wait)
        return QProcess::startDetached(program, arguments);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return false;
    process.waitForFinished(-1);
    return true;
}

void QtDesktop::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
