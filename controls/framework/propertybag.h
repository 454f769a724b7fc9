#pragma once

#include "interfaces.h"

#include <QHash>
#include <QList>
#include <QPair>

#include <optional>

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
    static std::optional<MemoryPropertyBag> fromText(const QString& text, Guid* clsid,
                                                     QString* error);
    bool saveFile(const QString& path, const Guid& clsid, QString* error) const;
    static std::optional<MemoryPropertyBag> loadFile(const QString& path, Guid* clsid,
                                                     QString* error);

private:
    int indexOf(const QString& name) const;

    QList<QPair<QString, Variant>> entries_;
    QHash<QString, int> index_; // case-folded key -> place in entries_
    uint32_t refs_ = 1;
};

// What a control's read and write routines see of the container's bag.
class PropertyBagAccess {
public:
    explicit PropertyBagAccess(IPropertyBag& bag) : bag_(bag) {}
    // The stored value, or the default when the bag has no such key.
    Variant read(const QString& name, const Variant& defaultValue);
    // Leaves the key out when the value equals its default.
    void write(const QString& name, const Variant& value, const Variant& defaultValue);

private:
    IPropertyBag& bag_;
};

} // namespace trivia
