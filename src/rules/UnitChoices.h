// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Every choice the game offers, each written once: its caption, the game's
// own playful word ("Choice" context), and what it does, for the button's
// accessible description, since the word does not say it ("Speech" context).
struct TChoice {
    const char *Caption;
    const char *Meaning;
};

//: A new game: no, roll the character again.
inline constexpr TChoice ChoiceReroll{QT_TRANSLATE_NOOP("Choice", "noar"),
                                      //: Description of the status pick's "noar" button.
                                      QT_TRANSLATE_NOOP("Speech", "ＨＰと能力を振り直す。")};
//: A new game: yes, keep the character and start the intro.
inline constexpr TChoice ChoiceAccept{
    QT_TRANSLATE_NOOP("Choice", "yest"),
    //: Description of the status pick's "yest" button.
    QT_TRANSLATE_NOOP("Speech", "このキャラクターで始め、序章へ進む。")};
//: The one choice that reads on to the next message (and stops the rolling dice).
inline constexpr TChoice ChoiceNext{
    QT_TRANSLATE_NOOP("Choice", "≫"),
    //: Description of the "≫" button, in stories and fights alike.
    QT_TRANSLATE_NOOP("Speech", "先へ進む。ダイスが回っていれば、見えている目で止める。")};
//: The intro's choice that skips the rest of it.
inline constexpr TChoice ChoiceSkip{
    QT_TRANSLATE_NOOP("Choice", "skipl"),
    //: Description of the "skipl" button under the intro.
    QT_TRANSLATE_NOOP("Speech", "序章を飛ばしてメインメニューへ。")};
//: The main menu: look for an ordinary fight.
inline constexpr TChoice ChoiceSeek{QT_TRANSLATE_NOOP("Choice", "seeek"),
                                    //: Description of the main menu's "seeek" button.
                                    QT_TRANSLATE_NOOP("Speech", "戦う相手を探す。")};
//: The main menu: challenge the next of the seven bosses.
inline constexpr TChoice ChoiceBoss{QT_TRANSLATE_NOOP("Choice", "bosss!"),
                                    //: Description of the main menu's "bosss!" button.
                                    QT_TRANSLATE_NOOP("Speech", "次のボスに挑む。")};
//: The main menu: fight the guard of the save point; beating it saves the game.
inline constexpr TChoice ChoiceSave{
    QT_TRANSLATE_NOOP("Choice", "savie"),
    //: Description of the main menu's "savie" button.
    QT_TRANSLATE_NOOP("Speech", "セーブポイントの番人と戦う。勝つとセーブされる。")};
//: The choice to fight the enemy that appeared.
inline constexpr TChoice ChoiceFight{
    QT_TRANSLATE_NOOP("Choice", "killl"),
    //: Description of the "killl" button when an enemy appears.
    QT_TRANSLATE_NOOP("Speech", "戦う。予測が高いほど先に動きやすい。")};
//: The choice to flee before the fight begins.
inline constexpr TChoice ChoiceFlee{
    QT_TRANSLATE_NOOP("Choice", "escapo"),
    //: Description of the "escapo" button when an enemy appears.
    QT_TRANSLATE_NOOP("Speech", "戦わずに逃げる。必ず逃げられる。")};
//: The player's turn: attack (hit against the enemy's evade).
inline constexpr TChoice ChoiceAttack{
    QT_TRANSLATE_NOOP("Choice", "attax"),
    //: Description of the "attax" button on the player's turn.
    QT_TRANSLATE_NOOP("Speech",
                      "攻撃する。命中とダイスの目の合計が100以上なら、敵が回避の判定をし、"
                      "失敗すれば当たる。かわされても、予測とダイスの目の合計が100以上なら"
                      "当たる。当たると敵の星が一つ減る。")};
//: The player's turn: cast a spell (flash against the enemy's flash).
inline constexpr TChoice ChoiceMagic{
    QT_TRANSLATE_NOOP("Choice", "magix"),
    //: Description of the "magix" button on the player's turn.
    QT_TRANSLATE_NOOP("Speech", "魔法をかける。成否にかかわらず、自分の閃きが一割下がる。"
                                "閃きとダイスの目の合計が100以上で、敵が閃きの判定で防げなければ、"
                                "敵の命中、回避、予測が三分の一下がる。星は減らない。")};
//: The player's turn: try to escape (one of two ways out works).
inline constexpr TChoice ChoiceEscape{
    QT_TRANSLATE_NOOP("Choice", "escapy"),
    //: Description of the "escapy" button on the player's turn.
    QT_TRANSLATE_NOOP("Speech",
                      "逃げ道を探す。右と左の片方だけが逃げ道で、外れると敵の番になる。")};
//: An escape's way out: right.
inline constexpr TChoice ChoiceRight{QT_TRANSLATE_NOOP("Choice", "右"),
                                     //: Description of the right-hand way out after "escapy".
                                     QT_TRANSLATE_NOOP("Speech", "右へ逃げる。")};
//: An escape's way out: left.
inline constexpr TChoice ChoiceLeft{QT_TRANSLATE_NOOP("Choice", "左"),
                                    //: Description of the left-hand way out after "escapy".
                                    QT_TRANSLATE_NOOP("Speech", "左へ逃げる。")};
//: The only choice after a defeat: game over, the program ends.
inline constexpr TChoice ChoiceGameOver{
    QT_TRANSLATE_NOOP("Choice", "gmov"),
    //: Description of the "gmov" button after a defeat.
    QT_TRANSLATE_NOOP("Speech", "ゲームを終了する。最後にセーブしてからの進み具合は失われる。")};
