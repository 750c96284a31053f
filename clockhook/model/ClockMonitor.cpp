#include "clockhook/model/ClockMonitor.h"

int CpuUsagePercent(const CpuTimes& before, const CpuTimes& after)
{
    if (before.kernel == 0 && before.user == 0) {
        return -1;
    }
    if (after.idle < before.idle || after.kernel < before.kernel || after.user < before.user) {
        return -1;
    }
    std::uint64_t total = (after.kernel - before.kernel) + (after.user - before.user);
    std::uint64_t idle = after.idle - before.idle;
    if (total == 0 || idle > total) {
        return -1;
    }
    // Rounded to the nearest percent.
    return static_cast<int>(((total - idle) * 200 + total) / (2 * total));
}

int PercentInUse(std::uint64_t total, std::uint64_t available)
{
    if (total == 0) {
        return -1;
    }
    if (available > total) {
        available = total;
    }
    return static_cast<int>(((total - available) * 200 + total) / (2 * total));
}

int LineLength(int width, int percent)
{
    if (percent < 0 || width <= 0) {
        return 0;
    }
    if (percent > 100) {
        percent = 100;
    }
    return static_cast<int>((static_cast<long long>(width) * percent + 50) / 100);
}
