<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>AppNames</name>
    <message>
        <source>Working - %1</source>
        <translation>Lời giải - %1</translation>
    </message>
    <message>
        <source>Factors, HCF &amp; LCM</source>
        <translation>Thừa số, ƯCLN và BCNN</translation>
    </message>
    <message>
        <source>Factorization, HCF &amp; LCM of Numbers</source>
        <translation>Phân tích, ƯCLN và BCNN của các số</translation>
    </message>
</context>
<context>
    <name>CaptionMenu</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Xem &amp;lời giải</translation>
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
        <translation>Phân tích, ƯCLN và BCNN của các số: máy tính cho số học số nguyên ở trường.
Cửa sổ của nó phân tích số đầu tiên được nhập ra thừa số nguyên tố, tìm ƯCLN
của các số và BCNN của chúng bằng cách chia theo cột dọc, và liệt kê các số
nguyên tố giữa hai giới hạn. Khi chạy không có tùy chọn, nó mở cửa sổ. Các tùy
chọn cửa sổ của Qt, như -platform và -style, cũng được nhận (xem trang hướng
dẫn hcflcm(1)).</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Hiện trợ giúp này rồi thoát.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Hiện phiên bản rồi thoát.</translation>
    </message>
    <message>
        <source>Speaks the language &lt;code&gt; instead of the system&apos;s: %1 (a hyphen may stand for the underscore, as in pt-BR).</source>
        <translation>Dùng ngôn ngữ &lt;mã&gt; thay cho ngôn ngữ của hệ thống: %1 (có thể dùng gạch nối thay gạch dưới, như pt-BR).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>mã</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the program takes no file or number.</source>
        <translation>Đối số không mong đợi “%1”: chương trình không nhận tệp hay số nào.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;. The languages are: %2.</source>
        <translation>Ngôn ngữ không rõ “%1”. Các ngôn ngữ là: %2.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Hãy thử “%1 --help” để biết thêm.
</translation>
    </message>
    <message>
        <source>Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.</source>
        <translation>Mở cửa sổ Luyện tập trên cửa sổ chính: các câu hỏi về thừa số nguyên tố, ƯCLN, BCNN và số nguyên tố, có gợi ý lấy từ lời giải.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>số</translation>
    </message>
    <message>
        <source>Invalid seed &apos;%1&apos;: give a whole number from 0 to %2.</source>
        <extracomment>%1: the seed as typed; %2: the largest seed</extracomment>
        <translation>Hạt giống “%1” không hợp lệ: hãy cho một số tự nhiên từ 0 đến %2.</translation>
    </message>
    <message>
        <source>The option --%1 needs --worksheet.</source>
        <extracomment>%1: an option of the worksheet, such as --level</extracomment>
        <translation>Tùy chọn --%1 cần có --worksheet.</translation>
    </message>
    <message>
        <source>The options --practice and --worksheet cannot be used together.</source>
        <translation>Không thể dùng cùng lúc hai tùy chọn --practice và --worksheet.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the name must end in .pdf, .odt or .txt.</source>
        <extracomment>%1: the file name as typed</extracomment>
        <translation>Không thể ghi “%1”: tên phải kết thúc bằng .pdf, .odt hoặc .txt.</translation>
    </message>
    <message>
        <source>Unknown kinds &apos;%1&apos;: give one or more of factors, hcf, lcm, prime, joined by commas.</source>
        <extracomment>%1: the kinds as typed; the kinds&apos; names stay in English</extracomment>
        <translation>Dạng câu hỏi không rõ “%1”: hãy cho một hoặc nhiều dạng trong factors, hcf, lcm, prime, nối bằng dấu phẩy.</translation>
    </message>
    <message>
        <source>Invalid level &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the level as typed; %2 and %3: the lowest and highest levels</extracomment>
        <translation>Mức “%1” không hợp lệ: hãy cho một số tự nhiên từ %2 đến %3.</translation>
    </message>
    <message>
        <source>Invalid number of questions &apos;%1&apos;: give a whole number from %2 to %3.</source>
        <extracomment>%1: the number of questions as typed; %2 and %3: the fewest and most</extracomment>
        <translation>Số câu hỏi “%1” không hợp lệ: hãy cho một số tự nhiên từ %2 đến %3.</translation>
    </message>
    <message>
        <source>With --practice or --worksheet: starts the questions from the seed &lt;number&gt;, a whole number from 0 to %1; the same seed gives the same questions.</source>
        <extracomment>%1: the largest seed</extracomment>
        <translation>Dùng cùng --practice hoặc --worksheet: bắt đầu các câu hỏi từ hạt giống &lt;số&gt;, một số tự nhiên từ 0 đến %1; cùng một hạt giống cho cùng các câu hỏi.</translation>
    </message>
    <message>
        <source>Writes a worksheet of questions with its answer key to &lt;file&gt;, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).</source>
        <translation>Ghi một phiếu bài tập kèm đáp án vào &lt;tệp&gt;, không mở cửa sổ: tài liệu PDF (.pdf), văn bản ODF (.odt) hoặc văn bản thuần (.txt).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>tệp</translation>
    </message>
    <message>
        <source>With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).</source>
        <translation>Dùng cùng --worksheet: các dạng câu hỏi, ra lần lượt, chọn trong factors, hcf, lcm và prime, nối bằng dấu phẩy (cả bốn dạng nếu không cho).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>danh sách</translation>
    </message>
    <message>
        <source>With --worksheet: the level of the questions, 1 to 3 (1 unless given).</source>
        <translation>Dùng cùng --worksheet: mức của các câu hỏi, từ 1 đến 3 (mức 1 nếu không cho).</translation>
    </message>
    <message>
        <source>With --worksheet: the number of questions, 1 to 60 (20 unless given).</source>
        <translation>Dùng cùng --worksheet: số câu hỏi, từ 1 đến 60 (20 câu nếu không cho).</translation>
    </message>
    <message>
        <source>With --worksheet: no factor trees or Venn diagrams beside the answers.</source>
        <translation>Dùng cùng --worksheet: không vẽ sơ đồ cây hay biểu đồ Ven bên cạnh đáp án.</translation>
    </message>
    <message>
        <source>The option --seed needs --practice or --worksheet.</source>
        <translation>Tùy chọn --seed cần có --practice hoặc --worksheet.</translation>
    </message>
    <message>
        <source>%1: Cannot write &apos;%2&apos;: %3
</source>
        <extracomment>%1: the program; %2: the file name; %3: why it could not be written</extracomment>
        <translation>%1: Không thể ghi “%2”: %3
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: 1 question, level %2, seed %3.
</source>
        <extracomment>%1: the file; %2: the level; %3: the seed</extracomment>
        <translation>
            <numerusform>Đã ghi %1: 1 câu hỏi, mức %2, hạt giống %3.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n questions, level %2, seed %3.
</source>
        <translation>
            <numerusform>Đã ghi %1: %n câu hỏi, mức %2, hạt giống %3.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandShell</name>
    <message>
        <source>The command stopped because of an unexpected error: %1.
The calculator keeps working: check the numbers and try again.</source>
        <translation>Phép tính dừng lại vì một lỗi không mong đợi: %1.
Máy tính vẫn hoạt động: hãy kiểm tra các số rồi thử lại.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>lỗi không rõ</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Could not start &quot;%1&quot; in %2.</source>
        <translation>Không thể chạy “%1” trong %2.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Factors ??</source>
        <extracomment>Factors caption while the factors are being found (and after an edit of the numbers). Keep it short: it fits a small caption.</extracomment>
        <translation>Thừa số ??</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <extracomment>HCF caption before the HCF is found (and after an edit). Keep it short.</extracomment>
        <translation>ƯCLN ?</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <extracomment>LCM caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>BCNN ?</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <extracomment>LCM factors caption before the LCM is found (and after an edit). Keep it short.</extracomment>
        <translation>Thừa số BCNN ??</translation>
    </message>
    <message>
        <source>Pl. wait...</source>
        <extracomment>Status line while a command works. Keep it short: it fits a small caption.</extracomment>
        <translation>Chờ chút...</translation>
    </message>
    <message>
        <source>Prime Time?</source>
        <extracomment>Time caption while the primes are being found. Keep it short.</extracomment>
        <translation>Thời gian?</translation>
    </message>
    <message>
        <source>Finding...</source>
        <extracomment>Prime count caption while the primes are being found. Keep it short.</extracomment>
        <translation>Đang tìm...</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Status line after the numbers were edited: the results shown no longer hold.</extracomment>
        <translation>..</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <extracomment>Title of the frame of the factors before a number was factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>Thừa số của số thứ nhất</translation>
    </message>
    <message>
        <source>Factors of the no. %1</source>
        <extracomment>Title of the frame of the factors. %1: the number factorized. It must fit the frame&apos;s width.</extracomment>
        <translation>Thừa số của số %1</translation>
    </message>
    <message>
        <source>HCF = %1</source>
        <extracomment>HCF caption, and the last line of the HCF working. %1: the HCF, or its factors joined by the times sign, &quot; = &quot; and its value (&quot;2 x 3 = 6&quot;).</extracomment>
        <translation>ƯCLN = %1</translation>
    </message>
    <message>
        <source>LCM = %1</source>
        <extracomment>LCM caption, and the last line of the LCM working. %1: the LCM (it may have hundreds of digits), or its factors joined by the times sign, &quot; = &quot; and its value.</extracomment>
        <translation>BCNN = %1</translation>
    </message>
    <message>
        <source>LCM Factors: %1</source>
        <extracomment>LCM factors caption. %1: the factors joined by the times sign, and %1 STARTS WITH A BLANK (&quot; 2 x 2 x 3&quot;), so write no blank before it.</extracomment>
        <translation>Thừa số BCNN:%1</translation>
    </message>
    <message>
        <source> x </source>
        <extracomment>The times sign that joins the factors of a product (&quot;2 x 2 x 3&quot;), with its blanks on both sides. Use the sign your school writes (&quot; × &quot; or &quot; · &quot;).</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>%1 ms (Factor)</source>
        <extracomment>Time caption of the factors. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (Thừa số)</translation>
    </message>
    <message>
        <source>%1 ms (HCF)</source>
        <extracomment>Time caption of the HCF. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (ƯCLN)</translation>
    </message>
    <message>
        <source>%1 ms (LCM)</source>
        <extracomment>Time caption of the LCM. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (BCNN)</translation>
    </message>
    <message>
        <source>%1 ms (Prime)</source>
        <extracomment>Time caption of the primes. %1: whole milliseconds. Keep it short.</extracomment>
        <translation>%1 ms (Nguyên tố)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <extracomment>Refusal. %1: the word typed that is not a number (at most 40 characters, then &quot;...&quot;). Use your language&apos;s quotation marks.</extracomment>
        <translation>“%1” không phải là số.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range: enter numbers from -2147483648 to 2147483647.</source>
        <extracomment>Refusal. %1: the number typed that is too large or too small. Use your language&apos;s quotation marks; keep the two limits as digits.</extracomment>
        <translation>“%1” nằm ngoài phạm vi: hãy nhập các số từ -2147483648 đến 2147483647.</translation>
    </message>
    <message>
        <source>Enter at least one number.</source>
        <extracomment>Refusal when the numbers box is empty.</extracomment>
        <translation>Nhập ít nhất một số.</translation>
    </message>
    <message>
        <source>You must have two numbers to Find HCF.</source>
        <extracomment>Refusal when the HCF is asked of one number.</extracomment>
        <translation>Cần có hai số để tìm ƯCLN.</translation>
    </message>
    <message>
        <source>Enter positive valid number in Box %1.</source>
        <extracomment>Refusal of a prime bound. %1: which box, 1 (from) or 2 (to).</extracomment>
        <translation>Nhập một số dương hợp lệ vào Ô %1.</translation>
    </message>
    <message>
        <source>Factors of %1</source>
        <extracomment>Heading of the factors&apos; working. %1: the number.</extracomment>
        <translation>Phân tích %1 ra thừa số nguyên tố</translation>
    </message>
    <message>
        <source>Only numbers above 1 have prime factors.</source>
        <extracomment>The working of a number below 2, and the notice instead of its factor tree.</extracomment>
        <translation>Chỉ các số lớn hơn 1 mới có thừa số nguyên tố.</translation>
    </message>
    <message>
        <source>%1 is a prime number.</source>
        <extracomment>%1: a prime number (the last line of its working, and what its factor tree says).</extracomment>
        <translation>%1 là số nguyên tố.</translation>
    </message>
    <message>
        <source>HCF of %1</source>
        <extracomment>Heading of the HCF working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>ƯCLN của %1</translation>
    </message>
    <message>
        <source>HCF(%1, %2)</source>
        <extracomment>The HCF of two numbers, in the working. %1, %2: the two numbers. Followed by &quot;:&quot; (a heading) or &quot; = &quot; and the HCF.</extracomment>
        <translation>ƯCLN(%1, %2)</translation>
    </message>
    <message>
        <source>The HCF is already 1: the other numbers cannot change it.</source>
        <extracomment>The line after the HCF&apos;s working when the fold reached 1 before the last number.</extracomment>
        <translation>ƯCLN đã bằng 1: các số còn lại không thể làm nó thay đổi.</translation>
    </message>
    <message>
        <source>LCM of %1</source>
        <extracomment>Heading of the LCM working. %1: the numbers, joined by the list separators.</extracomment>
        <translation>BCNN của %1</translation>
    </message>
    <message>
        <source>One of the numbers is 0, so the LCM is 0.</source>
        <extracomment>The LCM working when a number is 0.</extracomment>
        <translation>Một trong các số là 0, nên BCNN là 0.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the numbers of a list (&quot;12, 18, 30&quot;), with its blank after it.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Primes between %1 and %2</source>
        <extracomment>Heading of the primes&apos; working. %1, %2: the bounds.</extracomment>
        <translation>Các số nguyên tố giữa %1 và %2</translation>
    </message>
    <message>
        <source>Cross out 1: it is not a prime number.</source>
        <extracomment>A step of the sieve of Eratosthenes.</extracomment>
        <translation>Gạch bỏ 1: 1 không phải là số nguyên tố.</translation>
    </message>
    <message>
        <source>Cross out the multiples of %1: %2</source>
        <extracomment>A step of the sieve of Eratosthenes. %1: a prime, %2: its multiples crossed out (joined by the number separator), or the word for &quot;none&quot;.</extracomment>
        <translation>Gạch bỏ các bội của %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the multiples crossed out when there are none (&quot;Cross out the multiples of 7: none&quot;).</extracomment>
        <translation>không có</translation>
    </message>
    <message>
        <source>%1 x %1 = %2 is above %3: the numbers left are prime.</source>
        <extracomment>The sieve&apos;s last step. %1: a prime, %2: its square, %3: the upper bound. &quot;x&quot; is the times sign.</extracomment>
        <translation>%1.%1 = %2 lớn hơn %3: các số còn lại là số nguyên tố.</translation>
    </message>
    <message>
        <source>No primes.</source>
        <extracomment>The sieve&apos;s result when no prime is left.</extracomment>
        <translation>Không có số nguyên tố.</translation>
    </message>
    <message>
        <source>The sieve is shown for ranges of up to 1000 numbers.</source>
        <extracomment>Instead of the sieve&apos;s steps, for a wide range.</extracomment>
        <translation>Sàng Ơ-ra-tô-xten được hiển thị cho khoảng đến 1000 số.</translation>
    </message>
    <message>
        <source>The numbers have changed: run a command to see its working.</source>
        <extracomment>The Working window&apos;s notice after an edit of the numbers.</extracomment>
        <translation>Các số đã thay đổi: hãy chạy lại một lệnh để xem lời giải.</translation>
    </message>
    <message>
        <source>A Venn diagram is drawn for two or three numbers, none of them 0.</source>
        <extracomment>The notice instead of a Venn diagram.</extracomment>
        <translation>Biểu đồ Ven được vẽ cho hai hoặc ba số, không có số nào bằng 0.</translation>
    </message>
    <message>
        <source>The grid is drawn for ranges of up to 1000 numbers.</source>
        <extracomment>The notice instead of the sieve grid.</extracomment>
        <translation>Bảng số được vẽ cho khoảng đến 1000 số.</translation>
    </message>
    <message>
        <source>Factor tree of %1: %2</source>
        <extracomment>A factor tree in words, for screen readers. %1: the number, %2: each split (joined by the part separator), or that the number is prime.</extracomment>
        <translation>Sơ đồ cây của %1: %2</translation>
    </message>
    <message>
        <source>%1 = %2 x %3</source>
        <extracomment>One split of the factor tree, in words. %1: the number, %2 and %3: its two children.</extracomment>
        <translation>%1 = %2.%3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the parts of a picture&apos;s description for screen readers, with its blank.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Venn diagram of %1: %2</source>
        <extracomment>A Venn diagram in words, for screen readers. %1: the numbers (&quot;8, 12 and 18&quot;), %2: the regions that hold factors (joined by the part separator).</extracomment>
        <translation>Biểu đồ Ven của %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list said in words. %1: the numbers before the last one (joined by the list separator), %2: the last one (&quot;8, 12&quot; and &quot;18&quot;).</extracomment>
        <translation>%1 và %2</translation>
    </message>
    <message>
        <source>in %1 only: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the number whose circle alone holds it, %2: its factors (joined by the list separator).</extracomment>
        <translation>chỉ trong %1: %2</translation>
    </message>
    <message>
        <source>in %1: %2</source>
        <extracomment>A region of a Venn diagram in words. %1: the numbers whose circles hold it (&quot;12 and 18&quot;), %2: its factors.</extracomment>
        <translation>trong %1: %2</translation>
    </message>
    <message>
        <source>no prime factors</source>
        <extracomment>A Venn diagram in words when no circle holds a factor.</extracomment>
        <translation>không có thừa số nguyên tố</translation>
    </message>
    <message>
        <source>Grid of %1 to %2: %3</source>
        <extracomment>The sieve grid in words, for screen readers. %1, %2: the bounds, %3: the primes or that there are none.</extracomment>
        <translation>Bảng số từ %1 đến %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the primes are %1</source>
        <extracomment>The primes of the sieve grid in words. %n: how many (1 or more), %1: the primes, joined by the list separator.</extracomment>
        <translation>
            <numerusform>các số nguyên tố là %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no primes</source>
        <extracomment>The sieve grid in words when it holds no prime.</extracomment>
        <translation>không có số nguyên tố</translation>
    </message>
    <message numerus="yes">
        <source>%n Primes</source>
        <extracomment>Prime count caption. %n: the number of primes found. English keeps &quot;1 Primes&quot; as the window has always shown it; write your language&apos;s correct forms. Keep it short.</extracomment>
        <translation>
            <numerusform>%n số nguyên tố</numerusform>
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
            <numerusform>Nhập nhiều nhất %n số.</numerusform>
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
        <translation>%1 mũ %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A heading line, followed by its working on the next lines. %1: what it heads, e.g. &quot;HCF(12, 18)&quot;. French writes a no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 = %2 x %3 + %4</source>
        <extracomment>One division of Euclid&apos;s method. %1: the dividend, %2: the quotient, %3: the divisor, %4: the remainder (&quot;18 = 1 x 12 + 6&quot;). Write it in your school&apos;s order and signs; the placeholders may stand in any order (&quot;%1 : %3 = %2 R %4&quot;).</extracomment>
        <translation>%1 = %3.%2 + %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The end of a list of numbers in the working&apos;s headings. %1: the numbers before the last one (joined by the list separator), %2: the last one. English writes &quot;12, 18, 30&quot;; write &quot;%1 and %2&quot; where your language ends a list so.</extracomment>
        <translation>%1 và %2</translation>
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
            <numerusform>%n số nguyên tố: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n primes.</source>
        <extracomment>The result of a wide range, whose primes are not listed. %n: how many primes.</extracomment>
        <translation>
            <numerusform>%n số nguyên tố.</numerusform>
        </translation>
    </message>
    <message>
        <source>prime</source>
        <extracomment>The word a pupil types to answer that a number is prime, read in any letter case (&quot;prime&quot; is always read too). One word, as pupils write it.</extracomment>
        <translation>nguyên tố</translation>
    </message>
    <message>
        <source>Write %1 as a product of prime factors.</source>
        <extracomment>A practice question. %1: the number to factorize.</extracomment>
        <translation>Phân tích %1 ra thừa số nguyên tố.</translation>
    </message>
    <message>
        <source>Find the HCF of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>Tìm ƯCLN(%1, %2).</translation>
    </message>
    <message>
        <source>Find the HCF of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the HCF.</extracomment>
        <translation>Tìm ƯCLN(%1, %2, %3).</translation>
    </message>
    <message>
        <source>Find the LCM of %1 and %2.</source>
        <extracomment>A practice question. %1, %2: the two numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>Tìm BCNN(%1, %2).</translation>
    </message>
    <message>
        <source>Find the LCM of %1, %2 and %3.</source>
        <extracomment>A practice question. %1, %2, %3: the three numbers. Use your school&apos;s name for the LCM.</extracomment>
        <translation>Tìm BCNN(%1, %2, %3).</translation>
    </message>
    <message>
        <source>Is %1 a prime number? If not, write it as a product of two smaller numbers.</source>
        <extracomment>A practice question. %1: the number.</extracomment>
        <translation>%1 có phải là số nguyên tố không? Nếu không, hãy viết %1 thành tích của hai số nhỏ hơn.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <extracomment>The verdict on a right answer. %1: what was found: &quot;360 = 2^3 x 3^2 x 5&quot;, &quot;HCF = 6&quot;, &quot;LCM = 36&quot;, &quot;91 = 7 x 13&quot; or &quot;97 is a prime number.&quot;.</extracomment>
        <translation>Đúng rồi! %1</translation>
    </message>
    <message>
        <source>Type your answer first.</source>
        <extracomment>The verdict when Check is pressed with nothing typed.</extracomment>
        <translation>Hãy nhập câu trả lời trước.</translation>
    </message>
    <message>
        <source>I can&apos;t read &quot;%1&quot;.</source>
        <extracomment>The verdict on an answer that cannot be read. %1: the part of the answer not understood, as typed.</extracomment>
        <translation>Không đọc được “%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too big for this question.</source>
        <extracomment>The verdict on an answer with a number or exponent far too large. %1: that number or exponent, as typed.</extracomment>
        <translation>“%1” quá lớn so với câu hỏi này.</translation>
    </message>
    <message>
        <source>1 is not a prime number.</source>
        <extracomment>The verdict on prime factors that include 1.</extracomment>
        <translation>1 không phải là số nguyên tố.</translation>
    </message>
    <message>
        <source>%1 is not prime: %1 = %2.</source>
        <extracomment>The verdict on prime factors that include a composite. %1: that factor, %2: its split, smallest factor first (&quot;3 x 3&quot;).</extracomment>
        <translation>%1 không phải là số nguyên tố: %1 = %2.</translation>
    </message>
    <message>
        <source>These multiply to %1, not %2.</source>
        <extracomment>The verdict on primes whose product is not the number asked. %1: their product, %2: the number asked.</extracomment>
        <translation>Tích của các số này là %1, không phải %2.</translation>
    </message>
    <message>
        <source>These multiply to far more than %1.</source>
        <extracomment>The verdict on primes whose product is far too large to write. %1: the number asked.</extracomment>
        <translation>Tích của các số này lớn hơn %1 rất nhiều.</translation>
    </message>
    <message>
        <source>%1 is not a factor of %2.</source>
        <extracomment>The verdict on an HCF answer. %1: the answer, %2: the first number of the question it does not divide.</extracomment>
        <translation>%1 không phải là ước của %2.</translation>
    </message>
    <message>
        <source>%1 is a common factor, but not the highest.</source>
        <extracomment>The verdict on an HCF answer that divides every number but is not the HCF. %1: the answer.</extracomment>
        <translation>%1 là ước chung, nhưng không phải ước chung lớn nhất.</translation>
    </message>
    <message>
        <source>%1 is not a multiple of %2.</source>
        <extracomment>The verdict on an LCM answer. %1: the answer, %2: the first number of the question that does not divide it.</extracomment>
        <translation>%1 không phải là bội của %2.</translation>
    </message>
    <message>
        <source>%1 is a common multiple, but not the lowest.</source>
        <extracomment>The verdict on an LCM answer that every number divides but is not the LCM. %1: the answer.</extracomment>
        <translation>%1 là bội chung, nhưng không phải bội chung nhỏ nhất.</translation>
    </message>
    <message>
        <source>%1 is not %2.</source>
        <extracomment>The verdict on an answer &quot;product = number&quot; whose sides differ. %1: the product as written (&quot;2 x 3&quot;), %2: the number after the equals sign.</extracomment>
        <translation>%1 không bằng %2.</translation>
    </message>
    <message>
        <source>%1 is not prime: it has a factor other than 1 and itself.</source>
        <extracomment>The verdict on &quot;prime&quot; for a number that is not prime. %1: the number asked.</extracomment>
        <translation>%1 không phải là số nguyên tố: %1 có ước khác 1 và chính nó.</translation>
    </message>
    <message>
        <source>%1 = %2, not %3.</source>
        <extracomment>The verdict on a product that does not give the number asked. %1: the product as written (&quot;7 x 13&quot;), %2: its value, %3: the number asked.</extracomment>
        <translation>%1 = %2, không phải %3.</translation>
    </message>
    <message>
        <source>%1 is far more than %2.</source>
        <extracomment>The verdict on a product far too large to work out. %1: the product as written, %2: the number asked.</extracomment>
        <translation>%1 lớn hơn %2 rất nhiều.</translation>
    </message>
    <message>
        <source>Use numbers above 1.</source>
        <extracomment>The verdict on a product that gives the number asked only by using 1.</extracomment>
        <translation>Hãy dùng các số lớn hơn 1.</translation>
    </message>
    <message>
        <source>Write &quot;%1&quot;, or write %2 as a product of two smaller numbers.</source>
        <extracomment>The verdict on &quot;prime or not&quot; answered with a single number. %1: the word for prime, %2: the number asked.</extracomment>
        <translation>Hãy viết “%1”, hoặc viết %2 thành tích của hai số nhỏ hơn.</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3</source>
        <extracomment>A hint: one exact division. %1 divided by %2 gives %3.</extracomment>
        <translation>%1 : %2 = %3</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 r %4</source>
        <extracomment>A hint: one division with a remainder. %1 divided by %2 gives %3, remainder %4.</extracomment>
        <translation>%1 : %2 = %3 (dư %4)</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <extracomment>A hint: one row of the LCM ladder. %1: the divisor, %2: the numbers of the row, two blanks apart.</extracomment>
        <translation>%1 | %2</translation>
    </message>
    <message>
        <source>What remains: %1</source>
        <extracomment>A hint: the numbers left under the LCM ladder. %1: the numbers, two blanks apart.</extracomment>
        <translation>Còn lại: %1</translation>
    </message>
    <message>
        <source>Try the primes up to √%1: %2</source>
        <extracomment>A hint: the primes to try as divisors. %1: the number asked, %2: the primes up to its square root, joined by the list separator.</extracomment>
        <translation>Thử chia cho các số nguyên tố không vượt quá √%1: %2</translation>
    </message>
    <message>
        <source>No prime is at most √%1.</source>
        <extracomment>A hint when no prime is small enough to try. %1: the number asked (2 or 3).</extracomment>
        <translation>Không có số nguyên tố nào không vượt quá √%1.</translation>
    </message>
    <message>
        <source>%1 = %2 x %3: %1 is not prime.</source>
        <extracomment>A hint: the number splits, so it is not prime. %1: the number, %2 x %3: its split.</extracomment>
        <translation>%1 = %2.%3: %1 không phải là số nguyên tố.</translation>
    </message>
    <message numerus="yes">
        <source>Question %1 of %2 · %n right first time</source>
        <extracomment>The practice score. %1: this question&apos;s place in the round, %2: the questions in a round, %n: the questions right first time so far.</extracomment>
        <translation>
            <numerusform>Câu %1/%2 · %n câu đúng ngay lần đầu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 min %3 s.</source>
        <extracomment>The score at a round&apos;s end. %n: the questions right first time, %1: the questions in a round, %2: whole minutes, %3: seconds.</extracomment>
        <translation>
            <numerusform>Hết lượt: đúng ngay lần đầu %n/%1 câu, trong %2 phút %3 giây.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Round over: %n of %1 right first time in %2 s.</source>
        <extracomment>The score at a round&apos;s end under a minute. %n: the questions right first time, %1: the questions in a round, %2: seconds.</extracomment>
        <translation>
            <numerusform>Hết lượt: đúng ngay lần đầu %n/%1 câu, trong %2 giây.</numerusform>
        </translation>
    </message>
    <message>
        <source>(continued)</source>
        <extracomment>Atop each further page of a picture split across printed pages.</extracomment>
        <translation>(tiếp theo)</translation>
    </message>
    <message>
        <source>Primes between %1 and %2: %3</source>
        <extracomment>The caption above a sieve grid. %1, %2: the range&apos;s bounds, %3: the count of primes in words (primeCountInWords, &quot;25 primes&quot;).</extracomment>
        <translation>Các số nguyên tố giữa %1 và %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n primes</source>
        <extracomment>A count of primes in the caption above a sieve grid (&quot;Primes between 1 and 100: 25 primes&quot;). %n: the count (0 or more).</extracomment>
        <translation>
            <numerusform>%n số</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken as %2.</source>
        <extracomment>In the HCF and LCM working, right after the heading, and under a Venn diagram: the working uses a negative number&apos;s size. %1: the negative number (&quot;-12&quot;), %2: its size (&quot;12&quot;).</extracomment>
        <translation>%1 được tính là %2.</translation>
    </message>
    <message>
        <source>Worksheet: prime factors, HCF and LCM</source>
        <extracomment>The title of a worksheet, the same for every choice of kinds.</extracomment>
        <translation>Phiếu bài tập: thừa số nguyên tố, ƯCLN và BCNN</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>On a worksheet, before a line where the pupil writes their name.</extracomment>
        <translation>Họ và tên:</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>On a worksheet, before a line where the pupil writes the date.</extracomment>
        <translation>Ngày:</translation>
    </message>
    <message>
        <source>Level %1 · seed %2</source>
        <extracomment>Under a worksheet&apos;s title: what makes the same sheet again. %1: the level, 1 to 3, %2: the seed, a whole number.</extracomment>
        <translation>Mức %1 · hạt giống %2</translation>
    </message>
    <message>
        <source>Level %1 · seed %2 · page %3 of %4</source>
        <extracomment>The footer of every page of a worksheet. %1: the level, %2: the seed, %3: this page, %4: the pages.</extracomment>
        <translation>Mức %1 · hạt giống %2 · trang %3/%4</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The number of a question on a worksheet, and of its answer. %1: the number.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>The heading of a worksheet&apos;s answer key.</extracomment>
        <translation>Đáp án</translation>
    </message>
    <message>
        <source>%1, not prime</source>
        <extracomment>In a worksheet&apos;s answer key: a number that is not prime. %1: the number split in two, &quot;91 = 7 x 13&quot;.</extracomment>
        <translation>%1, không phải là số nguyên tố</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Question</source>
        <translation>Câu hỏi</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Kiểm tra</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Gợi ý</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Xem &amp;lời giải</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>Xem lời giải</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Câu tiếp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Câu tiếp</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Nhận xét</translation>
    </message>
    <message>
        <source>Practice – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>Luyện tập – %1</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>Dạng câu hỏi</translation>
    </message>
    <message>
        <source>Prime factors</source>
        <translation>Thừa số nguyên tố</translation>
    </message>
    <message>
        <source>HCF</source>
        <extracomment>The school&apos;s name of the highest common factor, as in &quot;HCF = 6&quot;</extracomment>
        <translation>ƯCLN</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>The school&apos;s name of the lowest common multiple, as in &quot;LCM = 36&quot;</extracomment>
        <translation>BCNN</translation>
    </message>
    <message>
        <source>Prime or not</source>
        <translation>Nguyên tố hay không</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Tổng hợp</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Mức độ</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>%1: 1, 2 or 3</extracomment>
        <translation>Mức %1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Trả lời</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Dạng:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Mức:</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Trả lời:</translation>
    </message>
    <message>
        <source>Wo&amp;rksheet…</source>
        <translation>&amp;Phiếu bài tập…</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Phiếu bài tập</translation>
    </message>
</context>
<context>
    <name>PrimeListView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Sao chép &amp;tất cả</translation>
    </message>
</context>
<context>
    <name>WorkingOutput</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Ảnh PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Ảnh SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Tài liệu PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Văn bản (*.txt)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Ảnh JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>factors</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;factors-360&quot;: lower case, no blanks.</extracomment>
        <translation>thuaso</translation>
    </message>
    <message>
        <source>hcf</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;hcf-12-18&quot;: lower case, no blanks.</extracomment>
        <translation>ucln</translation>
    </message>
    <message>
        <source>lcm</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;lcm-4-6-10&quot;: lower case, no blanks.</extracomment>
        <translation>bcnn</translation>
    </message>
    <message>
        <source>primes</source>
        <comment>file name</comment>
        <extracomment>The start of a suggested file name, as &quot;primes-1-100&quot;: lower case, no blanks.</extracomment>
        <translation>nguyento</translation>
    </message>
    <message>
        <source>the name does not end in one of %1</source>
        <extracomment>%1: the extensions offered, as &quot;.png, .svg, .pdf, .txt, .jpg&quot;</extracomment>
        <translation>tên không kết thúc bằng một trong các đuôi %1</translation>
    </message>
    <message>
        <source>there is no picture to save: save the steps as .pdf or .txt</source>
        <translation>không có hình để lưu: hãy lưu các bước dưới dạng .pdf hoặc .txt</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Steps</source>
        <translation>Các bước</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Hình</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Các bước</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Hình</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Lưu…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Sao chép &amp;hình</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;In…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Phóng &amp;to</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Thu &amp;nhỏ</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Vừa cửa sổ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Sao chép hình</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Vừa cửa sổ</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Không thể lưu lời giải thành “%1”: %2.</translation>
    </message>
    <message>
        <source>Save the Working</source>
        <translation>Lưu lời giải</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Không thể in: %1</translation>
    </message>
    <message>
        <source>Practise…</source>
        <translation>Luyện tập…</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Luyện tập</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>&amp;Prime factors</source>
        <translation>&amp;Thừa số nguyên tố</translation>
    </message>
    <message>
        <source>&amp;HCF</source>
        <extracomment>The school&apos;s name of the highest common factor</extracomment>
        <translation>Ư&amp;CLN</translation>
    </message>
    <message>
        <source>L&amp;CM</source>
        <extracomment>The school&apos;s name of the lowest common multiple</extracomment>
        <translation>&amp;BCNN</translation>
    </message>
    <message>
        <source>Prime &amp;or not</source>
        <translation>&amp;Nguyên tố hay không</translation>
    </message>
    <message>
        <source>P&amp;ictures in the answer key</source>
        <translation>Kèm hình &amp;vẽ trong đáp án</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Lưu…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;In…</translation>
    </message>
    <message>
        <source>Worksheet – %1</source>
        <extracomment>%1: the program&apos;s short title</extracomment>
        <translation>Phiếu bài tập – %1</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>Xem trước trang đầu</translation>
    </message>
    <message>
        <source>Kinds of question</source>
        <translation>Dạng câu hỏi</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Mức:</translation>
    </message>
    <message>
        <source>&amp;Number of questions:</source>
        <translation>&amp;Số câu hỏi:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Hạt giống:</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>Hạt giống là một số tự nhiên từ 0 đến 18446744073709551615.</translation>
    </message>
    <message>
        <source>Choose at least one kind of question.</source>
        <translation>Hãy chọn ít nhất một dạng câu hỏi.</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Lưu phiếu bài tập</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: the file; %2: why it could not be written</extracomment>
        <translation>Không thể ghi %1: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1: why printing is not available</extracomment>
        <translation>Không thể in: %1</translation>
    </message>
</context>
<context>
    <name>WorksheetFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Tài liệu PDF (*.pdf)</translation>
    </message>
    <message>
        <source>ODF text document (*.odt)</source>
        <translation>Văn bản ODF (*.odt)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Văn bản (*.txt)</translation>
    </message>
    <message>
        <source>the name does not end in .pdf, .odt or .txt</source>
        <translation>tên không kết thúc bằng .pdf, .odt hoặc .txt</translation>
    </message>
</context>
<context>
    <name>frmLCM</name>
    <message>
        <source>Contact: kids@numeria.example</source>
        <translation>Liên hệ: kids@numeria.example</translation>
    </message>
    <message>
        <source>Visit this website for more downloads</source>
        <translation>Vào trang web này để tải thêm</translation>
    </message>
    <message>
        <source>Visit: numeria.example</source>
        <translation>Trang web: numeria.example</translation>
    </message>
    <message>
        <source>© 2026 Numeria Learning. Free for schools.</source>
        <translation>© 2026 Numeria Learning. Miễn phí ở trường.</translation>
    </message>
    <message>
        <source>Free Download</source>
        <translation>Tải miễn phí</translation>
    </message>
    <message>
        <source>Numeria Learning logo</source>
        <translation>Biểu trưng Numeria Learning</translation>
    </message>
    <message>
        <source>Emblem</source>
        <translation>Huy hiệu</translation>
    </message>
    <message>
        <source>Factors of the 1st number</source>
        <translation>Thừa số của số thứ nhất</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>Thừa số</translation>
    </message>
    <message>
        <source>Factors=??</source>
        <translation>Thừa số=??</translation>
    </message>
    <message>
        <source>Find the factors of the first number</source>
        <translation>Phân tích số thứ nhất ra thừa số nguyên tố</translation>
    </message>
    <message>
        <source>Factors ??</source>
        <translation>Thừa số ??</translation>
    </message>
    <message>
        <source>LCM (Lowest Common Multiple)</source>
        <translation>BCNN (Bội chung nhỏ nhất)</translation>
    </message>
    <message>
        <source>LCM factors</source>
        <translation>Thừa số BCNN</translation>
    </message>
    <message>
        <source>LCM Factors ??</source>
        <translation>Thừa số BCNN ??</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>BCNN</translation>
    </message>
    <message>
        <source>LCM = ?</source>
        <translation>BCNN = ?</translation>
    </message>
    <message>
        <source>Find the LCM of the numbers</source>
        <translation>Tìm BCNN của các số</translation>
    </message>
    <message>
        <source>LCM ?</source>
        <translation>BCNN ?</translation>
    </message>
    <message>
        <source>HCF (Highest Common Factor)</source>
        <translation>ƯCLN (Ước chung lớn nhất)</translation>
    </message>
    <message>
        <source>HCF</source>
        <translation>ƯCLN</translation>
    </message>
    <message>
        <source>HCF = ?</source>
        <translation>ƯCLN = ?</translation>
    </message>
    <message>
        <source>Find the HCF of the numbers</source>
        <translation>Tìm ƯCLN của các số</translation>
    </message>
    <message>
        <source>HCF ?</source>
        <translation>ƯCLN ?</translation>
    </message>
    <message>
        <source>(For finding Factors, HCF and LCM)</source>
        <translation>(Tìm thừa số, ƯCLN và BCNN)</translation>
    </message>
    <message>
        <source>Enter Numbers separating with Space</source>
        <translation>Nhập các số, cách nhau bởi dấu cách</translation>
    </message>
    <message>
        <source>Kids club logo</source>
        <translation>Biểu trưng câu lạc bộ thiếu nhi</translation>
    </message>
    <message>
        <source>Execution time</source>
        <translation>Thời gian tính</translation>
    </message>
    <message>
        <source>An adult reading a picture book with a child</source>
        <translation>Một người lớn đọc sách tranh cùng một em nhỏ</translation>
    </message>
    <message>
        <source>Execution Time</source>
        <translation>TG</translation>
    </message>
    <message>
        <source>Numbers separated by spaces</source>
        <translation>Các số cách nhau bởi dấu cách</translation>
    </message>
    <message>
        <source>Prime Numbers between</source>
        <translation>Số nguyên tố giữa</translation>
    </message>
    <message>
        <source>and</source>
        <translation>và</translation>
    </message>
    <message>
        <source>Prime count</source>
        <translation>Số lượng số nguyên tố</translation>
    </message>
    <message>
        <source>Primes...</source>
        <translation>Số NT...</translation>
    </message>
    <message>
        <source>Prime range box 1</source>
        <translation>Ô giới hạn thứ nhất</translation>
    </message>
    <message>
        <source>Prime range box 2</source>
        <translation>Ô giới hạn thứ hai</translation>
    </message>
    <message>
        <source>Find the primes between the two boxes</source>
        <translation>Tìm các số nguyên tố giữa hai ô</translation>
    </message>
    <message>
        <source>Primes found</source>
        <translation>Các số nguyên tố tìm được</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>Trò &amp;chơi</translation>
    </message>
    <message>
        <source>FIND</source>
        <extracomment>The FIND button, one short imperative word, at most about 7 Latin letters wide.</extracomment>
        <translation>TÌM</translation>
    </message>
</context>
</TS>
