<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Rechenweg - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Primfaktoren, ggT und kgV</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Primfaktoren, ggT und kgV von Zahlen</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>&amp;Rechenweg zeigen</translation>
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
        <translation>Primfaktoren, ggT und kgV von Zahlen: ein Rechner für das Rechnen mit ganzen
Zahlen in der Schule. Sein Fenster zerlegt die erste der eingegebenen Zahlen in
Primfaktoren, findet ihren ggT und ihr kgV mit der Divisionsleiter und listet
die Primzahlen zwischen zwei Grenzen auf. Ohne Optionen gestartet, öffnet es das
Fenster. Qts eigene Fensteroptionen wie -platform und -style werden ebenfalls
angenommen (siehe die Handbuchseite hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Verwendet die Sprache &lt;Code&gt; statt der des Systems: %1 (ein Bindestrich kann für den Unterstrich stehen, wie in pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Unerwartetes Argument „%1“: Das Programm nimmt weder Dateien noch Zahlen an.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Unbekannte Sprache „%1“. Die Sprachen sind: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
„%1 --help“ zeigt weitere Informationen.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Die Rechnung wurde wegen eines unerwarteten Fehlers abgebrochen: %1.
Der Rechner läuft weiter: Prüfe die Zahlen und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>&quot;%1&quot; konnte in %2 nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Faktoren ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>ggT ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>kgV ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Faktoren des kgV ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Primzahlen?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Suche...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Primfaktoren der 1. Zahl</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Primfaktoren von %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>ggT = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>kgV = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Faktoren des kgV:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>Anzahl: %1</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Faktoren)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (ggT)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (kgV)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Primz.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; ist keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; liegt außerhalb des Bereichs: Gib Zahlen von -2147483648 bis 2147483647 ein.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Gib höchstens 101 Zahlen ein.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Gib mindestens eine Zahl ein.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Für den ggT brauchst du mindestens zwei Zahlen.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Gib in Feld %1 eine gültige positive Zahl ein.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Primfaktorzerlegung von %1</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Nur Zahlen größer als 1 haben Primfaktoren.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 ist eine Primzahl.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>ggT von %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>ggT(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>Der ggT ist schon 1: Die anderen Zahlen können ihn nicht mehr ändern.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>kgV von %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Eine der Zahlen ist 0, also ist das kgV 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Primzahlen zwischen %1 und %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Streiche die 1: Sie ist keine Primzahl.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Streiche die Vielfachen von %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 ist größer als %3: Die übrigen Zahlen sind Primzahlen.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Keine Primzahlen.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 Primzahl: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 Primzahlen: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>Das Sieb wird nur für Bereiche mit höchstens 1000 Zahlen gezeigt.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 Primzahlen.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Die Zahlen wurden geändert: Starte eine Rechnung, um ihren Rechenweg zu sehen.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>Ein Venn-Diagramm wird nur für zwei oder drei Zahlen gezeichnet, von denen keine 0 ist.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>Die Zahlentafel wird nur für Bereiche mit höchstens 1000 Zahlen gezeichnet.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Faktorenbaum von %1: %2</translation>
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
        <translation>Venn-Diagramm von %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>nur in %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>in %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>keine Primfaktoren</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Zahlentafel von %1 bis %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>die Primzahlen sind %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>die einzige Primzahl ist %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>keine Primzahlen</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>der Name endet nicht auf .png, .svg, .pdf oder .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Schritte</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Der Rechenweg konnte nicht als &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Rechenweg speichern</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drucken ist nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Kontakt: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Besuche diese Website für weitere Downloads</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Website: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Frei für Schulen.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Gratis-Download</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logo von Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Primfaktoren der 1. Zahl</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Primfaktoren</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Faktoren=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Die erste Zahl in Primfaktoren zerlegen</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Faktoren ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>kgV (kleinstes gemeinsames Vielfaches)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Faktoren des kgV</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Faktoren des kgV ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>kgV</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>kgV = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Das kgV der Zahlen berechnen</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>kgV ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>ggT (größter gemeinsamer Teiler)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>ggT</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>ggT = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Den ggT der Zahlen berechnen</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>ggT ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Für Primfaktoren, ggT und kgV)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Zahlen mit Leerzeichen getrennt eingeben</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logo des Kinderclubs</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Rechenzeit</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Ein Erwachsener liest mit einem Kind ein Bilderbuch</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Rechenzeit</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Zahlen, mit Leerzeichen getrennt</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Primzahlen zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Anzahl der Primzahlen</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Primzahlen...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Erste Grenze des Bereichs</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Zweite Grenze des Bereichs</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Die Primzahlen zwischen den beiden Grenzen suchen</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Gefundene Primzahlen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
</context>
</TS>
