// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitSpeech.h"

#include "UnitBattler.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QStringList>

#include <cstring>
#include <utility>

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

// Each choice's caption, the game's own word, and what it does.
const std::pair<const char *, const char *> ChoiceMeanings[] = {
    //: Description of the status pick's "noar" button.
    {"noar", QT_TRANSLATE_NOOP("Speech", "能力を振り直す。")},
    //: Description of the status pick's "yest" button.
    {"yest", QT_TRANSLATE_NOOP("Speech", "この能力で始め、物語へ進む。")},
    //: Description of the "≫" button, in stories and fights alike.
    {"≫", QT_TRANSLATE_NOOP("Speech", "先へ進む。ダイスが回っていれば、見えている目で止める。")},
    //: Description of the "skipl" button under the intro.
    {"skipl", QT_TRANSLATE_NOOP("Speech", "物語を飛ばしてメインメニューへ。")},
    //: Description of the main menu's "seeek" button.
    {"seeek", QT_TRANSLATE_NOOP("Speech", "戦う相手を探す。")},
    //: Description of the main menu's "bosss!" button.
    {"bosss!", QT_TRANSLATE_NOOP("Speech", "次のボスに挑む。")},
    //: Description of the main menu's "savie" button.
    {"savie", QT_TRANSLATE_NOOP("Speech", "セーブポイントの番人と戦う。勝つとセーブされる。")},
    //: Description of the "killl" button when an enemy appears.
    {"killl", QT_TRANSLATE_NOOP("Speech", "戦う。予測で先に動く側が決まる。")},
    //: Description of the "escapo" button when an enemy appears.
    {"escapo", QT_TRANSLATE_NOOP("Speech", "戦わずに逃げる。")},
    //: Description of the "attax" button on the player's turn.
    {"attax", QT_TRANSLATE_NOOP("Speech", "攻撃する。命中で敵の回避に挑み、次に予測で当てる。")},
    //: Description of the "magix" button on the player's turn.
    {"magix",
     QT_TRANSLATE_NOOP("Speech",
                       "魔法を使う。閃きで敵の閃きに挑み、効けば敵の命中、回避、予測が下がる。")},
    //: Description of the "escapy" button on the player's turn.
    {"escapy", QT_TRANSLATE_NOOP("Speech", "逃げ道を探す。右か左の片方で逃げられる。")},
    //: Description of the right-hand way out after "escapy".
    {"右", QT_TRANSLATE_NOOP("Speech", "右へ逃げる。")},
    //: Description of the left-hand way out after "escapy".
    {"左", QT_TRANSLATE_NOOP("Speech", "左へ逃げる。")},
    //: Description of the "gmov" button after a defeat.
    {"gmov", QT_TRANSLATE_NOOP("Speech", "ゲームを終える。")},
};

} // namespace

QString ChoiceMeaning(const char *Caption)
{
    for (const auto &[caption, meaning] : ChoiceMeanings)
        if (std::strcmp(caption, Caption) == 0)
            return QCoreApplication::translate("Speech", meaning);
    return {};
}

QString BurstMeaning()
{
    //: Description of the "ib" button, whose caption becomes two numbers
    //: such as 28+16 while the player's dice roll.
    return QCoreApplication::translate(
        "Speech", "アイデアバースト。左の数は理力、右の数はバーストの目。押すと理力が"
                  "一割減り、減った理力と目の和が100に届けば、ダイスが＋100になる。");
}

QString SpokenMessage(const QString &Shown)
{
    QString said = Shown;
    said.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    said.replace(u'\n', u' ');
    return said.trimmed();
}

QString StateSpeech(const TBattler &Player, const TBattler *Enemy)
{
    QStringList said;
    //: Spoken by the state key: the player's hit points as stars. %1 is the
    //: stars left, %n all the player's stars.
    const QString mine =
        QCoreApplication::translate("Speech", "あなた：星%n個のうち%1個。", nullptr, Player.MaxHP);
    AddSide(said, mine.arg(QString::number(Player.HP)), Player);
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
