// SPDX-License-Identifier: GPL-2.0-or-later
// What the test of the delivered data asks of an animal for one kind of question.
#pragma once

#include "knowledge/animalfile.h"
#include "knowledge/categories.h"
#include "knowledge/draw.h"
#include "knowledge/wording.h"

#include <QBuffer>

#include <memory>

namespace deliveredData {

// The number that makes a group of alike animals for an odd-one-out question.
inline int groupIndex(const AnimalRecord& a, int kind) {
    return kind == 6 ? a.classIndex : kind == 7 ? a.familyIndex : a.eaterIndex;
}

inline std::unique_ptr<Knowledge> knowledgeFrom(const QByteArray& text, QString* problem) {
    auto kb = std::make_unique<Knowledge>();
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    *problem = readAnimals(buffer, *kb).error();
    return kb;
}

} // namespace deliveredData
