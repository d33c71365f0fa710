# American English, as a teacher in the United States writes it: GCF (greatest
# common factor) and LCM (least common multiple), "Practice" as noun and verb,
# a remainder written "R", the ladder with the divisors on the left.
TEXTS = {
    # The command line.
    'Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.':
        'Opens the Practice window over the main window: questions on prime factors, the GCF, the LCM and primes, with hints from the working.',
    'With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.',
    'number': 'number',
    'The option --seed needs --practice.': 'The option --seed needs --practice.',
    "Invalid seed '%1': give a whole number from 0 to %2.": "Invalid seed '%1': give a whole number from 0 to %2.",

    # The questions.
    'prime': 'prime',
    'Write %1 as a product of prime factors.': 'Write %1 as a product of prime factors.',
    'Find the HCF of %1 and %2.': 'Find the GCF of %1 and %2.',
    'Find the HCF of %1, %2 and %3.': 'Find the GCF of %1, %2, and %3.',
    'Find the LCM of %1 and %2.': 'Find the LCM of %1 and %2.',
    'Find the LCM of %1, %2 and %3.': 'Find the LCM of %1, %2, and %3.',
    'Is %1 a prime number? If not, write it as a product of two smaller numbers.':
        'Is %1 a prime number? If not, write it as a product of two smaller numbers.',

    # The verdicts.
    'Right! %1': 'Right! %1',
    'Type your answer first.': 'Type your answer first.',
    'I can\'t read "%1".': 'I can\'t read "%1".',
    '"%1" is too big for this question.': '"%1" is too big for this question.',
    '1 is not a prime number.': '1 is not a prime number.',
    '%1 is not prime: %1 = %2.': '%1 is not prime: %1 = %2.',
    'These multiply to %1, not %2.': 'These multiply to %1, not %2.',
    'These multiply to far more than %1.': 'These multiply to far more than %1.',
    '%1 is not a factor of %2.': '%1 is not a factor of %2.',
    '%1 is a common factor, but not the highest.': '%1 is a common factor, but not the greatest.',
    '%1 is not a multiple of %2.': '%1 is not a multiple of %2.',
    '%1 is a common multiple, but not the lowest.': '%1 is a common multiple, but not the least.',
    '%1 is not %2.': '%1 is not %2.',
    '%1 is not prime: it has a factor other than 1 and itself.':
        '%1 is not prime: it has a factor other than 1 and itself.',
    '%1 = %2, not %3.': '%1 = %2, not %3.',
    '%1 is far more than %2.': '%1 is far more than %2.',
    'Use numbers above 1.': 'Use numbers greater than 1.',
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Write "%1", or write %2 as a product of two smaller numbers.',

    # The hints.
    '%1 ÷ %2 = %3': '%1 ÷ %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 ÷ %2 = %3 R%4',
    '%1 | %2': '%1 | %2',
    'What remains: %1': 'What remains: %1',
    'Try the primes up to √%1: %2': 'Try the primes up to √%1: %2',
    'No prime is at most √%1.': 'No prime is less than or equal to √%1.',
    '%1 = %2 x %3: %1 is not prime.': '%1 = %2 x %3: %1 is not prime.',

    # The score: one, more.
    'Question %1 of %2 · %n right first time': ['Question %1 of %2 · %n right on the first try'] * 2,
    'Round over: %n of %1 right first time in %2 min %3 s.':
        ['Round over: %n of %1 right on the first try in %2 min %3 s.'] * 2,
    'Round over: %n of %1 right first time in %2 s.':
        ['Round over: %n of %1 right on the first try in %2 s.'] * 2,

    # The Practice window.
    'Question': 'Question',
    '&Check': '&Check',
    'Check': 'Check',
    '&Hint': '&Hint',
    'Hint': 'Hint',
    'Show &Working': 'Show &Working',
    'Show Working': 'Show Working',
    '&Next': '&Next',
    'Next': 'Next',
    'Feedback': 'Feedback',
    'Practice – %1': 'Practice – %1',
    'Kind of question': 'Kind of question',
    'Prime factors': 'Prime factors',
    'HCF': 'GCF',
    'LCM': 'LCM',
    'Prime or not': 'Prime or not',
    'Mixed': 'Mixed',
    'Level': 'Level',
    'Level %1': 'Level %1',
    'Answer': 'Answer',
    'Hints': 'Hints',
    'Score': 'Score',
    '&Kind:': '&Kind:',
    '&Level:': '&Level:',
    '&Answer:': '&Answer:',

    # The working window's button; the FIND picture stays as drawn.
    'Practise…': 'Practice…',
    'Practise': 'Practice',
    'FIND': 'FIND',
}

# The worksheet, its dialog and --worksheet; the save dialog's additions; the
# pictures' captions: GCF for HCF, the serial comma. The Practice window's
# button takes R, as K is the Kind box's. The dialog's access keys:
# P G C O I S R L N E.
TEXTS.update({
    # The command line.
    'The option --%1 needs --worksheet.': 'The option --%1 needs --worksheet.',
    'The options --practice and --worksheet cannot be used together.':
        'The options --practice and --worksheet cannot be used together.',
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        "Cannot write '%1': the name must end in .pdf, .odt, or .txt.",
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, separated by commas.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        "Invalid level '%1': give a whole number from %2 to %3.",
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        "Invalid number of questions '%1': give a whole number from %2 to %3.",
    'With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.',
    'Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).':
        'Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt), or plain text (.txt).',
    'file': 'file',
    'With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).':
        'With --worksheet: the kinds of question, taken in turn, from factors, hcf, lcm, and prime, separated by commas (all four unless given).',
    'list': 'list',
    'With --worksheet: the level of the questions, 1 to 3 (1 unless given).':
        'With --worksheet: the level of the questions, 1 to 3 (1 unless given).',
    'With --worksheet: the number of questions, 1 to 60 (20 unless given).':
        'With --worksheet: the number of questions, 1 to 60 (20 unless given).',
    'With --worksheet: no factor trees or Venn diagrams beside the answers.':
        'With --worksheet: no factor trees or Venn diagrams next to the answers.',
    'The option --seed needs --practice or --worksheet.': 'The option --seed needs --practice or --worksheet.',
    "%1: Cannot write '%2': %3\n": "%1: Cannot write '%2': %3\n",
    'Wrote %1: 1 question, level %2, seed %3.\n': [
        'Wrote %1: %n question, level %2, seed %3.\n',
        'Wrote %1: %n questions, level %2, seed %3.\n'],
    'Wrote %1: %n questions, level %2, seed %3.\n': [
        'Wrote %1: %n question, level %2, seed %3.\n',
        'Wrote %1: %n questions, level %2, seed %3.\n'],

    # The pictures.
    '(continued)': '(continued)',
    'Primes between %1 and %2: %3': 'Primes between %1 and %2: %3',
    '%n primes': ['%n prime', '%n primes'],
    '%1 is taken as %2.': '%1 is taken as %2.',

    # The sheet.
    'Worksheet: prime factors, HCF and LCM': 'Worksheet: prime factors, GCF, and LCM',
    'Name:': 'Name:',
    'Date:': 'Date:',
    'Level %1 · seed %2': 'Level %1 · seed %2',
    'Level %1 · seed %2 · page %3 of %4': 'Level %1 · seed %2 · page %3 of %4',
    '%1.': '%1.',
    'Answers': 'Answers',
    '%1, not prime': '%1, not prime',

    # The Practice window's button.
    'Wor&ksheet…': 'Wo&rksheet…',
    'Worksheet': 'Worksheet',

    # The save dialog of the Working window.
    'JPEG picture (*.jpg *.jpeg)': 'JPEG picture (*.jpg *.jpeg)',
    'factors': 'factors',
    'hcf': 'gcf',
    'lcm': 'lcm',
    'primes': 'primes',
    'the name does not end in one of %1': 'the name does not end in one of %1',
    'there is no picture to save: save the steps as .pdf or .txt':
        'there is no picture to save: save the steps as .pdf or .txt',

    # The Worksheet dialog.
    '&Prime factors': '&Prime factors',
    '&HCF': '&GCF',
    'L&CM': 'L&CM',
    'Prime &or not': 'Prime &or not',
    'P&ictures in the answer key': 'P&ictures in the answer key',
    'WorksheetDialog|&Save…': '&Save…',
    'P&rint…': 'P&rint…',
    'Worksheet – %1': 'Worksheet – %1',
    'Preview of the first page': 'Preview of the first page',
    'Kinds of question': 'Kinds of question',
    'WorksheetDialog|&Level:': '&Level:',
    '&Number of questions:': '&Number of questions:',
    'S&eed:': 'S&eed:',
    'The seed is a whole number from 0 to 18446744073709551615.':
        'The seed is a whole number from 0 to 18446744073709551615.',
    'Choose at least one kind of question.': 'Choose at least one kind of question.',
    'Save Worksheet': 'Save Worksheet',
    'Cannot write %1: %2': 'Cannot write %1: %2',
    'WorksheetDialog|Printing is not available: %1': 'Printing is not available: %1',
    'WorksheetFile|PDF document (*.pdf)': 'PDF document (*.pdf)',
    'ODF text document (*.odt)': 'ODF text document (*.odt)',
    'WorksheetFile|Text (*.txt)': 'Text (*.txt)',
    'the name does not end in .pdf, .odt or .txt': 'the name does not end in .pdf, .odt, or .txt',
})
