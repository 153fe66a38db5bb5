#pragma once

#include <exception>
#include <memory>
#include <string>

// The framework's exception classes. `Message` and `ErrorNumber` as the
// framework names them; `what()` gives the message too.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = {}, int errorNumber = 0)
        : Message(std::move(message)), ErrorNumber(errorNumber) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
    int ErrorNumber = 0;
};

class IOException : public RuntimeException {
    using RuntimeException::RuntimeException;
};

class JSONException : public RuntimeException {
    using RuntimeException::RuntimeException;
};

class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(std::string message = "This object is Nil.")
        : RuntimeException(std::move(message)) {}
};

class OutOfBoundsException : public RuntimeException {
    using RuntimeException::RuntimeException;
};

class KeyNotFoundException : public RuntimeException {
    using RuntimeException::RuntimeException;
};

class RegExException : public RuntimeException {
    using RuntimeException::RuntimeException;
};

class RegExSearchPatternException : public RegExException {
    using RegExException::RegExException;
};

class TypeMismatchException : public RuntimeException {
    using RuntimeException::RuntimeException;
};

// The object a shared reference holds. An access through none raises
// NilObjectException, as every access of the framework through none does.
template <class T> T& Deref(const std::shared_ptr<T>& object) {
    if (!object)
        throw NilObjectException();
    return *object;
}
