// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitMain.h"

#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitForm.h"
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

void MainMenu()
{
    FormMain->ClearEnemyStatus();
    FormMain->ShowText(QCoreApplication::translate("Menu", FlavourLines[Random(FlavourLineCount)]));
    FormMain->ClearChoices();
    //: The main menu: look for an ordinary fight.
    FormMain->AddChoice(QT_TRANSLATE_NOOP("Choice", "seeek"), MenuSeek);
    //: The main menu: challenge the next of the seven bosses.
    FormMain->AddChoice(QT_TRANSLATE_NOOP("Choice", "bosss!"), MenuBoss);
    //: The main menu: fight the guard of the save point; beating it saves the game.
    FormMain->AddChoice(QT_TRANSLATE_NOOP("Choice", "savie"), MenuSave);
}

void NewGame()
{
    FormMain->ClearEnemyStatus();
    RerollPlayer();
    //: A new game: the freshly rolled character's stats are shown, and the player is asked
    //: (as the spirit of the fabled axe pond asks) whether these are the stats they dropped.
    FormMain->ShowText(
        QCoreApplication::translate("Menu", "あなたが落としたのはこのステータスですか？"));
    FormMain->ClearChoices();
    //: A new game: no, roll the character again.
    FormMain->AddChoice(QT_TRANSLATE_NOOP("Choice", "noar"), RerollPlayer);
    //: A new game: yes, keep the character and start the intro.
    FormMain->AddChoice(QT_TRANSLATE_NOOP("Choice", "yest"), StartIntro);
    // The page is filled before it is shown, so the title gives way to a
    // finished screen.
    ChangeScene("MAIN");
}

// The prompt and both choices stay, so the player may roll again at will.
void RerollPlayer()
{
    NewPlayer();
    FormMain->ShowPlayerStatus();
}

void MenuSeek()
{
    Encounter("NORMAL");
}

void MenuBoss()
{
    Encounter("BOSS");
}

void MenuSave()
{
    Encounter("SAVE");
}
