// SPDX-License-Identifier: GPL-3.0-or-later
// Drives an unmodified Qt program from inside its own process, as a user would: loaded with
// LD_PRELOAD, it hooks the application object as it is made and acts once the first window shows.
// Nothing in the program knows about it. THALREX_DRIVER chooses what it does:
//
//   smoke    In the editor's window: New, Farmer (a change), Save, then close the window, the
//            way File > Exit does. Any message box that appears on the way is a failure: it is
//            reported and dismissed. Prints "smoke: ok" when every step went as expected,
//            otherwise the reasons and "smoke: failed", and quits with exit code 1.
//   startup  Prints "startup-ms: N", the time from THALREX_DRIVER_T0 (nanoseconds of the real-time
//            clock, taken before the program was started) until its first window has been shown
//            and painted; two seconds later "rss-kb: N", the memory in use at rest; then quits.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long long nowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long rssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class Driver : public QObject {
public:
    explicit Driver(QString mode) : QObject(qApp), m_mode(std::move(mode)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!m_shown && event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            m_shown = true;
            m_window = static_cast<QWidget *>(watched);
            // Runs once the show has been handled, after the first paint.
            QTimer::singleShot(0, this, [this] { m_mode == "startup" ? startup() : smoke(); });
        }
        return false;
    }

private:
    QString m_mode;
    bool m_shown = false;
    bool m_failed = false;
    QWidget *m_window = nullptr;

    void startup() {
        const char *t0 = std::getenv("THALREX_DRIVER_T0");
        if (t0)
            std::printf("startup-ms: %.1f\n", (nowNs() - std::atoll(t0)) / 1e6);
        std::fflush(stdout);
        QTimer::singleShot(2000, this, [] {
            std::printf("rss-kb: %ld\n", rssKb());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

    void fail(const QString &what) {
        m_failed = true;
        std::fprintf(stderr, "smoke: %s\n", qPrintable(what));
    }

    // A message box in the middle of a step means something went wrong; it is read out and
    // dismissed so the run goes on to its end.
    void watchForDialogs() {
        auto *watch = new QTimer(this);
        connect(watch, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            fail(QStringLiteral("unexpected dialog \"%1\": %2")
                     .arg(modal->windowTitle(),
                          box ? box->text() : modal->metaObject()->className()));
            modal->close();
        });
        watch->start(100);
    }

    QAction *item(const char *name) {
        auto *item = m_window->findChild<QAction *>(QString::fromLatin1(name));
        if (!item)
            fail(QStringLiteral("the window has no menu item %1").arg(QLatin1String(name)));
        return item;
    }

    // Ends the run with its verdict; a failed run quits at once, with exit code 1.
    void smoke() {
        watchForDialogs();
        runSteps();
        std::printf(m_failed ? "smoke: failed\n" : "smoke: ok\n");
        std::fflush(stdout);
        if (m_failed)
            QCoreApplication::exit(1);
    }

    // The header's modified mark "*", shown while the hero has unsaved changes. (Save itself is
    // hidden outside advanced mode, and a hidden item always reads as disabled.)
    bool markedModified() {
        auto *mark = m_window->findChild<QLabel *>(QStringLiteral("modifiedMark"));
        if (!mark)
            fail("the window has no modified mark");
        return mark && mark->isVisible();
    }

    void runSteps() {
        if (!qobject_cast<QMainWindow *>(m_window) || m_window->windowTitle() != "Thalrex")
            return fail(QStringLiteral("the first window shown is \"%1\", not the editor's")
                            .arg(m_window->windowTitle()));
        QAction *newHero = item("newAction"), *farmer = item("farmerAction"),
                *save = item("saveAction");
        auto *name = m_window->findChild<QLabel *>(QStringLiteral("name"));
        if (!newHero || !farmer || !save || !name)
            return fail("the window lacks New, Farmer, Save or the hero's name");
        newHero->trigger();
        if (name->text() != "Hero" || markedModified())
            fail(QStringLiteral("New shows \"%1\"%2 instead of the unchanged hero \"Hero\"")
                     .arg(name->text(), markedModified() ? " marked modified" : ""));
        farmer->trigger();
        if (!markedModified())
            fail("Farmer did not mark the hero modified");
        save->trigger();
        if (markedModified())
            fail("the hero is still marked modified after Save");
        if (!m_window->close())
            fail("the window refused to close");
    }
};

void attach() {
    const char *mode = std::getenv("THALREX_DRIVER");
    // Only the program itself: not the processes it may start.
    unsetenv("LD_PRELOAD");
    if (mode && qobject_cast<QApplication *>(QCoreApplication::instance()))
        new Driver(QString::fromLatin1(mode));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(attach)
