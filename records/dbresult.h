#pragma once
// The outcome of a database operation: a value, or the error text for the user.

#include <QString>
#include <optional>
#include <utility>

namespace zevo {

template <typename T> class DbResult {
  public:
    DbResult(T value) : value_(std::move(value)) {} // NOLINT: implicit, so `return id;` reads naturally

    // A failure always carries a text, so an empty message never hides one.
    static DbResult Failure(const QString& error)
    {
        DbResult result;
        result.error_ = error.isEmpty() ? QStringLiteral("Unknown database error.") : error;
        return result;
    }

    bool ok() const { return value_.has_value(); }
    const QString& error() const { return error_; } // empty when ok()

    // Asking a failure for its value is a slip of the caller: it throws
    // std::bad_optional_access rather than read nothing.
    const T& value() const& { return value_.value(); }
    T& value() & { return value_.value(); }
    T&& value() && { return std::move(value_).value(); }

  private:
    DbResult() = default;
    std::optional<T> value_;
    QString error_;
};

} // namespace zevo
