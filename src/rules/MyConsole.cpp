// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MyConsole.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TAlertSink AlertSink = nullptr;

} // namespace

void SetAlertSink(TAlertSink Sink)
{
    AlertSink = Sink;
}

void Alert(const QString &Text)
{
    if (AlertSink) {
        AlertSink(Text);
        return;
    }
    // Parented to the active window so the box stands over the game.
    QMessageBox box(QMessageBox::NoIcon, FromSjis(ApplicationTitle), Text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
