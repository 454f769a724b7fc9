// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "interfaces.h"

#include "formats/result.h"

#include <QHash>
#include <QList>
#include <QPair>

#include <functional>
#include <optional>
#include <type_traits>

namespace trivia {

// A property bag held in memory, keys in the order they were first written. It belongs to
// whoever made it: AddRef and Release only count, they never end it.
class MemoryPropertyBag : public IPropertyBag {
public:
    MemoryPropertyBag() = default;
    MemoryPropertyBag(const MemoryPropertyBag& o) : entries_(o.entries_), index_(o.index_) {}
    MemoryPropertyBag& operator=(const MemoryPropertyBag& o) {
        entries_ = o.entries_;
        index_ = o.index_;
        return *this;
    }
    virtual ~MemoryPropertyBag() = default;

    // A property file is a few lines per control; anything far larger is refused unread.
    static constexpr qint64 maxFileBytes = 16 * 1024 * 1024;

    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return ++refs_; }
    uint32_t Release() override { return --refs_; }
    HResult Read(const QString& name, Variant* value) override;
    HResult Write(const QString& name, const Variant& value) override;

    QStringList keys() const;
    std::optional<Variant> value(const QString& name) const;
    void remove(const QString& name);

    // The bag as a text file: "Class={clsid}", then one "Key=type:value" line per key.
    QString toText(const Guid& clsid) const;
    static Result<MemoryPropertyBag> fromText(const QString& text, Guid* clsid);
    Result<void> saveFile(const QString& path, const Guid& clsid) const;
    static Result<MemoryPropertyBag> loadFile(const QString& path, Guid* clsid);

private:
    int indexOf(const QString& name) const;

    QList<QPair<QString, Variant>> entries_;
    QHash<QString, int> index_; // case-folded key -> place in entries_
    uint32_t refs_ = 1;
};

// A key of a property bag that could not be read, taken or written.
class PropertyError : public ComError {
public:
    PropertyError(QString key, const ComError& e) : ComError(e), key_(std::move(key)) {}
    const QString& key() const { return key_; }

private:
    QString key_;
};

// What a control's read and write routines see of the container's bag. Every failure is a
// PropertyError that names its key.
class PropertyBagAccess {
public:
    explicit PropertyBagAccess(IPropertyBag& bag) : bag_(bag) {}
    // The stored value, or the default when the bag has no such key.
    Variant read(const QString& name, const Variant& defaultValue);
    // The stored value or the default, taken as the control keeps it, e.g.
    // read("Enabled", zero, &Variant::toBool).
    template <class Take>
    auto read(const QString& name, const Variant& defaultValue, Take take)
        -> std::invoke_result_t<Take, const Variant&> {
        const Variant v = read(name, defaultValue);
        try {
            return std::invoke(take, v);
        } catch (const ComError& e) {
            throw PropertyError(name, e);
        }
    }
    // Leaves the key out when the value equals its default.
    void write(const QString& name, const Variant& value, const Variant& defaultValue);

private:
    IPropertyBag& bag_;
};

} // namespace trivia
