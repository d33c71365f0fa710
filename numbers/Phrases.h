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

    friend bool operator==(const Phrases &, const Phrases &) = default;
};

} // namespace numbers
