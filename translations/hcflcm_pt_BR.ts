<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Resolução - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Fatores, MDC e MMC</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Fatoração, MDC e MMC de números</translation>
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
        <translation>Mostrar a &amp;resolução</translation>
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
        <translation>Fatoração, MDC e MMC de números: uma calculadora para a aritmética escolar de
números inteiros. Sua janela decompõe em fatores primos o primeiro dos números
digitados, encontra o MDC e o MMC deles pela escada de divisões e lista os
números primos entre dois limites. Iniciada sem opções, abre a janela. Também
aceita as opções de janela do próprio Qt, como -platform e -style (veja a página
de manual hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Usa o idioma &lt;código&gt; em vez do idioma do sistema: %1 (um hífen pode substituir o sublinhado, como em pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Argumento inesperado “%1”: o programa não aceita arquivos nem números.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Idioma desconhecido “%1”. Os idiomas são: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Experimente “%1 --help” para mais informações.
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>O cálculo parou por causa de um erro inesperado: %1.
A calculadora continua funcionando: confira os números e tente de novo.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Não foi possível iniciar &quot;%1&quot; em %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Fatores ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>MDC ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>MMC ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Fatores do MMC ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Primos?</translation>
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
        <translation>Fatores primos do 1º número</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Fatores primos de %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>MDC = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>MMC = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Fatores do MMC:%1</translation>
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
        <translation>%1 ms (Fatores)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (MDC)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (MMC)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Primos)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; não é um número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; está fora do intervalo: digite números de -2147483648 a 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Digite no máximo 101 números.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Digite pelo menos um número.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Você precisa de pelo menos dois números para calcular o MDC.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Digite um número positivo válido na caixa %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Decomposição de %1 em fatores primos</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Só os números maiores que 1 têm fatores primos.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 é um número primo.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>MDC de %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>MDC(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>O MDC já é 1: os outros números não podem mudá-lo.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>MMC de %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Um dos números é 0, então o MMC é 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Números primos entre %1 e %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Risque o 1: ele não é um número primo.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Risque os múltiplos de %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 é maior que %3: os números que sobraram são primos.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Nenhum número primo.</translation>
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
        <translation>O crivo é mostrado para intervalos de até 1000 números.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 números primos.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Os números mudaram: faça um cálculo para ver a resolução.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>O diagrama de Venn é desenhado para dois ou três números, todos diferentes de 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>A tabela é desenhada para intervalos de até 1000 números.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Árvore de fatores de %1: %2</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>só em %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>em %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>nenhum fator primo</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Tabela de %1 a %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>os números primos são %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>o único número primo é %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>nenhum número primo</translation>
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
        <translation>Copiar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
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
        <translation>o nome não termina em .png, .svg, .pdf ou .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Passos</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Figura</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salvar…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar &amp;figura</translation>
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
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;justar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar figura</translation>
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
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Não foi possível salvar a resolução como &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Salvar a resolução</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>A impressão não está disponível: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Contato: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Visite este site para mais downloads</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Visite: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Grátis para escolas.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Download grátis</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logotipo da Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Emblema</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Fatores primos do 1º número</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Fatores</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Fatores=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Decompor o primeiro número em fatores primos</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Fatores ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>MMC (mínimo múltiplo comum)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Fatores do MMC</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Fatores do MMC ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>MMC</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>MMC = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Calcular o MMC dos números</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>MMC ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>MDC (máximo divisor comum)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>MDC</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>MDC = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Calcular o MDC dos números</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>MDC ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Para achar fatores, MDC e MMC)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Digite os números separados por espaço</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logotipo do clube infantil</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Tempo de cálculo</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Um adulto lendo um livro ilustrado com uma criança</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Tempo de cálculo</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Números separados por espaços</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Números primos entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Quantidade de números primos</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Primos...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Primeiro limite do intervalo</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Segundo limite do intervalo</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Encontrar os números primos entre os dois limites</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Números primos encontrados</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
</context>
</TS>
