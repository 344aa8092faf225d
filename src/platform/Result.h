#pragma once
// Result<T>: what an operation that can fail returns, either its value or the text of its error.
// Every such operation of the core returns one, so an error is never mistaken for a value and
// an ignored error does not compile silently ([[nodiscard]]; warnings are errors in CI).
//
//   Result<Crossword> read = readCrosswordFile(path);
//   if (!read) return Error{read.error()};
//   use(*read);

#include <string>
#include <utility>
#include <variant>

namespace jcw {

// The error side of a Result: one line for a message box or stderr, in the user's language
// where the user sees it.
struct Error {
  std::string text;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  // Only when ok().
  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  // Only when !ok().
  const std::string& error() const { return std::get<1>(state_).text; }

 private:
  std::variant<T, Error> state_;
};

// An operation without a value: success, or the text of its error.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error.text)), failed_(true) {}

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  // Only when !ok().
  const std::string& error() const { return error_; }

 private:
  std::string error_;
  bool failed_ = false;
};

}  // namespace jcw
