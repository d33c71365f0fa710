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
    "%1 | %2": "%1 | %2",
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

# Worksheets, the save dialog's JPEG and file names, and the pictures' captions.
TEXTS |= {
    # Command line
    "The option --%1 needs --worksheet.": "A opção --%1 só funciona junto com --worksheet.",
    "The options --practice and --worksheet cannot be used together.":
        "As opções --practice e --worksheet não podem ser usadas juntas.",
    "Cannot write '%1': the name must end in .pdf, .odt or .txt.":
        "Não foi possível salvar “%1”: o nome deve terminar em .pdf, .odt ou .txt.",
    "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.":
        "Tipos desconhecidos “%1”: digite um ou mais entre factors, hcf, lcm, prime, separados por vírgulas.",
    "Invalid level '%1': give a whole number from %2 to %3.":
        "Nível “%1” inválido: digite um número inteiro de %2 a %3.",
    "Invalid number of questions '%1': give a whole number from %2 to %3.":
        "Número de questões “%1” inválido: digite um número inteiro de %2 a %3.",
    "With --practice or --worksheet: starts the questions from the seed <number>, a whole number from 0 to %1; the same seed gives the same questions.":
        "Com --practice ou --worksheet: começa as questões a partir da semente <número>, um número inteiro de 0 a %1; a mesma semente dá as mesmas questões.",
    "Writes a worksheet of questions with its answer key to <file>, without a window: a PDF document (.pdf), an ODF text document (.odt) or plain text (.txt).":
        "Salva em <arquivo> uma lista de exercícios com o gabarito, sem abrir janela: um documento PDF (.pdf), um documento de texto ODF (.odt) ou texto simples (.txt).",
    "file": "arquivo",
    "With --worksheet: the kinds of question, drawn in turn, from factors, hcf, lcm and prime, joined by commas (all four unless given).":
        "Com --worksheet: os tipos de questão, alternados, entre factors, hcf, lcm e prime, separados por vírgulas (os quatro, se não for indicado).",
    "list": "lista",
    "With --worksheet: the level of the questions, 1 to 3 (1 unless given).":
        "Com --worksheet: o nível das questões, de 1 a 3 (1, se não for indicado).",
    "With --worksheet: the number of questions, 1 to 60 (20 unless given).":
        "Com --worksheet: o número de questões, de 1 a 60 (20, se não for indicado).",
    "With --worksheet: no factor trees or Venn diagrams beside the answers.":
        "Com --worksheet: sem árvores de fatores nem diagramas de Venn ao lado das respostas.",
    "The option --seed needs --practice or --worksheet.": "A opção --seed só funciona junto com --practice ou --worksheet.",
    "%1: Cannot write '%2': %3\n": "%1: não foi possível salvar “%2”: %3\n",
    "Wrote %1: 1 question, level %2, seed %3.\n": [
        "Arquivo %1 salvo: %n questão, nível %2, semente %3.\n",
        "Arquivo %1 salvo: %n questões, nível %2, semente %3.\n",
    ],
    "Wrote %1: %n questions, level %2, seed %3.\n": [
        "Arquivo %1 salvo: %n questão, nível %2, semente %3.\n",
        "Arquivo %1 salvo: %n questões, nível %2, semente %3.\n",
    ],

    # Pictures and worksheets
    "(continued)": "(continuação)",
    "Primes between %1 and %2: %3": "Números primos entre %1 e %2: %3",
    "%n primes": ["%n número primo", "%n números primos"],
    "%1 is taken as %2.": "No lugar de %1, usamos %2.",
    "Worksheet: prime factors, HCF and LCM": "Lista de exercícios: fatores primos, MDC e MMC",
    "Name:": "Nome:",
    "Date:": "Data:",
    "Level %1 · seed %2": "Nível %1 · semente %2",
    "Level %1 · seed %2 · page %3 of %4": "Nível %1 · semente %2 · página %3 de %4",
    "%1.": "%1.",
    "Answers": "Gabarito",
    "%1, not prime": "%1, não é primo",

    # The practice window
    "Wor&ksheet…": "&Lista de exercícios…",
    "Worksheet": "Lista de exercícios",

    # Saving the working
    "JPEG picture (*.jpg *.jpeg)": "Imagem JPEG (*.jpg *.jpeg)",
    "factors": "fatores",
    "hcf": "mdc",
    "lcm": "mmc",
    "primes": "primos",
    "the name does not end in one of %1": "o nome não termina em nenhuma destas extensões: %1",
    "there is no picture to save: save the steps as .pdf or .txt":
        "não há figura para salvar: salve os passos como .pdf ou .txt",

    # The worksheet dialog
    "&Prime factors": "Fatores &primos",
    "&HCF": "M&DC",
    "L&CM": "&MMC",
    "Prime &or not": "Primo &ou não",
    "P&ictures in the answer key": "Figuras no &gabarito",
    "&Save…": "&Salvar…",
    "P&rint…": "&Imprimir…",
    "Worksheet – %1": "Lista de exercícios – %1",
    "Preview of the first page": "Prévia da primeira página",
    "Kinds of question": "Tipos de questão",
    "WorksheetDialog|&Level:": "&Nível:",
    "&Number of questions:": "Número de &questões:",
    "S&eed:": "S&emente:",
    "The seed is a whole number from 0 to 18446744073709551615.":
        "A semente é um número inteiro de 0 a 18446744073709551615.",
    "Choose at least one kind of question.": "Escolha pelo menos um tipo de questão.",
    "Save Worksheet": "Salvar a lista de exercícios",
    "Cannot write %1: %2": 'Não foi possível salvar "%1": %2',
    "Printing is not available: %1": "A impressão não está disponível: %1",

    # Worksheet files
    "PDF document (*.pdf)": "Documento PDF (*.pdf)",
    "ODF text document (*.odt)": "Documento de texto ODF (*.odt)",
    "Text (*.txt)": "Texto (*.txt)",
    "the name does not end in .pdf, .odt or .txt": "o nome não termina em .pdf, .odt ou .txt",
}
