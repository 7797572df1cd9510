// The resident set from the kernel's per-process counters.
#include "platform/ProcessMemory.h"

#include <cstdio>
#include <unistd.h>

namespace platform {

long ResidentKb() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return -1;
    long pages = 0;
    long resident = -1;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        resident = -1;
    std::fclose(statm);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace platform
