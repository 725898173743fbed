// Exception classes of the core. Every failure carries a Portuguese message for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace talvek {

// General exception: the message is shown to the user as it stands.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

// Arithmetic fault (division by zero, logarithm or root of an invalid number, overflow),
// raised at the operation by the checked helpers of Aritmetica.h.
class EAritmetica : public Exception {
public:
    using Exception::Exception;
};

}  // namespace talvek
