// The English phrase table, written once: every phrase the results, their
// working, the refusals and the pictures' words are made of. No include guard:
// a file that includes this list defines PHRASE(name, english) and
// COUNTED(name, english, englishOne) first, and gets one expansion per entry.
// numbers::Phrases holds the English defaults; app/TranslatedPhrases.cpp
// passes each source through the installed translation. The entries are
// written so that lupdate reads them: each source in QT_TRANSLATE_NOOP (a
// phrase) or QT_TRANSLATE_N_NOOP (a counted phrase, "%n" the count, with
// Qt's plural forms), and the "//:" line before it is the comment the
// translator sees. "%1", "%2", ... may stand in any order in a translation.
// COUNTED's third argument is the English form for a count of 1.
//
// Keep every entry in this form: the lupdate run over this file and the test
// of the translations both read it.

// Captions written before a command's work, and by an edit of the numbers.
//: Factors caption while the factors are being found (and after an edit of the numbers). Keep it short: it fits a small caption.
PHRASE(factorsWaiting, QT_TRANSLATE_NOOP("Phrases", "Factors ??"))
//: HCF caption before the HCF is found (and after an edit). Keep it short.
PHRASE(hcfWaiting, QT_TRANSLATE_NOOP("Phrases", "HCF ?"))
//: LCM caption before the LCM is found (and after an edit). Keep it short.
PHRASE(lcmWaiting, QT_TRANSLATE_NOOP("Phrases", "LCM ?"))
//: LCM factors caption before the LCM is found (and after an edit). Keep it short.
PHRASE(lcmFactorsWaiting, QT_TRANSLATE_NOOP("Phrases", "LCM Factors ??"))
//: Status line while a command works. Keep it short: it fits a small caption.
PHRASE(pleaseWait, QT_TRANSLATE_NOOP("Phrases", "Pl. wait..."))
//: Time caption while the primes are being found. Keep it short.
PHRASE(primeTimeWaiting, QT_TRANSLATE_NOOP("Phrases", "Prime Time?"))
//: Prime count caption while the primes are being found. Keep it short.
PHRASE(primesFinding, QT_TRANSLATE_NOOP("Phrases", "Finding..."))
//: Status line after the numbers were edited: the results shown no longer hold.
PHRASE(numbersEdited, QT_TRANSLATE_NOOP("Phrases", ".."))
//: Title of the frame of the factors before a number was factorized. It must fit the frame's width.
PHRASE(factorsFrame, QT_TRANSLATE_NOOP("Phrases", "Factors of the 1st number"))

// Result captions.
//: Title of the frame of the factors. %1: the number factorized. It must fit the frame's width.
PHRASE(factorsFrameOf, QT_TRANSLATE_NOOP("Phrases", "Factors of the no. %1"))
//: HCF caption, and the last line of the HCF working. %1: the HCF, or its factors joined by the times sign, " = " and its value ("2 x 3 = 6").
PHRASE(hcfIs, QT_TRANSLATE_NOOP("Phrases", "HCF = %1"))
//: LCM caption, and the last line of the LCM working. %1: the LCM (it may have hundreds of digits), or its factors joined by the times sign, " = " and its value.
PHRASE(lcmIs, QT_TRANSLATE_NOOP("Phrases", "LCM = %1"))
//: LCM factors caption. %1: the factors joined by the times sign, and %1 STARTS WITH A BLANK (" 2 x 2 x 3"), so write no blank before it.
PHRASE(lcmFactorsAre, QT_TRANSLATE_NOOP("Phrases", "LCM Factors: %1"))
//: Prime count caption. %n: the number of primes found. English keeps "1 Primes" as the window has always shown it; write your language's correct forms. Keep it short.
COUNTED(primeCount, QT_TRANSLATE_N_NOOP("Phrases", "%n Primes"), "%n Primes")
//: The times sign that joins the factors of a product ("2 x 2 x 3"), with its blanks on both sides. Use the sign your school writes (" × " or " · ").
PHRASE(times, QT_TRANSLATE_NOOP("Phrases", " x "))
//: The equals sign between a product and its value ("2 x 3 = 6", "360 = 2^3 x 3^2 x 5"), with its blanks on both sides.
PHRASE(equals, QT_TRANSLATE_NOOP("Phrases", " = "))

// The elapsed milliseconds of each command.
//: Time caption of the factors. %1: whole milliseconds. Keep it short.
PHRASE(factorsTime, QT_TRANSLATE_NOOP("Phrases", "%1 ms (Factor)"))
//: Time caption of the HCF. %1: whole milliseconds. Keep it short.
PHRASE(hcfTime, QT_TRANSLATE_NOOP("Phrases", "%1 ms (HCF)"))
//: Time caption of the LCM. %1: whole milliseconds. Keep it short.
PHRASE(lcmTime, QT_TRANSLATE_NOOP("Phrases", "%1 ms (LCM)"))
//: Time caption of the primes. %1: whole milliseconds. Keep it short.
PHRASE(primesTime, QT_TRANSLATE_NOOP("Phrases", "%1 ms (Prime)"))

// Refusals, shown in a message box.
//: Refusal. %1: the word typed that is not a number (at most 40 characters, then "..."). Use your language's quotation marks.
PHRASE(notANumber, QT_TRANSLATE_NOOP("Phrases", "\"%1\" is not a number."))
//: Refusal. %1: the number typed that is too large or too small. Use your language's quotation marks; keep the two limits as digits.
PHRASE(outOfRange, QT_TRANSLATE_NOOP("Phrases", "\"%1\" is out of range: enter numbers from -2147483648 to 2147483647."))
//: Refusal when more numbers are typed than the program takes. %n: the most numbers it takes (101).
COUNTED(tooManyNumbers, QT_TRANSLATE_N_NOOP("Phrases", "Enter at most %n numbers."), "Enter at most %n number.")
//: Refusal when the numbers box is empty.
PHRASE(noNumbers, QT_TRANSLATE_NOOP("Phrases", "Enter at least one number."))
//: Refusal when the HCF is asked of one number.
PHRASE(hcfNeedsTwo, QT_TRANSLATE_NOOP("Phrases", "You must have two numbers to Find HCF."))
//: Refusal of a prime bound. %1: which box, 1 (from) or 2 (to).
PHRASE(invalidBound, QT_TRANSLATE_NOOP("Phrases", "Enter positive valid number in Box %1."))

// The working (the Steps page, the PDF and the text file).
//: Heading of the factors' working. %1: the number.
PHRASE(factorsOf, QT_TRANSLATE_NOOP("Phrases", "Factors of %1"))
//: The working of a number below 2, and the notice instead of its factor tree.
PHRASE(onlyAboveOne, QT_TRANSLATE_NOOP("Phrases", "Only numbers above 1 have prime factors."))
//: %1: a prime number (the last line of its working, and what its factor tree says).
PHRASE(isPrime, QT_TRANSLATE_NOOP("Phrases", "%1 is a prime number."))
//: A prime and its exponent in the factors' exponent form ("2^3" in "360 = 2^3 x 3^2 x 5"). %1: the prime, %2: the exponent (2 or more). The Steps text is plain text, so keep a form that needs no raised digits.
PHRASE(power, QT_TRANSLATE_NOOP("Phrases", "%1^%2"))
//: A prime and its exponent in words, as a screen reader says it. %1: the prime, %2: the exponent (2 or more).
PHRASE(powerInWords, QT_TRANSLATE_NOOP("Phrases", "%1 to the power %2"))
//: Heading of the HCF working. %1: the numbers, joined by the list separators.
PHRASE(hcfOf, QT_TRANSLATE_NOOP("Phrases", "HCF of %1"))
//: The HCF of two numbers, in the working. %1, %2: the two numbers. Followed by ":" (a heading) or " = " and the HCF.
PHRASE(hcfOfPair, QT_TRANSLATE_NOOP("Phrases", "HCF(%1, %2)"))
//: A heading line, followed by its working on the next lines. %1: what it heads, e.g. "HCF(12, 18)". French writes a no-break space before the colon.
PHRASE(heading, QT_TRANSLATE_NOOP("Phrases", "%1:"))
//: One division of Euclid's method. %1: the dividend, %2: the quotient, %3: the divisor, %4: the remainder ("18 = 1 x 12 + 6"). Write it in your school's order and signs; the placeholders may stand in any order ("%1 : %3 = %2 R %4").
PHRASE(euclidLine, QT_TRANSLATE_NOOP("Phrases", "%1 = %2 x %3 + %4"))
//: The line after the HCF's working when the fold reached 1 before the last number.
PHRASE(hcfAlreadyOne, QT_TRANSLATE_NOOP("Phrases", "The HCF is already 1: the other numbers cannot change it."))
//: Heading of the LCM working. %1: the numbers, joined by the list separators.
PHRASE(lcmOf, QT_TRANSLATE_NOOP("Phrases", "LCM of %1"))
//: The LCM working when a number is 0.
PHRASE(lcmZero, QT_TRANSLATE_NOOP("Phrases", "One of the numbers is 0, so the LCM is 0."))
//: Joins the numbers of a list ("12, 18, 30"), with its blank after it.
PHRASE(listSeparator, QT_TRANSLATE_NOOP("Phrases", ", "))
//: The end of a list of numbers in the working's headings. %1: the numbers before the last one (joined by the list separator), %2: the last one. English writes "12, 18, 30"; write "%1 and %2" where your language ends a list so.
PHRASE(listEnd, QT_TRANSLATE_NOOP("Phrases", "%1, %2"))
//: Joins the numbers of the sieve and of the primes found ("4 6 8 10"), with its blanks.
PHRASE(numberSeparator, QT_TRANSLATE_NOOP("Phrases", " "))
//: Heading of the primes' working. %1, %2: the bounds.
PHRASE(primesBetween, QT_TRANSLATE_NOOP("Phrases", "Primes between %1 and %2"))
//: A step of the sieve of Eratosthenes.
PHRASE(crossOutOne, QT_TRANSLATE_NOOP("Phrases", "Cross out 1: it is not a prime number."))
//: A step of the sieve of Eratosthenes. %1: a prime, %2: its multiples crossed out (joined by the number separator), or the word for "none".
PHRASE(crossOutMultiples, QT_TRANSLATE_NOOP("Phrases", "Cross out the multiples of %1: %2"))
//: Stands for the multiples crossed out when there are none ("Cross out the multiples of 7: none").
PHRASE(crossOutNone, QT_TRANSLATE_NOOP("Phrases", "none"))
//: The sieve's last step. %1: a prime, %2: its square, %3: the upper bound. "x" is the times sign.
PHRASE(sieveStops, QT_TRANSLATE_NOOP("Phrases", "%1 x %1 = %2 is above %3: the numbers left are prime."))
//: The sieve's result when no prime is left.
PHRASE(noPrimes, QT_TRANSLATE_NOOP("Phrases", "No primes."))
//: The sieve's result. %n: how many primes (1 or more), %1: the primes, joined by the number separator.
COUNTED(primesListed, QT_TRANSLATE_N_NOOP("Phrases", "%n primes: %1"), "%n prime: %1")
//: Instead of the sieve's steps, for a wide range.
PHRASE(sieveTooWide, QT_TRANSLATE_NOOP("Phrases", "The sieve is shown for ranges of up to 1000 numbers."))
//: The result of a wide range, whose primes are not listed. %n: how many primes.
COUNTED(primesCounted, QT_TRANSLATE_N_NOOP("Phrases", "%n primes."), "%n prime.")
//: The Working window's notice after an edit of the numbers.
PHRASE(numbersChanged, QT_TRANSLATE_NOOP("Phrases", "The numbers have changed: run a command to see its working."))
//: Atop each further page of a picture split across printed pages.
PHRASE(continued, QT_TRANSLATE_NOOP("Phrases", "(continued)"))

// The pictures of the working, and what a screen reader says of them.
//: The notice instead of a Venn diagram.
PHRASE(vennNotDrawn, QT_TRANSLATE_NOOP("Phrases", "A Venn diagram is drawn for two or three numbers, none of them 0."))
//: The notice instead of the sieve grid.
PHRASE(gridTooWide, QT_TRANSLATE_NOOP("Phrases", "The grid is drawn for ranges of up to 1000 numbers."))
//: A factor tree in words, for screen readers. %1: the number, %2: each split (joined by the part separator), or that the number is prime.
PHRASE(treeOf, QT_TRANSLATE_NOOP("Phrases", "Factor tree of %1: %2"))
//: One split of the factor tree, in words. %1: the number, %2 and %3: its two children.
PHRASE(split, QT_TRANSLATE_NOOP("Phrases", "%1 = %2 x %3"))
//: Joins the parts of a picture's description for screen readers, with its blank.
PHRASE(partSeparator, QT_TRANSLATE_NOOP("Phrases", "; "))
//: A Venn diagram in words, for screen readers. %1: the numbers ("8, 12 and 18"), %2: the regions that hold factors (joined by the part separator).
PHRASE(vennOf, QT_TRANSLATE_NOOP("Phrases", "Venn diagram of %1: %2"))
//: The end of a list said in words. %1: the numbers before the last one (joined by the list separator), %2: the last one ("8, 12" and "18").
PHRASE(lastOfList, QT_TRANSLATE_NOOP("Phrases", "%1 and %2"))
//: A region of a Venn diagram in words. %1: the number whose circle alone holds it, %2: its factors (joined by the list separator).
PHRASE(inOnly, QT_TRANSLATE_NOOP("Phrases", "in %1 only: %2"))
//: A region of a Venn diagram in words. %1: the numbers whose circles hold it ("12 and 18"), %2: its factors.
PHRASE(inShared, QT_TRANSLATE_NOOP("Phrases", "in %1: %2"))
//: A Venn diagram in words when no circle holds a factor.
PHRASE(noPrimeFactors, QT_TRANSLATE_NOOP("Phrases", "no prime factors"))
//: The sieve grid in words, for screen readers. %1, %2: the bounds, %3: the primes or that there are none.
PHRASE(gridOf, QT_TRANSLATE_NOOP("Phrases", "Grid of %1 to %2: %3"))
//: The primes of the sieve grid in words. %n: how many (1 or more), %1: the primes, joined by the list separator.
COUNTED(gridPrimes, QT_TRANSLATE_N_NOOP("Phrases", "the primes are %1"), "the prime is %1")
//: The sieve grid in words when it holds no prime.
PHRASE(gridNoPrimes, QT_TRANSLATE_NOOP("Phrases", "no primes"))
// The pictures' captions and the note on negative numbers.
//: The caption above a sieve grid. %1, %2: the range's bounds, %3: the count of primes in words (primeCountInWords, "25 primes").
PHRASE(gridCaption, QT_TRANSLATE_NOOP("Phrases", "Primes between %1 and %2: %3"))
//: A count of primes in the caption above a sieve grid ("Primes between 1 and 100: 25 primes"). %n: the count (0 or more).
COUNTED(primeCountInWords, QT_TRANSLATE_N_NOOP("Phrases", "%n primes"), "%n prime")
//: In the HCF and LCM working, right after the heading, and under a Venn diagram: the working uses a negative number's size. %1: the negative number ("-12"), %2: its size ("12").
PHRASE(takenAsSize, QT_TRANSLATE_NOOP("Phrases", "%1 is taken as %2."))

// Practice: the questions, the verdicts on a pupil's answer, the hints and the score.
//: The word a pupil types to answer that a number is prime, read in any letter case ("prime" is always read too). One word, as pupils write it.
PHRASE(primeWord, QT_TRANSLATE_NOOP("Phrases", "prime"))
//: A practice question. %1: the number to factorize.
PHRASE(askFactors, QT_TRANSLATE_NOOP("Phrases", "Write %1 as a product of prime factors."))
//: A practice question. %1, %2: the two numbers. Use your school's name for the HCF.
PHRASE(askHcfOfTwo, QT_TRANSLATE_NOOP("Phrases", "Find the HCF of %1 and %2."))
//: A practice question. %1, %2, %3: the three numbers. Use your school's name for the HCF.
PHRASE(askHcfOfThree, QT_TRANSLATE_NOOP("Phrases", "Find the HCF of %1, %2 and %3."))
//: A practice question. %1, %2: the two numbers. Use your school's name for the LCM.
PHRASE(askLcmOfTwo, QT_TRANSLATE_NOOP("Phrases", "Find the LCM of %1 and %2."))
//: A practice question. %1, %2, %3: the three numbers. Use your school's name for the LCM.
PHRASE(askLcmOfThree, QT_TRANSLATE_NOOP("Phrases", "Find the LCM of %1, %2 and %3."))
//: A practice question. %1: the number.
PHRASE(askPrimeOrNot, QT_TRANSLATE_NOOP("Phrases", "Is %1 a prime number? If not, write it as a product of two smaller numbers."))
//: The verdict on a right answer. %1: what was found: "360 = 2^3 x 3^2 x 5", "HCF = 6", "LCM = 36", "91 = 7 x 13" or "97 is a prime number.".
PHRASE(right, QT_TRANSLATE_NOOP("Phrases", "Right! %1"))
//: The verdict when Check is pressed with nothing typed.
PHRASE(noAnswer, QT_TRANSLATE_NOOP("Phrases", "Type your answer first."))
//: The verdict on an answer that cannot be read. %1: the part of the answer not understood, as typed.
PHRASE(cannotRead, QT_TRANSLATE_NOOP("Phrases", "I can't read \"%1\"."))
//: The verdict on an answer with a number or exponent far too large. %1: that number or exponent, as typed.
PHRASE(tooBig, QT_TRANSLATE_NOOP("Phrases", "\"%1\" is too big for this question."))
//: The verdict on prime factors that include 1.
PHRASE(oneIsNotPrime, QT_TRANSLATE_NOOP("Phrases", "1 is not a prime number."))
//: The verdict on prime factors that include a composite. %1: that factor, %2: its split, smallest factor first ("3 x 3").
PHRASE(factorNotPrime, QT_TRANSLATE_NOOP("Phrases", "%1 is not prime: %1 = %2."))
//: The verdict on primes whose product is not the number asked. %1: their product, %2: the number asked.
PHRASE(multiplyTo, QT_TRANSLATE_NOOP("Phrases", "These multiply to %1, not %2."))
//: The verdict on primes whose product is far too large to write. %1: the number asked.
PHRASE(multiplyToFarMore, QT_TRANSLATE_NOOP("Phrases", "These multiply to far more than %1."))
//: The verdict on an HCF answer. %1: the answer, %2: the first number of the question it does not divide.
PHRASE(notAFactor, QT_TRANSLATE_NOOP("Phrases", "%1 is not a factor of %2."))
//: The verdict on an HCF answer that divides every number but is not the HCF. %1: the answer.
PHRASE(commonFactorNotHighest, QT_TRANSLATE_NOOP("Phrases", "%1 is a common factor, but not the highest."))
//: The verdict on an LCM answer. %1: the answer, %2: the first number of the question that does not divide it.
PHRASE(notAMultiple, QT_TRANSLATE_NOOP("Phrases", "%1 is not a multiple of %2."))
//: The verdict on an LCM answer that every number divides but is not the LCM. %1: the answer.
PHRASE(commonMultipleNotLowest, QT_TRANSLATE_NOOP("Phrases", "%1 is a common multiple, but not the lowest."))
//: The verdict on an answer "product = number" whose sides differ. %1: the product as written ("2 x 3"), %2: the number after the equals sign.
PHRASE(sidesDiffer, QT_TRANSLATE_NOOP("Phrases", "%1 is not %2."))
//: The verdict on "prime" for a number that is not prime. %1: the number asked.
PHRASE(compositeCalledPrime, QT_TRANSLATE_NOOP("Phrases", "%1 is not prime: it has a factor other than 1 and itself."))
//: The verdict on a product that does not give the number asked. %1: the product as written ("7 x 13"), %2: its value, %3: the number asked.
PHRASE(productIsNot, QT_TRANSLATE_NOOP("Phrases", "%1 = %2, not %3."))
//: The verdict on a product far too large to work out. %1: the product as written, %2: the number asked.
PHRASE(productFarMore, QT_TRANSLATE_NOOP("Phrases", "%1 is far more than %2."))
//: The verdict on a product that gives the number asked only by using 1.
PHRASE(useNumbersAboveOne, QT_TRANSLATE_NOOP("Phrases", "Use numbers above 1."))
//: The verdict on "prime or not" answered with a single number. %1: the word for prime, %2: the number asked.
PHRASE(primeOrProduct, QT_TRANSLATE_NOOP("Phrases", "Write \"%1\", or write %2 as a product of two smaller numbers."))
//: A hint: one exact division. %1 divided by %2 gives %3.
PHRASE(division, QT_TRANSLATE_NOOP("Phrases", "%1 ÷ %2 = %3"))
//: A hint: one division with a remainder. %1 divided by %2 gives %3, remainder %4.
PHRASE(divisionLeaves, QT_TRANSLATE_NOOP("Phrases", "%1 ÷ %2 = %3 r %4"))
//: A hint: one row of the LCM ladder. %1: the divisor, %2: the numbers of the row, two blanks apart.
PHRASE(ladderRow, QT_TRANSLATE_NOOP("Phrases", "%1 | %2"))
//: A hint: the numbers left under the LCM ladder. %1: the numbers, two blanks apart.
PHRASE(ladderRemains, QT_TRANSLATE_NOOP("Phrases", "What remains: %1"))
//: A hint: the primes to try as divisors. %1: the number asked, %2: the primes up to its square root, joined by the list separator.
PHRASE(primesToTry, QT_TRANSLATE_NOOP("Phrases", "Try the primes up to √%1: %2"))
//: A hint when no prime is small enough to try. %1: the number asked (2 or 3).
PHRASE(noPrimesToTry, QT_TRANSLATE_NOOP("Phrases", "No prime is at most √%1."))
//: A hint: the number splits, so it is not prime. %1: the number, %2 x %3: its split.
PHRASE(isNotPrime, QT_TRANSLATE_NOOP("Phrases", "%1 = %2 x %3: %1 is not prime."))
//: The practice score. %1: this question's place in the round, %2: the questions in a round, %n: the questions right first time so far.
COUNTED(score, QT_TRANSLATE_N_NOOP("Phrases", "Question %1 of %2 · %n right first time"), "Question %1 of %2 · %n right first time")
//: The score at a round's end. %n: the questions right first time, %1: the questions in a round, %2: whole minutes, %3: seconds.
COUNTED(roundOver, QT_TRANSLATE_N_NOOP("Phrases", "Round over: %n of %1 right first time in %2 min %3 s."), "Round over: %n of %1 right first time in %2 min %3 s.")
//: The score at a round's end under a minute. %n: the questions right first time, %1: the questions in a round, %2: seconds.
COUNTED(roundOverSeconds, QT_TRANSLATE_N_NOOP("Phrases", "Round over: %n of %1 right first time in %2 s."), "Round over: %n of %1 right first time in %2 s.")

// Worksheets: the sheet of questions and its answer key.
//: The title of a worksheet, the same for every choice of kinds.
PHRASE(sheetTitle, QT_TRANSLATE_NOOP("Phrases", "Worksheet: prime factors, HCF and LCM"))
//: On a worksheet, before a line where the pupil writes their name.
PHRASE(sheetName, QT_TRANSLATE_NOOP("Phrases", "Name:"))
//: On a worksheet, before a line where the pupil writes the date.
PHRASE(sheetDate, QT_TRANSLATE_NOOP("Phrases", "Date:"))
//: Under a worksheet's title: what makes the same sheet again. %1: the level, 1 to 3, %2: the seed, a whole number.
PHRASE(sheetLevelSeed, QT_TRANSLATE_NOOP("Phrases", "Level %1 · seed %2"))
//: The footer of every page of a worksheet. %1: the level, %2: the seed, %3: this page, %4: the pages.
PHRASE(sheetFooter, QT_TRANSLATE_NOOP("Phrases", "Level %1 · seed %2 · page %3 of %4"))
//: The number of a question on a worksheet, and of its answer. %1: the number.
PHRASE(sheetNumber, QT_TRANSLATE_NOOP("Phrases", "%1."))
//: The heading of a worksheet's answer key.
PHRASE(sheetAnswers, QT_TRANSLATE_NOOP("Phrases", "Answers"))
//: In a worksheet's answer key: a number that is not prime. %1: the number split in two, "91 = 7 x 13".
PHRASE(notPrimeAnswer, QT_TRANSLATE_NOOP("Phrases", "%1, not prime"))
