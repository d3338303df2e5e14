#pragma once

#include <cstdint>
#include <functional>

// Told how far a long import or export has come, at most every 250 ms: done
// out of total (bytes read, or bets written). Raising an error from it (the
// user's Cancel raises EAbort) abandons the work, which then leaves nothing
// behind.
using TExchangeProgress = std::function<void(uint64_t done, uint64_t total)>;
