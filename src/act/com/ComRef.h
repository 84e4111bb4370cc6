#pragma once

#include <unknwn.h>

#include <utility>

namespace act::com {

// Owns one reference to a COM object: released when the holder goes, whichever way it goes.
template <typename T> class ComRef {
public:
    ComRef() = default;
    // Takes over a reference the caller already owns (an out parameter's).
    static ComRef adopt(T* raw) {
        ComRef ref;
        ref.m_raw = raw;
        return ref;
    }
    // Adds a reference of its own.
    static ComRef share(T* raw) {
        if (raw)
            raw->AddRef();
        return adopt(raw);
    }
    ComRef(const ComRef& other) : m_raw(other.m_raw) {
        if (m_raw)
            m_raw->AddRef();
    }
    ComRef(ComRef&& other) noexcept : m_raw(std::exchange(other.m_raw, nullptr)) {}
    ComRef& operator=(ComRef other) noexcept {
        std::swap(m_raw, other.m_raw);
        return *this;
    }
    ~ComRef() { reset(); }

    void reset() {
        if (T* raw = std::exchange(m_raw, nullptr))
            raw->Release();
    }
    T* get() const { return m_raw; }
    T* operator->() const { return m_raw; }
    explicit operator bool() const { return m_raw != nullptr; }
    // For an out parameter: whatever was held is released first.
    T** put() {
        reset();
        return &m_raw;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

private:
    T* m_raw = nullptr;
};

} // namespace act::com
