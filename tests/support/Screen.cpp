#include "Screen.h"

#include "UnitForm.h"
#include "UnitMain.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

std::string Utf8Of(const TSjis &Text)
{
    return FromSjis(Text).toStdString();
}

std::string TextOf(const QWidget *Control)
{
    if (auto *label = qobject_cast<const QLabel *>(Control))
        return label->text().toStdString();
    return static_cast<const QPushButton *>(Control)->text().toStdString();
}

std::array<TLumeLabel *, 5> MyStatusLabels()
{
    return {FormMain->LabMyStatus0, FormMain->LabMyStatus1, FormMain->LabMyStatus2,
            FormMain->LabMyStatus3, FormMain->LabMyStatus4};
}

std::array<TLumeLabel *, 5> EnemyStatusLabels()
{
    return {FormMain->LabEnemyStatus0, FormMain->LabEnemyStatus1, FormMain->LabEnemyStatus2,
            FormMain->LabEnemyStatus3, FormMain->LabEnemyStatus4};
}

bool EnemySideBlank()
{
    for (TLumeLabel *label : EnemyStatusLabels())
        if (!label->text().isEmpty())
            return false;
    return FormMain->LabEnemyHP->text().isEmpty();
}

bool IsFlavourLine(const std::string &Text)
{
    return std::find(FlavourLines.begin(), FlavourLines.end(), ToSjis(Text)) != FlavourLines.end();
}
