#pragma once

#include <string>
#include <utility>

namespace numbers {

// The outcome of a step that may refuse its input: either ok, or refused with
// the message to show the user.
class Status {
public:
    // A default status is ok.
    Status() = default;
    // A successful outcome with no message.
    static Status ok() { return Status(); }
    // A refusal carrying the text to show the user.
    static Status refused(std::string message) { return Status(std::move(message)); }

    bool isOk() const { return !refused_; }
    const std::string &message() const { return message_; }

private:
    explicit Status(std::string message) : refused_(true), message_(std::move(message)) {}

    bool refused_ = false;
    std::string message_;
};

} // namespace numbers
