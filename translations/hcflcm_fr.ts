<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Étapes - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Facteurs, PGCD et PPCM</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Décomposition, PGCD et PPCM des nombres</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Afficher les &amp;étapes</translation>
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
        <translation>Décomposition, PGCD et PPCM des nombres : une calculatrice pour l&apos;arithmétique
des nombres entiers à l&apos;école. Sa fenêtre décompose en facteurs premiers le
premier des nombres tapés, trouve leur PGCD et leur PPCM avec l&apos;échelle des
divisions, et liste les nombres premiers entre deux bornes. Lancée sans option,
elle ouvre sa fenêtre. Les options de fenêtre de Qt, comme -platform et -style,
sont acceptées aussi (voir la page de manuel hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Affiche les textes dans la langue &lt;code&gt; au lieu de celle du système : %1 (un tiret peut remplacer le tiret bas, comme dans pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Argument inattendu « %1 » : le programme ne prend ni fichier ni nombre.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Langue inconnue « %1 ». Les langues sont : %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Essayez « %1 --help » pour plus d&apos;informations.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Le calcul s&apos;est arrêté à cause d&apos;une erreur inattendue : %1.
La calculatrice fonctionne toujours : vérifiez les nombres et réessayez.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Impossible de lancer &quot;%1&quot; dans %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Facteurs ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>PGCD ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>PPCM ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Facteurs du PPCM ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Patientez...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Premiers ?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Facteurs premiers du 1er nombre</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Facteurs premiers de %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>PGCD = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>PPCM = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Facteurs du PPCM :%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>%1 premiers</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Facteurs)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (PGCD)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (PPCM)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Premiers)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; est hors limites : tapez des nombres de -2147483648 à 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Tapez au plus 101 nombres.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Tapez au moins un nombre.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Il faut au moins deux nombres pour calculer le PGCD.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Tapez un nombre positif valide dans la case %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Décomposition de %1 en facteurs premiers</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Seuls les nombres supérieurs à 1 ont des facteurs premiers.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 est un nombre premier.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>PGCD de %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>PGCD(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>Le PGCD vaut déjà 1 : les autres nombres ne peuvent plus le changer.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>PPCM de %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>L&apos;un des nombres est 0, donc le PPCM est 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Nombres premiers entre %1 et %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>On barre 1 : ce n&apos;est pas un nombre premier.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>On barre les multiples de %1 : %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 dépasse %3 : les nombres restants sont premiers.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Aucun nombre premier.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 nombre premier : %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 nombres premiers : %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>Le crible n&apos;est affiché que pour des intervalles de 1000 nombres au plus.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 nombres premiers.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Les nombres ont changé : lancez un calcul pour en voir les étapes.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>Un diagramme de Venn n&apos;est tracé que pour deux ou trois nombres, tous différents de 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>La grille n&apos;est tracée que pour des intervalles de 1000 nombres au plus.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Arbre de décomposition de %1 : %2</translation>
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
        <translation>Diagramme de Venn de %1 : %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>seulement dans %1 : %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>dans %1 : %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>aucun facteur premier</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Grille de %1 à %2 : %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>les nombres premiers sont %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>le seul nombre premier est %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>aucun nombre premier</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copier &amp;tout</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>le nom ne se termine pas par .png, .svg, .pdf ou .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Étapes</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copier l&apos;&amp;image</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;juster</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer les étapes sous &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Enregistrer les étapes</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>L’impression n’est pas disponible : %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Contact : kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Visitez ce site pour d&apos;autres téléchargements</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Site : numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Gratuit pour l&apos;école.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Téléchargement gratuit</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logo de Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblème</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Facteurs premiers du 1er nombre</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Facteurs premiers</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Facteurs=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Décomposer le premier nombre en facteurs premiers</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Facteurs ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>PPCM (plus petit commun multiple)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Facteurs du PPCM</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Facteurs du PPCM ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>PPCM</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>PPCM = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Calculer le PPCM des nombres</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>PPCM ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>PGCD (plus grand commun diviseur)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>PGCD</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>PGCD = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Calculer le PGCD des nombres</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>PGCD ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Pour les facteurs, le PGCD et le PPCM)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Tapez les nombres séparés par des espaces</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logo du club des enfants</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Temps de calcul</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Un adulte lit un album illustré avec un enfant</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Temps de calcul</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Nombres séparés par des espaces</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Nombres premiers entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Nombre de nombres premiers</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Premiers...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Première borne de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Seconde borne de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Chercher les nombres premiers entre les deux bornes</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Nombres premiers trouvés</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
</context>
</TS>
