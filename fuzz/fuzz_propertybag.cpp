// SPDX-License-Identifier: GPL-2.0-or-later
// Property bag files: whatever loads saves to a text that loads to the same keys and saves
// to the same text again.
#include "check.h"

#include "formats/textfile.h"
#include "framework/propertybag.h"

using trivia::Guid;
using trivia::MemoryPropertyBag;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Guid clsid;
    const auto bag = MemoryPropertyBag::fromText(text, &clsid);
    if (!bag) return 0;
    const QString saved = bag->toText(clsid);
    Guid backClsid;
    const auto back = MemoryPropertyBag::fromText(saved, &backClsid);
    FUZZ_CHECK(back);
    FUZZ_CHECK(backClsid == clsid);
    FUZZ_CHECK(back->keys() == bag->keys());
    FUZZ_CHECK(back->toText(backClsid) == saved);
    // Every key is found through the index by its own name, with the value it was saved with.
    for (const QString& key : bag->keys())
        FUZZ_CHECK(bag->value(key) && back->value(key) &&
                   back->value(key)->encode() == bag->value(key)->encode());
    return 0;
}
