#include "support/bench_support.h"

#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/resource.h>

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // Linux reports kilobytes
}

void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

unsigned ProcessorCount()
{
    return std::thread::hardware_concurrency();
}

std::string BenchScratchFolder(const std::string &name)
{
    auto folder = std::filesystem::temp_directory_path() / ("qor-bench-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}
