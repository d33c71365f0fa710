# French: the practice window's texts, the command line's --practice/--seed and
# the FIND word. PGCD/PPCM, " × ", « » and a no-break space before : ; ? !
N = "\u00a0"

TEXTS = {
    # Command line
    "Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.":
        f"Ouvre la fenêtre d'entraînement par-dessus la fenêtre principale{N}: questions sur la décomposition en facteurs premiers, le PGCD, le PPCM et les nombres premiers, avec des indices tirés des étapes.",
    "With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        f"Avec --practice{N}: commence les questions à partir de la graine <nombre>, un nombre entier de 0 à %1{N}; la même graine donne les mêmes questions.",
    "number": "nombre",
    "The option --seed needs --practice.": "L'option --seed ne s'emploie qu'avec --practice.",
    "Invalid seed '%1': give a whole number from 0 to %2.":
        f"Graine «{N}%1{N}» non valide{N}: indiquez un nombre entier de 0 à %2.",

    # Questions
    "prime": "premier",
    "Write %1 as a product of prime factors.": "Décomposer %1 en produit de facteurs premiers.",
    "Find the HCF of %1 and %2.": "Calculer le PGCD de %1 et %2.",
    "Find the HCF of %1, %2 and %3.": "Calculer le PGCD de %1, %2 et %3.",
    "Find the LCM of %1 and %2.": "Calculer le PPCM de %1 et %2.",
    "Find the LCM of %1, %2 and %3.": "Calculer le PPCM de %1, %2 et %3.",
    "Is %1 a prime number? If not, write it as a product of two smaller numbers.":
        f"%1 est-il un nombre premier{N}? Sinon, l'écrire comme produit de deux nombres plus petits.",

    # Verdicts
    "Right! %1": f"Bravo{N}! %1",
    "Type your answer first.": "Tapez d'abord votre réponse.",
    'I can\'t read "%1".': f"Je ne comprends pas «{N}%1{N}».",
    '"%1" is too big for this question.': f"«{N}%1{N}» est trop grand pour cette question.",
    "1 is not a prime number.": "1 n'est pas un nombre premier.",
    "%1 is not prime: %1 = %2.": f"%1 n'est pas premier{N}: %1 = %2.",
    "These multiply to %1, not %2.": "Le produit de ces nombres vaut %1, et non %2.",
    "These multiply to far more than %1.": "Le produit de ces nombres dépasse de loin %1.",
    "%1 is not a factor of %2.": "%1 n'est pas un diviseur de %2.",
    "%1 is a common factor, but not the highest.": "%1 est un diviseur commun, mais pas le plus grand.",
    "%1 is not a multiple of %2.": "%1 n'est pas un multiple de %2.",
    "%1 is a common multiple, but not the lowest.": "%1 est un multiple commun, mais pas le plus petit.",
    "%1 is not %2.": "%1 n'est pas égal à %2.",
    "%1 is not prime: it has a factor other than 1 and itself.":
        f"%1 n'est pas premier{N}: il a un diviseur autre que 1 et lui-même.",
    "%1 = %2, not %3.": "%1 = %2, et non %3.",
    "%1 is far more than %2.": "%1 dépasse de loin %2.",
    "Use numbers above 1.": "Utilisez des nombres supérieurs à 1.",
    'Write "%1", or write %2 as a product of two smaller numbers.':
        f"Écrivez «{N}%1{N}», ou écrivez %2 comme produit de deux nombres plus petits.",

    # Hints
    "%1 ÷ %2 = %3": "%1 : %2 = %3",
    "%1 ÷ %2 = %3 r %4": "%1 = %2 × %3 + %4",
    "%1 | %2": "%2 | %1",
    "What remains: %1": f"Il reste{N}: %1",
    "Try the primes up to √%1: %2": f"Essayez les nombres premiers jusqu'à √%1{N}: %2",
    "No prime is at most √%1.": "Aucun nombre premier n'est inférieur ou égal à √%1.",
    "%1 = %2 x %3: %1 is not prime.": f"%1 = %2 × %3{N}: %1 n'est pas premier.",

    # Score
    "Question %1 of %2 · %n right first time": [
        "Question %1 sur %2 · %n réussie du premier coup",
        "Question %1 sur %2 · %n réussies du premier coup",
    ],
    "Round over: %n of %1 right first time in %2 min %3 s.": [
        f"Série terminée{N}: %n sur %1 réussie du premier coup, en %2{N}min %3{N}s.",
        f"Série terminée{N}: %n sur %1 réussies du premier coup, en %2{N}min %3{N}s.",
    ],
    "Round over: %n of %1 right first time in %2 s.": [
        f"Série terminée{N}: %n sur %1 réussie du premier coup, en %2{N}s.",
        f"Série terminée{N}: %n sur %1 réussies du premier coup, en %2{N}s.",
    ],

    # The practice window
    "Question": "Question",
    "&Check": "&Vérifier",
    "Check": "Vérifier",
    "&Hint": "&Indice",
    "Hint": "Indice",
    "Show &Working": "Afficher les &étapes",
    "Show Working": "Afficher les étapes",
    "&Next": "&Suivant",
    "Next": "Suivant",
    "Feedback": "Correction",
    "Practice – %1": "Entraînement – %1",
    "Kind of question": "Type de question",
    "Prime factors": "Facteurs premiers",
    "HCF": "PGCD",
    "LCM": "PPCM",
    "Prime or not": "Premier ou non",
    "Mixed": "Mélange",
    "Level": "Niveau",
    "Level %1": "Niveau %1",
    "Answer": "Réponse",
    "Hints": "Indices",
    "Score": "Score",
    "&Kind:": f"&Type{N}:",
    "&Level:": f"&Niveau{N}:",
    "&Answer:": f"&Réponse{N}:",
    "Practise…": "S'entraîner…",
    "Practise": "S'entraîner",
    "FIND": "TROUVER",
}
