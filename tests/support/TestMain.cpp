// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeWave.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Widget tests run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The game's own Japanese and Qt's plain formats, whatever the locale of
    // whoever runs the tests; a test that wants a language installs its
    // catalog itself.
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "C.UTF-8");
    // No sound server is needed: a missing audio device means silence.
    qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");
    // The player's settings (the sound switch) go to a folder of this run's
    // own, never to the settings of whoever runs the tests.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
        settings.remove();
        TLumeWave::EndNowIfSoundStarted(result);
    }
    return result;
}
