// The reference counting and QueryInterface of an object that implements one interface chain.
//
//     class clsThing final : public ComObject<IThing> { ... };
//     ComPtr<clsThing> thing = MakeComObject<clsThing>();
//
// QueryInterface answers IUnknown, Interface and every interface Interface extends.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/Unknown.h"

#include <atomic>
#include <new>
#include <utility>

template <class Interface>
class ComObject : public Interface {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (!InterfaceChainHas<Interface>(iid)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

    ULONG AddRef() override { return ++references_; }

    ULONG Release() override
    {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

private:
    // The creator holds the first reference (MakeComObject adopts it).
    std::atomic<ULONG> references_{1};
};

// Creates an object and hands back its first reference; empty when memory runs out.
template <class T, class... Arguments>
ComPtr<T> MakeComObject(Arguments&&... arguments)
{
    return ComPtr<T>::Adopt(new (std::nothrow) T(std::forward<Arguments>(arguments)...));
}
