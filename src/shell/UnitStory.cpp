// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitStory.h"

#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitForm.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"

int32_t StoryStep = 0;

// Sentences run on over several clicks: a line ending in "、" continues on
// the next one.
const std::array<TSjis, 19> IntroLines{
    ToSjis("名もなく、形もなく、"),
    ToSjis("ただ五つの数だけを抱えて目を覚ましたもの。"),
    ToSjis("それがあなた。"),
    ToSjis("命中、回避、予測、閃き、理力、"),
    ToSjis("その数があなたのすべてを物語っている。"),
    ToSjis("けれど数は、"),
    ToSjis("あなたがどこから来たのかを教えてはくれない。"),
    ToSjis("百の目を持つさいころが、行く末を決めるだけ。"),
    ToSjis("勝てば相手の力がわずかに身に染み、"),
    ToSjis("負ければ、"),
    ToSjis("それでおしまい。"),
    ToSjis("霧の向こうでは七つの影があなたを待っていて、"),
    ToSjis("打ち倒した影の名は、"),
    ToSjis("ひとつずつあなたのものになる。"),
    ToSjis("借りものの名を重ねて、"),
    ToSjis("いつか、"),
    ToSjis("本当の自分の名にたどり着けるかもしれない。"),
    ToSjis("さあ、さいころを握って。"),
    ToSjis("あなたの物語が、いま転がりはじめる。"),
};

const std::array<TSjis, 2> EndingALines{
    ToSjis("roda。"),
    ToSjis("それが、ようやく手にしたあなた自身の名前。"),
};

// The last fight's aftermath, told from outside; lines 6 to 9 are one
// speech, each of its lines opening with "「" and only the last closing it.
const std::array<TSjis, 12> EndingBLines{
    ToSjis("≪祖≫を討ったrodaの前に、もう道はなかった。"),
    ToSjis("霧は晴れ、数も星も静かに消えていく。"),
    ToSjis("rodaがたどり着いたのは≪行き止まり≫。"),
    ToSjis("それでもrodaは歩みを止めなかった。"),
    ToSjis("借りてきた名をひとつずつ霧へ返しながら、"),
    ToSjis("rodaは壁の向こうから呼ぶ声を聞いた。"),
    ToSjis("「roda、ここは終わりのさらに先。"),
    ToSjis("「振るさいころも、奪う名も、もう残っていない。"),
    ToSjis("「それでも進むなら、≪デッド・エンド≫を越えてゆけ。"),
    ToSjis("「まだ誰も振ったことのない目が、そこにある。」"),
    ToSjis("rodaは、"),
    ToSjis("笑って壁を越えた。"),
};

const TSjis EndingATitle = ToSjis("★　おしまエンド　★");
const TSjis EndingBTitle = ToSjis("★★★　オーバー・デッド・エンド　★★★");

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
    FormMain->ShowText("");
    FormMain->ClearChoices();
    FormMain->AddChoice(ToSjis("≫"), Step);
    StoryStep = 0;
}

template <size_t LineCount>
void NarrationStep(const std::array<TSjis, LineCount> &Lines, TProcedure Close)
{
    switch (NarrationStageAt(StoryStep, LineCount)) {
    case TNarrationStage::Line:
        FormMain->ShowText(Lines[StoryStep]);
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
    FormMain->ShowText(EndingATitle);
    FormMain->ClearChoices();
}

void CloseEndingB()
{
    FormMain->ShowText(EndingBTitle);
    FormMain->ClearChoices();
}

} // namespace

void StartIntro()
{
    BeginNarration(IntroStep);
    FormMain->AddChoice("skipl", MainMenu);
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
