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
    "%1 | %2": "%2 | %1",
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
