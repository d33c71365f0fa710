# Italian: the practice window's texts, the command line's --practice/--seed
# and the FIND word. MCD/mcm, " x " as the working writes it, tu.

TEXTS = {
    # Command line
    "Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.":
        "Apre la finestra degli esercizi sopra la finestra principale: domande su fattori primi, MCD, mcm e numeri primi, con suggerimenti tratti dal procedimento.",
    "With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Con --practice: comincia le domande dal seme <numero>, un numero intero da 0 a %1; lo stesso seme dà le stesse domande.",
    "number": "numero",
    "The option --seed needs --practice.": "L'opzione --seed funziona solo insieme a --practice.",
    "Invalid seed '%1': give a whole number from 0 to %2.":
        "Seme «%1» non valido: scrivi un numero intero da 0 a %2.",

    # Questions
    "prime": "primo",
    "Write %1 as a product of prime factors.": "Scomponi %1 in fattori primi.",
    "Find the HCF of %1 and %2.": "Calcola il MCD di %1 e %2.",
    "Find the HCF of %1, %2 and %3.": "Calcola il MCD di %1, %2 e %3.",
    "Find the LCM of %1 and %2.": "Calcola il mcm di %1 e %2.",
    "Find the LCM of %1, %2 and %3.": "Calcola il mcm di %1, %2 e %3.",
    "Is %1 a prime number? If not, write it as a product of two smaller numbers.":
        "%1 è un numero primo? Se non lo è, scrivilo come prodotto di due numeri più piccoli.",

    # Verdicts
    "Right! %1": "Esatto! %1",
    "Type your answer first.": "Prima scrivi la tua risposta.",
    'I can\'t read "%1".': 'Non capisco "%1".',
    '"%1" is too big for this question.': '"%1" è troppo grande per questa domanda.',
    "1 is not a prime number.": "1 non è un numero primo.",
    "%1 is not prime: %1 = %2.": "%1 non è primo: %1 = %2.",
    "These multiply to %1, not %2.": "Il prodotto di questi numeri è %1, non %2.",
    "These multiply to far more than %1.": "Il prodotto di questi numeri è molto più grande di %1.",
    "%1 is not a factor of %2.": "%1 non è un divisore di %2.",
    "%1 is a common factor, but not the highest.": "%1 è un divisore comune, ma non il massimo.",
    "%1 is not a multiple of %2.": "%1 non è un multiplo di %2.",
    "%1 is a common multiple, but not the lowest.": "%1 è un multiplo comune, ma non il minimo.",
    "%1 is not %2.": "%1 non fa %2.",
    "%1 is not prime: it has a factor other than 1 and itself.":
        "%1 non è primo: ha un divisore diverso da 1 e da se stesso.",
    "%1 = %2, not %3.": "%1 = %2, non %3.",
    "%1 is far more than %2.": "%1 è molto più grande di %2.",
    "Use numbers above 1.": "Usa numeri maggiori di 1.",
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Scrivi "%1" oppure scrivi %2 come prodotto di due numeri più piccoli.',

    # Hints
    "%1 ÷ %2 = %3": "%1 : %2 = %3",
    "%1 ÷ %2 = %3 r %4": "%1 = %2 x %3 + %4",
    "%1 | %2": "%2 | %1",
    "What remains: %1": "Rimangono: %1",
    "Try the primes up to √%1: %2": "Prova i numeri primi fino a √%1: %2",
    "No prime is at most √%1.": "Nessun numero primo è minore o uguale a √%1.",
    "%1 = %2 x %3: %1 is not prime.": "%1 = %2 x %3: %1 non è primo.",

    # Score
    "Question %1 of %2 · %n right first time": [
        "Domanda %1 di %2 · %n giusta al primo colpo",
        "Domanda %1 di %2 · %n giuste al primo colpo",
    ],
    "Round over: %n of %1 right first time in %2 min %3 s.": [
        "Serie finita: %n su %1 giusta al primo colpo, in %2 min %3 s.",
        "Serie finita: %n su %1 giuste al primo colpo, in %2 min %3 s.",
    ],
    "Round over: %n of %1 right first time in %2 s.": [
        "Serie finita: %n su %1 giusta al primo colpo, in %2 s.",
        "Serie finita: %n su %1 giuste al primo colpo, in %2 s.",
    ],

    # The practice window
    "Question": "Domanda",
    "&Check": "&Verifica",
    "Check": "Verifica",
    "&Hint": "&Suggerimento",
    "Hint": "Suggerimento",
    "Show &Working": "Mostra il &procedimento",
    "Show Working": "Mostra il procedimento",
    "&Next": "&Avanti",
    "Next": "Avanti",
    "Feedback": "Correzione",
    "Practice – %1": "Esercizi – %1",
    "Kind of question": "Tipo di domanda",
    "Prime factors": "Fattori primi",
    "HCF": "MCD",
    "LCM": "mcm",
    "Prime or not": "Primo o no",
    "Mixed": "Misti",
    "Level": "Livello",
    "Level %1": "Livello %1",
    "Answer": "Risposta",
    "Hints": "Suggerimenti",
    "Score": "Punteggio",
    "&Kind:": "&Tipo:",
    "&Level:": "&Livello:",
    "&Answer:": "&Risposta:",
    "Practise…": "Esercitati…",
    "Practise": "Esercitati",
    "FIND": "TROVA",
}
