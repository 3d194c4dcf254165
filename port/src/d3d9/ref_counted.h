// Reference counting for the stand-in's objects: an object starts with one reference, its
// creator's, and deletes itself when Release drops the last one.
#pragma once

#include <d3d9.h>

template <class Interface> class RefCounted : public Interface {
  public:
    ULONG AddRef() override { return ++references_; }

    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

  private:
    ULONG references_ = 1;
};

// Replaces a held reference: takes one on the new object before dropping the old one, so that
// binding the object already bound is safe.
template <class Object> void ReplaceReference(Object** held, Object* object) {
    if (object != nullptr) {
        object->AddRef();
    }
    if (*held != nullptr) {
        (*held)->Release();
    }
    *held = object;
}
