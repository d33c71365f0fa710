#pragma once

#include <string>
#include <utility>

namespace numbers {

// Why a step refused its input. The message a user reads is made from it by
// Texts::refusal.
enum class Refusal {
    None,
    NotANumber,      // a token of the numbers box is not numeric
    OutOfRange,      // a token's value lies outside the 32-bit range
    TooManyNumbers,  // a 102nd number
    NoNumbers,       // the factors and the LCM need one number at least
    HcfNeedsTwo,     // the HCF needs two numbers at least
    InvalidBound,    // a prime bound box holds no number from 1 to 225000
};

// The outcome of a step that may refuse its input: ok, or a refusal with what
// its message names: the offending token as typed, or the bound box's number.
class Status {
public:
    // A default status is ok.
    Status() = default;
    static Status ok() { return Status(); }
    static Status refused(Refusal reason, std::string token = {}) { return Status(reason, std::move(token), 0); }
    static Status refusedBound(int boxNumber) { return Status(Refusal::InvalidBound, {}, boxNumber); }

    bool isOk() const { return reason_ == Refusal::None; }
    Refusal reason() const { return reason_; }
    const std::string &token() const { return token_; }
    int boxNumber() const { return boxNumber_; }

private:
    Status(Refusal reason, std::string token, int boxNumber)
        : reason_(reason), token_(std::move(token)), boxNumber_(boxNumber)
    {
    }

    Refusal reason_ = Refusal::None;
    std::string token_;
    int boxNumber_ = 0;
};

} // namespace numbers
