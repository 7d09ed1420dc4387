// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeForm.h"

#include "LumeClaim.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

namespace {

// Offers every key event aimed at a TLumeForm or one of its children to that
// form's TakesChildKey, and drops the event when the form takes it.
class TKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        const auto type = Event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        auto *widget = qobject_cast<QWidget *>(Watched);
        if (!widget)
            return false;
        auto *form = qobject_cast<TLumeForm *>(widget->window());
        if (!form)
            return false;
        auto *key = static_cast<QKeyEvent *>(Event);
        const QString text = key->text();
        const int32_t ch = text.isEmpty() ? 0 : text.at(0).unicode();
        return form->TakesChildKey(Watched, VirtualKeyOf(key->key()), ch);
    }
};

void InstallKeyFilter()
{
    static TKeyFilter *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new TKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace

int32_t VirtualKeyOf(int QtKey)
{
    if (QtKey == Qt::Key_Alt)
        return 18;
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24)
        return 112 + (QtKey - Qt::Key_F1);
    if ((QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) || (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9))
        return QtKey;
    return 0;
}

TLumeForm::TLumeForm(int32_t ClientWidth, int32_t ClientHeight, QWidget *Owner)
    : QWidget(Owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint)
{
    ClearApplicationTerminated();
    SetSystemAlert(&QApplication::beep);
    InstallKeyFilter();
    SetClientSize(ClientWidth, ClientHeight);
    CentreOnScreen();
}

TLumeForm::~TLumeForm() = default;

void TLumeForm::SetClientSize(int32_t Width, int32_t Height)
{
    RequestedClientWidth = Width;
    RequestedClientHeight = Height;
    setFixedSize(Width, Height);
}

void TLumeForm::CentreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desk = screen->geometry();
    // Before the window is shown its frame is unknown and taken as none; the
    // first show centres again with the real frame.
    const QSize outer = frameGeometry().size();
    // Integer division truncates toward zero, also for a window larger than the screen.
    move((desk.width() - outer.width()) / 2, (desk.height() - outer.height()) / 2);
}

void TLumeForm::PostDeferred(TProcedure Proc)
{
    PendingCalls.push_back(Proc);
    QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(DeferredCallEvent)));
}

bool TLumeForm::TakesChildKey(QObject *, int32_t Key, int32_t Char)
{
    // Alt and F10 would put a native window into keyboard menu mode; a
    // character code equal to either is dropped alike. That drops the letter
    // 'y' (121) and Ctrl+R (18) too, on purpose, so the keyboard filter stays
    // exactly as it always was; a program's own keys must avoid them.
    return Key == 18 || Key == 121 || Char == 18 || Char == 121;
}

void TLumeForm::FitPage(QWidget *Page, bool Visible)
{
    Page->move(0, 0);
    Page->resize(width(), height());
    Page->setVisible(Visible);
}

bool TLumeForm::event(QEvent *Event)
{
    if (Event->type() == DeferredCallEvent) {
        if (!PendingCalls.empty()) {
            const TProcedure proc = PendingCalls.front();
            PendingCalls.pop_front();
            if (proc)
                proc();
        }
        return true;
    }
    return QWidget::event(Event);
}

void TLumeForm::closeEvent(QCloseEvent *Event)
{
    QWidget::closeEvent(Event);
    if (Event->isAccepted())
        TerminateApplication();
}

void TLumeForm::showEvent(QShowEvent *Event)
{
    QWidget::showEvent(Event);
    if (!FrameKnown && !Event->spontaneous()) {
        FrameKnown = true;
        CentreOnScreen();
    }
}
