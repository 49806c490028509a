#pragma once

#include <stdexcept>
#include <string>

namespace pixlin {

// The program's run-time error: a number and a description, reported by the
// guard around every window handler.
class RunError : public std::runtime_error {
public:
    RunError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}

    int number() const noexcept { return number_; }

private:
    int number_;
};

inline constexpr int kOverflowErrorNumber = 6;
inline constexpr int kOutOfMemoryErrorNumber = 7;

[[noreturn]] inline void ThrowOverflow() {
    throw RunError(kOverflowErrorNumber, "Overflow");
}

// The system refused a resource a step needs (a bitmap, a DC, a region): the step fails like any other, which is not
// the same as the program running out of memory (std::bad_alloc), which no step survives.
[[noreturn]] inline void ThrowOutOfResources() {
    throw RunError(kOutOfMemoryErrorNumber, "Out of memory");
}

}  // namespace pixlin
