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

    # The hints: division with a colon; a row of the ladder as the Working window
    # draws it, the divisor on the left.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3 rest %4',
    '%1 | %2': '%1 | %2',
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

# The worksheet (werkblad), its dialog and --worksheet; the save dialog's
# additions; the pictures' captions. The kinds of question keep their English
# names on the command line. The dialog's access keys: P G K R T O D N A S.
TEXTS.update({
    # The command line.
    'The option --%1 needs --worksheet.': 'De optie --%1 werkt alleen samen met --worksheet.',
    'The options --practice and --worksheet cannot be used together.':
        'De opties --practice en --worksheet kunnen niet samen worden gebruikt.',
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        'Kan ‘%1’ niet opslaan: de naam moet eindigen op .pdf, .odt of .txt.',
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        "Onbekende soorten ‘%1’: geef een of meer van factors, hcf, lcm, prime, gescheiden door komma's.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        'Ongeldig niveau ‘%1’: geef een geheel getal van %2 tot en met %3.',
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        'Ongeldig aantal opgaven ‘%1’: geef een geheel getal van %2 tot en met %3.',
    'With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'Met --practice of --worksheet: maakt de opgaven uit de startwaarde <getal>, een geheel getal van 0 tot en met %1; dezelfde startwaarde geeft dezelfde opgaven.',
    'Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).':
        'Slaat een werkblad met opgaven en de antwoorden op in <bestand>, zonder venster: een PDF-document (.pdf), een ODF-tekstdocument (.odt) of platte tekst (.txt).',
    'file': 'bestand',
    'With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).':
        "Met --worksheet: de soorten opgaven, om de beurt, uit factors, hcf, lcm en prime, gescheiden door komma's (zonder deze optie alle vier).",
    'list': 'lijst',
    'With --worksheet: the level of the questions, 1 to 3 (1 unless given).':
        'Met --worksheet: het niveau van de opgaven, 1 tot en met 3 (zonder deze optie 1).',
    'With --worksheet: the number of questions, 1 to 60 (20 unless given).':
        'Met --worksheet: het aantal opgaven, 1 tot en met 60 (zonder deze optie 20).',
    'With --worksheet: no factor trees or Venn diagrams beside the answers.':
        'Met --worksheet: geen factorbomen of Venndiagrammen naast de antwoorden.',
    'The option --seed needs --practice or --worksheet.':
        'De optie --seed werkt alleen samen met --practice of --worksheet.',
    "%1: Cannot write '%2': %3\n": '%1: Kan ‘%2’ niet opslaan: %3\n',
    'Wrote %1: 1 question, level %2, seed %3.\n': [
        '%1 opgeslagen: %n opgave, niveau %2, startwaarde %3.\n',
        '%1 opgeslagen: %n opgaven, niveau %2, startwaarde %3.\n'],
    'Wrote %1: %n questions, level %2, seed %3.\n': [
        '%1 opgeslagen: %n opgave, niveau %2, startwaarde %3.\n',
        '%1 opgeslagen: %n opgaven, niveau %2, startwaarde %3.\n'],

    # The pictures.
    '(continued)': '(vervolg)',
    'Primes between %1 and %2: %3': 'Priemgetallen tussen %1 en %2: %3',
    '%n primes': ['%n priemgetal', '%n priemgetallen'],
    '%1 is taken as %2.': 'In plaats van %1 rekenen we met %2.',

    # The sheet.
    'Worksheet: prime factors, HCF and LCM': 'Werkblad: priemfactoren, GGD en KGV',
    'Name:': 'Naam:',
    'Date:': 'Datum:',
    'Level %1 · seed %2': 'Niveau %1 · startwaarde %2',
    'Level %1 · seed %2 · page %3 of %4': 'Niveau %1 · startwaarde %2 · pagina %3 van %4',
    '%1.': '%1.',
    'Answers': 'Antwoorden',
    '%1, not prime': '%1, geen priemgetal',

    # The Practice window's button.
    'Wor&ksheet…': '&Werkblad…',
    'Worksheet': 'Werkblad',

    # The save dialog of the Working window.
    'JPEG picture (*.jpg *.jpeg)': 'JPEG-afbeelding (*.jpg *.jpeg)',
    'factors': 'factoren',
    'hcf': 'ggd',
    'lcm': 'kgv',
    'primes': 'priemgetallen',
    'the name does not end in one of %1': 'de naam eindigt niet op een van %1',
    'there is no picture to save: save the steps as .pdf or .txt':
        'er is geen tekening om op te slaan: sla de stappen op als .pdf of .txt',

    # The Worksheet dialog.
    '&Prime factors': '&Priemfactoren',
    '&HCF': '&GGD',
    'L&CM': '&KGV',
    'Prime &or not': 'P&riemgetal of niet',
    'P&ictures in the answer key': '&Tekeningen bij de antwoorden',
    'WorksheetDialog|&Save…': '&Opslaan…',
    'P&rint…': 'Af&drukken…',
    'Worksheet – %1': 'Werkblad – %1',
    'Preview of the first page': 'Voorbeeld van de eerste pagina',
    'Kinds of question': 'Soorten opgaven',
    'WorksheetDialog|&Level:': '&Niveau:',
    '&Number of questions:': '&Aantal opgaven:',
    'S&eed:': '&Startwaarde:',
    'The seed is a whole number from 0 to 18446744073709551615.':
        'De startwaarde is een geheel getal van 0 tot en met 18446744073709551615.',
    'Choose at least one kind of question.': 'Kies minstens één soort opgave.',
    'Save Worksheet': 'Werkblad opslaan',
    'Cannot write %1: %2': 'Kan %1 niet opslaan: %2',
    'WorksheetDialog|Printing is not available: %1': 'Afdrukken is niet beschikbaar: %1',
    'WorksheetFile|PDF document (*.pdf)': 'PDF-document (*.pdf)',
    'ODF text document (*.odt)': 'ODF-tekstdocument (*.odt)',
    'WorksheetFile|Text (*.txt)': 'Tekst (*.txt)',
    'the name does not end in .pdf, .odt or .txt': 'de naam eindigt niet op .pdf, .odt of .txt',
})
