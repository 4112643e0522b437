#include "bench/bench_support.h"


double NowMs()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<double> AlternatingMedians(const std::vector<std::function<double()>>& measurements, int rounds)
{
    // Each round starts with the next measurement, so that none always runs
    // right after the same other one (a copy runs slower after another's
    // files were deleted, whichever copy it is).
    const size_t count = measurements.size();
    std::vector<std::vector<double>> samples(count);
    for (int round = 0; round < rounds; ++round)
        for (size_t step = 0; step < count; ++step) {
            const size_t i = (static_cast<size_t>(round) + step) % count;
            samples[i].push_back(measurements[i]());
        }
    std::vector<double> medians;
    for (const std::vector<double>& values : samples)
        medians.push_back(Median(values));
    return medians;
}

double PrivateBytes()
{
    // Summed from the address space itself: Wine's process counters do not
    // follow heap growth.
    double total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<double>(region.RegionSize);
    }
    return total;
}

std::string ScratchFolder(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "velmora-bench-" + name;
    RemoveTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}
