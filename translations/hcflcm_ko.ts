<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>풀이 - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>인수, 최대공약수와 최소공배수</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>소인수분해, 최대공약수와 최소공배수</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>풀이 보기(&amp;W)</translation>
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
        <translation>소인수분해, 최대공약수와 최소공배수: 학교에서 배우는 자연수 계산을 위한
계산기입니다. 창에서 입력한 첫 번째 수를 소인수분해하고, 수들의 최대공약수와
공약수로 나누기로 최소공배수를 구하며, 두 범위 사이의 소수를 보여 줍니다.
옵션 없이 실행하면 창을 엽니다. -platform, -style 같은 Qt의 창 옵션도
받습니다(설명서 페이지 hcflcm(1) 참고).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>이 도움말을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>버전을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>시스템 언어 대신 &lt;code&gt; 언어를 씁니다: %1 (밑줄 대신 하이픈도 됩니다. 예: pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>예상하지 못한 인수 “%1”: 이 프로그램은 파일이나 수를 받지 않습니다.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>알 수 없는 언어 “%1”. 언어 목록: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
자세한 내용은 “%1 --help”를 실행해 보세요.
</translation>
    </message>
    <message>
        <source>Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.</source>
        <translation>주 창 위에 연습 창을 엽니다: 소인수분해, 최대공약수, 최소공배수, 소수 문제를 풀이에서 나온 힌트와 함께 냅니다.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>수</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: give a whole number from 0 to %2.</source>
        <extracomment>%1: the seed as typed; %2: the largest seed</extracomment>
        <translation>잘못된 시드 “%1”: 0부터 %2까지의 정수를 입력하세요.</translation>
    </message>
    <message>
        <source>The option --%1 needs --worksheet.</source>
        <extracomment>%1: an option of the worksheet, such as --level</extracomment>
        <translation>--%1 옵션은 --worksheet와 함께 써야 합니다.</translation>
    </message>
    <message>
        <source>The options --practice and --worksheet cannot be used together.</source>
        <translation>--practice 옵션과 --worksheet 옵션은 함께 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the name must end in .pdf, .odt or .txt.</source>
        <extracomment>%1: the file name as typed</extracomment>
        <translation>“%1”에 쓸 수 없습니다: 이름은 .pdf, .odt, .txt 중 하나로 끝나야 합니다.</translation>
    </message>
    <message>
        <source>Unknown kinds &apos;%1&apos;: give one or more of factors, hcf, lcm, prime, joined by commas.</source>
        <extracomment>%1: the kinds as typed; the kinds&apos; names stay in English</extracomment>
        <translation>알 수 없는 종류 “%1”: factors, hcf, lcm, prime 중 하나 이상을 쉼표로 이어 입력하세요.</translation>
    </message>
    <message>
        <source>Invalid level &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the level as typed; %2 and %3: the lowest and highest levels</extracomment>
        <translation>잘못된 단계 “%1”: %2부터 %3까지의 정수를 입력하세요.</translation>
    </message>
    <message>
        <source>Invalid number of questions &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the number of questions as typed; %2 and %3: the fewest and most</extracomment>
        <translation>잘못된 문제 수 “%1”: %2부터 %3까지의 정수를 입력하세요.</translation>
    </message>
    <message>
        <source>With --practice or --worksheet: starts the questions from the seed &lt;number&gt;, a whole number from 0 to %1; the same seed gives the same questions.</source>
        <extracomment>%1: the largest seed</extracomment>
        <translation>--practice나 --worksheet와 함께 씁니다: 시드 &lt;수&gt;에서 문제를 시작합니다. 시드는 0부터 %1까지의 정수이며, 같은 시드에서는 같은 문제가 나옵니다.</translation>
    </message>
    <message>
        <source>Writes a worksheet of questions with its answer key to &lt;file&gt;, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).</source>
        <translation>창을 열지 않고 문제와 정답이 담긴 학습지를 &lt;파일&gt;에 씁니다: PDF 문서(.pdf), ODF 텍스트 문서(.odt), 일반 텍스트(.txt).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).</source>
        <translation>--worksheet와 함께 씁니다: 번갈아 낼 문제 종류를 factors, hcf, lcm, prime 중에서 골라 쉼표로 이어 입력합니다(주지 않으면 네 가지 모두).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>목록</translation>
    </message>
    <message>
        <source>With --worksheet: the level of the questions, 1 to 3 (1 unless given).</source>
        <translation>--worksheet와 함께 씁니다: 문제의 단계, 1부터 3까지(주지 않으면 1).</translation>
    </message>
    <message>
        <source>With --worksheet: the number of questions, 1 to 60 (20 unless given).</source>
        <translation>--worksheet와 함께 씁니다: 문제 수, 1부터 60까지(주지 않으면 20).</translation>
    </message>
    <message>
        <source>With --worksheet: no factor trees or Venn diagrams beside the answers.</source>
        <translation>--worksheet와 함께 씁니다: 정답 옆에 인수 나무나 벤 다이어그램을 그리지 않습니다.</translation>
    </message>
    <message>
        <source>The option --seed needs --practice or --worksheet.</source>
        <translation>--seed 옵션은 --practice나 --worksheet와 함께 써야 합니다.</translation>
    </message>
    <message>
        <source>%1: Cannot write &apos;%2&apos;: %3
</source>
        <extracomment>%1: the program; %2: the file name; %3: why it could not be written</extracomment>
        <translation>%1: “%2”에 쓸 수 없습니다: %3
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: 1 question, level %2, seed %3.
</source>
        <extracomment>%1: the file; %2: the level; %3: the seed</extracomment>
        <translation>
            <numerusform>%1에 썼습니다: 1문제, %2단계, 시드 %3.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n questions, level %2, seed %3.
</source>
        <translation>
            <numerusform>%1에 썼습니다: %n문제, %2단계, 시드 %3.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>예상하지 못한 오류로 계산이 멈췄습니다: %1.
계산기는 계속 쓸 수 있습니다. 수를 확인하고 다시 해 보세요.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>%2에서 “%1”을(를) 실행할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <extracomment>Factors caption while the factors are being found (and after an edit of the numbers). Keep it short: it fits a small caption.</extracomment>
        <translation>소인수 ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <extracomment>HCF caption before the HCF is found (and after an edit). Keep it short.</extracomment>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <extracomment>LCM caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <extracomment>LCM factors caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>최소공배수의 인수 ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <extracomment>Status line while a command works. Keep it short: it fits a small caption.</extracomment>
        <translation>기다리세요...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <extracomment>Time caption while the primes are being found. Keep it short.</extracomment>
        <translation>소수 시간?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <extracomment>Prime count caption while the primes are being found. Keep it short.</extracomment>
        <translation>찾는 중...</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Status line after the numbers were edited: the results shown no longer hold.</extracomment>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <extracomment>Title of the frame of the factors before a number was factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>첫 번째 수의 소인수</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <extracomment>Title of the frame of the factors. %1: the number factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>%1의 소인수</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <extracomment>HCF caption, and the last line of the HCF working. %1: the HCF, or its factors joined by the times sign, &quot; = &quot; and its value (&quot;2 x 3 = 6&quot;).</extracomment>
        <translation>최대공약수 = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <extracomment>LCM caption, and the last line of the LCM working. %1: the LCM (it may have hundreds of digits), or its factors joined by the times sign, &quot; = &quot; and its value.</extracomment>
        <translation>최소공배수 = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <extracomment>LCM factors caption. %1: the factors joined by the times sign, and %1 STARTS WITH A BLANK (&quot; 2 x 2 x 3&quot;), so write no blank before it.</extracomment>
        <translation>최소공배수의 인수:%1</translation>
    </message>
    <message>
        <source> x </source>
        <extracomment>The times sign that joins the factors of a product (&quot;2 x 2 x 3&quot;), with its blanks on both sides. Use the sign your school writes (&quot; × &quot; or &quot; · &quot;).</extracomment>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <extracomment>Time caption of the factors. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (소인수분해)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <extracomment>Time caption of the HCF. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (최대공약수)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <extracomment>Time caption of the LCM. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (최소공배수)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <extracomment>Time caption of the primes. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (소수)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Refusal. %1: the word typed that is not a number (at most 40 characters, then &quot;...&quot;). Use your language&apos;s quotation marks.</extracomment>
        <translation>“%1”은(는) 수가 아닙니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <extracomment>Refusal. %1: the number typed that is too large or too small. Use your language&apos;s quotation marks; keep the two limits as digits.</extracomment>
        <translation>“%1”은(는) 범위를 벗어났습니다: -2147483648부터 2147483647까지의 수를 입력하세요.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <extracomment>Refusal when the numbers box is empty.</extracomment>
        <translation>수를 하나 이상 입력하세요.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <extracomment>Refusal when the HCF is asked of one number.</extracomment>
        <translation>최대공약수를 구하려면 수가 두 개 있어야 합니다.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <extracomment>Refusal of a prime bound. %1: which box, 1 (from) or 2 (to).</extracomment>
        <translation>%1번 칸에 올바른 양수를 입력하세요.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <extracomment>Heading of the factors&apos; working. %1: the number.</extracomment>
        <translation>%1의 소인수분해</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <extracomment>The working of a number below 2, and the notice instead of its factor tree.</extracomment>
        <translation>1보다 큰 수만 소인수를 가집니다.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <extracomment>%1: a prime number (the last line of its working, and what its factor tree says).</extracomment>
        <translation>%1은(는) 소수입니다.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <extracomment>Heading of the HCF working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>%1의 최대공약수</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <extracomment>The HCF of two numbers, in the working. %1, %2: the two numbers. Followed by &quot;:&quot; (a heading) or &quot; = &quot; and the HCF.</extracomment>
        <translation>최대공약수(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <extracomment>The line after the HCF&apos;s working when the fold reached 1 before the last number.</extracomment>
        <translation>최대공약수가 이미 1입니다: 나머지 수는 이를 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <extracomment>Heading of the LCM working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>%1의 최소공배수</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <extracomment>The LCM working when a number is 0.</extracomment>
        <translation>수 하나가 0이므로 최소공배수는 0입니다.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the numbers of a list (&quot;12, 18, 30&quot;), with its blank after it.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <extracomment>Heading of the primes&apos; working. %1, %2: the bounds.</extracomment>
        <translation>%1과(와) %2 사이의 소수</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <extracomment>A step of the sieve of Eratosthenes.</extracomment>
        <translation>1을 지웁니다: 1은 소수가 아닙니다.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <extracomment>A step of the sieve of Eratosthenes. %1: a prime, %2: its multiples crossed out (joined by the number separator), or the word for &quot;none&quot;.</extracomment>
        <translation>%1의 배수를 지웁니다: %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the multiples crossed out when there are none (&quot;Cross out the multiples of 7: none&quot;).</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <extracomment>The sieve&apos;s last step. %1: a prime, %2: its square, %3: the upper bound. &quot;x&quot; is the times sign.</extracomment>
        <translation>%1 × %1 = %2은(는) %3보다 큽니다: 남은 수는 소수입니다.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <extracomment>The sieve&apos;s result when no prime is left.</extracomment>
        <translation>소수가 없습니다.</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <extracomment>Instead of the sieve&apos;s steps, for a wide range.</extracomment>
        <translation>에라토스테네스의 체는 1000개까지의 범위에서 보여 줍니다.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <extracomment>The Working window&apos;s notice after an edit of the numbers.</extracomment>
        <translation>수가 바뀌었습니다: 풀이를 보려면 다시 계산하세요.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <extracomment>The notice instead of a Venn diagram.</extracomment>
        <translation>벤 다이어그램은 0이 아닌 두 수나 세 수일 때 그립니다.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <extracomment>The notice instead of the sieve grid.</extracomment>
        <translation>수 표는 1000개까지의 범위에서 그립니다.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <extracomment>A factor tree in words, for screen readers. %1: the number, %2: each split (joined by the part separator), or that the number is prime.</extracomment>
        <translation>%1의 인수 나무: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <extracomment>One split of the factor tree, in words. %1: the number, %2 and %3: its two children.</extracomment>
        <translation>%1 = %2 × %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the parts of a picture&apos;s description for screen readers, with its blank.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <extracomment>A Venn diagram in words, for screen readers. %1: the numbers (&quot;8, 12 and 18&quot;), %2: the regions that hold factors (joined by the part separator).</extracomment>
        <translation>%1의 벤 다이어그램: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list said in words. %1: the numbers before the last one (joined by the list separator), %2: the last one (&quot;8, 12&quot; and &quot;18&quot;).</extracomment>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the number whose circle alone holds it, %2: its factors (joined by the list separator).</extracomment>
        <translation>%1에만: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the numbers whose circles hold it (&quot;12 and 18&quot;), %2: its factors.</extracomment>
        <translation>%1에 공통: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <extracomment>A Venn diagram in words when no circle holds a factor.</extracomment>
        <translation>소인수 없음</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <extracomment>The sieve grid in words, for screen readers. %1, %2: the bounds, %3: the primes or that there are none.</extracomment>
        <translation>%1부터 %2까지의 수 표: %3</translation>
    </message>
    <message numerus="yes">
        <source>the primes are %1</source>
        <extracomment>The primes of the sieve grid in words. %n: how many (1 or more), %1: the primes, joined by the list separator.</extracomment>
        <translation>
            <numerusform>소수는 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no primes</source>
        <extracomment>The sieve grid in words when it holds no prime.</extracomment>
        <translation>소수 없음</translation>
    </message>
    <message numerus="yes">
        <source>%n Primes</source>
        <extracomment>Prime count caption. %n: the number of primes found. English keeps &quot;1 Primes&quot; as the window has always shown it; write your language&apos;s correct forms. Keep it short.</extracomment>
        <translation>
            <numerusform>소수 %n개</numerusform>
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
            <numerusform>수는 %n개까지 입력하세요.</numerusform>
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
        <translation>%1의 %2제곱</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A heading line, followed by its working on the next lines. %1: what it heads, e.g. &quot;HCF(12, 18)&quot;. French writes a no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 = %2 x %3 + %4</source>
        <extracomment>One division of Euclid&apos;s method. %1: the dividend, %2: the quotient, %3: the divisor, %4: the remainder (&quot;18 = 1 x 12 + 6&quot;). Write it in your school&apos;s order and signs; the placeholders may stand in any order (&quot;%1 : %3 = %2 R %4&quot;).</extracomment>
        <translation>%1 ÷ %3 = %2 … %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The end of a list of numbers in the working&apos;s headings. %1: the numbers before the last one (joined by the list separator), %2: the last one. English writes &quot;12, 18, 30&quot;; write &quot;%1 and %2&quot; where your language ends a list so.</extracomment>
        <translation>%1 및 %2</translation>
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
            <numerusform>소수 %n개: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n primes.</source>
        <extracomment>The result of a wide range, whose primes are not listed. %n: how many primes.</extracomment>
        <translation>
            <numerusform>소수 %n개.</numerusform>
        </translation>
    </message>
    <message>
        <source>prime</source>
        <extracomment>The word a pupil types to answer that a number is prime, read in any letter case (&quot;prime&quot; is always read too). One word, as pupils write it.</extracomment>
        <translation>소수</translation>
    </message>
    <message>
        <source>Write %1 as a product of prime factors.</source>
        <extracomment>A practice question. %1: the number to factorize.</extracomment>
        <translation>%1을(를) 소인수분해하세요.</translation>
    </message>
    <message>
        <source>Find the HCF of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>%1과(와) %2의 최대공약수를 구하세요.</translation>
    </message>
    <message>
        <source>Find the HCF of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>%1, %2, %3의 최대공약수를 구하세요.</translation>
    </message>
    <message>
        <source>Find the LCM of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>%1과(와) %2의 최소공배수를 구하세요.</translation>
    </message>
    <message>
        <source>Find the LCM of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>%1, %2, %3의 최소공배수를 구하세요.</translation>
    </message>
    <message>
        <source>Is %1 a prime number? If not, write it as a product of two smaller numbers.</source>
        <extracomment>A practice question. %1: the number.</extracomment>
        <translation>%1은(는) 소수입니까? 소수가 아니면 더 작은 두 수의 곱으로 나타내세요.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <extracomment>The verdict on a right answer. %1: what was found: &quot;360 = 2^3 x 3^2 x 5&quot;, &quot;HCF = 6&quot;, &quot;LCM = 36&quot;, &quot;91 = 7 x 13&quot; or &quot;97 is a prime number.&quot;.</extracomment>
        <translation>정답입니다! %1</translation>
    </message>
    <message>
        <source>Type your answer first.</source>
        <extracomment>The verdict when Check is pressed with nothing typed.</extracomment>
        <translation>먼저 답을 입력하세요.</translation>
    </message>
    <message>
        <source>I can&apos;t read &quot;%1&quot;.</source>
        <extracomment>The verdict on an answer that cannot be read. %1: the part of the answer not understood, as typed.</extracomment>
        <translation>“%1”을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too big for this question.</source>
        <extracomment>The verdict on an answer with a number or exponent far too large. %1: that number or exponent, as typed.</extracomment>
        <translation>“%1”은(는) 이 문제에는 너무 큽니다.</translation>
    </message>
    <message>
        <source>1 is not a prime number.</source>
        <extracomment>The verdict on prime factors that include 1.</extracomment>
        <translation>1은 소수가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not prime: %1 = %2.</source>
        <extracomment>The verdict on prime factors that include a composite. %1: that factor, %2: its split, smallest factor first (&quot;3 x 3&quot;).</extracomment>
        <translation>%1은(는) 소수가 아닙니다: %1 = %2.</translation>
    </message>
    <message>
        <source>These multiply to %1, not %2.</source>
        <extracomment>The verdict on primes whose product is not the number asked. %1: their product, %2: the number asked.</extracomment>
        <translation>이 수들을 곱하면 %2이(가) 아니라 %1입니다.</translation>
    </message>
    <message>
        <source>These multiply to far more than %1.</source>
        <extracomment>The verdict on primes whose product is far too large to write. %1: the number asked.</extracomment>
        <translation>이 수들을 곱하면 %1보다 훨씬 큽니다.</translation>
    </message>
    <message>
        <source>%1 is not a factor of %2.</source>
        <extracomment>The verdict on an HCF answer. %1: the answer, %2: the first number of the question it does not divide.</extracomment>
        <translation>%1은(는) %2의 약수가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is a common factor, but not the highest.</source>
        <extracomment>The verdict on an HCF answer that divides every number but is not the HCF. %1: the answer.</extracomment>
        <translation>%1은(는) 공약수이지만 가장 큰 공약수는 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not a multiple of %2.</source>
        <extracomment>The verdict on an LCM answer. %1: the answer, %2: the first number of the question that does not divide it.</extracomment>
        <translation>%1은(는) %2의 배수가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is a common multiple, but not the lowest.</source>
        <extracomment>The verdict on an LCM answer that every number divides but is not the LCM. %1: the answer.</extracomment>
        <translation>%1은(는) 공배수이지만 가장 작은 공배수는 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not %2.</source>
        <extracomment>The verdict on an answer &quot;product = number&quot; whose sides differ. %1: the product as written (&quot;2 x 3&quot;), %2: the number after the equals sign.</extracomment>
        <translation>%1은(는) %2와(과) 같지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is not prime: it has a factor other than 1 and itself.</source>
        <extracomment>The verdict on &quot;prime&quot; for a number that is not prime. %1: the number asked.</extracomment>
        <translation>%1은(는) 소수가 아닙니다: 1과 자기 자신 말고도 약수가 있습니다.</translation>
    </message>
    <message>
        <source>%1 = %2, not %3.</source>
        <extracomment>The verdict on a product that does not give the number asked. %1: the product as written (&quot;7 x 13&quot;), %2: its value, %3: the number asked.</extracomment>
        <translation>%1 = %2이므로 %3이(가) 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is far more than %2.</source>
        <extracomment>The verdict on a product far too large to work out. %1: the product as written, %2: the number asked.</extracomment>
        <translation>%1은(는) %2보다 훨씬 큽니다.</translation>
    </message>
    <message>
        <source>Use numbers above 1.</source>
        <extracomment>The verdict on a product that gives the number asked only by using 1.</extracomment>
        <translation>1보다 큰 수를 쓰세요.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot;, or write %2 as a product of two smaller numbers.</source>
        <extracomment>The verdict on &quot;prime or not&quot; answered with a single number. %1: the word for prime, %2: the number asked.</extracomment>
        <translation>“%1”라고 쓰거나, %2을(를) 더 작은 두 수의 곱으로 나타내세요.</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3</source>
        <extracomment>A hint: one exact division. %1 divided by %2 gives %3.</extracomment>
        <translation>%1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 r %4</source>
        <extracomment>A hint: one division with a remainder. %1 divided by %2 gives %3, remainder %4.</extracomment>
        <translation>%1 ÷ %2 = %3 … %4</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <extracomment>A hint: one row of the LCM ladder. %1: the divisor, %2: the numbers of the row, two blanks apart.</extracomment>
        <translation>%1 | %2</translation>
    </message>
    <message>
        <source>What remains: %1</source>
        <extracomment>A hint: the numbers left under the LCM ladder. %1: the numbers, two blanks apart.</extracomment>
        <translation>남은 수: %1</translation>
    </message>
    <message>
        <source>Try the primes up to √%1: %2</source>
        <extracomment>A hint: the primes to try as divisors. %1: the number asked, %2: the primes up to its square root, joined by the list separator.</extracomment>
        <translation>√%1 이하의 소수로 나누어 보세요: %2</translation>
    </message>
    <message>
        <source>No prime is at most √%1.</source>
        <extracomment>A hint when no prime is small enough to try. %1: the number asked (2 or 3).</extracomment>
        <translation>√%1 이하인 소수는 없습니다.</translation>
    </message>
    <message>
        <source>%1 = %2 x %3: %1 is not prime.</source>
        <extracomment>A hint: the number splits, so it is not prime. %1: the number, %2 x %3: its split.</extracomment>
        <translation>%1 = %2 × %3: %1은(는) 소수가 아닙니다.</translation>
    </message>
    <message numerus="yes">
        <source>Question %1 of %2 · %n right first time</source>
        <extracomment>The practice score. %1: this question&apos;s place in the round, %2: the questions in a round, %n: the questions right first time so far.</extracomment>
        <translation>
            <numerusform>%2문제 중 %1번째 · 한 번에 맞힌 문제 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 min %3 s.</source>
        <extracomment>The score at a round&apos;s end. %n: the questions right first time, %1: the questions in a round, %2: whole minutes, %3: seconds.</extracomment>
        <translation>
            <numerusform>한 회 끝: %1문제 중 %n문제를 한 번에 맞혔습니다. 걸린 시간 %2분 %3초.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 s.</source>
        <extracomment>The score at a round&apos;s end under a minute. %n: the questions right first time, %1: the questions in a round, %2: seconds.</extracomment>
        <translation>
            <numerusform>한 회 끝: %1문제 중 %n문제를 한 번에 맞혔습니다. 걸린 시간 %2초.</numerusform>
        </translation>
    </message>
    <message>
        <source>(continued)</source>
        <extracomment>Atop each further page of a picture split across printed pages.</extracomment>
        <translation>(계속)</translation>
    </message>
    <message>
        <source>Primes between %1 and %2: %3</source>
        <extracomment>The caption above a sieve grid. %1, %2: the range&apos;s bounds, %3: the count of primes in words (primeCountInWords, &quot;25 primes&quot;).</extracomment>
        <translation>%1과(와) %2 사이의 소수: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n primes</source>
        <extracomment>A count of primes in the caption above a sieve grid (&quot;Primes between 1 and 100: 25 primes&quot;). %n: the count (0 or more).</extracomment>
        <translation>
            <numerusform>%n개</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken as %2.</source>
        <extracomment>In the HCF and LCM working, right after the heading, and under a Venn diagram: the working uses a negative number&apos;s size. %1: the negative number (&quot;-12&quot;), %2: its size (&quot;12&quot;).</extracomment>
        <translation>%1은(는) %2(으)로 계산합니다.</translation>
    </message>
    <message>
        <source>Worksheet: prime factors, HCF and LCM</source>
        <extracomment>The title of a worksheet, the same for every choice of kinds.</extracomment>
        <translation>학습지: 소인수분해, 최대공약수와 최소공배수</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>On a worksheet, before a line where the pupil writes their name.</extracomment>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>On a worksheet, before a line where the pupil writes the date.</extracomment>
        <translation>날짜:</translation>
    </message>
    <message>
        <source>Level %1 · seed %2</source>
        <extracomment>Under a worksheet&apos;s title: what makes the same sheet again. %1: the level, 1 to 3, %2: the seed, a whole number.</extracomment>
        <translation>%1단계 · 시드 %2</translation>
    </message>
    <message>
        <source>Level %1 · seed %2 · page %3 of %4</source>
        <extracomment>The footer of every page of a worksheet. %1: the level, %2: the seed, %3: this page, %4: the pages.</extracomment>
        <translation>%1단계 · 시드 %2 · %3/%4쪽</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The number of a question on a worksheet, and of its answer. %1: the number.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>The heading of a worksheet&apos;s answer key.</extracomment>
        <translation>정답</translation>
    </message>
    <message>
        <source>%1, not prime</source>
        <extracomment>In a worksheet&apos;s answer key: a number that is not prime. %1: the number split in two, &quot;91 = 7 x 13&quot;.</extracomment>
        <translation>%1이므로 소수가 아닙니다.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Question</source>
        <translation>문제</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>확인(&amp;C)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>힌트(&amp;H)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>힌트</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>풀이 보기(&amp;W)</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>풀이 보기</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>다음 문제(&amp;N)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음 문제</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>채점 결과</translation>
    </message>
    <message>
        <source>Practice – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>연습 – %1</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>문제 종류</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>소인수분해</translation>
    </message>
    <message>
        <source>HCF</source>
        <extracomment>The school&apos;s name of the highest common factor, as in &quot;HCF = 6&quot;</extracomment>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>The school&apos;s name of the lowest common multiple, as in &quot;LCM = 36&quot;</extracomment>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>Prime or not</source>
        <translation>소수 판별</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>종합</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>%1: 1, 2 or 3</extracomment>
        <translation>%1단계</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>답</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>힌트</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>종류(&amp;K):</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>단계(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>답(&amp;A):</translation>
    </message>
    <message>
        <source>Wo&amp;rksheet…</source>
        <translation>학습지(&amp;S)…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>학습지</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>모두 복사(&amp;A)</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG 그림 (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG 그림 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 문서 (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>텍스트 (*.txt)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG 그림 (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>factors</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;factors-360&quot;: lower case, no blanks.</extracomment>
        <translation>소인수분해</translation>
    </message>
    <message>
        <source>hcf</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;hcf-12-18&quot;: lower case, no blanks.</extracomment>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>lcm</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;lcm-4-6-10&quot;: lower case, no blanks.</extracomment>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>primes</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;primes-1-100&quot;: lower case, no blanks.</extracomment>
        <translation>소수</translation>
    </message>
    <message>
        <source>the name does not end in one of %1</source>
        <extracomment>%1: the extensions offered, as &quot;.png, .svg, .pdf, .txt, .jpg&quot;</extracomment>
        <translation>이름이 %1 중 하나로 끝나지 않습니다</translation>
    </message>
    <message>
        <source>there is no picture to save: save the steps as .pdf or .txt</source>
        <translation>저장할 그림이 없습니다: 단계를 .pdf나 .txt로 저장하세요</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>단계(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>그림(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>저장(&amp;S)…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>그림 복사(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>인쇄(&amp;P)…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>창에 맞춤(&amp;F)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>그림 복사</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>창에 맞춤</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>풀이를 “%1”(으)로 저장할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>풀이 저장</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>인쇄할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Practise…</source>
        <translation>연습…</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>연습</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>&amp;Prime factors</source>
        <translation>소인수분해(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;HCF</source>
        <extracomment>The school&apos;s name of the highest common factor</extracomment>
        <translation>최대공약수(&amp;H)</translation>
    </message>
    <message>
        <source>L&amp;CM</source>
        <extracomment>The school&apos;s name of the lowest common multiple</extracomment>
        <translation>최소공배수(&amp;C)</translation>
    </message>
    <message>
        <source>Prime &amp;or not</source>
        <translation>소수 판별(&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;ictures in the answer key</source>
        <translation>정답에 그림 넣기(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>저장(&amp;S)…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>인쇄(&amp;R)…</translation>
    </message>
    <message>
        <source>Worksheet – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>학습지 – %1</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>첫 쪽 미리 보기</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>문제 종류</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>단계(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Number of questions:</source>
        <translation>문제 수(&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>시드(&amp;E):</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>시드는 0부터 18446744073709551615까지의 정수입니다.</translation>
    </message>
    <message>
        <source>Choose at least one kind of question.</source>
        <translation>문제 종류를 하나 이상 고르세요.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>학습지 저장</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: the file; %2: why it could not be written</extracomment>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1: why printing is not available</extracomment>
        <translation>인쇄할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 문서 (*.pdf)</translation>
    </message>
    <message>
        <source>ODF text document (*.odt)</source>
        <translation>ODF 텍스트 문서 (*.odt)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>텍스트 (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .pdf, .odt or .txt</source>
        <translation>이름이 .pdf, .odt, .txt 중 하나로 끝나지 않습니다</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>연락처: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>더 많은 내려받기는 이 웹사이트에서</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>방문: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. 학교는 무료.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>무료 내려받기</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Numeria Learning 로고</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>엠블럼</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>첫 번째 수의 소인수</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>소인수</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>소인수=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>첫 번째 수를 소인수분해하기</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>소인수 ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>최소공배수의 인수</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>최소공배수의 인수 ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>최소공배수 = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>수들의 최소공배수 구하기</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>최대공약수 = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>수들의 최대공약수 구하기</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(소인수, 최대공약수, 최소공배수 구하기)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>수를 띄어 쓰며 입력하세요</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>어린이 클럽 로고</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>계산 시간</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>아이와 그림책을 읽는 어른</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>띄어 쓴 수들</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>소수 찾기 범위</translation>
    </message>
    <message>
        <source>and</source>
        <translation>부터</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>소수의 개수</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>소수...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>범위의 첫째 칸</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>범위의 둘째 칸</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>두 칸 사이의 소수 찾기</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>찾은 소수</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>The FIND button, one short imperative word, at most about 7 Latin letters wide.</extracomment>
        <translation>찾기</translation>
    </message>
</context>
</TS>
