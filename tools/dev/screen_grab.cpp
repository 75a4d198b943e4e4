// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the whole X screen once something is drawn on it: waits until the screen
// is no longer one flat colour (an empty Xvfb screen is black), then keeps the grab.
//   screen_grab OUT.png [SECONDS]     (default 120; DISPLAY names the X server)
// Exits 0 with the picture saved, 1 when nothing appeared in time.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QThread>

#include <chrono>
#include <cstdio>

namespace {

bool somethingDrawn(const QImage &image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if (colours.size() < 16)
                colours.insert(image.pixel(x, y));
    return colours.size() >= 16;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const auto limit = std::chrono::seconds(argc > 2 ? std::atoi(argv[2]) : 120);
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < limit) {
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        if (somethingDrawn(screen)) {
            // Let the window finish painting, then take the picture that is kept.
            QThread::msleep(1000);
            QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[1]));
            std::printf("screen_grab: %s\n", argv[1]);
            return 0;
        }
        QThread::msleep(500);
    }
    std::fprintf(stderr, "screen_grab: nothing appeared on the screen\n");
    return 1;
}
