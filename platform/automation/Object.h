// Implementation base of our objects: one reference count for all the interfaces an object
// implements, QueryInterface over them, and the count of live objects and server locks that
// decides whether the library holding them may be unloaded.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/automation/Unknown.h"

namespace automation {

// Live objects plus server locks of the library this code is linked into.
std::atomic<std::int32_t>& ModuleLockCount();

template <class First, class... Rest>
class Object : public First, public Rest... {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    HResult QueryInterface(const Guid& iid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        if (iid == IUnknown::kIid) {
            *out = static_cast<IUnknown*>(static_cast<First*>(this));
        } else if (!Match<First>(iid, out)) {
            static_cast<void>((Match<Rest>(iid, out) || ...));
        }
        if (!*out) {
            return QueryOther(iid, out);
        }
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() override { return m_refs.fetch_add(1) + 1; }
    std::uint32_t Release() override {
        const auto left = m_refs.fetch_sub(1) - 1;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    Object() { ModuleLockCount().fetch_add(1); }
    virtual ~Object() { ModuleLockCount().fetch_sub(1); }

    // Interfaces beyond the listed ones (an object handing out a part of itself).
    virtual HResult QueryOther(const Guid&, void**) { return E_NOINTERFACE; }

private:
    template <class I>
    bool Match(const Guid& iid, void** out) {
        if (iid == I::kIid) {
            *out = static_cast<I*>(this);
            return true;
        }
        return false;
    }

    std::atomic<std::uint32_t> m_refs{1};
};

// Creates an object with its first reference owned by the returned pointer.
template <class T, class... Args>
Ref<T> MakeObject(Args&&... args) {
    return Ref<T>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace automation
