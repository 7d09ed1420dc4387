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
    //: The help: the goal of the game. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help", "<h3>目的</h3> "
                              "<p>戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。"
                              "星がすべてなくなるとゲームオーバーです。</p>"),
    //: The help: how a page is played, with the choices' own captions in quotes (keep them as the
    //: game shows them). Rich text: keep the tags.
    QT_TRANSLATE_NOOP(
        "Help",
        "<h3>画面の進め方</h3> "
        "<p>どの画面にもメッセージと、下に最大五つの選択肢があります。選択肢をクリック"
        "するか、Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、"
        "Shift+Tab と矢印キーで選択肢を移ります。一歩進むたびに、右端の最初の選択肢に"
        "フォーカスが移ります。タイトル画面では、どこかをクリックするか Enter キーか"
        "スペースキーでキャラクターが決まります。\"noar\" で振り直し、\"yest\" で決めて"
        "序章に進みます（\"≫\" で次へ、\"skipl\" で飛ばします）。メインメニューでは "
        "\"seeek\" で敵を探し、\"bosss!\" で次のボスに挑み、\"savie\" でセーブポイントの番人と"
        "戦います。戦いでは \"killl\" で戦い、\"escapo\" で逃げます。自分の番には "
        "\"attax\"、\"magix\"、\"escapy\" から選びます。\"escapy\" では右と左の片方だけが"
        "逃げ道で、外れると敵の番です。</p>"),
    //: The help: the five stats, named as the main page names them, and how a fight uses them.
    //: Rich text: keep the tags.
    QT_TRANSLATE_NOOP(
        "Help",
        "<h3>五つの能力</h3> "
        "<ul> "
        "<li><b>命中</b>：攻撃を当てる力。</li> "
        "<li><b>回避</b>：当たりそうな攻撃をかわす力。</li> "
        "<li><b>予測</b>：どちらが先に動くかを決め、かわされた攻撃をそれでも当てる力。</li> "
        "<li><b>閃き</b>：魔法（\"magix\"）を効かせ、また防ぐ力。魔法を使うたびに、"
        "使った側の閃きが一割下がります。</li> "
        "<li><b>理力</b>：アイデアバーストの力。</li> "
        "</ul> "
        "<p>攻撃は、命中が届けば相手が回避を試み、かわされなければ当たり、かわされても"
        "攻め手の予測が届けば当たります。魔法は、閃きが届き、相手の閃きで防がれなければ"
        "効き、相手の命中、回避、予測が三分の一下がります。</p> "
        "<p>右があなた、左が敵の値です。灰色の値は、魔法、魔法を使ったこと、バーストで"
        "元の値から下がっていることを示し、勝てば元に戻ります。</p>"),
    //: The help: what the stars at the top of the main page mean. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help", "<h3>星</h3> "
                              "<p>上の星は体力です。★が残り、☆が失った分です。右上があなた、"
                              "左上が敵の星です。攻撃が当たると星が一つ減ります。</p>"),
    //: The help: the dice and the Idea Burst button "ib" (28+16 is an example of its two numbers).
    //: Rich text: keep the tags.
    QT_TRANSLATE_NOOP(
        "Help", "<h3>ダイスとアイデアバースト</h3> "
                "<p>勝負のたびに能力値に回るダイス（0〜99）の目を足し、合計が 100 に届けば"
                "成功です。\"≫\" を押すとダイスはその時の目で止まります。自分のダイスが回る間、"
                "\"ib\" には 28+16 のように二つの数が出ます。左があなたの理力、右がバーストの目"
                "です。\"ib\" を押すと理力が一割下がり、下がった理力とその目の合計が 100 に届けば"
                "ダイスが赤い ＋100 になります。敵も同じことを試みます。</p>"),
    //: The help: how the character grows after a victory. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help",
                      "<h3>成長</h3> "
                      "<p>勝つと \"≫\" のたびに能力が一つずつ、倒した敵の値に近づいて伸びます。"
                      "その後で体力が戻ります。無傷で勝ったときは、かわりに星の最大数が倒した敵の"
                      "星の数に近づいて増えることがあり、増えた星は空の☆で表れます。</p>"),
    //: The help: how the game is saved. Rich text: keep the tags.
    QT_TRANSLATE_NOOP("Help",
                      "<h3>セーブ</h3> "
                      "<p>セーブポイントの番人（\"savie\"）に勝つとセーブされます。"
                      "次に起動すると、そのキャラクターでメインメニューから始まります。</p>"),
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
     QT_TRANSLATE_NOOP("Help", "次・前の選択肢と \"ib\" に移る")},
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
