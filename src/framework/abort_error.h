#pragma once

#include "model/exception.h"

inline constexpr const char *kOperationAborted = "Operation aborted";

// The silent abort: the user refused to go on. Callers treat it as any
// failure, but a command that ends with it shows nothing.
class EAbort : public Exception {
public:
    EAbort() : Exception(kOperationAborted) {}
};
