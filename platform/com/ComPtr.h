// Owns one reference to an object through one of its interfaces and releases it when it goes.
#pragma once

#include "platform/com/Unknown.h"

#include <cstddef>
#include <utility>

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Shares the object: adds a reference of its own.
    explicit ComPtr(T* object) : object_(object)
    {
        if (object_) object_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }

    // Takes over a reference that the caller already holds (a creation or an out argument).
    static ComPtr Adopt(T* object)
    {
        ComPtr result;
        result.object_ = object;
        return result;
    }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    void Reset()
    {
        if (T* object = std::exchange(object_, nullptr)) object->Release();
    }

    // Releases what is held and gives the address an out argument fills.
    void** ReceiveVoid()
    {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }

    // Asks the object for interface U; an empty pointer when it has none.
    template <class U>
    ComPtr<U> As() const
    {
        ComPtr<U> result;
        if (object_) object_->QueryInterface(U::InterfaceId, result.ReceiveVoid());
        return result;
    }

private:
    T* object_ = nullptr;
};
