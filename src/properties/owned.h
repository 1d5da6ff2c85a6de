// nx::Owned: a single owner whose constness reaches the object it owns.
#pragma once

#include <concepts>
#include <cstddef>
#include <memory>
#include <utility>

namespace nx {

// std::unique_ptr leaves its object writable through a const owner, so a const value list
// or membership entry would still hand out writable values. Owned answers a const object
// from a const owner and is otherwise a unique_ptr of the same size, deleting the same way.
// It takes a unique_ptr and gives one back (moved from), so ownership passes unchanged
// between the two.
template <typename T>
class Owned {
public:
    Owned() noexcept = default;
    Owned(std::nullptr_t) noexcept {}
    // Adopts a raw pointer (or holds a borrowed one that release() hands back).
    explicit Owned(T* adopted) noexcept : owned_(adopted) {}
    template <typename U>
        requires std::convertible_to<U*, T*>
    Owned(std::unique_ptr<U>&& owned) noexcept : owned_(std::move(owned)) {}
    Owned(Owned&&) noexcept = default;
    Owned& operator=(Owned&&) noexcept = default;
    template <typename U>
        requires std::convertible_to<U*, T*>
    Owned& operator=(std::unique_ptr<U>&& owned) noexcept {
        owned_ = std::move(owned);
        return *this;
    }
    Owned& operator=(std::nullptr_t) noexcept {
        owned_.reset();
        return *this;
    }

    T* get() noexcept { return owned_.get(); }
    const T* get() const noexcept { return owned_.get(); }
    T& operator*() noexcept { return *owned_; }
    const T& operator*() const noexcept { return *owned_; }
    T* operator->() noexcept { return owned_.get(); }
    const T* operator->() const noexcept { return owned_.get(); }
    explicit operator bool() const noexcept { return owned_ != nullptr; }

    // Lets go of the object without deleting it.
    T* release() noexcept { return owned_.release(); }
    void reset(T* adopted = nullptr) noexcept { owned_.reset(adopted); }
    // Hands the object on to a unique_ptr, leaving this empty.
    std::unique_ptr<T> take() noexcept { return std::move(owned_); }
    template <typename U>
        requires std::convertible_to<T*, U*>
    operator std::unique_ptr<U>() && noexcept {
        return std::move(owned_);
    }

    friend bool operator==(const Owned& owner, std::nullptr_t) noexcept {
        return owner.owned_ == nullptr;
    }

private:
    std::unique_ptr<T> owned_;
};

}  // namespace nx
