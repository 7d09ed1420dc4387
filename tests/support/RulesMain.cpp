// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main of the rules' tests: a Qt Gui application (the artwork draws text
// into pictures), no widget, the game's own Japanese whatever the locale.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "C.UTF-8");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
