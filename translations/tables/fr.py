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
    "%1 | %2": "%1 | %2",
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

# Worksheets, the save dialog's JPEG and file names, and the pictures' captions.
TEXTS |= {
    # Command line
    "The option --%1 needs --worksheet.": "L'option --%1 ne s'emploie qu'avec --worksheet.",
    "The options --practice and --worksheet cannot be used together.":
        "Les options --practice et --worksheet ne peuvent pas être employées ensemble.",
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        f"Impossible d'écrire «{N}%1{N}»{N}: le nom doit se terminer par .pdf, .odt ou .txt.",
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        f"Types inconnus «{N}%1{N}»{N}: indiquez un ou plusieurs des types factors, hcf, lcm, prime, séparés par des virgules.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        f"Niveau «{N}%1{N}» non valide{N}: indiquez un nombre entier de %2 à %3.",
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        f"Nombre de questions «{N}%1{N}» non valide{N}: indiquez un nombre entier de %2 à %3.",
    "With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        f"Avec --practice ou --worksheet{N}: commence les questions à partir de la graine <nombre>, un nombre entier de 0 à %1{N}; la même graine donne les mêmes questions.",
    "Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).":
        f"Écrit une fiche d'exercices et son corrigé dans <fichier>, sans ouvrir de fenêtre{N}: un document PDF (.pdf), un document texte ODF (.odt) ou du texte brut (.txt).",
    "file": "fichier",
    "With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).":
        f"Avec --worksheet{N}: les types de questions, posées à tour de rôle, parmi factors, hcf, lcm et prime, séparés par des virgules (les quatre si l'option est absente).",
    "list": "liste",
    "With --worksheet: the level of the questions, 1 to 3 (1 unless given).":
        f"Avec --worksheet{N}: le niveau des questions, de 1 à 3 (1 si l'option est absente).",
    "With --worksheet: the number of questions, 1 to 60 (20 unless given).":
        f"Avec --worksheet{N}: le nombre de questions, de 1 à 60 (20 si l'option est absente).",
    "With --worksheet: no factor trees or Venn diagrams beside the answers.":
        f"Avec --worksheet{N}: ni arbres de décomposition ni diagrammes de Venn à côté des réponses.",
    "The option --seed needs --practice or --worksheet.": "L'option --seed ne s'emploie qu'avec --practice ou --worksheet.",
    "%1: Cannot write '%2': %3\n": f"%1: impossible d'écrire «{N}%2{N}»{N}: %3\n",
    "Wrote %1: 1 question, level %2, seed %3.\n": [
        f"Fichier %1 écrit{N}: %n question, niveau %2, graine %3.\n",
        f"Fichier %1 écrit{N}: %n questions, niveau %2, graine %3.\n",
    ],
    "Wrote %1: %n questions, level %2, seed %3.\n": [
        f"Fichier %1 écrit{N}: %n question, niveau %2, graine %3.\n",
        f"Fichier %1 écrit{N}: %n questions, niveau %2, graine %3.\n",
    ],

    # Pictures and worksheets
    "(continued)": "(suite)",
    "Primes between %1 and %2: %3": f"Nombres premiers entre %1 et %2{N}: %3",
    "%n primes": ["%n nombre premier", "%n nombres premiers"],
    "%1 is taken as %2.": "On prend %2 à la place de %1.",
    "Worksheet: prime factors, HCF and LCM": f"Fiche d'exercices{N}: facteurs premiers, PGCD et PPCM",
    "Name:": f"Nom{N}:",
    "Date:": f"Date{N}:",
    "Level %1 · seed %2": "Niveau %1 · graine %2",
    "Level %1 · seed %2 · page %3 of %4": "Niveau %1 · graine %2 · page %3 sur %4",
    "%1.": "%1.",
    "Answers": "Corrigé",
    "%1, not prime": "%1, donc non premier",

    # The practice window
    "Wor&ksheet…": "&Fiche d'exercices…",
    "Worksheet": "Fiche d'exercices",

    # Saving the working
    "JPEG picture (*.jpg *.jpeg)": "Image JPEG (*.jpg *.jpeg)",
    "factors": "facteurs",
    "hcf": "pgcd",
    "lcm": "ppcm",
    "primes": "premiers",
    "the name does not end in one of %1": f"le nom ne se termine par aucune de ces extensions{N}: %1",
    "there is no picture to save: save the steps as .pdf or .txt":
        f"il n'y a pas d'image à enregistrer{N}: enregistrez les étapes en .pdf ou en .txt",

    # The worksheet dialog
    "&Prime factors": "F&acteurs premiers",
    "&HCF": "P&GCD",
    "L&CM": "PP&CM",
    "Prime &or not": "Premier &ou non",
    "P&ictures in the answer key": "&Images dans le corrigé",
    "&Save…": "&Enregistrer…",
    "P&rint…": "Im&primer…",
    "Worksheet – %1": "Fiche d'exercices – %1",
    "Preview of the first page": "Aperçu de la première page",
    "Kinds of question": "Types de questions",
    "WorksheetDialog|&Level:": f"&Niveau{N}:",
    "&Number of questions:": f"Nom&bre de questions{N}:",
    "S&eed:": f"G&raine{N}:",
    "The seed is a whole number from 0 to 18446744073709551615.":
        "La graine est un nombre entier de 0 à 18446744073709551615.",
    "Choose at least one kind of question.": "Choisissez au moins un type de question.",
    "Save Worksheet": "Enregistrer la fiche d'exercices",
    "Cannot write %1: %2": f"Impossible d'enregistrer «{N}%1{N}»{N}: %2",
    "Printing is not available: %1": f"L’impression n’est pas disponible{N}: %1",

    # Worksheet files
    "PDF document (*.pdf)": "Document PDF (*.pdf)",
    "ODF text document (*.odt)": "Document texte ODF (*.odt)",
    "Text (*.txt)": "Texte (*.txt)",
    "the name does not end in .pdf, .odt or .txt": "le nom ne se termine pas par .pdf, .odt ou .txt",
}
