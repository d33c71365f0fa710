<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Procedimiento - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Factores, MCD y mcm</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Factorización, MCD y mcm de números</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Mostrar el &amp;procedimiento</translation>
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
        <translation>Factorización, MCD y mcm de números: una calculadora para la aritmética escolar
de números enteros. Su ventana descompone en factores primos el primero de los
números escritos, halla su MCD y su mcm con la escalera de divisiones y enumera
los números primos entre dos límites. Iniciada sin opciones, abre la ventana.
También acepta las opciones de ventana propias de Qt, como -platform y -style
(véase la página de manual hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Usa el idioma &lt;código&gt; en lugar del idioma del sistema: %1 (un guion puede sustituir al guion bajo, como en pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Argumento inesperado «%1»: el programa no acepta archivos ni números.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Idioma desconocido «%1». Los idiomas son: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para más información.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>El cálculo se detuvo por un error inesperado: %1.
La calculadora sigue funcionando: revisa los números y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>No se pudo iniciar &quot;%1&quot; en %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Factores ??</translation>
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
        <translation>Factores del mcm ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Espera...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>¿Primos?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Factores primos del 1.er número</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Factores primos de %1</translation>
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
        <translation>Factores del mcm:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>%1 primos</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Factores)</translation>
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
        <translation>%1 ms (Primos)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; está fuera del intervalo: escribe números de -2147483648 a 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Escribe como máximo 101 números.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Escribe al menos un número.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Necesitas al menos dos números para hallar el MCD.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Escribe un número positivo válido en la casilla %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Descomposición de %1 en factores primos</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Solo los números mayores que 1 tienen factores primos.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 es un número primo.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>MCD de %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>MCD(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>El MCD ya es 1: los demás números no pueden cambiarlo.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>mcm de %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Uno de los números es 0, así que el mcm es 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Números primos entre %1 y %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Tacha el 1: no es un número primo.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Tacha los múltiplos de %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 es mayor que %3: los números que quedan son primos.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>No hay números primos.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 número primo: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 números primos: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>La criba se muestra para intervalos de hasta 1000 números.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 números primos.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Los números han cambiado: haz un cálculo para ver su procedimiento.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>El diagrama de Venn se dibuja para dos o tres números, ninguno de ellos igual a 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>La cuadrícula se dibuja para intervalos de hasta 1000 números.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Árbol de factores de %1: %2</translation>
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
        <translation>Diagrama de Venn de %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>solo en %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>en %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>ningún factor primo</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Cuadrícula de %1 a %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>los números primos son %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>el único número primo es %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>no hay números primos</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copiar &amp;todo</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>el nombre no termina en .png, .svg, .pdf o .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Pasos</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Dibujo</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar &amp;dibujo</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;justar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar dibujo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar el procedimiento como &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Guardar el procedimiento</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>No se puede imprimir: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Contacto: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Visita este sitio para más descargas</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Visita: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Gratis para colegios.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Descarga gratis</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logotipo de Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblema</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Factores primos del 1.er número</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Factores</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Factores=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Descomponer el primer número en factores primos</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Factores ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>mcm (mínimo común múltiplo)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Factores del mcm</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Factores del mcm ??</translation>
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
        <translation>Calcular el mcm de los números</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>mcm ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>MCD (máximo común divisor)</translation>
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
        <translation>Calcular el MCD de los números</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>MCD ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Para hallar factores, MCD y mcm)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Escribe los números separados por espacios</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logotipo del club infantil</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Tiempo de cálculo</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Un adulto lee un libro ilustrado con un niño</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Tiempo de cálculo</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Números separados por espacios</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Números primos entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Cantidad de números primos</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Primos...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Primer límite del intervalo</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Segundo límite del intervalo</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Buscar los números primos entre los dos límites</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Números primos encontrados</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
</context>
</TS>
