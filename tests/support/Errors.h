#pragma once

#include <functional>
#include <optional>

#include "RuntimeError.h"

// The numbered error an action raised, if any.
inline std::optional<RuntimeError> ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// The number of the error an action raised; 0 when it raised none.
inline int ErrorNumberOf(const std::function<void()>& action)
{
    const std::optional<RuntimeError> error = ErrorOf(action);
    return error ? error->Number() : 0;
}
