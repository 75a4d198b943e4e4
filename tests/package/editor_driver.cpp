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

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long RssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class Driver : public QObject {
public:
    explicit Driver(QString mode) : QObject(qApp), mode_(std::move(mode)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!shown_ && event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            shown_ = true;
            window_ = static_cast<QWidget *>(watched);
            // Runs once the show has been handled, after the first paint.
            QTimer::singleShot(0, this, [this] { mode_ == "startup" ? Startup() : Smoke(); });
        }
        return false;
    }

private:
    QString mode_;
    bool shown_ = false;
    bool failed_ = false;
    QWidget *window_ = nullptr;

    void Startup() {
        const char *t0 = std::getenv("THALREX_DRIVER_T0");
        if (t0)
            std::printf("startup-ms: %.1f\n", (NowNs() - std::atoll(t0)) / 1e6);
        std::fflush(stdout);
        QTimer::singleShot(2000, this, [] {
            std::printf("rss-kb: %ld\n", RssKb());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

    void Fail(const QString &what) {
        failed_ = true;
        std::fprintf(stderr, "smoke: %s\n", qPrintable(what));
    }

    // A message box in the middle of a step means something went wrong; it is read out and
    // dismissed so the run goes on to its end.
    void WatchForDialogs() {
        auto *watch = new QTimer(this);
        connect(watch, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            Fail(QStringLiteral("unexpected dialog \"%1\": %2")
                     .arg(modal->windowTitle(),
                          box ? box->text() : modal->metaObject()->className()));
            modal->close();
        });
        watch->start(100);
    }

    QAction *Item(const char *name) {
        auto *item = window_->findChild<QAction *>(QString::fromLatin1(name));
        if (!item)
            Fail(QStringLiteral("the window has no menu item %1").arg(QLatin1String(name)));
        return item;
    }

    // Ends the run with its verdict; a failed run quits at once, with exit code 1.
    void Smoke() {
        WatchForDialogs();
        RunSteps();
        std::printf(failed_ ? "smoke: failed\n" : "smoke: ok\n");
        std::fflush(stdout);
        if (failed_)
            QCoreApplication::exit(1);
    }

    // The header's modified mark "*", shown while the hero has unsaved changes. (Save itself is
    // hidden outside advanced mode, and a hidden item always reads as disabled.)
    bool MarkedModified() {
        auto *mark = window_->findChild<QLabel *>(QStringLiteral("modifiedMark"));
        if (!mark)
            Fail("the window has no modified mark");
        return mark && mark->isVisible();
    }

    void RunSteps() {
        if (!qobject_cast<QMainWindow *>(window_) || window_->windowTitle() != "Thalrex")
            return Fail(QStringLiteral("the first window shown is \"%1\", not the editor's")
                            .arg(window_->windowTitle()));
        QAction *newHero = Item("newAction"), *farmer = Item("farmerAction"),
                *save = Item("saveAction");
        auto *name = window_->findChild<QLabel *>(QStringLiteral("name"));
        if (!newHero || !farmer || !save || !name)
            return Fail("the window lacks New, Farmer, Save or the hero's name");
        newHero->trigger();
        if (name->text() != "Hero" || MarkedModified())
            Fail(QStringLiteral("New shows \"%1\"%2 instead of the unchanged hero \"Hero\"")
                     .arg(name->text(), MarkedModified() ? " marked modified" : ""));
        farmer->trigger();
        if (!MarkedModified())
            Fail("Farmer did not mark the hero modified");
        save->trigger();
        if (MarkedModified())
            Fail("the hero is still marked modified after Save");
        if (!window_->close())
            Fail("the window refused to close");
    }
};

void Attach() {
    const char *mode = std::getenv("THALREX_DRIVER");
    // Only the program itself: not the processes it may start.
    unsetenv("LD_PRELOAD");
    if (mode && qobject_cast<QApplication *>(QCoreApplication::instance()))
        new Driver(QString::fromLatin1(mode));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Attach)
