<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Procedimento - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Fattori, MCD e mcm</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Scomposizione, MCD e mcm di numeri</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Mostra il &amp;procedimento</translation>
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
        <translation>Scomposizione, MCD e mcm di numeri: una calcolatrice per l&apos;aritmetica scolastica
dei numeri interi. La sua finestra scompone in fattori primi il primo dei numeri
scritti, trova il loro MCD e il loro mcm con la scala delle divisioni ed elenca
i numeri primi tra due estremi. Avviata senza opzioni, apre la finestra. Accetta
anche le opzioni di finestra proprie di Qt, come -platform e -style (vedi la
pagina di manuale hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Usa la lingua &lt;codice&gt; invece di quella del sistema: %1 (un trattino può sostituire il trattino basso, come in pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Argomento inatteso «%1»: il programma non accetta file né numeri.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Lingua sconosciuta «%1». Le lingue sono: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prova «%1 --help» per maggiori informazioni.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Il calcolo si è interrotto per un errore imprevisto: %1.
La calcolatrice continua a funzionare: controlla i numeri e riprova.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Impossibile avviare &quot;%1&quot; in %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Fattori ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>MCD ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>mcm ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Fattori del mcm ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Attendi...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Primi?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Ricerca...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Fattori primi del 1° numero</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Fattori primi di %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>MCD = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>mcm = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Fattori del mcm:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>%1 primi</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Fattori)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (MCD)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (mcm)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Primi)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; non è un numero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; è fuori intervallo: scrivi numeri da -2147483648 a 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Scrivi al massimo 101 numeri.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Scrivi almeno un numero.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Servono almeno due numeri per calcolare il MCD.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Scrivi un numero positivo valido nella casella %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Scomposizione di %1 in fattori primi</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Solo i numeri maggiori di 1 hanno fattori primi.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 è un numero primo.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>MCD di %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>MCD(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>Il MCD è già 1: gli altri numeri non possono cambiarlo.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>mcm di %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Uno dei numeri è 0, quindi il mcm è 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Numeri primi tra %1 e %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Cancella l&apos;1: non è un numero primo.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Cancella i multipli di %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 è maggiore di %3: i numeri rimasti sono primi.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Nessun numero primo.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 numero primo: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 numeri primi: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>Il crivello è mostrato per intervalli fino a 1000 numeri.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 numeri primi.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>I numeri sono cambiati: esegui un calcolo per vederne il procedimento.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>Il diagramma di Venn si disegna per due o tre numeri, tutti diversi da 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>La griglia si disegna per intervalli fino a 1000 numeri.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Albero dei fattori di %1: %2</translation>
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
        <translation>Diagramma di Venn di %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>solo in %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>in %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>nessun fattore primo</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Griglia da %1 a %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>i numeri primi sono %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>l&apos;unico numero primo è %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>nessun numero primo</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copia &amp;tutto</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Testo (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>il nome non termina con .png, .svg, .pdf o .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Passaggi</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Figura</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copia &amp;figura</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Adatta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copia figura</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare il procedimento come &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Salva il procedimento</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>La stampa non è disponibile: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Contatti: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Visita questo sito per altri download</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Visita: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Gratis per le scuole.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Scarica gratis</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logo di Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblema</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Fattori primi del 1° numero</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Fattori</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Fattori=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Scomponi il primo numero in fattori primi</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Fattori ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>mcm (minimo comune multiplo)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Fattori del mcm</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Fattori del mcm ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>mcm</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>mcm = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Calcola il mcm dei numeri</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>mcm ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>MCD (massimo comune divisore)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>MCD</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>MCD = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Calcola il MCD dei numeri</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>MCD ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Per trovare fattori, MCD e mcm)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Scrivi i numeri separati da spazi</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logo del club dei bambini</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Tempo di calcolo</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Un adulto legge un libro illustrato con un bambino</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Tempo di calcolo</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Numeri separati da spazi</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Numeri primi tra</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Quantità di numeri primi</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Primi...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Primo estremo dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Secondo estremo dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Trova i numeri primi tra i due estremi</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Numeri primi trovati</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
</context>
</TS>
