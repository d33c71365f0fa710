# Turkish, as a teacher in Turkey writes it for pupils: EBOB and EKOK, asal
# çarpanlar, bölen and kat; the times sign x, division with a colon and
# "kalan" for the remainder, the table of the EKOK with the divisors on the
# right, the quotation marks “ ”, and the pupil addressed as "siz" ("bulun").
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

    # The hints: division with a colon, the table with the divisors on the right.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3, kalan %4',
    '%1 | %2': '%2 | %1',
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
