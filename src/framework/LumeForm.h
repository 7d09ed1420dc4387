// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeTimer.h"

#include <QWidget>

#include <cstdint>
#include <deque>

class QKeyEvent;

// The private event type that runs the oldest deferred call.
constexpr int DeferredCallEvent = 1034;

// Base class of the program's window: a client size requested before
// construction, centring on the screen, deferred calls run from the form's own
// event handling, a keyboard filter that keeps Alt and F10 away from the form,
// and a helper that lays a page over the whole client area.
class TLumeForm : public QWidget, public TLumeDeferredCalls {
    Q_OBJECT
public:
    // The requested client size is handed to construction, which applies it
    // and centres the window.
    TLumeForm(int32_t ClientWidth, int32_t ClientHeight, QWidget *Owner = nullptr);
    ~TLumeForm() override;

    // Records a client size and applies it (fixed: the window is not resizable).
    void SetClientSize(int32_t Width, int32_t Height);

    // Appends Proc to PendingCalls and posts event 1034 to this form; the
    // procedure runs later from the form's event handling, never from here.
    void PostDeferred(TProcedure Proc) override;

    // The keyboard filter: true drops the key event before the receiver sees
    // it. Key is the event's key as a virtual-key code, Char its character code.
    virtual bool TakesChildKey(QObject *Receiver, int32_t Key, int32_t Char);

    // Lays Page over the whole client area with the given visibility.
    void FitPage(QWidget *Page, bool Visible);

    // Centres the window (frame included) on the primary screen.
    void CentreOnScreen();

    int32_t RequestedClientWidth = 0;
    int32_t RequestedClientHeight = 0;
    std::deque<TProcedure> PendingCalls;

protected:
    bool event(QEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    void showEvent(QShowEvent *Event) override;

private:
    bool FrameKnown = false;
};

// Maps a Qt key to the virtual-key code the keyboard filter compares
// (Alt 18, F10 121; letters and digits their upper-case ASCII code; others 0).
int32_t VirtualKeyOf(int QtKey);
