<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>解き方 - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>約数、最大公約数と最小公倍数</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>素因数分解、最大公約数と最小公倍数</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>解き方を表示(&amp;W)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers: a calculator for school arithmetic on whole
numbers. Its window factorizes the first of the numbers typed, finds their HCF
and their LCM with the division ladder, and lists the primes between two bounds.
Started without options, it opens the window. Qt's own window options, such as
-platform and -style, are taken too (see the manual page hcflcm(1)).</source>
        <translation>素因数分解、最大公約数と最小公倍数: 学校で習う整数の計算のための電卓です。
ウィンドウでは、入力した最初の数を素因数分解し、数の最大公約数と、すだれ算による
最小公倍数を求め、2 つの範囲の間の素数を一覧にします。オプションなしで起動すると
ウィンドウを開きます。-platform や -style などの Qt のウィンドウオプションも
使えます (マニュアルページ hcflcm(1) を参照)。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system's: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>システムの言語の代わりに言語 &lt;code&gt; を使います: %1 (アンダースコアの代わりにハイフンも使えます。例: pt-BR)。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument '%1': the program takes no file or number.</source>
        <translation>予期しない引数「%1」: このプログラムはファイルも数も受け取りません。</translation>
    </message>
    <message>
        <source>Unknown language '%1'. The languages are: %2.</source>
        <translation>不明な言語「%1」。使える言語: %2。</translation>
    </message>
    <message>
        <source>%1: %2
Try '%1 --help' for more information.
</source>
        <translation>%1: %2
詳しくは「%1 --help」を実行してください。
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>予期しないエラーのため計算が止まりました: %1。
電卓は引き続き使えます。数を確かめてもう一度試してください。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start "%1" in %2.</source>
        <translation>%2 で「%1」を起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>素因数 ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>最大公約数</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>最小公倍数の因数 ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>素数の時間?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>検索中...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>最初の数の素因数</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>%1 の素因数</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>最大公約数 = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>最小公倍数 = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>最小公倍数の因数:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>素数 %1 個</translation>
    </message>
    <message>
        <source> x </source>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (素因数分解)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (最大公約数)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (最小公倍数)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (素数)</translation>
    </message>
    <message>
        <source>"%1" is not a number.</source>
        <translation>「%1」は数ではありません。</translation>
    </message>
    <message>
        <source>"%1" is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>「%1」は範囲外です: -2147483648 から 2147483647 までの数を入力してください。</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>数は 101 個までにしてください。</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>数を 1 つ以上入力してください。</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>最大公約数を求めるには数が 2 つ必要です。</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>%1 番目の欄に正しい正の数を入力してください。</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>%1 の素因数分解</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>素因数をもつのは 1 より大きい数だけです。</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 は素数です。</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>%1 の最大公約数</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>最大公約数(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>最大公約数はもう 1 です: 残りの数で変わることはありません。</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>%1 の最小公倍数</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>数の 1 つが 0 なので、最小公倍数は 0 です。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>%1 から %2 までの素数</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>1 を消す: 1 は素数ではありません。</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>%1 の倍数を消す: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 × %1 = %2 は %3 より大きい: 残った数は素数です。</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>素数はありません。</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>素数 1 個: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>素数 %1 個: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>エラトステネスのふるいは 1000 個までの範囲で表示します。</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>素数 %1 個。</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>数が変わりました: 解き方を見るにはもう一度計算してください。</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>ベン図は 0 でない 2 つか 3 つの数のときにかきます。</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>数表は 1000 個までの範囲でかきます。</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>%1 の因数の木: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <translation>%1 = %2 × %3</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <translation>%1 のベン図: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>%1 だけ: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>%1 に共通: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>素因数なし</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>%1 から %2 までの数表: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>素数は %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>素数は %1 だけ</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>素数なし</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>すべてコピー(&amp;A)</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>テキスト (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>名前が .png、.svg、.pdf、.txt のどれでも終わっていません</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>手順</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>図</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>手順(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>図(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>図をコピー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>全体表示(&amp;F)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>図をコピー</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>The working could not be saved as "%1": %2.</source>
        <translation>解き方を「%1」に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>解き方を保存</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>印刷できません: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>連絡先: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>ほかのダウンロードはこのウェブサイトへ</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>サイト: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. 学校では無料です。</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>無料ダウンロード</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Numeria Learning のロゴ</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>エンブレム</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>最初の数の素因数</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>素因数</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>素因数=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>最初の数を素因数分解する</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>素因数 ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>最小公倍数の因数</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>最小公倍数の因数 ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>最小公倍数 = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>数の最小公倍数を求める</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>最大公約数</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>最大公約数</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>最大公約数 = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>数の最大公約数を求める</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>最大公約数</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(素因数、最大公約数、最小公倍数を求める)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>数をスペースで区切って入力</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>キッズクラブのロゴ</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>計算時間</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>子どもと絵本を読む大人</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>スペースで区切った数</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>素数を探す範囲</translation>
    </message>
    <message>
        <source>and</source>
        <translation>から</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>素数の個数</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>素数...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>範囲の 1 つ目の欄</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>範囲の 2 つ目の欄</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>2 つの欄の間の素数を探す</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>見つかった素数</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>The FIND button, one short imperative word, at most about 7 Latin letters wide.</extracomment>
        <translation>さがす</translation>
    </message>
</context>
</TS>
