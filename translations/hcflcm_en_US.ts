<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
    <name>QObject</name>
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
    <name>frmLCM</name>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Factorization, GCF &amp; LCM of Numbers</translation>
    </message>
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
        <source>.</source>
        <translation>.</translation>
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
        <source>262144 16</source>
        <translation>262144 16</translation>
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
        <source>225000</source>
        <translation>225000</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Prime range box 1</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Prime range box 2</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
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
