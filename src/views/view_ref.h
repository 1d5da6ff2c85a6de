// nx::ViewRef: a counted reference to a shared view; copying acquires, destruction releases.
#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

namespace nx {

// The view factories own the views; holders keep them counted through this handle so that
// every reference taken is given back exactly once. Eight bytes, like the pointer it wraps.
template <typename T>
class ViewRef {
public:
    ViewRef() noexcept = default;
    ViewRef(std::nullptr_t) noexcept {}
    // A new reference to view (null stays null).
    explicit ViewRef(T* view) : view_(view) {
        if (view_) view_->acquire();
    }
    // Takes over a reference already counted (one that detach() handed out).
    static ViewRef adopt(T* view) noexcept {
        ViewRef ref;
        ref.view_ = view;
        return ref;
    }

    ViewRef(const ViewRef& other) : ViewRef(other.view_) {}
    ViewRef(ViewRef&& other) noexcept : view_(std::exchange(other.view_, nullptr)) {}
    template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    ViewRef(const ViewRef<U>& other) : ViewRef(static_cast<T*>(other.get())) {}
    template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    ViewRef(ViewRef<U>&& other) noexcept : view_(other.detach()) {}
    ViewRef& operator=(ViewRef other) noexcept {
        std::swap(view_, other.view_);
        return *this;
    }
    ~ViewRef() { reset(); }

    void reset() {
        if (T* view = std::exchange(view_, nullptr)) view->release();
    }
    // Hands the counted reference to the caller, who gives it back through adopt().
    [[nodiscard]] T* detach() noexcept { return std::exchange(view_, nullptr); }

    T* get() const noexcept { return view_; }
    T* operator->() const noexcept { return view_; }
    T& operator*() const noexcept { return *view_; }
    explicit operator bool() const noexcept { return view_ != nullptr; }

    friend bool operator==(const ViewRef& a, const ViewRef& b) noexcept {
        return a.view_ == b.view_;
    }
    friend bool operator==(const ViewRef& a, const T* b) noexcept { return a.view_ == b; }
    friend bool operator==(const ViewRef& a, std::nullptr_t) noexcept { return !a.view_; }

private:
    T* view_ = nullptr;
};

// The reference moved to the derived class the caller knows the view to be.
template <typename To, typename From>
ViewRef<To> staticViewCast(ViewRef<From>&& from) noexcept {
    return ViewRef<To>::adopt(static_cast<To*>(from.detach()));
}

}  // namespace nx
