// One result type for everything that can fail: a value, or an error that
// says what went wrong in words the designer can act on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace zephlo {

enum class ErrorKind {
  Missing,       // no file at the path
  Unreadable,    // exists but cannot be read, or is not a regular file
  ForeignFormat, // another game's file
  Unrecognized,  // not a mission file at all
  Damaged,       // a mission file that ends early or claims more than it holds
  TooLarge,      // larger than any mission can be
  WriteFailed,   // the file could not be written
  Refused,       // an edit that the mission cannot take (a limit of the format)
  BadInput,      // an argument or value out of range
};

struct Error {
  ErrorKind kind = ErrorKind::BadInput;
  std::string message; // names the file (where there is one) and what is wrong
  // Reading: the section being read and the byte offset in the file.
  std::string section;
  std::optional<std::size_t> offset;
};

template <class T> class Result {
public:
  Result(T value) : value_(std::move(value)) {}
  Result(Error error) : error_(std::move(error)) {}

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  const Error& error() const { return error_; }

private:
  std::optional<T> value_;
  Error error_;
};

template <> class Result<void> {
public:
  Result() = default;
  Result(Error error) : failed_(true), error_(std::move(error)) {}

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return error_; }

private:
  bool failed_ = false;
  Error error_;
};

using Status = Result<void>;

inline Error makeError(ErrorKind kind, std::string message) {
  Error e;
  e.kind = kind;
  e.message = std::move(message);
  return e;
}

} // namespace zephlo
