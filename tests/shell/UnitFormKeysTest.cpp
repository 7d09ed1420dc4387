// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"
#include "Keyboard.h"

#include "LumeWave.h"
#include "SoundServer.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitDat.h"
#include "UnitHelp.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <optional>

// The window played from the keyboard, and what keeps a hidden choice from
// acting: real key events on the real window, shown and active offscreen.

namespace {

const char *const Fled = "と見せかけて逃げた。";

class KeyboardPlay : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        StartGame();
        ASSERT_TRUE(ShowActive(FormMain));
    }
    void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        PressKey(FormMain, Key, Modifiers);
    }
    // From the title page by mouse to the choices "killl" and "escapo".
    void ToEncounter()
    {
        ClickWidget(Controls().PntTitle);
        Click("yest");
        Click("skipl");
        Click("seeek");
        ASSERT_EQ(Choices(), (Strings{"killl", "escapo"}));
    }
    // On to the player's rolling dice, "≫" and "ib" shown.
    void ToRollingDice()
    {
        ToEncounter();
        Click("killl");
        for (int i = 0; i < 20 && Choices() == NextOnly; ++i)
            Click("≫");
        ASSERT_EQ(Choices(), TurnChoices) << Message();
        Click("attax");
        ASSERT_TRUE(DiceRolling);
    }
    static std::string FocusedCaption()
    {
        QWidget *focused = Focused();
        return focused ? TextOf(focused) : std::string("(none)");
    }
};

// A step hides the button that had the focus, or hides it while its click
// is under way; whatever comes next must not run that button's old action.
TEST_F(KeyboardPlay, AHiddenChoiceNeverActs)
{
    const struct {
        const char *Name;
        std::optional<Qt::Key> Key; // none: a click reaches the button itself
    } cases[] = {{"Space after killl", Qt::Key_Space},
                 {"Enter after killl", Qt::Key_Return},
                 {"a click that reaches it", std::nullopt}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        StopGame();
        StartGame();
        ASSERT_TRUE(ShowActive(FormMain));
        ToEncounter();
        TLumeButton &escapo = *Controls().ChoiceButtons[1];
        // "killl" hides itself and "escapo"; the focus passes from the one to the other.
        ClickWidget(Controls().ChoiceButtons[0]);
        ASSERT_EQ(Choices(), NextOnly);
        EXPECT_NE(Focused(), &escapo) << "the focus rests on a hidden choice";
        if (c.Key)
            Press(*c.Key);
        else
            escapo.click();
        EXPECT_NE(Message(), Fled) << "the hidden \"escapo\" acted";
    }
}

TEST_F(KeyboardPlay, AnAnimatedClickThatEndsAfterTheStepDoesNotAct)
{
    ToEncounter();
    Controls().ChoiceButtons[1]->animateClick(); // "escapo", its click due in 100 ms
    ClickWidget(Controls().ChoiceButtons[0]);
    QTest::qWait(250);
    EXPECT_NE(Message(), Fled);
    EXPECT_EQ(Choices(), NextOnly);
}

TEST_F(KeyboardPlay, EachStepPutsTheFocusOnItsFirstChoice)
{
    EXPECT_EQ(Focused(), Controls().PntTitle) << "the title page";
    // Each click by mouse, then where the focus is: never on a choice left
    // from the step before ("skipl" after "yest", "bosss!" after "skipl").
    const struct {
        const char *Click, *Focus;
    } steps[] = {{nullptr, "noar"}, {"yest", "≫"}, {"skipl", "seeek"}, {"seeek", "killl"}};
    for (const auto &step : steps) {
        if (step.Click)
            Click(step.Click);
        else
            ClickWidget(Controls().PntTitle);
        EXPECT_EQ(FocusedCaption(), step.Focus) << "after " << (step.Click ? step.Click : "title");
    }
    Click("killl");
    for (int i = 0; i < 20 && Choices() == NextOnly; ++i) {
        EXPECT_EQ(FocusedCaption(), "≫");
        Click("≫");
    }
    EXPECT_EQ(FocusedCaption(), "attax");
}

TEST_F(KeyboardPlay, TheTitlePageStartsFromEnterOrSpace)
{
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    } keys[] = {{Qt::Key_Return, Qt::NoModifier},
                {Qt::Key_Enter, Qt::KeypadModifier},
                {Qt::Key_Space, Qt::NoModifier}};
    for (const auto &key : keys) {
        SCOPED_TRACE(key.Key);
        StopGame();
        StartGame();
        ASSERT_TRUE(ShowActive(FormMain));
        Press(key.Key, key.Modifiers);
        EXPECT_EQ(CurrentScene, "MAIN");
        EXPECT_EQ(Choices(), PickChoices);
        EXPECT_EQ(FocusedCaption(), "noar");
        // The keys press the focused choice too: "noar" rolls again.
        const TBattler before = Player;
        Press(key.Key, key.Modifiers);
        EXPECT_EQ(Choices(), PickChoices);
        EXPECT_NE(std::memcmp(&before, &Player, sizeof Player), 0);
    }
}

TEST_F(KeyboardPlay, TabAndArrowsMoveAmongTheShownChoicesInTabOrder)
{
    ToEncounter();
    Click("killl");
    for (int i = 0; i < 20 && Choices() == NextOnly; ++i)
        Click("≫");
    ASSERT_EQ(Choices(), TurnChoices);
    // Tab order: slot 1, slot 0, slot 2; hidden slots are passed over.
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char *Lands;
    } moves[] = {
        {Qt::Key_Tab, Qt::NoModifier, "escapy"},   {Qt::Key_Tab, Qt::NoModifier, "magix"},
        {Qt::Key_Right, Qt::NoModifier, "attax"},  {Qt::Key_Down, Qt::NoModifier, "escapy"},
        {Qt::Key_Left, Qt::NoModifier, "attax"},   {Qt::Key_Up, Qt::NoModifier, "magix"},
        {Qt::Key_Tab, Qt::ShiftModifier, "escapy"}};
    for (const auto &move : moves) {
        Press(move.Key, move.Modifiers);
        EXPECT_EQ(FocusedCaption(), move.Lands) << "key " << move.Key;
    }
    EXPECT_TRUE(FormMain->testAttribute(Qt::WA_KeyboardFocusChange)) << "no focus frame";
    Press(Qt::Key_Return);
    EXPECT_EQ(Choices(), (Strings{"右", "左"})) << "Enter did not take \"escapy\"";
}

TEST_F(KeyboardPlay, IdeaBurstFollowsTheChoicesWhileShown)
{
    ToRollingDice();
    Player.Reason = 0; // the burst surely fails, and the dice roll on
    EXPECT_EQ(FocusedCaption(), "≫");
    Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), Controls().BtnIdeaBurst);
    Press(Qt::Key_Space);
    EXPECT_FALSE(Controls().BtnIdeaBurst->isEnabled()) << "Space did not press \"ib\"";
    EXPECT_EQ(FocusedCaption(), "≫") << "the focus stayed on the spent \"ib\"";
    Press(Qt::Key_Return);
    EXPECT_FALSE(DiceRolling);
    EXPECT_TRUE(Controls().BtnIdeaBurst->isHidden());
}

TEST_F(KeyboardPlay, HelpOpensAndClosesBesideTheRollingDice)
{
    ToRollingDice();
    for (Qt::Key close : {Qt::Key_F1, Qt::Key_Escape}) {
        Press(Qt::Key_F1);
        TFormHelp *help = FormMain->HelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // The dice go on ticking as before.
        const TSjis before = Controls().LabDiceMine->Caption();
        const int32_t value = DiceValue;
        for (int i = 0; i < 5 && Controls().LabDiceMine->Caption() == before; ++i)
            Advance(51);
        EXPECT_NE(Controls().LabDiceMine->Caption(), before);
        EXPECT_NE(DiceValue, value);
        EXPECT_EQ(TimerInterval(DiceTimer), 50);
        PressKey(FormMain, close);
        EXPECT_FALSE(help->isVisible()) << "key " << close;
    }
    Press(Qt::Key_Return); // the game is played on with the keys
    EXPECT_FALSE(DiceRolling);
}

TEST_F(KeyboardPlay, TheSoundSwitchSilencesAndIsRemembered)
{
    ASSERT_TRUE(WavePlayer->SoundOn());
    Press(Qt::Key_F1);
    const QString helpWithSound = FormMain->HelpWindow()->Text();
    Press(Qt::Key_M);
    EXPECT_FALSE(WavePlayer->SoundOn());
    EXPECT_TRUE(QTest::qWaitFor([] { return !ThisProcessSounds(); }, 1000))
        << "the title music plays on";
    EXPECT_EQ(WavePlayer->FileName, WaveTitleMusic) << "the game's own record of its sound";
    EXPECT_NE(FormMain->HelpWindow()->Text(), helpWithSound) << "the help still says sound is on";
    EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/vantik/vantik.conf"));

    // Read back before the next start's title music.
    StopGame();
    StartGame();
    ASSERT_TRUE(ShowActive(FormMain));
    EXPECT_FALSE(WavePlayer->SoundOn());
    EXPECT_FALSE(ThisProcessSounds());
    Press(Qt::Key_M);
    EXPECT_TRUE(WavePlayer->SoundOn());
    if (TLumeWave::HasAudioOutput()) {
        EXPECT_TRUE(QTest::qWaitFor([] { return ThisProcessSounds(); }, 3000))
            << "the title music did not start again";
    }
}

TEST_F(KeyboardPlay, CtrlQEndsTheGameAsTheCloseButtonDoes)
{
    QTimer::singleShot(0, FormMain, [this] { Press(Qt::Key_Q, Qt::ControlModifier); });
    // Should the key do nothing, the loop is ended with a status of its own.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
    const int status = QApplication::exec();
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_FALSE(FormMain->isVisible());
}

// A screen reader hears of each new message through the label's name
// (the system test listens for it); the title says how to start.
TEST_F(KeyboardPlay, TheTitleSaysHowToStart)
{
    EXPECT_FALSE(Controls().PntTitle->accessibleName().isEmpty());
    EXPECT_TRUE(Controls().PntTitle->accessibleDescription().contains(QStringLiteral("Enter")));
}

} // namespace
