# Brazilian Portuguese: the practice window's texts, the command line's
# --practice/--seed and the FIND word. MDC/MMC, " x " as the working writes it,
# você.

TEXTS = {
    # Command line
    "Opens the Practice window over the main window: questions on prime factors, the HCF, the LCM and primes, with hints from the working.":
        "Abre a janela de prática sobre a janela principal: questões de fatores primos, MDC, MMC e números primos, com dicas tiradas da resolução.",
    "With --practice: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Com --practice: começa as questões a partir da semente <número>, um número inteiro de 0 a %1; a mesma semente dá as mesmas questões.",
    "number": "número",
    "The option --seed needs --practice.": "A opção --seed só funciona junto com --practice.",
    "Invalid seed '%1': give a whole number from 0 to %2.":
        "Semente “%1” inválida: digite um número inteiro de 0 a %2.",

    # Questions
    "prime": "primo",
    "Write %1 as a product of prime factors.": "Decomponha %1 em fatores primos.",
    "Find the HCF of %1 and %2.": "Calcule o MDC de %1 e %2.",
    "Find the HCF of %1, %2 and %3.": "Calcule o MDC de %1, %2 e %3.",
    "Find the LCM of %1 and %2.": "Calcule o MMC de %1 e %2.",
    "Find the LCM of %1, %2 and %3.": "Calcule o MMC de %1, %2 e %3.",
    "Is %1 a prime number? If not, write it as a product of two smaller numbers.":
        "%1 é um número primo? Se não for, escreva-o como produto de dois números menores.",

    # Verdicts
    "Right! %1": "Certo! %1",
    "Type your answer first.": "Digite sua resposta primeiro.",
    'I can\'t read "%1".': 'Não entendi "%1".',
    '"%1" is too big for this question.': '"%1" é grande demais para esta questão.',
    "1 is not a prime number.": "1 não é um número primo.",
    "%1 is not prime: %1 = %2.": "%1 não é primo: %1 = %2.",
    "These multiply to %1, not %2.": "O produto desses números é %1, e não %2.",
    "These multiply to far more than %1.": "O produto desses números é muito maior que %1.",
    "%1 is not a factor of %2.": "%1 não é divisor de %2.",
    "%1 is a common factor, but not the highest.": "%1 é um divisor comum, mas não o maior.",
    "%1 is not a multiple of %2.": "%1 não é múltiplo de %2.",
    "%1 is a common multiple, but not the lowest.": "%1 é um múltiplo comum, mas não o menor.",
    "%1 is not %2.": "%1 não é igual a %2.",
    "%1 is not prime: it has a factor other than 1 and itself.":
        "%1 não é primo: tem um divisor diferente de 1 e de si mesmo.",
    "%1 = %2, not %3.": "%1 = %2, e não %3.",
    "%1 is far more than %2.": "%1 é muito maior que %2.",
    "Use numbers above 1.": "Use números maiores que 1.",
    'Write "%1", or write %2 as a product of two smaller numbers.':
        'Escreva "%1" ou escreva %2 como produto de dois números menores.',

    # Hints
    "%1 ÷ %2 = %3": "%1 : %2 = %3",
    "%1 ÷ %2 = %3 r %4": "%1 = %2 x %3 + %4",
    "%1 | %2": "%2 | %1",
    "What remains: %1": "Restam: %1",
    "Try the primes up to √%1: %2": "Experimente os números primos até √%1: %2",
    "No prime is at most √%1.": "Nenhum número primo é menor ou igual a √%1.",
    "%1 = %2 x %3: %1 is not prime.": "%1 = %2 x %3: %1 não é primo.",

    # Score
    "Question %1 of %2 · %n right first time": [
        "Questão %1 de %2 · %n certa de primeira",
        "Questão %1 de %2 · %n certas de primeira",
    ],
    "Round over: %n of %1 right first time in %2 min %3 s.": [
        "Rodada encerrada: %n de %1 certa de primeira, em %2 min %3 s.",
        "Rodada encerrada: %n de %1 certas de primeira, em %2 min %3 s.",
    ],
    "Round over: %n of %1 right first time in %2 s.": [
        "Rodada encerrada: %n de %1 certa de primeira, em %2 s.",
        "Rodada encerrada: %n de %1 certas de primeira, em %2 s.",
    ],

    # The practice window
    "Question": "Questão",
    "&Check": "&Conferir",
    "Check": "Conferir",
    "&Hint": "&Dica",
    "Hint": "Dica",
    "Show &Working": "Mostrar a &resolução",
    "Show Working": "Mostrar a resolução",
    "&Next": "&Próxima",
    "Next": "Próxima",
    "Feedback": "Correção",
    "Practice – %1": "Prática – %1",
    "Kind of question": "Tipo de questão",
    "Prime factors": "Fatores primos",
    "HCF": "MDC",
    "LCM": "MMC",
    "Prime or not": "Primo ou não",
    "Mixed": "Misturadas",
    "Level": "Nível",
    "Level %1": "Nível %1",
    "Answer": "Resposta",
    "Hints": "Dicas",
    "Score": "Pontuação",
    "&Kind:": "&Tipo:",
    "&Level:": "&Nível:",
    "&Answer:": "R&esposta:",
    "Practise…": "Praticar…",
    "Practise": "Praticar",
    "FIND": "BUSCAR",
}
