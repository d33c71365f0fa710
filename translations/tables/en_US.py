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
