// Class factories: the object a library hands out for a class id, which creates the class's
// objects; and the count of a library's live objects and locks that DllCanUnloadNow answers from.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/com/Unknown.h"

#include <atomic>

struct IClassFactory : IUnknown {
    static constexpr IID InterfaceId = GuidLiteral("{00000001-0000-0000-C000-000000000046}");
    using BaseInterface = IUnknown;

    // A new object asked for through interface `iid`. `outer` must be null (no aggregation).
    virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) = 0;
    // Keeps the library in use while locked.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// One per library: its objects count themselves up when made and down when gone.
class ServerUsage {
public:
    void Up() { ++count_; }
    void Down() { --count_; }
    bool InUse() const { return count_.load() > 0; }

private:
    std::atomic<long> count_{0};
};

// The factory of class T: T is default-constructible and derives from a ComObject.
template <class T>
class ClassFactory final : public ComObject<IClassFactory> {
public:
    explicit ClassFactory(ServerUsage& usage) : usage_(usage) {}

    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        ComPtr<T> created = MakeComObject<T>();
        if (!created) return E_OUTOFMEMORY;
        return created->QueryInterface(iid, object);
    }

    HRESULT LockServer(bool lock) override
    {
        if (lock) {
            usage_.Up();
        } else {
            usage_.Down();
        }
        return S_OK;
    }

private:
    ServerUsage& usage_;
};
