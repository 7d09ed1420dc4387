// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"

#include "UnitBattler.h"
#include "UnitSpeech.h"

#include <QAccessible>
#include <QTest>

#include <cstdio>
#include <random>
#include <set>

// What the window gives a screen reader to say, on the roads the system test
// with Orca does not take.

namespace {

// Hears what the window's notifications say: each starts to show with its
// text as its name, which is what Orca speaks.
class TEar : public QObject {
public:
    std::vector<QString> Said;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Event->type() == QEvent::Show)
            Said.push_back(static_cast<QWidget *>(Watched)->accessibleName());
        return false;
    }
};

class ByEar : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        Restart();
    }
    void Restart()
    {
        StartActiveGame();
        int notices = 0;
        for (QWidget *child : FormMain->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface *told = QAccessible::queryAccessibleInterface(child);
            if (told && told->role() == QAccessible::Notification) {
                child->installEventFilter(&Ear);
                ++notices;
            }
        }
        ASSERT_GT(notices, 0) << "the window has no notification to speak through";
        Said.clear();
    }
    // Runs the step's deferred speech and some ticks of a rolling dice.
    void Settle()
    {
        for (int tick = 0; tick < 6; ++tick)
            Advance(51);
    }

    TEar Ear;
    std::vector<QString> &Said = Ear.Said;
};

// Random roads through menus, fights, bosses, the save guard, escapes and
// defeats: each step that shows a new message says it once, the dice's
// ticks say nothing, and every choice offered says what it does.
TEST_F(ByEar, EachNewMessageIsSaidOnceAndEveryChoiceSaysWhatItDoes)
{
    const unsigned seed = 24;
    std::printf("seed %u\n", seed);
    std::mt19937 choose(seed);
    std::set<std::string> met;
    ClickWidget(Controls().PntTitle);
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(step);
        const std::vector<std::string> choices = Choices();
        for (size_t slot = 0; slot < choices.size(); ++slot) {
            met.insert(choices[slot]);
            EXPECT_FALSE(Controls().BtnMain[slot]->accessibleDescription().isEmpty())
                << choices[slot];
        }
        if (choices.empty() || choices == Strings{"gmov"}) {
            Restart();
            ClickWidget(Controls().PntTitle);
            continue;
        }
        const std::string before = Message();
        Said.clear();
        const size_t slot = choose() % choices.size();
        ClickSlot(static_cast<int>(slot));
        Settle();
        const QString shown = SpokenMessage(QString::fromStdString(Message()));
        if (choices[slot] == "noar") // the question stays; the new character is said, once
            EXPECT_EQ(Said, std::vector<QString>{PlayerSpeech(Player)});
        else if (Message() != before && !shown.isEmpty())
            EXPECT_EQ(Said, std::vector<QString>{shown}) << before;
        else // a message shown again is said again
            EXPECT_TRUE(Said.empty() || Said == std::vector<QString>{shown}) << before;
    }
    for (const char *caption : {"noar", "bosss!", "savie", "magix", "右", "左", "gmov"})
        EXPECT_TRUE(met.count(caption)) << caption << " was never offered";
    EXPECT_FALSE(Controls().BtnIdeaBurst->accessibleDescription().isEmpty());
}

// S marks the lowered stats, and only those.
TEST_F(ByEar, TheStateKeyMarksTheLoweredStats)
{
    ClickWidget(Controls().PntTitle);
    Player.Evade = Player.BaseEvade - 3;
    Settle();
    Said.clear();
    QTest::keyClick(FormMain->windowHandle(), Qt::Key_S);
    ASSERT_EQ(Said.size(), 1u);
    EXPECT_EQ(Said[0].count(QStringLiteral("下がっている")), 1) << Said[0].toStdString();
    EXPECT_TRUE(Said[0].contains(QStringLiteral("回避：%1、元の%2から下がっている。")
                                     .arg(Player.Evade)
                                     .arg(Player.BaseEvade)))
        << Said[0].toStdString();
}

} // namespace
