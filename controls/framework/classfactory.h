// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "interfaces.h"
#include "module.h"

#include <functional>

namespace trivia {

// Makes the objects of one class. New objects come with one reference, which the factory
// hands on through QueryInterface and then drops.
class ClassFactory final : public IClassFactory {
public:
    using Creator = std::function<IUnknown*()>;
    explicit ClassFactory(Creator create) : create_(std::move(create)) {}

    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return refs_.add(); }
    uint32_t Release() override;
    HResult CreateInstance(IUnknown* outer, const Guid& iid, void** ppv) override;
    HResult LockServer(int32_t lock) override;

private:
    RefCount refs_;
    Creator create_;
};

} // namespace trivia
