// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitHelp.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The page in each language. The game's own words (choice captions, stat
// names) stay as the game shows them.
const char *const EnglishHelp = R"(<h2>How to play</h2>
<h3>Goal</h3>
<p>Grow your character by winning fights, and beat the seven bosses one after
another. If your last star is lost, the game is over.</p>
<h3>Playing a page</h3>
<p>Each page shows a message and up to five choices along the bottom. Click a
choice, or press Enter or Space to take the one with the focus frame; Tab,
Shift+Tab and the arrow keys move between the choices. After every step the
focus is on the first choice, at the right. On the title page, click anywhere
or press Enter or Space to roll a character: "noar" rolls again, "yest" keeps
it and starts the intro ("≫" reads on, "skipl" skips it). On the main menu,
"seeek" looks for a fight, "bosss!" challenges the next boss and "savie"
fights the guard of the save point. In a fight, "killl" fights and "escapo"
flees; on your turn choose "attax", "magix" or "escapy".</p>
<h3>The five stats</h3>
<ul>
<li><b>命中</b> (hit): lands your attacks.</li>
<li><b>回避</b> (evade): dodges the enemy's attacks.</li>
<li><b>予測</b> (predict): decides who acts first, and finishes an attack that
was not dodged.</li>
<li><b>閃き</b> (flash): works spells ("magix") and resists them.</li>
<li><b>理力</b> (reason): powers the Idea Burst.</li>
</ul>
<p>Your values are on the right, the enemy's on the left. A value in grey
differs from its base value, lowered by a spell or a burst.</p>
<h3>Stars</h3>
<p>The stars at the top are hit points: ★ left, ☆ lost. Yours are at the top
right, the enemy's at the top left. A hit costs one star.</p>
<h3>Dice and Idea Burst</h3>
<p>Every contest adds a stat to a rolling dice (0 to 99), and the sum must
reach 100. Each "≫" stops the dice at the number it shows. While your dice
roll, "ib" shows two numbers such as 28+16: your 理力 and a burst roll.
Pressing "ib" lowers your 理力 by a tenth; if the lowered 理力 plus the roll
reaches 100, your dice turn to a red ＋100. Enemies try the same.</p>
<h3>Growth</h3>
<p>After a victory each "≫" shows one stat growing towards the beaten enemy's;
then your hit points come back, or grow if you won unhurt.</p>
<h3>Saving</h3>
<p>Beat the guard of the save point ("savie") to save the game. The next start
then opens on the main menu with your character.</p>
<h3>Keys</h3>
<table cellspacing="4">
<tr><td><b>F1</b></td><td>open or close this help</td></tr>
<tr><td><b>Escape</b></td><td>close this help</td></tr>
<tr><td><b>Ctrl+Q</b></td><td>quit, as the window's close button does</td></tr>
<tr><td><b>M</b></td><td>turn all sound off or on (remembered)</td></tr>
<tr><td><b>S</b></td><td>with a screen reader: hear both sides' stars and stats</td></tr>
<tr><td><b>Enter</b>, <b>Space</b></td><td>take the focused choice; start on the title page</td></tr>
<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>move to the next or previous choice, and to "ib"</td></tr>
<tr><td><b>Arrow keys</b></td><td>right and down: next choice; left and up: previous choice</td></tr>
</table>
)";

const char *const JapaneseHelp = R"(<h2>遊び方</h2>
<h3>目的</h3>
<p>戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。星がすべて
なくなるとゲームオーバーです。</p>
<h3>画面の進め方</h3>
<p>どの画面にもメッセージと、下に最大五つの選択肢があります。選択肢をクリック
するか、Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、
Shift+Tab と矢印キーで選択肢を移ります。一歩進むたびに、右端の最初の選択肢に
フォーカスが移ります。タイトル画面では、どこかをクリックするか Enter キーか
スペースキーでキャラクターが決まります。"noar" で振り直し、"yest" で決めて
序章に進みます（"≫" で次へ、"skipl" で飛ばします）。メインメニューでは
"seeek" で敵を探し、"bosss!" で次のボスに挑み、"savie" でセーブポイントの番人と
戦います。戦いでは "killl" で戦い、"escapo" で逃げます。自分の番には
"attax"、"magix"、"escapy" から選びます。</p>
<h3>五つの能力</h3>
<ul>
<li><b>命中</b>：攻撃を当てる力。</li>
<li><b>回避</b>：敵の攻撃をかわす力。</li>
<li><b>予測</b>：どちらが先に動くかを決め、かわされなかった攻撃を決める力。</li>
<li><b>閃き</b>：魔法（"magix"）を効かせ、また防ぐ力。</li>
<li><b>理力</b>：アイデアバーストの力。</li>
</ul>
<p>右があなた、左が敵の値です。灰色の値は、魔法やバーストで元の値から
下がっていることを示します。</p>
<h3>星</h3>
<p>上の星は体力です。★が残り、☆が失った分です。右上があなた、左上が敵の
星です。攻撃が当たると星が一つ減ります。</p>
<h3>ダイスとアイデアバースト</h3>
<p>勝負のたびに能力値に回るダイス（0〜99）の目を足し、合計が 100 に届けば
成功です。"≫" を押すとダイスはその時の目で止まります。自分のダイスが回る間、
"ib" には 28+16 のように二つの数が出ます。左があなたの理力、右がバーストの目
です。"ib" を押すと理力が一割下がり、下がった理力とその目の合計が 100 に届けば
ダイスが赤い ＋100 になります。敵も同じことを試みます。</p>
<h3>成長</h3>
<p>勝つと "≫" のたびに能力が一つずつ倒した敵に近づいて伸び、その後で体力が
戻ります（無傷で勝てば最大値が増えます）。</p>
<h3>セーブ</h3>
<p>セーブポイントの番人（"savie"）に勝つとセーブされます。次に起動すると、
そのキャラクターでメインメニューから始まります。</p>
<h3>キー</h3>
<table cellspacing="4">
<tr><td><b>F1</b></td><td>このヘルプを開く・閉じる</td></tr>
<tr><td><b>Escape</b></td><td>このヘルプを閉じる</td></tr>
<tr><td><b>Ctrl+Q</b></td><td>終了（ウィンドウの閉じるボタンと同じ）</td></tr>
<tr><td><b>M</b></td><td>すべての音をオフ・オンにする（次回も覚えています）</td></tr>
<tr><td><b>S</b></td><td>スクリーンリーダーで、両者の星と能力値を読み上げる</td></tr>
<tr><td><b>Enter</b>、<b>スペース</b></td><td>フォーカスのある選択肢を選ぶ。タイトル画面では開始</td></tr>
<tr><td><b>Tab</b>、<b>Shift+Tab</b></td><td>次・前の選択肢と "ib" に移る</td></tr>
<tr><td><b>矢印キー</b></td><td>右と下で次の選択肢、左と上で前の選択肢</td></tr>
</table>
)";

} // namespace

bool HelpInJapanese()
{
    return QLocale().language() == QLocale::Japanese;
}

QString HelpText(bool Japanese, bool SoundOn)
{
    QString sound;
    if (Japanese)
        sound = SoundOn ? QString::fromUtf8("音：オン（M キーでオフ）")
                        : QString::fromUtf8("音：オフ（M キーでオン）");
    else
        sound = SoundOn ? QStringLiteral("Sound: on (M turns it off)")
                        : QStringLiteral("Sound: off (M turns it on)");
    return QString::fromUtf8(Japanese ? JapaneseHelp : EnglishHelp) +
           QStringLiteral("<p><b>%1</b></p>").arg(sound);
}

QString TitleAccessibleName()
{
    return HelpInJapanese() ? QString::fromUtf8("タイトル画面") : QStringLiteral("Title page");
}

QString TitleAccessibleDescription()
{
    return HelpInJapanese()
               ? QString::fromUtf8("クリックするか Enter キーかスペースキーで新しいゲームを"
                                   "始めます。F1 キーで遊び方を表示します。")
               : QStringLiteral("Click, or press Enter or Space, to start a new game. F1 shows "
                                "how to play.");
}

TFormHelp::TFormHelp(QWidget *GameWindow, bool SoundOn)
    : QWidget(GameWindow, Qt::Window), Game(GameWindow), Browser(new QTextBrowser(this)),
      Japanese(HelpInJapanese())
{
    setWindowTitle(Japanese ? QString::fromUtf8("遊び方") : QStringLiteral("How to play"));
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
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
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
    Browser->setHtml(HelpText(Japanese, SoundOn));
}

QString TFormHelp::Text() const
{
    return Browser->toPlainText();
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
