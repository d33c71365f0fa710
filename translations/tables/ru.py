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

    # The hints: division with a colon; a row of the ladder as the Working window
    # draws it, the divisor on the left.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3 (ост. %4)',
    '%1 | %2': '%1 | %2',
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

# The worksheet (лист заданий), its dialog and --worksheet; the save dialog's
# additions; the pictures' captions. The kinds of question keep their English
# names on the command line. The dialog's access keys: М Д К Р И С П У Ч Н.
TEXTS.update({
    # The command line.
    'The option --%1 needs --worksheet.': 'Параметр --%1 действует только вместе с --worksheet.',
    'The options --practice and --worksheet cannot be used together.':
        'Параметры --practice и --worksheet нельзя использовать вместе.',
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        'Не удалось записать «%1»: имя должно оканчиваться на .pdf, .odt или .txt.',
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        'Неизвестные типы заданий «%1»: укажите один или несколько из factors, hcf, lcm, prime через запятую.',
    "Invalid level '%1': give a whole number from %2 to %3.":
        'Неверный уровень «%1»: укажите целое число от %2 до %3.',
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        'Неверное число заданий «%1»: укажите целое число от %2 до %3.',
    'With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'Вместе с --practice или --worksheet: задания строятся из начального числа <число> — целого числа от 0 до %1; одно и то же начальное число даёт одни и те же задания.',
    'Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).':
        'Записывает лист заданий с ответами в <файл>, не открывая окна: документ PDF (.pdf), текстовый документ ODF (.odt) или простой текст (.txt).',
    'file': 'файл',
    'With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).':
        'Вместе с --worksheet: типы заданий, которые идут по очереди, из factors, hcf, lcm и prime через запятую (по умолчанию все четыре).',
    'list': 'список',
    'With --worksheet: the level of the questions, 1 to 3 (1 unless given).':
        'Вместе с --worksheet: уровень заданий, от 1 до 3 (по умолчанию 1).',
    'With --worksheet: the number of questions, 1 to 60 (20 unless given).':
        'Вместе с --worksheet: число заданий, от 1 до 60 (по умолчанию 20).',
    'With --worksheet: no factor trees or Venn diagrams beside the answers.':
        'Вместе с --worksheet: без деревьев множителей и диаграмм Венна рядом с ответами.',
    'The option --seed needs --practice or --worksheet.':
        'Параметр --seed действует только вместе с --practice или --worksheet.',
    "%1: Cannot write '%2': %3\n": '%1: Не удалось записать «%2»: %3\n',
    'Wrote %1: 1 question, level %2, seed %3.\n': [
        'Записан файл %1: %n задание, уровень %2, начальное число %3.\n',
        'Записан файл %1: %n задания, уровень %2, начальное число %3.\n',
        'Записан файл %1: %n заданий, уровень %2, начальное число %3.\n'],
    'Wrote %1: %n questions, level %2, seed %3.\n': [
        'Записан файл %1: %n задание, уровень %2, начальное число %3.\n',
        'Записан файл %1: %n задания, уровень %2, начальное число %3.\n',
        'Записан файл %1: %n заданий, уровень %2, начальное число %3.\n'],

    # The pictures.
    '(continued)': '(продолжение)',
    'Primes between %1 and %2: %3': 'Простые числа от %1 до %2: %3',
    '%n primes': ['%n простое число', '%n простых числа', '%n простых чисел'],
    '%1 is taken as %2.': 'Вместо %1 берём %2.',

    # The sheet.
    'Worksheet: prime factors, HCF and LCM': 'Лист заданий: разложение на простые множители, НОД и НОК',
    'Name:': 'Фамилия, имя:',
    'Date:': 'Дата:',
    'Level %1 · seed %2': 'Уровень %1 · начальное число %2',
    'Level %1 · seed %2 · page %3 of %4': 'Уровень %1 · начальное число %2 · страница %3 из %4',
    '%1.': '%1.',
    'Answers': 'Ответы',
    '%1, not prime': '%1 — составное число',

    # The Practice window's button.
    'Wor&ksheet…': '&Лист заданий…',
    'Worksheet': 'Лист заданий',

    # The save dialog of the Working window.
    'JPEG picture (*.jpg *.jpeg)': 'Изображение JPEG (*.jpg *.jpeg)',
    'factors': 'множители',
    'hcf': 'нод',
    'lcm': 'нок',
    'primes': 'простые',
    'the name does not end in one of %1': 'имя не оканчивается ни на одно из расширений %1',
    'there is no picture to save: save the steps as .pdf or .txt':
        'рисунка для сохранения нет: сохраните шаги как .pdf или .txt',

    # The Worksheet dialog.
    '&Prime factors': 'Простые &множители',
    '&HCF': 'НО&Д',
    'L&CM': 'НО&К',
    'Prime &or not': 'П&ростое или составное',
    'P&ictures in the answer key': 'Р&исунки в ответах',
    'WorksheetDialog|&Save…': '&Сохранить…',
    'P&rint…': '&Печать…',
    'Worksheet – %1': 'Лист заданий – %1',
    'Preview of the first page': 'Просмотр первой страницы',
    'Kinds of question': 'Типы заданий',
    'WorksheetDialog|&Level:': '&Уровень:',
    '&Number of questions:': '&Число заданий:',
    'S&eed:': '&Начальное число:',
    'The seed is a whole number from 0 to 18446744073709551615.':
        'Начальное число — целое число от 0 до 18446744073709551615.',
    'Choose at least one kind of question.': 'Выберите хотя бы один тип заданий.',
    'Save Worksheet': 'Сохранить лист заданий',
    'Cannot write %1: %2': 'Не удалось записать %1: %2',
    'WorksheetDialog|Printing is not available: %1': 'Печать недоступна: %1',
    'WorksheetFile|PDF document (*.pdf)': 'Документ PDF (*.pdf)',
    'ODF text document (*.odt)': 'Текстовый документ ODF (*.odt)',
    'WorksheetFile|Text (*.txt)': 'Текст (*.txt)',
    'the name does not end in .pdf, .odt or .txt': 'имя не оканчивается на .pdf, .odt или .txt',
})
