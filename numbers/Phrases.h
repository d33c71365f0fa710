#pragma once

#include <cstdint>
#include <string>

namespace numbers {

// A phrase holding a count, in the form the language uses for that count
// ("1 prime", "25 primes"); the window's translated table fills it from
// tr() with %n. Two are equal when they say the same for counts that choose
// different forms in some language.
struct CountedPhrase {
    std::string (*forms)(std::int64_t count) = nullptr;

    std::string operator()(std::int64_t count) const { return forms(count); }
    friend bool operator==(const CountedPhrase &a, const CountedPhrase &b)
    {
        for (const std::int64_t count : {0, 1, 2, 3, 5, 11, 12, 21, 22, 25, 101, 111, 1000})
            if (a(count) != b(count))
                return false;
        return true;
    }
};

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
    std::string continued = "(continued)"; // atop each further page of a picture split across pages

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

    // Added with the pictures' school typography, bands of hundred squares and
    // the note on negative numbers.
    std::string gridCaption = "Primes between %1 and %2: %3"; // above a sieve grid; %3: primeCountInWords
    // "%n primes" in the language's plural form for the count.
    CountedPhrase primeCountInWords{[](std::int64_t count) { return std::to_string(count) + (count == 1 ? " prime" : " primes"); }};
    std::string powerInWords = "%1 to the power %2"; // a prime and its exponent, as a screen reader says 2^3
    std::string equals = " = ";                       // between a product and its value in a picture's sum
    std::string takenAsSize = "%1 is taken as %2.";   // a negative number %1 and its size %2, used in its place

    friend bool operator==(const Phrases &, const Phrases &) = default;
};

} // namespace numbers
