#include "TranslatedPhrases.h"

#include <QCoreApplication>

namespace {

std::string text(const char *english)
{
    return QCoreApplication::translate("Phrases", english).toStdString();
}

std::string primeCountInWords(std::int64_t count)
{
    //: A count of primes in the caption above a sieve grid ("Primes between 1 and 100: 25 primes").
    const QString words = QCoreApplication::translate("Phrases", "%n primes", nullptr, static_cast<int>(count));
    // Untranslated, the source has one form only; English says "1 prime".
    if (words == QStringLiteral("%1 primes").arg(count))
        return numbers::Phrases{}.primeCountInWords(count);
    return words.toStdString();
}

} // namespace

// Each phrase once more as its English source, where lupdate finds it; a test
// checks that, untranslated, this table is numbers::Phrases itself.
numbers::Phrases translatedPhrases()
{
    numbers::Phrases phrases;
    phrases.factorsWaiting = text(QT_TRANSLATE_NOOP("Phrases", "Factors ??"));
    phrases.hcfWaiting = text(QT_TRANSLATE_NOOP("Phrases", "HCF ?"));
    phrases.lcmWaiting = text(QT_TRANSLATE_NOOP("Phrases", "LCM ?"));
    phrases.lcmFactorsWaiting = text(QT_TRANSLATE_NOOP("Phrases", "LCM Factors ??"));
    phrases.pleaseWait = text(QT_TRANSLATE_NOOP("Phrases", "Pl. wait..."));
    phrases.primeTimeWaiting = text(QT_TRANSLATE_NOOP("Phrases", "Prime Time?"));
    phrases.primesFinding = text(QT_TRANSLATE_NOOP("Phrases", "Finding..."));
    phrases.numbersEdited = text(QT_TRANSLATE_NOOP("Phrases", ".."));
    phrases.factorsFrame = text(QT_TRANSLATE_NOOP("Phrases", "Factors of the 1st number"));
    phrases.factorsFrameOf = text(QT_TRANSLATE_NOOP("Phrases", "Factors of the no. %1"));
    phrases.hcfIs = text(QT_TRANSLATE_NOOP("Phrases", "HCF = %1"));
    phrases.lcmIs = text(QT_TRANSLATE_NOOP("Phrases", "LCM = %1"));
    phrases.lcmFactorsAre = text(QT_TRANSLATE_NOOP("Phrases", "LCM Factors: %1"));
    phrases.primeCount = text(QT_TRANSLATE_NOOP("Phrases", "%1 Primes"));
    phrases.times = text(QT_TRANSLATE_NOOP("Phrases", " x "));
    phrases.factorsTime = text(QT_TRANSLATE_NOOP("Phrases", "%1 ms (Factor)"));
    phrases.hcfTime = text(QT_TRANSLATE_NOOP("Phrases", "%1 ms (HCF)"));
    phrases.lcmTime = text(QT_TRANSLATE_NOOP("Phrases", "%1 ms (LCM)"));
    phrases.primesTime = text(QT_TRANSLATE_NOOP("Phrases", "%1 ms (Prime)"));
    phrases.notANumber = text(QT_TRANSLATE_NOOP("Phrases", "\"%1\" is not a number."));
    phrases.outOfRange = text(QT_TRANSLATE_NOOP("Phrases", "\"%1\" is out of range: enter numbers from -2147483648 to 2147483647."));
    phrases.tooManyNumbers = text(QT_TRANSLATE_NOOP("Phrases", "Enter at most 101 numbers."));
    phrases.noNumbers = text(QT_TRANSLATE_NOOP("Phrases", "Enter at least one number."));
    phrases.hcfNeedsTwo = text(QT_TRANSLATE_NOOP("Phrases", "You must have two numbers to Find HCF."));
    phrases.invalidBound = text(QT_TRANSLATE_NOOP("Phrases", "Enter positive valid number in Box %1."));
    phrases.factorsOf = text(QT_TRANSLATE_NOOP("Phrases", "Factors of %1"));
    phrases.onlyAboveOne = text(QT_TRANSLATE_NOOP("Phrases", "Only numbers above 1 have prime factors."));
    phrases.isPrime = text(QT_TRANSLATE_NOOP("Phrases", "%1 is a prime number."));
    phrases.hcfOf = text(QT_TRANSLATE_NOOP("Phrases", "HCF of %1"));
    phrases.hcfOfPair = text(QT_TRANSLATE_NOOP("Phrases", "HCF(%1, %2)"));
    phrases.hcfAlreadyOne = text(QT_TRANSLATE_NOOP("Phrases", "The HCF is already 1: the other numbers cannot change it."));
    phrases.lcmOf = text(QT_TRANSLATE_NOOP("Phrases", "LCM of %1"));
    phrases.lcmZero = text(QT_TRANSLATE_NOOP("Phrases", "One of the numbers is 0, so the LCM is 0."));
    phrases.listSeparator = text(QT_TRANSLATE_NOOP("Phrases", ", "));
    phrases.primesBetween = text(QT_TRANSLATE_NOOP("Phrases", "Primes between %1 and %2"));
    phrases.crossOutOne = text(QT_TRANSLATE_NOOP("Phrases", "Cross out 1: it is not a prime number."));
    phrases.crossOutMultiples = text(QT_TRANSLATE_NOOP("Phrases", "Cross out the multiples of %1: %2"));
    phrases.crossOutNone = text(QT_TRANSLATE_NOOP("Phrases", "none"));
    phrases.sieveStops = text(QT_TRANSLATE_NOOP("Phrases", "%1 x %1 = %2 is above %3: the numbers left are prime."));
    phrases.noPrimes = text(QT_TRANSLATE_NOOP("Phrases", "No primes."));
    phrases.onePrime = text(QT_TRANSLATE_NOOP("Phrases", "1 prime: %1"));
    phrases.somePrimes = text(QT_TRANSLATE_NOOP("Phrases", "%1 primes: %2"));
    phrases.sieveTooWide = text(QT_TRANSLATE_NOOP("Phrases", "The sieve is shown for ranges of up to 1000 numbers."));
    phrases.primesCounted = text(QT_TRANSLATE_NOOP("Phrases", "%1 primes."));
    phrases.numbersChanged = text(QT_TRANSLATE_NOOP("Phrases", "The numbers have changed: run a command to see its working."));
    phrases.continued = text(QT_TRANSLATE_NOOP("Phrases", "(continued)"));
    phrases.vennNotDrawn = text(QT_TRANSLATE_NOOP("Phrases", "A Venn diagram is drawn for two or three numbers, none of them 0."));
    phrases.gridTooWide = text(QT_TRANSLATE_NOOP("Phrases", "The grid is drawn for ranges of up to 1000 numbers."));
    phrases.treeOf = text(QT_TRANSLATE_NOOP("Phrases", "Factor tree of %1: %2"));
    phrases.split = text(QT_TRANSLATE_NOOP("Phrases", "%1 = %2 x %3"));
    phrases.partSeparator = text(QT_TRANSLATE_NOOP("Phrases", "; "));
    phrases.vennOf = text(QT_TRANSLATE_NOOP("Phrases", "Venn diagram of %1: %2"));
    phrases.lastOfList = text(QT_TRANSLATE_NOOP("Phrases", "%1 and %2"));
    phrases.inOnly = text(QT_TRANSLATE_NOOP("Phrases", "in %1 only: %2"));
    phrases.inShared = text(QT_TRANSLATE_NOOP("Phrases", "in %1: %2"));
    phrases.noPrimeFactors = text(QT_TRANSLATE_NOOP("Phrases", "no prime factors"));
    phrases.gridOf = text(QT_TRANSLATE_NOOP("Phrases", "Grid of %1 to %2: %3"));
    phrases.gridSomePrimes = text(QT_TRANSLATE_NOOP("Phrases", "the primes are %1"));
    phrases.gridOnePrime = text(QT_TRANSLATE_NOOP("Phrases", "the prime is %1"));
    phrases.gridNoPrimes = text(QT_TRANSLATE_NOOP("Phrases", "no primes"));
    //: The caption above a sieve grid: %1 and %2 the range's bounds, %3 the count of primes ("25 primes").
    phrases.gridCaption = text(QT_TRANSLATE_NOOP("Phrases", "Primes between %1 and %2: %3"));
    phrases.primeCountInWords = {primeCountInWords};
    //: A prime and its exponent in a picture's words for screen readers: "2 to the power 3".
    phrases.powerInWords = text(QT_TRANSLATE_NOOP("Phrases", "%1 to the power %2"));
    //: Between a product and its value in the sums under a Venn diagram; blanks on both sides.
    phrases.equals = text(QT_TRANSLATE_NOOP("Phrases", " = "));
    //: In the HCF and LCM working and under a Venn diagram: a negative number %1 and its size %2 ("-12 is taken as 12.").
    phrases.takenAsSize = text(QT_TRANSLATE_NOOP("Phrases", "%1 is taken as %2."));
    return phrases;
}
