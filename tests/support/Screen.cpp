// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Screen.h"

#include "UnitForm.h"
#include "UnitMain.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

const TFormMainControls &Controls()
{
    return *FormMain;
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
