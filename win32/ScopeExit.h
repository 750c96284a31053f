// Runs a piece of clean-up when the scope ends, for the few releases that
// are calls rather than handles (closing the clipboard, unlocking memory).
#pragma once

#include <utility>

template <typename Action> class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};
