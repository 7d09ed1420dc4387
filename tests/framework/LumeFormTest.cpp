// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeForm.h"
#include "LumeTimer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Log;
TLumeForm *Form = nullptr;

void First()
{
    Log.push_back("first begins");
    // A long-running procedure that pumps events, as the main loop does.
    TLumeTimer::RunTimerPass();
    Log.push_back("first ends");
}
void Second()
{
    Log.push_back("second");
}
void Third()
{
    Log.push_back("third");
}
void PostsAnother()
{
    Log.push_back("poster");
    Form->PostDeferred(&Third);
}

class KeyProbe : public QPushButton {
public:
    using QPushButton::QPushButton;
    std::vector<int> Keys;

protected:
    void keyPressEvent(QKeyEvent *Event) override { Keys.push_back(Event->key()); }
    void keyReleaseEvent(QKeyEvent *Event) override { Keys.push_back(-Event->key()); }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { Log.clear(); }
    void TearDown() override { Form = nullptr; }
};

} // namespace

TEST_F(FormTest, AppliesTheRequestedClientSizeAndCentres)
{
    TLumeForm form(500, 400);
    EXPECT_EQ(form.RequestedClientWidth, 500);
    EXPECT_EQ(form.RequestedClientHeight, 400);
    form.show();
    EXPECT_EQ(form.size(), QSize(500, 400));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), (screen.height() - frame.height()) / 2);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST_F(FormTest, AWindowLargerThanTheScreenGetsANegativePositionTruncatedTowardZero)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    TLumeForm form(screen.width() + 7, screen.height() + 9);
    EXPECT_EQ(form.pos(), QPoint(-3, -4));
}

TEST_F(FormTest, DeferredCallsRunOnceEachInPostingOrderAndNested)
{
    TLumeForm form(100, 100);
    Form = &form;
    form.PostDeferred(&First);
    form.PostDeferred(&Second);
    EXPECT_TRUE(Log.empty()) << "posting never runs the procedure at once";
    QCoreApplication::processEvents();
    EXPECT_EQ(Log, (std::vector<std::string>{"first begins", "second", "first ends"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(Log.size(), 3u);
    EXPECT_TRUE(form.PendingCalls.empty());
}

TEST_F(FormTest, ADeferredCallPostedFromADeferredCallRunsAtTheNextPumping)
{
    TLumeForm form(100, 100);
    Form = &form;
    form.PostDeferred(&PostsAnother);
    form.PostDeferred(&Second);
    QCoreApplication::sendPostedEvents(&form, DeferredCallEvent);
    QCoreApplication::processEvents();
    EXPECT_EQ(Log, (std::vector<std::string>{"poster", "second", "third"}));
}

TEST_F(FormTest, KeyFilterDropsAltF10AndTheirCharacterCodes)
{
    TLumeForm form(200, 100);
    auto *button = new KeyProbe(&form);
    form.show();
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QTest::keyClick(button, Qt::Key_Alt);
    QTest::keyClick(button, Qt::Key_F10);
    QTest::keyClick(button, Qt::Key_Y, Qt::NoModifier); // the character 'y' is code 121
    // Ctrl+R carries the character code 18, as on a real keyboard.
    QKeyEvent ctrlR(QEvent::KeyPress, Qt::Key_R, Qt::ControlModifier, QString(QChar(18)));
    QApplication::sendEvent(button, &ctrlR);
    EXPECT_TRUE(button->Keys.empty());

    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(button, Qt::Key_F4, Qt::AltModifier); // Alt+F4 still reaches the window
    EXPECT_EQ(button->Keys, (std::vector<int>{Qt::Key_A, -Qt::Key_A, Qt::Key_F4, -Qt::Key_F4}));
}

TEST_F(FormTest, TakesChildKeyLooksOnlyAtTheCodes)
{
    TLumeForm form(10, 10);
    EXPECT_TRUE(form.TakesChildKey(nullptr, 18, 0));
    EXPECT_TRUE(form.TakesChildKey(nullptr, 121, 0));
    EXPECT_TRUE(form.TakesChildKey(nullptr, 0, 121));
    EXPECT_FALSE(form.TakesChildKey(nullptr, 115, 0)); // F4
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Alt), 18);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F10), 121);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Y), 89);
}

TEST_F(FormTest, FitPageCoversTheClientArea)
{
    TLumeForm form(500, 400);
    auto *page = new QWidget(&form);
    page->setGeometry(10, 10, 20, 20);
    form.FitPage(page, false);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 500, 400));
    EXPECT_TRUE(page->isHidden());
    form.FitPage(page, true);
    EXPECT_FALSE(page->isHidden());
}

TEST_F(FormTest, ClosingTheWindowRequestsTermination)
{
    TLumeForm form(100, 100);
    form.show();
    EXPECT_FALSE(ApplicationTerminated());
    form.close();
    EXPECT_TRUE(ApplicationTerminated());
    // A new window's session has not been told to end.
    TLumeForm next(100, 100);
    EXPECT_FALSE(ApplicationTerminated());
}
