#include "python/src/large_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace txtcvt_python {

namespace {

constexpr size_t kSmallestAdvised = size_t{4} << 20;

}  // namespace

void adviseLargePages(const void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
    if (data == nullptr || bytes < kSmallestAdvised) return;
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (start + page - 1) & ~(page - 1);
    const uintptr_t end = (start + bytes) & ~(page - 1);
    // Only advice: where the system has no huge pages the call fails and nothing changes.
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

void adviseLargePages(const columns::LongColumns& columns) {
    adviseLargePages(columns.time.instant);
    adviseLargePages(columns.time.elapsed);
    adviseLargePages(columns.channel);
    adviseLargePages(columns.id);
    adviseLargePages(columns.extended);
    for (const auto* text :
         {&columns.message, &columns.signal, &columns.unit, &columns.description}) {
        adviseLargePages(text->codes);
    }
    adviseLargePages(columns.value);
}

void adviseLargePages(const columns::WideValues& values) {
    adviseLargePages(values.time.instant);
    adviseLargePages(values.time.elapsed);
    adviseLargePages(values.cells);
}

}  // namespace txtcvt_python
