<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Решение - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Множители, НОД и НОК</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Разложение на множители, НОД и НОК чисел</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Показать &amp;решение</translation>
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
        <translation>Разложение, НОД и НОК чисел: калькулятор для школьной арифметики целых чисел.
Его окно раскладывает на простые множители первое из введённых чисел, находит их
НОД и НОК с помощью лесенки деления и выводит простые числа между двумя
границами. Запущенная без параметров, программа открывает окно. Собственные
параметры окна Qt, такие как -platform и -style, тоже принимаются (см. страницу
руководства hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Показывает версию и завершает работу.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Использует язык &lt;код&gt; вместо языка системы: %1 (вместо подчёркивания можно писать дефис, как в pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Неожиданный аргумент «%1»: программа не принимает ни файлов, ни чисел.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Неизвестный язык «%1». Доступные языки: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Подробнее: «%1 --help».
</translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Вычисление остановлено из-за непредвиденной ошибки: %1.
Калькулятор продолжает работать: проверьте числа и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Не удалось запустить &quot;%1&quot; в %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <translation>Множители ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>НОД ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>НОК ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Множители НОК ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <translation>Ждите...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <translation>Простые?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>..</source>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Простые множители 1-го числа</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <translation>Простые множители числа %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <translation>НОД = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <translation>НОК = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <translation>Множители НОК:%1</translation>
    </message>
    <message>
        <source>%1 Primes</source>
        <translation>Всего: %1</translation>
    </message>
    <message>
        <source> x </source>
        <translation> x </translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <translation>%1 мс (Множ.)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <translation>%1 мс (НОД)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <translation>%1 мс (НОК)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <translation>%1 мс (Простые)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; не является числом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <translation>&quot;%1&quot; вне допустимого диапазона: вводите числа от -2147483648 до 2147483647.</translation>
    </message>
    <message>
        <source>Enter at most 101 numbers.</source>
        <translation>Введите не больше 101 числа.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <translation>Введите хотя бы одно число.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <translation>Чтобы найти НОД, нужно хотя бы два числа.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <translation>Введите правильное положительное число в поле %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <translation>Разложение числа %1 на простые множители</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <translation>Простые множители есть только у чисел больше 1.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <translation>%1 — простое число.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <translation>НОД чисел %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <translation>НОД(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <translation>НОД уже равен 1: остальные числа его не изменят.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <translation>НОК чисел %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <translation>Одно из чисел равно 0, поэтому НОК равно 0.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <translation>Простые числа от %1 до %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <translation>Вычёркиваем 1: это не простое число.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <translation>Вычёркиваем числа, кратные %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <translation>%1 x %1 = %2 больше %3: оставшиеся числа простые.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <translation>Простых чисел нет.</translation>
    </message>
    <message>
        <source>1 prime: %1</source>
        <translation>1 простое число: %1</translation>
    </message>
    <message>
        <source>%1 primes: %2</source>
        <translation>Простые числа (всего %1): %2</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <translation>Решето показывается для промежутков не длиннее 1000 чисел.</translation>
    </message>
    <message>
        <source>%1 primes.</source>
        <translation>Всего простых чисел: %1.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <translation>Числа изменились: выполните вычисление, чтобы увидеть решение.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <translation>Диаграмма Венна строится для двух или трёх чисел, отличных от 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <translation>Таблица чисел строится для промежутков не длиннее 1000 чисел.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <translation>Дерево множителей числа %1: %2</translation>
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
        <translation>Диаграмма Венна чисел %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <translation>только в разложении числа %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <translation>общие для чисел %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <translation>простых множителей нет</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <translation>Таблица чисел от %1 до %2: %3</translation>
    </message>
    <message>
        <source>the primes are %1</source>
        <translation>простые числа — %1</translation>
    </message>
    <message>
        <source>the prime is %1</source>
        <translation>единственное простое число — %1</translation>
    </message>
    <message>
        <source>no primes</source>
        <translation>простых чисел нет</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Копировать &amp;всё</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Текст (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .png, .svg, .pdf or .txt</source>
        <translation>имя не оканчивается на .png, .svg, .pdf или .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Рисунок</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Шаги</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Рисунок</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Сохранить…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Копировать &amp;рисунок</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Вписать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Копировать рисунок</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Не удалось сохранить решение в файл &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Сохранить решение</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Печать недоступна: %1</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Почта: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Зайдите на этот сайт за другими программами</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Сайт: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Школам бесплатно.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Скачать бесплатно</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Логотип Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Эмблема</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Простые множители 1-го числа</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Множители</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Множители=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Разложить первое число на простые множители</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Разложить</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>НОК (наименьшее общее кратное)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Множители НОК</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Множители НОК ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>НОК</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>НОК = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Найти НОК чисел</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>НОК ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>НОД (наибольший общий делитель)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>НОД</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>НОД = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Найти НОД чисел</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>НОД ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Для множителей, НОД и НОК)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Введите числа через пробел</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Логотип детского клуба</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Время вычисления</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Взрослый читает с ребёнком книжку с картинками</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>Время вычисления</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Числа через пробел</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Простые числа между</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Количество простых чисел</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Простые...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Первая граница промежутка</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Вторая граница промежутка</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Найти простые числа между двумя границами</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Найденные простые числа</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
</context>
</TS>
