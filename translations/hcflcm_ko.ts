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
Started without options, it opens the window. Qt's own window options, such as
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
        <source>Speaks the language &lt;code&gt; instead of the system's: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>시스템 언어 대신 &lt;code&gt; 언어를 씁니다: %1 (밑줄 대신 하이픈도 됩니다. 예: pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument '%1': the program takes no file or number.</source>
        <translation>예상하지 못한 인수 “%1”: 이 프로그램은 파일이나 수를 받지 않습니다.</translation>
    </message>
    <message>
        <source>Unknown language '%1'. The languages are: %2.</source>
        <translation>알 수 없는 언어 “%1”. 언어 목록: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try '%1 --help' for more information.
</source>
        <translation>%1: %2
자세한 내용은 “%1 --help”를 실행해 보세요.
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
        <source>Could not start "%1" in %2.</source>
        <translation>%2에서 “%1”을(를) 실행할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>소인수 ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>최대공약수</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>최소공배수</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>최소공배수의 인수 ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>기다리세요...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>소수 시간?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>찾는 중...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>첫 번째 수의 소인수</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>%1의 소인수</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>최대공약수 = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>최소공배수 = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>최소공배수의 인수:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>소수 %1개</translation>
    </message>
    <message>
        <source> x </source>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (소인수분해)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (최대공약수)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (최소공배수)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (소수)</translation>
    </message>
    <message>
        <source>"%1" is not a number.</source>
        <translation>“%1”은(는) 수가 아닙니다.</translation>
    </message>
    <message>
        <source>"%1" is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>“%1”은(는) 범위를 벗어났습니다: -2147483648부터 2147483647까지의 수를 입력하세요.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>수는 101개까지 입력하세요.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>수를 하나 이상 입력하세요.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>최대공약수를 구하려면 수가 두 개 있어야 합니다.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>%1번 칸에 올바른 양수를 입력하세요.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>%1의 소인수분해</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>1보다 큰 수만 소인수를 가집니다.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1은(는) 소수입니다.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>%1의 최대공약수</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>최대공약수(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>최대공약수가 이미 1입니다: 나머지 수는 이를 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>%1의 최소공배수</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>수 하나가 0이므로 최소공배수는 0입니다.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>%1과(와) %2 사이의 소수</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>1을 지웁니다: 1은 소수가 아닙니다.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>%1의 배수를 지웁니다: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 × %1 = %2은(는) %3보다 큽니다: 남은 수는 소수입니다.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>소수가 없습니다.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>소수 1개: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>소수 %1개: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>에라토스테네스의 체는 1000개까지의 범위에서 보여 줍니다.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>소수 %1개.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>수가 바뀌었습니다: 풀이를 보려면 다시 계산하세요.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>벤 다이어그램은 0이 아닌 두 수나 세 수일 때 그립니다.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>수 표는 1000개까지의 범위에서 그립니다.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>%1의 인수 나무: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <translation>%1 = %2 × %3</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <translation>%1의 벤 다이어그램: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>%1에만: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>%1에 공통: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>소인수 없음</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>%1부터 %2까지의 수 표: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>소수는 %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>소수는 %1 하나</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>소수 없음</translation>
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
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>이름이 .png, .svg, .pdf, .txt로 끝나지 않습니다</translation>
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
        <source>The working could not be saved as "%1": %2.</source>
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
