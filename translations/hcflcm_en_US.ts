<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Working - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Factors, GCF &amp; LCM</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Factorization, GCF &amp; LCM of Numbers</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Show &amp;Working</translation>
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
        <translation>Factorization, GCF &amp; LCM of Numbers: a calculator for school arithmetic on whole
numbers. Its window factorizes the first of the numbers typed, finds their GCF
and their LCM with the division ladder, and lists the primes between two bounds.
Started without options, it opens the window. Qt&apos;s own window options, such as
-platform and -style, are taken too (see the manual page hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Unexpected argument &apos;%1&apos;: the program takes no file or number.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Unknown language &apos;%1&apos;. The languages are: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Try &apos;%1 --help&apos; for more information.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Could not start &quot;%1&quot; in %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Factors ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>GCF ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>LCM ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>LCM Factors ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Pl. wait...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Prime Time?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Finding...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Factors of the 1st number</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Factors of the no. %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>GCF = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>LCM = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>LCM Factors: %1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>%1 Primes</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Factor)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (GCF)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (LCM)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Prime)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Enter at most 101 numbers.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Enter at least one number.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>You must have two numbers to Find GCF.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Enter positive valid number in Box %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Factors of %1</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Only numbers above 1 have prime factors.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 is a prime number.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>GCF of %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>GCF(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>The GCF is already 1: the other numbers cannot change it.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>LCM of %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>One of the numbers is 0, so the LCM is 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Primes between %1 and %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Cross out 1: it is not a prime number.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Cross out the multiples of %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 is above %3: the numbers left are prime.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>No primes.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 prime: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 primes: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>The sieve is shown for ranges of up to 1000 numbers.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 primes.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>The numbers have changed: run a command to see its working.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>A Venn diagram is drawn for two or three numbers, none of them 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>The grid is drawn for ranges of up to 1000 numbers.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Factor tree of %1: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <translation>%1 = %2 x %3</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <translation>Venn diagram of %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>in %1 only: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>in %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>no prime factors</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Grid of %1 to %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>the primes are %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>the prime is %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>no primes</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copy &amp;All</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>the name does not end in .png, .svg, .pdf or .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Steps</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Picture</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copy &amp;Picture</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>The working could not be saved as &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Save the Working</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Printing is not available: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Contact: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Visit this website for more downloads</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Visit: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Free for schools.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Free Download</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Numeria Learning logo</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Factors of the 1st number</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Factors</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Factors=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Find the factors of the first number</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Factors ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>LCM (Least Common Multiple)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>LCM factors</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>LCM Factors ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>LCM</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>LCM = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Find the LCM of the numbers</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>LCM ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>GCF (Greatest Common Factor)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>GCF</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>GCF = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Find the GCF of the numbers</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>GCF ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(For finding Factors, GCF and LCM)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Enter Numbers separating with Space</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Kids club logo</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Execution time</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>An adult reading a picture book with a child</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Execution Time</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Numbers separated by spaces</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Prime Numbers between</translation>
    </message>
    <message>
        <source>and</source>
        <translation>and</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Prime count</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Primes...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Prime range box 1</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Prime range box 2</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Find the primes between the two boxes</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Primes found</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Game</translation>
    </message>
</context>
</TS>
