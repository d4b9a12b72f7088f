#pragma once

#include <QString>
#include <stdexcept>

namespace db_errors {
// Numbers callers test for; they keep the values the Jet engine used.
constexpr int no_current_record = 3021;
constexpr int record_is_deleted = 3167;
constexpr int invalid_argument = 3001;
constexpr int not_updatable = 3027;
constexpr int not_a_database = 3343;
constexpr int file_exists = 3204;
constexpr int cannot_open = 3044;
constexpr int in_use = 3045;  // another program has the file open
constexpr int cancelled = 3059;  // the user stopped the work
}  // namespace db_errors

// The one error type of the engine adapter: a number and a description, as the common
// error report shows them ("Error " + number + " - " + description).
class DbError : public std::runtime_error {
public:
    DbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

    int number() const { return number_; }
    const QString& description() const { return description_; }
    // The engine could not have the file because another connection held it (SQLite's BUSY or
    // LOCKED, any extended code).
    bool busy() const { return (number_ & 0xff) == 5 || (number_ & 0xff) == 6 || number_ == db_errors::in_use; }

private:
    int number_;
    QString description_;
};
