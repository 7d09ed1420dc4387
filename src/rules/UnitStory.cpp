// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitStory.h"

#include "UnitBattler.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"
#include "UnitScreen.h"

#include <QCoreApplication>

int32_t StoryStep = 0;

// The lines are the game's own words (UTF-8), shown in the player's language
// ("Story" context). Sentences run on over several clicks: a line ending in "、" continues on
// the next one.
const std::array<const char *, 19> IntroLines{
    //: The intro, line 1 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "名もなく、形もなく、"),
    //: The intro, line 2 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "ただ五つの数だけを抱えて目を覚ましたもの。"),
    //: The intro, line 3 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "それがあなた。"),
    //: The intro, line 4 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "命中、回避、予測、閃き、理力、"),
    //: The intro, line 5 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "その数があなたのすべてを物語っている。"),
    //: The intro, line 6 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "けれど数は、"),
    //: The intro, line 7 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "あなたがどこから来たのかを教えてはくれない。"),
    //: The intro, line 8 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "百の目を持つさいころが、行く末を決めるだけ。"),
    //: The intro, line 9 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "勝てば相手の力がわずかに身に染み、"),
    //: The intro, line 10 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "負ければ、"),
    //: The intro, line 11 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "それでおしまい。"),
    //: The intro, line 12 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "霧の向こうでは七つの影があなたを待っていて、"),
    //: The intro, line 13 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "打ち倒した影の名は、"),
    //: The intro, line 14 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "ひとつずつあなたのものになる。"),
    //: The intro, line 15 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "借りものの名を重ねて、"),
    //: The intro, line 16 of 19, one a click. The sentence runs on into the next line.
    QT_TRANSLATE_NOOP("Story", "いつか、"),
    //: The intro, line 17 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "本当の自分の名にたどり着けるかもしれない。"),
    //: The intro, line 18 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "さあ、さいころを握って。"),
    //: The intro, line 19 of 19, one a click.
    QT_TRANSLATE_NOOP("Story", "あなたの物語が、いま転がりはじめる。"),
};

const std::array<const char *, 2> EndingALines{
    //: The first ending, line 1 of 2: the player keeps the name roda for good.
    QT_TRANSLATE_NOOP("Story", "roda。"),
    //: The first ending, line 2 of 2.
    QT_TRANSLATE_NOOP("Story", "それが、ようやく手にしたあなた自身の名前。"),
};

// The last fight's aftermath, told from outside; lines 6 to 9 are one
// speech, each of its lines opening with "「" and only the last closing it.
const std::array<const char *, 12> EndingBLines{
    //: The second ending, line 1 of 12, told from outside after the last boss.
    QT_TRANSLATE_NOOP("Story", "≪祖≫を討ったrodaの前に、もう道はなかった。"),
    //: The second ending, line 2 of 12, told from outside after the last boss.
    QT_TRANSLATE_NOOP("Story", "霧は晴れ、数も星も静かに消えていく。"),
    //: The second ending, line 3 of 12, told from outside after the last boss.
    QT_TRANSLATE_NOOP("Story", "rodaがたどり着いたのは≪行き止まり≫。"),
    //: The second ending, line 4 of 12, told from outside after the last boss.
    QT_TRANSLATE_NOOP("Story", "それでもrodaは歩みを止めなかった。"),
    //: The second ending, line 5 of 12, told from outside after the last boss. The sentence runs on
    //: into the next line.
    QT_TRANSLATE_NOOP("Story", "借りてきた名をひとつずつ霧へ返しながら、"),
    //: The second ending, line 6 of 12, told from outside after the last boss.
    QT_TRANSLATE_NOOP("Story", "rodaは壁の向こうから呼ぶ声を聞いた。"),
    //: The second ending, line 7 of 12, told from outside after the last boss. Lines 7 to 10 are
    //: one speech: each opens a quote, only the last closes it.
    QT_TRANSLATE_NOOP("Story", "「roda、ここは終わりのさらに先。"),
    //: The second ending, line 8 of 12, told from outside after the last boss. Lines 7 to 10 are
    //: one speech: each opens a quote, only the last closes it.
    QT_TRANSLATE_NOOP("Story", "「振るさいころも、奪う名も、もう残っていない。"),
    //: The second ending, line 9 of 12, told from outside after the last boss. Lines 7 to 10 are
    //: one speech: each opens a quote, only the last closes it.
    QT_TRANSLATE_NOOP("Story", "「それでも進むなら、≪デッド・エンド≫を越えてゆけ。"),
    //: The second ending, line 10 of 12, told from outside after the last boss. Lines 7 to 10 are
    //: one speech: each opens a quote, only the last closes it.
    QT_TRANSLATE_NOOP("Story", "「まだ誰も振ったことのない目が、そこにある。」"),
    //: The second ending, line 11 of 12, told from outside after the last boss. The sentence runs
    //: on into the next line.
    QT_TRANSLATE_NOOP("Story", "rodaは、"),
    //: The second ending, line 12 of 12, told from outside after the last boss.
    QT_TRANSLATE_NOOP("Story", "笑って壁を越えた。"),
};

//: The last words of the first ending (a pun on "the end"); the game stops there.
const char *const EndingATitle = QT_TRANSLATE_NOOP("Story", "★　おしまエンド　★");
//: The last words of the second ending ("over dead end"); the game stops there.
const char *const EndingBTitle = QT_TRANSLATE_NOOP("Story", "★★★　オーバー・デッド・エンド　★★★");

namespace {

// The stages of a narration: its lines, one a click, then what closes it.
// StoryStep counts them.
enum class TNarrationStage {
    Line,
    Close,
    OutOfRange,
};

TNarrationStage NarrationStageAt(int32_t Step, size_t LineCount)
{
    const auto lineCount = static_cast<int32_t>(LineCount);
    if (Step >= 0 && Step < lineCount)
        return TNarrationStage::Line;
    if (Step == lineCount)
        return TNarrationStage::Close;
    return TNarrationStage::OutOfRange;
}

// Blanks the message area and offers "≫" for the narration's steps.
void BeginNarration(TProcedure Step)
{
    GameScreen->ShowText({});
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceNext, Step);
    StoryStep = 0;
}

template <size_t LineCount>
void NarrationStep(const std::array<const char *, LineCount> &Lines, TProcedure Close)
{
    switch (NarrationStageAt(StoryStep, LineCount)) {
    case TNarrationStage::Line:
        GameScreen->ShowText(QCoreApplication::translate("Story", Lines[StoryStep]));
        break;
    case TNarrationStage::Close:
        Close();
        break;
    case TNarrationStage::OutOfRange:
        UnreachableStage();
        break;
    }
    ++StoryStep;
}

void CloseEndingA()
{
    // The ending is shown whether or not the save worked, after the
    // player has been told of a failure.
    if (!SaveGame(Player, ApplicationTitle))
        ReportWriteFailure();
    GameScreen->ShowText(QCoreApplication::translate("Story", EndingATitle));
    GameScreen->ClearChoices();
}

void CloseEndingB()
{
    GameScreen->ShowText(QCoreApplication::translate("Story", EndingBTitle));
    GameScreen->ClearChoices();
}

} // namespace

void StartIntro()
{
    BeginNarration(IntroStep);
    GameScreen->AddChoice(ChoiceSkip, MainMenu);
}

void IntroStep()
{
    NarrationStep(IntroLines, MainMenu);
}

void StartEndingA()
{
    BeginNarration(EndingAStep);
}

void EndingAStep()
{
    NarrationStep(EndingALines, CloseEndingA);
}

void StartEndingB()
{
    BeginNarration(EndingBStep);
}

void EndingBStep()
{
    NarrationStep(EndingBLines, CloseEndingB);
}
