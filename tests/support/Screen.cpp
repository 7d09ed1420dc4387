// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Screen.h"

#include "UnitForm.h"
#include "UnitMain.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

// The window lets this one class past its private parts.
struct TFormMainProbe {
    static const TFormMainControls &Controls(const TFormMain &Form) { return Form; }
    static const auto &ChoiceActions(const TFormMain &Form) { return Form.ChoiceActions; }
    static int32_t ChoiceCount(const TFormMain &Form) { return Form.ChoiceCount; }
};

const TFormMainControls &Controls()
{
    return TFormMainProbe::Controls(*FormMain);
}

const std::array<TProcedure, ChoiceSlots> &ChoiceActions()
{
    return TFormMainProbe::ChoiceActions(*FormMain);
}

int32_t ChoiceCount()
{
    return TFormMainProbe::ChoiceCount(*FormMain);
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
