// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitMain.h"

#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitForm.h"
#include "UnitStory.h"

const std::array<TSjis, FlavourLineCount> FlavourLines{
    ToSjis("風が冷たい。"),
    ToSjis("遠くで鐘が鳴っている。"),
    ToSjis("さいころが手の中で温かい。"),
    ToSjis("霧雨だ。"),
    ToSjis("空がやけに低い。"),
    ToSjis("どこかで誰かが笑った。"),
    ToSjis("足元の影が少しだけ長い。"),
    ToSjis("静かな夜だ。"),
    ToSjis("星がひとつ流れた。"),
    ToSjis("道はまだ続いている。"),
};

void MainMenu()
{
    FormMain->ClearEnemyStatus();
    FormMain->ShowText(FlavourLines[Random(FlavourLineCount)]);
    FormMain->ClearChoices();
    FormMain->AddChoice("seeek", MenuSeek);
    FormMain->AddChoice("bosss!", MenuBoss);
    FormMain->AddChoice("savie", MenuSave);
}

void NewGame()
{
    FormMain->ClearEnemyStatus();
    RerollPlayer();
    FormMain->ShowText(ToSjis("あなたが落としたのはこのステータスですか？"));
    FormMain->ClearChoices();
    FormMain->AddChoice("noar", RerollPlayer);
    FormMain->AddChoice("yest", StartIntro);
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
