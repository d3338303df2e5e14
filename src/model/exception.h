#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Base of every error the core raises. The message is UTF-8 text meant for the
// user; the desktop program shows it as it stands.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string &message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Typed value stream errors: "Invalid property value", "Stream read error".
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// "Stream write error" and the failures of writing a file.
class EWriteError : public Exception {
public:
    using Exception::Exception;
};

// "Cannot open file %s".
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// "Cannot create file %s".
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// List and index errors ("List index out of bounds (%d)", "Index out of range ...").
class EListError : public Exception {
public:
    using Exception::Exception;
};

// Misuse of an update bracket ("Disabled disorder ...").
class EUpdateError : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char *kInvalidPropertyValue = "Invalid property value";
inline constexpr const char *kStreamReadError = "Stream read error";
inline constexpr const char *kStreamWriteError = "Stream write error";

// Texts every file reader raises (Spanish built-in, localized by the language files).
inline constexpr uint16_t kTextNotAValidFormat = 40003; // "No es un formato de archivo válido"
inline constexpr uint16_t kTextNewerFileVersion =
    40004; // "La versión del archivo es superior a la actual, ..."
