# Russian, as a teacher in Russia writes it for pupils: НОД and НОК, простые
# множители, составное число, делитель and кратное; the times sign ·, division
# with a colon and "ост." for the remainder, the quotation marks « », and the
# polite imperative of the textbooks ("Найдите", "Разложите").
TEXTS = {
    # The command line.
    'Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.':
        'Открывает окно «Тренировка» поверх главного окна: задания на простые множители, НОД, НОК и простые числа, с подсказками из решения.',
    'With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'Вместе с --practice: задания строятся из начального числа <число> — целого числа от 0 до %1; одно и то же начальное число даёт одни и те же задания.',
    'number': 'число',
    'The option --seed needs --practice.': 'Параметр --seed действует только вместе с --practice.',
    "Invalid seed '%1': give a whole number from 0 to %2.": 'Неверное начальное число «%1»: укажите целое число от 0 до %2.',

    # The questions.
    'prime': 'простое',
    'Write %1 as a product of prime factors.': 'Разложите число %1 на простые множители.',
    'Find the HCF of %1 and %2.': 'Найдите НОД чисел %1 и %2.',
    'Find the HCF of %1, %2 and %3.': 'Найдите НОД чисел %1, %2 и %3.',
    'Find the LCM of %1 and %2.': 'Найдите НОК чисел %1 и %2.',
    'Find the LCM of %1, %2 and %3.': 'Найдите НОК чисел %1, %2 и %3.',
    'Is %1 a prime number? If not, write it as a product of two smaller numbers.':
        'Является ли число %1 простым? Если нет, запишите его в виде произведения двух меньших чисел.',

    # The verdicts.
    'Right! %1': 'Верно! %1',
    'Type your answer first.': 'Сначала введите ответ.',
    'I can\'t read "%1".': 'Не могу разобрать «%1».',
    '"%1" is too big for this question.': 'Число «%1» слишком велико для этого задания.',
    '1 is not a prime number.': '1 не является простым числом.',
    '%1 is not prime: %1 = %2.': '%1 — составное число: %1 = %2.',
    'These multiply to %1, not %2.': 'Произведение этих чисел равно %1, а не %2.',
    'These multiply to far more than %1.': 'Произведение этих чисел намного больше %1.',
    '%1 is not a factor of %2.': '%1 — не делитель числа %2.',
    '%1 is a common factor, but not the highest.': '%1 — общий делитель, но не наибольший.',
    '%1 is not a multiple of %2.': '%1 не кратно %2.',
    '%1 is a common multiple, but not the lowest.': '%1 — общее кратное, но не наименьшее.',
    '%1 is not %2.': '%1 не равно %2.',
    '%1 is not prime: it has a factor other than 1 and itself.':
        '%1 — составное число: у него есть делитель, отличный от 1 и от самого числа.',
    '%1 = %2, not %3.': '%1 = %2, а не %3.',
    '%1 is far more than %2.': '%1 намного больше %2.',
    'Use numbers above 1.': 'Используйте числа больше 1.',
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Напишите «%1» или запишите %2 в виде произведения двух меньших чисел.',

    # The hints: division with a colon, the column with the divisors on the right.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3 (ост. %4)',
    '%1 | %2': '%2 | %1',
    'What remains: %1': 'Осталось: %1',
    'Try the primes up to √%1: %2': 'Попробуйте делить на простые числа до √%1: %2',
    'No prime is at most √%1.': 'Простых чисел, не больших √%1, нет.',
    '%1 = %2 x %3: %1 is not prime.': '%1 = %2 · %3: %1 — составное число.',

    # The score: one, few, many.
    'Question %1 of %2 · %n right first time': [
        'Задание %1 из %2 · %n верный ответ с первой попытки',
        'Задание %1 из %2 · %n верных ответа с первой попытки',
        'Задание %1 из %2 · %n верных ответов с первой попытки',
    ],
    'Round over: %n of %1 right first time in %2 min %3 s.':
        ['Раунд окончен: с первой попытки решено %n из %1 за %2 мин %3 с.'] * 3,
    'Round over: %n of %1 right first time in %2 s.':
        ['Раунд окончен: с первой попытки решено %n из %1 за %2 с.'] * 3,

    # The Practice window.
    'Question': 'Задание',
    '&Check': 'Про&верить',
    'Check': 'Проверить',
    '&Hint': '&Подсказка',
    'Hint': 'Подсказка',
    'Show &Working': 'Показать &решение',
    'Show Working': 'Показать решение',
    '&Next': '&Далее',
    'Next': 'Далее',
    'Feedback': 'Проверка ответа',
    'Practice – %1': 'Тренировка – %1',
    'Kind of question': 'Тип задания',
    'Prime factors': 'Простые множители',
    'HCF': 'НОД',
    'LCM': 'НОК',
    'Prime or not': 'Простое или составное',
    'Mixed': 'Вперемешку',
    'Level': 'Уровень',
    'Level %1': 'Уровень %1',
    'Answer': 'Ответ',
    'Hints': 'Подсказки',
    'Score': 'Результат',
    '&Kind:': '&Тип:',
    '&Level:': '&Уровень:',
    '&Answer:': '&Ответ:',

    # The working window's button and the main window's picture button.
    'Practise…': 'Тренировка…',
    'Practise': 'Тренировка',
    'FIND': 'НАЙТИ',
}
