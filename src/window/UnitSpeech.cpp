// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitSpeech.h"

#include "UnitBattler.h"
#include "UnitChoices.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QStringList>

namespace {

class TSpeechNotice : public QWidget {
public:
    using QWidget::QWidget;
};

QAccessibleInterface *NoticeAccessible(const QString &, QObject *Object)
{
    if (auto *notice = dynamic_cast<TSpeechNotice *>(Object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

// One side's stars, then its five stats in display order.
void AddSide(QStringList &Said, const QString &Stars, const TBattler &Side)
{
    Said << Stars;
    for (const TStat &stat : StatsInDisplayOrder) {
        const QString name = StatName(stat);
        const int32_t value = Side.*stat.Current;
        const int32_t base = Side.*stat.Base;
        if (value < base) {
            //: Spoken by the state key: a stat worn down in the fight. %1 is
            //: the stat's name, %2 its value now, %3 the value it returns to.
            Said << QCoreApplication::translate("Speech", "%1：%2、元の%3から下がっている。")
                        .arg(name, QString::number(value), QString::number(base));
        } else {
            //: Spoken by the state key: one stat. %1 is its name, %2 its value.
            Said << QCoreApplication::translate("Speech", "%1：%2。")
                        .arg(name, QString::number(value));
        }
    }
}

} // namespace

QString ChoiceMeaning(const TChoice &Choice)
{
    return QCoreApplication::translate("Speech", Choice.Meaning);
}

QString BurstMeaning()
{
    //: Description of the "ib" button, whose caption becomes two numbers
    //: such as 28＋16 while the player's dice roll.
    return QCoreApplication::translate(
        "Speech", "アイデアバースト。左の数は理力、右の数はバーストの目。押すと理力が"
                  "一割下がり、下がった理力と目の合計が100以上なら、ダイスが＋100で止まる。"
                  "一回の判定に一度だけ押せる。");
}

QString SpokenMessage(const QString &Shown)
{
    QString said = Shown;
    said.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    said.replace(u'\n', u' ');
    return said.trimmed();
}

QString PlayerSpeech(const TBattler &Player)
{
    QStringList said;
    //: Spoken by the state key: the player's HP as stars. %1 is the stars
    //: left, %n all the player's stars.
    const QString mine =
        QCoreApplication::translate("Speech", "あなた：星%n個のうち%1個。", nullptr, Player.MaxHP);
    AddSide(said, mine.arg(QString::number(Player.HP)), Player);
    return said.join(u' ');
}

QString StateSpeech(const TBattler &Player, const TBattler *Enemy)
{
    QStringList said{PlayerSpeech(Player)};
    if (Enemy) {
        //: Spoken by the state key: the enemy's hit points as stars. %1 is the
        //: enemy's name, %2 its stars left, %n all its stars.
        const QString theirs = QCoreApplication::translate("Speech", "敵、%1：星%n個のうち%2個。",
                                                           nullptr, Enemy->MaxHP);
        AddSide(said, theirs.arg(ShownName(*Enemy), QString::number(Enemy->HP)), *Enemy);
    } else {
        //: Spoken by the state key when no enemy is shown.
        said << QCoreApplication::translate("Speech", "敵はいない。");
    }
    return said.join(u' ');
}

TSpeech::TSpeech(QWidget *Form) : QObject(Form)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(NoticeAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    for (QWidget *&notice : Notices) {
        notice = new TSpeechNotice(Form);
        notice->setGeometry(0, 0, 0, 0);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->hide();
    }
}

void TSpeech::Say(const QString &Text)
{
    if (Text.isEmpty())
        return;
    QWidget *notice = Notices[Next];
    Next = (Next + 1) % Notices.size();
    // Orca speaks a notification when it starts showing.
    notice->hide();
    notice->setAccessibleName(Text);
    notice->show();
}

void TSpeech::SayAfterStep(const QString &Text)
{
    Pending = Text;
    if (Due)
        return;
    Due = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            Due = false;
            Say(Pending);
        },
        Qt::QueuedConnection);
}
