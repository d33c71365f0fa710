<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>解题过程 - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>因数、最大公因数和最小公倍数</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>分解质因数、最大公因数和最小公倍数</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>显示解题过程(&amp;W)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers: a calculator for school arithmetic on whole
numbers. Its window factorizes the first of the numbers typed, finds their HCF
and their LCM with the division ladder, and lists the primes between two bounds.
Started without options, it opens the window. Qt&apos;s own window options, such as
-platform and -style, are taken too (see the manual page hcflcm(1)).</source>
        <translation>分解质因数、最大公因数和最小公倍数：用于学校整数运算的计算器。它的窗口把输入的
第一个数分解质因数，求出这些数的最大公因数，用短除法求出它们的最小公倍数，
并列出两个界限之间的所有质数。不带选项启动时打开窗口。也接受 Qt 自己的窗口
选项，例如 -platform 和 -style（见手册页 hcflcm(1)）。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示本帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>使用 &lt;code&gt; 语言代替系统语言：%1（下划线也可以写成连字符，如 pt-BR）。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>意外的参数“%1”：本程序不接受文件或数字。</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>未知的语言“%1”。可用的语言有：%2。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
请尝试执行“%1 --help”获取更多信息。
</translation>
    </message>
    <message>
        <source>Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.</source>
        <translation>在主窗口上打开练习窗口：练习分解质因数、最大公因数、最小公倍数和质数的题目，并有来自解题过程的提示。</translation>
    </message>
    <message>
        <source>number</source>
        <translation>数</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: give a whole number from 0 to %2.</source>
        <extracomment>%1: the seed as typed; %2: the largest seed</extracomment>
        <translation>无效的种子“%1”：请给出 0 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>The option --%1 needs --worksheet.</source>
        <extracomment>%1: an option of the worksheet, such as --level</extracomment>
        <translation>选项 --%1 需要与 --worksheet 一起使用。</translation>
    </message>
    <message>
        <source>The options --practice and --worksheet cannot be used together.</source>
        <translation>选项 --practice 和 --worksheet 不能同时使用。</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the name must end in .pdf, .odt or .txt.</source>
        <extracomment>%1: the file name as typed</extracomment>
        <translation>无法写入“%1”：文件名必须以 .pdf、.odt 或 .txt 结尾。</translation>
    </message>
    <message>
        <source>Unknown kinds &apos;%1&apos;: give one or more of factors, hcf, lcm, prime, joined by commas.</source>
        <extracomment>%1: the kinds as typed; the kinds&apos; names stay in English</extracomment>
        <translation>未知的题型“%1”：请从 factors、hcf、lcm、prime 中选一个或几个，用英文逗号隔开。</translation>
    </message>
    <message>
        <source>Invalid level &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the level as typed; %2 and %3: the lowest and highest levels</extracomment>
        <translation>无效的级别“%1”：请给出 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>Invalid number of questions &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the number of questions as typed; %2 and %3: the fewest and most</extracomment>
        <translation>无效的题数“%1”：请给出 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>With --practice or --worksheet: starts the questions from the seed &lt;number&gt;, a whole number from 0 to %1; the same seed gives the same questions.</source>
        <extracomment>%1: the largest seed</extracomment>
        <translation>与 --practice 或 --worksheet 一起使用：从种子 &lt;数&gt; 开始出题，种子是 0 到 %1 之间的整数；同一个种子出同样的题。</translation>
    </message>
    <message>
        <source>Writes a worksheet of questions with its answer key to &lt;file&gt;, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).</source>
        <translation>不打开窗口，把一份带参考答案的练习卷写入 &lt;文件&gt;：PDF 文档（.pdf）、ODF 文本文档（.odt）或纯文本（.txt）。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).</source>
        <translation>与 --worksheet 一起使用：题型，从 factors、hcf、lcm 和 prime 中选，用英文逗号隔开，各题型轮流出题（不指定时四种都出）。</translation>
    </message>
    <message>
        <source>list</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>With --worksheet: the level of the questions, 1 to 3 (1 unless given).</source>
        <translation>与 --worksheet 一起使用：题目的级别，1 到 3（不指定时为 1）。</translation>
    </message>
    <message>
        <source>With --worksheet: the number of questions, 1 to 60 (20 unless given).</source>
        <translation>与 --worksheet 一起使用：题数，1 到 60（不指定时为 20）。</translation>
    </message>
    <message>
        <source>With --worksheet: no factor trees or Venn diagrams beside the answers.</source>
        <translation>与 --worksheet 一起使用：答案旁不画因数树和韦恩图。</translation>
    </message>
    <message>
        <source>The option --seed needs --practice or --worksheet.</source>
        <translation>选项 --seed 需要与 --practice 或 --worksheet 一起使用。</translation>
    </message>
    <message>
        <source>%1: Cannot write &apos;%2&apos;: %3
</source>
        <extracomment>%1: the program; %2: the file name; %3: why it could not be written</extracomment>
        <translation>%1: 无法写入“%2”：%3
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: 1 question, level %2, seed %3.
</source>
        <extracomment>%1: the file; %2: the level; %3: the seed</extracomment>
        <translation>
            <numerusform>已写入 %1：1 道题，第 %2 级，种子 %3。
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n questions, level %2, seed %3.
</source>
        <translation>
            <numerusform>已写入 %1：%n 道题，第 %2 级，种子 %3。
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>计算因意外错误而中止：%1。
计算器仍可使用：请检查这些数后重试。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>无法在 %2 中启动“%1”。</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <extracomment>Factors caption while the factors are being found (and after an edit of the numbers). Keep it short: it fits a small caption.</extracomment>
        <translation>因数 ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <extracomment>HCF caption before the HCF is found (and after an edit). Keep it short.</extracomment>
        <translation>最大公因数</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <extracomment>LCM caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <extracomment>LCM factors caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>最小公倍数的因数 ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <extracomment>Status line while a command works. Keep it short: it fits a small caption.</extracomment>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <extracomment>Time caption while the primes are being found. Keep it short.</extracomment>
        <translation>质数用时?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <extracomment>Prime count caption while the primes are being found. Keep it short.</extracomment>
        <translation>查找中...</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Status line after the numbers were edited: the results shown no longer hold.</extracomment>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <extracomment>Title of the frame of the factors before a number was factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>第一个数的质因数</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <extracomment>Title of the frame of the factors. %1: the number factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>%1 的质因数</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <extracomment>HCF caption, and the last line of the HCF working. %1: the HCF, or its factors joined by the times sign, &quot; = &quot; and its value (&quot;2 x 3 = 6&quot;).</extracomment>
        <translation>最大公因数 = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <extracomment>LCM caption, and the last line of the LCM working. %1: the LCM (it may have hundreds of digits), or its factors joined by the times sign, &quot; = &quot; and its value.</extracomment>
        <translation>最小公倍数 = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <extracomment>LCM factors caption. %1: the factors joined by the times sign, and %1 STARTS WITH A BLANK (&quot; 2 x 2 x 3&quot;), so write no blank before it.</extracomment>
        <translation>最小公倍数的因数：%1</translation>
    </message>
    <message>
        <source> x </source>
        <extracomment>The times sign that joins the factors of a product (&quot;2 x 2 x 3&quot;), with its blanks on both sides. Use the sign your school writes (&quot; × &quot; or &quot; · &quot;).</extracomment>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <extracomment>Time caption of the factors. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms（分解质因数）</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <extracomment>Time caption of the HCF. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms（最大公因数）</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <extracomment>Time caption of the LCM. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms（最小公倍数）</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <extracomment>Time caption of the primes. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms（质数）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Refusal. %1: the word typed that is not a number (at most 40 characters, then &quot;...&quot;). Use your language&apos;s quotation marks.</extracomment>
        <translation>“%1”不是数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <extracomment>Refusal. %1: the number typed that is too large or too small. Use your language&apos;s quotation marks; keep the two limits as digits.</extracomment>
        <translation>“%1”超出范围：请输入 -2147483648 到 2147483647 之间的数。</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <extracomment>Refusal when the numbers box is empty.</extracomment>
        <translation>至少输入一个数。</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <extracomment>Refusal when the HCF is asked of one number.</extracomment>
        <translation>求最大公因数需要两个数。</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <extracomment>Refusal of a prime bound. %1: which box, 1 (from) or 2 (to).</extracomment>
        <translation>请在第 %1 个框中输入一个有效的正数。</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <extracomment>Heading of the factors&apos; working. %1: the number.</extracomment>
        <translation>%1 分解质因数</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <extracomment>The working of a number below 2, and the notice instead of its factor tree.</extracomment>
        <translation>只有大于 1 的数才有质因数。</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <extracomment>%1: a prime number (the last line of its working, and what its factor tree says).</extracomment>
        <translation>%1 是质数。</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <extracomment>Heading of the HCF working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>%1 的最大公因数</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <extracomment>The HCF of two numbers, in the working. %1, %2: the two numbers. Followed by &quot;:&quot; (a heading) or &quot; = &quot; and the HCF.</extracomment>
        <translation>最大公因数(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <extracomment>The line after the HCF&apos;s working when the fold reached 1 before the last number.</extracomment>
        <translation>最大公因数已经是 1：其余的数不能再改变它。</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <extracomment>Heading of the LCM working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>%1 的最小公倍数</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <extracomment>The LCM working when a number is 0.</extracomment>
        <translation>其中有一个数是 0，所以最小公倍数是 0。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the numbers of a list (&quot;12, 18, 30&quot;), with its blank after it.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <extracomment>Heading of the primes&apos; working. %1, %2: the bounds.</extracomment>
        <translation>%1 和 %2 之间的质数</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <extracomment>A step of the sieve of Eratosthenes.</extracomment>
        <translation>划去 1：1 不是质数。</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <extracomment>A step of the sieve of Eratosthenes. %1: a prime, %2: its multiples crossed out (joined by the number separator), or the word for &quot;none&quot;.</extracomment>
        <translation>划去 %1 的倍数：%2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the multiples crossed out when there are none (&quot;Cross out the multiples of 7: none&quot;).</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <extracomment>The sieve&apos;s last step. %1: a prime, %2: its square, %3: the upper bound. &quot;x&quot; is the times sign.</extracomment>
        <translation>%1 × %1 = %2 大于 %3：剩下的数都是质数。</translation>
    </message>
    <message>
        <source>No primes.</source>
        <extracomment>The sieve&apos;s result when no prime is left.</extracomment>
        <translation>没有质数。</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <extracomment>Instead of the sieve&apos;s steps, for a wide range.</extracomment>
        <translation>埃拉托色尼筛法只显示不超过 1000 个数的范围。</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <extracomment>The Working window&apos;s notice after an edit of the numbers.</extracomment>
        <translation>这些数已经改变：请重新计算以查看解题过程。</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <extracomment>The notice instead of a Venn diagram.</extracomment>
        <translation>韦恩图只画两个或三个数，且都不为 0。</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <extracomment>The notice instead of the sieve grid.</extracomment>
        <translation>数表只画不超过 1000 个数的范围。</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <extracomment>A factor tree in words, for screen readers. %1: the number, %2: each split (joined by the part separator), or that the number is prime.</extracomment>
        <translation>%1 的因数树：%2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <extracomment>One split of the factor tree, in words. %1: the number, %2 and %3: its two children.</extracomment>
        <translation>%1 = %2 × %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the parts of a picture&apos;s description for screen readers, with its blank.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <extracomment>A Venn diagram in words, for screen readers. %1: the numbers (&quot;8, 12 and 18&quot;), %2: the regions that hold factors (joined by the part separator).</extracomment>
        <translation>%1 的韦恩图：%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list said in words. %1: the numbers before the last one (joined by the list separator), %2: the last one (&quot;8, 12&quot; and &quot;18&quot;).</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the number whose circle alone holds it, %2: its factors (joined by the list separator).</extracomment>
        <translation>只在 %1 中：%2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the numbers whose circles hold it (&quot;12 and 18&quot;), %2: its factors.</extracomment>
        <translation>在 %1 中：%2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <extracomment>A Venn diagram in words when no circle holds a factor.</extracomment>
        <translation>没有质因数</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <extracomment>The sieve grid in words, for screen readers. %1, %2: the bounds, %3: the primes or that there are none.</extracomment>
        <translation>%1 到 %2 的数表：%3</translation>
    </message>
    <message numerus="yes">
        <source>the primes are %1</source>
        <extracomment>The primes of the sieve grid in words. %n: how many (1 or more), %1: the primes, joined by the list separator.</extracomment>
        <translation>
            <numerusform>质数是 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no primes</source>
        <extracomment>The sieve grid in words when it holds no prime.</extracomment>
        <translation>没有质数</translation>
    </message>
    <message numerus="yes">
        <source>%n Primes</source>
        <extracomment>Prime count caption. %n: the number of primes found. English keeps &quot;1 Primes&quot; as the window has always shown it; write your language&apos;s correct forms. Keep it short.</extracomment>
        <translation>
            <numerusform>%n 个质数</numerusform>
        </translation>
    </message>
    <message>
        <source> = </source>
        <extracomment>The equals sign between a product and its value (&quot;2 x 3 = 6&quot;, &quot;360 = 2^3 x 3^2 x 5&quot;), with its blanks on both sides.</extracomment>
        <translation> = </translation>
    </message>
    <message numerus="yes">
        <source>Enter at most %n numbers.</source>
        <extracomment>Refusal when more numbers are typed than the program takes. %n: the most numbers it takes (101).</extracomment>
        <translation>
            <numerusform>最多输入 %n 个数。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1^%2</source>
        <extracomment>A prime and its exponent in the factors&apos; exponent form (&quot;2^3&quot; in &quot;360 = 2^3 x 3^2 x 5&quot;). %1: the prime, %2: the exponent (2 or more). The Steps text is plain text, so keep a form that needs no raised digits.</extracomment>
        <translation>%1^%2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <extracomment>A prime and its exponent in words, as a screen reader says it. %1: the prime, %2: the exponent (2 or more).</extracomment>
        <translation>%1 的 %2 次方</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A heading line, followed by its working on the next lines. %1: what it heads, e.g. &quot;HCF(12, 18)&quot;. French writes a no-break space before the colon.</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>%1 = %2 x %3 + %4</source>
        <extracomment>One division of Euclid&apos;s method. %1: the dividend, %2: the quotient, %3: the divisor, %4: the remainder (&quot;18 = 1 x 12 + 6&quot;). Write it in your school&apos;s order and signs; the placeholders may stand in any order (&quot;%1 : %3 = %2 R %4&quot;).</extracomment>
        <translation>%1 ÷ %3 = %2……%4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The end of a list of numbers in the working&apos;s headings. %1: the numbers before the last one (joined by the list separator), %2: the last one. English writes &quot;12, 18, 30&quot;; write &quot;%1 and %2&quot; where your language ends a list so.</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source> </source>
        <extracomment>Joins the numbers of the sieve and of the primes found (&quot;4 6 8 10&quot;), with its blanks.</extracomment>
        <translation> </translation>
    </message>
    <message numerus="yes">
        <source>%n primes: %1</source>
        <extracomment>The sieve&apos;s result. %n: how many primes (1 or more), %1: the primes, joined by the number separator.</extracomment>
        <translation>
            <numerusform>%n 个质数：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n primes.</source>
        <extracomment>The result of a wide range, whose primes are not listed. %n: how many primes.</extracomment>
        <translation>
            <numerusform>%n 个质数。</numerusform>
        </translation>
    </message>
    <message>
        <source>prime</source>
        <extracomment>The word a pupil types to answer that a number is prime, read in any letter case (&quot;prime&quot; is always read too). One word, as pupils write it.</extracomment>
        <translation>质数</translation>
    </message>
    <message>
        <source>Write %1 as a product of prime factors.</source>
        <extracomment>A practice question. %1: the number to factorize.</extracomment>
        <translation>把 %1 分解质因数。</translation>
    </message>
    <message>
        <source>Find the HCF of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>求 %1 和 %2 的最大公因数。</translation>
    </message>
    <message>
        <source>Find the HCF of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>求 %1、%2 和 %3 的最大公因数。</translation>
    </message>
    <message>
        <source>Find the LCM of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>求 %1 和 %2 的最小公倍数。</translation>
    </message>
    <message>
        <source>Find the LCM of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>求 %1、%2 和 %3 的最小公倍数。</translation>
    </message>
    <message>
        <source>Is %1 a prime number? If not, write it as a product of two smaller numbers.</source>
        <extracomment>A practice question. %1: the number.</extracomment>
        <translation>%1 是质数吗？如果不是，请把它写成两个较小的数的积。</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <extracomment>The verdict on a right answer. %1: what was found: &quot;360 = 2^3 x 3^2 x 5&quot;, &quot;HCF = 6&quot;, &quot;LCM = 36&quot;, &quot;91 = 7 x 13&quot; or &quot;97 is a prime number.&quot;.</extracomment>
        <translation>答对了！%1</translation>
    </message>
    <message>
        <source>Type your answer first.</source>
        <extracomment>The verdict when Check is pressed with nothing typed.</extracomment>
        <translation>请先输入答案。</translation>
    </message>
    <message>
        <source>I can&apos;t read &quot;%1&quot;.</source>
        <extracomment>The verdict on an answer that cannot be read. %1: the part of the answer not understood, as typed.</extracomment>
        <translation>看不懂“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too big for this question.</source>
        <extracomment>The verdict on an answer with a number or exponent far too large. %1: that number or exponent, as typed.</extracomment>
        <translation>“%1”对这道题来说太大了。</translation>
    </message>
    <message>
        <source>1 is not a prime number.</source>
        <extracomment>The verdict on prime factors that include 1.</extracomment>
        <translation>1 不是质数。</translation>
    </message>
    <message>
        <source>%1 is not prime: %1 = %2.</source>
        <extracomment>The verdict on prime factors that include a composite. %1: that factor, %2: its split, smallest factor first (&quot;3 x 3&quot;).</extracomment>
        <translation>%1 不是质数：%1 = %2。</translation>
    </message>
    <message>
        <source>These multiply to %1, not %2.</source>
        <extracomment>The verdict on primes whose product is not the number asked. %1: their product, %2: the number asked.</extracomment>
        <translation>这些数的积是 %1，不是 %2。</translation>
    </message>
    <message>
        <source>These multiply to far more than %1.</source>
        <extracomment>The verdict on primes whose product is far too large to write. %1: the number asked.</extracomment>
        <translation>这些数的积远远大于 %1。</translation>
    </message>
    <message>
        <source>%1 is not a factor of %2.</source>
        <extracomment>The verdict on an HCF answer. %1: the answer, %2: the first number of the question it does not divide.</extracomment>
        <translation>%1 不是 %2 的因数。</translation>
    </message>
    <message>
        <source>%1 is a common factor, but not the highest.</source>
        <extracomment>The verdict on an HCF answer that divides every number but is not the HCF. %1: the answer.</extracomment>
        <translation>%1 是公因数，但不是最大公因数。</translation>
    </message>
    <message>
        <source>%1 is not a multiple of %2.</source>
        <extracomment>The verdict on an LCM answer. %1: the answer, %2: the first number of the question that does not divide it.</extracomment>
        <translation>%1 不是 %2 的倍数。</translation>
    </message>
    <message>
        <source>%1 is a common multiple, but not the lowest.</source>
        <extracomment>The verdict on an LCM answer that every number divides but is not the LCM. %1: the answer.</extracomment>
        <translation>%1 是公倍数，但不是最小公倍数。</translation>
    </message>
    <message>
        <source>%1 is not %2.</source>
        <extracomment>The verdict on an answer &quot;product = number&quot; whose sides differ. %1: the product as written (&quot;2 x 3&quot;), %2: the number after the equals sign.</extracomment>
        <translation>%1 不等于 %2。</translation>
    </message>
    <message>
        <source>%1 is not prime: it has a factor other than 1 and itself.</source>
        <extracomment>The verdict on &quot;prime&quot; for a number that is not prime. %1: the number asked.</extracomment>
        <translation>%1 不是质数：除了 1 和它本身，它还有别的因数。</translation>
    </message>
    <message>
        <source>%1 = %2, not %3.</source>
        <extracomment>The verdict on a product that does not give the number asked. %1: the product as written (&quot;7 x 13&quot;), %2: its value, %3: the number asked.</extracomment>
        <translation>%1 = %2，不是 %3。</translation>
    </message>
    <message>
        <source>%1 is far more than %2.</source>
        <extracomment>The verdict on a product far too large to work out. %1: the product as written, %2: the number asked.</extracomment>
        <translation>%1 远远大于 %2。</translation>
    </message>
    <message>
        <source>Use numbers above 1.</source>
        <extracomment>The verdict on a product that gives the number asked only by using 1.</extracomment>
        <translation>请用大于 1 的数。</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot;, or write %2 as a product of two smaller numbers.</source>
        <extracomment>The verdict on &quot;prime or not&quot; answered with a single number. %1: the word for prime, %2: the number asked.</extracomment>
        <translation>请写“%1”，或者把 %2 写成两个较小的数的积。</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3</source>
        <extracomment>A hint: one exact division. %1 divided by %2 gives %3.</extracomment>
        <translation>%1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 r %4</source>
        <extracomment>A hint: one division with a remainder. %1 divided by %2 gives %3, remainder %4.</extracomment>
        <translation>%1 ÷ %2 = %3……%4</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <extracomment>A hint: one row of the LCM ladder. %1: the divisor, %2: the numbers of the row, two blanks apart.</extracomment>
        <translation>%1 | %2</translation>
    </message>
    <message>
        <source>What remains: %1</source>
        <extracomment>A hint: the numbers left under the LCM ladder. %1: the numbers, two blanks apart.</extracomment>
        <translation>最后剩下：%1</translation>
    </message>
    <message>
        <source>Try the primes up to √%1: %2</source>
        <extracomment>A hint: the primes to try as divisors. %1: the number asked, %2: the primes up to its square root, joined by the list separator.</extracomment>
        <translation>试除不大于 √%1 的质数：%2</translation>
    </message>
    <message>
        <source>No prime is at most √%1.</source>
        <extracomment>A hint when no prime is small enough to try. %1: the number asked (2 or 3).</extracomment>
        <translation>没有不大于 √%1 的质数。</translation>
    </message>
    <message>
        <source>%1 = %2 x %3: %1 is not prime.</source>
        <extracomment>A hint: the number splits, so it is not prime. %1: the number, %2 x %3: its split.</extracomment>
        <translation>%1 = %2 × %3：%1 不是质数。</translation>
    </message>
    <message numerus="yes">
        <source>Question %1 of %2 · %n right first time</source>
        <extracomment>The practice score. %1: this question&apos;s place in the round, %2: the questions in a round, %n: the questions right first time so far.</extracomment>
        <translation>
            <numerusform>第 %1 题，共 %2 题 · 一次答对 %n 题</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 min %3 s.</source>
        <extracomment>The score at a round&apos;s end. %n: the questions right first time, %1: the questions in a round, %2: whole minutes, %3: seconds.</extracomment>
        <translation>
            <numerusform>本轮结束：%1 题中一次答对 %n 题，用时 %2 分 %3 秒。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 s.</source>
        <extracomment>The score at a round&apos;s end under a minute. %n: the questions right first time, %1: the questions in a round, %2: seconds.</extracomment>
        <translation>
            <numerusform>本轮结束：%1 题中一次答对 %n 题，用时 %2 秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>(continued)</source>
        <extracomment>Atop each further page of a picture split across printed pages.</extracomment>
        <translation>（续）</translation>
    </message>
    <message>
        <source>Primes between %1 and %2: %3</source>
        <extracomment>The caption above a sieve grid. %1, %2: the range&apos;s bounds, %3: the count of primes in words (primeCountInWords, &quot;25 primes&quot;).</extracomment>
        <translation>%1 和 %2 之间的质数：%3</translation>
    </message>
    <message numerus="yes">
        <source>%n primes</source>
        <extracomment>A count of primes in the caption above a sieve grid (&quot;Primes between 1 and 100: 25 primes&quot;). %n: the count (0 or more).</extracomment>
        <translation>
            <numerusform>%n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken as %2.</source>
        <extracomment>In the HCF and LCM working, right after the heading, and under a Venn diagram: the working uses a negative number&apos;s size. %1: the negative number (&quot;-12&quot;), %2: its size (&quot;12&quot;).</extracomment>
        <translation>%1 按 %2 计算。</translation>
    </message>
    <message>
        <source>Worksheet: prime factors, HCF and LCM</source>
        <extracomment>The title of a worksheet, the same for every choice of kinds.</extracomment>
        <translation>练习卷：分解质因数、最大公因数和最小公倍数</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>On a worksheet, before a line where the pupil writes their name.</extracomment>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>On a worksheet, before a line where the pupil writes the date.</extracomment>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Level %1 · seed %2</source>
        <extracomment>Under a worksheet&apos;s title: what makes the same sheet again. %1: the level, 1 to 3, %2: the seed, a whole number.</extracomment>
        <translation>第 %1 级 · 种子 %2</translation>
    </message>
    <message>
        <source>Level %1 · seed %2 · page %3 of %4</source>
        <extracomment>The footer of every page of a worksheet. %1: the level, %2: the seed, %3: this page, %4: the pages.</extracomment>
        <translation>第 %1 级 · 种子 %2 · 第 %3 页，共 %4 页</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The number of a question on a worksheet, and of its answer. %1: the number.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>The heading of a worksheet&apos;s answer key.</extracomment>
        <translation>参考答案</translation>
    </message>
    <message>
        <source>%1, not prime</source>
        <extracomment>In a worksheet&apos;s answer key: a number that is not prime. %1: the number split in two, &quot;91 = 7 x 13&quot;.</extracomment>
        <translation>%1，不是质数</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Question</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>显示解题过程(&amp;W)</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>显示解题过程</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一题(&amp;N)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>评语</translation>
    </message>
    <message>
        <source>Practice – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>练习 – %1</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>题型</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>分解质因数</translation>
    </message>
    <message>
        <source>HCF</source>
        <extracomment>The school&apos;s name of the highest common factor, as in &quot;HCF = 6&quot;</extracomment>
        <translation>最大公因数</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>The school&apos;s name of the lowest common multiple, as in &quot;LCM = 36&quot;</extracomment>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>Prime or not</source>
        <translation>是不是质数</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>综合</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>%1: 1, 2 or 3</extracomment>
        <translation>第 %1 级</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>题型(&amp;K)：</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>级别(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>答案(&amp;A)：</translation>
    </message>
    <message>
        <source>Wo&amp;rksheet…</source>
        <translation>练习卷(&amp;S)…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>练习卷</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>全部复制(&amp;A)</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG 图片 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>文本 (*.txt)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG 图片 (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>factors</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;factors-360&quot;: lower case, no blanks.</extracomment>
        <translation>质因数</translation>
    </message>
    <message>
        <source>hcf</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;hcf-12-18&quot;: lower case, no blanks.</extracomment>
        <translation>最大公因数</translation>
    </message>
    <message>
        <source>lcm</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;lcm-4-6-10&quot;: lower case, no blanks.</extracomment>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>primes</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;primes-1-100&quot;: lower case, no blanks.</extracomment>
        <translation>质数</translation>
    </message>
    <message>
        <source>the name does not end in one of %1</source>
        <extracomment>%1: the extensions offered, as &quot;.png, .svg, .pdf, .txt, .jpg&quot;</extracomment>
        <translation>文件名不以 %1 中的任何一个结尾</translation>
    </message>
    <message>
        <source>there is no picture to save: save the steps as .pdf or .txt</source>
        <translation>没有可保存的图示：请把步骤保存为 .pdf 或 .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图示</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>步骤(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>图示(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>复制图示(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>适应窗口(&amp;F)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>复制图示</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适应窗口</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>无法将解题过程保存为“%1”：%2。</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>保存解题过程</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>无法打印：%1</translation>
    </message>
    <message>
        <source>Practise…</source>
        <translation>练习…</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>练习</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>&amp;Prime factors</source>
        <translation>分解质因数(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;HCF</source>
        <extracomment>The school&apos;s name of the highest common factor</extracomment>
        <translation>最大公因数(&amp;H)</translation>
    </message>
    <message>
        <source>L&amp;CM</source>
        <extracomment>The school&apos;s name of the lowest common multiple</extracomment>
        <translation>最小公倍数(&amp;C)</translation>
    </message>
    <message>
        <source>Prime &amp;or not</source>
        <translation>是不是质数(&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;ictures in the answer key</source>
        <translation>答案附图示(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>打印(&amp;R)…</translation>
    </message>
    <message>
        <source>Worksheet – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>练习卷 – %1</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>第一页预览</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>题型</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>级别(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Number of questions:</source>
        <translation>题数(&amp;N)：</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>种子(&amp;E)：</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>种子是 0 到 18446744073709551615 之间的整数。</translation>
    </message>
    <message>
        <source>Choose at least one kind of question.</source>
        <translation>请至少选择一种题型。</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>保存练习卷</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: the file; %2: why it could not be written</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1: why printing is not available</extracomment>
        <translation>无法打印：%1</translation>
    </message>
</context>
<context>
    <name>WorksheetFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>ODF text document (*.odt)</source>
        <translation>ODF 文本文档 (*.odt)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>文本 (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .pdf, .odt or .txt</source>
        <translation>文件名不以 .pdf、.odt 或 .txt 结尾</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>联系：kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>访问本网站获取更多下载</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>网址：numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. 学校免费使用。</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>免费下载</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Numeria Learning 标志</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>第一个数的质因数</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>因数</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>因数=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>把第一个数分解质因数</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>因数 ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>最小公倍数的因数</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>最小公倍数的因数 ??</translation>
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
        <translation>求这些数的最小公倍数</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>最小公倍数</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>最大公因数</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>最大公因数</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>最大公因数 = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>求这些数的最大公因数</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>最大公因数</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>（求因数、最大公因数和最小公倍数）</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>输入数，用空格隔开</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>儿童俱乐部标志</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>计算用时</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>一位大人和孩子一起读图画书</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>用空格隔开的数</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>求质数，范围从</translation>
    </message>
    <message>
        <source>and</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>质数个数</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>质数...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>范围的第一个框</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>范围的第二个框</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>查找两个框之间的质数</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>找到的质数</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>The FIND button, one short imperative word, at most about 7 Latin letters wide.</extracomment>
        <translation>查找</translation>
    </message>
</context>
</TS>
