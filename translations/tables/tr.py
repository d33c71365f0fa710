# Turkish, as a teacher in Turkey writes it for pupils: EBOB and EKOK, asal
# çarpanlar, bölen and kat; the times sign x, division with a colon and
# "kalan" for the remainder, the table of the EKOK (a hint's row as the Working
# window draws it, divisor on the left), the quotation marks “ ”, and the pupil
# addressed as "siz" ("bulun").
TEXTS = {
    # The command line.
    'Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.':
        'Alıştırma penceresini ana pencerenin üstünde açar: asal çarpanlar, EBOB, EKOK ve asal sayılar üzerine sorular, çözümden alınan ipuçlarıyla.',
    'With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        '--practice ile birlikte: soruları <sayı> tohum değerinden üretir; bu değer 0 ile %1 arasında bir tam sayıdır; aynı tohum değeri aynı soruları verir.',
    'number': 'sayı',
    'The option --seed needs --practice.': '--seed seçeneği yalnızca --practice ile birlikte kullanılabilir.',
    "Invalid seed '%1': give a whole number from 0 to %2.": 'Geçersiz tohum değeri “%1”: 0 ile %2 arasında bir tam sayı yazın.',

    # The questions.
    'prime': 'asal',
    'Write %1 as a product of prime factors.': '%1 sayısını asal çarpanlarına ayırın.',
    'Find the HCF of %1 and %2.': "%1 ve %2 sayılarının EBOB'unu bulun.",
    'Find the HCF of %1, %2 and %3.': "%1, %2 ve %3 sayılarının EBOB'unu bulun.",
    'Find the LCM of %1 and %2.': "%1 ve %2 sayılarının EKOK'unu bulun.",
    'Find the LCM of %1, %2 and %3.': "%1, %2 ve %3 sayılarının EKOK'unu bulun.",
    'Is %1 a prime number? If not, write it as a product of two smaller numbers.':
        '%1 asal sayı mıdır? Değilse, onu daha küçük iki sayının çarpımı olarak yazın.',

    # The verdicts.
    'Right! %1': 'Doğru! %1',
    'Type your answer first.': 'Önce cevabınızı yazın.',
    'I can\'t read "%1".': '“%1” anlaşılamadı.',
    '"%1" is too big for this question.': '“%1” bu soru için çok büyük.',
    '1 is not a prime number.': '1 asal sayı değildir.',
    '%1 is not prime: %1 = %2.': '%1 asal değildir: %1 = %2.',
    'These multiply to %1, not %2.': 'Bu sayıların çarpımı %1 eder, %2 değil.',
    'These multiply to far more than %1.': 'Bu sayıların çarpımı %1 sayısından çok daha büyük.',
    '%1 is not a factor of %2.': '%1, %2 sayısının böleni değildir.',
    '%1 is a common factor, but not the highest.': '%1 ortak bir bölen, ama en büyüğü değil.',
    '%1 is not a multiple of %2.': '%1, %2 sayısının katı değildir.',
    '%1 is a common multiple, but not the lowest.': '%1 ortak bir kat, ama en küçüğü değil.',
    '%1 is not %2.': '%1 ile %2 eşit değil.',
    '%1 is not prime: it has a factor other than 1 and itself.':
        "%1 asal değildir: 1'den ve kendisinden başka bir böleni vardır.",
    '%1 = %2, not %3.': '%1 = %2, %3 değil.',
    '%1 is far more than %2.': '%1, %2 sayısından çok daha büyük.',
    'Use numbers above 1.': "1'den büyük sayılar kullanın.",
    'Write "%1", or write %2 as a product of two smaller numbers.':
        '“%1” yazın ya da %2 sayısını daha küçük iki sayının çarpımı olarak yazın.',

    # The hints: division with a colon; a row of the ladder as the Working window
    # draws it, the divisor on the left.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3, kalan %4',
    '%1 | %2': '%1 | %2',
    'What remains: %1': 'Geriye kalan: %1',
    'Try the primes up to √%1: %2': '√%1 sayısına kadar olan asal sayıları deneyin: %2',
    'No prime is at most √%1.': '√%1 sayısından küçük ya da ona eşit asal sayı yok.',
    '%1 = %2 x %3: %1 is not prime.': '%1 = %2 x %3: %1 asal değildir.',

    # The score: Turkish has one form after a count.
    'Question %1 of %2 · %n right first time': ['Soru %1 / %2 · ilk denemede doğru: %n'],
    'Round over: %n of %1 right first time in %2 min %3 s.':
        ['Tur bitti: %1 sorudan %n tanesi ilk denemede doğru, süre %2 dk %3 sn.'],
    'Round over: %n of %1 right first time in %2 s.':
        ['Tur bitti: %1 sorudan %n tanesi ilk denemede doğru, süre %2 sn.'],

    # The Practice window.
    'Question': 'Soru',
    '&Check': '&Kontrol et',
    'Check': 'Kontrol et',
    '&Hint': 'İp&ucu',
    'Hint': 'İpucu',
    'Show &Working': 'Çö&zümü göster',
    'Show Working': 'Çözümü göster',
    '&Next': 'S&onraki',
    'Next': 'Sonraki',
    'Feedback': 'Geri bildirim',
    'Practice – %1': 'Alıştırma – %1',
    'Kind of question': 'Soru türü',
    'Prime factors': 'Asal çarpanlar',
    'HCF': 'EBOB',
    'LCM': 'EKOK',
    'Prime or not': 'Asal mı, değil mi',
    'Mixed': 'Karışık',
    'Level': 'Seviye',
    'Level %1': 'Seviye %1',
    'Answer': 'Cevap',
    'Hints': 'İpuçları',
    'Score': 'Puan',
    '&Kind:': '&Tür:',
    '&Level:': '&Seviye:',
    '&Answer:': '&Cevap:',

    # The working window's button and the main window's picture button.
    'Practise…': 'Alıştırma…',
    'Practise': 'Alıştırma',
    'FIND': 'BUL',
}

# The worksheet (çalışma kâğıdı), its dialog and --worksheet; the save dialog's
# additions; the pictures' captions. The kinds of question keep their English
# names on the command line; the suggested file names are written without
# Turkish letters. The dialog's access keys: A B E M Ş K Y S O T.
TEXTS.update({
    # The command line.
    'The option --%1 needs --worksheet.': '--%1 seçeneği yalnızca --worksheet ile birlikte kullanılabilir.',
    'The options --practice and --worksheet cannot be used together.':
        '--practice ve --worksheet seçenekleri birlikte kullanılamaz.',
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        '“%1” yazılamadı: dosya adı .pdf, .odt ya da .txt ile bitmelidir.',
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        'Bilinmeyen soru türleri “%1”: factors, hcf, lcm, prime türlerinden birini ya da birkaçını virgülle ayırarak yazın.',
    "Invalid level '%1': give a whole number from %2 to %3.":
        'Geçersiz seviye “%1”: %2 ile %3 arasında bir tam sayı yazın.',
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        'Geçersiz soru sayısı “%1”: %2 ile %3 arasında bir tam sayı yazın.',
    'With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        '--practice ya da --worksheet ile birlikte: soruları <sayı> tohum değerinden üretir; bu değer 0 ile %1 arasında bir tam sayıdır; aynı tohum değeri aynı soruları verir.',
    'Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).':
        'Pencere açmadan, sorularla cevap anahtarını içeren bir çalışma kâğıdını <dosya> dosyasına yazar: PDF belgesi (.pdf), ODF metin belgesi (.odt) ya da düz metin (.txt).',
    'file': 'dosya',
    'With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).':
        '--worksheet ile birlikte: sırayla sorulacak soru türleri; factors, hcf, lcm ve prime arasından, virgülle ayrılarak (verilmezse dördü de).',
    'list': 'liste',
    'With --worksheet: the level of the questions, 1 to 3 (1 unless given).':
        '--worksheet ile birlikte: soruların seviyesi, 1 ile 3 arası (verilmezse 1).',
    'With --worksheet: the number of questions, 1 to 60 (20 unless given).':
        '--worksheet ile birlikte: soru sayısı, 1 ile 60 arası (verilmezse 20).',
    'With --worksheet: no factor trees or Venn diagrams beside the answers.':
        '--worksheet ile birlikte: cevapların yanına çarpan ağacı ya da Venn şeması çizilmez.',
    'The option --seed needs --practice or --worksheet.':
        '--seed seçeneği yalnızca --practice ya da --worksheet ile birlikte kullanılabilir.',
    "%1: Cannot write '%2': %3\n": '%1: “%2” yazılamadı: %3\n',
    'Wrote %1: 1 question, level %2, seed %3.\n': '%1 yazıldı: %n soru, seviye %2, tohum değeri %3.\n',
    'Wrote %1: %n questions, level %2, seed %3.\n': '%1 yazıldı: %n soru, seviye %2, tohum değeri %3.\n',

    # The pictures.
    '(continued)': '(devamı)',
    'Primes between %1 and %2: %3': '%1 ile %2 arasındaki asal sayılar: %3',
    '%n primes': ['%n asal sayı'],
    '%1 is taken as %2.': '%1 yerine %2 alınır.',

    # The sheet.
    'Worksheet: prime factors, HCF and LCM': 'Çalışma kâğıdı: asal çarpanlar, EBOB ve EKOK',
    'Name:': 'Adı Soyadı:',
    'Date:': 'Tarih:',
    'Level %1 · seed %2': 'Seviye %1 · tohum değeri %2',
    'Level %1 · seed %2 · page %3 of %4': 'Seviye %1 · tohum değeri %2 · sayfa %3 / %4',
    '%1.': '%1.',
    'Answers': 'Cevaplar',
    '%1, not prime': '%1, asal değil',

    # The Practice window's button.
    'Wor&ksheet…': 'Ça&lışma kâğıdı…',
    'Worksheet': 'Çalışma kâğıdı',

    # The save dialog of the Working window.
    'JPEG picture (*.jpg *.jpeg)': 'JPEG resmi (*.jpg *.jpeg)',
    'factors': 'carpanlar',
    'hcf': 'ebob',
    'lcm': 'ekok',
    'primes': 'asallar',
    'the name does not end in one of %1': 'dosya adı şunlardan biriyle bitmiyor: %1',
    'there is no picture to save: save the steps as .pdf or .txt':
        'kaydedilecek şekil yok: adımları .pdf ya da .txt olarak kaydedin',

    # The Worksheet dialog.
    '&Prime factors': '&Asal çarpanlar',
    '&HCF': 'E&BOB',
    'L&CM': '&EKOK',
    'Prime &or not': 'Asal &mı, değil mi',
    'P&ictures in the answer key': 'Cevap anahtarında &şekiller',
    'WorksheetDialog|&Save…': '&Kaydet…',
    'P&rint…': '&Yazdır…',
    'Worksheet – %1': 'Çalışma kâğıdı – %1',
    'Preview of the first page': 'İlk sayfanın önizlemesi',
    'Kinds of question': 'Soru türleri',
    'WorksheetDialog|&Level:': '&Seviye:',
    '&Number of questions:': 'S&oru sayısı:',
    'S&eed:': '&Tohum değeri:',
    'The seed is a whole number from 0 to 18446744073709551615.':
        'Tohum değeri 0 ile 18446744073709551615 arasında bir tam sayıdır.',
    'Choose at least one kind of question.': 'En az bir soru türü seçin.',
    'Save Worksheet': 'Çalışma kâğıdını kaydet',
    'Cannot write %1: %2': '%1 yazılamadı: %2',
    'WorksheetDialog|Printing is not available: %1': 'Yazdırma kullanılamıyor: %1',
    'WorksheetFile|PDF document (*.pdf)': 'PDF belgesi (*.pdf)',
    'ODF text document (*.odt)': 'ODF metin belgesi (*.odt)',
    'WorksheetFile|Text (*.txt)': 'Metin (*.txt)',
    'the name does not end in .pdf, .odt or .txt': 'dosya adı .pdf, .odt ya da .txt ile bitmiyor',
})
