#pragma once

#include <memory>

namespace act::com {

// This thread's COM apartment, entered as single-threaded so that events arrive on this thread's message loop.
// Every object holds it, so COM stays up until the last of them is released.
class ComApartment {
public:
    static std::shared_ptr<ComApartment> enter();
    ~ComApartment();

    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    explicit ComApartment(bool leave) : m_leave(leave) {}

    // False when the thread was already in another kind of apartment, which is then not ours to leave.
    bool m_leave;
};

} // namespace act::com
