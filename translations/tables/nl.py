# Dutch, as a teacher in the Netherlands writes it for pupils: GGD and KGV,
# priemfactoren, deler and veelvoud; the times sign x, division with a colon
# and "rest", the quotation marks ‘ ’, and the pupil addressed as "je"; buttons
# in the infinitive.
TEXTS = {
    # The command line.
    'Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.':
        'Opent het oefenvenster boven het hoofdvenster: opgaven over priemfactoren, de GGD, het KGV en priemgetallen, met tips uit de uitwerking.',
    'With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'Met --practice: maakt de opgaven uit de startwaarde <getal>, een geheel getal van 0 tot en met %1; dezelfde startwaarde geeft dezelfde opgaven.',
    'number': 'getal',
    'The option --seed needs --practice.': 'De optie --seed werkt alleen samen met --practice.',
    "Invalid seed '%1': give a whole number from 0 to %2.": 'Ongeldige startwaarde ‘%1’: geef een geheel getal van 0 tot en met %2.',

    # The questions.
    'prime': 'priemgetal',
    'Write %1 as a product of prime factors.': 'Ontbind %1 in priemfactoren.',
    'Find the HCF of %1 and %2.': 'Bereken de GGD van %1 en %2.',
    'Find the HCF of %1, %2 and %3.': 'Bereken de GGD van %1, %2 en %3.',
    'Find the LCM of %1 and %2.': 'Bereken het KGV van %1 en %2.',
    'Find the LCM of %1, %2 and %3.': 'Bereken het KGV van %1, %2 en %3.',
    'Is %1 a prime number? If not, write it as a product of two smaller numbers.':
        'Is %1 een priemgetal? Zo niet, schrijf het dan als product van twee kleinere getallen.',

    # The verdicts.
    'Right! %1': 'Goed zo! %1',
    'Type your answer first.': 'Typ eerst je antwoord.',
    'I can\'t read "%1".': 'Ik kan ‘%1’ niet lezen.',
    '"%1" is too big for this question.': '‘%1’ is te groot voor deze opgave.',
    '1 is not a prime number.': '1 is geen priemgetal.',
    '%1 is not prime: %1 = %2.': '%1 is geen priemgetal: %1 = %2.',
    'These multiply to %1, not %2.': 'Het product van deze getallen is %1, niet %2.',
    'These multiply to far more than %1.': 'Het product van deze getallen is veel groter dan %1.',
    '%1 is not a factor of %2.': '%1 is geen deler van %2.',
    '%1 is a common factor, but not the highest.': '%1 is een gemeenschappelijke deler, maar niet de grootste.',
    '%1 is not a multiple of %2.': '%1 is geen veelvoud van %2.',
    '%1 is a common multiple, but not the lowest.': '%1 is een gemeenschappelijk veelvoud, maar niet het kleinste.',
    '%1 is not %2.': '%1 is niet gelijk aan %2.',
    '%1 is not prime: it has a factor other than 1 and itself.':
        '%1 is geen priemgetal: het heeft nog een andere deler dan 1 en zichzelf.',
    '%1 = %2, not %3.': '%1 = %2, niet %3.',
    '%1 is far more than %2.': '%1 is veel groter dan %2.',
    'Use numbers above 1.': 'Gebruik getallen groter dan 1.',
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Schrijf ‘%1’, of schrijf %2 als product van twee kleinere getallen.',

    # The hints: division with a colon, the ladder with the divisors on the right.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3 rest %4',
    '%1 | %2': '%2 | %1',
    'What remains: %1': 'Wat overblijft: %1',
    'Try the primes up to √%1: %2': 'Probeer de priemgetallen tot en met √%1: %2',
    'No prime is at most √%1.': 'Er is geen priemgetal kleiner dan of gelijk aan √%1.',
    '%1 = %2 x %3: %1 is not prime.': '%1 = %2 x %3: %1 is geen priemgetal.',

    # The score: one, more.
    'Question %1 of %2 · %n right first time': ['Opgave %1 van %2 · %n in één keer goed'] * 2,
    'Round over: %n of %1 right first time in %2 min %3 s.':
        ['De ronde is klaar: %n van de %1 in één keer goed, in %2 min %3 s.'] * 2,
    'Round over: %n of %1 right first time in %2 s.':
        ['De ronde is klaar: %n van de %1 in één keer goed, in %2 s.'] * 2,

    # The Practice window.
    'Question': 'Opgave',
    '&Check': 'Na&kijken',
    'Check': 'Nakijken',
    '&Hint': '&Tip',
    'Hint': 'Tip',
    'Show &Working': '&Uitwerking tonen',
    'Show Working': 'Uitwerking tonen',
    '&Next': '&Volgende',
    'Next': 'Volgende',
    'Feedback': 'Terugkoppeling',
    'Practice – %1': 'Oefenen – %1',
    'Kind of question': 'Soort opgave',
    'Prime factors': 'Priemfactoren',
    'HCF': 'GGD',
    'LCM': 'KGV',
    'Prime or not': 'Priemgetal of niet',
    'Mixed': 'Gemengd',
    'Level': 'Niveau',
    'Level %1': 'Niveau %1',
    'Answer': 'Antwoord',
    'Hints': 'Tips',
    'Score': 'Score',
    '&Kind:': '&Soort:',
    '&Level:': '&Niveau:',
    '&Answer:': '&Antwoord:',

    # The working window's button and the main window's picture button.
    'Practise…': 'Oefenen…',
    'Practise': 'Oefenen',
    'FIND': 'ZOEK',
}
