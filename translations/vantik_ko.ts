<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>回避できそう</source>
        <extracomment>A hint after the player&apos;s evade roll reached 100: the attack may miss.</extracomment>
        <translation>피할 수 있을 것 같다</translation>
    </message>
    <message>
        <source>うまくいきそう</source>
        <extracomment>A hint after the player&apos;s spell roll reached 100: the spell may work.</extracomment>
        <translation>통할 것 같다</translation>
    </message>
    <message>
        <source>%1は策を見破った！</source>
        <extracomment>The player (%1, their name) resisted the enemy&apos;s spell.</extracomment>
        <translation>%1의 눈이 꼼수를 꿰뚫어 봤다!</translation>
    </message>
    <message>
        <source>%1は１点のダメージを食らった！</source>
        <extracomment>The player (%1, their name) loses one of their hit points (stars).</extracomment>
        <translation>%1에게 1의 대미지!</translation>
    </message>
    <message>
        <source>%1は陥れられた！\n 命中、回避、予測が減耗した！</source>
        <extracomment>The enemy&apos;s spell worked on the player (%1, their name): their hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>%1에게 꼼수가 먹혀들었다!\n 명중, 회피, 예측이 깎였다!</translation>
    </message>
    <message>
        <source>回避されそう</source>
        <extracomment>A hint after the enemy&apos;s evade roll reached 100: the player&apos;s attack may miss.</extracomment>
        <translation>빗나갈 것 같다</translation>
    </message>
    <message>
        <source>ハメられそう</source>
        <extracomment>A hint after the enemy&apos;s spell roll reached 100: its spell may catch the player.</extracomment>
        <translation>걸려들 것 같다</translation>
    </message>
    <message>
        <source>%1に見切られた！</source>
        <extracomment>The enemy (%1, its name) resisted the player&apos;s spell.</extracomment>
        <translation>%1에게 간파당했다!</translation>
    </message>
    <message>
        <source>%1に１点のダメージを与えた！</source>
        <extracomment>The player&apos;s attack cost the enemy (%1, its name) one hit point (star).</extracomment>
        <translation>%1에게 1의 대미지를 주었다!</translation>
    </message>
    <message>
        <source>%1を陥れた！\n 命中、回避、予測を減耗させた！</source>
        <extracomment>The player&apos;s spell worked on the enemy (%1, its name): its hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>%1의 허를 찔렀다!\n 명중, 회피, 예측을 깎아 냈다!</translation>
    </message>
    <message>
        <source>%1の命中%2＋%3＝%4</source>
        <extracomment>A hit roll&apos;s result: %1 the attacker&apos;s name, %2 its hit, %3 the dice, %4 the sum; 100 or more hits.</extracomment>
        <translation>%1의 명중 %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の攻撃……\n命中%2</source>
        <extracomment>An attack begins: %1 the attacker&apos;s name, %2 its hit, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1의 공격……\n명중 %2</translation>
    </message>
    <message>
        <source>%1の回避%2＋%3＝%4</source>
        <extracomment>An evade roll&apos;s result: %1 the defender&apos;s name, %2 its evade, %3 the dice, %4 the sum; 100 or more dodges the attack.</extracomment>
        <translation>%1의 회피 %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の回避%2</source>
        <extracomment>The defender (%1, its name) rolls to evade with its evade %2.</extracomment>
        <translation>%1의 회피 %2</translation>
    </message>
    <message>
        <source>%1の予測%2＋%3＝%4</source>
        <extracomment>A predict roll&apos;s result: %1 the attacker&apos;s name, %2 its predict, %3 the dice, %4 the sum; 100 or more lands the dodged attack after all.</extracomment>
        <translation>%1의 예측 %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の予測%2</source>
        <extracomment>The attacker (%1, its name) rolls its predict %2 against the dodge.</extracomment>
        <translation>%1의 예측 %2</translation>
    </message>
    <message>
        <source>%1の閃き%2＋%3＝%4</source>
        <extracomment>A spell roll&apos;s result: %1 the caster&apos;s name, %2 its flash, %3 the dice, %4 the sum; 100 or more casts the spell.</extracomment>
        <translation>%1의 번뜩임 %2+%3=%4</translation>
    </message>
    <message>
        <source>%1は奇策を弄した……\n閃き%2</source>
        <extracomment>A spell begins: %1 the caster&apos;s name, %2 its flash, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1의 꼼수……\n번뜩임 %2</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2＋%3＝%4</source>
        <extracomment>A resist roll&apos;s result: %1 the target&apos;s name, %2 its flash (resisting), %3 the dice, %4 the sum; 100 or more shakes off the spell.</extracomment>
        <translation>%1의 저항적 번뜩임 %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2</source>
        <extracomment>The target of a spell (%1, its name) rolls to resist with its flash %2.</extracomment>
        <translation>%1의 저항적 번뜩임 %2</translation>
    </message>
    <message>
        <source>外れた！</source>
        <extracomment>An attack or a spell came to nothing; the last line of its message.</extracomment>
        <translation>빗나갔다!</translation>
    </message>
    <message>
        <source>当たりそう</source>
        <extracomment>A hint after a hit roll reached 100: the attack may land, unless dodged.</extracomment>
        <translation>맞을 것 같다</translation>
    </message>
    <message>
        <source>殺すべきもの、%1があらわれた。</source>
        <extracomment>An enemy (%1, its name) appears: the first message of every fight.</extracomment>
        <translation>죽여야 할 것, %1 등장.</translation>
    </message>
    <message>
        <source>%1と%2とが対峙するよ。\n天運が予測を勘案して%3のイニシアティブ。</source>
        <extracomment>Who acts first: %1 the player&apos;s name, %2 the enemy&apos;s, %3 the name of the one whose predict (and fate) won the first move. Two lines.</extracomment>
        <translation>%1 대 %2, 서로 대치한다구.\n천운이 예측을 감안하여 %3의 이니셔티브.</translation>
    </message>
    <message>
        <source>と見せかけて逃げた。</source>
        <extracomment>The player fled before the fight began, as if to fight.</extracomment>
        <translation>덤비는 척하고 도망쳤다.</translation>
    </message>
    <message>
        <source>どうする？</source>
        <extracomment>The player&apos;s turn: what now?</extracomment>
        <translation>어떻게 할까?</translation>
    </message>
    <message>
        <source>逃げてーー！\nどっちかが大丈夫！</source>
        <extracomment>The player tries to escape: run! One of the two ways (the choices right and left) is safe. Two lines.</extracomment>
        <translation>도망쳐어어!\n둘 중 하나는 괜찮아!</translation>
    </message>
    <message>
        <source>逃げた成功した！</source>
        <extracomment>The escape worked. The Japanese runs two verbs together on purpose (&quot;fled succeeded&quot;); a plain cry of success reads better than a copied slip.</extracomment>
        <translation>무사히 도망쳤다!</translation>
    </message>
    <message>
        <source>逃げられない運命だった！</source>
        <extracomment>The escape failed: the enemy&apos;s turn follows.</extracomment>
        <translation>도망칠 수 없는 운명이었다!</translation>
    </message>
    <message>
        <source>%1を殺した！</source>
        <extracomment>The enemy (%1, its name) lost its last hit point.</extracomment>
        <translation>%1의 숨통을 끊었다!</translation>
    </message>
    <message>
        <source>%1はその手を%2にかけて、\n強引に名前を剥ぎ取った！</source>
        <extracomment>The player (%1, their name) takes the beaten boss&apos;s name (%2) as their own. Two lines.</extracomment>
        <translation>%1의 손이 %2에게 뻗어,\n이름을 억지로 뜯어냈다!</translation>
    </message>
    <message numerus="yes">
        <source>%1の%2が%n点上がった！</source>
        <extracomment>After a victory: the player&apos;s (%1, their name) stat %2 (a stat&apos;s name, or hit points) grew by %n points.</extracomment>
        <translation>
            <numerusform>%1의 %2, %n 상승!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1のからだを食べてむしゃむしゃむしゃ\nおいしいなあ\n%2のＨＰが%n点回復した。</source>
        <extracomment>After a victory: the player eats the beaten enemy (%1, its name) and the player (%2, their name) regains %n hit points. Three lines.</extracomment>
        <translation>
            <numerusform>%1의 몸을 먹는다 우걱우걱우걱\n맛있다아\n%2의 HP가 %n 회복됐다.</numerusform>
        </translation>
    </message>
    <message>
        <source>セーブできなかった。</source>
        <extracomment>Beating the save point&apos;s guard should have saved the game, but the save failed.</extracomment>
        <translation>세이브하지 못했다.</translation>
    </message>
    <message>
        <source>セーブをした。</source>
        <extracomment>Beating the save point&apos;s guard saved the game.</extracomment>
        <translation>세이브했다.</translation>
    </message>
    <message>
        <source>%1は殺された……</source>
        <extracomment>The player (%1, their name) lost their last hit point: the game is over.</extracomment>
        <translation>%1의 숨통이 끊겼다……</translation>
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
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>左</source>
        <extracomment>An escape&apos;s way out: left.</extracomment>
        <translation>왼쪽</translation>
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
        <translation>이 도움말 열기/닫기</translation>
    </message>
    <message>
        <source>このヘルプを閉じる</source>
        <extracomment>The help&apos;s keys list: what Escape does.</extracomment>
        <translation>이 도움말 닫기</translation>
    </message>
    <message>
        <source>新しいゲームを始める（セーブは新しいキャラクターがセーブするまでそのまま）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+N does: back to the title page for a new character; the save file stays until the new character saves.</extracomment>
        <translation>새 게임 시작(새 캐릭터가 세이브할 때까지 기존 세이브는 그대로)</translation>
    </message>
    <message>
        <source>終了（ウィンドウの閉じるボタンと同じ）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+Q does.</extracomment>
        <translation>종료(창의 닫기 버튼과 같음)</translation>
    </message>
    <message>
        <source>すべての音をオフ・オンにする（次回も覚えています）</source>
        <extracomment>The help&apos;s keys list: what M does.</extracomment>
        <translation>모든 소리 끄기/켜기(다음 실행 때도 기억함)</translation>
    </message>
    <message>
        <source>スクリーンリーダーで、両者の星と能力値を読み上げる</source>
        <extracomment>The help&apos;s keys list: what S does.</extracomment>
        <translation>스크린 리더로 양쪽의 별과 능력치 읽어 주기</translation>
    </message>
    <message>
        <source>&lt;h3&gt;目的&lt;/h3&gt; &lt;p&gt;戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。最後のボスを除き、倒したボスの名前はあなたのものになり、以後のメッセージではその名前があなたを指します。六人目と七人目のボスを倒すと、それぞれエンディングを迎えます。星がすべてなくなるとゲームオーバーです。&lt;/p&gt;</source>
        <extracomment>The help: the goal of the game, the bosses&apos; names and the endings. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;목적&lt;/h3&gt; &lt;p&gt;전투에서 이겨 캐릭터를 키우고, 보스 일곱 명을 차례로 쓰러뜨리세요. 마지막 보스를 제외하면 쓰러뜨린 보스의 이름은 당신의 것이 되고, 이후의 메시지에서는 그 이름이 당신을 가리킵니다. 여섯 번째와 일곱 번째 보스를 쓰러뜨리면 각각 엔딩을 맞이합니다. 별이 모두 없어지면 게임 오버입니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;画面と選択肢&lt;/h3&gt; &lt;p&gt;どの画面にもメッセージと、下に最大三つの選択肢があります。選択肢をクリックするか、Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、Shift+Tab と矢印キーで選択肢を移ります。一歩進むたびに、右端の選択肢にフォーカスが移ります。タイトル画面でどこかをクリックするか Enter キーかスペースキーを押すと、新しいキャラクターがランダムに作られます。「noar」で振り直し、「yest」で決めて序章に進みます（「≫」で次へ、「skipl」で飛ばします）。メインメニューでは「seeek」で敵を探し、「bosss!」で次のボスに挑み、「savie」でセーブポイントの番人と戦います。敵が現れたら「killl」で戦い、「escapo」で逃げます（必ず逃げられます）。自分の番には「attax」「magix」「escapy」から選びます。「escapy」では「右」と「左」の片方だけが逃げ道で、外れると敵の番です。&lt;/p&gt;</source>
        <extracomment>The help: how a page is played. The choices&apos; captions are kept as the game shows them, each quoted as the language quotes (「」 in Japanese); &quot;right&quot; and &quot;left&quot; are the escape&apos;s two ways out, named as the catalog&apos;s &quot;Choice&quot; entries 右 and 左 name them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;화면과 선택지&lt;/h3&gt; &lt;p&gt;모든 화면에는 메시지가 있고, 그 아래에 선택지가 최대 세 개 있습니다. 선택지를 클릭하거나, Enter 키나 스페이스 키로 포커스 테두리가 있는 선택지를 고릅니다. Tab, Shift+Tab과 방향키로 선택지 사이를 이동합니다. 한 단계 진행할 때마다 맨 오른쪽 선택지로 포커스가 옮겨 갑니다. 타이틀 화면에서 아무 곳이나 클릭하거나 Enter 키나 스페이스 키를 누르면 새 캐릭터가 무작위로 만들어집니다. ‘noar’로 다시 굴리고, ‘yest’로 확정하면 프롤로그로 넘어갑니다(‘≫’로 다음 줄을 보고, ‘skipl’로 건너뜁니다). 메인 메뉴에서는 ‘seeek’로 적을 찾고, ‘bosss!’로 다음 보스에게 도전하며, ‘savie’로 세이브 포인트의 파수꾼과 싸웁니다. 적이 나타나면 ‘killl’로 싸우고, ‘escapo’로 도망칩니다(반드시 도망칠 수 있습니다). 자기 차례에는 ‘attax’, ‘magix’, ‘escapy’ 중에서 고릅니다. ‘escapy’를 고르면 ‘오른쪽’과 ‘왼쪽’ 중 한쪽만 도망칠 길이며, 틀리면 적의 차례가 됩니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;五つの能力&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;命中&lt;/b&gt;：攻撃を当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;回避&lt;/b&gt;：当たりそうな攻撃をかわす力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;予測&lt;/b&gt;：先に動く見込みを高め、かわされた攻撃をそれでも当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;閃き&lt;/b&gt;：魔法（「magix」）をかけ、また防ぐ力。魔法をかけるたびに、成否にかかわらず、かけた側の閃きが一割下がります。防ぐ側の閃きは下がりません。&lt;/li&gt; &lt;li&gt;&lt;b&gt;理力&lt;/b&gt;：アイデアバーストの力。&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;判定では能力値にダイスの目を足し、合計が 100 以上なら成功です。攻撃では、まず攻め手が命中の判定をし、成功すると受け手が回避の判定をします。回避に失敗すれば攻撃が当たり、受け手の星が一つ減ります。回避されても、攻め手が予測の判定に成功すれば当たります。魔法では、かけた側が閃きの判定に成功し、相手が閃きの判定で防げなければ、相手の命中、回避、予測が三分の一下がります。魔法で星は減りません。&lt;/p&gt; &lt;p&gt;右があなた、左が敵の値です。灰色の値は、魔法をかけられたり、魔法をかけたり、アイデアバーストを使ったりして、元の値より下がっていることを示します。あなたの下がった値は次の戦いにも持ち越され、逃げても戻りません。勝てば元に戻ります。&lt;/p&gt;</source>
        <extracomment>The help: the five stats, named as the main page names them, and how a fight uses them. A roll (判定) is a stat plus the die against 100. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;다섯 가지 능력&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;명중&lt;/b&gt;: 공격을 맞히는 힘.&lt;/li&gt; &lt;li&gt;&lt;b&gt;회피&lt;/b&gt;: 맞을 것 같은 공격을 피하는 힘.&lt;/li&gt; &lt;li&gt;&lt;b&gt;예측&lt;/b&gt;: 먼저 움직일 가능성을 높이고, 회피당한 공격을 그래도 맞히는 힘.&lt;/li&gt; &lt;li&gt;&lt;b&gt;번뜩임&lt;/b&gt;: 마법(‘magix’)을 걸고, 또 막아 내는 힘. 마법을 걸 때마다 성공 여부와 관계없이 건 쪽의 번뜩임이 10분의 1 떨어집니다. 막는 쪽의 번뜩임은 떨어지지 않습니다.&lt;/li&gt; &lt;li&gt;&lt;b&gt;이성&lt;/b&gt;: 아이디어 버스트의 힘.&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;판정에서는 능력치에 주사위 눈을 더해 합계가 100 이상이면 성공입니다. 공격에서는 먼저 공격하는 쪽이 명중 판정을 하고, 성공하면 공격받는 쪽이 회피 판정을 합니다. 회피에 실패하면 공격이 맞아 공격받는 쪽의 별이 하나 줄어듭니다. 회피당하더라도 공격하는 쪽이 예측 판정에 성공하면 맞습니다. 마법에서는 건 쪽이 번뜩임 판정에 성공하고 상대가 번뜩임 판정으로 막지 못하면, 상대의 명중, 회피, 예측이 3분의 1 떨어집니다. 마법으로는 별이 줄지 않습니다.&lt;/p&gt; &lt;p&gt;오른쪽이 당신, 왼쪽이 적의 수치입니다. 회색 수치는 마법에 걸리거나, 마법을 걸거나, 아이디어 버스트를 써서 원래 값보다 낮아져 있다는 뜻입니다. 당신의 낮아진 수치는 다음 전투에도 이어지며, 도망쳐도 돌아오지 않습니다. 이기면 원래대로 돌아옵니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;星&lt;/h3&gt; &lt;p&gt;上の星はＨＰです。★が残り、☆が失った分です。右上があなた、左上が敵の星です。攻撃が当たると星が一つ減り、減った星は戦いに勝ったときにしか戻りません。&lt;/p&gt;</source>
        <extracomment>The help: what the stars at the top of the main page mean. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;별&lt;/h3&gt; &lt;p&gt;위쪽의 별은 HP입니다. ★이 남은 별, ☆이 잃은 별입니다. 오른쪽 위가 당신, 왼쪽 위가 적의 별입니다. 공격이 맞으면 별이 하나 줄고, 줄어든 별은 전투에서 이겼을 때만 돌아옵니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ダイスとアイデアバースト&lt;/h3&gt; &lt;p&gt;判定のたびにダイスが回り（0〜99）、「≫」を押すとその時の目で止まります。あなたのダイスは右下、敵のダイスは左下に出ます。あなたのダイスが回る間は、理力の右の「ib」に 28＋16 のような二つの数が出ます。左があなたの理力、右がバーストの目です。「ib」を押すと理力が一割下がり、下がった理力とその目の合計が 100 以上なら、ダイスが赤い＋100 で止まります。押せるのは一回の判定に一度だけです。敵も判定のたびに同じことを試みることがあり、そのときは敵の理力の左に 37＋ のような数が出ます。これは敵のバーストの目で、下がった敵の理力との合計が 100 以上なら、敵のダイスが赤い＋100 になります。&lt;/p&gt;</source>
        <extracomment>The help: the dice, where each side&apos;s shows, the Idea Burst button &quot;ib&quot; and the enemy&apos;s burst roll beside its Reason. 28＋16 and 37＋ are examples of the two, written as the catalog&apos;s &quot;Dice&quot; entries write them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;주사위와 아이디어 버스트&lt;/h3&gt; &lt;p&gt;판정할 때마다 주사위가 돌아가고(0~99), ‘≫’를 누르면 그 순간의 눈에서 멈춥니다. 당신의 주사위는 오른쪽 아래, 적의 주사위는 왼쪽 아래에 나옵니다. 당신의 주사위가 도는 동안에는 이성 오른쪽의 ‘ib’에 28+16 같은 두 수가 나옵니다. 왼쪽이 당신의 이성, 오른쪽이 버스트 눈입니다. ‘ib’를 누르면 이성이 10분의 1 떨어지고, 떨어진 이성과 그 눈의 합이 100 이상이면 주사위가 빨간 +100에서 멈춥니다. 한 번의 판정에 한 번만 누를 수 있습니다. 적도 판정할 때마다 같은 일을 시도할 때가 있으며, 그때는 적의 이성 왼쪽에 37+ 같은 수가 나옵니다. 이것은 적의 버스트 눈으로, 떨어진 적의 이성과의 합이 100 이상이면 적의 주사위가 빨간 +100이 됩니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;成長&lt;/h3&gt; &lt;p&gt;勝つと、「≫」を押すたびに、倒した敵より低い能力が一つずつ、敵の値に近づいて伸びます（差の十分の一、端数は切り上げ）。続いて、あなたの星に☆があれば、倒した敵の星の数を上限に★に戻ります。勝った時点で星がすべて★なら、回復のかわりに、倒した敵のほうが星が多ければ最大ＨＰが敵の星の数に近づいて増え、増えた星は空の☆で現れます。&lt;/p&gt;</source>
        <extracomment>The help: how the character grows and heals after a victory. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;성장&lt;/h3&gt; &lt;p&gt;이기면 ‘≫’를 누를 때마다, 쓰러뜨린 적보다 낮은 능력이 하나씩 적의 수치에 가까워지도록 오릅니다(차이의 10분의 1, 소수점 이하 올림). 이어서 당신의 별에 ☆이 있으면, 쓰러뜨린 적의 별 개수만큼까지 ★로 돌아옵니다. 이긴 시점에 별이 모두 ★이면 회복하는 대신, 쓰러뜨린 적의 별이 더 많을 경우 최대 HP가 적의 별 개수에 가까워지도록 늘어나고, 늘어난 별은 빈 ☆로 나타납니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;セーブ&lt;/h3&gt; &lt;p&gt;セーブポイントの番人（「savie」）に勝つとセーブされます。六人目のボスを倒した後のエンディングの最後にもセーブされます。次に起動すると、最後にセーブしたキャラクターでメインメニューから続きます。エンディングの後は選択肢が残らないので、ウィンドウを閉じてください。負けると残る選択肢は「gmov」だけで、押すとゲームが終了します。ゲームが終了すると、最後にセーブしてからの進み具合は失われます。&lt;/p&gt;</source>
        <extracomment>The help: how the game is saved, and what is lost when it ends. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;세이브&lt;/h3&gt; &lt;p&gt;세이브 포인트의 파수꾼(‘savie’)에게 이기면 세이브됩니다. 여섯 번째 보스를 쓰러뜨린 뒤의 엔딩 마지막에도 세이브됩니다. 다음에 실행하면 마지막으로 세이브한 캐릭터로 메인 메뉴에서 이어집니다. 엔딩 뒤에는 선택지가 남지 않으니 창을 닫아 주세요. 지면 남는 선택지는 ‘gmov’뿐이며, 누르면 게임이 종료됩니다. 게임이 종료되면 마지막으로 세이브한 뒤의 진행 상황은 사라집니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>The help&apos;s keys list: one item, %1 the keys&apos; names and %2 what they do.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>キー</source>
        <extracomment>The help: the heading of the keys&apos; list.</extracomment>
        <translation>키</translation>
    </message>
    <message>
        <source>フォーカスのある選択肢を選ぶ。タイトル画面では開始</source>
        <extracomment>The help&apos;s keys list: what Enter and Space do.</extracomment>
        <translation>포커스가 있는 선택지 고르기(타이틀 화면에서는 게임 시작)</translation>
    </message>
    <message>
        <source>次・前の選択肢と「ib」に移る</source>
        <extracomment>The help&apos;s keys list: what Tab and Shift+Tab do (&quot;ib&quot; is the Idea Burst button).</extracomment>
        <translation>다음·이전 선택지와 ‘ib’로 이동</translation>
    </message>
    <message>
        <source>右と下で次の選択肢、左と上で前の選択肢</source>
        <extracomment>The help&apos;s keys list: what the arrow keys do.</extracomment>
        <translation>오른쪽·아래는 다음 선택지로, 왼쪽·위는 이전 선택지로 이동</translation>
    </message>
    <message>
        <source>遊び方</source>
        <extracomment>The help window&apos;s caption and the help page&apos;s heading.</extracomment>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>音：オン（M キーでオフ）</source>
        <extracomment>The help&apos;s last line while sound is on.</extracomment>
        <translation>소리: 켜짐(M 키로 끄기)</translation>
    </message>
    <message>
        <source>音：オフ（M キーでオン）</source>
        <extracomment>The help&apos;s last line while sound is off.</extracomment>
        <translation>소리: 꺼짐(M 키로 켜기)</translation>
    </message>
    <message>
        <source>タイトル画面</source>
        <extracomment>What a screen reader calls the title page.</extracomment>
        <translation>타이틀 화면</translation>
    </message>
    <message>
        <source>クリックするか Enter キーかスペースキーで新しいゲームを始めます。F1 キーで遊び方を表示します。</source>
        <extracomment>What a screen reader says of the title page.</extracomment>
        <translation>클릭하거나 Enter 키 또는 스페이스 키를 누르면 새 게임을 시작합니다. F1 키를 누르면 게임 방법을 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>言語を選ぶ（次に起動したときから）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+L does: a list of the languages, each in its own name; the choice is kept and applies from the next start.</extracomment>
        <translation>언어 선택(다음 실행부터)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>風が冷たい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>바람이 차갑다.</translation>
    </message>
    <message>
        <source>遠くで鐘が鳴っている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>멀리서 종이 울리고 있다.</translation>
    </message>
    <message>
        <source>さいころが手の中で温かい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>손안의 주사위가 따뜻하다.</translation>
    </message>
    <message>
        <source>霧雨だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>이슬비가 내린다.</translation>
    </message>
    <message>
        <source>空がやけに低い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>하늘이 유난히 낮다.</translation>
    </message>
    <message>
        <source>どこかで誰かが笑った。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>어디선가 누군가 웃었다.</translation>
    </message>
    <message>
        <source>足元の影が少しだけ長い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>발밑의 그림자가 아주 조금 길다.</translation>
    </message>
    <message>
        <source>静かな夜だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>고요한 밤이다.</translation>
    </message>
    <message>
        <source>星がひとつ流れた。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>별 하나가 떨어졌다.</translation>
    </message>
    <message>
        <source>道はまだ続いている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>길은 아직 이어져 있다.</translation>
    </message>
    <message>
        <source>あなたが落としたのはこのステータスですか？</source>
        <extracomment>A new game: the freshly rolled character&apos;s stats are shown, and the player is asked (as the spirit of the fabled axe pond asks) whether these are the stats they dropped.</extracomment>
        <translation>당신이 떨어뜨린 것은 이 능력치입니까?</translation>
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
        <translation>졸</translation>
    </message>
    <message>
        <source>アルフ</source>
        <extracomment>The third boss&apos;s name.</extracomment>
        <translation>알프</translation>
    </message>
    <message>
        <source>ALPHA</source>
        <extracomment>The fourth boss&apos;s name.</extracomment>
        <translation>ALPHA</translation>
    </message>
    <message>
        <source>ヴェスカ</source>
        <extracomment>The fifth boss&apos;s name; also the game&apos;s name in the window&apos;s caption.</extracomment>
        <translation>베스카</translation>
    </message>
    <message>
        <source>roda</source>
        <extracomment>The sixth boss&apos;s name, which the first ending gives the player for good.</extracomment>
        <translation>roda</translation>
    </message>
    <message>
        <source>祖</source>
        <extracomment>The last boss&apos;s name (an ancestor, the origin of all).</extracomment>
        <translation>시조</translation>
    </message>
    <message>
        <source>あなた</source>
        <extracomment>The player&apos;s name until they take a boss&apos;s (the word &quot;you&quot;).</extracomment>
        <translation>당신</translation>
    </message>
    <message>
        <source>あいつ</source>
        <extracomment>An ordinary enemy&apos;s name (the word &quot;that one&quot;).</extracomment>
        <translation>저 녀석</translation>
    </message>
    <message>
        <source>セーブガード</source>
        <extracomment>The name of the guard of the save point.</extracomment>
        <translation>세이브가드</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>（save.datの読み込みに失敗しました。）</source>
        <extracomment>A message box at start-up: the save file (save.dat, a name to keep as it is) could not be read; the game starts anew.</extracomment>
        <translation>(save.dat 읽기에 실패했습니다.)</translation>
    </message>
    <message>
        <source>（save.datの内容が不適切です。）</source>
        <extracomment>A message box at start-up: the save file (save.dat) is damaged or was changed by hand (its check code does not match); the game starts anew.</extracomment>
        <translation>(save.dat의 내용이 올바르지 않습니다.)</translation>
    </message>
    <message>
        <source>（save.datの書き込みに失敗しました。）</source>
        <extracomment>A message box: the game could not be saved to save.dat (a full disk, say); the last save is kept.</extracomment>
        <translation>(save.dat 쓰기에 실패했습니다.)</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ＨＰと能力を振り直す。</source>
        <extracomment>Description of the status pick&apos;s &quot;noar&quot; button.</extracomment>
        <translation>HP와 능력치를 다시 굴립니다.</translation>
    </message>
    <message>
        <source>このキャラクターで始め、序章へ進む。</source>
        <extracomment>Description of the status pick&apos;s &quot;yest&quot; button.</extracomment>
        <translation>이 캐릭터로 시작하고 프롤로그로 넘어갑니다.</translation>
    </message>
    <message>
        <source>先へ進む。ダイスが回っていれば、見えている目で止める。</source>
        <extracomment>Description of the &quot;≫&quot; button, in stories and fights alike.</extracomment>
        <translation>다음으로 넘어갑니다. 주사위가 돌고 있으면 지금 보이는 눈에서 멈춥니다.</translation>
    </message>
    <message>
        <source>序章を飛ばしてメインメニューへ。</source>
        <extracomment>Description of the &quot;skipl&quot; button under the intro.</extracomment>
        <translation>프롤로그를 건너뛰고 메인 메뉴로 갑니다.</translation>
    </message>
    <message>
        <source>戦う相手を探す。</source>
        <extracomment>Description of the main menu&apos;s &quot;seeek&quot; button.</extracomment>
        <translation>싸울 상대를 찾습니다.</translation>
    </message>
    <message>
        <source>次のボスに挑む。</source>
        <extracomment>Description of the main menu&apos;s &quot;bosss!&quot; button.</extracomment>
        <translation>다음 보스에게 도전합니다.</translation>
    </message>
    <message>
        <source>セーブポイントの番人と戦う。勝つとセーブされる。</source>
        <extracomment>Description of the main menu&apos;s &quot;savie&quot; button.</extracomment>
        <translation>세이브 포인트의 파수꾼과 싸웁니다. 이기면 세이브됩니다.</translation>
    </message>
    <message>
        <source>戦う。予測が高いほど先に動きやすい。</source>
        <extracomment>Description of the &quot;killl&quot; button when an enemy appears.</extracomment>
        <translation>싸웁니다. 예측이 높을수록 먼저 움직이기 쉽습니다.</translation>
    </message>
    <message>
        <source>戦わずに逃げる。必ず逃げられる。</source>
        <extracomment>Description of the &quot;escapo&quot; button when an enemy appears.</extracomment>
        <translation>싸우지 않고 도망칩니다. 반드시 도망칠 수 있습니다.</translation>
    </message>
    <message>
        <source>攻撃する。命中とダイスの目の合計が100以上なら、敵が回避の判定をし、失敗すれば当たる。かわされても、予測とダイスの目の合計が100以上なら当たる。当たると敵の星が一つ減る。</source>
        <extracomment>Description of the &quot;attax&quot; button on the player&apos;s turn.</extracomment>
        <translation>공격합니다. 명중과 주사위 눈의 합이 100 이상이면 적이 회피 판정을 하고, 실패하면 맞습니다. 회피당해도 예측과 주사위 눈의 합이 100 이상이면 맞습니다. 맞으면 적의 별이 하나 줄어듭니다.</translation>
    </message>
    <message>
        <source>魔法をかける。成否にかかわらず、自分の閃きが一割下がる。閃きとダイスの目の合計が100以上で、敵が閃きの判定で防げなければ、敵の命中、回避、予測が三分の一下がる。星は減らない。</source>
        <extracomment>Description of the &quot;magix&quot; button on the player&apos;s turn.</extracomment>
        <translation>마법을 겁니다. 성공 여부와 관계없이 자신의 번뜩임이 10분의 1 떨어집니다. 번뜩임과 주사위 눈의 합이 100 이상이고 적이 번뜩임 판정으로 막지 못하면, 적의 명중, 회피, 예측이 3분의 1 떨어집니다. 별은 줄지 않습니다.</translation>
    </message>
    <message>
        <source>逃げ道を探す。右と左の片方だけが逃げ道で、外れると敵の番になる。</source>
        <extracomment>Description of the &quot;escapy&quot; button on the player&apos;s turn.</extracomment>
        <translation>도망칠 길을 찾습니다. 오른쪽과 왼쪽 중 한쪽만 도망칠 길이며, 틀리면 적의 차례가 됩니다.</translation>
    </message>
    <message>
        <source>右へ逃げる。</source>
        <extracomment>Description of the right-hand way out after &quot;escapy&quot;.</extracomment>
        <translation>오른쪽으로 도망칩니다.</translation>
    </message>
    <message>
        <source>左へ逃げる。</source>
        <extracomment>Description of the left-hand way out after &quot;escapy&quot;.</extracomment>
        <translation>왼쪽으로 도망칩니다.</translation>
    </message>
    <message>
        <source>ゲームを終了する。最後にセーブしてからの進み具合は失われる。</source>
        <extracomment>Description of the &quot;gmov&quot; button after a defeat.</extracomment>
        <translation>게임을 종료합니다. 마지막으로 세이브한 뒤의 진행 상황은 사라집니다.</translation>
    </message>
    <message>
        <source>%1：%2、元の%3から下がっている。</source>
        <extracomment>Spoken by the state key: a stat worn down in the fight. %1 is the stat&apos;s name, %2 its value now, %3 the value it returns to.</extracomment>
        <translation>%1: %2, 원래 %3에서 낮아져 있습니다.</translation>
    </message>
    <message>
        <source>%1：%2。</source>
        <extracomment>Spoken by the state key: one stat. %1 is its name, %2 its value.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>アイデアバースト。左の数は理力、右の数はバーストの目。押すと理力が一割下がり、下がった理力と目の合計が100以上なら、ダイスが＋100で止まる。一回の判定に一度だけ押せる。</source>
        <extracomment>Description of the &quot;ib&quot; button, whose caption becomes two numbers such as 28＋16 while the player&apos;s dice roll.</extracomment>
        <translation>아이디어 버스트. 왼쪽 수는 이성, 오른쪽 수는 버스트 눈입니다. 누르면 이성이 10분의 1 떨어지고, 떨어진 이성과 눈의 합이 100 이상이면 주사위가 +100에서 멈춥니다. 한 번의 판정에 한 번만 누를 수 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>あなた：星%n個のうち%1個。</source>
        <extracomment>Spoken by the state key: the player&apos;s HP as stars. %1 is the stars left, %n all the player&apos;s stars.</extracomment>
        <translation>
            <numerusform>당신: 별 %n개 중 %1개.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>敵、%1：星%n個のうち%2個。</source>
        <extracomment>Spoken by the state key: the enemy&apos;s hit points as stars. %1 is the enemy&apos;s name, %2 its stars left, %n all its stars.</extracomment>
        <translation>
            <numerusform>적 %1: 별 %n개 중 %2개.</numerusform>
        </translation>
    </message>
    <message>
        <source>敵はいない。</source>
        <extracomment>Spoken by the state key when no enemy is shown.</extracomment>
        <translation>적이 없습니다.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>このフォルダー（%1）では、すでにこのゲームが動いていて応答しません。別のセッションか、このフォルダーを共有する別のコンピューターで動いています。ひとつのフォルダーで同時に動かせるのはひとつだけです。</source>
        <extracomment>A message box at start-up: another copy of this game holds this folder (%1) and does not answer, so this one cannot start.</extracomment>
        <translation>이 폴더(%1)에서 이미 이 게임이 실행 중이며 응답하지 않습니다. 다른 세션에서, 또는 이 폴더를 공유하는 다른 컴퓨터에서 실행 중입니다. 한 폴더에서는 한 번에 하나의 게임만 실행할 수 있습니다.</translation>
    </message>
    <message>
        <source>データファイルを読み込めないため、ゲームを始められません。（%1）</source>
        <extracomment>A message box at start-up: a file of the game&apos;s data folder is missing or damaged, so the game cannot start. %1 names the file and what is wrong with it, in English.</extracomment>
        <translation>데이터 파일을 읽을 수 없어 게임을 시작할 수 없습니다. (%1)</translation>
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
        <translation>명중</translation>
    </message>
    <message>
        <source>回避</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>회피</translation>
    </message>
    <message>
        <source>予測</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>예측</translation>
    </message>
    <message>
        <source>閃き</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>번뜩임</translation>
    </message>
    <message>
        <source>理力</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>이성</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>名もなく、形もなく、</source>
        <extracomment>The intro, line 1 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>이름도 없이, 형체도 없이,</translation>
    </message>
    <message>
        <source>ただ五つの数だけを抱えて目を覚ましたもの。</source>
        <extracomment>The intro, line 2 of 19, one a click.</extracomment>
        <translation>그저 다섯 개의 수만 품은 채 눈을 뜬 존재.</translation>
    </message>
    <message>
        <source>それがあなた。</source>
        <extracomment>The intro, line 3 of 19, one a click.</extracomment>
        <translation>그것이 당신.</translation>
    </message>
    <message>
        <source>命中、回避、予測、閃き、理力、</source>
        <extracomment>The intro, line 4 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>명중, 회피, 예측, 번뜩임, 이성,</translation>
    </message>
    <message>
        <source>その数があなたのすべてを物語っている。</source>
        <extracomment>The intro, line 5 of 19, one a click.</extracomment>
        <translation>그 수들이 당신의 모든 것을 말해 준다.</translation>
    </message>
    <message>
        <source>けれど数は、</source>
        <extracomment>The intro, line 6 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>하지만 수는</translation>
    </message>
    <message>
        <source>あなたがどこから来たのかを教えてはくれない。</source>
        <extracomment>The intro, line 7 of 19, one a click.</extracomment>
        <translation>당신이 어디에서 왔는지 알려 주지 않는다.</translation>
    </message>
    <message>
        <source>百の目を持つさいころが、行く末を決めるだけ。</source>
        <extracomment>The intro, line 8 of 19, one a click.</extracomment>
        <translation>백 개의 눈을 가진 주사위가 앞날을 정할 뿐.</translation>
    </message>
    <message>
        <source>勝てば相手の力がわずかに身に染み、</source>
        <extracomment>The intro, line 9 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>이기면 상대의 힘이 조금 몸에 스며들고,</translation>
    </message>
    <message>
        <source>負ければ、</source>
        <extracomment>The intro, line 10 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>지면,</translation>
    </message>
    <message>
        <source>それでおしまい。</source>
        <extracomment>The intro, line 11 of 19, one a click.</extracomment>
        <translation>그걸로 끝.</translation>
    </message>
    <message>
        <source>霧の向こうでは七つの影があなたを待っていて、</source>
        <extracomment>The intro, line 12 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>안개 너머에서는 일곱 그림자가 당신을 기다리고 있고,</translation>
    </message>
    <message>
        <source>打ち倒した影の名は、</source>
        <extracomment>The intro, line 13 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>쓰러뜨린 그림자의 이름은</translation>
    </message>
    <message>
        <source>ひとつずつあなたのものになる。</source>
        <extracomment>The intro, line 14 of 19, one a click.</extracomment>
        <translation>하나씩 당신의 것이 된다.</translation>
    </message>
    <message>
        <source>借りものの名を重ねて、</source>
        <extracomment>The intro, line 15 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>빌린 이름을 겹겹이 쌓아,</translation>
    </message>
    <message>
        <source>いつか、</source>
        <extracomment>The intro, line 16 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>언젠가</translation>
    </message>
    <message>
        <source>本当の自分の名にたどり着けるかもしれない。</source>
        <extracomment>The intro, line 17 of 19, one a click.</extracomment>
        <translation>진정한 자신의 이름에 다다를 수 있을지도 모른다.</translation>
    </message>
    <message>
        <source>さあ、さいころを握って。</source>
        <extracomment>The intro, line 18 of 19, one a click.</extracomment>
        <translation>자, 주사위를 쥐어 봐.</translation>
    </message>
    <message>
        <source>あなたの物語が、いま転がりはじめる。</source>
        <extracomment>The intro, line 19 of 19, one a click.</extracomment>
        <translation>당신의 이야기가 지금 굴러가기 시작한다.</translation>
    </message>
    <message>
        <source>roda。</source>
        <extracomment>The first ending, line 1 of 2: the player keeps the name roda for good.</extracomment>
        <translation>roda.</translation>
    </message>
    <message>
        <source>それが、ようやく手にしたあなた自身の名前。</source>
        <extracomment>The first ending, line 2 of 2.</extracomment>
        <translation>그것이 마침내 손에 넣은 당신 자신의 이름.</translation>
    </message>
    <message>
        <source>≪祖≫を討ったrodaの前に、もう道はなかった。</source>
        <extracomment>The second ending, line 1 of 12, told from outside after the last boss.</extracomment>
        <translation>《시조》를 쓰러뜨린 roda의 앞에는 더 이상 길이 없었다.</translation>
    </message>
    <message>
        <source>霧は晴れ、数も星も静かに消えていく。</source>
        <extracomment>The second ending, line 2 of 12, told from outside after the last boss.</extracomment>
        <translation>안개가 걷히고, 수도 별도 조용히 사라져 간다.</translation>
    </message>
    <message>
        <source>rodaがたどり着いたのは≪行き止まり≫。</source>
        <extracomment>The second ending, line 3 of 12, told from outside after the last boss.</extracomment>
        <translation>roda가 다다른 곳은 《막다른 길》.</translation>
    </message>
    <message>
        <source>それでもrodaは歩みを止めなかった。</source>
        <extracomment>The second ending, line 4 of 12, told from outside after the last boss.</extracomment>
        <translation>그래도 roda는 걸음을 멈추지 않았다.</translation>
    </message>
    <message>
        <source>借りてきた名をひとつずつ霧へ返しながら、</source>
        <extracomment>The second ending, line 5 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>빌려 온 이름을 하나씩 안개에 돌려주며,</translation>
    </message>
    <message>
        <source>rodaは壁の向こうから呼ぶ声を聞いた。</source>
        <extracomment>The second ending, line 6 of 12, told from outside after the last boss.</extracomment>
        <translation>roda는 벽 너머에서 부르는 목소리를 들었다.</translation>
    </message>
    <message>
        <source>「roda、ここは終わりのさらに先。</source>
        <extracomment>The second ending, line 7 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“roda, 여기는 끝의 그 너머.</translation>
    </message>
    <message>
        <source>「振るさいころも、奪う名も、もう残っていない。</source>
        <extracomment>The second ending, line 8 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“굴릴 주사위도, 빼앗을 이름도 이제 남아 있지 않다.</translation>
    </message>
    <message>
        <source>「それでも進むなら、≪デッド・エンド≫を越えてゆけ。</source>
        <extracomment>The second ending, line 9 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“그래도 나아가겠다면 《데드 엔드》를 넘어가라.</translation>
    </message>
    <message>
        <source>「まだ誰も振ったことのない目が、そこにある。」</source>
        <extracomment>The second ending, line 10 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>“아직 아무도 굴려 본 적 없는 눈이 거기에 있다.”</translation>
    </message>
    <message>
        <source>rodaは、</source>
        <extracomment>The second ending, line 11 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>roda는</translation>
    </message>
    <message>
        <source>笑って壁を越えた。</source>
        <extracomment>The second ending, line 12 of 12, told from outside after the last boss.</extracomment>
        <translation>웃으며 벽을 넘었다.</translation>
    </message>
    <message>
        <source>★&#x3000;おしまエンド&#x3000;★</source>
        <extracomment>The last words of the first ending (a pun on &quot;the end&quot;); the game stops there.</extracomment>
        <translation>★&#x3000;끝엔드&#x3000;★</translation>
    </message>
    <message>
        <source>★★★&#x3000;オーバー・デッド・エンド&#x3000;★★★</source>
        <extracomment>The last words of the second ending (&quot;over dead end&quot;); the game stops there.</extracomment>
        <translation>★★★&#x3000;오버 데드 엔드&#x3000;★★★</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>ゼノリア・オルカント</source>
        <extracomment>The title page&apos;s picture: the game&apos;s title, drawn in 20-pixel italics in a fixed place (its left edge at the picture&apos;s centre); it must fit in 250 pixels.</extracomment>
        <translation>제노리아 오르칸트</translation>
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
        <translation>새 게임을 시작하시겠습니까? 마지막 세이브 이후의 진행 상황은 사라집니다.</translation>
    </message>
    <message>
        <source>言語：</source>
        <extracomment>Above the list of languages that Ctrl+L shows.</extracomment>
        <translation>언어:</translation>
    </message>
    <message>
        <source>次に起動したときから、ゲームは%1で表示されます。</source>
        <extracomment>After a new language is chosen with Ctrl+L: %1 is its name, in its own language.</extracomment>
        <translation>다음 실행부터 게임이 %1(으)로 표시됩니다.</translation>
    </message>
</context>
</TS>
