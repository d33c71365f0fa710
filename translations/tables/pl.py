# Polish, as a teacher in Poland writes it for pupils: NWD and NWW, czynniki
# pierwsze, liczba złożona, dzielnik and wielokrotność; the times sign ·,
# division with a colon and "r." for the remainder, the quotation marks „ ”,
# and the pupil addressed as "ty" ("Oblicz", "Rozłóż").
TEXTS = {
    # The command line.
    'Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.':
        'Otwiera okno ćwiczeń nad oknem głównym: zadania z rozkładu na czynniki pierwsze, NWD, NWW i liczb pierwszych, ze wskazówkami z rozwiązania.',
    'With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'Razem z --practice: układa zadania z ziarna <liczba>, liczby całkowitej od 0 do %1; to samo ziarno daje te same zadania.',
    'number': 'liczba',
    'The option --seed needs --practice.': 'Opcja --seed działa tylko razem z --practice.',
    "Invalid seed '%1': give a whole number from 0 to %2.": 'Nieprawidłowe ziarno „%1”: podaj liczbę całkowitą od 0 do %2.',

    # The questions.
    'prime': 'pierwsza',
    'Write %1 as a product of prime factors.': 'Rozłóż liczbę %1 na czynniki pierwsze.',
    'Find the HCF of %1 and %2.': 'Oblicz NWD liczb %1 i %2.',
    'Find the HCF of %1, %2 and %3.': 'Oblicz NWD liczb %1, %2 i %3.',
    'Find the LCM of %1 and %2.': 'Oblicz NWW liczb %1 i %2.',
    'Find the LCM of %1, %2 and %3.': 'Oblicz NWW liczb %1, %2 i %3.',
    'Is %1 a prime number? If not, write it as a product of two smaller numbers.':
        'Czy %1 jest liczbą pierwszą? Jeśli nie, zapisz ją jako iloczyn dwóch mniejszych liczb.',

    # The verdicts.
    'Right! %1': 'Dobrze! %1',
    'Type your answer first.': 'Najpierw wpisz odpowiedź.',
    'I can\'t read "%1".': 'Nie rozumiem zapisu „%1”.',
    '"%1" is too big for this question.': 'Liczba „%1” jest za duża jak na to zadanie.',
    '1 is not a prime number.': '1 nie jest liczbą pierwszą.',
    '%1 is not prime: %1 = %2.': '%1 nie jest liczbą pierwszą: %1 = %2.',
    'These multiply to %1, not %2.': 'Iloczyn tych liczb to %1, a nie %2.',
    'These multiply to far more than %1.': 'Iloczyn tych liczb jest dużo większy niż %1.',
    '%1 is not a factor of %2.': '%1 nie jest dzielnikiem liczby %2.',
    '%1 is a common factor, but not the highest.': '%1 jest wspólnym dzielnikiem, ale nie największym.',
    '%1 is not a multiple of %2.': '%1 nie jest wielokrotnością liczby %2.',
    '%1 is a common multiple, but not the lowest.': '%1 jest wspólną wielokrotnością, ale nie najmniejszą.',
    '%1 is not %2.': '%1 nie równa się %2.',
    '%1 is not prime: it has a factor other than 1 and itself.':
        '%1 jest liczbą złożoną: ma dzielnik różny od 1 i od samej siebie.',
    '%1 = %2, not %3.': '%1 = %2, a nie %3.',
    '%1 is far more than %2.': '%1 to dużo więcej niż %2.',
    'Use numbers above 1.': 'Użyj liczb większych od 1.',
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Napisz „%1” albo zapisz %2 jako iloczyn dwóch mniejszych liczb.',

    # The hints: division with a colon; a row of the ladder as the Working window
    # draws it, the divisor on the left.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3 r. %4',
    '%1 | %2': '%1 | %2',
    'What remains: %1': 'Zostaje: %1',
    'Try the primes up to √%1: %2': 'Sprawdź dzielenie przez liczby pierwsze do √%1: %2',
    'No prime is at most √%1.': 'Nie ma liczb pierwszych nie większych niż √%1.',
    '%1 = %2 x %3: %1 is not prime.': '%1 = %2 · %3: %1 nie jest liczbą pierwszą.',

    # The score: one, few, many.
    'Question %1 of %2 · %n right first time': [
        'Zadanie %1 z %2 · %n dobra odpowiedź za pierwszym razem',
        'Zadanie %1 z %2 · %n dobre odpowiedzi za pierwszym razem',
        'Zadanie %1 z %2 · %n dobrych odpowiedzi za pierwszym razem',
    ],
    'Round over: %n of %1 right first time in %2 min %3 s.':
        ['Koniec rundy: za pierwszym razem dobrze %n z %1, czas %2 min %3 s.'] * 3,
    'Round over: %n of %1 right first time in %2 s.':
        ['Koniec rundy: za pierwszym razem dobrze %n z %1, czas %2 s.'] * 3,

    # The Practice window.
    'Question': 'Zadanie',
    '&Check': '&Sprawdź',
    'Check': 'Sprawdź',
    '&Hint': '&Wskazówka',
    'Hint': 'Wskazówka',
    'Show &Working': 'Pokaż &rozwiązanie',
    'Show Working': 'Pokaż rozwiązanie',
    '&Next': '&Dalej',
    'Next': 'Dalej',
    'Feedback': 'Ocena odpowiedzi',
    'Practice – %1': 'Ćwiczenia – %1',
    'Kind of question': 'Typ zadania',
    'Prime factors': 'Czynniki pierwsze',
    'HCF': 'NWD',
    'LCM': 'NWW',
    'Prime or not': 'Pierwsza czy złożona',
    'Mixed': 'Mieszane',
    'Level': 'Poziom',
    'Level %1': 'Poziom %1',
    'Answer': 'Odpowiedź',
    'Hints': 'Wskazówki',
    'Score': 'Wynik',
    '&Kind:': '&Typ:',
    '&Level:': '&Poziom:',
    '&Answer:': '&Odpowiedź:',

    # The working window's button and the main window's picture button.
    'Practise…': 'Ćwicz…',
    'Practise': 'Ćwicz',
    'FIND': 'SZUKAJ',
}

# The worksheet (karta pracy), its dialog and --worksheet; the save dialog's
# additions; the pictures' captions. The kinds of question keep their English
# names on the command line. The dialog's access keys: C N W S R Z D P L A.
TEXTS.update({
    # The command line.
    'The option --%1 needs --worksheet.': 'Opcja --%1 działa tylko razem z --worksheet.',
    'The options --practice and --worksheet cannot be used together.':
        'Opcji --practice i --worksheet nie można używać razem.',
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        'Nie można zapisać „%1”: nazwa musi kończyć się na .pdf, .odt lub .txt.',
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        'Nieznane typy zadań „%1”: podaj co najmniej jeden z typów factors, hcf, lcm, prime, oddzielone przecinkami.',
    "Invalid level '%1': give a whole number from %2 to %3.":
        'Nieprawidłowy poziom „%1”: podaj liczbę całkowitą od %2 do %3.',
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        'Nieprawidłowa liczba zadań „%1”: podaj liczbę całkowitą od %2 do %3.',
    'With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.':
        'Razem z --practice lub --worksheet: układa zadania z ziarna <liczba>, liczby całkowitej od 0 do %1; to samo ziarno daje te same zadania.',
    'Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).':
        'Zapisuje kartę pracy z zadaniami i odpowiedziami do pliku <plik>, bez otwierania okna: jako dokument PDF (.pdf), dokument tekstowy ODF (.odt) lub zwykły tekst (.txt).',
    'file': 'plik',
    'With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).':
        'Razem z --worksheet: typy zadań, losowane na zmianę, spośród factors, hcf, lcm i prime, oddzielone przecinkami (domyślnie wszystkie cztery).',
    'list': 'lista',
    'With --worksheet: the level of the questions, 1 to 3 (1 unless given).':
        'Razem z --worksheet: poziom zadań, od 1 do 3 (domyślnie 1).',
    'With --worksheet: the number of questions, 1 to 60 (20 unless given).':
        'Razem z --worksheet: liczba zadań, od 1 do 60 (domyślnie 20).',
    'With --worksheet: no factor trees or Venn diagrams beside the answers.':
        'Razem z --worksheet: bez drzew czynników i diagramów Venna przy odpowiedziach.',
    'The option --seed needs --practice or --worksheet.': 'Opcja --seed działa tylko razem z --practice lub --worksheet.',
    "%1: Cannot write '%2': %3\n": '%1: Nie można zapisać „%2”: %3\n',
    'Wrote %1: 1 question, level %2, seed %3.\n': [
        'Zapisano %1: %n zadanie, poziom %2, ziarno %3.\n',
        'Zapisano %1: %n zadania, poziom %2, ziarno %3.\n',
        'Zapisano %1: %n zadań, poziom %2, ziarno %3.\n'],
    'Wrote %1: %n questions, level %2, seed %3.\n': [
        'Zapisano %1: %n zadanie, poziom %2, ziarno %3.\n',
        'Zapisano %1: %n zadania, poziom %2, ziarno %3.\n',
        'Zapisano %1: %n zadań, poziom %2, ziarno %3.\n'],

    # The pictures.
    '(continued)': '(ciąg dalszy)',
    'Primes between %1 and %2: %3': 'Liczby pierwsze między %1 a %2: %3',
    '%n primes': ['%n liczba pierwsza', '%n liczby pierwsze', '%n liczb pierwszych'],
    '%1 is taken as %2.': 'Zamiast %1 bierzemy %2.',

    # The sheet.
    'Worksheet: prime factors, HCF and LCM': 'Karta pracy: rozkład na czynniki pierwsze, NWD i NWW',
    'Name:': 'Imię i nazwisko:',
    'Date:': 'Data:',
    'Level %1 · seed %2': 'Poziom %1 · ziarno %2',
    'Level %1 · seed %2 · page %3 of %4': 'Poziom %1 · ziarno %2 · strona %3 z %4',
    '%1.': '%1.',
    'Answers': 'Odpowiedzi',
    '%1, not prime': '%1 – liczba złożona',

    # The Practice window's button.
    'Wor&ksheet…': '&Karta pracy…',
    'Worksheet': 'Karta pracy',

    # The save dialog of the Working window.
    'JPEG picture (*.jpg *.jpeg)': 'Obraz JPEG (*.jpg *.jpeg)',
    'factors': 'czynniki',
    'hcf': 'nwd',
    'lcm': 'nww',
    'primes': 'pierwsze',
    'the name does not end in one of %1': 'nazwa nie ma żadnego z rozszerzeń %1',
    'there is no picture to save: save the steps as .pdf or .txt':
        'nie ma rysunku do zapisania: zapisz kroki jako .pdf lub .txt',

    # The Worksheet dialog.
    '&Prime factors': '&Czynniki pierwsze',
    '&HCF': '&NWD',
    'L&CM': 'NW&W',
    'Prime &or not': 'Pierw&sza czy złożona',
    'P&ictures in the answer key': '&Rysunki w odpowiedziach',
    'WorksheetDialog|&Save…': '&Zapisz…',
    'P&rint…': '&Drukuj…',
    'Worksheet – %1': 'Karta pracy – %1',
    'Preview of the first page': 'Podgląd pierwszej strony',
    'Kinds of question': 'Typy zadań',
    'WorksheetDialog|&Level:': '&Poziom:',
    '&Number of questions:': '&Liczba zadań:',
    'S&eed:': 'Zi&arno:',
    'The seed is a whole number from 0 to 18446744073709551615.':
        'Ziarno to liczba całkowita od 0 do 18446744073709551615.',
    'Choose at least one kind of question.': 'Wybierz co najmniej jeden typ zadań.',
    'Save Worksheet': 'Zapisz kartę pracy',
    'Cannot write %1: %2': 'Nie można zapisać pliku %1: %2',
    'WorksheetDialog|Printing is not available: %1': 'Drukowanie jest niedostępne: %1',
    'WorksheetFile|PDF document (*.pdf)': 'Dokument PDF (*.pdf)',
    'ODF text document (*.odt)': 'Dokument tekstowy ODF (*.odt)',
    'WorksheetFile|Text (*.txt)': 'Tekst (*.txt)',
    'the name does not end in .pdf, .odt or .txt': 'nazwa nie kończy się na .pdf, .odt ani .txt',
})
