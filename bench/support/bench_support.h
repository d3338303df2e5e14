#pragma once

#include <chrono>
#include <string>

// Wall-clock stopwatch for benchmark steps.
class BenchTimer {
public:
    BenchTimer() : start_(std::chrono::steady_clock::now()) {}
    double Seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }
    void Restart() { start_ = std::chrono::steady_clock::now(); }

private:
    std::chrono::steady_clock::time_point start_;
};

// Peak resident set size of this process so far, in megabytes.
double PeakResidentMegabytes();
// Starts the peak over from the current size (Linux: resets VmHWM), so that
// it can be measured per case.
void ResetPeakMemory();

// Number of processors this machine reports.
unsigned ProcessorCount();

// A scratch folder under the system's temporary folder, created empty.
std::string BenchScratchFolder(const std::string &name);
