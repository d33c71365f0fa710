# The English source texts the tables translate, in the order of their lists.
# A table zips its list with these; texts added later go into its EXTRA dict.
SOURCES = [
    'Working - %1',  # 0
    'Factors, HCF & LCM',  # 1
    'Factorization, HCF & LCM of Numbers',  # 2
    '&Copy',  # 3
    'Show &Working',  # 4
    "Factorization, HCF & LCM of Numbers: a calculator for school arithmetic on whole\nnumbers. Its window factorizes the first of the numbers typed, finds their HCF\nand their LCM with the division ladder, and lists the primes between two bounds.\nStarted without options, it opens the window. Qt's own window options, such as\n-platform and -style, are taken too (see the manual page hcflcm(1)).",  # 5
    'Shows this help and exits.',  # 6
    'Shows the version and exits.',  # 7
    "Speaks the language <code> instead of the system's: %1 (a hyphen may stand for the underscore, as in pt-BR).",  # 8
    'code',  # 9
    "Unexpected argument '%1': the program takes no file or number.",  # 10
    "Unknown language '%1'. The languages are: %2.",  # 11
    "%1: %2\nTry '%1 --help' for more information.\n",  # 12
    'The command stopped because of an unexpected error: %1.\nThe calculator keeps working: check the numbers and try again.',  # 13
    'unknown error',  # 14
    'Could not start "%1" in %2.',  # 15
    'Factors ??',  # 16
    'HCF ?',  # 17
    'LCM ?',  # 18
    'LCM Factors ??',  # 19
    'Pl. wait...',  # 20
    'Prime Time?',  # 21
    'Finding...',  # 22
    '..',  # 23
    'Factors of the 1st number',  # 24
    'Factors of the no. %1',  # 25
    'HCF = %1',  # 26
    'LCM = %1',  # 27
    'LCM Factors: %1',  # 28
    '%1 Primes',  # 29
    ' x ',  # 30
    '%1 ms (Factor)',  # 31
    '%1 ms (HCF)',  # 32
    '%1 ms (LCM)',  # 33
    '%1 ms (Prime)',  # 34
    '"%1" is not a number.',  # 35
    '"%1" is out of range: enter numbers from -2147483648 to 2147483647.',  # 36
    'Enter at most 101 numbers.',  # 37
    'Enter at least one number.',  # 38
    'You must have two numbers to Find HCF.',  # 39
    'Enter positive valid number in Box %1.',  # 40
    'Factors of %1',  # 41
    'Only numbers above 1 have prime factors.',  # 42
    '%1 is a prime number.',  # 43
    'HCF of %1',  # 44
    'HCF(%1, %2)',  # 45
    'The HCF is already 1: the other numbers cannot change it.',  # 46
    'LCM of %1',  # 47
    'One of the numbers is 0, so the LCM is 0.',  # 48
    ', ',  # 49
    'Primes between %1 and %2',  # 50
    'Cross out 1: it is not a prime number.',  # 51
    'Cross out the multiples of %1: %2',  # 52
    'none',  # 53
    '%1 x %1 = %2 is above %3: the numbers left are prime.',  # 54
    'No primes.',  # 55
    '1 prime: %1',  # 56
    '%1 primes: %2',  # 57
    'The sieve is shown for ranges of up to 1000 numbers.',  # 58
    '%1 primes.',  # 59
    'The numbers have changed: run a command to see its working.',  # 60
    'A Venn diagram is drawn for two or three numbers, none of them 0.',  # 61
    'The grid is drawn for ranges of up to 1000 numbers.',  # 62
    'Factor tree of %1: %2',  # 63
    '%1 = %2 x %3',  # 64
    '; ',  # 65
    'Venn diagram of %1: %2',  # 66
    '%1 and %2',  # 67
    'in %1 only: %2',  # 68
    'in %1: %2',  # 69
    'no prime factors',  # 70
    'Grid of %1 to %2: %3',  # 71
    'the primes are %1',  # 72
    'the prime is %1',  # 73
    'no primes',  # 74
    'Copy &All',  # 75
    'PNG picture (*.png)',  # 76
    'SVG picture (*.svg)',  # 77
    'PDF document (*.pdf)',  # 78
    'Text (*.txt)',  # 79
    'the name does not end in .png, .svg, .pdf or .txt',  # 80
    'Steps',  # 81
    'Picture',  # 82
    '&Steps',  # 83
    '&Picture',  # 84
    '&Save…',  # 85
    'Copy &Picture',  # 86
    '&Print…',  # 87
    'Zoom &In',  # 88
    'Zoom &Out',  # 89
    '&Fit',  # 90
    'Save',  # 91
    'Copy Picture',  # 92
    'Print',  # 93
    'Zoom In',  # 94
    'Zoom Out',  # 95
    'Fit',  # 96
    'The working could not be saved as "%1": %2.',  # 97
    'Save the Working',  # 98
    'Printing is not available: %1',  # 99
    'Contact: kids@numeria.example',  # 100
    'Visit this website for more downloads',  # 101
    'Visit: numeria.example',  # 102
    '© 2026 Numeria Learning. Free for schools.',  # 103
    'Free Download',  # 104
    'Numeria Learning logo',  # 105
    'Emblem',  # 106
    'Factors',  # 107
    'Factors=??',  # 108
    'Find the factors of the first number',  # 109
    'LCM (Lowest Common Multiple)',  # 110
    'LCM factors',  # 111
    'LCM',  # 112
    'LCM = ?',  # 113
    'Find the LCM of the numbers',  # 114
    'HCF (Highest Common Factor)',  # 115
    'HCF',  # 116
    'HCF = ?',  # 117
    'Find the HCF of the numbers',  # 118
    '(For finding Factors, HCF and LCM)',  # 119
    'Enter Numbers separating with Space',  # 120
    'Kids club logo',  # 121
    'Execution time',  # 122
    'An adult reading a picture book with a child',  # 123
    'Execution Time',  # 124
    'Numbers separated by spaces',  # 125
    'Prime Numbers between',  # 126
    'and',  # 127
    'Prime count',  # 128
    'Primes...',  # 129
    'Prime range box 1',  # 130
    'Prime range box 2',  # 131
    'Find the primes between the two boxes',  # 132
    'Primes found',  # 133
    'E&xit',  # 134
    '&Game',  # 135
    'FIND',  # 136
]


def table(translations, extra=None):
    """The dict of one language: its list zipped with SOURCES, and extra
    entries ("source" or "Context|source") for texts added later."""
    if len(translations) != len(SOURCES):
        raise ValueError(f"{len(translations)} translations for {len(SOURCES)} sources")
    texts = dict(zip(SOURCES, translations))
    texts.update(extra or {})
    return texts


# Unicode isolates for right-to-left languages: a formula between LRI and PDI
# keeps its left-to-right order inside the sentence.
LRI = "\u2066"
PDI = "\u2069"
