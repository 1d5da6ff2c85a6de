// The process-wide faded-copy count and the choice of the drawn entry.
#include "views/icon_impl.h"

#include <atomic>

#include "graph/mutex.h"

namespace nx {

namespace {
std::atomic<int> fadedCopies{9};
}

Mutex& iconImageMutex() {
    static Mutex mutex;
    return mutex;
}

int IconImpl::fadedCopyCount() {
    return fadedCopies.load();
}

void IconImpl::setFadedCopyCount(int count) {
    fadedCopies.store(count < 0 ? 0 : count);
}

int IconImpl::entryForLevel(int level, int n) {
    if (level <= 0 || n <= 0) return 0;
    if (level >= 100) return -1;
    // Integer arithmetic: trunc(level / 100 x (N + 1)) without rounding surprises.
    const int entry = level * (n + 1) / 100 + 1;
    return entry >= n + 1 ? -1 : entry;
}

}  // namespace nx
