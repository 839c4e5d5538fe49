#pragma once
// Results, not exceptions: nothing may throw through the Qt event loop.

#include <string>
#include <utility>
#include <variant>

namespace motiview {

struct Error {
    std::string field;   // control name of the field that was refused, empty when none
    std::string message; // what the user is told
};

template <class T> class [[nodiscard]] Result {
  public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    [[nodiscard]] bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T& value() const& { return std::get<0>(v_); }
    [[nodiscard]] T& value() & { return std::get<0>(v_); }
    [[nodiscard]] T&& value() && { return std::get<0>(std::move(v_)); }
    [[nodiscard]] const Error& error() const { return std::get<1>(v_); }

    const T* operator->() const { return &value(); }
    const T& operator*() const { return value(); }

  private:
    std::variant<T, Error> v_;
};

} // namespace motiview
