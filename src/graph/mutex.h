// nx::Mutex (re-entrant lock) and nx::ScopedLock (holds one for its lifetime).
#pragma once

#include <mutex>

namespace nx {

class Mutex {
public:
    Mutex() = default;
    virtual ~Mutex() = default;
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    virtual void lock() { mutex_.lock(); }
    virtual void unlock() { mutex_.unlock(); }

private:
    std::recursive_mutex mutex_;
};

class ScopedLock {
public:
    explicit ScopedLock(Mutex* mutex) : mutex_(mutex) {
        if (mutex_) mutex_->lock();
    }
    virtual ~ScopedLock() {
        if (mutex_) mutex_->unlock();
    }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    Mutex* mutex_;
};

}  // namespace nx
