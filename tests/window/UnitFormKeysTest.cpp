// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"

#include "LumeWave.h"
#include "SaveFile.h"
#include "SoundServer.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitDat.h"
#include "UnitHelp.h"
#include "UnitSaveLoad.h"
#include "UnitSound.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <cstring>

// The window played from the keyboard, and what keeps a hidden choice from
// acting: real key events on the real window, shown and active offscreen.

namespace {

const char *const Fled = "と見せかけて逃げた。";

class KeyboardPlay : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        Restart();
    }
    void Restart() { StartActiveGame(); }
    // Sent to the active window as the platform sends it, so that shortcuts,
    // the form's keyboard filter and the focused control all see the key.
    static void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QWindow *active = QGuiApplication::focusWindow();
        QTest::keyClick(active ? active : FormMain->windowHandle(), Key, Modifiers);
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
    static std::string FocusedCaption()
    {
        QWidget *focused = QApplication::focusWidget();
        return focused ? TextOf(focused) : std::string("(none)");
    }
};

// A step hides the button that had the focus, or hides it while its click
// is under way; whatever comes next must not run that button's old action.
TEST_F(KeyboardPlay, AHiddenChoiceNeverActs)
{
    enum TWay { Space, Enter, Click, AnimatedClick };
    for (const TWay way : {Space, Enter, Click, AnimatedClick}) {
        SCOPED_TRACE(way);
        Restart();
        ToEncounter();
        TLumeButton &escapo = *Controls().BtnMain[1];
        if (way == AnimatedClick)
            escapo.animateClick(); // its click is due in 100 ms, after the step
        // "killl" hides itself and "escapo"; the focus passes from the one to the other.
        ClickWidget(Controls().BtnMain[0]);
        ASSERT_EQ(Choices(), NextOnly);
        EXPECT_NE(QApplication::focusWidget(), &escapo) << "the focus rests on a hidden choice";
        if (way == Space || way == Enter)
            Press(way == Space ? Qt::Key_Space : Qt::Key_Return);
        else if (way == Click)
            escapo.click();
        else
            QTest::qWait(250);
        EXPECT_NE(Message(), Fled) << "the hidden \"escapo\" acted";
        EXPECT_EQ(Choices(), NextOnly);
    }
}

TEST_F(KeyboardPlay, TheTitlePageStartsFromEnterOrSpace)
{
    // A screen reader hears the title's name and how to start.
    EXPECT_FALSE(Controls().PntTitle->accessibleName().isEmpty());
    EXPECT_TRUE(Controls().PntTitle->accessibleDescription().contains(QStringLiteral("Enter")));
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Return, Qt::NoModifier},
                                                              {Qt::Key_Enter, Qt::KeypadModifier},
                                                              {Qt::Key_Space, Qt::NoModifier}};
    for (const auto &[key, modifiers] : keys) {
        SCOPED_TRACE(key);
        Restart();
        Press(key, modifiers);
        EXPECT_EQ(CurrentScene, TScene::Main);
        EXPECT_EQ(FocusedCaption(), "noar");
        // The keys press the focused choice too: "noar" rolls again.
        const TBattler before = Player;
        Press(key, modifiers);
        EXPECT_EQ(Choices(), PickChoices);
        EXPECT_NE(std::memcmp(&before, &Player, sizeof Player), 0);
    }
}

// Each step puts the focus on its first choice; Tab and the arrows then
// move it among the shown choices in tab order.
TEST_F(KeyboardPlay, EachStepFocusesItsFirstChoiceAndKeysMoveTheFocus)
{
    EXPECT_EQ(QApplication::focusWidget(), Controls().PntTitle) << "the title page";
    // Never on a choice left from the step before ("skipl" after "yest", "bosss!" after "skipl").
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
    ASSERT_EQ(Choices(), TurnChoices);
    ASSERT_EQ(FocusedCaption(), "attax");
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

// While the dice roll: "ib" is reached by Tab and pressed by Space, and the
// help comes and goes without touching the dice's ticks.
TEST_F(KeyboardPlay, IdeaBurstAndHelpBesideTheRollingDice)
{
    ToEncounter();
    Click("killl");
    for (int i = 0; i < 20 && Choices() == NextOnly; ++i)
        Click("≫");
    ASSERT_EQ(Choices(), TurnChoices) << Message();
    Click("attax");
    ASSERT_TRUE(DiceRolling);
    Player.Reason = 0; // the burst surely fails, and the dice roll on
    EXPECT_EQ(FocusedCaption(), "≫");
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Controls().BtnIdeaBurst);
    Press(Qt::Key_Space);
    EXPECT_FALSE(Controls().BtnIdeaBurst->isEnabled()) << "Space did not press \"ib\"";
    EXPECT_EQ(FocusedCaption(), "≫") << "the focus stayed on the spent \"ib\"";
    for (Qt::Key close : {Qt::Key_F1, Qt::Key_Escape}) {
        Press(Qt::Key_F1);
        const auto *help = FormMain->findChild<TFormHelp *>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        const QString before = Controls().LabDiceMine->Caption();
        const int32_t value = DiceValue;
        for (int i = 0; i < 5 && Controls().LabDiceMine->Caption() == before; ++i)
            Advance(51);
        EXPECT_NE(Controls().LabDiceMine->Caption(), before);
        EXPECT_NE(DiceValue, value);
        EXPECT_EQ(TimerInterval(DiceTimer), 50);
        Press(close);
        EXPECT_FALSE(help->isVisible()) << "key " << close;
    }
    Press(Qt::Key_Return);
    EXPECT_FALSE(DiceRolling);
    EXPECT_TRUE(Controls().BtnIdeaBurst->isHidden());
}

TEST_F(KeyboardPlay, TheSoundSwitchSilencesAndIsRemembered)
{
    ASSERT_TRUE(WavePlayer->SoundOn());
    Press(Qt::Key_F1);
    const auto *help = FormMain->findChild<QTextBrowser *>();
    ASSERT_NE(help, nullptr);
    const QString helpWithSound = help->toPlainText();
    Press(Qt::Key_M);
    EXPECT_FALSE(WavePlayer->SoundOn());
    EXPECT_TRUE(QTest::qWaitFor([] { return !ThisProcessSounds(); }, 1000))
        << "the title music plays on";
    EXPECT_EQ(WavePlayer->FileName, WaveTitleMusic) << "the game's own record of its sound";
    EXPECT_NE(help->toPlainText(), helpWithSound) << "the help still says sound is on";
    EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/vantik/vantik.conf"));

    // Read back before the next start's title music.
    Restart();
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
    QTimer::singleShot(0, FormMain, [] { Press(Qt::Key_Q, Qt::ControlModifier); });
    // Should the key do nothing, the loop is ended with a status of its own.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_FALSE(FormMain->isVisible());
}

// Ctrl+N leads from a loaded save to the title page and a new character; it
// asks first once the game has moved on from the save, and the save file
// stays as it was, so the next start opens the old game.
TEST_F(KeyboardPlay, CtrlNStartsANewGameAndLeavesTheSaveAlone)
{
    TBattler saved{};
    saved.Name.Set(ToSjis("セーブ"));
    saved.MaxHP = saved.HP = 3;
    saved.Hit = saved.BaseHit = 77;
    ASSERT_TRUE(SaveGame(saved, ApplicationTitle));
    const QByteArray onDisk = SaveFileBytes();
    Restart();
    ASSERT_EQ(CurrentScene, TScene::Main);
    auto question = [] { return FormMain->findChild<QMessageBox *>(); };

    // Nothing to lose: straight to the title page, where a click rolls.
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(question(), nullptr);
    EXPECT_EQ(CurrentScene, TScene::Title);
    EXPECT_TRUE(Controls().PageTitle->isVisible());
    Press(Qt::Key_N, Qt::ControlModifier); // the title page is a new game already
    EXPECT_EQ(CurrentScene, TScene::Title);
    Press(Qt::Key_Return);
    EXPECT_EQ(Choices(), PickChoices);
    EXPECT_FALSE(SameBytes(Player, saved));

    // The new character is unsaved: asked first, and "No" keeps the game.
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        Press(Qt::Key_N, Qt::ControlModifier);
        ASSERT_NE(question(), nullptr);
        question()->button(answer)->click();
        // The offscreen platform has no window manager to give the game the keyboard back.
        FormMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FormMain));
        EXPECT_EQ(CurrentScene, answer == QMessageBox::Yes ? TScene::Title : TScene::Main);
    }
    EXPECT_EQ(SaveFileBytes(), onDisk);
    Restart();
    EXPECT_EQ(CurrentScene, TScene::Main);
    EXPECT_EQ(Utf8Of(Player.Name.Str()), "セーブ");
}

} // namespace
