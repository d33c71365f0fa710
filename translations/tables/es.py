# Spanish: the practice window's texts, the command line's --practice/--seed
# and the FIND word. MCD/mcm, " x " as the working writes it, tú, ¿…? and ¡…!

TEXTS = {
    # Command line
    "Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.":
        "Abre la ventana de práctica sobre la ventana principal: preguntas de factores primos, MCD, mcm y números primos, con pistas sacadas del procedimiento.",
    "With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Con --practice: empieza las preguntas a partir de la semilla <número>, un número entero de 0 a %1; la misma semilla da las mismas preguntas.",
    "number": "número",
    "The option --seed needs --practice.": "La opción --seed solo funciona junto con --practice.",
    "Invalid seed '%1': give a whole number from 0 to %2.":
        "Semilla «%1» no válida: escribe un número entero de 0 a %2.",

    # Questions
    "prime": "primo",
    "Write %1 as a product of prime factors.": "Descompón %1 en factores primos.",
    "Find the HCF of %1 and %2.": "Calcula el MCD de %1 y %2.",
    "Find the HCF of %1, %2 and %3.": "Calcula el MCD de %1, %2 y %3.",
    "Find the LCM of %1 and %2.": "Calcula el mcm de %1 y %2.",
    "Find the LCM of %1, %2 and %3.": "Calcula el mcm de %1, %2 y %3.",
    "Is %1 a prime number? If not, write it as a product of two smaller numbers.":
        "¿Es %1 un número primo? Si no lo es, escríbelo como producto de dos números menores.",

    # Verdicts
    "Right! %1": "¡Correcto! %1",
    "Type your answer first.": "Primero escribe tu respuesta.",
    'I can\'t read "%1".': 'No entiendo "%1".',
    '"%1" is too big for this question.': '"%1" es demasiado grande para esta pregunta.',
    "1 is not a prime number.": "1 no es un número primo.",
    "%1 is not prime: %1 = %2.": "%1 no es primo: %1 = %2.",
    "These multiply to %1, not %2.": "El producto de estos números es %1, no %2.",
    "These multiply to far more than %1.": "El producto de estos números es mucho mayor que %1.",
    "%1 is not a factor of %2.": "%1 no es divisor de %2.",
    "%1 is a common factor, but not the highest.": "%1 es un divisor común, pero no el mayor.",
    "%1 is not a multiple of %2.": "%1 no es múltiplo de %2.",
    "%1 is a common multiple, but not the lowest.": "%1 es un múltiplo común, pero no el menor.",
    "%1 is not %2.": "%1 no es igual a %2.",
    "%1 is not prime: it has a factor other than 1 and itself.":
        "%1 no es primo: tiene un divisor distinto de 1 y de sí mismo.",
    "%1 = %2, not %3.": "%1 = %2, no %3.",
    "%1 is far more than %2.": "%1 es mucho mayor que %2.",
    "Use numbers above 1.": "Usa números mayores que 1.",
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Escribe "%1" o escribe %2 como producto de dos números menores.',

    # Hints
    "%1 ÷ %2 = %3": "%1 : %2 = %3",
    "%1 ÷ %2 = %3 r %4": "%1 = %2 x %3 + %4",
    "%1 | %2": "%1 | %2",
    "What remains: %1": "Quedan: %1",
    "Try the primes up to √%1: %2": "Prueba los números primos hasta √%1: %2",
    "No prime is at most √%1.": "Ningún número primo es menor o igual que √%1.",
    "%1 = %2 x %3: %1 is not prime.": "%1 = %2 x %3: %1 no es primo.",

    # Score
    "Question %1 of %2 · %n right first time": [
        "Pregunta %1 de %2 · %n acertada a la primera",
        "Pregunta %1 de %2 · %n acertadas a la primera",
    ],
    "Round over: %n of %1 right first time in %2 min %3 s.": [
        "Ronda terminada: %n de %1 acertada a la primera, en %2 min %3 s.",
        "Ronda terminada: %n de %1 acertadas a la primera, en %2 min %3 s.",
    ],
    "Round over: %n of %1 right first time in %2 s.": [
        "Ronda terminada: %n de %1 acertada a la primera, en %2 s.",
        "Ronda terminada: %n de %1 acertadas a la primera, en %2 s.",
    ],

    # The practice window
    "Question": "Pregunta",
    "&Check": "&Comprobar",
    "Check": "Comprobar",
    "&Hint": "&Pista",
    "Hint": "Pista",
    # The menu's key P is taken by Pista here.
    "PracticeWindow|Show &Working": "&Mostrar el procedimiento",
    "Show Working": "Mostrar el procedimiento",
    "&Next": "&Siguiente",
    "Next": "Siguiente",
    "Feedback": "Corrección",
    "Practice – %1": "Práctica – %1",
    "Kind of question": "Tipo de pregunta",
    "Prime factors": "Factores primos",
    "HCF": "MCD",
    "LCM": "mcm",
    "Prime or not": "¿Primo o no?",
    "Mixed": "Mezcladas",
    "Level": "Nivel",
    "Level %1": "Nivel %1",
    "Answer": "Respuesta",
    "Hints": "Pistas",
    "Score": "Puntuación",
    "&Kind:": "&Tipo:",
    "&Level:": "&Nivel:",
    "&Answer:": "&Respuesta:",
    "Practise…": "Practicar…",
    "Practise": "Practicar",
    "FIND": "BUSCAR",
}

# Worksheets, the save dialog's JPEG and file names, and the pictures' captions.
TEXTS |= {
    # Command line
    "The option --%1 needs --worksheet.": "La opción --%1 solo funciona junto con --worksheet.",
    "The options --practice and --worksheet cannot be used together.":
        "Las opciones --practice y --worksheet no se pueden usar juntas.",
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        "No se puede escribir «%1»: el nombre debe terminar en .pdf, .odt o .txt.",
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        "Tipos desconocidos «%1»: escribe uno o varios de factors, hcf, lcm, prime, separados por comas.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        "Nivel «%1» no válido: escribe un número entero de %2 a %3.",
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        "Número de preguntas «%1» no válido: escribe un número entero de %2 a %3.",
    "With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Con --practice o --worksheet: empieza las preguntas a partir de la semilla <número>, un número entero de 0 a %1; la misma semilla da las mismas preguntas.",
    "Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).":
        "Escribe en <archivo> una ficha de ejercicios con sus soluciones, sin abrir ninguna ventana: un documento PDF (.pdf), un documento de texto ODF (.odt) o texto sin formato (.txt).",
    "file": "archivo",
    "With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).":
        "Con --worksheet: los tipos de pregunta, que se van alternando, entre factors, hcf, lcm y prime, separados por comas (los cuatro si no se indica).",
    "list": "lista",
    "With --worksheet: the level of the questions, 1 to 3 (1 unless given).":
        "Con --worksheet: el nivel de las preguntas, de 1 a 3 (1 si no se indica).",
    "With --worksheet: the number of questions, 1 to 60 (20 unless given).":
        "Con --worksheet: el número de preguntas, de 1 a 60 (20 si no se indica).",
    "With --worksheet: no factor trees or Venn diagrams beside the answers.":
        "Con --worksheet: sin árboles de factores ni diagramas de Venn junto a las soluciones.",
    "The option --seed needs --practice or --worksheet.": "La opción --seed solo funciona junto con --practice o --worksheet.",
    "%1: Cannot write '%2': %3\n": "%1: no se puede escribir «%2»: %3\n",
    "Wrote %1: 1 question, level %2, seed %3.\n": [
        "Archivo %1 escrito: %n pregunta, nivel %2, semilla %3.\n",
        "Archivo %1 escrito: %n preguntas, nivel %2, semilla %3.\n",
    ],
    "Wrote %1: %n questions, level %2, seed %3.\n": [
        "Archivo %1 escrito: %n pregunta, nivel %2, semilla %3.\n",
        "Archivo %1 escrito: %n preguntas, nivel %2, semilla %3.\n",
    ],

    # Pictures and worksheets
    "(continued)": "(continuación)",
    "Primes between %1 and %2: %3": "Números primos entre %1 y %2: %3",
    "%n primes": ["%n número primo", "%n números primos"],
    "%1 is taken as %2.": "En lugar de %1 se toma %2.",
    "Worksheet: prime factors, HCF and LCM": "Ficha de ejercicios: factores primos, MCD y mcm",
    "Name:": "Nombre:",
    "Date:": "Fecha:",
    "Level %1 · seed %2": "Nivel %1 · semilla %2",
    "Level %1 · seed %2 · page %3 of %4": "Nivel %1 · semilla %2 · página %3 de %4",
    "%1.": "%1.",
    "Answers": "Soluciones",
    "%1, not prime": "%1, no es primo",

    # The practice window
    "Wor&ksheet…": "&Ficha de ejercicios…",
    "Worksheet": "Ficha de ejercicios",

    # Saving the working
    "JPEG picture (*.jpg *.jpeg)": "Imagen JPEG (*.jpg *.jpeg)",
    "factors": "factores",
    "hcf": "mcd",
    "lcm": "mcm",
    "primes": "primos",
    "the name does not end in one of %1": "el nombre no termina en ninguna de estas extensiones: %1",
    "there is no picture to save: save the steps as .pdf or .txt":
        "no hay ningún dibujo que guardar: guarda los pasos como .pdf o .txt",

    # The worksheet dialog
    "&Prime factors": "&Factores primos",
    "&HCF": "MC&D",
    "L&CM": "&mcm",
    "Prime &or not": "¿&Primo o no?",
    "P&ictures in the answer key": "Dib&ujos en las soluciones",
    "&Save…": "&Guardar…",
    "P&rint…": "&Imprimir…",
    "Worksheet – %1": "Ficha de ejercicios – %1",
    "Preview of the first page": "Vista previa de la primera página",
    "Kinds of question": "Tipos de pregunta",
    "WorksheetDialog|&Level:": "&Nivel:",
    "&Number of questions:": "Número de p&reguntas:",
    "S&eed:": "&Semilla:",
    "The seed is a whole number from 0 to 18446744073709551615.":
        "La semilla es un número entero de 0 a 18446744073709551615.",
    "Choose at least one kind of question.": "Elige al menos un tipo de pregunta.",
    "Save Worksheet": "Guardar la ficha de ejercicios",
    "Cannot write %1: %2": 'No se pudo guardar "%1": %2',
    "Printing is not available: %1": "No se puede imprimir: %1",

    # Worksheet files
    "PDF document (*.pdf)": "Documento PDF (*.pdf)",
    "ODF text document (*.odt)": "Documento de texto ODF (*.odt)",
    "Text (*.txt)": "Texto (*.txt)",
    "the name does not end in .pdf, .odt or .txt": "el nombre no termina en .pdf, .odt o .txt",
}
