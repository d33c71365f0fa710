<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Rozwiązanie - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Czynniki, NWD i NWW</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Rozkład na czynniki, NWD i NWW liczb</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Pokaż &amp;rozwiązanie</translation>
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
        <translation>Rozkład, NWD i NWW liczb: kalkulator do szkolnej arytmetyki liczb całkowitych.
Jego okno rozkłada na czynniki pierwsze pierwszą z wpisanych liczb, znajduje ich
NWD oraz NWW za pomocą drabinki dzielenia i wypisuje liczby pierwsze między
dwiema granicami. Uruchomiony bez opcji otwiera okno. Przyjmuje też własne opcje
okna Qt, takie jak -platform i -style (zob. stronę podręcznika hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Używa języka &lt;kod&gt; zamiast języka systemu: %1 (zamiast podkreślenia można użyć łącznika, jak w pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kod</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Nieoczekiwany argument „%1”: program nie przyjmuje plików ani liczb.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Nieznany język „%1”. Dostępne języki: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Więcej informacji: „%1 --help”.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Obliczenie zostało przerwane przez nieoczekiwany błąd: %1.
Kalkulator działa dalej: sprawdź liczby i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Nie można uruchomić &quot;%1&quot; w %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Czynniki ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>NWD ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>NWW ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Czynniki NWW ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Czekaj...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Pierwsze?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Szukam...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Czynniki pierwsze 1. liczby</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Czynniki pierwsze liczby %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>NWD = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>NWW = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Czynniki NWW:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>Razem: %1</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Czynniki)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (NWD)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (NWW)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Pierwsze)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; nie jest liczbą.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; jest poza zakresem: wpisz liczby od -2147483648 do 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Wpisz co najwyżej 101 liczb.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Wpisz co najmniej jedną liczbę.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Do obliczenia NWD potrzebne są co najmniej dwie liczby.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Wpisz poprawną liczbę dodatnią w polu %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Rozkład liczby %1 na czynniki pierwsze</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Tylko liczby większe od 1 mają czynniki pierwsze.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 jest liczbą pierwszą.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>NWD liczb %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>NWD(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>NWD wynosi już 1: pozostałe liczby go nie zmienią.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>NWW liczb %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Jedna z liczb to 0, więc NWW wynosi 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Liczby pierwsze między %1 a %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Skreśl 1: nie jest liczbą pierwszą.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Skreśl wielokrotności liczby %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 to więcej niż %3: pozostałe liczby są pierwsze.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Brak liczb pierwszych.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 liczba pierwsza: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>Liczby pierwsze (łącznie %1): %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>Sito jest pokazywane dla przedziałów do 1000 liczb.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>Liczb pierwszych: %1.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Liczby się zmieniły: uruchom obliczenie, aby zobaczyć rozwiązanie.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>Diagram Venna rysuje się dla dwóch lub trzech liczb różnych od 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>Tablica liczb jest rysowana dla przedziałów do 1000 liczb.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Drzewo czynników liczby %1: %2</translation>
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
        <translation>Diagram Venna liczb %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>tylko w rozkładzie liczby %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>wspólne dla liczb %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>brak czynników pierwszych</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Tablica liczb od %1 do %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>liczby pierwsze to %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>jedyna liczba pierwsza to %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>brak liczb pierwszych</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Kopiuj &amp;wszystko</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Obraz SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Tekst (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>nazwa nie kończy się na .png, .svg, .pdf ani .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Kroki</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Rysunek</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Kroki</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Rysunek</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Zapisz…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Kopiuj &amp;rysunek</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>Dop&amp;asuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Kopiuj rysunek</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Nie udało się zapisać rozwiązania jako &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Zapisz rozwiązanie</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drukowanie jest niedostępne: %1</translation>
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
        <translation>Odwiedź tę stronę, aby pobrać więcej programów</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Strona: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Dla szkół za darmo.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Pobierz za darmo</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logo Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblemat</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Czynniki pierwsze 1. liczby</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Czynniki</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Czynniki=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Rozłóż pierwszą liczbę na czynniki pierwsze</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Czynniki ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>NWW (najmniejsza wspólna wielokrotność)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Czynniki NWW</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Czynniki NWW ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>NWW</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>NWW = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Oblicz NWW liczb</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>NWW ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>NWD (największy wspólny dzielnik)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>NWD</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>NWD = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Oblicz NWD liczb</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>NWD ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Do czynników, NWD i NWW)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Wpisz liczby oddzielone spacjami</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logo klubu dziecięcego</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Czas obliczeń</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Dorosły czyta z dzieckiem książeczkę z obrazkami</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Czas obliczeń</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Liczby oddzielone spacjami</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Liczby pierwsze między</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Liczba liczb pierwszych</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Pierwsze...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Pierwsza granica przedziału</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Druga granica przedziału</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Znajdź liczby pierwsze między dwiema granicami</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Znalezione liczby pierwsze</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
</context>
</TS>
