<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>回避できそう</source>
        <extracomment>A hint after the player&apos;s evade roll reached 100: the attack may miss.</extracomment>
        <translation>看來躲得掉</translation>
    </message>
    <message>
        <source>うまくいきそう</source>
        <extracomment>A hint after the player&apos;s spell roll reached 100: the spell may work.</extracomment>
        <translation>看來會成功</translation>
    </message>
    <message>
        <source>%1は策を見破った！</source>
        <extracomment>The player (%1, their name) resisted the enemy&apos;s spell.</extracomment>
        <translation>%1看穿了計策！</translation>
    </message>
    <message>
        <source>%1は１点のダメージを食らった！</source>
        <extracomment>The player (%1, their name) loses one of their hit points (stars).</extracomment>
        <translation>%1受到了1點傷害！</translation>
    </message>
    <message>
        <source>%1は陥れられた！\n 命中、回避、予測が減耗した！</source>
        <extracomment>The enemy&apos;s spell worked on the player (%1, their name): their hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>%1被算計了！\n 命中、閃避、預判都被削弱了！</translation>
    </message>
    <message>
        <source>回避されそう</source>
        <extracomment>A hint after the enemy&apos;s evade roll reached 100: the player&apos;s attack may miss.</extracomment>
        <translation>看來會被閃開</translation>
    </message>
    <message>
        <source>ハメられそう</source>
        <extracomment>A hint after the enemy&apos;s spell roll reached 100: its spell may catch the player.</extracomment>
        <translation>看來要中計了</translation>
    </message>
    <message>
        <source>%1に見切られた！</source>
        <extracomment>The enemy (%1, its name) resisted the player&apos;s spell.</extracomment>
        <translation>被%1看穿了！</translation>
    </message>
    <message>
        <source>%1に１点のダメージを与えた！</source>
        <extracomment>The player&apos;s attack cost the enemy (%1, its name) one hit point (star).</extracomment>
        <translation>對%1造成了1點傷害！</translation>
    </message>
    <message>
        <source>%1を陥れた！\n 命中、回避、予測を減耗させた！</source>
        <extracomment>The player&apos;s spell worked on the enemy (%1, its name): its hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>算計了%1！\n 削弱了對方的命中、閃避、預判！</translation>
    </message>
    <message>
        <source>%1の命中%2＋%3＝%4</source>
        <extracomment>A hit roll&apos;s result: %1 the attacker&apos;s name, %2 its hit, %3 the dice, %4 the sum; 100 or more hits.</extracomment>
        <translation>%1的命中%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の攻撃……\n命中%2</source>
        <extracomment>An attack begins: %1 the attacker&apos;s name, %2 its hit, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1發動攻擊……\n命中%2</translation>
    </message>
    <message>
        <source>%1の回避%2＋%3＝%4</source>
        <extracomment>An evade roll&apos;s result: %1 the defender&apos;s name, %2 its evade, %3 the dice, %4 the sum; 100 or more dodges the attack.</extracomment>
        <translation>%1的閃避%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の回避%2</source>
        <extracomment>The defender (%1, its name) rolls to evade with its evade %2.</extracomment>
        <translation>%1的閃避%2</translation>
    </message>
    <message>
        <source>%1の予測%2＋%3＝%4</source>
        <extracomment>A predict roll&apos;s result: %1 the attacker&apos;s name, %2 its predict, %3 the dice, %4 the sum; 100 or more lands the dodged attack after all.</extracomment>
        <translation>%1的預判%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の予測%2</source>
        <extracomment>The attacker (%1, its name) rolls its predict %2 against the dodge.</extracomment>
        <translation>%1的預判%2</translation>
    </message>
    <message>
        <source>%1の閃き%2＋%3＝%4</source>
        <extracomment>A spell roll&apos;s result: %1 the caster&apos;s name, %2 its flash, %3 the dice, %4 the sum; 100 or more casts the spell.</extracomment>
        <translation>%1的靈光%2+%3=%4</translation>
    </message>
    <message>
        <source>%1は奇策を弄した……\n閃き%2</source>
        <extracomment>A spell begins: %1 the caster&apos;s name, %2 its flash, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1使出了奇招……\n靈光%2</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2＋%3＝%4</source>
        <extracomment>A resist roll&apos;s result: %1 the target&apos;s name, %2 its flash (resisting), %3 the dice, %4 the sum; 100 or more shakes off the spell.</extracomment>
        <translation>%1的靈光抵抗%2+%3=%4</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2</source>
        <extracomment>The target of a spell (%1, its name) rolls to resist with its flash %2.</extracomment>
        <translation>%1的靈光抵抗%2</translation>
    </message>
    <message>
        <source>外れた！</source>
        <extracomment>An attack or a spell came to nothing; the last line of its message.</extracomment>
        <translation>落空了！</translation>
    </message>
    <message>
        <source>当たりそう</source>
        <extracomment>A hint after a hit roll reached 100: the attack may land, unless dodged.</extracomment>
        <translation>看來會命中</translation>
    </message>
    <message>
        <source>殺すべきもの、%1があらわれた。</source>
        <extracomment>An enemy (%1, its name) appears: the first message of every fight.</extracomment>
        <translation>該殺之物，%1出現了。</translation>
    </message>
    <message>
        <source>%1と%2とが対峙するよ。\n天運が予測を勘案して%3のイニシアティブ。</source>
        <extracomment>Who acts first: %1 the player&apos;s name, %2 the enemy&apos;s, %3 the name of the one whose predict (and fate) won the first move. Two lines.</extracomment>
        <translation>%1和%2對峙囉。\n天運斟酌預判，由%3取得先手。</translation>
    </message>
    <message>
        <source>と見せかけて逃げた。</source>
        <extracomment>The player fled before the fight began, as if to fight.</extracomment>
        <translation>擺出要打的架勢——然後逃了。</translation>
    </message>
    <message>
        <source>どうする？</source>
        <extracomment>The player&apos;s turn: what now?</extracomment>
        <translation>怎麼辦？</translation>
    </message>
    <message>
        <source>逃げてーー！\nどっちかが大丈夫！</source>
        <extracomment>The player tries to escape: run! One of the two ways (the choices right and left) is safe. Two lines.</extracomment>
        <translation>快逃啊——！\n有一邊是沒問題的！</translation>
    </message>
    <message>
        <source>逃げた成功した！</source>
        <extracomment>The escape worked. The Japanese runs two verbs together on purpose (&quot;fled succeeded&quot;); a plain cry of success reads better than a copied slip.</extracomment>
        <translation>逃跑成功！</translation>
    </message>
    <message>
        <source>逃げられない運命だった！</source>
        <extracomment>The escape failed: the enemy&apos;s turn follows.</extracomment>
        <translation>原來是逃不掉的命運！</translation>
    </message>
    <message>
        <source>%1を殺した！</source>
        <extracomment>The enemy (%1, its name) lost its last hit point.</extracomment>
        <translation>殺死了%1！</translation>
    </message>
    <message>
        <source>%1はその手を%2にかけて、\n強引に名前を剥ぎ取った！</source>
        <extracomment>The player (%1, their name) takes the beaten boss&apos;s name (%2) as their own. Two lines.</extracomment>
        <translation>%1將手伸向%2，\n強行剝下了它的名字！</translation>
    </message>
    <message numerus="yes">
        <source>%1の%2が%n点上がった！</source>
        <extracomment>After a victory: the player&apos;s (%1, their name) stat %2 (a stat&apos;s name, or hit points) grew by %n points.</extracomment>
        <translation>
            <numerusform>%1的%2提升了%n點！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1のからだを食べてむしゃむしゃむしゃ\nおいしいなあ\n%2のＨＰが%n点回復した。</source>
        <extracomment>After a victory: the player eats the beaten enemy (%1, its name) and the player (%2, their name) regains %n hit points. Three lines.</extracomment>
        <translation>
            <numerusform>啃著%1的身體，嚼嚼嚼\n好好吃喔\n%2的HP恢復了%n點。</numerusform>
        </translation>
    </message>
    <message>
        <source>セーブできなかった。</source>
        <extracomment>Beating the save point&apos;s guard should have saved the game, but the save failed.</extracomment>
        <translation>存檔失敗了。</translation>
    </message>
    <message>
        <source>セーブをした。</source>
        <extracomment>Beating the save point&apos;s guard saved the game.</extracomment>
        <translation>已存檔。</translation>
    </message>
    <message>
        <source>%1は殺された……</source>
        <extracomment>The player (%1, their name) lost their last hit point: the game is over.</extracomment>
        <translation>%1被殺了……</translation>
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
        <translation>開啟或關閉此說明</translation>
    </message>
    <message>
        <source>このヘルプを閉じる</source>
        <extracomment>The help&apos;s keys list: what Escape does.</extracomment>
        <translation>關閉此說明</translation>
    </message>
    <message>
        <source>新しいゲームを始める（セーブは新しいキャラクターがセーブするまでそのまま）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+N does: back to the title page for a new character; the save file stays until the new character saves.</extracomment>
        <translation>開始新遊戲（在新角色存檔之前，原本的存檔保持不變）</translation>
    </message>
    <message>
        <source>終了（ウィンドウの閉じるボタンと同じ）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+Q does.</extracomment>
        <translation>結束（與視窗的關閉按鈕相同）</translation>
    </message>
    <message>
        <source>すべての音をオフ・オンにする（次回も覚えています）</source>
        <extracomment>The help&apos;s keys list: what M does.</extracomment>
        <translation>關閉或開啟所有聲音（下次啟動時仍會記得）</translation>
    </message>
    <message>
        <source>スクリーンリーダーで、両者の星と能力値を読み上げる</source>
        <extracomment>The help&apos;s keys list: what S does.</extracomment>
        <translation>用螢幕閱讀器朗讀雙方的星和能力值</translation>
    </message>
    <message>
        <source>&lt;h3&gt;目的&lt;/h3&gt; &lt;p&gt;戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。最後のボスを除き、倒したボスの名前はあなたのものになり、以後のメッセージではその名前があなたを指します。六人目と七人目のボスを倒すと、それぞれエンディングを迎えます。星がすべてなくなるとゲームオーバーです。&lt;/p&gt;</source>
        <extracomment>The help: the goal of the game, the bosses&apos; names and the endings. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;目標&lt;/h3&gt; &lt;p&gt;在戰鬥中獲勝來培養角色，依序打倒七名頭目吧。除了最後一名頭目，被你打倒的頭目的名字都會歸你所有，之後的訊息都會用那個名字來稱呼你。打倒第六名和第七名頭目，會分別迎來各自的結局。失去所有的星，遊戲就結束了。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;画面と選択肢&lt;/h3&gt; &lt;p&gt;どの画面にもメッセージと、下に最大三つの選択肢があります。選択肢をクリックするか、Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、Shift+Tab と矢印キーで選択肢を移ります。一歩進むたびに、右端の選択肢にフォーカスが移ります。タイトル画面でどこかをクリックするか Enter キーかスペースキーを押すと、新しいキャラクターがランダムに作られます。「noar」で振り直し、「yest」で決めて序章に進みます（「≫」で次へ、「skipl」で飛ばします）。メインメニューでは「seeek」で敵を探し、「bosss!」で次のボスに挑み、「savie」でセーブポイントの番人と戦います。敵が現れたら「killl」で戦い、「escapo」で逃げます（必ず逃げられます）。自分の番には「attax」「magix」「escapy」から選びます。「escapy」では「右」と「左」の片方だけが逃げ道で、外れると敵の番です。&lt;/p&gt;</source>
        <extracomment>The help: how a page is played. The choices&apos; captions are kept as the game shows them, each quoted as the language quotes (「」 in Japanese); &quot;right&quot; and &quot;left&quot; are the escape&apos;s two ways out, named as the catalog&apos;s &quot;Choice&quot; entries 右 and 左 name them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;畫面與選項&lt;/h3&gt; &lt;p&gt;每個畫面都有一則訊息，下方最多有三個選項。點一下選項即可選擇，也可以按 Enter 鍵或空白鍵選擇有焦點框的選項；用 Tab、Shift+Tab 和方向鍵在選項之間移動。每前進一步，焦點都會移到最右邊的選項上。在標題畫面點一下任意位置，或按 Enter 鍵或空白鍵，就會隨機產生一個新角色。「noar」重新產生，「yest」確定並進入序章（「≫」繼續，「skipl」跳過序章）。在主選單中，「seeek」尋找敵人，「bosss!」挑戰下一名頭目，「savie」與存檔點的守衛戰鬥。敵人出現時，「killl」迎戰，「escapo」逃跑（一定逃得掉）。輪到你時，從「attax」、「magix」、「escapy」中選擇。選擇「escapy」後，「右」和「左」只有一個是出路，選錯就輪到敵人行動。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;五つの能力&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;命中&lt;/b&gt;：攻撃を当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;回避&lt;/b&gt;：当たりそうな攻撃をかわす力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;予測&lt;/b&gt;：先に動く見込みを高め、かわされた攻撃をそれでも当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;閃き&lt;/b&gt;：魔法（「magix」）をかけ、また防ぐ力。魔法をかけるたびに、成否にかかわらず、かけた側の閃きが一割下がります。防ぐ側の閃きは下がりません。&lt;/li&gt; &lt;li&gt;&lt;b&gt;理力&lt;/b&gt;：アイデアバーストの力。&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;判定では能力値にダイスの目を足し、合計が 100 以上なら成功です。攻撃では、まず攻め手が命中の判定をし、成功すると受け手が回避の判定をします。回避に失敗すれば攻撃が当たり、受け手の星が一つ減ります。回避されても、攻め手が予測の判定に成功すれば当たります。魔法では、かけた側が閃きの判定に成功し、相手が閃きの判定で防げなければ、相手の命中、回避、予測が三分の一下がります。魔法で星は減りません。&lt;/p&gt; &lt;p&gt;右があなた、左が敵の値です。灰色の値は、魔法をかけられたり、魔法をかけたり、アイデアバーストを使ったりして、元の値より下がっていることを示します。あなたの下がった値は次の戦いにも持ち越され、逃げても戻りません。勝てば元に戻ります。&lt;/p&gt;</source>
        <extracomment>The help: the five stats, named as the main page names them, and how a fight uses them. A roll (判定) is a stat plus the die against 100. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;五項能力&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;命中&lt;/b&gt;：讓攻擊命中的能力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;閃避&lt;/b&gt;：躲開即將命中之攻擊的能力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;預判&lt;/b&gt;：提高搶先行動的機會，並讓被閃開的攻擊仍然命中的能力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;靈光&lt;/b&gt;：施放魔法（「magix」）以及抵抗魔法的能力。每施放一次魔法，無論成敗，施法方的靈光都會下降一成。抵抗方的靈光不會下降。&lt;/li&gt; &lt;li&gt;&lt;b&gt;理性&lt;/b&gt;：發動靈感爆發的能力。&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;判定時，將能力值加上骰子的點數，總和達到 100 即為成功。攻擊時，先由攻擊方進行命中判定，成功後由防守方進行閃避判定。閃避失敗，攻擊就會命中，防守方失去一顆星。即使被閃開，只要攻擊方的預判判定成功，攻擊仍會命中。施放魔法時，若施法方的靈光判定成功，且對方未能以靈光判定抵抗，對方的命中、閃避、預判就會下降三分之一。魔法不會減少星。&lt;/p&gt; &lt;p&gt;右邊是你的數值，左邊是敵人的數值。灰色的數值表示因為中了魔法、施放魔法或使用靈感爆發，而低於原本的數值。你降低的數值會延續到下一場戰鬥，逃跑也不會恢復；獲勝後才會恢復原狀。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;星&lt;/h3&gt; &lt;p&gt;上の星はＨＰです。★が残り、☆が失った分です。右上があなた、左上が敵の星です。攻撃が当たると星が一つ減り、減った星は戦いに勝ったときにしか戻りません。&lt;/p&gt;</source>
        <extracomment>The help: what the stars at the top of the main page mean. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;星&lt;/h3&gt; &lt;p&gt;上方的星就是HP。★是剩下的，☆是失去的。右上是你的星，左上是敵人的星。攻擊命中時會失去一顆星，失去的星只有在戰鬥獲勝時才會恢復。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ダイスとアイデアバースト&lt;/h3&gt; &lt;p&gt;判定のたびにダイスが回り（0〜99）、「≫」を押すとその時の目で止まります。あなたのダイスは右下、敵のダイスは左下に出ます。あなたのダイスが回る間は、理力の右の「ib」に 28＋16 のような二つの数が出ます。左があなたの理力、右がバーストの目です。「ib」を押すと理力が一割下がり、下がった理力とその目の合計が 100 以上なら、ダイスが赤い＋100 で止まります。押せるのは一回の判定に一度だけです。敵も判定のたびに同じことを試みることがあり、そのときは敵の理力の左に 37＋ のような数が出ます。これは敵のバーストの目で、下がった敵の理力との合計が 100 以上なら、敵のダイスが赤い＋100 になります。&lt;/p&gt;</source>
        <extracomment>The help: the dice, where each side&apos;s shows, the Idea Burst button &quot;ib&quot; and the enemy&apos;s burst roll beside its Reason. 28＋16 and 37＋ are examples of the two, written as the catalog&apos;s &quot;Dice&quot; entries write them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;骰子與靈感爆發&lt;/h3&gt; &lt;p&gt;每次判定時骰子都會轉動（0～99），按下「≫」就會停在當下的點數。你的骰子顯示在右下方，敵人的骰子顯示在左下方。你的骰子轉動時，理性右邊的「ib」會顯示像 28+16 這樣的兩個數字：左邊是你的理性，右邊是爆發點數。按下「ib」後理性會下降一成，若下降後的理性與該點數的總和達到 100，骰子就會停在紅色的 +100。每次判定只能按一次。敵人也可能在判定時嘗試同樣的事，這時敵人的理性左邊會出現像 37+ 這樣的數字。這是敵人的爆發點數，若它與下降後的敵人理性總和達到 100，敵人的骰子就會變成紅色的 +100。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;成長&lt;/h3&gt; &lt;p&gt;勝つと、「≫」を押すたびに、倒した敵より低い能力が一つずつ、敵の値に近づいて伸びます（差の十分の一、端数は切り上げ）。続いて、あなたの星に☆があれば、倒した敵の星の数を上限に★に戻ります。勝った時点で星がすべて★なら、回復のかわりに、倒した敵のほうが星が多ければ最大ＨＰが敵の星の数に近づいて増え、増えた星は空の☆で現れます。&lt;/p&gt;</source>
        <extracomment>The help: how the character grows and heals after a victory. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;成長&lt;/h3&gt; &lt;p&gt;獲勝後，每按一次「≫」，你低於被打倒敵人的能力就會逐項朝敵人的數值成長（幅度為差距的十分之一，無條件進位）。接著，如果你的星中有☆，就會恢復成★，最多恢復被打倒敵人的星數。若獲勝時你的星全是★，則不會恢復；這時若被打倒的敵人星數比你多，最大HP會朝敵人的星數增加，新增的星會以空心的☆出現。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;セーブ&lt;/h3&gt; &lt;p&gt;セーブポイントの番人（「savie」）に勝つとセーブされます。六人目のボスを倒した後のエンディングの最後にもセーブされます。次に起動すると、最後にセーブしたキャラクターでメインメニューから続きます。エンディングの後は選択肢が残らないので、ウィンドウを閉じてください。負けると残る選択肢は「gmov」だけで、押すとゲームが終了します。ゲームが終了すると、最後にセーブしてからの進み具合は失われます。&lt;/p&gt;</source>
        <extracomment>The help: how the game is saved, and what is lost when it ends. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;存檔&lt;/h3&gt; &lt;p&gt;戰勝存檔點的守衛（「savie」）就會存檔。打倒第六名頭目後的結局最後也會存檔。下次啟動時，會以最後存檔的角色從主選單繼續。結局之後不再有任何選項，請關閉視窗。戰敗後只剩下「gmov」一個選項，按下後遊戲就會結束。遊戲結束後，上次存檔之後的進度都會遺失。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>The help&apos;s keys list: one item, %1 the keys&apos; names and %2 what they do.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>キー</source>
        <extracomment>The help: the heading of the keys&apos; list.</extracomment>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>フォーカスのある選択肢を選ぶ。タイトル画面では開始</source>
        <extracomment>The help&apos;s keys list: what Enter and Space do.</extracomment>
        <translation>選擇有焦點的選項；在標題畫面則開始遊戲</translation>
    </message>
    <message>
        <source>次・前の選択肢と「ib」に移る</source>
        <extracomment>The help&apos;s keys list: what Tab and Shift+Tab do (&quot;ib&quot; is the Idea Burst button).</extracomment>
        <translation>移到下一個或上一個選項，以及「ib」</translation>
    </message>
    <message>
        <source>右と下で次の選択肢、左と上で前の選択肢</source>
        <extracomment>The help&apos;s keys list: what the arrow keys do.</extracomment>
        <translation>按右、下移到下一個選項，按左、上移到上一個選項</translation>
    </message>
    <message>
        <source>遊び方</source>
        <extracomment>The help window&apos;s caption and the help page&apos;s heading.</extracomment>
        <translation>玩法說明</translation>
    </message>
    <message>
        <source>音：オン（M キーでオフ）</source>
        <extracomment>The help&apos;s last line while sound is on.</extracomment>
        <translation>聲音：開（按 M 鍵關閉）</translation>
    </message>
    <message>
        <source>音：オフ（M キーでオン）</source>
        <extracomment>The help&apos;s last line while sound is off.</extracomment>
        <translation>聲音：關（按 M 鍵開啟）</translation>
    </message>
    <message>
        <source>タイトル画面</source>
        <extracomment>What a screen reader calls the title page.</extracomment>
        <translation>標題畫面</translation>
    </message>
    <message>
        <source>クリックするか Enter キーかスペースキーで新しいゲームを始めます。F1 キーで遊び方を表示します。</source>
        <extracomment>What a screen reader says of the title page.</extracomment>
        <translation>點一下，或按 Enter 鍵或空白鍵，開始新遊戲。按 F1 鍵顯示玩法說明。</translation>
    </message>
    <message>
        <source>言語を選ぶ（次に起動したときから）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+L does: a list of the languages, each in its own name; the choice is kept and applies from the next start.</extracomment>
        <translation>選擇語言（下次啟動時生效）</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>風が冷たい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>風好冷。</translation>
    </message>
    <message>
        <source>遠くで鐘が鳴っている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>遠處傳來鐘聲。</translation>
    </message>
    <message>
        <source>さいころが手の中で温かい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>骰子在手裡暖暖的。</translation>
    </message>
    <message>
        <source>霧雨だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>下著毛毛雨。</translation>
    </message>
    <message>
        <source>空がやけに低い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>天空低得出奇。</translation>
    </message>
    <message>
        <source>どこかで誰かが笑った。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>不知哪裡有人笑了一聲。</translation>
    </message>
    <message>
        <source>足元の影が少しだけ長い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>腳下的影子稍微長了一點。</translation>
    </message>
    <message>
        <source>静かな夜だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>好安靜的夜。</translation>
    </message>
    <message>
        <source>星がひとつ流れた。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>一顆流星劃過。</translation>
    </message>
    <message>
        <source>道はまだ続いている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>道路還在延伸。</translation>
    </message>
    <message>
        <source>あなたが落としたのはこのステータスですか？</source>
        <extracomment>A new game: the freshly rolled character&apos;s stats are shown, and the player is asked (as the spirit of the fabled axe pond asks) whether these are the stats they dropped.</extracomment>
        <translation>你掉的是這組能力值嗎？</translation>
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
        <translation>阿爾夫</translation>
    </message>
    <message>
        <source>ALPHA</source>
        <extracomment>The fourth boss&apos;s name.</extracomment>
        <translation>ALPHA</translation>
    </message>
    <message>
        <source>ヴェスカ</source>
        <extracomment>The fifth boss&apos;s name; also the game&apos;s name in the window&apos;s caption.</extracomment>
        <translation>維斯卡</translation>
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
        <translation>那傢伙</translation>
    </message>
    <message>
        <source>セーブガード</source>
        <extracomment>The name of the guard of the save point.</extracomment>
        <translation>存檔守衛</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>（save.datの読み込みに失敗しました。）</source>
        <extracomment>A message box at start-up: the save file (save.dat, a name to keep as it is) could not be read; the game starts anew.</extracomment>
        <translation>（無法讀取 save.dat。）</translation>
    </message>
    <message>
        <source>（save.datの内容が不適切です。）</source>
        <extracomment>A message box at start-up: the save file (save.dat) is damaged or was changed by hand (its check code does not match); the game starts anew.</extracomment>
        <translation>（save.dat 的內容無效。）</translation>
    </message>
    <message>
        <source>（save.datの書き込みに失敗しました。）</source>
        <extracomment>A message box: the game could not be saved to save.dat (a full disk, say); the last save is kept.</extracomment>
        <translation>（無法寫入 save.dat。）</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ＨＰと能力を振り直す。</source>
        <extracomment>Description of the status pick&apos;s &quot;noar&quot; button.</extracomment>
        <translation>重新產生HP和能力。</translation>
    </message>
    <message>
        <source>このキャラクターで始め、序章へ進む。</source>
        <extracomment>Description of the status pick&apos;s &quot;yest&quot; button.</extracomment>
        <translation>用這個角色開始，進入序章。</translation>
    </message>
    <message>
        <source>先へ進む。ダイスが回っていれば、見えている目で止める。</source>
        <extracomment>Description of the &quot;≫&quot; button, in stories and fights alike.</extracomment>
        <translation>繼續。如果骰子正在轉動，就停在目前顯示的點數。</translation>
    </message>
    <message>
        <source>序章を飛ばしてメインメニューへ。</source>
        <extracomment>Description of the &quot;skipl&quot; button under the intro.</extracomment>
        <translation>跳過序章，前往主選單。</translation>
    </message>
    <message>
        <source>戦う相手を探す。</source>
        <extracomment>Description of the main menu&apos;s &quot;seeek&quot; button.</extracomment>
        <translation>尋找戰鬥的對手。</translation>
    </message>
    <message>
        <source>次のボスに挑む。</source>
        <extracomment>Description of the main menu&apos;s &quot;bosss!&quot; button.</extracomment>
        <translation>挑戰下一名頭目。</translation>
    </message>
    <message>
        <source>セーブポイントの番人と戦う。勝つとセーブされる。</source>
        <extracomment>Description of the main menu&apos;s &quot;savie&quot; button.</extracomment>
        <translation>與存檔點的守衛戰鬥。獲勝即可存檔。</translation>
    </message>
    <message>
        <source>戦う。予測が高いほど先に動きやすい。</source>
        <extracomment>Description of the &quot;killl&quot; button when an enemy appears.</extracomment>
        <translation>戰鬥。預判越高，越容易搶先行動。</translation>
    </message>
    <message>
        <source>戦わずに逃げる。必ず逃げられる。</source>
        <extracomment>Description of the &quot;escapo&quot; button when an enemy appears.</extracomment>
        <translation>不戰而逃。一定逃得掉。</translation>
    </message>
    <message>
        <source>攻撃する。命中とダイスの目の合計が100以上なら、敵が回避の判定をし、失敗すれば当たる。かわされても、予測とダイスの目の合計が100以上なら当たる。当たると敵の星が一つ減る。</source>
        <extracomment>Description of the &quot;attax&quot; button on the player&apos;s turn.</extracomment>
        <translation>攻擊。命中與骰子點數的總和達到100時，敵人進行閃避判定，失敗就會命中。即使被閃開，只要預判與骰子點數的總和達到100，仍會命中。命中後敵人失去一顆星。</translation>
    </message>
    <message>
        <source>魔法をかける。成否にかかわらず、自分の閃きが一割下がる。閃きとダイスの目の合計が100以上で、敵が閃きの判定で防げなければ、敵の命中、回避、予測が三分の一下がる。星は減らない。</source>
        <extracomment>Description of the &quot;magix&quot; button on the player&apos;s turn.</extracomment>
        <translation>施放魔法。無論成敗，自己的靈光都會下降一成。靈光與骰子點數的總和達到100，且敵人未能以靈光判定抵抗時，敵人的命中、閃避、預判會下降三分之一。不會減少星。</translation>
    </message>
    <message>
        <source>逃げ道を探す。右と左の片方だけが逃げ道で、外れると敵の番になる。</source>
        <extracomment>Description of the &quot;escapy&quot; button on the player&apos;s turn.</extracomment>
        <translation>尋找出路。右和左只有一邊是出路，選錯就輪到敵人行動。</translation>
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
        <translation>結束遊戲。上次存檔之後的進度都會遺失。</translation>
    </message>
    <message>
        <source>%1：%2、元の%3から下がっている。</source>
        <extracomment>Spoken by the state key: a stat worn down in the fight. %1 is the stat&apos;s name, %2 its value now, %3 the value it returns to.</extracomment>
        <translation>%1：%2，低於原本的%3。</translation>
    </message>
    <message>
        <source>%1：%2。</source>
        <extracomment>Spoken by the state key: one stat. %1 is its name, %2 its value.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>アイデアバースト。左の数は理力、右の数はバーストの目。押すと理力が一割下がり、下がった理力と目の合計が100以上なら、ダイスが＋100で止まる。一回の判定に一度だけ押せる。</source>
        <extracomment>Description of the &quot;ib&quot; button, whose caption becomes two numbers such as 28＋16 while the player&apos;s dice roll.</extracomment>
        <translation>靈感爆發。左邊的數字是理性，右邊的數字是爆發點數。按下後理性會下降一成，若下降後的理性與點數的總和達到100，骰子就會停在+100。每次判定只能按一次。</translation>
    </message>
    <message numerus="yes">
        <source>あなた：星%n個のうち%1個。</source>
        <extracomment>Spoken by the state key: the player&apos;s HP as stars. %1 is the stars left, %n all the player&apos;s stars.</extracomment>
        <translation>
            <numerusform>你：%n顆星中剩%1顆。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>敵、%1：星%n個のうち%2個。</source>
        <extracomment>Spoken by the state key: the enemy&apos;s hit points as stars. %1 is the enemy&apos;s name, %2 its stars left, %n all its stars.</extracomment>
        <translation>
            <numerusform>敵人，%1：%n顆星中剩%2顆。</numerusform>
        </translation>
    </message>
    <message>
        <source>敵はいない。</source>
        <extracomment>Spoken by the state key when no enemy is shown.</extracomment>
        <translation>沒有敵人。</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>このフォルダー（%1）では、すでにこのゲームが動いていて応答しません。別のセッションか、このフォルダーを共有する別のコンピューターで動いています。ひとつのフォルダーで同時に動かせるのはひとつだけです。</source>
        <extracomment>A message box at start-up: another copy of this game holds this folder (%1) and does not answer, so this one cannot start.</extracomment>
        <translation>此資料夾（%1）中已有本遊戲正在執行，且沒有回應。它正在另一個工作階段中執行，或在共用此資料夾的另一台電腦上執行。同一個資料夾同時只能執行一個遊戲。</translation>
    </message>
    <message>
        <source>データファイルを読み込めないため、ゲームを始められません。（%1）</source>
        <extracomment>A message box at start-up: a file of the game&apos;s data folder is missing or damaged, so the game cannot start. %1 names the file and what is wrong with it, in English.</extracomment>
        <translation>無法讀取資料檔，遊戲無法啟動。（%1）</translation>
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
        <translation>閃避</translation>
    </message>
    <message>
        <source>予測</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>預判</translation>
    </message>
    <message>
        <source>閃き</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>靈光</translation>
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
        <translation>無名，亦無形，</translation>
    </message>
    <message>
        <source>ただ五つの数だけを抱えて目を覚ましたもの。</source>
        <extracomment>The intro, line 2 of 19, one a click.</extracomment>
        <translation>只抱著五個數字醒來的存在。</translation>
    </message>
    <message>
        <source>それがあなた。</source>
        <extracomment>The intro, line 3 of 19, one a click.</extracomment>
        <translation>那就是你。</translation>
    </message>
    <message>
        <source>命中、回避、予測、閃き、理力、</source>
        <extracomment>The intro, line 4 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>命中、閃避、預判、靈光、理性，</translation>
    </message>
    <message>
        <source>その数があなたのすべてを物語っている。</source>
        <extracomment>The intro, line 5 of 19, one a click.</extracomment>
        <translation>這些數字道盡了你的一切。</translation>
    </message>
    <message>
        <source>けれど数は、</source>
        <extracomment>The intro, line 6 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>然而數字，</translation>
    </message>
    <message>
        <source>あなたがどこから来たのかを教えてはくれない。</source>
        <extracomment>The intro, line 7 of 19, one a click.</extracomment>
        <translation>並不會告訴你，你從哪裡來。</translation>
    </message>
    <message>
        <source>百の目を持つさいころが、行く末を決めるだけ。</source>
        <extracomment>The intro, line 8 of 19, one a click.</extracomment>
        <translation>只有一顆百面骰子，決定你的去向。</translation>
    </message>
    <message>
        <source>勝てば相手の力がわずかに身に染み、</source>
        <extracomment>The intro, line 9 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>贏了，對手的力量便會稍稍滲進你的身體；</translation>
    </message>
    <message>
        <source>負ければ、</source>
        <extracomment>The intro, line 10 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>輸了，</translation>
    </message>
    <message>
        <source>それでおしまい。</source>
        <extracomment>The intro, line 11 of 19, one a click.</extracomment>
        <translation>就到此為止。</translation>
    </message>
    <message>
        <source>霧の向こうでは七つの影があなたを待っていて、</source>
        <extracomment>The intro, line 12 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>霧的另一頭，有七道影子在等著你，</translation>
    </message>
    <message>
        <source>打ち倒した影の名は、</source>
        <extracomment>The intro, line 13 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>被你打倒的影子的名字，</translation>
    </message>
    <message>
        <source>ひとつずつあなたのものになる。</source>
        <extracomment>The intro, line 14 of 19, one a click.</extracomment>
        <translation>會一個個歸你所有。</translation>
    </message>
    <message>
        <source>借りものの名を重ねて、</source>
        <extracomment>The intro, line 15 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>疊上一個個借來的名字，</translation>
    </message>
    <message>
        <source>いつか、</source>
        <extracomment>The intro, line 16 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>總有一天，</translation>
    </message>
    <message>
        <source>本当の自分の名にたどり着けるかもしれない。</source>
        <extracomment>The intro, line 17 of 19, one a click.</extracomment>
        <translation>你或許能找到真正屬於自己的名字。</translation>
    </message>
    <message>
        <source>さあ、さいころを握って。</source>
        <extracomment>The intro, line 18 of 19, one a click.</extracomment>
        <translation>來，握緊骰子。</translation>
    </message>
    <message>
        <source>あなたの物語が、いま転がりはじめる。</source>
        <extracomment>The intro, line 19 of 19, one a click.</extracomment>
        <translation>你的故事，此刻開始轉動。</translation>
    </message>
    <message>
        <source>roda。</source>
        <extracomment>The first ending, line 1 of 2: the player keeps the name roda for good.</extracomment>
        <translation>roda。</translation>
    </message>
    <message>
        <source>それが、ようやく手にしたあなた自身の名前。</source>
        <extracomment>The first ending, line 2 of 2.</extracomment>
        <translation>那就是你終於得到的、屬於你自己的名字。</translation>
    </message>
    <message>
        <source>≪祖≫を討ったrodaの前に、もう道はなかった。</source>
        <extracomment>The second ending, line 1 of 12, told from outside after the last boss.</extracomment>
        <translation>roda討伐了【祖】，眼前卻已無路可走。</translation>
    </message>
    <message>
        <source>霧は晴れ、数も星も静かに消えていく。</source>
        <extracomment>The second ending, line 2 of 12, told from outside after the last boss.</extracomment>
        <translation>霧氣散去，數字和星都靜靜地消逝。</translation>
    </message>
    <message>
        <source>rodaがたどり着いたのは≪行き止まり≫。</source>
        <extracomment>The second ending, line 3 of 12, told from outside after the last boss.</extracomment>
        <translation>roda走到的，是【死路】。</translation>
    </message>
    <message>
        <source>それでもrodaは歩みを止めなかった。</source>
        <extracomment>The second ending, line 4 of 12, told from outside after the last boss.</extracomment>
        <translation>即便如此，roda仍沒有停下腳步。</translation>
    </message>
    <message>
        <source>借りてきた名をひとつずつ霧へ返しながら、</source>
        <extracomment>The second ending, line 5 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>一邊將借來的名字一個個還給霧，</translation>
    </message>
    <message>
        <source>rodaは壁の向こうから呼ぶ声を聞いた。</source>
        <extracomment>The second ending, line 6 of 12, told from outside after the last boss.</extracomment>
        <translation>roda聽見了從牆的另一頭傳來的呼喚。</translation>
    </message>
    <message>
        <source>「roda、ここは終わりのさらに先。</source>
        <extracomment>The second ending, line 7 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>「roda，這裡已在終點之外。</translation>
    </message>
    <message>
        <source>「振るさいころも、奪う名も、もう残っていない。</source>
        <extracomment>The second ending, line 8 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>「既沒有可擲的骰子，也沒有可奪的名字了。</translation>
    </message>
    <message>
        <source>「それでも進むなら、≪デッド・エンド≫を越えてゆけ。</source>
        <extracomment>The second ending, line 9 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>「即便如此仍要前進的話，就越過【死路】吧。</translation>
    </message>
    <message>
        <source>「まだ誰も振ったことのない目が、そこにある。」</source>
        <extracomment>The second ending, line 10 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>「那裡，有一個還沒有人擲出過的點數。」</translation>
    </message>
    <message>
        <source>rodaは、</source>
        <extracomment>The second ending, line 11 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>roda，</translation>
    </message>
    <message>
        <source>笑って壁を越えた。</source>
        <extracomment>The second ending, line 12 of 12, told from outside after the last boss.</extracomment>
        <translation>笑著越過了那道牆。</translation>
    </message>
    <message>
        <source>★&#x3000;おしまエンド&#x3000;★</source>
        <extracomment>The last words of the first ending (a pun on &quot;the end&quot;); the game stops there.</extracomment>
        <translation>★&#x3000;完結END&#x3000;★</translation>
    </message>
    <message>
        <source>★★★&#x3000;オーバー・デッド・エンド&#x3000;★★★</source>
        <extracomment>The last words of the second ending (&quot;over dead end&quot;); the game stops there.</extracomment>
        <translation>★★★&#x3000;越過死路&#x3000;★★★</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>ゼノリア・オルカント</source>
        <extracomment>The title page&apos;s picture: the game&apos;s title, drawn in 20-pixel italics in a fixed place (its left edge at the picture&apos;s centre); it must fit in 250 pixels.</extracomment>
        <translation>芝諾利亞·奧爾坎特</translation>
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
        <translation>要開始新遊戲嗎？上次存檔之後的進度將會遺失。</translation>
    </message>
    <message>
        <source>言語：</source>
        <extracomment>Above the list of languages that Ctrl+L shows.</extracomment>
        <translation>語言：</translation>
    </message>
    <message>
        <source>次に起動したときから、ゲームは%1で表示されます。</source>
        <extracomment>After a new language is chosen with Ctrl+L: %1 is its name, in its own language.</extracomment>
        <translation>下次啟動時，遊戲將以%1顯示。</translation>
    </message>
</context>
</TS>
