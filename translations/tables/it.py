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
    "%1 | %2": "%1 | %2",
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

# Worksheets, the save dialog's JPEG and file names, and the pictures' captions.
TEXTS |= {
    # Command line
    "The option --%1 needs --worksheet.": "L'opzione --%1 funziona solo insieme a --worksheet.",
    "The options --practice and --worksheet cannot be used together.":
        "Le opzioni --practice e --worksheet non si possono usare insieme.",
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        "Impossibile scrivere «%1»: il nome deve terminare con .pdf, .odt o .txt.",
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        "Tipi sconosciuti «%1»: scrivi uno o più tipi tra factors, hcf, lcm, prime, separati da virgole.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        "Livello «%1» non valido: scrivi un numero intero da %2 a %3.",
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        "Numero di domande «%1» non valido: scrivi un numero intero da %2 a %3.",
    "With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Con --practice o --worksheet: comincia le domande dal seme <numero>, un numero intero da 0 a %1; lo stesso seme dà le stesse domande.",
    "Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).":
        "Scrive in <file> una scheda di esercizi con le soluzioni, senza aprire finestre: un documento PDF (.pdf), un documento di testo ODF (.odt) o testo semplice (.txt).",
    "file": "file",
    "With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).":
        "Con --worksheet: i tipi di domanda, a turno, tra factors, hcf, lcm e prime, separati da virgole (tutti e quattro se non indicati).",
    "list": "elenco",
    "With --worksheet: the level of the questions, 1 to 3 (1 unless given).":
        "Con --worksheet: il livello delle domande, da 1 a 3 (1 se non indicato).",
    "With --worksheet: the number of questions, 1 to 60 (20 unless given).":
        "Con --worksheet: il numero di domande, da 1 a 60 (20 se non indicato).",
    "With --worksheet: no factor trees or Venn diagrams beside the answers.":
        "Con --worksheet: niente alberi dei fattori né diagrammi di Venn accanto alle soluzioni.",
    "The option --seed needs --practice or --worksheet.": "L'opzione --seed funziona solo insieme a --practice o --worksheet.",
    "%1: Cannot write '%2': %3\n": "%1: impossibile scrivere «%2»: %3\n",
    "Wrote %1: 1 question, level %2, seed %3.\n": [
        "Scritto il file %1: %n domanda, livello %2, seme %3.\n",
        "Scritto il file %1: %n domande, livello %2, seme %3.\n",
    ],
    "Wrote %1: %n questions, level %2, seed %3.\n": [
        "Scritto il file %1: %n domanda, livello %2, seme %3.\n",
        "Scritto il file %1: %n domande, livello %2, seme %3.\n",
    ],

    # Pictures and worksheets
    "(continued)": "(continua)",
    "Primes between %1 and %2: %3": "Numeri primi tra %1 e %2: %3",
    "%n primes": ["%n numero primo", "%n numeri primi"],
    "%1 is taken as %2.": "Al posto di %1 si usa %2.",
    "Worksheet: prime factors, HCF and LCM": "Scheda di esercizi: fattori primi, MCD e mcm",
    "Name:": "Nome:",
    "Date:": "Data:",
    "Level %1 · seed %2": "Livello %1 · seme %2",
    "Level %1 · seed %2 · page %3 of %4": "Livello %1 · seme %2 · pagina %3 di %4",
    "%1.": "%1.",
    "Answers": "Soluzioni",
    "%1, not prime": "%1, non è primo",

    # The practice window
    "Wor&ksheet…": "S&cheda di esercizi…",
    "Worksheet": "Scheda di esercizi",

    # Saving the working
    "JPEG picture (*.jpg *.jpeg)": "Immagine JPEG (*.jpg *.jpeg)",
    "factors": "fattori",
    "hcf": "mcd",
    "lcm": "mcm",
    "primes": "primi",
    "the name does not end in one of %1": "il nome non termina con nessuna di queste estensioni: %1",
    "there is no picture to save: save the steps as .pdf or .txt":
        "non c'è nessuna figura da salvare: salva i passaggi come .pdf o .txt",

    # The worksheet dialog
    "&Prime factors": "&Fattori primi",
    "&HCF": "MC&D",
    "L&CM": "&mcm",
    "Prime &or not": "&Primo o no",
    "P&ictures in the answer key": "F&igure nelle soluzioni",
    "&Save…": "&Salva…",
    "P&rint…": "S&tampa…",
    "Worksheet – %1": "Scheda di esercizi – %1",
    "Preview of the first page": "Anteprima della prima pagina",
    "Kinds of question": "Tipi di domanda",
    "WorksheetDialog|&Level:": "&Livello:",
    "&Number of questions:": "&Numero di domande:",
    "S&eed:": "S&eme:",
    "The seed is a whole number from 0 to 18446744073709551615.":
        "Il seme è un numero intero da 0 a 18446744073709551615.",
    "Choose at least one kind of question.": "Scegli almeno un tipo di domanda.",
    "Save Worksheet": "Salva la scheda di esercizi",
    "Cannot write %1: %2": 'Impossibile salvare "%1": %2',
    "Printing is not available: %1": "La stampa non è disponibile: %1",

    # Worksheet files
    "PDF document (*.pdf)": "Documento PDF (*.pdf)",
    "ODF text document (*.odt)": "Documento di testo ODF (*.odt)",
    "Text (*.txt)": "Testo (*.txt)",
    "the name does not end in .pdf, .odt or .txt": "il nome non termina con .pdf, .odt o .txt",
}
