// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Keyboard.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

bool ShowActive(QWidget *Window)
{
    Window->show();
    Window->activateWindow();
    return QTest::qWaitForWindowActive(Window);
}

void PressKey(QWidget *Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers)
{
    QWindow *active = QGuiApplication::focusWindow();
    QTest::keyClick(active ? active : Window->windowHandle(), Key, Modifiers);
}

QWidget *Focused()
{
    return QApplication::focusWidget();
}
