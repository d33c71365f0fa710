#pragma once

#include <string>

namespace numbers {

// Every phrase the results, their working and the refusals are made of, in
// English. Texts builds each text a user reads from this one table, so a
// translation fills in one table (the window's own translated copy); numbers
// are always filled in as plain decimal digits. "%1", "%2" stand for what is
// filled in.
struct Phrases {
    // Captions written before a command's work, and by an edit of the numbers.
    std::string factorsWaiting = "Factors ??";
    std::string hcfWaiting = "HCF ?";
    std::string lcmWaiting = "LCM ?";
    std::string lcmFactorsWaiting = "LCM Factors ??";
    std::string pleaseWait = "Pl. wait...";
    std::string primeTimeWaiting = "Prime Time?";
    std::string primesFinding = "Finding...";
    std::string numbersEdited = "..";
    std::string factorsFrame = "Factors of the 1st number";

    // Result captions.
    std::string factorsFrameOf = "Factors of the no. %1";
    std::string hcfIs = "HCF = %1";
    std::string lcmIs = "LCM = %1";
    std::string lcmFactorsAre = "LCM Factors: %1"; // %1 starts with a blank
    std::string primeCount = "%1 Primes";
    std::string times = " x ";                     // joins the factors of a product

    // The elapsed milliseconds of each command.
    std::string factorsTime = "%1 ms (Factor)";
    std::string hcfTime = "%1 ms (HCF)";
    std::string lcmTime = "%1 ms (LCM)";
    std::string primesTime = "%1 ms (Prime)";

    // Refusals.
    std::string notANumber = "\"%1\" is not a number.";
    std::string outOfRange = "\"%1\" is out of range: enter numbers from -2147483648 to 2147483647.";
    std::string tooManyNumbers = "Enter at most 101 numbers.";
    std::string noNumbers = "Enter at least one number.";
    std::string hcfNeedsTwo = "You must have two numbers to Find HCF.";
    std::string invalidBound = "Enter positive valid number in Box %1.";

    // The working.
    std::string factorsOf = "Factors of %1";
    std::string onlyAboveOne = "Only numbers above 1 have prime factors.";
    std::string isPrime = "%1 is a prime number.";
    std::string hcfOf = "HCF of %1";             // %1: the numbers joined by listSeparator
    std::string hcfOfPair = "HCF(%1, %2)";
    std::string hcfAlreadyOne = "The HCF is already 1: the other numbers cannot change it.";
    std::string lcmOf = "LCM of %1";
    std::string lcmZero = "One of the numbers is 0, so the LCM is 0.";
    std::string listSeparator = ", ";
    std::string primesBetween = "Primes between %1 and %2";
    std::string crossOutOne = "Cross out 1: it is not a prime number.";
    std::string crossOutMultiples = "Cross out the multiples of %1: %2"; // %2: the numbers, one blank apart
    std::string crossOutNone = "none";
    std::string sieveStops = "%1 x %1 = %2 is above %3: the numbers left are prime.";
    std::string noPrimes = "No primes.";
    std::string onePrime = "1 prime: %1";
    std::string somePrimes = "%1 primes: %2";
    std::string sieveTooWide = "The sieve is shown for ranges of up to 1000 numbers.";
    std::string primesCounted = "%1 primes.";
    std::string numbersChanged = "The numbers have changed: run a command to see its working.";

    // The pictures of the working, and what a screen reader says of them.
    std::string vennNotDrawn = "A Venn diagram is drawn for two or three numbers, none of them 0.";
    std::string gridTooWide = "The grid is drawn for ranges of up to 1000 numbers.";
    std::string treeOf = "Factor tree of %1: %2";  // %2: each split, or the number is prime
    std::string split = "%1 = %2 x %3";           // a composite of the tree and its two children
    std::string partSeparator = "; ";             // between the parts of a picture's description
    std::string vennOf = "Venn diagram of %1: %2"; // %2: the regions that hold factors
    std::string lastOfList = "%1 and %2";          // "8, 12" and "18": a list of numbers ends so
    std::string inOnly = "in %1 only: %2";         // %2: the factors, joined by listSeparator
    std::string inShared = "in %1: %2";            // %1: the numbers whose circles hold the region
    std::string noPrimeFactors = "no prime factors";
    std::string gridOf = "Grid of %1 to %2: %3";
    std::string gridSomePrimes = "the primes are %1";
    std::string gridOnePrime = "the prime is %1";
    std::string gridNoPrimes = "no primes";

    // Practice: the questions. Numbers in plain decimal digits.
    std::string primeWord = "prime";   // the word a pupil types for a prime, read in any letter case
    std::string askFactors = "Write %1 as a product of prime factors.";
    std::string askHcfOfTwo = "Find the HCF of %1 and %2.";
    std::string askHcfOfThree = "Find the HCF of %1, %2 and %3.";
    std::string askLcmOfTwo = "Find the LCM of %1 and %2.";
    std::string askLcmOfThree = "Find the LCM of %1, %2 and %3.";
    std::string askPrimeOrNot = "Is %1 a prime number? If not, write it as a product of two smaller numbers.";

    // Practice: the verdicts. A product is its factors joined by times, a power written "2^3".
    std::string right = "Right! %1";  // %1: "360 = 2^3 x 3^2 x 5", "HCF = 6", "LCM = 36", "91 = 7 x 13" or isPrime
    std::string cannotRead = "I can't read \"%1\".";             // %1: the part of the answer not understood
    std::string tooBig = "\"%1\" is too big for this question."; // %1: the number or exponent as typed
    std::string oneIsNotPrime = "1 is not a prime number.";
    std::string factorNotPrime = "%1 is not prime: %1 = %2.";   // %1: the factor; %2: its smallest split, "3 x 3"
    std::string multiplyTo = "These multiply to %1, not %2.";   // %1: the product; %2: the number asked
    std::string multiplyToFarMore = "These multiply to far more than %1."; // %1: the number asked
    std::string notAFactor = "%1 is not a factor of %2.";       // %1: the answer; %2: a number of the question
    std::string commonFactorNotHighest = "%1 is a common factor, but not the highest."; // %1: the answer
    std::string notAMultiple = "%1 is not a multiple of %2.";   // %1: the answer; %2: a number of the question
    std::string commonMultipleNotLowest = "%1 is a common multiple, but not the lowest."; // %1: the answer
    std::string sidesDiffer = "%1 is not %2.";                  // %1: the product written; %2: the number after "="
    std::string compositeCalledPrime = "%1 is not prime: it has a factor other than 1 and itself."; // %1: the number asked
    std::string productIsNot = "%1 = %2, not %3.";              // %1: the product written; %2: its value; %3: the number asked
    std::string productFarMore = "%1 is far more than %2.";     // %1: the product written; %2: the number asked
    std::string useNumbersAboveOne = "Use numbers above 1.";
    std::string primeOrProduct = "Write \"%1\", or write %2 as a product of two smaller numbers."; // %1: primeWord; %2: the number asked

    // Practice: the hints, one step of the working each.
    std::string division = "%1 \u00F7 %2 = %3";                 // "360 ÷ 2 = 180"
    std::string divisionLeaves = "%1 \u00F7 %2 = %3 r %4";      // %4: the remainder, "91 ÷ 2 = 45 r 1"
    std::string euclidDivision = "%1 = %2 x %3 + %4";           // a = q x b + r
    std::string ladderRow = "%1 | %2";                           // %1: the divisor; %2: the row, numbers two blanks apart
    std::string ladderRemains = "What remains: %1";              // %1: the last row, numbers two blanks apart
    std::string primesToTry = "Try the primes up to \u221A%1: %2"; // %1: the number asked; %2: the primes, joined by listSeparator
    std::string noPrimesToTry = "No prime is at most \u221A%1.";     // %1: the number asked (2 or 3)
    std::string isNotPrime = "%1 = %2 x %3: %1 is not prime.";  // %1: the number; %2 x %3: its split

    // Practice: the score.
    std::string score = "Question %1 of %2 \u00B7 %3 right first time"; // %1: this question; %2: questions in the round; %3: right first time
    std::string roundOver = "Round over: %1 of %2 right first time in %3 min %4 s."; // %3 minutes and %4 seconds taken
    std::string roundOverSeconds = "Round over: %1 of %2 right first time in %3 s.";  // %3: seconds taken, under a minute

    // Worksheets: the sheet of questions and its answer key.
    std::string sheetTitle = "Worksheet: prime factors, HCF and LCM"; // the same for every choice of kinds
    std::string sheetName = "Name:";   // followed by a line to write on
    std::string sheetDate = "Date:";   // followed by a line to write on
    std::string sheetLevelSeed = "Level %1 \u00B7 seed %2"; // %1: the level, 1 to 3; %2: the seed that makes the sheet again
    std::string sheetFooter = "Level %1 \u00B7 seed %2 \u00B7 page %3 of %4"; // on every page; %3: this page; %4: the pages
    std::string sheetNumber = "%1.";   // %1: the number of a question, and of its answer
    std::string sheetAnswers = "Answers"; // the heading of the answer key
    std::string equation = "%1 = %2"; // a number and its prime factors, "360 = 2^3 x 3^2 x 5", or a product and its value, "2 x 3 = 6"
    std::string notPrimeAnswer = "%1, not prime"; // %1: the number split in two, "91 = 7 x 13"

    friend bool operator==(const Phrases &, const Phrases &) = default;
};

} // namespace numbers
