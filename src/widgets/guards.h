#pragma once

#include "core/common.h"
#include "core/ui.h"
#include "database/db_error.h"

// The hourglass for as long as the scope lasts, whatever way it is left.
class Hourglass {
public:
    explicit Hourglass(Ui& ui) : ui_(ui) { ui_.set_hourglass(true); }
    ~Hourglass() { ui_.set_hourglass(false); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    Ui& ui_;
};

// Sets a flag for as long as the scope lasts, then puts back what it was: the guards of a window
// against its own handlers running again from inside themselves (loading, filling, syncing).
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

// Runs a handler's work; an engine failure is shown with the common error report instead of
// leaving the handler. Returns false when it failed.
template <typename Work>
bool guarded(Ui& ui, Work&& work) {
    try {
        work();
        return true;
    } catch (const DbError& e) {
        show_error(ui, e);
        return false;
    }
}
