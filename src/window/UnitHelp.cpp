// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitHelp.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// The "how to play" page: the game's own Japanese, each section a rich-text
// entry of the catalog's "Help" context, shown in the player's language. The
// choices' captions stay as the game shows them.
const std::array<const char *, 7> HelpSections{
    //: The help: the goal of the game, the bosses' names and the endings. Rich text: keep the tags.
    QT_TRANSLATE_NOOP(
        "Help", "<h3>目的</h3> "
                "<p>戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。"
                "最後のボスを除き、倒したボスの名前はあなたのものになり、以後のメッセージでは"
                "その名前があなたを指します。六人目と七人目のボスを倒すと、それぞれエンディングを"
                "迎えます。星がすべてなくなるとゲームオーバーです。</p>"),
    //: The help: how a page is played. The choices' captions are kept as the game shows them,
    //: each quoted as the language quotes (「」 in Japanese); "right" and "left" are the escape's
    //: two ways out, named as the catalog's "Choice" entries 右 and 左 name them. Rich text: keep
    //: the tags.
    QT_TRANSLATE_NOOP(
        "Help",
        "<h3>画面と選択肢</h3> "
        "<p>どの画面にもメッセージと、下に最大三つの選択肢があります。選択肢をクリックするか、"
        "Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、Shift+Tab と"
        "矢印キーで選択肢を移ります。一歩進むたびに、右端の選択肢にフォーカスが移ります。"
        "タイトル画面でどこかをクリックするか Enter キーかスペースキーを押すと、新しい"
        "キャラクターがランダムに作られます。「noar」で振り直し、「yest」で決めて序章に"
        "進みます（「≫」で次へ、「skipl」で飛ばします）。メインメニューでは「seeek」で敵を"
        "探し、「bosss!」で次のボスに挑み、「savie」でセーブポイントの番人と戦います。敵が"
        "現れたら「killl」で戦い、「escapo」で逃げます（必ず逃げられます）。自分の番には"
        "「attax」「magix」「escapy」から選びます。「escapy」では「右」と「左」の片方だけが"
        "逃げ道で、外れると敵の番です。</p>"),
    //: The help: the five stats, named as the main page names them, and how a fight uses them.
    //: A roll (判定) is a stat plus the die against 100. Rich text: keep the tags.
    QT_TRANSLATE_NOOP(
        "Help",
        "<h3>五つの能力</h3> "
        "<ul> "
        "<li><b>命中</b>：攻撃を当てる力。</li> "
        "<li><b>回避</b>：当たりそうな攻撃をかわす力。</li> "
        "<li><b>予測</b>：先に動く見込みを高め、かわされた攻撃をそれでも当てる力。</li> "
        "<li><b>閃き</b>：魔法（「magix」）をかけ、また防ぐ力。魔法をかけるたびに、成否に"
        "かかわらず、かけた側の閃きが一割下がります。防ぐ側の閃きは下がりません。</li> "
        "<li><b>理力</b>：アイデアバーストの力。</li> "
        "</ul> "
        "<p>判定では能力値にダイスの目を足し、合計が 100 以上なら成功です。攻撃では、まず"
        "攻め手が命中の判定をし、成功すると受け手が回避の判定をします。回避に失敗すれば"
        "攻撃が当たり、受け手の星が一つ減ります。回避されても、攻め手が予測の判定に成功"
        "すれば当たります。魔法では、かけた側が閃きの判定に成功し、相手が閃きの判定で"
        "防げなければ、相手の命中、回避、予測が三分の一下がります。魔法で星は減りません。</p> "
        "<p>右があなた、左が敵の値です。灰色の値は、魔法をかけられたり、魔法をかけたり、"
        "アイデアバーストを使ったりして、元の値より下がっていることを示します。あなたの"
        "下がった値は次の戦いにも持ち越され、逃げても戻りません。勝てば元に戻ります。</p>"),
    //: The help: what the stars at the top of the main page mean. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help", "<h3>星</h3> "
                              "<p>上の星はＨＰです。★が残り、☆が失った分です。右上があなた、"
                              "左上が敵の星です。攻撃が当たると星が一つ減り、減った星は戦いに"
                              "勝ったときにしか戻りません。</p>"),
    //: The help: the dice, where each side's shows, the Idea Burst button "ib" and the enemy's
    //: burst roll beside its Reason. 28＋16 and 37＋ are examples of the two, written as the
    //: catalog's "Dice" entries write them. Rich text: keep the tags.
    QT_TRANSLATE_NOOP(
        "Help", "<h3>ダイスとアイデアバースト</h3> "
                "<p>判定のたびにダイスが回り（0〜99）、「≫」を押すとその時の目で止まります。"
                "あなたのダイスは右下、敵のダイスは左下に出ます。あなたのダイスが回る間は、"
                "理力の右の「ib」に 28＋16 のような二つの数が出ます。左があなたの理力、右が"
                "バーストの目です。「ib」を押すと理力が一割下がり、下がった理力とその目の合計が "
                "100 以上なら、ダイスが赤い＋100 で止まります。押せるのは一回の判定に一度だけ"
                "です。敵も判定のたびに同じことを試みることがあり、そのときは敵の理力の左に "
                "37＋ のような数が出ます。これは敵のバーストの目で、下がった敵の理力との合計が "
                "100 以上なら、敵のダイスが赤い＋100 になります。</p>"),
    //: The help: how the character grows and heals after a victory. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help",
                      "<h3>成長</h3> "
                      "<p>勝つと、「≫」を押すたびに、倒した敵より低い能力が一つずつ、敵の値に"
                      "近づいて伸びます（差の十分の一、端数は切り上げ）。続いて、あなたの星に☆が"
                      "あれば、倒した敵の星の数を上限に★に戻ります。勝った時点で星がすべて★なら、"
                      "回復のかわりに、倒した敵のほうが星が多ければ最大ＨＰが敵の星の数に近づいて"
                      "増え、増えた星は空の☆で現れます。</p>"),
    //: The help: how the game is saved, and what is lost when it ends. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help",
                      "<h3>セーブ</h3> "
                      "<p>セーブポイントの番人（「savie」）に勝つとセーブされます。六人目のボスを"
                      "倒した後のエンディングの最後にもセーブされます。次に起動すると、最後に"
                      "セーブしたキャラクターでメインメニューから続きます。エンディングの後は"
                      "選択肢が残らないので、ウィンドウを閉じてください。負けると残る選択肢は"
                      "「gmov」だけで、押すとゲームが終了します。ゲームが終了すると、最後に"
                      "セーブしてからの進み具合は失われます。</p>"),
};

// One item of the keys' list: the keys' names, in bold, and what they do.
QString KeyItem(const QString &Names, const QString &Does)
{
    //: The help's keys list: one item, %1 the keys' names and %2 what they do.
    return QStringLiteral("<li>%1</li> ")
        .arg(QCoreApplication::translate("Help", "%1：%2")
                 .arg(QStringLiteral("<b>%1</b>").arg(Names.toHtmlEscaped()), Does));
}

// The keys' section: the window's actions, then the controls' own keys. A
// list rather than a table: a table's cells reach a screen reader with the
// document's internal frame markers in their text.
QString KeySection(const QList<QAction *> &Actions)
{
    QString rows;
    for (const QAction *action : Actions)
        rows += KeyItem(action->shortcut().toString(QKeySequence::NativeText), action->text());
    for (const TControlKeys &keys : ControlKeys)
        rows += KeyItem(QKeySequence::listToString(keys.Keys, QKeySequence::NativeText),
                        QCoreApplication::translate("Help", keys.Does));
    //: The help: the heading of the keys' list.
    return QStringLiteral("<h3>%1</h3> <ul> %2</ul>")
        .arg(QCoreApplication::translate("Help", "キー"), rows);
}

} // namespace

const std::array<TControlKeys, 3> ControlKeys{{
    {{Qt::Key_Enter, Qt::Key_Space},
     //: The help's keys list: what Enter and Space do.
     QT_TRANSLATE_NOOP("Help", "フォーカスのある選択肢を選ぶ。タイトル画面では開始")},
    {{Qt::Key_Tab, Qt::SHIFT | Qt::Key_Tab},
     //: The help's keys list: what Tab and Shift+Tab do ("ib" is the Idea Burst button).
     QT_TRANSLATE_NOOP("Help", "次・前の選択肢と「ib」に移る")},
    {{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up},
     //: The help's keys list: what the arrow keys do.
     QT_TRANSLATE_NOOP("Help", "右と下で次の選択肢、左と上で前の選択肢")},
}};

QString HelpTitle()
{
    //: The help window's caption and the help page's heading.
    return QCoreApplication::translate("Help", "遊び方");
}

QString HelpText(bool SoundOn, const QList<QAction *> &Actions)
{
    QString page = QStringLiteral("<h2>%1</h2>").arg(HelpTitle());
    for (const char *section : HelpSections)
        page += QCoreApplication::translate("Help", section);
    page += KeySection(Actions);
    QString sound;
    if (SoundOn)
        //: The help's last line while sound is on.
        sound = QCoreApplication::translate("Help", "音：オン（M キーでオフ）");
    else
        //: The help's last line while sound is off.
        sound = QCoreApplication::translate("Help", "音：オフ（M キーでオン）");
    return page + QStringLiteral("<p><b>%1</b></p>").arg(sound);
}

QString TitleAccessibleName()
{
    //: What a screen reader calls the title page.
    return QCoreApplication::translate("Help", "タイトル画面");
}

QString TitleAccessibleDescription()
{
    //: What a screen reader says of the title page.
    return QCoreApplication::translate(
        "Help", "クリックするか Enter キーかスペースキーで新しいゲームを始めます。F1 "
                "キーで遊び方を表示します。");
}

TFormHelp::TFormHelp(QWidget *GameWindow, bool SoundOn)
    : QWidget(GameWindow, Qt::Window), Game(GameWindow), Browser(new QTextBrowser(this))
{
    setWindowTitle(HelpTitle());
    setAccessibleName(windowTitle());
    // The game window keeps the keyboard while the help stands beside it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    Browser->setOpenLinks(false);
    Browser->setAccessibleName(windowTitle());
    resize(440, 400);
    ShowSoundState(SoundOn);
}

void TFormHelp::Toggle()
{
    if (isVisible()) {
        close();
        return;
    }
    const QScreen *screen = Game->screen() ? Game->screen() : QGuiApplication::primaryScreen();
    move(HelpPlace(Game->frameGeometry(), screen ? screen->availableGeometry() : QRect(),
                   frameGeometry().size()));
    show();
}

void TFormHelp::hideEvent(QHideEvent *Event)
{
    QWidget::hideEvent(Event);
    if (Game->isVisible())
        Game->activateWindow();
}

void TFormHelp::ShowSoundState(bool SoundOn)
{
    Browser->setHtml(HelpText(SoundOn, Game->actions()));
}

QPoint HelpPlace(const QRect &Game, const QRect &Desk, const QSize &Help)
{
    constexpr int Gap = 8;
    const int right = Game.right() + 1 + Gap;
    const int left = Game.left() - Gap - Help.width();
    if (!Desk.isValid() || right + Help.width() <= Desk.right() + 1)
        return {right, Game.top()};
    if (left >= Desk.left())
        return {left, Game.top()};
    const bool rightRoomier = Desk.right() - Game.right() >= Game.left() - Desk.left();
    const int x = rightRoomier ? Desk.right() + 1 - Help.width() : Desk.left();
    return {std::max(Desk.left(), x), Game.top()};
}
