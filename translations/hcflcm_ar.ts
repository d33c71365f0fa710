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
Started without options, it opens the window. Qt's own window options, such as
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
        <source>Speaks the language &lt;code&gt; instead of the system's: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>يستخدم اللغة &lt;code&gt; بدلًا من لغة النظام: %1 (تصلح الشرطة مكان الشرطة السفلية، مثل pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument '%1': the program takes no file or number.</source>
        <translation>وسيط غير متوقع «%1»: البرنامج لا يأخذ ملفًا ولا عددًا.</translation>
    </message>
    <message>
        <source>Unknown language '%1'. The languages are: %2.</source>
        <translation>لغة غير معروفة «%1». اللغات هي: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try '%1 --help' for more information.
</source>
        <translation>%1: %2
جرّب «%1 --help» لمزيد من المعلومات.
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
        <source>Could not start "%1" in %2.</source>
        <translation>تعذّر تشغيل «%1» في %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>العوامل ؟؟</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>ق.م.أ ؟</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>م.م.أ ؟</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>عوامل م.م.أ ؟؟</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>انتظر...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>وقت الأوليات؟</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>جارٍ البحث...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>عوامل العدد الأول</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>عوامل العدد ⁦%1⁩</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>ق.م.أ = ⁦%1⁩</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>م.م.أ = ⁦%1⁩</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>عوامل م.م.أ:⁦%1⁩</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>%1 عدد أولي</translation>
    </message>
    <message>
        <source> x </source>
        <translation> × </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>⁦%1 ms⁩ (العوامل)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>⁦%1 ms⁩ (ق.م.أ)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>⁦%1 ms⁩ (م.م.أ)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>⁦%1 ms⁩ (الأوليات)</translation>
    </message>
    <message>
        <source>"%1" is not a number.</source>
        <translation>«%1» ليس عددًا.</translation>
    </message>
    <message>
        <source>"%1" is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>«%1» خارج المدى: اكتب أعدادًا من ⁦-2147483648⁩ إلى 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>اكتب 101 عدد على الأكثر.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>اكتب عددًا واحدًا على الأقل.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>يلزم عددان لإيجاد ق.م.أ.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>اكتب عددًا موجبًا صحيحًا في الخانة %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>تحليل %1 إلى عوامله الأولية</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>الأعداد الأكبر من 1 فقط لها عوامل أولية.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 عدد أولي.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>ق.م.أ للأعداد %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>ق.م.أ(%1، %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>ق.م.أ يساوي 1 بالفعل: الأعداد الباقية لا تغيّره.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>م.م.أ للأعداد %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>أحد الأعداد 0، لذلك م.م.أ يساوي 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>الأعداد الأولية بين %1 و %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>اشطب 1: إنه ليس عددًا أوليًا.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>اشطب مضاعفات %1: ⁦%2⁩</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>⁦%1 × %1 = %2⁩ أكبر من %3: الأعداد الباقية أولية.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>لا توجد أعداد أولية.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>عدد أولي واحد: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>%1 من الأعداد الأولية: %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>يُعرض غربال إراتوستينس لمدى يصل إلى 1000 عدد.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>%1 من الأعداد الأولية.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>تغيّرت الأعداد: نفّذ أمرًا لترى حله.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>يُرسم مخطط فن لعددين أو ثلاثة، ليس أيّ منها 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>تُرسم الشبكة لمدى يصل إلى 1000 عدد.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>شجرة عوامل %1: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <translation>⁦%1 = %2 × %3⁩</translation>
    </message>
    <message>
        <source>; </source>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <translation>مخطط فن للأعداد %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>في %1 فقط: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>في %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>لا عوامل أولية</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>شبكة الأعداد من %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>الأعداد الأولية هي %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>العدد الأولي هو %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>لا أعداد أولية</translation>
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
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>الاسم لا ينتهي بـ .png أو .svg أو .pdf أو .txt</translation>
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
        <source>The working could not be saved as "%1": %2.</source>
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
