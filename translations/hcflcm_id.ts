<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Cara - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Faktor, FPB &amp; KPK</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Faktorisasi, FPB &amp; KPK Bilangan</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Tampilkan &amp;Cara</translation>
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
        <translation>Faktorisasi, FPB &amp; KPK Bilangan: kalkulator untuk berhitung bilangan bulat di
sekolah. Jendelanya memfaktorkan bilangan pertama yang diketik, mencari FPB
bilangan-bilangan itu dan KPK-nya dengan pembagian bersusun, serta mendaftar
bilangan prima di antara dua batas. Tanpa opsi, program membuka jendelanya.
Opsi jendela Qt sendiri, seperti -platform dan -style, juga diterima (lihat
halaman manual hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Menampilkan bantuan ini lalu keluar.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Menampilkan versi lalu keluar.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Memakai bahasa &lt;kode&gt;, bukan bahasa sistem: %1 (tanda hubung boleh menggantikan garis bawah, seperti pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kode</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Argumen tak terduga “%1”: program ini tidak menerima berkas atau bilangan.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Bahasa “%1” tidak dikenal. Bahasa yang ada: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Coba “%1 --help” untuk informasi lebih lanjut.
</translation>
    </message>
    <message>
        <source>Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.</source>
        <translation>Membuka jendela Latihan di atas jendela utama: soal faktor prima, FPB, KPK, dan bilangan prima, dengan petunjuk dari caranya.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>bilangan</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: give a whole number from 0 to %2.</source>
        <extracomment>%1: the seed as typed; %2: the largest seed</extracomment>
        <translation>Seed “%1” tidak sah: berikan bilangan cacah dari 0 sampai %2.</translation>
    </message>
    <message>
        <source>The option --%1 needs --worksheet.</source>
        <extracomment>%1: an option of the worksheet, such as --level</extracomment>
        <translation>Opsi --%1 memerlukan --worksheet.</translation>
    </message>
    <message>
        <source>The options --practice and --worksheet cannot be used together.</source>
        <translation>Opsi --practice dan --worksheet tidak dapat dipakai bersamaan.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the name must end in .pdf, .odt or .txt.</source>
        <extracomment>%1: the file name as typed</extracomment>
        <translation>Tidak dapat menulis “%1”: nama harus berakhiran .pdf, .odt, atau .txt.</translation>
    </message>
    <message>
        <source>Unknown kinds &apos;%1&apos;: give one or more of factors, hcf, lcm, prime, joined by commas.</source>
        <extracomment>%1: the kinds as typed; the kinds&apos; names stay in English</extracomment>
        <translation>Jenis soal “%1” tidak dikenal: berikan satu atau beberapa dari factors, hcf, lcm, prime, dipisahkan koma.</translation>
    </message>
    <message>
        <source>Invalid level &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the level as typed; %2 and %3: the lowest and highest levels</extracomment>
        <translation>Tingkat “%1” tidak sah: berikan bilangan cacah dari %2 sampai %3.</translation>
    </message>
    <message>
        <source>Invalid number of questions &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the number of questions as typed; %2 and %3: the fewest and most</extracomment>
        <translation>Banyak soal “%1” tidak sah: berikan bilangan cacah dari %2 sampai %3.</translation>
    </message>
    <message>
        <source>With --practice or --worksheet: starts the questions from the seed &lt;number&gt;, a whole number from 0 to %1; the same seed gives the same questions.</source>
        <extracomment>%1: the largest seed</extracomment>
        <translation>Bersama --practice atau --worksheet: memulai soal dari seed &lt;bilangan&gt;, bilangan cacah dari 0 sampai %1; seed yang sama memberi soal yang sama.</translation>
    </message>
    <message>
        <source>Writes a worksheet of questions with its answer key to &lt;file&gt;, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).</source>
        <translation>Menulis lembar kerja berisi soal beserta kunci jawabannya ke &lt;berkas&gt;, tanpa jendela: dokumen PDF (.pdf), dokumen teks ODF (.odt), atau teks biasa (.txt).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>berkas</translation>
    </message>
    <message>
        <source>With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).</source>
        <translation>Bersama --worksheet: jenis soal, muncul bergiliran, dari factors, hcf, lcm, dan prime, dipisahkan koma (keempatnya jika tidak diberikan).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>daftar</translation>
    </message>
    <message>
        <source>With --worksheet: the level of the questions, 1 to 3 (1 unless given).</source>
        <translation>Bersama --worksheet: tingkat soal, 1 sampai 3 (1 jika tidak diberikan).</translation>
    </message>
    <message>
        <source>With --worksheet: the number of questions, 1 to 60 (20 unless given).</source>
        <translation>Bersama --worksheet: banyak soal, 1 sampai 60 (20 jika tidak diberikan).</translation>
    </message>
    <message>
        <source>With --worksheet: no factor trees or Venn diagrams beside the answers.</source>
        <translation>Bersama --worksheet: tanpa pohon faktor atau diagram Venn di samping jawaban.</translation>
    </message>
    <message>
        <source>The option --seed needs --practice or --worksheet.</source>
        <translation>Opsi --seed memerlukan --practice atau --worksheet.</translation>
    </message>
    <message>
        <source>%1: Cannot write &apos;%2&apos;: %3
</source>
        <extracomment>%1: the program; %2: the file name; %3: why it could not be written</extracomment>
        <translation>%1: Tidak dapat menulis “%2”: %3
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: 1 question, level %2, seed %3.
</source>
        <extracomment>%1: the file; %2: the level; %3: the seed</extracomment>
        <translation>
            <numerusform>%1 sudah ditulis: 1 soal, tingkat %2, seed %3.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n questions, level %2, seed %3.
</source>
        <translation>
            <numerusform>%1 sudah ditulis: %n soal, tingkat %2, seed %3.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Perhitungan berhenti karena kesalahan tak terduga: %1.
Kalkulator tetap bekerja: periksa bilangannya lalu coba lagi.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>kesalahan tidak dikenal</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Tidak dapat menjalankan “%1” di %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <extracomment>Factors caption while the factors are being found (and after an edit of the numbers). Keep it short: it fits a small caption.</extracomment>
        <translation>Faktor ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <extracomment>HCF caption before the HCF is found (and after an edit). Keep it short.</extracomment>
        <translation>FPB ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <extracomment>LCM caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>KPK ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <extracomment>LCM factors caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>Faktor KPK ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <extracomment>Status line while a command works. Keep it short: it fits a small caption.</extracomment>
        <translation>Tunggu...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <extracomment>Time caption while the primes are being found. Keep it short.</extracomment>
        <translation>Waktu prima?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <extracomment>Prime count caption while the primes are being found. Keep it short.</extracomment>
        <translation>Mencari...</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Status line after the numbers were edited: the results shown no longer hold.</extracomment>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <extracomment>Title of the frame of the factors before a number was factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>Faktor bilangan pertama</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <extracomment>Title of the frame of the factors. %1: the number factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>Faktor bilangan %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <extracomment>HCF caption, and the last line of the HCF working. %1: the HCF, or its factors joined by the times sign, &quot; = &quot; and its value (&quot;2 x 3 = 6&quot;).</extracomment>
        <translation>FPB = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <extracomment>LCM caption, and the last line of the LCM working. %1: the LCM (it may have hundreds of digits), or its factors joined by the times sign, &quot; = &quot; and its value.</extracomment>
        <translation>KPK = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <extracomment>LCM factors caption. %1: the factors joined by the times sign, and %1 STARTS WITH A BLANK (&quot; 2 x 2 x 3&quot;), so write no blank before it.</extracomment>
        <translation>Faktor KPK:%1</translation>
    </message>
    <message>
        <source> x </source>
        <extracomment>The times sign that joins the factors of a product (&quot;2 x 2 x 3&quot;), with its blanks on both sides. Use the sign your school writes (&quot; × &quot; or &quot; · &quot;).</extracomment>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <extracomment>Time caption of the factors. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (Faktor)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <extracomment>Time caption of the HCF. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (FPB)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <extracomment>Time caption of the LCM. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (KPK)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <extracomment>Time caption of the primes. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (Prima)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Refusal. %1: the word typed that is not a number (at most 40 characters, then &quot;...&quot;). Use your language&apos;s quotation marks.</extracomment>
        <translation>“%1” bukan bilangan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <extracomment>Refusal. %1: the number typed that is too large or too small. Use your language&apos;s quotation marks; keep the two limits as digits.</extracomment>
        <translation>“%1” di luar jangkauan: ketik bilangan dari -2147483648 sampai 2147483647.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <extracomment>Refusal when the numbers box is empty.</extracomment>
        <translation>Ketik paling sedikit satu bilangan.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <extracomment>Refusal when the HCF is asked of one number.</extracomment>
        <translation>Perlu dua bilangan untuk mencari FPB.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <extracomment>Refusal of a prime bound. %1: which box, 1 (from) or 2 (to).</extracomment>
        <translation>Ketik bilangan positif yang sah di Kotak %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <extracomment>Heading of the factors&apos; working. %1: the number.</extracomment>
        <translation>Faktorisasi prima %1</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <extracomment>The working of a number below 2, and the notice instead of its factor tree.</extracomment>
        <translation>Hanya bilangan lebih dari 1 yang punya faktor prima.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <extracomment>%1: a prime number (the last line of its working, and what its factor tree says).</extracomment>
        <translation>%1 adalah bilangan prima.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <extracomment>Heading of the HCF working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>FPB dari %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <extracomment>The HCF of two numbers, in the working. %1, %2: the two numbers. Followed by &quot;:&quot; (a heading) or &quot; = &quot; and the HCF.</extracomment>
        <translation>FPB(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <extracomment>The line after the HCF&apos;s working when the fold reached 1 before the last number.</extracomment>
        <translation>FPB sudah 1: bilangan lainnya tidak bisa mengubahnya.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <extracomment>Heading of the LCM working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>KPK dari %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <extracomment>The LCM working when a number is 0.</extracomment>
        <translation>Salah satu bilangan adalah 0, jadi KPK-nya 0.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the numbers of a list (&quot;12, 18, 30&quot;), with its blank after it.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <extracomment>Heading of the primes&apos; working. %1, %2: the bounds.</extracomment>
        <translation>Bilangan prima antara %1 dan %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <extracomment>A step of the sieve of Eratosthenes.</extracomment>
        <translation>Coret 1: 1 bukan bilangan prima.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <extracomment>A step of the sieve of Eratosthenes. %1: a prime, %2: its multiples crossed out (joined by the number separator), or the word for &quot;none&quot;.</extracomment>
        <translation>Coret kelipatan %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the multiples crossed out when there are none (&quot;Cross out the multiples of 7: none&quot;).</extracomment>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <extracomment>The sieve&apos;s last step. %1: a prime, %2: its square, %3: the upper bound. &quot;x&quot; is the times sign.</extracomment>
        <translation>%1 × %1 = %2 lebih dari %3: bilangan yang tersisa adalah prima.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <extracomment>The sieve&apos;s result when no prime is left.</extracomment>
        <translation>Tidak ada bilangan prima.</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <extracomment>Instead of the sieve&apos;s steps, for a wide range.</extracomment>
        <translation>Saringan Eratosthenes ditampilkan untuk rentang sampai 1000 bilangan.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <extracomment>The Working window&apos;s notice after an edit of the numbers.</extracomment>
        <translation>Bilangannya sudah berubah: jalankan perintah untuk melihat caranya.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <extracomment>The notice instead of a Venn diagram.</extracomment>
        <translation>Diagram Venn digambar untuk dua atau tiga bilangan, tidak ada yang 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <extracomment>The notice instead of the sieve grid.</extracomment>
        <translation>Tabel digambar untuk rentang sampai 1000 bilangan.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <extracomment>A factor tree in words, for screen readers. %1: the number, %2: each split (joined by the part separator), or that the number is prime.</extracomment>
        <translation>Pohon faktor %1: %2</translation>
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
        <translation>Diagram Venn %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list said in words. %1: the numbers before the last one (joined by the list separator), %2: the last one (&quot;8, 12&quot; and &quot;18&quot;).</extracomment>
        <translation>%1 dan %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the number whose circle alone holds it, %2: its factors (joined by the list separator).</extracomment>
        <translation>hanya di %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the numbers whose circles hold it (&quot;12 and 18&quot;), %2: its factors.</extracomment>
        <translation>di %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <extracomment>A Venn diagram in words when no circle holds a factor.</extracomment>
        <translation>tidak ada faktor prima</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <extracomment>The sieve grid in words, for screen readers. %1, %2: the bounds, %3: the primes or that there are none.</extracomment>
        <translation>Tabel %1 sampai %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the primes are %1</source>
        <extracomment>The primes of the sieve grid in words. %n: how many (1 or more), %1: the primes, joined by the list separator.</extracomment>
        <translation>
            <numerusform>bilangan primanya %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no primes</source>
        <extracomment>The sieve grid in words when it holds no prime.</extracomment>
        <translation>tidak ada bilangan prima</translation>
    </message>
    <message numerus="yes">
        <source>%n Primes</source>
        <extracomment>Prime count caption. %n: the number of primes found. English keeps &quot;1 Primes&quot; as the window has always shown it; write your language&apos;s correct forms. Keep it short.</extracomment>
        <translation>
            <numerusform>%n prima</numerusform>
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
            <numerusform>Ketik paling banyak %n bilangan.</numerusform>
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
        <translation>%1 pangkat %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A heading line, followed by its working on the next lines. %1: what it heads, e.g. &quot;HCF(12, 18)&quot;. French writes a no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 = %2 x %3 + %4</source>
        <extracomment>One division of Euclid&apos;s method. %1: the dividend, %2: the quotient, %3: the divisor, %4: the remainder (&quot;18 = 1 x 12 + 6&quot;). Write it in your school&apos;s order and signs; the placeholders may stand in any order (&quot;%1 : %3 = %2 R %4&quot;).</extracomment>
        <translation>%1 = %2 × %3 + %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The end of a list of numbers in the working&apos;s headings. %1: the numbers before the last one (joined by the list separator), %2: the last one. English writes &quot;12, 18, 30&quot;; write &quot;%1 and %2&quot; where your language ends a list so.</extracomment>
        <translation>%1 dan %2</translation>
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
            <numerusform>%n bilangan prima: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n primes.</source>
        <extracomment>The result of a wide range, whose primes are not listed. %n: how many primes.</extracomment>
        <translation>
            <numerusform>%n bilangan prima.</numerusform>
        </translation>
    </message>
    <message>
        <source>prime</source>
        <extracomment>The word a pupil types to answer that a number is prime, read in any letter case (&quot;prime&quot; is always read too). One word, as pupils write it.</extracomment>
        <translation>prima</translation>
    </message>
    <message>
        <source>Write %1 as a product of prime factors.</source>
        <extracomment>A practice question. %1: the number to factorize.</extracomment>
        <translation>Tulis %1 sebagai perkalian faktor-faktor prima.</translation>
    </message>
    <message>
        <source>Find the HCF of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>Tentukan FPB dari %1 dan %2.</translation>
    </message>
    <message>
        <source>Find the HCF of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>Tentukan FPB dari %1, %2, dan %3.</translation>
    </message>
    <message>
        <source>Find the LCM of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>Tentukan KPK dari %1 dan %2.</translation>
    </message>
    <message>
        <source>Find the LCM of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>Tentukan KPK dari %1, %2, dan %3.</translation>
    </message>
    <message>
        <source>Is %1 a prime number? If not, write it as a product of two smaller numbers.</source>
        <extracomment>A practice question. %1: the number.</extracomment>
        <translation>Apakah %1 bilangan prima? Jika bukan, tulis sebagai perkalian dua bilangan yang lebih kecil.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <extracomment>The verdict on a right answer. %1: what was found: &quot;360 = 2^3 x 3^2 x 5&quot;, &quot;HCF = 6&quot;, &quot;LCM = 36&quot;, &quot;91 = 7 x 13&quot; or &quot;97 is a prime number.&quot;.</extracomment>
        <translation>Benar! %1</translation>
    </message>
    <message>
        <source>Type your answer first.</source>
        <extracomment>The verdict when Check is pressed with nothing typed.</extracomment>
        <translation>Ketik jawabanmu dulu.</translation>
    </message>
    <message>
        <source>I can&apos;t read &quot;%1&quot;.</source>
        <extracomment>The verdict on an answer that cannot be read. %1: the part of the answer not understood, as typed.</extracomment>
        <translation>“%1” tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too big for this question.</source>
        <extracomment>The verdict on an answer with a number or exponent far too large. %1: that number or exponent, as typed.</extracomment>
        <translation>“%1” terlalu besar untuk soal ini.</translation>
    </message>
    <message>
        <source>1 is not a prime number.</source>
        <extracomment>The verdict on prime factors that include 1.</extracomment>
        <translation>1 bukan bilangan prima.</translation>
    </message>
    <message>
        <source>%1 is not prime: %1 = %2.</source>
        <extracomment>The verdict on prime factors that include a composite. %1: that factor, %2: its split, smallest factor first (&quot;3 x 3&quot;).</extracomment>
        <translation>%1 bukan bilangan prima: %1 = %2.</translation>
    </message>
    <message>
        <source>These multiply to %1, not %2.</source>
        <extracomment>The verdict on primes whose product is not the number asked. %1: their product, %2: the number asked.</extracomment>
        <translation>Hasil kalinya %1, bukan %2.</translation>
    </message>
    <message>
        <source>These multiply to far more than %1.</source>
        <extracomment>The verdict on primes whose product is far too large to write. %1: the number asked.</extracomment>
        <translation>Hasil kalinya jauh lebih besar dari %1.</translation>
    </message>
    <message>
        <source>%1 is not a factor of %2.</source>
        <extracomment>The verdict on an HCF answer. %1: the answer, %2: the first number of the question it does not divide.</extracomment>
        <translation>%1 bukan faktor dari %2.</translation>
    </message>
    <message>
        <source>%1 is a common factor, but not the highest.</source>
        <extracomment>The verdict on an HCF answer that divides every number but is not the HCF. %1: the answer.</extracomment>
        <translation>%1 adalah faktor persekutuan, tetapi bukan yang terbesar.</translation>
    </message>
    <message>
        <source>%1 is not a multiple of %2.</source>
        <extracomment>The verdict on an LCM answer. %1: the answer, %2: the first number of the question that does not divide it.</extracomment>
        <translation>%1 bukan kelipatan %2.</translation>
    </message>
    <message>
        <source>%1 is a common multiple, but not the lowest.</source>
        <extracomment>The verdict on an LCM answer that every number divides but is not the LCM. %1: the answer.</extracomment>
        <translation>%1 adalah kelipatan persekutuan, tetapi bukan yang terkecil.</translation>
    </message>
    <message>
        <source>%1 is not %2.</source>
        <extracomment>The verdict on an answer &quot;product = number&quot; whose sides differ. %1: the product as written (&quot;2 x 3&quot;), %2: the number after the equals sign.</extracomment>
        <translation>%1 tidak sama dengan %2.</translation>
    </message>
    <message>
        <source>%1 is not prime: it has a factor other than 1 and itself.</source>
        <extracomment>The verdict on &quot;prime&quot; for a number that is not prime. %1: the number asked.</extracomment>
        <translation>%1 bukan bilangan prima: %1 punya faktor selain 1 dan dirinya sendiri.</translation>
    </message>
    <message>
        <source>%1 = %2, not %3.</source>
        <extracomment>The verdict on a product that does not give the number asked. %1: the product as written (&quot;7 x 13&quot;), %2: its value, %3: the number asked.</extracomment>
        <translation>%1 = %2, bukan %3.</translation>
    </message>
    <message>
        <source>%1 is far more than %2.</source>
        <extracomment>The verdict on a product far too large to work out. %1: the product as written, %2: the number asked.</extracomment>
        <translation>%1 jauh lebih besar dari %2.</translation>
    </message>
    <message>
        <source>Use numbers above 1.</source>
        <extracomment>The verdict on a product that gives the number asked only by using 1.</extracomment>
        <translation>Gunakan bilangan yang lebih dari 1.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot;, or write %2 as a product of two smaller numbers.</source>
        <extracomment>The verdict on &quot;prime or not&quot; answered with a single number. %1: the word for prime, %2: the number asked.</extracomment>
        <translation>Tulis “%1”, atau tulis %2 sebagai perkalian dua bilangan yang lebih kecil.</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3</source>
        <extracomment>A hint: one exact division. %1 divided by %2 gives %3.</extracomment>
        <translation>%1 : %2 = %3</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 r %4</source>
        <extracomment>A hint: one division with a remainder. %1 divided by %2 gives %3, remainder %4.</extracomment>
        <translation>%1 : %2 = %3 sisa %4</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <extracomment>A hint: one row of the LCM ladder. %1: the divisor, %2: the numbers of the row, two blanks apart.</extracomment>
        <translation>%1 | %2</translation>
    </message>
    <message>
        <source>What remains: %1</source>
        <extracomment>A hint: the numbers left under the LCM ladder. %1: the numbers, two blanks apart.</extracomment>
        <translation>Sisanya: %1</translation>
    </message>
    <message>
        <source>Try the primes up to √%1: %2</source>
        <extracomment>A hint: the primes to try as divisors. %1: the number asked, %2: the primes up to its square root, joined by the list separator.</extracomment>
        <translation>Coba bagi dengan bilangan prima sampai √%1: %2</translation>
    </message>
    <message>
        <source>No prime is at most √%1.</source>
        <extracomment>A hint when no prime is small enough to try. %1: the number asked (2 or 3).</extracomment>
        <translation>Tidak ada bilangan prima sampai √%1.</translation>
    </message>
    <message>
        <source>%1 = %2 x %3: %1 is not prime.</source>
        <extracomment>A hint: the number splits, so it is not prime. %1: the number, %2 x %3: its split.</extracomment>
        <translation>%1 = %2 × %3: %1 bukan bilangan prima.</translation>
    </message>
    <message numerus="yes">
        <source>Question %1 of %2 · %n right first time</source>
        <extracomment>The practice score. %1: this question&apos;s place in the round, %2: the questions in a round, %n: the questions right first time so far.</extracomment>
        <translation>
            <numerusform>Soal %1 dari %2 · %n benar pada percobaan pertama</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 min %3 s.</source>
        <extracomment>The score at a round&apos;s end. %n: the questions right first time, %1: the questions in a round, %2: whole minutes, %3: seconds.</extracomment>
        <translation>
            <numerusform>Babak selesai: %n dari %1 soal benar pada percobaan pertama, dalam %2 menit %3 detik.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 s.</source>
        <extracomment>The score at a round&apos;s end under a minute. %n: the questions right first time, %1: the questions in a round, %2: seconds.</extracomment>
        <translation>
            <numerusform>Babak selesai: %n dari %1 soal benar pada percobaan pertama, dalam %2 detik.</numerusform>
        </translation>
    </message>
    <message>
        <source>(continued)</source>
        <extracomment>Atop each further page of a picture split across printed pages.</extracomment>
        <translation>(lanjutan)</translation>
    </message>
    <message>
        <source>Primes between %1 and %2: %3</source>
        <extracomment>The caption above a sieve grid. %1, %2: the range&apos;s bounds, %3: the count of primes in words (primeCountInWords, &quot;25 primes&quot;).</extracomment>
        <translation>Bilangan prima antara %1 dan %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n primes</source>
        <extracomment>A count of primes in the caption above a sieve grid (&quot;Primes between 1 and 100: 25 primes&quot;). %n: the count (0 or more).</extracomment>
        <translation>
            <numerusform>%n bilangan</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken as %2.</source>
        <extracomment>In the HCF and LCM working, right after the heading, and under a Venn diagram: the working uses a negative number&apos;s size. %1: the negative number (&quot;-12&quot;), %2: its size (&quot;12&quot;).</extracomment>
        <translation>%1 dihitung sebagai %2.</translation>
    </message>
    <message>
        <source>Worksheet: prime factors, HCF and LCM</source>
        <extracomment>The title of a worksheet, the same for every choice of kinds.</extracomment>
        <translation>Lembar Kerja: Faktor Prima, FPB, dan KPK</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>On a worksheet, before a line where the pupil writes their name.</extracomment>
        <translation>Nama:</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>On a worksheet, before a line where the pupil writes the date.</extracomment>
        <translation>Tanggal:</translation>
    </message>
    <message>
        <source>Level %1 · seed %2</source>
        <extracomment>Under a worksheet&apos;s title: what makes the same sheet again. %1: the level, 1 to 3, %2: the seed, a whole number.</extracomment>
        <translation>Tingkat %1 · seed %2</translation>
    </message>
    <message>
        <source>Level %1 · seed %2 · page %3 of %4</source>
        <extracomment>The footer of every page of a worksheet. %1: the level, %2: the seed, %3: this page, %4: the pages.</extracomment>
        <translation>Tingkat %1 · seed %2 · halaman %3 dari %4</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The number of a question on a worksheet, and of its answer. %1: the number.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>The heading of a worksheet&apos;s answer key.</extracomment>
        <translation>Kunci Jawaban</translation>
    </message>
    <message>
        <source>%1, not prime</source>
        <extracomment>In a worksheet&apos;s answer key: a number that is not prime. %1: the number split in two, &quot;91 = 7 x 13&quot;.</extracomment>
        <translation>%1, bukan bilangan prima</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Question</source>
        <translation>Soal</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Periksa</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Periksa</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Petunju&amp;k</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Petunjuk</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Tampilkan &amp;Cara</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>Tampilkan Cara</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Lanjut</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Lanjut</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Tanggapan</translation>
    </message>
    <message>
        <source>Practice – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>Latihan – %1</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>Jenis soal</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>Faktor prima</translation>
    </message>
    <message>
        <source>HCF</source>
        <extracomment>The school&apos;s name of the highest common factor, as in &quot;HCF = 6&quot;</extracomment>
        <translation>FPB</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>The school&apos;s name of the lowest common multiple, as in &quot;LCM = 36&quot;</extracomment>
        <translation>KPK</translation>
    </message>
    <message>
        <source>Prime or not</source>
        <translation>Prima atau bukan</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Campuran</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Tingkat</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>%1: 1, 2 or 3</extracomment>
        <translation>Tingkat %1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Jawaban</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Petunjuk</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Jenis:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Tingkat:</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>Ja&amp;waban:</translation>
    </message>
    <message>
        <source>Wo&amp;rksheet…</source>
        <translation>L&amp;embar Kerja…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Lembar Kerja</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Salin &amp;Semua</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Gambar PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Gambar SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokumen PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Teks (*.txt)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Gambar JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>factors</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;factors-360&quot;: lower case, no blanks.</extracomment>
        <translation>faktor</translation>
    </message>
    <message>
        <source>hcf</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;hcf-12-18&quot;: lower case, no blanks.</extracomment>
        <translation>fpb</translation>
    </message>
    <message>
        <source>lcm</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;lcm-4-6-10&quot;: lower case, no blanks.</extracomment>
        <translation>kpk</translation>
    </message>
    <message>
        <source>primes</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;primes-1-100&quot;: lower case, no blanks.</extracomment>
        <translation>prima</translation>
    </message>
    <message>
        <source>the name does not end in one of %1</source>
        <extracomment>%1: the extensions offered, as &quot;.png, .svg, .pdf, .txt, .jpg&quot;</extracomment>
        <translation>nama tidak berakhiran salah satu dari %1</translation>
    </message>
    <message>
        <source>there is no picture to save: save the steps as .pdf or .txt</source>
        <translation>tidak ada gambar untuk disimpan: simpan langkahnya sebagai .pdf atau .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Langkah</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Langkah</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Gambar</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Simpan…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Salin &amp;Gambar</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Cetak…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Perbesar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Perke&amp;cil</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>Pa&amp;skan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Salin Gambar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Paskan</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Cara tidak dapat disimpan sebagai “%1”: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Simpan Cara</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Pencetakan tidak tersedia: %1</translation>
    </message>
    <message>
        <source>Practise…</source>
        <translation>Latihan…</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Latihan</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>&amp;Prime factors</source>
        <translation>Faktor &amp;prima</translation>
    </message>
    <message>
        <source>&amp;HCF</source>
        <extracomment>The school&apos;s name of the highest common factor</extracomment>
        <translation>&amp;FPB</translation>
    </message>
    <message>
        <source>L&amp;CM</source>
        <extracomment>The school&apos;s name of the lowest common multiple</extracomment>
        <translation>&amp;KPK</translation>
    </message>
    <message>
        <source>Prime &amp;or not</source>
        <translation>Prima &amp;atau bukan</translation>
    </message>
    <message>
        <source>P&amp;ictures in the answer key</source>
        <translation>&amp;Gambar di kunci jawaban</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Simpan…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Cetak…</translation>
    </message>
    <message>
        <source>Worksheet – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>Lembar Kerja – %1</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>Pratinjau halaman pertama</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>Jenis soal</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Tingkat:</translation>
    </message>
    <message>
        <source>&amp;Number of questions:</source>
        <translation>&amp;Banyak soal:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>Seed adalah bilangan cacah dari 0 sampai 18446744073709551615.</translation>
    </message>
    <message>
        <source>Choose at least one kind of question.</source>
        <translation>Pilih paling sedikit satu jenis soal.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Simpan Lembar Kerja</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: the file; %2: why it could not be written</extracomment>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1: why printing is not available</extracomment>
        <translation>Pencetakan tidak tersedia: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokumen PDF (*.pdf)</translation>
    </message>
    <message>
        <source>ODF text document (*.odt)</source>
        <translation>Dokumen teks ODF (*.odt)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Teks (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .pdf, .odt or .txt</source>
        <translation>nama tidak berakhiran .pdf, .odt, atau .txt</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Kontak: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Kunjungi situs ini untuk unduhan lainnya</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Kunjungi: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Gratis di sekolah.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Unduh Gratis</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Logo Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Lambang</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Faktor bilangan pertama</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Faktor=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Cari faktor prima bilangan pertama</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Faktor ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>KPK (Kelipatan Persekutuan Terkecil)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Faktor KPK</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Faktor KPK ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>KPK</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>KPK = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Cari KPK bilangan-bilangan itu</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>KPK ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>FPB (Faktor Persekutuan Terbesar)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>FPB</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>FPB = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Cari FPB bilangan-bilangan itu</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>FPB ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Untuk mencari Faktor, FPB dan KPK)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Ketik bilangan, pisahkan dengan spasi</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Logo klub anak</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Waktu hitung</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Orang dewasa membaca buku bergambar bersama anak</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Waktu Hitung</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Bilangan yang dipisahkan spasi</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Bilangan prima antara</translation>
    </message>
    <message>
        <source>and</source>
        <translation>dan</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Banyak bilangan prima</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Prima...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Kotak batas pertama</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Kotak batas kedua</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Cari bilangan prima di antara kedua kotak</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Bilangan prima yang ditemukan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Kelua&amp;r</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Permainan</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>The FIND button, one short imperative word, at most about 7 Latin letters wide.</extracomment>
        <translation>CARI</translation>
    </message>
</context>
</TS>
