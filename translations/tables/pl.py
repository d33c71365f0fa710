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

    # The hints: division with a colon, the column with the divisors on the right.
    '%1 ÷ %2 = %3': '%1 : %2 = %3',
    '%1 ÷ %2 = %3 r %4': '%1 : %2 = %3 r. %4',
    '%1 | %2': '%2 | %1',
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
