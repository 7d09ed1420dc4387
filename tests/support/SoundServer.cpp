// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundServer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

bool ThisProcessSounds()
{
    QProcess pactl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    pactl.setProcessEnvironment(environment);
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return false;
    const QString owner =
        QStringLiteral("application.process.id = \"%1\"").arg(QCoreApplication::applicationPid());
    const QString listing = QString::fromLocal8Bit(pactl.readAllStandardOutput());
    for (const QString &input : listing.split(QStringLiteral("Sink Input #")))
        if (input.contains(owner) && input.contains(QStringLiteral("Corked: no")))
            return true;
    return false;
}
