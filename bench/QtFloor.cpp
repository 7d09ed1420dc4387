// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor under the game's processor shares: a bare Qt window of the
// game's size whose precise 51 ms timer changes as little as each page does,
// with none of the game's code. "idle" only ticks; "label" sets a digit on a
// 49 x 25 label, as the rolling dice do; "image" fills a 500 x 400 picture
// and repaints it, as a title frame would without copying only its changes.
// "first" is the floor under start-up: once the window's first frame is
// painted it writes the moment (the steady clock's count, 8 bytes) to the
// file descriptor named in VANTIK_FIRST_FRAME_FD and ends.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <cstring>

#include <unistd.h>

namespace {

class TPicture : public QWidget {
public:
    QImage Picture{500, 400, QImage::Format_RGB32};
    bool First = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, Picture);
        if (!First)
            return;
        First = false;
        const int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
        const int fd = qEnvironmentVariableIntValue("VANTIK_FIRST_FRAME_FD");
        if (write(fd, &now, sizeof now) != sizeof now)
            QApplication::exit(1);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const char *mode = argc > 1 ? argv[1] : "idle";
    TPicture window;
    window.setFixedSize(500, 400);
    window.setAttribute(Qt::WA_OpaquePaintEvent);
    window.First = std::strcmp(mode, "first") == 0;
    window.Picture.fill(Qt::black);
    QLabel label(&window);
    label.setGeometry(100, 100, 49, 25);
    window.show();
    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (std::strcmp(mode, "label") == 0)
            label.setText(QString::number(ticks % 100));
        if (std::strcmp(mode, "image") == 0) {
            window.Picture.fill(QColor::fromRgb(QRgb(ticks * 997)));
            window.update();
        }
    });
    timer.start(51);
    return QApplication::exec();
}
