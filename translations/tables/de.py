# German: the practice window's texts, the command line's --practice/--seed and
# the FIND word. ggT/kgV, " · ", „ “, du.

TEXTS = {
    # Command line
    "Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.":
        "Öffnet das Übungsfenster über dem Hauptfenster: Aufgaben zu Primfaktoren, ggT, kgV und Primzahlen, mit Tipps aus dem Rechenweg.",
    "With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Mit --practice: beginnt die Aufgaben mit dem Startwert <Zahl>, einer ganzen Zahl von 0 bis %1; derselbe Startwert ergibt dieselben Aufgaben.",
    "number": "Zahl",
    "The option --seed needs --practice.": "Die Option --seed geht nur zusammen mit --practice.",
    "Invalid seed '%1': give a whole number from 0 to %2.":
        "Ungültiger Startwert „%1“: Gib eine ganze Zahl von 0 bis %2 an.",

    # Questions
    "prime": "Primzahl",
    "Write %1 as a product of prime factors.": "Zerlege %1 in Primfaktoren.",
    "Find the HCF of %1 and %2.": "Bestimme den ggT von %1 und %2.",
    "Find the HCF of %1, %2 and %3.": "Bestimme den ggT von %1, %2 und %3.",
    "Find the LCM of %1 and %2.": "Bestimme das kgV von %1 und %2.",
    "Find the LCM of %1, %2 and %3.": "Bestimme das kgV von %1, %2 und %3.",
    "Is %1 a prime number? If not, write it as a product of two smaller numbers.":
        "Ist %1 eine Primzahl? Wenn nicht, schreibe sie als Produkt aus zwei kleineren Zahlen.",

    # Verdicts
    "Right! %1": "Richtig! %1",
    "Type your answer first.": "Gib zuerst deine Antwort ein.",
    'I can\'t read "%1".': "„%1“ kann ich nicht lesen.",
    '"%1" is too big for this question.': "„%1“ ist für diese Aufgabe zu groß.",
    "1 is not a prime number.": "1 ist keine Primzahl.",
    "%1 is not prime: %1 = %2.": "%1 ist keine Primzahl: %1 = %2.",
    "These multiply to %1, not %2.": "Das Produkt dieser Zahlen ist %1, nicht %2.",
    "These multiply to far more than %1.": "Das Produkt dieser Zahlen ist viel größer als %1.",
    "%1 is not a factor of %2.": "%1 ist kein Teiler von %2.",
    "%1 is a common factor, but not the highest.": "%1 ist ein gemeinsamer Teiler, aber nicht der größte.",
    "%1 is not a multiple of %2.": "%1 ist kein Vielfaches von %2.",
    "%1 is a common multiple, but not the lowest.": "%1 ist ein gemeinsames Vielfaches, aber nicht das kleinste.",
    "%1 is not %2.": "%1 ergibt nicht %2.",
    "%1 is not prime: it has a factor other than 1 and itself.":
        "%1 ist keine Primzahl: Sie hat einen Teiler außer 1 und sich selbst.",
    "%1 = %2, not %3.": "%1 = %2, nicht %3.",
    "%1 is far more than %2.": "%1 ist viel größer als %2.",
    "Use numbers above 1.": "Nimm Zahlen größer als 1.",
    'Write "%1", or write %2 as a product of two smaller numbers.':
        "Schreibe „%1“ oder schreibe %2 als Produkt aus zwei kleineren Zahlen.",

    # Hints
    "%1 ÷ %2 = %3": "%1 : %2 = %3",
    "%1 ÷ %2 = %3 r %4": "%1 : %2 = %3 Rest %4",
    "%1 | %2": "%1 | %2",
    "What remains: %1": "Es bleibt übrig: %1",
    "Try the primes up to √%1: %2": "Probiere die Primzahlen bis √%1: %2",
    "No prime is at most √%1.": "Keine Primzahl ist höchstens √%1.",
    "%1 = %2 x %3: %1 is not prime.": "%1 = %2 · %3: %1 ist keine Primzahl.",

    # Score
    "Question %1 of %2 · %n right first time": [
        "Aufgabe %1 von %2 · %n beim ersten Versuch richtig",
        "Aufgabe %1 von %2 · %n beim ersten Versuch richtig",
    ],
    "Round over: %n of %1 right first time in %2 min %3 s.": [
        "Runde beendet: %n von %1 beim ersten Versuch richtig, in %2 min %3 s.",
        "Runde beendet: %n von %1 beim ersten Versuch richtig, in %2 min %3 s.",
    ],
    "Round over: %n of %1 right first time in %2 s.": [
        "Runde beendet: %n von %1 beim ersten Versuch richtig, in %2 s.",
        "Runde beendet: %n von %1 beim ersten Versuch richtig, in %2 s.",
    ],

    # The practice window
    "Question": "Aufgabe",
    "&Check": "&Prüfen",
    "Check": "Prüfen",
    "&Hint": "&Tipp",
    "Hint": "Tipp",
    "Show &Working": "&Rechenweg zeigen",
    "Show Working": "Rechenweg zeigen",
    "&Next": "&Weiter",
    "Next": "Weiter",
    "Feedback": "Rückmeldung",
    "Practice – %1": "Üben – %1",
    "Kind of question": "Aufgabenart",
    "Prime factors": "Primfaktoren",
    "HCF": "ggT",
    "LCM": "kgV",
    "Prime or not": "Primzahl oder nicht",
    "Mixed": "Gemischt",
    "Level": "Stufe",
    "Level %1": "Stufe %1",
    "Answer": "Antwort",
    "Hints": "Tipps",
    "Score": "Punktestand",
    "&Kind:": "&Aufgabenart:",
    "&Level:": "&Stufe:",
    "&Answer:": "Antw&ort:",
    "Practise…": "Üben…",
    "Practise": "Üben",
    "FIND": "FINDEN",
}

# Worksheets, the save dialog's JPEG and file names, and the pictures' captions.
TEXTS |= {
    # Command line
    "The option --%1 needs --worksheet.": "Die Option --%1 geht nur zusammen mit --worksheet.",
    "The options --practice and --worksheet cannot be used together.":
        "Die Optionen --practice und --worksheet gehen nicht zusammen.",
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        "„%1“ kann nicht geschrieben werden: Der Name muss auf .pdf, .odt oder .txt enden.",
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        "Unbekannte Aufgabenarten „%1“: Gib eine oder mehrere von factors, hcf, lcm, prime an, durch Kommas getrennt.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        "Ungültige Stufe „%1“: Gib eine ganze Zahl von %2 bis %3 an.",
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        "Ungültige Anzahl der Aufgaben „%1“: Gib eine ganze Zahl von %2 bis %3 an.",
    "With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Mit --practice oder --worksheet: beginnt die Aufgaben mit dem Startwert <Zahl>, einer ganzen Zahl von 0 bis %1; derselbe Startwert ergibt dieselben Aufgaben.",
    "Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).":
        "Schreibt ein Arbeitsblatt mit Aufgaben und Lösungen in <Datei>, ohne Fenster: ein PDF-Dokument (.pdf), ein ODF-Textdokument (.odt) oder reinen Text (.txt).",
    "file": "Datei",
    "With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).":
        "Mit --worksheet: die Aufgabenarten, abwechselnd gestellt, aus factors, hcf, lcm und prime, durch Kommas getrennt (ohne Angabe alle vier).",
    "list": "Liste",
    "With --worksheet: the level of the questions, 1 to 3 (1 unless given).":
        "Mit --worksheet: die Stufe der Aufgaben, 1 bis 3 (ohne Angabe 1).",
    "With --worksheet: the number of questions, 1 to 60 (20 unless given).":
        "Mit --worksheet: die Anzahl der Aufgaben, 1 bis 60 (ohne Angabe 20).",
    "With --worksheet: no factor trees or Venn diagrams beside the answers.":
        "Mit --worksheet: keine Faktorenbäume und keine Venn-Diagramme neben den Lösungen.",
    "The option --seed needs --practice or --worksheet.": "Die Option --seed geht nur zusammen mit --practice oder --worksheet.",
    "%1: Cannot write '%2': %3\n": "%1: „%2“ kann nicht geschrieben werden: %3\n",
    "Wrote %1: 1 question, level %2, seed %3.\n": [
        "%1 geschrieben: %n Aufgabe, Stufe %2, Startwert %3.\n",
        "%1 geschrieben: %n Aufgaben, Stufe %2, Startwert %3.\n",
    ],
    "Wrote %1: %n questions, level %2, seed %3.\n": [
        "%1 geschrieben: %n Aufgabe, Stufe %2, Startwert %3.\n",
        "%1 geschrieben: %n Aufgaben, Stufe %2, Startwert %3.\n",
    ],

    # Pictures and worksheets
    "(continued)": "(Fortsetzung)",
    "Primes between %1 and %2: %3": "Primzahlen zwischen %1 und %2: %3",
    "%n primes": ["%n Primzahl", "%n Primzahlen"],
    "%1 is taken as %2.": "Statt %1 wird mit %2 gerechnet.",
    "Worksheet: prime factors, HCF and LCM": "Arbeitsblatt: Primfaktoren, ggT und kgV",
    "Name:": "Vor- und Nachname:",
    "Date:": "Datum:",
    "Level %1 · seed %2": "Stufe %1 · Startwert %2",
    "Level %1 · seed %2 · page %3 of %4": "Stufe %1 · Startwert %2 · Seite %3 von %4",
    "%1.": "%1.",
    "Answers": "Lösungen",
    "%1, not prime": "%1, also keine Primzahl",

    # The practice window
    "Wor&ksheet…": "Arbeits&blatt…",
    "Worksheet": "Arbeitsblatt",

    # Saving the working
    "JPEG picture (*.jpg *.jpeg)": "JPEG-Bild (*.jpg *.jpeg)",
    "factors": "primfaktoren",
    "hcf": "ggt",
    "lcm": "kgv",
    "primes": "primzahlen",
    "the name does not end in one of %1": "der Name hat keine dieser Endungen: %1",
    "there is no picture to save: save the steps as .pdf or .txt":
        "es gibt kein Bild zu speichern – speichere die Schritte als .pdf oder .txt",

    # The worksheet dialog
    "&Prime factors": "&Primfaktoren",
    "&HCF": "&ggT",
    "L&CM": "&kgV",
    "Prime &or not": "Primzahl &oder nicht",
    "P&ictures in the answer key": "&Bilder in den Lösungen",
    "&Save…": "&Speichern…",
    "P&rint…": "&Drucken…",
    "Worksheet – %1": "Arbeitsblatt – %1",
    "Preview of the first page": "Vorschau der ersten Seite",
    "Kinds of question": "Aufgabenarten",
    "WorksheetDialog|&Level:": "St&ufe:",
    "&Number of questions:": "&Anzahl der Aufgaben:",
    "S&eed:": "Start&wert:",
    "The seed is a whole number from 0 to 18446744073709551615.":
        "Der Startwert ist eine ganze Zahl von 0 bis 18446744073709551615.",
    "Choose at least one kind of question.": "Wähle mindestens eine Aufgabenart.",
    "Save Worksheet": "Arbeitsblatt speichern",
    "Cannot write %1: %2": "„%1“ konnte nicht gespeichert werden: %2",
    "Printing is not available: %1": "Drucken ist nicht möglich: %1",

    # Worksheet files
    "PDF document (*.pdf)": "PDF-Dokument (*.pdf)",
    "ODF text document (*.odt)": "ODF-Textdokument (*.odt)",
    "Text (*.txt)": "Text (*.txt)",
    "the name does not end in .pdf, .odt or .txt": "der Name endet nicht auf .pdf, .odt oder .txt",
}
