<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ja">
<context>
    <name>Battle</name>
    <message>
        <source>回避できそう</source>
        <extracomment>A hint after the player&apos;s evade roll reached 100: the attack may miss.</extracomment>
        <translation>Forse lo schivi</translation>
    </message>
    <message>
        <source>うまくいきそう</source>
        <extracomment>A hint after the player&apos;s spell roll reached 100: the spell may work.</extracomment>
        <translation>Forse funziona</translation>
    </message>
    <message>
        <source>%1は策を見破った！</source>
        <extracomment>The player (%1, their name) resisted the enemy&apos;s spell.</extracomment>
        <translation>%1 smaschera il tranello!</translation>
    </message>
    <message>
        <source>%1は１点のダメージを食らった！</source>
        <extracomment>The player (%1, their name) loses one of their hit points (stars).</extracomment>
        <translation>%1 subisce 1 danno!</translation>
    </message>
    <message>
        <source>%1は陥れられた！\n 命中、回避、予測が減耗した！</source>
        <extracomment>The enemy&apos;s spell worked on the player (%1, their name): their hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>%1 cade nel tranello!\n Mira, Riflessi e Istinto calano di un terzo!</translation>
    </message>
    <message>
        <source>回避されそう</source>
        <extracomment>A hint after the enemy&apos;s evade roll reached 100: the player&apos;s attack may miss.</extracomment>
        <translation>Forse lo schiva</translation>
    </message>
    <message>
        <source>ハメられそう</source>
        <extracomment>A hint after the enemy&apos;s spell roll reached 100: its spell may catch the player.</extracomment>
        <translation>Puzza di trappola</translation>
    </message>
    <message>
        <source>%1に見切られた！</source>
        <extracomment>The enemy (%1, its name) resisted the player&apos;s spell.</extracomment>
        <translation>%1 non ci casca!</translation>
    </message>
    <message>
        <source>%1に１点のダメージを与えた！</source>
        <extracomment>The player&apos;s attack cost the enemy (%1, its name) one hit point (star).</extracomment>
        <translation>Infliggi 1 danno a %1!</translation>
    </message>
    <message>
        <source>%1を陥れた！\n 命中、回避、予測を減耗させた！</source>
        <extracomment>The player&apos;s spell worked on the enemy (%1, its name): its hit, evade and predict fall by a third. Two lines.</extracomment>
        <translation>%1 cade nel tuo tranello!\n Mira, Riflessi e Istinto calano di un terzo!</translation>
    </message>
    <message>
        <source>%1の命中%2＋%3＝%4</source>
        <extracomment>A hit roll&apos;s result: %1 the attacker&apos;s name, %2 its hit, %3 the dice, %4 the sum; 100 or more hits.</extracomment>
        <translation>Mira di %1: %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の攻撃……\n命中%2</source>
        <extracomment>An attack begins: %1 the attacker&apos;s name, %2 its hit, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1 attacca…\nMira %2</translation>
    </message>
    <message>
        <source>%1の回避%2＋%3＝%4</source>
        <extracomment>An evade roll&apos;s result: %1 the defender&apos;s name, %2 its evade, %3 the dice, %4 the sum; 100 or more dodges the attack.</extracomment>
        <translation>Riflessi di %1: %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の回避%2</source>
        <extracomment>The defender (%1, its name) rolls to evade with its evade %2.</extracomment>
        <translation>Riflessi di %1: %2</translation>
    </message>
    <message>
        <source>%1の予測%2＋%3＝%4</source>
        <extracomment>A predict roll&apos;s result: %1 the attacker&apos;s name, %2 its predict, %3 the dice, %4 the sum; 100 or more lands the dodged attack after all.</extracomment>
        <translation>Istinto di %1: %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の予測%2</source>
        <extracomment>The attacker (%1, its name) rolls its predict %2 against the dodge.</extracomment>
        <translation>Istinto di %1: %2</translation>
    </message>
    <message>
        <source>%1の閃き%2＋%3＝%4</source>
        <extracomment>A spell roll&apos;s result: %1 the caster&apos;s name, %2 its flash, %3 the dice, %4 the sum; 100 or more casts the spell.</extracomment>
        <translation>Estro di %1: %2+%3=%4</translation>
    </message>
    <message>
        <source>%1は奇策を弄した……\n閃き%2</source>
        <extracomment>A spell begins: %1 the caster&apos;s name, %2 its flash, which the dice now rolling will be added to. Two lines.</extracomment>
        <translation>%1 trama un tranello…\nEstro %2</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2＋%3＝%4</source>
        <extracomment>A resist roll&apos;s result: %1 the target&apos;s name, %2 its flash (resisting), %3 the dice, %4 the sum; 100 or more shakes off the spell.</extracomment>
        <translation>Estro difensivo di %1: %2+%3=%4</translation>
    </message>
    <message>
        <source>%1の抵抗的閃き%2</source>
        <extracomment>The target of a spell (%1, its name) rolls to resist with its flash %2.</extracomment>
        <translation>Estro difensivo di %1: %2</translation>
    </message>
    <message>
        <source>外れた！</source>
        <extracomment>An attack or a spell came to nothing; the last line of its message.</extracomment>
        <translation>A vuoto!</translation>
    </message>
    <message>
        <source>当たりそう</source>
        <extracomment>A hint after a hit roll reached 100: the attack may land, unless dodged.</extracomment>
        <translation>Pare che vada a segno</translation>
    </message>
    <message>
        <source>殺すべきもの、%1があらわれた。</source>
        <extracomment>An enemy (%1, its name) appears: the first message of every fight.</extracomment>
        <translation>Ecco %1: qualcosa da uccidere.</translation>
    </message>
    <message>
        <source>%1と%2とが対峙するよ。\n天運が予測を勘案して%3のイニシアティブ。</source>
        <extracomment>Who acts first: %1 the player&apos;s name, %2 the enemy&apos;s, %3 the name of the one whose predict (and fate) won the first move. Two lines.</extracomment>
        <translation>%1 e %2 si fronteggiano.\nIl destino soppesa l&apos;Istinto: l&apos;iniziativa va a %3.</translation>
    </message>
    <message>
        <source>と見せかけて逃げた。</source>
        <extracomment>The player fled before the fight began, as if to fight.</extracomment>
        <translation>Fai finta di attaccare… e te la dai a gambe.</translation>
    </message>
    <message>
        <source>どうする？</source>
        <extracomment>The player&apos;s turn: what now?</extracomment>
        <translation>Che fai?</translation>
    </message>
    <message>
        <source>逃げてーー！\nどっちかが大丈夫！</source>
        <extracomment>The player tries to escape: run! One of the two ways (the choices right and left) is safe. Two lines.</extracomment>
        <translation>Scappaaa!!\nUna delle due va bene!</translation>
    </message>
    <message>
        <source>逃げた成功した！</source>
        <extracomment>The escape worked. The Japanese runs two verbs together on purpose (&quot;fled succeeded&quot;); a plain cry of success reads better than a copied slip.</extracomment>
        <translation>Fuga riuscita!</translation>
    </message>
    <message>
        <source>逃げられない運命だった！</source>
        <extracomment>The escape failed: the enemy&apos;s turn follows.</extracomment>
        <translation>Era destino: niente fuga!</translation>
    </message>
    <message>
        <source>%1を殺した！</source>
        <extracomment>The enemy (%1, its name) lost its last hit point.</extracomment>
        <translation>Hai ucciso %1!</translation>
    </message>
    <message>
        <source>%1はその手を%2にかけて、\n強引に名前を剥ぎ取った！</source>
        <extracomment>The player (%1, their name) takes the beaten boss&apos;s name (%2) as their own. Two lines.</extracomment>
        <translation>%1 mette le mani addosso a %2\ne ne strappa via il nome con la forza!</translation>
    </message>
    <message numerus="yes">
        <source>%1の%2が%n点上がった！</source>
        <extracomment>After a victory: the player&apos;s (%1, their name) stat %2 (a stat&apos;s name, or hit points) grew by %n points.</extracomment>
        <translation>
            <numerusform>%1 guadagna %n punto di %2!</numerusform>
            <numerusform>%1 guadagna %n punti di %2!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1のからだを食べてむしゃむしゃむしゃ\nおいしいなあ\n%2のＨＰが%n点回復した。</source>
        <extracomment>After a victory: the player eats the beaten enemy (%1, its name) and the player (%2, their name) regains %n hit points. Three lines.</extracomment>
        <translation>
            <numerusform>Mangi il corpo di %1, gnam gnam gnam\nche buono\n%2 recupera %n PV.</numerusform>
            <numerusform>Mangi il corpo di %1, gnam gnam gnam\nche buono\n%2 recupera %n PV.</numerusform>
        </translation>
    </message>
    <message>
        <source>セーブできなかった。</source>
        <extracomment>Beating the save point&apos;s guard should have saved the game, but the save failed.</extracomment>
        <translation>Salvataggio non riuscito.</translation>
    </message>
    <message>
        <source>セーブをした。</source>
        <extracomment>Beating the save point&apos;s guard saved the game.</extracomment>
        <translation>Partita salvata.</translation>
    </message>
    <message>
        <source>%1は殺された……</source>
        <extracomment>The player (%1, their name) lost their last hit point: the game is over.</extracomment>
        <translation>È la fine per %1…</translation>
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
        <translation>destra</translation>
    </message>
    <message>
        <source>左</source>
        <extracomment>An escape&apos;s way out: left.</extracomment>
        <translation>sinistra</translation>
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
        <translation>apre o chiude questa guida</translation>
    </message>
    <message>
        <source>このヘルプを閉じる</source>
        <extracomment>The help&apos;s keys list: what Escape does.</extracomment>
        <translation>chiude questa guida</translation>
    </message>
    <message>
        <source>新しいゲームを始める（セーブは新しいキャラクターがセーブするまでそのまま）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+N does: back to the title page for a new character; the save file stays until the new character saves.</extracomment>
        <translation>inizia una nuova partita (il salvataggio resta com&apos;è finché il nuovo personaggio non salva)</translation>
    </message>
    <message>
        <source>終了（ウィンドウの閉じるボタンと同じ）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+Q does.</extracomment>
        <translation>esce dal gioco, come il pulsante di chiusura della finestra</translation>
    </message>
    <message>
        <source>すべての音をオフ・オンにする（次回も覚えています）</source>
        <extracomment>The help&apos;s keys list: what M does.</extracomment>
        <translation>attiva o disattiva tutto l&apos;audio (la scelta viene ricordata)</translation>
    </message>
    <message>
        <source>スクリーンリーダーで、両者の星と能力値を読み上げる</source>
        <extracomment>The help&apos;s keys list: what S does.</extracomment>
        <translation>fa leggere allo screen reader le stelle e le statistiche tue e del nemico</translation>
    </message>
    <message>
        <source>&lt;h3&gt;目的&lt;/h3&gt; &lt;p&gt;戦いに勝ってキャラクターを育て、七人のボスを順に倒しましょう。最後のボスを除き、倒したボスの名前はあなたのものになり、以後のメッセージではその名前があなたを指します。六人目と七人目のボスを倒すと、それぞれエンディングを迎えます。星がすべてなくなるとゲームオーバーです。&lt;/p&gt;</source>
        <extracomment>The help: the goal of the game, the bosses&apos; names and the endings. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Obiettivo&lt;/h3&gt; &lt;p&gt;Vinci i combattimenti per far crescere il tuo personaggio e sconfiggi uno dopo l&apos;altro i sette boss. Tutti tranne l&apos;ultimo ti cedono il loro nome, e da quel momento i messaggi ti chiamano così. Sconfiggere il sesto boss porta a un finale, e sconfiggere il settimo a un altro. Se perdi tutte le stelle, la partita è finita.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;画面と選択肢&lt;/h3&gt; &lt;p&gt;どの画面にもメッセージと、下に最大三つの選択肢があります。選択肢をクリックするか、Enter キーかスペースキーでフォーカス枠のある選択肢を選びます。Tab、Shift+Tab と矢印キーで選択肢を移ります。一歩進むたびに、右端の選択肢にフォーカスが移ります。タイトル画面でどこかをクリックするか Enter キーかスペースキーを押すと、新しいキャラクターがランダムに作られます。「noar」で振り直し、「yest」で決めて序章に進みます（「≫」で次へ、「skipl」で飛ばします）。メインメニューでは「seeek」で敵を探し、「bosss!」で次のボスに挑み、「savie」でセーブポイントの番人と戦います。敵が現れたら「killl」で戦い、「escapo」で逃げます（必ず逃げられます）。自分の番には「attax」「magix」「escapy」から選びます。「escapy」では「右」と「左」の片方だけが逃げ道で、外れると敵の番です。&lt;/p&gt;</source>
        <extracomment>The help: how a page is played. The choices&apos; captions are kept as the game shows them, each quoted as the language quotes (「」 in Japanese); &quot;right&quot; and &quot;left&quot; are the escape&apos;s two ways out, named as the catalog&apos;s &quot;Choice&quot; entries 右 and 左 name them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Schermate e opzioni&lt;/h3&gt; &lt;p&gt;Ogni schermata mostra un messaggio e, sotto, fino a tre opzioni. Fai clic su un&apos;opzione, oppure premi Invio o Spazio per scegliere quella con la cornice del focus; Tab, Shift+Tab e i tasti freccia spostano da un&apos;opzione all&apos;altra. Dopo ogni passo il focus va sull&apos;opzione più a destra. Nella schermata del titolo, fai clic in un punto qualsiasi o premi Invio o Spazio per creare un personaggio a caso: «noar» ne crea un altro, «yest» lo tiene e avvia il prologo («≫» va avanti, «skipl» lo salta). Nel menu principale, «seeek» cerca un nemico, «bosss!» sfida il boss successivo e «savie» ti fa affrontare il guardiano del punto di salvataggio. Quando appare un nemico, «killl» combatte e «escapo» fugge, cosa che riesce sempre. Nel tuo turno scegli tra «attax», «magix» e «escapy». Dopo «escapy» solo una delle due direzioni, «destra» o «sinistra», è una via d&apos;uscita; l&apos;altra passa il turno al nemico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;五つの能力&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;命中&lt;/b&gt;：攻撃を当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;回避&lt;/b&gt;：当たりそうな攻撃をかわす力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;予測&lt;/b&gt;：先に動く見込みを高め、かわされた攻撃をそれでも当てる力。&lt;/li&gt; &lt;li&gt;&lt;b&gt;閃き&lt;/b&gt;：魔法（「magix」）をかけ、また防ぐ力。魔法をかけるたびに、成否にかかわらず、かけた側の閃きが一割下がります。防ぐ側の閃きは下がりません。&lt;/li&gt; &lt;li&gt;&lt;b&gt;理力&lt;/b&gt;：アイデアバーストの力。&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;判定では能力値にダイスの目を足し、合計が 100 以上なら成功です。攻撃では、まず攻め手が命中の判定をし、成功すると受け手が回避の判定をします。回避に失敗すれば攻撃が当たり、受け手の星が一つ減ります。回避されても、攻め手が予測の判定に成功すれば当たります。魔法では、かけた側が閃きの判定に成功し、相手が閃きの判定で防げなければ、相手の命中、回避、予測が三分の一下がります。魔法で星は減りません。&lt;/p&gt; &lt;p&gt;右があなた、左が敵の値です。灰色の値は、魔法をかけられたり、魔法をかけたり、アイデアバーストを使ったりして、元の値より下がっていることを示します。あなたの下がった値は次の戦いにも持ち越され、逃げても戻りません。勝てば元に戻ります。&lt;/p&gt;</source>
        <extracomment>The help: the five stats, named as the main page names them, and how a fight uses them. A roll (判定) is a stat plus the die against 100. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Le cinque statistiche&lt;/h3&gt; &lt;ul&gt; &lt;li&gt;&lt;b&gt;Mira&lt;/b&gt;: manda a segno i tuoi attacchi.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Riflessi&lt;/b&gt;: schivano un attacco che andrebbe a segno.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Istinto&lt;/b&gt;: aumenta la probabilità di agire prima dell&apos;avversario e può mandare a segno un attacco schivato.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Estro&lt;/b&gt;: serve a lanciare incantesimi («magix») e a resistervi. Ogni incantesimo fa calare di un decimo l&apos;Estro di chi lo lancia, che riesca o no; resistere non costa nulla.&lt;/li&gt; &lt;li&gt;&lt;b&gt;Mente&lt;/b&gt;: alimenta la Raffica di Idee.&lt;/li&gt; &lt;/ul&gt; &lt;p&gt;Un tiro somma il dado a una statistica e riesce se il totale arriva a 100 o più. In un attacco, per prima cosa l&apos;attaccante fa un tiro di Mira; se riesce, il difensore fa un tiro di Riflessi. Se questo fallisce, l&apos;attacco va a segno e il difensore perde una stella; se riesce, l&apos;attaccante può ancora andare a segno con un tiro di Istinto. In un incantesimo, chi lo lancia fa un tiro di Estro; se riesce e il bersaglio non vi resiste con il proprio tiro di Estro, Mira, Riflessi e Istinto del bersaglio calano di un terzo. Gli incantesimi non tolgono stelle.&lt;/p&gt; &lt;p&gt;I tuoi valori sono a destra, quelli del nemico a sinistra. Un valore in grigio è sotto il suo valore base: l&apos;ha abbassato un incantesimo ricevuto, un incantesimo lanciato o una Raffica di Idee. I tuoi valori abbassati restano tali anche nel combattimento successivo e la fuga non li ripristina; tornano normali dopo una vittoria.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;星&lt;/h3&gt; &lt;p&gt;上の星はＨＰです。★が残り、☆が失った分です。右上があなた、左上が敵の星です。攻撃が当たると星が一つ減り、減った星は戦いに勝ったときにしか戻りません。&lt;/p&gt;</source>
        <extracomment>The help: what the stars at the top of the main page mean. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Stelle&lt;/h3&gt; &lt;p&gt;Le stelle in alto sono i PV: ★ quelle rimaste, ☆ quelle perse. Le tue sono in alto a destra, quelle del nemico in alto a sinistra. Ogni attacco andato a segno toglie una stella, e le stelle perse tornano solo dopo una vittoria.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ダイスとアイデアバースト&lt;/h3&gt; &lt;p&gt;判定のたびにダイスが回り（0〜99）、「≫」を押すとその時の目で止まります。あなたのダイスは右下、敵のダイスは左下に出ます。あなたのダイスが回る間は、理力の右の「ib」に 28＋16 のような二つの数が出ます。左があなたの理力、右がバーストの目です。「ib」を押すと理力が一割下がり、下がった理力とその目の合計が 100 以上なら、ダイスが赤い＋100 で止まります。押せるのは一回の判定に一度だけです。敵も判定のたびに同じことを試みることがあり、そのときは敵の理力の左に 37＋ のような数が出ます。これは敵のバーストの目で、下がった敵の理力との合計が 100 以上なら、敵のダイスが赤い＋100 になります。&lt;/p&gt;</source>
        <extracomment>The help: the dice, where each side&apos;s shows, the Idea Burst button &quot;ib&quot; and the enemy&apos;s burst roll beside its Reason. 28＋16 and 37＋ are examples of the two, written as the catalog&apos;s &quot;Dice&quot; entries write them. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Il dado e la Raffica di Idee&lt;/h3&gt; &lt;p&gt;A ogni tiro gira un dado (da 0 a 99), e «≫» lo ferma sul numero che mostra. Il tuo dado compare in basso a destra, quello del nemico in basso a sinistra. Mentre il tuo dado gira, «ib», a destra della tua Mente, mostra due numeri come 28+16: la tua Mente e un tiro di raffica. Premendo «ib» la tua Mente cala di un decimo; se la Mente ridotta più il tiro di raffica fa 100 o più, il tuo dado si ferma su un +100 rosso. Si può premere una sola volta per tiro. Anche i nemici possono tentare lo stesso quando tirano: un numero come 37+ a sinistra della Mente del nemico è il suo tiro di raffica, e se sommato alla sua Mente ridotta fa 100 o più, il suo dado diventa un +100 rosso.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;成長&lt;/h3&gt; &lt;p&gt;勝つと、「≫」を押すたびに、倒した敵より低い能力が一つずつ、敵の値に近づいて伸びます（差の十分の一、端数は切り上げ）。続いて、あなたの星に☆があれば、倒した敵の星の数を上限に★に戻ります。勝った時点で星がすべて★なら、回復のかわりに、倒した敵のほうが星が多ければ最大ＨＰが敵の星の数に近づいて増え、増えた星は空の☆で現れます。&lt;/p&gt;</source>
        <extracomment>The help: how the character grows and heals after a victory. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Crescita&lt;/h3&gt; &lt;p&gt;Dopo una vittoria, a ogni «≫» una delle tue statistiche inferiori a quelle del nemico sconfitto cresce verso la sua, di un decimo della differenza, arrotondato per eccesso. Poi, se hai stelle ☆, ne recuperi tante quante sono le stelle del nemico, al massimo tutte quelle perse. Se quando vinci hai tutte le stelle piene (★), invece del recupero i tuoi PV massimi crescono verso quelli del nemico, se il nemico ha più stelle, e le stelle aggiunte compaiono vuote, come ☆.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;セーブ&lt;/h3&gt; &lt;p&gt;セーブポイントの番人（「savie」）に勝つとセーブされます。六人目のボスを倒した後のエンディングの最後にもセーブされます。次に起動すると、最後にセーブしたキャラクターでメインメニューから続きます。エンディングの後は選択肢が残らないので、ウィンドウを閉じてください。負けると残る選択肢は「gmov」だけで、押すとゲームが終了します。ゲームが終了すると、最後にセーブしてからの進み具合は失われます。&lt;/p&gt;</source>
        <extracomment>The help: how the game is saved, and what is lost when it ends. Rich text: keep the tags.</extracomment>
        <translation>&lt;h3&gt;Salvataggio&lt;/h3&gt; &lt;p&gt;Battere il guardiano del punto di salvataggio («savie») salva la partita, e lo stesso avviene al termine del finale che segue il sesto boss. All&apos;avvio successivo si riprende dall&apos;ultimo salvataggio, nel menu principale, con il personaggio salvato. Dopo un finale non resta nessuna opzione: chiudi la finestra. Dopo una sconfitta l&apos;unica opzione rimasta è «gmov», che chiude il gioco. Quando il gioco si chiude, tutto ciò che è successo dall&apos;ultimo salvataggio va perso.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>The help&apos;s keys list: one item, %1 the keys&apos; names and %2 what they do.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>キー</source>
        <extracomment>The help: the heading of the keys&apos; list.</extracomment>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>フォーカスのある選択肢を選ぶ。タイトル画面では開始</source>
        <extracomment>The help&apos;s keys list: what Enter and Space do.</extracomment>
        <translation>sceglie l&apos;opzione che ha il focus; nella schermata del titolo, inizia</translation>
    </message>
    <message>
        <source>次・前の選択肢と「ib」に移る</source>
        <extracomment>The help&apos;s keys list: what Tab and Shift+Tab do (&quot;ib&quot; is the Idea Burst button).</extracomment>
        <translation>passa all&apos;opzione successiva o precedente, e a «ib»</translation>
    </message>
    <message>
        <source>右と下で次の選択肢、左と上で前の選択肢</source>
        <extracomment>The help&apos;s keys list: what the arrow keys do.</extracomment>
        <translation>destra e giù: opzione successiva; sinistra e su: opzione precedente</translation>
    </message>
    <message>
        <source>遊び方</source>
        <extracomment>The help window&apos;s caption and the help page&apos;s heading.</extracomment>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>音：オン（M キーでオフ）</source>
        <extracomment>The help&apos;s last line while sound is on.</extracomment>
        <translation>Audio: attivo (M lo disattiva)</translation>
    </message>
    <message>
        <source>音：オフ（M キーでオン）</source>
        <extracomment>The help&apos;s last line while sound is off.</extracomment>
        <translation>Audio: disattivato (M lo attiva)</translation>
    </message>
    <message>
        <source>タイトル画面</source>
        <extracomment>What a screen reader calls the title page.</extracomment>
        <translation>Schermata del titolo</translation>
    </message>
    <message>
        <source>クリックするか Enter キーかスペースキーで新しいゲームを始めます。F1 キーで遊び方を表示します。</source>
        <extracomment>What a screen reader says of the title page.</extracomment>
        <translation>Fai clic o premi Invio o Spazio per iniziare una nuova partita. F1 mostra come si gioca.</translation>
    </message>
    <message>
        <source>言語を選ぶ（次に起動したときから）</source>
        <extracomment>The help&apos;s keys list: what Ctrl+L does: a list of the languages, each in its own name; the choice is kept and applies from the next start.</extracomment>
        <translation>scegli la lingua (dal prossimo avvio)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>風が冷たい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>Tira un vento freddo.</translation>
    </message>
    <message>
        <source>遠くで鐘が鳴っている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>Lontano suona una campana.</translation>
    </message>
    <message>
        <source>さいころが手の中で温かい。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>Il dado è tiepido nella tua mano.</translation>
    </message>
    <message>
        <source>霧雨だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>Pioviggina.</translation>
    </message>
    <message>
        <source>空がやけに低い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>Il cielo è stranamente basso.</translation>
    </message>
    <message>
        <source>どこかで誰かが笑った。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>Da qualche parte qualcuno ha riso.</translation>
    </message>
    <message>
        <source>足元の影が少しだけ長い。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>La tua ombra è un po&apos; più lunga del solito.</translation>
    </message>
    <message>
        <source>静かな夜だ。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>È una notte tranquilla.</translation>
    </message>
    <message>
        <source>星がひとつ流れた。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>È passata una stella cadente.</translation>
    </message>
    <message>
        <source>道はまだ続いている。</source>
        <extracomment>A main menu line, one of 10 drawn at random: a glimpse of the world.</extracomment>
        <translation>La strada continua ancora.</translation>
    </message>
    <message>
        <source>あなたが落としたのはこのステータスですか？</source>
        <extracomment>A new game: the freshly rolled character&apos;s stats are shown, and the player is asked (as the spirit of the fabled axe pond asks) whether these are the stats they dropped.</extracomment>
        <translation>Sono queste le statistiche che ti sono cadute?</translation>
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
        <translation>Pedone</translation>
    </message>
    <message>
        <source>アルフ</source>
        <extracomment>The third boss&apos;s name.</extracomment>
        <translation>Alf</translation>
    </message>
    <message>
        <source>ALPHA</source>
        <extracomment>The fourth boss&apos;s name.</extracomment>
        <translation>ALPHA</translation>
    </message>
    <message>
        <source>ヴェスカ</source>
        <extracomment>The fifth boss&apos;s name; also the game&apos;s name in the window&apos;s caption.</extracomment>
        <translation>Vesca</translation>
    </message>
    <message>
        <source>roda</source>
        <extracomment>The sixth boss&apos;s name, which the first ending gives the player for good.</extracomment>
        <translation>roda</translation>
    </message>
    <message>
        <source>祖</source>
        <extracomment>The last boss&apos;s name (an ancestor, the origin of all).</extracomment>
        <translation>Origine</translation>
    </message>
    <message>
        <source>あなた</source>
        <extracomment>The player&apos;s name until they take a boss&apos;s (the word &quot;you&quot;).</extracomment>
        <translation>Lei</translation>
    </message>
    <message>
        <source>あいつ</source>
        <extracomment>An ordinary enemy&apos;s name (the word &quot;that one&quot;).</extracomment>
        <translation>Tizio</translation>
    </message>
    <message>
        <source>セーブガード</source>
        <extracomment>The name of the guard of the save point.</extracomment>
        <translation>Salvaguardia</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>（save.datの読み込みに失敗しました。）</source>
        <extracomment>A message box at start-up: the save file (save.dat, a name to keep as it is) could not be read; the game starts anew.</extracomment>
        <translation>(Impossibile leggere save.dat.)</translation>
    </message>
    <message>
        <source>（save.datの内容が不適切です。）</source>
        <extracomment>A message box at start-up: the save file (save.dat) is damaged or was changed by hand (its check code does not match); the game starts anew.</extracomment>
        <translation>(save.dat non contiene un salvataggio valido.)</translation>
    </message>
    <message>
        <source>（save.datの書き込みに失敗しました。）</source>
        <extracomment>A message box: the game could not be saved to save.dat (a full disk, say); the last save is kept.</extracomment>
        <translation>(Impossibile scrivere save.dat.)</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ＨＰと能力を振り直す。</source>
        <extracomment>Description of the status pick&apos;s &quot;noar&quot; button.</extracomment>
        <translation>Tirare di nuovo PV e statistiche.</translation>
    </message>
    <message>
        <source>このキャラクターで始め、序章へ進む。</source>
        <extracomment>Description of the status pick&apos;s &quot;yest&quot; button.</extracomment>
        <translation>Iniziare con questo personaggio e passare al prologo.</translation>
    </message>
    <message>
        <source>先へ進む。ダイスが回っていれば、見えている目で止める。</source>
        <extracomment>Description of the &quot;≫&quot; button, in stories and fights alike.</extracomment>
        <translation>Avanti. Se il dado gira, si ferma sul numero che mostra.</translation>
    </message>
    <message>
        <source>序章を飛ばしてメインメニューへ。</source>
        <extracomment>Description of the &quot;skipl&quot; button under the intro.</extracomment>
        <translation>Saltare il prologo e andare al menu principale.</translation>
    </message>
    <message>
        <source>戦う相手を探す。</source>
        <extracomment>Description of the main menu&apos;s &quot;seeek&quot; button.</extracomment>
        <translation>Cercare un nemico da combattere.</translation>
    </message>
    <message>
        <source>次のボスに挑む。</source>
        <extracomment>Description of the main menu&apos;s &quot;bosss!&quot; button.</extracomment>
        <translation>Sfidare il boss successivo.</translation>
    </message>
    <message>
        <source>セーブポイントの番人と戦う。勝つとセーブされる。</source>
        <extracomment>Description of the main menu&apos;s &quot;savie&quot; button.</extracomment>
        <translation>Combattere il guardiano del punto di salvataggio. Vincendo si salva la partita.</translation>
    </message>
    <message>
        <source>戦う。予測が高いほど先に動きやすい。</source>
        <extracomment>Description of the &quot;killl&quot; button when an enemy appears.</extracomment>
        <translation>Combattere. Più Istinto hai, più è probabile che la prima mossa sia tua.</translation>
    </message>
    <message>
        <source>戦わずに逃げる。必ず逃げられる。</source>
        <extracomment>Description of the &quot;escapo&quot; button when an enemy appears.</extracomment>
        <translation>Fuggire senza combattere. Riesce sempre.</translation>
    </message>
    <message>
        <source>攻撃する。命中とダイスの目の合計が100以上なら、敵が回避の判定をし、失敗すれば当たる。かわされても、予測とダイスの目の合計が100以上なら当たる。当たると敵の星が一つ減る。</source>
        <extracomment>Description of the &quot;attax&quot; button on the player&apos;s turn.</extracomment>
        <translation>Attaccare. Se la tua Mira più il dado fa 100 o più, il nemico fa un tiro di Riflessi e, se fallisce, vai a segno. Anche se schiva, vai a segno se il tuo Istinto più il dado fa 100 o più. Ogni colpo a segno toglie una stella al nemico.</translation>
    </message>
    <message>
        <source>魔法をかける。成否にかかわらず、自分の閃きが一割下がる。閃きとダイスの目の合計が100以上で、敵が閃きの判定で防げなければ、敵の命中、回避、予測が三分の一下がる。星は減らない。</source>
        <extracomment>Description of the &quot;magix&quot; button on the player&apos;s turn.</extracomment>
        <translation>Lanciare un incantesimo. Il tuo Estro cala di un decimo, che funzioni o no. Se il tuo Estro più il dado fa 100 o più e il nemico non vi resiste con il suo tiro di Estro, la sua Mira, i suoi Riflessi e il suo Istinto calano di un terzo. Non toglie stelle.</translation>
    </message>
    <message>
        <source>逃げ道を探す。右と左の片方だけが逃げ道で、外れると敵の番になる。</source>
        <extracomment>Description of the &quot;escapy&quot; button on the player&apos;s turn.</extracomment>
        <translation>Cercare una via d&apos;uscita. Solo una delle due direzioni, destra o sinistra, fa scappare; l&apos;altra passa il turno al nemico.</translation>
    </message>
    <message>
        <source>右へ逃げる。</source>
        <extracomment>Description of the right-hand way out after &quot;escapy&quot;.</extracomment>
        <translation>Fuggire a destra.</translation>
    </message>
    <message>
        <source>左へ逃げる。</source>
        <extracomment>Description of the left-hand way out after &quot;escapy&quot;.</extracomment>
        <translation>Fuggire a sinistra.</translation>
    </message>
    <message>
        <source>ゲームを終了する。最後にセーブしてからの進み具合は失われる。</source>
        <extracomment>Description of the &quot;gmov&quot; button after a defeat.</extracomment>
        <translation>Uscire dal gioco. Tutto ciò che è successo dall&apos;ultimo salvataggio va perso.</translation>
    </message>
    <message>
        <source>%1：%2、元の%3から下がっている。</source>
        <extracomment>Spoken by the state key: a stat worn down in the fight. %1 is the stat&apos;s name, %2 its value now, %3 the value it returns to.</extracomment>
        <translation>%1: %2, in calo da %3.</translation>
    </message>
    <message>
        <source>%1：%2。</source>
        <extracomment>Spoken by the state key: one stat. %1 is its name, %2 its value.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>アイデアバースト。左の数は理力、右の数はバーストの目。押すと理力が一割下がり、下がった理力と目の合計が100以上なら、ダイスが＋100で止まる。一回の判定に一度だけ押せる。</source>
        <extracomment>Description of the &quot;ib&quot; button, whose caption becomes two numbers such as 28＋16 while the player&apos;s dice roll.</extracomment>
        <translation>Raffica di Idee. Il numero a sinistra è la tua Mente, quello a destra il tiro di raffica. Premendolo la tua Mente cala di un decimo; se la Mente ridotta più il tiro fa 100 o più, il tuo dado si ferma su +100. Si può premere una sola volta per tiro.</translation>
    </message>
    <message numerus="yes">
        <source>あなた：星%n個のうち%1個。</source>
        <extracomment>Spoken by the state key: the player&apos;s HP as stars. %1 is the stars left, %n all the player&apos;s stars.</extracomment>
        <translation>
            <numerusform>Tu: %1 su %n stella.</numerusform>
            <numerusform>Tu: %1 su %n stelle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>敵、%1：星%n個のうち%2個。</source>
        <extracomment>Spoken by the state key: the enemy&apos;s hit points as stars. %1 is the enemy&apos;s name, %2 its stars left, %n all its stars.</extracomment>
        <translation>
            <numerusform>Nemico, %1: %2 su %n stella.</numerusform>
            <numerusform>Nemico, %1: %2 su %n stelle.</numerusform>
        </translation>
    </message>
    <message>
        <source>敵はいない。</source>
        <extracomment>Spoken by the state key when no enemy is shown.</extracomment>
        <translation>Nessun nemico.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>このフォルダー（%1）では、すでにこのゲームが動いていて応答しません。別のセッションか、このフォルダーを共有する別のコンピューターで動いています。ひとつのフォルダーで同時に動かせるのはひとつだけです。</source>
        <extracomment>A message box at start-up: another copy of this game holds this folder (%1) and does not answer, so this one cannot start.</extracomment>
        <translation>Il gioco è già in esecuzione in questa cartella (%1) e non risponde: è aperto in un&apos;altra sessione o su un altro computer che condivide la cartella. In una cartella si può giocare una sola partita alla volta.</translation>
    </message>
    <message>
        <source>データファイルを読み込めないため、ゲームを始められません。（%1）</source>
        <extracomment>A message box at start-up: a file of the game&apos;s data folder is missing or damaged, so the game cannot start. %1 names the file and what is wrong with it, in English.</extracomment>
        <translation>Impossibile avviare il gioco: non si riesce a leggere un file di dati (%1).</translation>
    </message>
</context>
<context>
    <name>Stat</name>
    <message>
        <source>ＨＰ</source>
        <extracomment>Hit points, as the stat that grows after a victory won with every star full.</extracomment>
        <translation>PV</translation>
    </message>
    <message>
        <source>命中</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>Mira</translation>
    </message>
    <message>
        <source>回避</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>Riflessi</translation>
    </message>
    <message>
        <source>予測</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>Istinto</translation>
    </message>
    <message>
        <source>閃き</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>Estro</translation>
    </message>
    <message>
        <source>理力</source>
        <extracomment>A stat&apos;s name: beside its values on the main page, and in messages.</extracomment>
        <translation>Mente</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>名もなく、形もなく、</source>
        <extracomment>The intro, line 1 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>Senza nome, senza forma,</translation>
    </message>
    <message>
        <source>ただ五つの数だけを抱えて目を覚ましたもの。</source>
        <extracomment>The intro, line 2 of 19, one a click.</extracomment>
        <translation>qualcosa che si è svegliato stringendo solo cinque numeri.</translation>
    </message>
    <message>
        <source>それがあなた。</source>
        <extracomment>The intro, line 3 of 19, one a click.</extracomment>
        <translation>Quello sei tu.</translation>
    </message>
    <message>
        <source>命中、回避、予測、閃き、理力、</source>
        <extracomment>The intro, line 4 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>Mira, Riflessi, Istinto, Estro, Mente:</translation>
    </message>
    <message>
        <source>その数があなたのすべてを物語っている。</source>
        <extracomment>The intro, line 5 of 19, one a click.</extracomment>
        <translation>quei numeri raccontano tutto di te.</translation>
    </message>
    <message>
        <source>けれど数は、</source>
        <extracomment>The intro, line 6 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>Ma i numeri</translation>
    </message>
    <message>
        <source>あなたがどこから来たのかを教えてはくれない。</source>
        <extracomment>The intro, line 7 of 19, one a click.</extracomment>
        <translation>non ti diranno da dove vieni.</translation>
    </message>
    <message>
        <source>百の目を持つさいころが、行く末を決めるだけ。</source>
        <extracomment>The intro, line 8 of 19, one a click.</extracomment>
        <translation>A decidere il tuo destino c&apos;è solo un dado da cento facce.</translation>
    </message>
    <message>
        <source>勝てば相手の力がわずかに身に染み、</source>
        <extracomment>The intro, line 9 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>Se vinci, un po&apos; della forza dell&apos;avversario ti entra dentro;</translation>
    </message>
    <message>
        <source>負ければ、</source>
        <extracomment>The intro, line 10 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>se perdi,</translation>
    </message>
    <message>
        <source>それでおしまい。</source>
        <extracomment>The intro, line 11 of 19, one a click.</extracomment>
        <translation>è finita.</translation>
    </message>
    <message>
        <source>霧の向こうでは七つの影があなたを待っていて、</source>
        <extracomment>The intro, line 12 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>Oltre la nebbia ti aspettano sette ombre,</translation>
    </message>
    <message>
        <source>打ち倒した影の名は、</source>
        <extracomment>The intro, line 13 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>e il nome di ogni ombra che abbatti</translation>
    </message>
    <message>
        <source>ひとつずつあなたのものになる。</source>
        <extracomment>The intro, line 14 of 19, one a click.</extracomment>
        <translation>diventa tuo, uno dopo l&apos;altro.</translation>
    </message>
    <message>
        <source>借りものの名を重ねて、</source>
        <extracomment>The intro, line 15 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>Accumulando nomi presi in prestito,</translation>
    </message>
    <message>
        <source>いつか、</source>
        <extracomment>The intro, line 16 of 19, one a click. The sentence runs on into the next line.</extracomment>
        <translation>forse un giorno</translation>
    </message>
    <message>
        <source>本当の自分の名にたどり着けるかもしれない。</source>
        <extracomment>The intro, line 17 of 19, one a click.</extracomment>
        <translation>arriverai a un nome davvero tuo.</translation>
    </message>
    <message>
        <source>さあ、さいころを握って。</source>
        <extracomment>The intro, line 18 of 19, one a click.</extracomment>
        <translation>Su, stringi il dado.</translation>
    </message>
    <message>
        <source>あなたの物語が、いま転がりはじめる。</source>
        <extracomment>The intro, line 19 of 19, one a click.</extracomment>
        <translation>Ora la tua storia comincia a rotolare.</translation>
    </message>
    <message>
        <source>roda。</source>
        <extracomment>The first ending, line 1 of 2: the player keeps the name roda for good.</extracomment>
        <translation>roda.</translation>
    </message>
    <message>
        <source>それが、ようやく手にしたあなた自身の名前。</source>
        <extracomment>The first ending, line 2 of 2.</extracomment>
        <translation>Ecco, finalmente, un nome tutto tuo.</translation>
    </message>
    <message>
        <source>≪祖≫を討ったrodaの前に、もう道はなかった。</source>
        <extracomment>The second ending, line 1 of 12, told from outside after the last boss.</extracomment>
        <translation>Dopo aver abbattuto «Origine», roda non aveva più strada.</translation>
    </message>
    <message>
        <source>霧は晴れ、数も星も静かに消えていく。</source>
        <extracomment>The second ending, line 2 of 12, told from outside after the last boss.</extracomment>
        <translation>La nebbia si diradò; numeri e stelle svanirono in silenzio.</translation>
    </message>
    <message>
        <source>rodaがたどり着いたのは≪行き止まり≫。</source>
        <extracomment>The second ending, line 3 of 12, told from outside after the last boss.</extracomment>
        <translation>roda aveva raggiunto il «Vicolo Cieco».</translation>
    </message>
    <message>
        <source>それでもrodaは歩みを止めなかった。</source>
        <extracomment>The second ending, line 4 of 12, told from outside after the last boss.</extracomment>
        <translation>Eppure roda non smise di camminare.</translation>
    </message>
    <message>
        <source>借りてきた名をひとつずつ霧へ返しながら、</source>
        <extracomment>The second ending, line 5 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>Restituendo alla nebbia, uno a uno, i nomi presi in prestito,</translation>
    </message>
    <message>
        <source>rodaは壁の向こうから呼ぶ声を聞いた。</source>
        <extracomment>The second ending, line 6 of 12, told from outside after the last boss.</extracomment>
        <translation>roda sentì una voce chiamare da oltre il muro.</translation>
    </message>
    <message>
        <source>「roda、ここは終わりのさらに先。</source>
        <extracomment>The second ending, line 7 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>«roda, qui siamo oltre la fine.</translation>
    </message>
    <message>
        <source>「振るさいころも、奪う名も、もう残っていない。</source>
        <extracomment>The second ending, line 8 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>«Non restano più dadi da tirare né nomi da prendere.</translation>
    </message>
    <message>
        <source>「それでも進むなら、≪デッド・エンド≫を越えてゆけ。</source>
        <extracomment>The second ending, line 9 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>«Se vuoi andare avanti lo stesso, supera il “Dead End”.</translation>
    </message>
    <message>
        <source>「まだ誰も振ったことのない目が、そこにある。」</source>
        <extracomment>The second ending, line 10 of 12, told from outside after the last boss. Lines 7 to 10 are one speech: each opens a quote, only the last closes it.</extracomment>
        <translation>«Là ti aspetta un numero che non è mai uscito a nessuno».</translation>
    </message>
    <message>
        <source>rodaは、</source>
        <extracomment>The second ending, line 11 of 12, told from outside after the last boss. The sentence runs on into the next line.</extracomment>
        <translation>roda</translation>
    </message>
    <message>
        <source>笑って壁を越えた。</source>
        <extracomment>The second ending, line 12 of 12, told from outside after the last boss.</extracomment>
        <translation>scavalcò il muro ridendo.</translation>
    </message>
    <message>
        <source>★&#x3000;おしまエンド&#x3000;★</source>
        <extracomment>The last words of the first ending (a pun on &quot;the end&quot;); the game stops there.</extracomment>
        <translation>★  FinEnd  ★</translation>
    </message>
    <message>
        <source>★★★&#x3000;オーバー・デッド・エンド&#x3000;★★★</source>
        <extracomment>The last words of the second ending (&quot;over dead end&quot;); the game stops there.</extracomment>
        <translation>★★★  Over Dead End  ★★★</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>ゼノリア・オルカント</source>
        <extracomment>The title page&apos;s picture: the game&apos;s title, drawn in 20-pixel italics in a fixed place (its left edge at the picture&apos;s centre); it must fit in 250 pixels.</extracomment>
        <translation>Xenoria Orcant</translation>
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
        <translation>Iniziare una nuova partita? Tutto ciò che è successo dall&apos;ultimo salvataggio andrà perso.</translation>
    </message>
    <message>
        <source>言語：</source>
        <extracomment>Above the list of languages that Ctrl+L shows.</extracomment>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>次に起動したときから、ゲームは%1で表示されます。</source>
        <extracomment>After a new language is chosen with Ctrl+L: %1 is its name, in its own language.</extracomment>
        <translation>Dal prossimo avvio il gioco sarà in questa lingua: %1.</translation>
    </message>
</context>
</TS>
