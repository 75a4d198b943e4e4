// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the editor's session and window (offscreen) on the home folder named on the command line
// and reports what the player would see: the save folders found, what File > Import lists, where
// a new hero's party goes, and where File > Export then really writes it. Every message box is
// printed and answered with its default. scripts/save-folder-report.sh makes the homes it reads.
#include "app/folders.h"
#include "exchange/desktop.h"
#include "session/editor_session.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Prints what would be asked and answers as a user who presses Enter would.
class PrintingDesktop : public Desktop {
public:
    MsgAnswer message(const QString &text, const QString &, MsgType, MsgButtons,
                      MsgAnswer defaultAnswer) override {
        std::printf("  message: %s\n", qPrintable(QString(text).replace('\r', ' ')));
        return defaultAnswer;
    }
    QString pickFile(const FilePickSpec &) override { return {}; }
    QString pickFolder(const FolderPickSpec &) override { return {}; }
    int chooseItem(const ItemChoiceSpec &) override { return ItemChoiceSpec::cancelled; }
    void openUrl(const QUrl &) override {}
    bool startProcess(const QString &program, const QStringList &arguments, bool wait) override {
        if (!wait)
            return QProcess::startDetached(program, arguments);
        QProcess process;
        process.start(program, arguments);
        return process.waitForStarted() && process.waitForFinished(-1);
    }
    void setBusy(bool) override {}
};

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s HOME\n", argv[0]);
        return 2;
    }
    const QString home = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    setenv("HOME", argv[1], 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    unsetenv("XDG_DATA_HOME");
    unsetenv("WINEPREFIX");
    QApplication application(argc, argv);
    PrintingDesktop desktop;

    QTemporaryDir program;
    for (const char *file : {KEGTAP_LIBRARY, TANKCREATOR})
        QFile::copy(QString::fromLocal8Bit(file),
                    program.filePath(QFileInfo(QString::fromLocal8Bit(file)).fileName()));
    QFile::rename(program.filePath(QFileInfo(QStringLiteral(KEGTAP_LIBRARY)).fileName()),
                  program.filePath(QStringLiteral("libkegtap.so")));
    const ProgramFolders folders = computeProgramFolders(program.path(), true);
    EditorSession session(folders, desktop,
                          [&folders] { return findSaveFolders(folders.documents); });
    const auto shown = [&](const QString &path) {
        return QString(path).replace(home, QStringLiteral("~"));
    };

    MainWindow window(session);
    window.show();
    std::printf("Save folders found:\n");
    for (const GameSaveFolder &found : session.saveFolders())
        std::printf("  %s: %s\n", describe(found).c_str(),
                    qPrintable(shown(QString::fromStdString(found.folder))));
    emit window.findChild<QMenu *>(QStringLiteral("fileMenu"))->aboutToShow();
    std::printf("File > Import lists:\n");
    for (const QAction *item : window.findChild<QMenu *>(QStringLiteral("importMenu"))->actions())
        std::printf("  %s\n", item->isSeparator() ? "----"
                              : item->isEnabled() ? qPrintable(item->text())
                                                  : qPrintable("[" + item->text() + "]"));
    std::printf("A new hero's party goes to: %s\n", qPrintable(shown(session.saveFolder())));

    std::printf("File > Export of the new hero \"Hero\":\n");
    window.findChild<QAction *>(QStringLiteral("exportAction"))->trigger();
    QDirIterator written(home, {QStringLiteral("Hero.dsparty")}, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (written.hasNext())
        std::printf("  written: %s\n", qPrintable(shown(written.next())));
    session.hero().markUnmodified();
    return 0;
}
