// The root interface of every object: interface lookup by IID and reference counting, plus the
// smart pointer hosts and controls hold interfaces with.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/automation/Guid.h"
#include "platform/automation/Result.h"

namespace automation {

class IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{00000000-0000-0000-C000-000000000046}");

    // On success `*out` holds an added reference; on failure it is null.
    virtual HResult QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    // Objects end through Release, never through delete on an interface.
    ~IUnknown() = default;
};

// Holds one reference to an interface.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    // Adds a reference of its own.
    explicit Ref(T* p) : m_p(p) {
        if (m_p) {
            m_p->AddRef();
        }
    }
    // Takes over a reference the caller already owns.
    static Ref Adopt(T* p) {
        Ref r;
        r.m_p = p;
        return r;
    }
    Ref(const Ref& other) : Ref(other.m_p) {}
    Ref(Ref&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    Ref& operator=(Ref other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }
    ~Ref() { Reset(); }

    void Reset() {
        if (auto* p = std::exchange(m_p, nullptr)) {
            p->Release();
        }
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // For out parameters: releases what is held and gives the slot to fill.
    void** PutVoid() {
        Reset();
        return reinterpret_cast<void**>(&m_p);
    }
    T** Put() {
        Reset();
        return &m_p;
    }

private:
    T* m_p = nullptr;
};

// Asks `from` for the interface T (by T::kIid).
template <class T>
HResult QueryInterface(IUnknown* from, Ref<T>& out) {
    out.Reset();
    if (!from) {
        return E_POINTER;
    }
    return from->QueryInterface(T::kIid, out.PutVoid());
}

}  // namespace automation
