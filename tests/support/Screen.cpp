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
    TLumeLabel *DiceLabel(TDiceLabel Dice) override { return Form->DiceLabel(Dice); }
    TLumeLabel &EnemyBurstLabel() override { return Form->EnemyBurstLabel(); }
    TLumeButton &BurstButton() override { return Form->BurstButton(); }
    TLumePaintBox &TitlePaintBox() override { return Form->TitlePaintBox(); }
    TLumeImage &BackdropImage() override { return Form->BackdropImage(); }
};

TChoiceRecorder Recorder;

template <typename T> T *Named(const char *Name)
{
    return FormMain->findChild<T *>(QLatin1String(Name));
}

} // namespace

void WatchChoices()
{
    Recorder.Form = FormMain;
    Recorder.Count = 0;
    GameScreen = &Recorder;
}

const TFormMainControls &Controls()
{
    static TFormMainControls controls;
    controls = TFormMainControls{
        Named<TLumePanel>("PageTitle"),       Named<TLumePaintBox>("PntTitle"),
        Named<TLumePanel>("PageMain"),        Named<TLumeImage>("ImgVuraviv"),
        Named<TLumeShape>("Shape1"),          Named<TLumeShape>("Shape2"),
        Named<TLumeShape>("Shape3"),          Named<TLumeShape>("Shape4"),
        Named<TLumeShape>("Shape5"),          Named<TLumeLabel>("LabMainStatusName0"),
        Named<TLumeLabel>("Label1"),          Named<TLumeLabel>("Label2"),
        Named<TLumeLabel>("Label3"),          Named<TLumeLabel>("Label4"),
        Named<TLumeLabel>("LabMyStatus0"),    Named<TLumeLabel>("LabMyStatus1"),
        Named<TLumeLabel>("LabMyStatus2"),    Named<TLumeLabel>("LabMyStatus3"),
        Named<TLumeLabel>("LabMyStatus4"),    Named<TLumeLabel>("LabEnemyStatus0"),
        Named<TLumeLabel>("LabEnemyStatus1"), Named<TLumeLabel>("LabEnemyStatus2"),
        Named<TLumeLabel>("LabEnemyStatus3"), Named<TLumeLabel>("LabEnemyStatus4"),
        Named<TLumeLabel>("LabMyHP"),         Named<TLumeLabel>("LabEnemyHP"),
        Named<TLumeLabel>("LabMain"),         Named<TLumeLabel>("LabDiceMine"),
        Named<TLumeLabel>("LabDiceEnemy"),    Named<TLumeLabel>("LabIBEnemy"),
        Named<TLumeButton>("BtnMain0"),       Named<TLumeButton>("BtnMain1"),
        Named<TLumeButton>("BtnMain2"),       Named<TLumeButton>("BtnMain3"),
        Named<TLumeButton>("BtnMain4"),       Named<TLumeButton>("BtnIdeaBurst")};
    controls.ChoiceButtons = {controls.BtnMain0, controls.BtnMain1, controls.BtnMain2,
                              controls.BtnMain3, controls.BtnMain4};
    return controls;
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

std::array<TLumeLabel *, 5> MyStatusLabels()
{
    return {Controls().LabMyStatus0, Controls().LabMyStatus1, Controls().LabMyStatus2,
            Controls().LabMyStatus3, Controls().LabMyStatus4};
}

std::array<TLumeLabel *, 5> EnemyStatusLabels()
{
    return {Controls().LabEnemyStatus0, Controls().LabEnemyStatus1, Controls().LabEnemyStatus2,
            Controls().LabEnemyStatus3, Controls().LabEnemyStatus4};
}

bool EnemySideBlank()
{
    for (TLumeLabel *label : EnemyStatusLabels())
        if (!label->text().isEmpty())
            return false;
    return Controls().LabEnemyHP->text().isEmpty();
}

bool IsFlavourLine(const std::string &Text)
{
    return std::find_if(FlavourLines.begin(), FlavourLines.end(),
                        [&](const char *Line) { return Text == Line; }) != FlavourLines.end();
}
