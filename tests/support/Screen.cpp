// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Screen.h"

#include "UnitForm.h"
#include "UnitMain.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Stands between the rules and the window: passes every screen operation on
// and keeps the choice table the rules built, which the window keeps to itself.
class TChoiceRecorder final : public TGameScreen {
public:
    TFormMain *Form = nullptr;
    std::array<TProcedure, ChoiceSlots> Actions{};
    int32_t Count = 0;

    void ShowTitlePage() override { Form->ShowTitlePage(); }
    void ShowMainPage() override { Form->ShowMainPage(); }
    void ShowText(const QString &Text) override { Form->ShowText(Text); }
    void ClearChoices() override
    {
        Count = 0;
        Form->ClearChoices();
    }
    void AddChoice(const TChoice &Choice, TProcedure Action) override
    {
        if (Count < ChoiceSlots)
            Actions[Count++] = Action;
        Form->AddChoice(Choice, Action);
    }
    void ShowPlayerStatus() override { Form->ShowPlayerStatus(); }
    void ShowEnemyStatus() override { Form->ShowEnemyStatus(); }
    void ClearEnemyStatus() override { Form->ClearEnemyStatus(); }
    void SayPlayerStatus() override { Form->SayPlayerStatus(); }
    void ShowDice(TDiceLabel Dice, int32_t Value, bool Forced) override
    {
        Form->ShowDice(Dice, Value, Forced);
    }
    void ClearDice(TDiceLabel Dice) override { Form->ClearDice(Dice); }
    void ShowBurstButton(TBurstButton State) override { Form->ShowBurstButton(State); }
    void ShowBurstRoll(int32_t Reason, int32_t Roll) override { Form->ShowBurstRoll(Reason, Roll); }
    void ShowEnemyBurstRoll(int32_t Roll) override { Form->ShowEnemyBurstRoll(Roll); }
    void ClearEnemyBurstRoll() override { Form->ClearEnemyBurstRoll(); }
    void ShowTitleFrame(TLumeBitmap &Surface) override { Form->ShowTitleFrame(Surface); }
    void ShowBackdrop(const TLumeBitmap &Surface) override { Form->ShowBackdrop(Surface); }
    void Alert(const QString &Text) override { Form->Alert(Text); }
};

TChoiceRecorder Recorder;

} // namespace

void WatchChoices()
{
    Recorder.Form = FormMain;
    Recorder.Count = 0;
    GameScreen = &Recorder;
}

const TFormMainControls &Controls()
{
    return *FormMain;
}

const std::array<TProcedure, ChoiceSlots> &ChoiceActions()
{
    return Recorder.Actions;
}

int32_t ChoiceCount()
{
    return Recorder.Count;
}

std::string Utf8Of(const TSjis &Text)
{
    return FromSjis(Text).toStdString();
}

std::string Utf8Of(const QString &Text)
{
    return Text.toStdString();
}

std::string Utf8Of(const char *Text)
{
    return Text;
}

std::string TextOf(const QWidget *Control)
{
    if (auto *label = qobject_cast<const QLabel *>(Control))
        return label->text().toStdString();
    return static_cast<const QPushButton *>(Control)->text().toStdString();
}

QColor ColourOf(const QWidget *Control)
{
    return Control->palette().color(QPalette::WindowText);
}

bool EnemySideBlank()
{
    for (TLumeLabel *label : Controls().LabEnemyStatus)
        if (!label->text().isEmpty())
            return false;
    return Controls().LabEnemyHP->text().isEmpty();
}

bool IsFlavourLine(const std::string &Text)
{
    return std::find_if(FlavourLines.begin(), FlavourLines.end(),
                        [&](const char *Line) { return Text == Line; }) != FlavourLines.end();
}
