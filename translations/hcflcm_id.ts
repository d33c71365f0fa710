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
Started without options, it opens the window. Qt's own window options, such as
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
        <source>Speaks the language &lt;code&gt; instead of the system's: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Memakai bahasa &lt;kode&gt;, bukan bahasa sistem: %1 (tanda hubung boleh menggantikan garis bawah, seperti pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kode</translation>
    </message>
    <message>
        <source>Unexpected argument '%1': the program takes no file or number.</source>
        <translation>Argumen tak terduga “%1”: program ini tidak menerima berkas atau bilangan.</translation>
    </message>
    <message>
        <source>Unknown language '%1'. The languages are: %2.</source>
        <translation>Bahasa “%1” tidak dikenal. Bahasa yang ada: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try '%1 --help' for more information.
</source>
        <translation>%1: %2
Coba “%1 --help” untuk informasi lebih lanjut.
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
        <source>Could not start "%1" in %2.</source>
        <translation>Tidak dapat menjalankan “%1” di %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Faktor ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>FPB ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>KPK ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Faktor KPK ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Tunggu...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Waktu prima?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Mencari...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Faktor bilangan pertama</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Faktor bilangan %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>FPB = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>KPK = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Faktor KPK:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>%1 prima</translation>
    </message>
    <message>
        <source> x </source>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 ms (Faktor)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 ms (FPB)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 ms (KPK)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 ms (Prima)</translation>
    </message>
    <message>
        <source>"%1" is not a number.</source>
        <translation>“%1” bukan bilangan.</translation>
    </message>
    <message>
        <source>"%1" is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>“%1” di luar jangkauan: ketik bilangan dari -2147483648 sampai 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Ketik paling banyak 101 bilangan.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Ketik paling sedikit satu bilangan.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Perlu dua bilangan untuk mencari FPB.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Ketik bilangan positif yang sah di Kotak %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Faktorisasi prima %1</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Hanya bilangan lebih dari 1 yang punya faktor prima.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 adalah bilangan prima.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>FPB dari %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>FPB(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>FPB sudah 1: bilangan lainnya tidak bisa mengubahnya.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>KPK dari %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Salah satu bilangan adalah 0, jadi KPK-nya 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Bilangan prima antara %1 dan %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Coret 1: 1 bukan bilangan prima.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Coret kelipatan %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 × %1 = %2 lebih dari %3: bilangan yang tersisa adalah prima.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Tidak ada bilangan prima.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 bilangan prima: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 bilangan prima: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>Saringan Eratosthenes ditampilkan untuk rentang sampai 1000 bilangan.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 bilangan prima.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Bilangannya sudah berubah: jalankan perintah untuk melihat caranya.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>Diagram Venn digambar untuk dua atau tiga bilangan, tidak ada yang 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>Tabel digambar untuk rentang sampai 1000 bilangan.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Pohon faktor %1: %2</translation>
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
        <translation>Diagram Venn %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 dan %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>hanya di %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>di %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>tidak ada faktor prima</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Tabel %1 sampai %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>bilangan primanya %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>bilangan primanya hanya %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>tidak ada bilangan prima</translation>
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
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>nama tidak berakhiran .png, .svg, .pdf, atau .txt</translation>
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
        <source>The working could not be saved as "%1": %2.</source>
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
