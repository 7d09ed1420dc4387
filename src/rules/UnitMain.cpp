// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitMain.h"

#include "LumeRandom.h"

#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitScreen.h"
#include "UnitStory.h"

#include <QCoreApplication>

const std::array<const char *, FlavourLineCount> FlavourLines{
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "風が冷たい。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "遠くで鐘が鳴っている。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "さいころが手の中で温かい。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "霧雨だ。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "空がやけに低い。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "どこかで誰かが笑った。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "足元の影が少しだけ長い。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "静かな夜だ。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "星がひとつ流れた。"),
    //: A main menu line, one of 10 drawn at random: a glimpse of the world.
    QT_TRANSLATE_NOOP("Menu", "道はまだ続いている。"),
};

namespace {

void ClearEnemy()
{
    EnemyPresent = false;
    GameScreen->ClearEnemyStatus();
}

} // namespace

void MainMenu()
{
    ClearEnemy();
    GameScreen->ShowText(
        QCoreApplication::translate("Menu", FlavourLines[Random(FlavourLineCount)]));
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceSeek, MenuSeek);
    GameScreen->AddChoice(ChoiceBoss, MenuBoss);
    GameScreen->AddChoice(ChoiceSave, MenuSave);
}

void NewGame()
{
    ClearEnemy();
    RerollPlayer();
    //: A new game: the freshly rolled character's stats are shown, and the player is asked
    //: (as the spirit of the fabled axe pond asks) whether these are the stats they dropped.
    GameScreen->ShowText(
        QCoreApplication::translate("Menu", "あなたが落としたのはこのステータスですか？"));
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceReroll, RerollPlayer);
    GameScreen->AddChoice(ChoiceAccept, StartIntro);
    // The page is filled before it is shown, so the title gives way to a
    // finished screen.
    ChangeScene(TScene::Main);
}

void StartOver()
{
    DicePrologue();
    GameScreen->ClearChoices();
    ClearEnemy();
    // The title's fade plays from its start, as at a start without a save.
    TitleFrameCount = 0;
    ChangeScene(TScene::Title);
}

// The prompt and both choices stay, so the player may roll again at will;
// a listener hears the new character, as no new message tells of it.
void RerollPlayer()
{
    NewPlayer();
    GameScreen->ShowPlayerStatus();
    GameScreen->SayPlayerStatus();
}

void MenuSeek()
{
    Encounter(TBattleKind::Normal);
}

void MenuBoss()
{
    Encounter(TBattleKind::Boss);
}

void MenuSave()
{
    Encounter(TBattleKind::Save);
}
