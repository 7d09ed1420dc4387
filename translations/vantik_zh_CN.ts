<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>回避できそう</source>
        <extracomment>A hint after the player&apos;s evade roll reached 100: the attack may miss.</extracomment>
        <translation>看来躲得开</translation>
    </message>
    <message>
        <source>うまくいきそう</source>
        <extracomment>A hint after the player&apos;s spell roll reached 100: the spell may work.</extracomment>
        <translation>看来能成功</translation>
    </message>
    <message>
        <source>%1は策を見破った！</source>
        <extracomment>The player (%1, their name) resisted the enemy&apos;s spell.</extracomment>
        <translation>%1看穿了计策！</translation>
    </message>
    <message>
        <source>%1は１点のダメージを食らった！</source>
        <extracomment>The player (%1, their name) loses one of their hit points (stars).</extracomment>
        <translation>%1受到了1点伤害！</translation>
    </message>
    <message>
        <source>%1は陥れられた！\n 命中、回避、予測が減耗した！</source>
        <extracomment>The enemy&apos;s spell worked on the player (%1, their name): their hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>%1被算计了！\n 命中、闪避、预判都被削弱了！</translation>
    </message>
    <message>
        <source>回避されそう</source>
        <extracomment>A hint after the enemy&apos;s evade roll reached 100: the player&apos;s attack may miss.</extracomment>
        <translation>看来会被躲开</translation>
    </message>
    <message>
        <source>ハメられそう</source>
        <extracomment>A hint after the enemy&apos;s spell roll reached 100: its spell may catch the player.</extracomment>
        <translation>看来要中计了</translation>
    </message>
    <message>
        <source>%1に見切られた！</source>
        <extracomment>The enemy (%1, its name) resisted the player&apos;s spell.</extracomment>
        <translation>被%1看穿了！</translation>
    </message>
    <message>
        <source>%1に１点のダメージを与えた！</source>
        <extracomment>The player&apos;s attack cost the enemy (%1, its name) one hit point (star).</extracomment>
        <translation>对%1造成了1点伤害！</translation>
    </message>
    <message>
        <source>%1を陥れた！\n 命中、回避、予測を減耗させた！</source>
        <extracomment>The player&apos;s spell worked on the enemy (%1, its name): its hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>算计了%1！\n 削弱了对方的命中、闪避、预判！</translation>
    </message>
    <message>
        <source>%1の命中%2＋%3＝%4</source>
        <extracomment>A hit roll&apos;s result: %1 the attacker&apos;s name, %2 its hit, %3 the dice, %4 the sum; 100 or more hits.</extracomment>
        <translation>%1的命中%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の攻撃……\n命中%2</source>
        <extracomment>An attack begins: %1 the attacker&apos;s name, %2 its hit, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1发起攻击……\n命中%2</translation>
    </message>
    <message>
        <source>%1の回避%2＋%3＝%4</source>
        <extracomment>An evade roll&apos;s result: %1 the defender&apos;s name, %2 its evade, %3 the dice, %4 the sum; 100 or more dodges the attack.</extracomment>
        <translation>%1的闪避%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の回避%2</source>
        <extracomment>The defender (%1, its name) rolls to evade with its evade %2.</extracomment>
        <translation>%1的闪避%2</translation>
    </message>
    <message>
        <source>%1の予測%2＋%3＝%4</source>
        <extracomment>A predict roll&apos;s result: %1 the attacker&apos;s name, %2 its predict, %3 the dice, %4 the sum; 100 or more lands the dodged attack after all.</extracomment>
        <translation>%1的预判%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の予測%2</source>
        <extracomment>The attacker (%1, its name) rolls its predict %2 against the dodge.</extracomment>
        <translation>%1的预判%2</translation>
    </message>
    <message>
        <source>%1の閃き%2＋%3＝%4</source>
        <extracomment>A spell roll&apos;s result: %1 the caster&apos;s name, %2 its flash, %3 the dice, %4 the sum; 100 or more casts the spell.</extracomment>
        <translation>%1的灵光%2+%3=%4</translation>
    </message>
    <message>
        <source>%1は奇策を弄した……\n閃き%2</source>
        <extracomment>A spell begins: %1 the caster&apos;s name, %2 its flash, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1使出了奇招……\n灵光%2</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2＋%3＝%4</source>
        <extracomment>A resist roll&apos;s result: %1 the target&apos;s name, %2 its flash (resisting), %3 the dice, %4 the sum; 100 or more shakes off the spell.</extracomment>
        <translation>%1的灵光抵抗%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2</source>
        <extracomment>The target of a spell (%1, its name) rolls to resist with its flash %2.</extracomment>
        <translation>%1的灵光抵抗%2</translation>
    </message>
    <message>
        <source>外れた！</source>
        <extracomment>An attack or a spell came to nothing; the last line of its message.</extracomment>
        <translation>落空了！</translation>
    </message>
    <message>
        <source>当たりそう</source>
        <extracomment>A hint after a hit roll reached 100: the attack may land, unless dodged.</extracomment>
        <translation>看来会命中</translation>
    </message>
    <message>
        <source>殺すべきもの、%1があらわれた。</source>
        <extracomment>An enemy (%1, its name) appears: the first message of every fight.</extracomment>
        <translation>该杀之物，%1出现了。</translation>
    </message>
    <message>
        <source>%1と%2とが対峙するよ。\n天運が予測を勘案して%3のイニシアティブ。</source>
        <extracomment>Who acts first: %1 the player&apos;s name, %2 the enemy&apos;s, %3 the name of the one whose predict (and fate) won the first move. Two lines.</extracomment>
        <translation>%1与%2对峙了哟。\n天运斟酌预判，由%3先手。</translation>
    </message>
    <message>
        <source>と見せかけて逃げた。</source>
        <extracomment>The player fled before the fight began, as if to fight.</extracomment>
        <translation>摆出要打的架势——然后逃了。</translation>
    </message>
    <message>
        <source>どうする？</source>
        <extracomment>The player&apos;s turn: what now?</extracomment>
        <translation>怎么办？</translation>
    </message>
    <message>
        <source>逃げてーー！\nどっちかが大丈夫！</source>
        <extracomment>The player tries to escape: run! One of the two ways (the choices right and left) is safe. Two lines.</extracomment>
        <translation>快逃啊——！\n有一边是没问题的！</translation>
    </message>
    <message>
        <source>逃げた成功した！</source>
        <extracomment>The escape worked. The Japanese runs two verbs together on purpose (&quot;fled succeeded&quot;); a plain cry of success reads better than a copied slip.</extracomment>
        <translation>逃跑成功！</translation>
    </message>
    <message>
        <source>逃げられない運命だった！</source>
        <extracomment>The escape failed: the enemy&apos;s turn follows.</extracomment>
        <translation>原来是逃不掉的命运！</translation>
    </message>
    <message>
        <source>%1を殺した！</source>
        <extracomment>The enemy (%1, its name) lost its last hit point.</extracomment>
        <translation>杀死了%1！</translation>
    </message>
    <message>
        <source>%1はその手を%2にかけて、\n強引に名前を剥ぎ取った！</source>
        <extracomment>The player (%1, their name) takes the beaten boss&apos;s name (%2) as their own. Two lines.</extracomment>
        <translation>%1将手伸向%2，\n强行剥下了它的名字！</translation>
    </message>
    <message numerus="yes">
        <source>%1の%2が%n点上がった！</source>
        <extracomment>After a victory: the player&apos;s (%1, their name) stat %2 (a stat&apos;s name, or hit points) grew by %n points.</extracomment>
        <translation>
            <numerusform>%1的%2提升了%n点！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1のからだを食べてむしゃむしゃむしゃ\nおいしいなあ\n%2のＨＰが%n点回復した。</source>
        <extracomment>After a victory: the player eats the beaten enemy (%1, its name) and the player (%2, their name) regains %n hit points. Three lines.</extracomment>
        <translation>
            <numerusform>吃着%1的身体，吧唧吧唧吧唧\n真好吃呀\n%2的HP恢复了%n点。</numerusform>
        </translation>
    </message>
    <message>
        <source>セーブできなかった。</source>
        <extracomment>Beating the save point&apos;s guard should have saved the game, but the save failed.</extracomment>
        <translation>存档失败了。</translation>
    </message>
    <message>
        <source>セーブをした。</source>
        <extracomment>Beating the save point&apos;s guard saved the game.</extracomment>
        <translation>已存档。</translation>
    </message>
    <message>
        <source>%1は殺された……</source>
        <extracomment>The player (%1, their name) lost their last hit point: the game is over.</extracomment>
        <translation>%1被杀了……</translation>
    </message>
</context>
<context>
    <name>Choice</name>
    <message>
        <source>noar</source>
        <extracomment>A new game: no, roll the character again.</extracomment>
        <translation>noar</translation>
    </message>
    <message>
        <source>yest</source>
        <extracomment>A new game: yes, keep the character and start the intro.</extracomment>
        <translation>yest</translation>
    </message>
    <message>
        <source>≫</source>
        <extracomment>The one choice that reads on to the next message (and stops the rolling dice).</extracomment>
        <translation>≫</translation>
    </message>
    <message>
        <source>skipl</source>
        <extracomment>The intro&apos;s choice that skips the rest of it.</extracomment>
        <translation>skipl</translation>
    </message>
    <message>
        <source>seeek</source>
        <extracomment>The main menu: look for an ordinary fight.</extracomment>
        <translation>seeek</translation>
    </message>
    <message>
        <source>bosss!</source>
        <extracomment>The main menu: challenge the next of the seven bosses.</extracomment>
        <translation>bosss!</translation>
    </message>
    <message>
        <source>savie</source>
        <extracomment>The main menu: fight the guard of the save point; beating it saves the game.</extracomment>
        <translation>savie</translation>
    </message>
    <message>
        <source>killl</source>
        <extracomment>The choice to fight the enemy that appeared.</extracomment>
        <translation>killl</translation>
    </message>
    <message>
        <source>escapo</source>
        <extracomment>The choice to flee before the fight begins.</extracomment>
        <translation>escapo</translation>
    </message>
    <message>
        <source>attax</source>
        <extracomment>The player&apos;s turn: attack (hit against the enemy&apos;s evade).</extracomment>
        <translation>attax</translation>
    </message>
    <message>
        <source>magix</source>
        <extracomment>The player&apos;s turn: cast a spell (flash against the enemy&apos;s flash).</extracomment>
        <translation>magix</translation>
    </message>
    <message>
        <source>escapy</source>
        <extracomment>The player&apos;s turn: try to escape (one of two ways out works).</extracomment>
        <translation>escapy</translation>
    </message>
    <message>
        <source>右</source>
        <extracomment>An escape&apos;s way out: right.</extracomment>
        <translation>右</translation>
    </message>
    <message>
        <source>左</source>
        <extracomment>An escape&apos;s way out: left.</extracomment>
        <translation>左</translation>
    </message>
    <message>
        <source>gmov</source>
        <extracomment>The only choice after a defeat: game over, the program ends.</extracomment>
        <translation>gmov</translation>
    </message>
    <message>
        <source>ib</source>
        <extracomment>The Idea Burst button&apos;s caption before the dice first roll.</extracomment>
        <translation>ib</translation>
    </message>
</context>
<context>
    <name>Dice</name>
    <message>
        <source>＋%1</source>
        <extracomment>A dice label: the number (%1, 0 to 99, or 100 after an Idea Burst) that is added to a stat.</extracomment>
        <translation>+%1</translation>
    </message>
    <message>
        <source>%1＋%2</source>
        <extracomment>The Idea Burst button while the player&apos;s dice roll: %1 the player&apos;s reason, %2 the burst roll; a press lowers the reason by a tenth and forces 100 if the two reach it.</extracomment>
        <translation>%1+%2</translation>
    </message>
    <message>
        <source>%1＋</source>
        <extracomment>Shown under the enemy&apos;s reason when it tries an Idea Burst: %1 its burst roll.</extracomment>
        <translation>%1+</translation>
    </message>
</context>
<context>
    <name>Font</name>
    <message>
        <source>-</source>
        <extracomment>The font families this language&apos;s texts are drawn in, tried in turn before the game&apos;s own Japanese face: a comma-separated list such as &quot;Noto Sans, DejaVu Sans&quot;, or &quot;-&quot; for none. Cyrillic and Greek, which the Japanese face draws full-width, get a proportional face anyway.</extracomment>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>このヘルプを開く・閉じる</source>
        <extracomment>The help&apos;s keys list: what F1 does.</extracomment>
        <translation>打开或关闭本说明</translation>
    </message>
    <message>
        <source>このヘルプを閉じる</source>
        <extracomment>The help&apos;s keys list: what Escape does.</extracomment>
        <translation>关闭本说明</translation>
    </message>
    <message>
        <source>新しいゲームを始める（セーブは新しいキャラクターがセーブするまでそのまま）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+N does: back to the title page for a new character; the save file stays until the new character saves.</extracomment>
        <translation>开始新游戏（在新角色存档之前，原有存档保持不变）</translation>
    </message>
    <message>
        <source>終了（ウィンドウの閉じるボタンと同じ）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+Q does.</extracomment>
        <translation>退出（与窗口的关闭按钮相同）</translation>
    </message>
    <message>
        <source>すべての音をオフ・オンにする（次回も覚えています）</source>
        <extracomment>The help&apos;s keys list: what M does.</extracomment>
        <translation>关闭或开启所有声音（下次启动时仍会记住）</translation>
    </message>
    <message>
        <source>スクリーンリーダーで、両者の星と能力値を読み上げる</source>
        <extracomment>The help&apos;s keys list: what S does.</extracomment>
        <translation>用屏幕阅读器朗读双方的星和能力值</translation>
    </message>
    <message>
        <source>&lt;h3&gt;目的&lt;/h3&gt; &lt;p&gt;戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。最後のボスを除き、倒したボスの名前はあなたのものになり、以後のメッセージではその名前があなたを指します。六人目と七人目のボスを倒すと、それぞれエンディングを迎えます。星がすべてなくなるとゲームオーバーです。&lt;/p&gt;</source>
        <extracomment>The help: the goal of the game, the bosses&apos; names and the endings. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;目标&lt;/h3&gt; &lt;p&gt;在战斗中获胜来培养角色，依次打倒七名首领吧。除了最后一名首领，被你打倒的首领的名字都会归你所有，之后的信息都会用那个名字来称呼你。打倒第六名和第七名首领，会分别迎来各自的结局。失去所有的星，游戏就结束了。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;画面と選択肢&lt;/h3&gt; &lt;p&gt;どの画面にもメッセージと、下に最大三つの選択肢があります。選択肢をクリックするか、Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、Shift+Tab と矢印キーで選択肢を移ります。一歩進むたびに、右端の選択肢にフォーカスが移ります。タイトル画面でどこかをクリックするか Enter キーかスペースキーを押すと、新しいキャラクターがランダムに作られます。「noar」で振り直し、「yest」で決めて序章に進みます（「≫」で次へ、「skipl」で飛ばします）。メインメニューでは「seeek」で敵を探し、「bosss!」で次のボスに挑み、「savie」でセーブポイントの番人と戦います。敵が現れたら「killl」で戦い、「escapo」で逃げます（必ず逃げられます）。自分の番には「attax」「magix」「escapy」から選びます。「escapy」では「右」と「左」の片方だけが逃げ道で、外れると敵の番です。&lt;/p&gt;</source>
        <extracomment>The help: how a page is played. The choices&apos; captions are kept as the game shows them, each quoted as the language quotes (「」 in Japanese); &quot;right&quot; and &quot;left&quot; are the escape&apos;s two ways out, named as the catalog&apos;s &quot;Choice&quot; entries 右 and 左 name them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;画面与选项&lt;/h3&gt; &lt;p&gt;每个画面都有一条信息，下方最多有三个选项。点击选项即可选择，也可以按 Enter 键或空格键选择带焦点框的选项；用 Tab、Shift+Tab 和方向键在选项之间移动。每前进一步，焦点都会移到最右边的选项上。在标题画面点击任意位置，或按 Enter 键或空格键，就会随机生成一个新角色。“noar”重新生成，“yest”确定并进入序章（“≫”继续，“skipl”跳过序章）。在主菜单中，“seeek”寻找敌人，“bosss!”挑战下一名首领，“savie”与存档点的守卫战斗。敌人出现时，“killl”迎战，“escapo”逃跑（一定能逃掉）。轮到你时，从“attax”“magix”“escapy”中选择。选择“escapy”后，“右”和“左”只有一个是出路，选错就轮到敌人行动。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;五つの能力&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;命中&lt;/b&gt;：攻撃を当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;回避&lt;/b&gt;：当たりそうな攻撃をかわす力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;予測&lt;/b&gt;：先に動く見込みを高め、かわされた攻撃をそれでも当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;閃き&lt;/b&gt;：魔法（「magix」）をかけ、また防ぐ力。魔法をかけるたびに、成否にかかわらず、かけた側の閃きが一割下がります。防ぐ側の閃きは下がりません。&lt;/li&gt; &lt;li&gt;&lt;b&gt;理力&lt;/b&gt;：アイデアバーストの力。&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;判定では能力値にダイスの目を足し、合計が 100 以上なら成功です。攻撃では、まず攻め手が命中の判定をし、成功すると受け手が回避の判定をします。回避に失敗すれば攻撃が当たり、受け手の星が一つ減ります。回避されても、攻め手が予測の判定に成功すれば当たります。魔法では、かけた側が閃きの判定に成功し、相手が閃きの判定で防げなければ、相手の命中、回避、予測が三分の一下がります。魔法で星は減りません。&lt;/p&gt; &lt;p&gt;右があなた、左が敵の値です。灰色の値は、魔法をかけられたり、魔法をかけたり、アイデアバーストを使ったりして、元の値より下がっていることを示します。あなたの下がった値は次の戦いにも持ち越され、逃げても戻りません。勝てば元に戻ります。&lt;/p&gt;</source>
        <extracomment>The help: the five stats, named as the main page names them, and how a fight uses them. A roll (判定) is a stat plus the die against 100. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;五项能力&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;命中&lt;/b&gt;：让攻击命中的能力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;闪避&lt;/b&gt;：躲开即将命中的攻击的能力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;预判&lt;/b&gt;：提高抢先行动的机会，并让被躲开的攻击依然命中的能力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;灵光&lt;/b&gt;：施放魔法（“magix”）以及抵抗魔法的能力。每施放一次魔法，无论成败，施法方的灵光都会下降一成。抵抗方的灵光不会下降。&lt;/li&gt; &lt;li&gt;&lt;b&gt;理性&lt;/b&gt;：发动灵感爆发的能力。&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;判定时，将能力值加上骰子的点数，总和达到 100 即为成功。攻击时，先由攻击方进行命中判定，成功后由防守方进行闪避判定。闪避失败，攻击就会命中，防守方失去一颗星。即使被躲开，只要攻击方的预判判定成功，攻击依然会命中。施放魔法时，若施法方的灵光判定成功，且对方未能以灵光判定抵抗，对方的命中、闪避、预判就会下降三分之一。魔法不会减少星。&lt;/p&gt; &lt;p&gt;右边是你的数值，左边是敌人的数值。灰色的数值表示因为中了魔法、施放魔法或使用灵感爆发，而低于原来的数值。你降低的数值会延续到下一场战斗，逃跑也不会恢复；获胜后才会恢复原状。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;星&lt;/h3&gt; &lt;p&gt;上の星はＨＰです。★が残り、☆が失った分です。右上があなた、左上が敵の星です。攻撃が当たると星が一つ減り、減った星は戦いに勝ったときにしか戻りません。&lt;/p&gt;</source>
        <extracomment>The help: what the stars at the top of the main page mean. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;星&lt;/h3&gt; &lt;p&gt;上方的星就是HP。★是剩下的，☆是失去的。右上是你的星，左上是敌人的星。攻击命中时会失去一颗星，失去的星只有在战斗获胜时才会恢复。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ダイスとアイデアバースト&lt;/h3&gt; &lt;p&gt;判定のたびにダイスが回り（0〜99）、「≫」を押すとその時の目で止まります。あなたのダイスは右下、敵のダイスは左下に出ます。あなたのダイスが回る間は、理力の右の「ib」に 28＋16 のような二つの数が出ます。左があなたの理力、右がバーストの目です。「ib」を押すと理力が一割下がり、下がった理力とその目の合計が 100 以上なら、ダイスが赤い＋100 で止まります。押せるのは一回の判定に一度だけです。敵も判定のたびに同じことを試みることがあり、そのときは敵の理力の左に 37＋ のような数が出ます。これは敵のバーストの目で、下がった敵の理力との合計が 100 以上なら、敵のダイスが赤い＋100 になります。&lt;/p&gt;</source>
        <extracomment>The help: the dice, where each side&apos;s shows, the Idea Burst button &quot;ib&quot; and the enemy&apos;s burst roll beside its Reason. 28＋16 and 37＋ are examples of the two, written as the catalog&apos;s &quot;Dice&quot; entries write them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;骰子与灵感爆发&lt;/h3&gt; &lt;p&gt;每次判定时骰子都会转动（0～99），按下“≫”就会停在当时的点数上。你的骰子显示在右下方，敌人的骰子显示在左下方。你的骰子转动时，理性右边的“ib”会显示像 28+16 这样的两个数：左边是你的理性，右边是爆发点数。按下“ib”后理性下降一成，若下降后的理性与该点数之和达到 100，骰子就会停在红色的 +100 上。每次判定只能按一次。敌人也可能在判定时尝试同样的事，这时敌人的理性左边会出现像 37+ 这样的数。这是敌人的爆发点数，若它与下降后的敌人理性之和达到 100，敌人的骰子就会变成红色的 +100。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;成長&lt;/h3&gt; &lt;p&gt;勝つと、「≫」を押すたびに、倒した敵より低い能力が一つずつ、敵の値に近づいて伸びます（差の十分の一、端数は切り上げ）。続いて、あなたの星に☆があれば、倒した敵の星の数を上限に★に戻ります。勝った時点で星がすべて★なら、回復のかわりに、倒した敵のほうが星が多ければ最大ＨＰが敵の星の数に近づいて増え、増えた星は空の☆で現れます。&lt;/p&gt;</source>
        <extracomment>The help: how the character grows and heals after a victory. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;成长&lt;/h3&gt; &lt;p&gt;获胜后，每按一次“≫”，你低于被打倒敌人的能力就会逐项朝敌人的数值成长（幅度为差距的十分之一，向上取整）。接着，如果你的星中有☆，就会恢复成★，最多恢复被打倒敌人的星数。如果获胜时你的星全是★，就不会恢复；这时若被打倒的敌人星数比你多，最大HP会朝敌人的星数增加，新增的星以空心的☆出现。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;セーブ&lt;/h3&gt; &lt;p&gt;セーブポイントの番人（「savie」）に勝つとセーブされます。六人目のボスを倒した後のエンディングの最後にもセーブされます。次に起動すると、最後にセーブしたキャラクターでメインメニューから続きます。エンディングの後は選択肢が残らないので、ウィンドウを閉じてください。負けると残る選択肢は「gmov」だけで、押すとゲームが終了します。ゲームが終了すると、最後にセーブしてからの進み具合は失われます。&lt;/p&gt;</source>
        <extracomment>The help: how the game is saved, and what is lost when it ends. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;存档&lt;/h3&gt; &lt;p&gt;战胜存档点的守卫（“savie”）就会存档。打倒第六名首领后的结局末尾也会存档。下次启动时，会用最后存档的角色从主菜单继续。结局之后不再有选项，请关闭窗口。战败后只剩下“gmov”一个选项，按下后游戏就会退出。游戏退出后，自上次存档以来的进度都会丢失。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>The help&apos;s keys list: one item, %1 the keys&apos; names and %2 what they do.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>キー</source>
        <extracomment>The help: the heading of the keys&apos; list.</extracomment>
        <translation>按键</translation>
    </message>
    <message>
        <source>フォーカスのある選択肢を選ぶ。タイトル画面では開始</source>
        <extracomment>The help&apos;s keys list: what Enter and Space do.</extracomment>
        <translation>选择有焦点的选项；在标题画面则开始游戏</translation>
    </message>
    <message>
        <source>次・前の選択肢と「ib」に移る</source>
        <extracomment>The help&apos;s keys list: what Tab and Shift+Tab do (&quot;ib&quot; is the Idea Burst button).</extracomment>
        <translation>移到下一个或上一个选项，以及“ib”</translation>
    </message>
    <message>
        <source>右と下で次の選択肢、左と上で前の選択肢</source>
        <extracomment>The help&apos;s keys list: what the arrow keys do.</extracomment>
        <translation>按右、下移到下一个选项，按左、上移到上一个选项</translation>
    </message>
    <message>
        <source>遊び方</source>
        <extracomment>The help window&apos;s caption and the help page&apos;s heading.</extracomment>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>音：オン（M キーでオフ）</source>
        <extracomment>The help&apos;s last line while sound is on.</extracomment>
        <translation>声音：开（按 M 键关闭）</translation>
    </message>
    <message>
        <source>音：オフ（M キーでオン）</source>
        <extracomment>The help&apos;s last line while sound is off.</extracomment>
        <translation>声音：关（按 M 键开启）</translation>
    </message>
    <message>
        <source>タイトル画面</source>
        <extracomment>What a screen reader calls the title page.</extracomment>
        <translation>标题画面</translation>
    </message>
    <message>
        <source>クリックするか Enter キーかスペースキーで新しいゲームを始めます。F1 キーで遊び方を表示します。</source>
        <extracomment>What a screen reader says of the title page.</extracomment>
        <translation>点击，或按 Enter 键或空格键，开始新游戏。按 F1 键显示玩法说明。</translation>
    </message>
    <message>
        <source>言語を選ぶ（次に起動したときから）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+L does: a list of the languages, each in its own name; the choice is kept and applies from the next start.</extracomment>
        <translation>选择语言（下次启动时生效）</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>風が冷たい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>风好冷。</translation>
    </message>
    <message>
        <source>遠くで鐘が鳴っている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>远处传来钟声。</translation>
    </message>
    <message>
        <source>さいころが手の中で温かい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>骰子在手里暖暖的。</translation>
    </message>
    <message>
        <source>霧雨だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>下着毛毛雨。</translation>
    </message>
    <message>
        <source>空がやけに低い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>天空低得出奇。</translation>
    </message>
    <message>
        <source>どこかで誰かが笑った。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>不知哪里有人笑了一声。</translation>
    </message>
    <message>
        <source>足元の影が少しだけ長い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>脚下的影子稍微长了一点。</translation>
    </message>
    <message>
        <source>静かな夜だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>好安静的夜。</translation>
    </message>
    <message>
        <source>星がひとつ流れた。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>一颗流星划过。</translation>
    </message>
    <message>
        <source>道はまだ続いている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>道路还在延伸。</translation>
    </message>
    <message>
        <source>あなたが落としたのはこのステータスですか？</source>
        <extracomment>A new game: the freshly rolled character&apos;s stats are shown, and the player is asked (as the spirit of the fabled axe pond asks) whether these are the stats they dropped.</extracomment>
        <translation>你掉的是这组能力值吗？</translation>
    </message>
</context>
<context>
    <name>Name</name>
    <message>
        <source>r</source>
        <extracomment>The first boss&apos;s name.</extracomment>
        <translation>r</translation>
    </message>
    <message>
        <source>歩</source>
        <extracomment>The second boss&apos;s name (a shogi pawn).</extracomment>
        <translation>卒</translation>
    </message>
    <message>
        <source>アルフ</source>
        <extracomment>The third boss&apos;s name.</extracomment>
        <translation>阿尔夫</translation>
    </message>
    <message>
        <source>ALPHA</source>
        <extracomment>The fourth boss&apos;s name.</extracomment>
        <translation>ALPHA</translation>
    </message>
    <message>
        <source>ヴェスカ</source>
        <extracomment>The fifth boss&apos;s name; also the game&apos;s name in the window&apos;s caption.</extracomment>
        <translation>维斯卡</translation>
    </message>
    <message>
        <source>roda</source>
        <extracomment>The sixth boss&apos;s name, which the first ending gives the player for good.</extracomment>
        <translation>roda</translation>
    </message>
    <message>
        <source>祖</source>
        <extracomment>The last boss&apos;s name (an ancestor, the origin of all).</extracomment>
        <translation>祖</translation>
    </message>
    <message>
        <source>あなた</source>
        <extracomment>The player&apos;s name until they take a boss&apos;s (the word &quot;you&quot;).</extracomment>
        <translation>你</translation>
    </message>
    <message>
        <source>あいつ</source>
        <extracomment>An ordinary enemy&apos;s name (the word &quot;that one&quot;).</extracomment>
        <translation>那家伙</translation>
    </message>
    <message>
        <source>セーブガード</source>
        <extracomment>The name of the guard of the save point.</extracomment>
        <translation>存档守卫</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>（save.datの読み込みに失敗しました。）</source>
        <extracomment>A message box at start-up: the save file (save.dat, a name to keep as it is) could not be read; the game starts anew.</extracomment>
        <translation>（读取 save.dat 失败。）</translation>
    </message>
    <message>
        <source>（save.datの内容が不適切です。）</source>
        <extracomment>A message box at start-up: the save file (save.dat) is damaged or was changed by hand (its check code does not match); the game starts anew.</extracomment>
        <translation>（save.dat 的内容无效。）</translation>
    </message>
    <message>
        <source>（save.datの書き込みに失敗しました。）</source>
        <extracomment>A message box: the game could not be saved to save.dat (a full disk, say); the last save is kept.</extracomment>
        <translation>（写入 save.dat 失败。）</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ＨＰと能力を振り直す。</source>
        <extracomment>Description of the status pick&apos;s &quot;noar&quot; button.</extracomment>
        <translation>重新生成HP和能力。</translation>
    </message>
    <message>
        <source>このキャラクターで始め、序章へ進む。</source>
        <extracomment>Description of the status pick&apos;s &quot;yest&quot; button.</extracomment>
        <translation>用这个角色开始，进入序章。</translation>
    </message>
    <message>
        <source>先へ進む。ダイスが回っていれば、見えている目で止める。</source>
        <extracomment>Description of the &quot;≫&quot; button, in stories and fights alike.</extracomment>
        <translation>继续。如果骰子正在转动，就停在当前显示的点数上。</translation>
    </message>
    <message>
        <source>序章を飛ばしてメインメニューへ。</source>
        <extracomment>Description of the &quot;skipl&quot; button under the intro.</extracomment>
        <translation>跳过序章，前往主菜单。</translation>
    </message>
    <message>
        <source>戦う相手を探す。</source>
        <extracomment>Description of the main menu&apos;s &quot;seeek&quot; button.</extracomment>
        <translation>寻找战斗的对手。</translation>
    </message>
    <message>
        <source>次のボスに挑む。</source>
        <extracomment>Description of the main menu&apos;s &quot;bosss!&quot; button.</extracomment>
        <translation>挑战下一名首领。</translation>
    </message>
    <message>
        <source>セーブポイントの番人と戦う。勝つとセーブされる。</source>
        <extracomment>Description of the main menu&apos;s &quot;savie&quot; button.</extracomment>
        <translation>与存档点的守卫战斗。获胜即可存档。</translation>
    </message>
    <message>
        <source>戦う。予測が高いほど先に動きやすい。</source>
        <extracomment>Description of the &quot;killl&quot; button when an enemy appears.</extracomment>
        <translation>战斗。预判越高，越容易抢先行动。</translation>
    </message>
    <message>
        <source>戦わずに逃げる。必ず逃げられる。</source>
        <extracomment>Description of the &quot;escapo&quot; button when an enemy appears.</extracomment>
        <translation>不战而逃。一定能逃掉。</translation>
    </message>
    <message>
        <source>攻撃する。命中とダイスの目の合計が100以上なら、敵が回避の判定をし、失敗すれば当たる。かわされても、予測とダイスの目の合計が100以上なら当たる。当たると敵の星が一つ減る。</source>
        <extracomment>Description of the &quot;attax&quot; button on the player&apos;s turn.</extracomment>
        <translation>攻击。命中与骰子点数之和达到100时，敌人进行闪避判定，失败就会命中。即使被躲开，只要预判与骰子点数之和达到100，依然会命中。命中后敌人失去一颗星。</translation>
    </message>
    <message>
        <source>魔法をかける。成否にかかわらず、自分の閃きが一割下がる。閃きとダイスの目の合計が100以上で、敵が閃きの判定で防げなければ、敵の命中、回避、予測が三分の一下がる。星は減らない。</source>
        <extracomment>Description of the &quot;magix&quot; button on the player&apos;s turn.</extracomment>
        <translation>施放魔法。无论成败，自己的灵光都会下降一成。灵光与骰子点数之和达到100，且敌人未能以灵光判定抵抗时，敌人的命中、闪避、预判下降三分之一。不会减少星。</translation>
    </message>
    <message>
        <source>逃げ道を探す。右と左の片方だけが逃げ道で、外れると敵の番になる。</source>
        <extracomment>Description of the &quot;escapy&quot; button on the player&apos;s turn.</extracomment>
        <translation>寻找出路。右和左只有一边是出路，选错就轮到敌人行动。</translation>
    </message>
    <message>
        <source>右へ逃げる。</source>
        <extracomment>Description of the right-hand way out after &quot;escapy&quot;.</extracomment>
        <translation>往右逃。</translation>
    </message>
    <message>
        <source>左へ逃げる。</source>
        <extracomment>Description of the left-hand way out after &quot;escapy&quot;.</extracomment>
        <translation>往左逃。</translation>
    </message>
    <message>
        <source>ゲームを終了する。最後にセーブしてからの進み具合は失われる。</source>
        <extracomment>Description of the &quot;gmov&quot; button after a defeat.</extracomment>
        <translation>退出游戏。自上次存档以来的进度都会丢失。</translation>
    </message>
    <message>
        <source>%1：%2、元の%3から下がっている。</source>
        <extracomment>Spoken by the state key: a stat worn down in the fight. %1 is the stat&apos;s name, %2 its value now, %3 the value it returns to.</extracomment>
        <translation>%1：%2，低于原来的%3。</translation>
    </message>
    <message>
        <source>%1：%2。</source>
        <extracomment>Spoken by the state key: one stat. %1 is its name, %2 its value.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>アイデアバースト。左の数は理力、右の数はバーストの目。押すと理力が一割下がり、下がった理力と目の合計が100以上なら、ダイスが＋100で止まる。一回の判定に一度だけ押せる。</source>
        <extracomment>Description of the &quot;ib&quot; button, whose caption becomes two numbers such as 28＋16 while the player&apos;s dice roll.</extracomment>
        <translation>灵感爆发。左边的数是理性，右边的数是爆发点数。按下后理性下降一成，若下降后的理性与点数之和达到100，骰子就会停在+100。每次判定只能按一次。</translation>
    </message>
    <message numerus="yes">
        <source>あなた：星%n個のうち%1個。</source>
        <extracomment>Spoken by the state key: the player&apos;s HP as stars. %1 is the stars left, %n all the player&apos;s stars.</extracomment>
        <translation>
            <numerusform>你：%n颗星中剩%1颗。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>敵、%1：星%n個のうち%2個。</source>
        <extracomment>Spoken by the state key: the enemy&apos;s hit points as stars. %1 is the enemy&apos;s name, %2 its stars left, %n all its stars.</extracomment>
        <translation>
            <numerusform>敌人，%1：%n颗星中剩%2颗。</numerusform>
        </translation>
    </message>
    <message>
        <source>敵はいない。</source>
        <extracomment>Spoken by the state key when no enemy is shown.</extracomment>
        <translation>没有敌人。</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>このフォルダー（%1）では、すでにこのゲームが動いていて応答しません。別のセッションか、このフォルダーを共有する別のコンピューターで動いています。ひとつのフォルダーで同時に動かせるのはひとつだけです。</source>
        <extracomment>A message box at start-up: another copy of this game holds this folder (%1) and does not answer, so this one cannot start.</extracomment>
        <translation>此文件夹（%1）中已有本游戏在运行，且没有响应。它运行在另一个会话中，或运行在共享此文件夹的另一台电脑上。同一个文件夹中同时只能运行一个游戏。</translation>
    </message>
    <message>
        <source>データファイルを読み込めないため、ゲームを始められません。（%1）</source>
        <extracomment>A message box at start-up: a file of the game&apos;s data folder is missing or damaged, so the game cannot start. %1 names the file and what is wrong with it, in English.</extracomment>
        <translation>无法读取数据文件，游戏无法启动。（%1）</translation>
    </message>
</context>
<context>
    <name>Stat</name>
    <message>
        <source>ＨＰ</source>
        <extracomment>Hit points, as the stat that grows after a victory won with every star full.</extracomment>
        <translation>HP</translation>
    </message>
    <message>
        <source>命中</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>命中</translation>
    </message>
    <message>
        <source>回避</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>闪避</translation>
    </message>
    <message>
        <source>予測</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>预判</translation>
    </message>
    <message>
        <source>閃き</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>灵光</translation>
    </message>
    <message>
        <source>理力</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>理性</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>名もなく、形もなく、</source>
        <extracomment>The intro, line 1 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>无名，亦无形，</translation>
    </message>
    <message>
        <source>ただ五つの数だけを抱えて目を覚ましたもの。</source>
        <extracomment>The intro, line 2 of 19, one a click.</extracomment>
        <translation>只抱着五个数字醒来的存在。</translation>
    </message>
    <message>
        <source>それがあなた。</source>
        <extracomment>The intro, line 3 of 19, one a click.</extracomment>
        <translation>那就是你。</translation>
    </message>
    <message>
        <source>命中、回避、予測、閃き、理力、</source>
        <extracomment>The intro, line 4 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>命中、闪避、预判、灵光、理性，</translation>
    </message>
    <message>
        <source>その数があなたのすべてを物語っている。</source>
        <extracomment>The intro, line 5 of 19, one a click.</extracomment>
        <translation>这些数字道尽了你的一切。</translation>
    </message>
    <message>
        <source>けれど数は、</source>
        <extracomment>The intro, line 6 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>然而数字，</translation>
    </message>
    <message>
        <source>あなたがどこから来たのかを教えてはくれない。</source>
        <extracomment>The intro, line 7 of 19, one a click.</extracomment>
        <translation>并不会告诉你，你从哪里来。</translation>
    </message>
    <message>
        <source>百の目を持つさいころが、行く末を決めるだけ。</source>
        <extracomment>The intro, line 8 of 19, one a click.</extracomment>
        <translation>只有一颗百面骰子，决定你的去向。</translation>
    </message>
    <message>
        <source>勝てば相手の力がわずかに身に染み、</source>
        <extracomment>The intro, line 9 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>赢了，对手的力量便会稍稍渗进你的身体；</translation>
    </message>
    <message>
        <source>負ければ、</source>
        <extracomment>The intro, line 10 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>输了，</translation>
    </message>
    <message>
        <source>それでおしまい。</source>
        <extracomment>The intro, line 11 of 19, one a click.</extracomment>
        <translation>就到此为止。</translation>
    </message>
    <message>
        <source>霧の向こうでは七つの影があなたを待っていて、</source>
        <extracomment>The intro, line 12 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>雾的另一边，有七道影子在等着你，</translation>
    </message>
    <message>
        <source>打ち倒した影の名は、</source>
        <extracomment>The intro, line 13 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>被你打倒的影子的名字，</translation>
    </message>
    <message>
        <source>ひとつずつあなたのものになる。</source>
        <extracomment>The intro, line 14 of 19, one a click.</extracomment>
        <translation>会一个个归你所有。</translation>
    </message>
    <message>
        <source>借りものの名を重ねて、</source>
        <extracomment>The intro, line 15 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>叠上一个个借来的名字，</translation>
    </message>
    <message>
        <source>いつか、</source>
        <extracomment>The intro, line 16 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>总有一天，</translation>
    </message>
    <message>
        <source>本当の自分の名にたどり着けるかもしれない。</source>
        <extracomment>The intro, line 17 of 19, one a click.</extracomment>
        <translation>你或许能找到真正属于自己的名字。</translation>
    </message>
    <message>
        <source>さあ、さいころを握って。</source>
        <extracomment>The intro, line 18 of 19, one a click.</extracomment>
        <translation>来，握紧骰子。</translation>
    </message>
    <message>
        <source>あなたの物語が、いま転がりはじめる。</source>
        <extracomment>The intro, line 19 of 19, one a click.</extracomment>
        <translation>你的故事，此刻开始转动。</translation>
    </message>
    <message>
        <source>roda。</source>
        <extracomment>The first ending, line 1 of 2: the player keeps the name roda for good.</extracomment>
        <translation>roda。</translation>
    </message>
    <message>
        <source>それが、ようやく手にしたあなた自身の名前。</source>
        <extracomment>The first ending, line 2 of 2.</extracomment>
        <translation>那就是你终于得到的、属于你自己的名字。</translation>
    </message>
    <message>
        <source>≪祖≫を討ったrodaの前に、もう道はなかった。</source>
        <extracomment>The second ending, line 1 of 12, told from outside after the last boss.</extracomment>
        <translation>roda讨伐了【祖】，眼前却已无路可走。</translation>
    </message>
    <message>
        <source>霧は晴れ、数も星も静かに消えていく。</source>
        <extracomment>The second ending, line 2 of 12, told from outside after the last boss.</extracomment>
        <translation>雾气散去，数字和星都静静地消逝。</translation>
    </message>
    <message>
        <source>rodaがたどり着いたのは≪行き止まり≫。</source>
        <extracomment>The second ending, line 3 of 12, told from outside after the last boss.</extracomment>
        <translation>roda走到的，是【死路】。</translation>
    </message>
    <message>
        <source>それでもrodaは歩みを止めなかった。</source>
        <extracomment>The second ending, line 4 of 12, told from outside after the last boss.</extracomment>
        <translation>即便如此，roda也没有停下脚步。</translation>
    </message>
    <message>
        <source>借りてきた名をひとつずつ霧へ返しながら、</source>
        <extracomment>The second ending, line 5 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>一边将借来的名字一个个还给雾，</translation>
    </message>
    <message>
        <source>rodaは壁の向こうから呼ぶ声を聞いた。</source>
        <extracomment>The second ending, line 6 of 12, told from outside after the last boss.</extracomment>
        <translation>roda听见了从墙的另一边传来的呼唤。</translation>
    </message>
    <message>
        <source>「roda、ここは終わりのさらに先。</source>
        <extracomment>The second ending, line 7 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“roda，这里已在终点之外。</translation>
    </message>
    <message>
        <source>「振るさいころも、奪う名も、もう残っていない。</source>
        <extracomment>The second ending, line 8 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“既没有可掷的骰子，也没有可夺的名字了。</translation>
    </message>
    <message>
        <source>「それでも進むなら、≪デッド・エンド≫を越えてゆけ。</source>
        <extracomment>The second ending, line 9 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“即便如此仍要前进的话，就越过【死路】吧。</translation>
    </message>
    <message>
        <source>「まだ誰も振ったことのない目が、そこにある。」</source>
        <extracomment>The second ending, line 10 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“那里，有一个还没有人掷出过的点数。”</translation>
    </message>
    <message>
        <source>rodaは、</source>
        <extracomment>The second ending, line 11 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>roda，</translation>
    </message>
    <message>
        <source>笑って壁を越えた。</source>
        <extracomment>The second ending, line 12 of 12, told from outside after the last boss.</extracomment>
        <translation>笑着越过了那堵墙。</translation>
    </message>
    <message>
        <source>★&#x3000;おしまエンド&#x3000;★</source>
        <extracomment>The last words of the first ending (a pun on &quot;the end&quot;); the game stops there.</extracomment>
        <translation>★&#x3000;完结END&#x3000;★</translation>
    </message>
    <message>
        <source>★★★&#x3000;オーバー・デッド・エンド&#x3000;★★★</source>
        <extracomment>The last words of the second ending (&quot;over dead end&quot;); the game stops there.</extracomment>
        <translation>★★★&#x3000;越过死路&#x3000;★★★</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>ゼノリア・オルカント</source>
        <extracomment>The title page&apos;s picture: the game&apos;s title, drawn in 20-pixel italics in a fixed place (its left edge at the picture&apos;s centre); it must fit in 250 pixels.</extracomment>
        <translation>芝诺利亚·奥尔坎特</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>ヴェスカ</source>
        <extracomment>The window&apos;s caption: the game&apos;s name (in English, as the desktop menu names it).</extracomment>
        <translation>Vantik</translation>
    </message>
    <message>
        <source>新しいゲームを始めますか？前回のセーブからあとの進み具合は失われます。</source>
        <extracomment>Asked on Ctrl+N when the game has changed since it was last saved (or was never saved).</extracomment>
        <translation>要开始新游戏吗？自上次存档以来的进度将会丢失。</translation>
    </message>
    <message>
        <source>言語：</source>
        <extracomment>Above the list of languages that Ctrl+L shows.</extracomment>
        <translation>语言：</translation>
    </message>
    <message>
        <source>次に起動したときから、ゲームは%1で表示されます。</source>
        <extracomment>After a new language is chosen with Ctrl+L: %1 is its name, in its own language.</extracomment>
        <translation>下次启动时，游戏将以%1显示。</translation>
    </message>
</context>
</TS>
