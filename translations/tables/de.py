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
    "%1 | %2": "Teile durch %1: %2",
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
