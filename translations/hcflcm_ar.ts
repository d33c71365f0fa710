<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>الحل - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>العوامل و ق.م.أ و م.م.أ</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>تحليل الأعداد و ق.م.أ و م.م.أ</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>عرض ال&amp;حل</translation>
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
        <translation>تحليل الأعداد و ق.م.أ و م.م.أ: آلة حاسبة لحساب الأعداد الصحيحة في المدرسة.
تحلل نافذتها أول عدد مكتوب إلى عوامله الأولية، وتوجد القاسم المشترك الأكبر
للأعداد ومضاعفها المشترك الأصغر بالقسمة المتتالية، وتعرض الأعداد الأولية بين حدين.
إذا شُغّلت بلا خيارات فتحت النافذة. وتقبل أيضًا خيارات نوافذ Qt، مثل -platform
و -style (انظر صفحة الدليل hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>يعرض الإصدار ثم يخرج.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>يستخدم اللغة &lt;code&gt; بدلًا من لغة النظام: %1 (تصلح الشرطة مكان الشرطة السفلية، مثل pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>وسيط غير متوقع «%1»: البرنامج لا يأخذ ملفًا ولا عددًا.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>لغة غير معروفة «%1». اللغات هي: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
جرّب «%1 --help» لمزيد من المعلومات.
</translation>
    </message>
    <message>
        <source>Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.</source>
        <translation>يفتح نافذة التدريب فوق النافذة الرئيسية: أسئلة عن العوامل الأولية و ق.م.أ و م.م.أ والأعداد الأولية، مع تلميحات من الحل.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>عدد</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: give a whole number from 0 to %2.</source>
        <extracomment>%1: the seed as typed; %2: the largest seed</extracomment>
        <translation>بذرة غير صالحة «%1»: اكتب عددًا صحيحًا من 0 إلى %2.</translation>
    </message>
    <message>
        <source>The option --%1 needs --worksheet.</source>
        <extracomment>%1: an option of the worksheet, such as --level</extracomment>
        <translation>الخيار --%1 يحتاج إلى --worksheet.</translation>
    </message>
    <message>
        <source>The options --practice and --worksheet cannot be used together.</source>
        <translation>لا يمكن استخدام الخيارين --practice و --worksheet معًا.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the name must end in .pdf, .odt or .txt.</source>
        <extracomment>%1: the file name as typed</extracomment>
        <translation>تعذّرت كتابة «%1»: يجب أن ينتهي الاسم بـ .pdf أو .odt أو .txt.</translation>
    </message>
    <message>
        <source>Unknown kinds &apos;%1&apos;: give one or more of factors, hcf, lcm, prime, joined by commas.</source>
        <extracomment>%1: the kinds as typed; the kinds&apos; names stay in English</extracomment>
        <translation>أنواع غير معروفة «%1»: اكتب نوعًا أو أكثر من factors و hcf و lcm و prime، مفصولة بفواصل (,).</translation>
    </message>
    <message>
        <source>Invalid level &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the level as typed; %2 and %3: the lowest and highest levels</extracomment>
        <translation>مستوى غير صالح «%1»: اكتب عددًا صحيحًا من %2 إلى %3.</translation>
    </message>
    <message>
        <source>Invalid number of questions &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the number of questions as typed; %2 and %3: the fewest and most</extracomment>
        <translation>عدد أسئلة غير صالح «%1»: اكتب عددًا صحيحًا من %2 إلى %3.</translation>
    </message>
    <message>
        <source>With --practice or --worksheet: starts the questions from the seed &lt;number&gt;, a whole number from 0 to %1; the same seed gives the same questions.</source>
        <extracomment>%1: the largest seed</extracomment>
        <translation>مع --practice أو --worksheet: يبدأ الأسئلة من البذرة &lt;عدد&gt;، وهي عدد صحيح من 0 إلى %1؛ البذرة نفسها تعطي الأسئلة نفسها.</translation>
    </message>
    <message>
        <source>Writes a worksheet of questions with its answer key to &lt;file&gt;, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).</source>
        <translation>يكتب ورقة عمل من الأسئلة مع نموذج إجابتها في &lt;ملف&gt;، دون فتح نافذة: مستند PDF (.pdf) أو مستند نصي ODF (.odt) أو نص عادي (.txt).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).</source>
        <translation>مع --worksheet: أنواع الأسئلة، تأتي بالتناوب، من factors و hcf و lcm و prime، مفصولة بفواصل (,) (الأنواع الأربعة إن لم تُحدَّد).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>With --worksheet: the level of the questions, 1 to 3 (1 unless given).</source>
        <translation>مع --worksheet: مستوى الأسئلة، من 1 إلى 3 (المستوى 1 إن لم يُحدَّد).</translation>
    </message>
    <message>
        <source>With --worksheet: the number of questions, 1 to 60 (20 unless given).</source>
        <translation>مع --worksheet: عدد الأسئلة، من 1 إلى 60 (20 سؤالًا إن لم يُحدَّد).</translation>
    </message>
    <message>
        <source>With --worksheet: no factor trees or Venn diagrams beside the answers.</source>
        <translation>مع --worksheet: بلا أشجار عوامل ولا مخططات فن بجانب الإجابات.</translation>
    </message>
    <message>
        <source>The option --seed needs --practice or --worksheet.</source>
        <translation>الخيار --seed يحتاج إلى --practice أو --worksheet.</translation>
    </message>
    <message>
        <source>%1: Cannot write &apos;%2&apos;: %3
</source>
        <extracomment>%1: the program; %2: the file name; %3: why it could not be written</extracomment>
        <translation>%1: تعذّرت كتابة «%2»: %3
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: 1 question, level %2, seed %3.
</source>
        <extracomment>%1: the file; %2: the level; %3: the seed</extracomment>
        <translation>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n questions, level %2, seed %3.
</source>
        <translation>
            <numerusform>كُتب %1: %n سؤال، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤال واحد، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: سؤالان، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: %n أسئلة، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: %n سؤالًا، المستوى %2، البذرة %3.
</numerusform>
            <numerusform>كُتب %1: %n سؤال، المستوى %2، البذرة %3.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>توقف الحساب بسبب خطأ غير متوقع: %1.
الآلة الحاسبة ما زالت تعمل: راجع الأعداد وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>تعذّر تشغيل «%1» في %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <extracomment>Factors caption while the factors are being found (and after an edit of the numbers). Keep it short: it fits a small caption.</extracomment>
        <translation>العوامل ؟؟</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <extracomment>HCF caption before the HCF is found (and after an edit). Keep it short.</extracomment>
        <translation>ق.م.أ ؟</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <extracomment>LCM caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>م.م.أ ؟</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <extracomment>LCM factors caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>عوامل م.م.أ ؟؟</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <extracomment>Status line while a command works. Keep it short: it fits a small caption.</extracomment>
        <translation>انتظر...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <extracomment>Time caption while the primes are being found. Keep it short.</extracomment>
        <translation>وقت الأوليات؟</translation>
    </message>
    <message>
        <source>Finding...</source>
        <extracomment>Prime count caption while the primes are being found. Keep it short.</extracomment>
        <translation>جارٍ البحث...</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Status line after the numbers were edited: the results shown no longer hold.</extracomment>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <extracomment>Title of the frame of the factors before a number was factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>عوامل العدد الأول</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <extracomment>Title of the frame of the factors. %1: the number factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>عوامل العدد ⁦%1⁩</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <extracomment>HCF caption, and the last line of the HCF working. %1: the HCF, or its factors joined by the times sign, &quot; = &quot; and its value (&quot;2 x 3 = 6&quot;).</extracomment>
        <translation>ق.م.أ = ⁦%1⁩</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <extracomment>LCM caption, and the last line of the LCM working. %1: the LCM (it may have hundreds of digits), or its factors joined by the times sign, &quot; = &quot; and its value.</extracomment>
        <translation>م.م.أ = ⁦%1⁩</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <extracomment>LCM factors caption. %1: the factors joined by the times sign, and %1 STARTS WITH A BLANK (&quot; 2 x 2 x 3&quot;), so write no blank before it.</extracomment>
        <translation>عوامل م.م.أ:⁦%1⁩</translation>
    </message>
    <message>
        <source> x </source>
        <extracomment>The times sign that joins the factors of a product (&quot;2 x 2 x 3&quot;), with its blanks on both sides. Use the sign your school writes (&quot; × &quot; or &quot; · &quot;).</extracomment>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <extracomment>Time caption of the factors. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>⁦%1 ms⁩ (العوامل)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <extracomment>Time caption of the HCF. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>⁦%1 ms⁩ (ق.م.أ)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <extracomment>Time caption of the LCM. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>⁦%1 ms⁩ (م.م.أ)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <extracomment>Time caption of the primes. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>⁦%1 ms⁩ (الأوليات)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Refusal. %1: the word typed that is not a number (at most 40 characters, then &quot;...&quot;). Use your language&apos;s quotation marks.</extracomment>
        <translation>«%1» ليس عددًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <extracomment>Refusal. %1: the number typed that is too large or too small. Use your language&apos;s quotation marks; keep the two limits as digits.</extracomment>
        <translation>«%1» خارج المدى: اكتب أعدادًا من ⁦-2147483648⁩ إلى 2147483647.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <extracomment>Refusal when the numbers box is empty.</extracomment>
        <translation>اكتب عددًا واحدًا على الأقل.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <extracomment>Refusal when the HCF is asked of one number.</extracomment>
        <translation>يلزم عددان لإيجاد ق.م.أ.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <extracomment>Refusal of a prime bound. %1: which box, 1 (from) or 2 (to).</extracomment>
        <translation>اكتب عددًا موجبًا صحيحًا في الخانة %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <extracomment>Heading of the factors&apos; working. %1: the number.</extracomment>
        <translation>تحليل %1 إلى عوامله الأولية</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <extracomment>The working of a number below 2, and the notice instead of its factor tree.</extracomment>
        <translation>الأعداد الأكبر من 1 فقط لها عوامل أولية.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <extracomment>%1: a prime number (the last line of its working, and what its factor tree says).</extracomment>
        <translation>%1 عدد أولي.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <extracomment>Heading of the HCF working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>ق.م.أ للأعداد %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <extracomment>The HCF of two numbers, in the working. %1, %2: the two numbers. Followed by &quot;:&quot; (a heading) or &quot; = &quot; and the HCF.</extracomment>
        <translation>ق.م.أ(%1، %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <extracomment>The line after the HCF&apos;s working when the fold reached 1 before the last number.</extracomment>
        <translation>ق.م.أ يساوي 1 بالفعل: الأعداد الباقية لا تغيّره.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <extracomment>Heading of the LCM working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>م.م.أ للأعداد %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <extracomment>The LCM working when a number is 0.</extracomment>
        <translation>أحد الأعداد 0، لذلك م.م.أ يساوي 0.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the numbers of a list (&quot;12, 18, 30&quot;), with its blank after it.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <extracomment>Heading of the primes&apos; working. %1, %2: the bounds.</extracomment>
        <translation>الأعداد الأولية بين %1 و %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <extracomment>A step of the sieve of Eratosthenes.</extracomment>
        <translation>اشطب 1: إنه ليس عددًا أوليًا.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <extracomment>A step of the sieve of Eratosthenes. %1: a prime, %2: its multiples crossed out (joined by the number separator), or the word for &quot;none&quot;.</extracomment>
        <translation>اشطب مضاعفات %1: ⁦%2⁩</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the multiples crossed out when there are none (&quot;Cross out the multiples of 7: none&quot;).</extracomment>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <extracomment>The sieve&apos;s last step. %1: a prime, %2: its square, %3: the upper bound. &quot;x&quot; is the times sign.</extracomment>
        <translation>⁦%1 × %1 = %2⁩ أكبر من %3: الأعداد الباقية أولية.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <extracomment>The sieve&apos;s result when no prime is left.</extracomment>
        <translation>لا توجد أعداد أولية.</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <extracomment>Instead of the sieve&apos;s steps, for a wide range.</extracomment>
        <translation>يُعرض غربال إراتوستينس لمدى يصل إلى 1000 عدد.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <extracomment>The Working window&apos;s notice after an edit of the numbers.</extracomment>
        <translation>تغيّرت الأعداد: نفّذ أمرًا لترى حله.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <extracomment>The notice instead of a Venn diagram.</extracomment>
        <translation>يُرسم مخطط فن لعددين أو ثلاثة، ليس أيّ منها 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <extracomment>The notice instead of the sieve grid.</extracomment>
        <translation>تُرسم الشبكة لمدى يصل إلى 1000 عدد.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <extracomment>A factor tree in words, for screen readers. %1: the number, %2: each split (joined by the part separator), or that the number is prime.</extracomment>
        <translation>شجرة عوامل %1: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <extracomment>One split of the factor tree, in words. %1: the number, %2 and %3: its two children.</extracomment>
        <translation>⁦%1 = %2 × %3⁩</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the parts of a picture&apos;s description for screen readers, with its blank.</extracomment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <extracomment>A Venn diagram in words, for screen readers. %1: the numbers (&quot;8, 12 and 18&quot;), %2: the regions that hold factors (joined by the part separator).</extracomment>
        <translation>مخطط فن للأعداد %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list said in words. %1: the numbers before the last one (joined by the list separator), %2: the last one (&quot;8, 12&quot; and &quot;18&quot;).</extracomment>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the number whose circle alone holds it, %2: its factors (joined by the list separator).</extracomment>
        <translation>في %1 فقط: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the numbers whose circles hold it (&quot;12 and 18&quot;), %2: its factors.</extracomment>
        <translation>في %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <extracomment>A Venn diagram in words when no circle holds a factor.</extracomment>
        <translation>لا عوامل أولية</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <extracomment>The sieve grid in words, for screen readers. %1, %2: the bounds, %3: the primes or that there are none.</extracomment>
        <translation>شبكة الأعداد من %1 إلى %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the primes are %1</source>
        <extracomment>The primes of the sieve grid in words. %n: how many (1 or more), %1: the primes, joined by the list separator.</extracomment>
        <translation>
            <numerusform>الأعداد الأولية هي %1</numerusform>
            <numerusform>العدد الأولي هو %1</numerusform>
            <numerusform>العددان الأوليان هما %1</numerusform>
            <numerusform>الأعداد الأولية هي %1</numerusform>
            <numerusform>الأعداد الأولية هي %1</numerusform>
            <numerusform>الأعداد الأولية هي %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no primes</source>
        <extracomment>The sieve grid in words when it holds no prime.</extracomment>
        <translation>لا أعداد أولية</translation>
    </message>
    <message numerus="yes">
        <source>%n Primes</source>
        <extracomment>Prime count caption. %n: the number of primes found. English keeps &quot;1 Primes&quot; as the window has always shown it; write your language&apos;s correct forms. Keep it short.</extracomment>
        <translation>
            <numerusform>%n أعداد أولية</numerusform>
            <numerusform>عدد أولي واحد</numerusform>
            <numerusform>عددان أوليان</numerusform>
            <numerusform>%n أعداد أولية</numerusform>
            <numerusform>%n عددًا أوليًا</numerusform>
            <numerusform>%n عدد أولي</numerusform>
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
            <numerusform>اكتب %n عدد على الأكثر.</numerusform>
            <numerusform>اكتب عددًا واحدًا على الأكثر.</numerusform>
            <numerusform>اكتب عددين على الأكثر.</numerusform>
            <numerusform>اكتب %n أعداد على الأكثر.</numerusform>
            <numerusform>اكتب %n عددًا على الأكثر.</numerusform>
            <numerusform>اكتب %n عدد على الأكثر.</numerusform>
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
        <translation>%1 مرفوعًا للقوة %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A heading line, followed by its working on the next lines. %1: what it heads, e.g. &quot;HCF(12, 18)&quot;. French writes a no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 = %2 x %3 + %4</source>
        <extracomment>One division of Euclid&apos;s method. %1: the dividend, %2: the quotient, %3: the divisor, %4: the remainder (&quot;18 = 1 x 12 + 6&quot;). Write it in your school&apos;s order and signs; the placeholders may stand in any order (&quot;%1 : %3 = %2 R %4&quot;).</extracomment>
        <translation>⁦%1 = %3 × %2 + %4⁩</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The end of a list of numbers in the working&apos;s headings. %1: the numbers before the last one (joined by the list separator), %2: the last one. English writes &quot;12, 18, 30&quot;; write &quot;%1 and %2&quot; where your language ends a list so.</extracomment>
        <translation>%1 و %2</translation>
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
            <numerusform>%n أعداد أولية: ⁦%1⁩</numerusform>
            <numerusform>عدد أولي واحد: ⁦%1⁩</numerusform>
            <numerusform>عددان أوليان: ⁦%1⁩</numerusform>
            <numerusform>%n أعداد أولية: ⁦%1⁩</numerusform>
            <numerusform>%n عددًا أوليًا: ⁦%1⁩</numerusform>
            <numerusform>%n عدد أولي: ⁦%1⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n primes.</source>
        <extracomment>The result of a wide range, whose primes are not listed. %n: how many primes.</extracomment>
        <translation>
            <numerusform>%n أعداد أولية.</numerusform>
            <numerusform>عدد أولي واحد.</numerusform>
            <numerusform>عددان أوليان.</numerusform>
            <numerusform>%n أعداد أولية.</numerusform>
            <numerusform>%n عددًا أوليًا.</numerusform>
            <numerusform>%n عدد أولي.</numerusform>
        </translation>
    </message>
    <message>
        <source>prime</source>
        <extracomment>The word a pupil types to answer that a number is prime, read in any letter case (&quot;prime&quot; is always read too). One word, as pupils write it.</extracomment>
        <translation>أولي</translation>
    </message>
    <message>
        <source>Write %1 as a product of prime factors.</source>
        <extracomment>A practice question. %1: the number to factorize.</extracomment>
        <translation>اكتب العدد %1 في صورة حاصل ضرب عوامله الأولية.</translation>
    </message>
    <message>
        <source>Find the HCF of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>أوجد ق.م.أ للعددين %1، %2.</translation>
    </message>
    <message>
        <source>Find the HCF of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>أوجد ق.م.أ للأعداد %1، %2، %3.</translation>
    </message>
    <message>
        <source>Find the LCM of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>أوجد م.م.أ للعددين %1، %2.</translation>
    </message>
    <message>
        <source>Find the LCM of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>أوجد م.م.أ للأعداد %1، %2، %3.</translation>
    </message>
    <message>
        <source>Is %1 a prime number? If not, write it as a product of two smaller numbers.</source>
        <extracomment>A practice question. %1: the number.</extracomment>
        <translation>هل %1 عدد أولي؟ إذا لم يكن كذلك، فاكتبه في صورة حاصل ضرب عددين أصغر منه.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <extracomment>The verdict on a right answer. %1: what was found: &quot;360 = 2^3 x 3^2 x 5&quot;, &quot;HCF = 6&quot;, &quot;LCM = 36&quot;, &quot;91 = 7 x 13&quot; or &quot;97 is a prime number.&quot;.</extracomment>
        <translation>صحيح! ⁨%1⁩</translation>
    </message>
    <message>
        <source>Type your answer first.</source>
        <extracomment>The verdict when Check is pressed with nothing typed.</extracomment>
        <translation>اكتب إجابتك أولًا.</translation>
    </message>
    <message>
        <source>I can&apos;t read &quot;%1&quot;.</source>
        <extracomment>The verdict on an answer that cannot be read. %1: the part of the answer not understood, as typed.</extracomment>
        <translation>لا أستطيع قراءة «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too big for this question.</source>
        <extracomment>The verdict on an answer with a number or exponent far too large. %1: that number or exponent, as typed.</extracomment>
        <translation>«%1» كبير جدًا على هذا السؤال.</translation>
    </message>
    <message>
        <source>1 is not a prime number.</source>
        <extracomment>The verdict on prime factors that include 1.</extracomment>
        <translation>العدد 1 ليس عددًا أوليًا.</translation>
    </message>
    <message>
        <source>%1 is not prime: %1 = %2.</source>
        <extracomment>The verdict on prime factors that include a composite. %1: that factor, %2: its split, smallest factor first (&quot;3 x 3&quot;).</extracomment>
        <translation>%1 ليس أوليًا: ⁦%1 = %2⁩.</translation>
    </message>
    <message>
        <source>These multiply to %1, not %2.</source>
        <extracomment>The verdict on primes whose product is not the number asked. %1: their product, %2: the number asked.</extracomment>
        <translation>حاصل ضرب هذه الأعداد %1 وليس %2.</translation>
    </message>
    <message>
        <source>These multiply to far more than %1.</source>
        <extracomment>The verdict on primes whose product is far too large to write. %1: the number asked.</extracomment>
        <translation>حاصل ضرب هذه الأعداد أكبر بكثير من %1.</translation>
    </message>
    <message>
        <source>%1 is not a factor of %2.</source>
        <extracomment>The verdict on an HCF answer. %1: the answer, %2: the first number of the question it does not divide.</extracomment>
        <translation>%1 ليس عاملًا من عوامل %2.</translation>
    </message>
    <message>
        <source>%1 is a common factor, but not the highest.</source>
        <extracomment>The verdict on an HCF answer that divides every number but is not the HCF. %1: the answer.</extracomment>
        <translation>%1 عامل مشترك، لكنه ليس الأكبر.</translation>
    </message>
    <message>
        <source>%1 is not a multiple of %2.</source>
        <extracomment>The verdict on an LCM answer. %1: the answer, %2: the first number of the question that does not divide it.</extracomment>
        <translation>%1 ليس من مضاعفات %2.</translation>
    </message>
    <message>
        <source>%1 is a common multiple, but not the lowest.</source>
        <extracomment>The verdict on an LCM answer that every number divides but is not the LCM. %1: the answer.</extracomment>
        <translation>%1 مضاعف مشترك، لكنه ليس الأصغر.</translation>
    </message>
    <message>
        <source>%1 is not %2.</source>
        <extracomment>The verdict on an answer &quot;product = number&quot; whose sides differ. %1: the product as written (&quot;2 x 3&quot;), %2: the number after the equals sign.</extracomment>
        <translation>⁦%1⁩ لا يساوي %2.</translation>
    </message>
    <message>
        <source>%1 is not prime: it has a factor other than 1 and itself.</source>
        <extracomment>The verdict on &quot;prime&quot; for a number that is not prime. %1: the number asked.</extracomment>
        <translation>%1 ليس أوليًا: له عامل غير 1 وغير نفسه.</translation>
    </message>
    <message>
        <source>%1 = %2, not %3.</source>
        <extracomment>The verdict on a product that does not give the number asked. %1: the product as written (&quot;7 x 13&quot;), %2: its value, %3: the number asked.</extracomment>
        <translation>⁦%1 = %2⁩ وليس %3.</translation>
    </message>
    <message>
        <source>%1 is far more than %2.</source>
        <extracomment>The verdict on a product far too large to work out. %1: the product as written, %2: the number asked.</extracomment>
        <translation>⁦%1⁩ أكبر بكثير من %2.</translation>
    </message>
    <message>
        <source>Use numbers above 1.</source>
        <extracomment>The verdict on a product that gives the number asked only by using 1.</extracomment>
        <translation>استخدم أعدادًا أكبر من 1.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot;, or write %2 as a product of two smaller numbers.</source>
        <extracomment>The verdict on &quot;prime or not&quot; answered with a single number. %1: the word for prime, %2: the number asked.</extracomment>
        <translation>اكتب «%1»، أو اكتب %2 في صورة حاصل ضرب عددين أصغر منه.</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3</source>
        <extracomment>A hint: one exact division. %1 divided by %2 gives %3.</extracomment>
        <translation>⁦%1 ÷ %2 = %3⁩</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 r %4</source>
        <extracomment>A hint: one division with a remainder. %1 divided by %2 gives %3, remainder %4.</extracomment>
        <translation>⁦%1 ÷ %2 = %3⁩ والباقي %4</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <extracomment>A hint: one row of the LCM ladder. %1: the divisor, %2: the numbers of the row, two blanks apart.</extracomment>
        <translation>⁦%1 | %2⁩</translation>
    </message>
    <message>
        <source>What remains: %1</source>
        <extracomment>A hint: the numbers left under the LCM ladder. %1: the numbers, two blanks apart.</extracomment>
        <translation>ما يتبقى: ⁦%1⁩</translation>
    </message>
    <message>
        <source>Try the primes up to √%1: %2</source>
        <extracomment>A hint: the primes to try as divisors. %1: the number asked, %2: the primes up to its square root, joined by the list separator.</extracomment>
        <translation>جرّب الأعداد الأولية حتى ⁦√%1⁩: ⁦%2⁩</translation>
    </message>
    <message>
        <source>No prime is at most √%1.</source>
        <extracomment>A hint when no prime is small enough to try. %1: the number asked (2 or 3).</extracomment>
        <translation>لا يوجد عدد أولي أصغر من أو يساوي ⁦√%1⁩.</translation>
    </message>
    <message>
        <source>%1 = %2 x %3: %1 is not prime.</source>
        <extracomment>A hint: the number splits, so it is not prime. %1: the number, %2 x %3: its split.</extracomment>
        <translation>⁦%1 = %2 × %3⁩: %1 ليس أوليًا.</translation>
    </message>
    <message numerus="yes">
        <source>Question %1 of %2 · %n right first time</source>
        <extracomment>The practice score. %1: this question&apos;s place in the round, %2: the questions in a round, %n: the questions right first time so far.</extracomment>
        <translation>
            <numerusform>السؤال %1 من %2 · صحيحة من أول مرة: %n</numerusform>
            <numerusform>السؤال %1 من %2 · صحيحة من أول مرة: %n</numerusform>
            <numerusform>السؤال %1 من %2 · صحيحة من أول مرة: %n</numerusform>
            <numerusform>السؤال %1 من %2 · صحيحة من أول مرة: %n</numerusform>
            <numerusform>السؤال %1 من %2 · صحيحة من أول مرة: %n</numerusform>
            <numerusform>السؤال %1 من %2 · صحيحة من أول مرة: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 min %3 s.</source>
        <extracomment>The score at a round&apos;s end. %n: the questions right first time, %1: the questions in a round, %2: whole minutes, %3: seconds.</extracomment>
        <translation>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 د %3 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 د %3 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 د %3 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 د %3 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 د %3 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 د %3 ث.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 s.</source>
        <extracomment>The score at a round&apos;s end under a minute. %n: the questions right first time, %1: the questions in a round, %2: seconds.</extracomment>
        <translation>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 ث.</numerusform>
            <numerusform>انتهت الجولة: صحيحة من أول مرة %n من %1، في %2 ث.</numerusform>
        </translation>
    </message>
    <message>
        <source>(continued)</source>
        <extracomment>Atop each further page of a picture split across printed pages.</extracomment>
        <translation>(تابع)</translation>
    </message>
    <message>
        <source>Primes between %1 and %2: %3</source>
        <extracomment>The caption above a sieve grid. %1, %2: the range&apos;s bounds, %3: the count of primes in words (primeCountInWords, &quot;25 primes&quot;).</extracomment>
        <translation>الأعداد الأولية بين %1 و %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n primes</source>
        <extracomment>A count of primes in the caption above a sieve grid (&quot;Primes between 1 and 100: 25 primes&quot;). %n: the count (0 or more).</extracomment>
        <translation>
            <numerusform>لا أعداد أولية</numerusform>
            <numerusform>عدد أولي واحد</numerusform>
            <numerusform>عددان أوليان</numerusform>
            <numerusform>%n أعداد أولية</numerusform>
            <numerusform>%n عددًا أوليًا</numerusform>
            <numerusform>%n عدد أولي</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken as %2.</source>
        <extracomment>In the HCF and LCM working, right after the heading, and under a Venn diagram: the working uses a negative number&apos;s size. %1: the negative number (&quot;-12&quot;), %2: its size (&quot;12&quot;).</extracomment>
        <translation>يؤخذ العدد ⁦%1⁩ على أنه %2.</translation>
    </message>
    <message>
        <source>Worksheet: prime factors, HCF and LCM</source>
        <extracomment>The title of a worksheet, the same for every choice of kinds.</extracomment>
        <translation>ورقة عمل: العوامل الأولية و ق.م.أ و م.م.أ</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>On a worksheet, before a line where the pupil writes their name.</extracomment>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>On a worksheet, before a line where the pupil writes the date.</extracomment>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Level %1 · seed %2</source>
        <extracomment>Under a worksheet&apos;s title: what makes the same sheet again. %1: the level, 1 to 3, %2: the seed, a whole number.</extracomment>
        <translation>المستوى %1 · البذرة %2</translation>
    </message>
    <message>
        <source>Level %1 · seed %2 · page %3 of %4</source>
        <extracomment>The footer of every page of a worksheet. %1: the level, %2: the seed, %3: this page, %4: the pages.</extracomment>
        <translation>المستوى %1 · البذرة %2 · الصفحة %3 من %4</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The number of a question on a worksheet, and of its answer. %1: the number.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>The heading of a worksheet&apos;s answer key.</extracomment>
        <translation>نموذج الإجابة</translation>
    </message>
    <message>
        <source>%1, not prime</source>
        <extracomment>In a worksheet&apos;s answer key: a number that is not prime. %1: the number split in two, &quot;91 = 7 x 13&quot;.</extracomment>
        <translation>⁦%1⁩، ليس أوليًا</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>تح&amp;قق</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;تلميح</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>عرض ال&amp;حل</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>عرض الحل</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;التالي</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Practice – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>التدريب – %1</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>نوع السؤال</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>العوامل الأولية</translation>
    </message>
    <message>
        <source>HCF</source>
        <extracomment>The school&apos;s name of the highest common factor, as in &quot;HCF = 6&quot;</extracomment>
        <translation>ق.م.أ</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>The school&apos;s name of the lowest common multiple, as in &quot;LCM = 36&quot;</extracomment>
        <translation>م.م.أ</translation>
    </message>
    <message>
        <source>Prime or not</source>
        <translation>أولي أم لا</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>متنوعة</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>%1: 1, 2 or 3</extracomment>
        <translation>المستوى %1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>التلميحات</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>ال&amp;نوع:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>ال&amp;مستوى:</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>الإ&amp;جابة:</translation>
    </message>
    <message>
        <source>Wo&amp;rksheet…</source>
        <translation>&amp;ورقة عمل…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>ورقة عمل</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>نسخ ال&amp;كل</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>صورة PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>صورة SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>مستند PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>نص (*.txt)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>صورة JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>factors</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;factors-360&quot;: lower case, no blanks.</extracomment>
        <translation>تحليل</translation>
    </message>
    <message>
        <source>hcf</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;hcf-12-18&quot;: lower case, no blanks.</extracomment>
        <translation>قاسم</translation>
    </message>
    <message>
        <source>lcm</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;lcm-4-6-10&quot;: lower case, no blanks.</extracomment>
        <translation>مضاعف</translation>
    </message>
    <message>
        <source>primes</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;primes-1-100&quot;: lower case, no blanks.</extracomment>
        <translation>أوليات</translation>
    </message>
    <message>
        <source>the name does not end in one of %1</source>
        <extracomment>%1: the extensions offered, as &quot;.png, .svg, .pdf, .txt, .jpg&quot;</extracomment>
        <translation>الاسم لا ينتهي بأيٍّ من ⁦%1⁩</translation>
    </message>
    <message>
        <source>there is no picture to save: save the steps as .pdf or .txt</source>
        <translation>لا توجد صورة لحفظها: احفظ الخطوات بصيغة .pdf أو .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>الخطوات</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>ال&amp;خطوات</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>ال&amp;صورة</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;حفظ…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>نسخ ال&amp;صورة</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;تكبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;ملاءمة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>نسخ الصورة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>ملاءمة</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>تعذّر حفظ الحل باسم «%1»: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>حفظ الحل</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>الطباعة غير متاحة: %1</translation>
    </message>
    <message>
        <source>Practise…</source>
        <translation>تدرّب…</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>تدرّب</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>&amp;Prime factors</source>
        <translation>ال&amp;عوامل الأولية</translation>
    </message>
    <message>
        <source>&amp;HCF</source>
        <extracomment>The school&apos;s name of the highest common factor</extracomment>
        <translation>&amp;ق.م.أ</translation>
    </message>
    <message>
        <source>L&amp;CM</source>
        <extracomment>The school&apos;s name of the lowest common multiple</extracomment>
        <translation>&amp;م.م.أ</translation>
    </message>
    <message>
        <source>Prime &amp;or not</source>
        <translation>أولي أم &amp;لا</translation>
    </message>
    <message>
        <source>P&amp;ictures in the answer key</source>
        <translation>ال&amp;صور في نموذج الإجابة</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;حفظ…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Worksheet – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>ورقة عمل – %1</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>معاينة الصفحة الأولى</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>أنواع الأسئلة</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>المس&amp;توى:</translation>
    </message>
    <message>
        <source>&amp;Number of questions:</source>
        <translation>عدد الأ&amp;سئلة:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>ال&amp;بذرة:</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>البذرة عدد صحيح من 0 إلى 18446744073709551615.</translation>
    </message>
    <message>
        <source>Choose at least one kind of question.</source>
        <translation>اختر نوعًا واحدًا من الأسئلة على الأقل.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>حفظ ورقة العمل</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: the file; %2: why it could not be written</extracomment>
        <translation>تعذّرت كتابة «%1»: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1: why printing is not available</extracomment>
        <translation>الطباعة غير متاحة: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>مستند PDF (*.pdf)</translation>
    </message>
    <message>
        <source>ODF text document (*.odt)</source>
        <translation>مستند نصي ODF (*.odt)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>نص (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .pdf, .odt or .txt</source>
        <translation>الاسم لا ينتهي بـ .pdf أو .odt أو .txt</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>للتواصل: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>زُر هذا الموقع لمزيد من التنزيلات</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>زُر: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. مجاني للمدارس.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>تنزيل مجاني</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>شعار Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>عوامل العدد الأول</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>العوامل</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>العوامل=؟؟</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>حلّل العدد الأول إلى عوامله الأولية</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>العوامل ؟؟</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>م.م.أ (المضاعف المشترك الأصغر)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>عوامل م.م.أ</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>عوامل م.م.أ ؟؟</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>م.م.أ</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>م.م.أ = ؟</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>أوجد م.م.أ للأعداد</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>م.م.أ ؟</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>ق.م.أ (القاسم المشترك الأكبر)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>ق.م.أ</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>ق.م.أ = ؟</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>أوجد ق.م.أ للأعداد</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>ق.م.أ ؟</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(لإيجاد العوامل و ق.م.أ و م.م.أ)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>اكتب الأعداد مفصولة بمسافات</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>شعار نادي الأطفال</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>زمن التنفيذ</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>شخص بالغ يقرأ كتابًا مصورًا مع طفل</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>زمن التنفيذ</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>أعداد مفصولة بمسافات</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>الأعداد الأولية بين</translation>
    </message>
    <message>
        <source>and</source>
        <translation>و</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>عدد الأعداد الأولية</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>الأوليات...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>الخانة الأولى للمدى</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>الخانة الثانية للمدى</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>أوجد الأعداد الأولية بين الخانتين</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>الأعداد الأولية الموجودة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;لعبة</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>The FIND button, one short imperative word, at most about 7 Latin letters wide.</extracomment>
        <translation>أوجد</translation>
    </message>
</context>
</TS>
