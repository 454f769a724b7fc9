// SPDX-License-Identifier: GPL-2.0-or-later
#include "qsortmodel.h"

#include "framework/result.h"

namespace trivia {

namespace {

const QString itemNames[] = {"item0", "item1", "item2", "item3", "item4"};
const QString valNames[] = {"val0", "val1", "val2", "val3", "val4"};
const QString tagNames[] = {"curlist0", "curlist1", "curlist2", "curlist3", "curlist4"};

const Variant zero{int16_t(0)};

// The working arrays of the move-up rule have six places; nothing outside them is touched.
constexpr int workPlaces = 6;
void checkPlace(int i) {
    if (i < 0 || i >= workPlaces)
        throw ComError(DISP_E_BADINDEX, QStringLiteral("Subscript out of range"));
}

} // namespace

QsortModel::QsortModel() {
    items_.fill(zero);
    vals_.fill(zero);
    tags_.fill(zero);
}

void QsortModel::changed(const QString& name) {
    if (notify) notify(name);
}

void QsortModel::refresh() {
    if (shown) shown();
}

void QsortModel::setItem(int k, const Variant& v) {
    items_.at(k) = v;
    changed(itemNames[k]);
}

void QsortModel::setVal(int k, const Variant& v) {
    vals_.at(k) = v;
    changed(valNames[k]);
}

void QsortModel::setCurlist(int k, const Variant& v) {
    tags_.at(k) = v;
    changed(tagNames[k]);
}

QString QsortModel::xlist1() const {
    return listIndex_ >= 0 ? lines_.at(listIndex_) : QString();
}

void QsortModel::setXlabel1(const QString& s) {
    label1_ = s;
    refresh();
    changed(QStringLiteral("xlabel1"));
}

void QsortModel::setXlabel2(const QString& s) {
    label2_ = s;
    refresh();
    changed(QStringLiteral("xlabel2"));
}

void QsortModel::setXlist1(const QString& s) {
    selectLine(s);
    refresh();
    changed(QStringLiteral("xlist1"));
}

void QsortModel::setForeColor(int32_t v) {
    store(foreColor_, v, QStringLiteral("ForeColor"));
}

void QsortModel::setEnabled(bool v) {
    store(enabled_, v, QStringLiteral("Enabled"));
}

void QsortModel::setFont(const QFont& f) {
    store(font_, f, QStringLiteral("Font"));
}

void QsortModel::setBackStyle(int16_t v) {
    store(backStyle_, v, QStringLiteral("BackStyle"));
}

void QsortModel::setBorderStyle(int16_t v) {
    store(borderStyle_, v, QStringLiteral("BorderStyle"));
}

void QsortModel::setBackColor(OleColor v) {
    store(backColor_, v, QStringLiteral("BackColor"));
}

void QsortModel::selectLine(const QString& text) {
    // A list box takes a text by selecting the line that reads so, or none.
    listIndex_ = -1;
    for (int i = 0; i < lines_.size() && listIndex_ < 0; ++i)
        if (lines_[i].compare(text, Qt::CaseInsensitive) == 0) listIndex_ = i;
}

void QsortModel::setListIndex(int i) {
    listIndex_ = i >= 0 && i < lines_.size() ? i : -1;
}

void QsortModel::updatelist() {
    lines_.clear();
    for (const auto& item : items_)
        lines_ << item.toString();
    listIndex_ = -1;
    refresh();
}

void QsortModel::List1_Click() {
    std::array<Variant, workPlaces> items, tags;
    for (int k = 0; k < itemCount; ++k) {
        items[k] = item(k);
        tags[k] = curlist(k);
    }
    const int i = listIndex_;
    if (i <= 0) return;
    checkPlace(i);
    checkPlace(i - 1);
    // The moved item turns into its text; the one it passes keeps its type.
    const Variant keptTag = tags[i];
    const QString keptText = items[i].toString();
    tags[i] = tags[i - 1];
    items[i] = items[i - 1];
    tags[i - 1] = keptTag;
    items[i - 1] = Variant(keptText);
    for (int k = 0; k < itemCount; ++k)
        setItem(k, items[k]);
    for (int k = 0; k < itemCount; ++k)
        setCurlist(k, tags[k]);
    updatelist();
}

void QsortModel::initProperties(const QFont& ambient) {
    foreColor_ = 0;
    enabled_ = false;
    font_ = ambient;
    backStyle_ = 0;
    borderStyle_ = 0;
    backColor_ = 0;
    items_.fill(zero);
    vals_.fill(zero);
    tags_.fill(zero);
    refresh();
}

void QsortModel::readProperties(PropertyBagAccess& bag, const QFont& ambient) {
    foreColor_ = bag.read(QStringLiteral("ForeColor"), zero, &Variant::toInt32);
    enabled_ = bag.read(QStringLiteral("Enabled"), zero, &Variant::toBool);
    font_ = bag.read(QStringLiteral("Font"), Variant(ambient), &Variant::toFont);
    backStyle_ = bag.read(QStringLiteral("BackStyle"), zero, &Variant::toInt16);
    borderStyle_ = bag.read(QStringLiteral("BorderStyle"), zero, &Variant::toInt16);
    // "BackColor" colours Label1 and is also the stored value.
    label1Back_ = bag.read(QStringLiteral("BackColor"), variantOf(designBackColor), oleColorOf);
    backColor_ = bag.read(QStringLiteral("BackColor"), zero, oleColorOf);
    label2_ = bag.read(QStringLiteral("xlabel2"), Variant("Label2"), &Variant::toString);
    selectLine(bag.read(QStringLiteral("xlist1"), Variant("0"), &Variant::toString));
    label1_ = bag.read(QStringLiteral("xlabel1"), Variant("Label1"), &Variant::toString);
    for (int k = 1; k < itemCount; ++k)
        items_[k] = bag.read(itemNames[k], zero);
    for (int k = 1; k < itemCount; ++k)
        vals_[k] = bag.read(valNames[k], zero);
    items_[0] = bag.read(itemNames[0], zero);
    vals_[0] = bag.read(valNames[0], zero);
    for (int k = 0; k < itemCount; ++k)
        tags_[k] = bag.read(tagNames[k], zero);
    refresh();
}

void QsortModel::writeProperties(PropertyBagAccess& bag, const QFont& ambient) const {
    // Items, values, tags and texts are the host's load-time parameters, not saved state.
    bag.write(QStringLiteral("ForeColor"), Variant(foreColor_), zero);
    bag.write(QStringLiteral("Enabled"), Variant(enabled_), zero);
    bag.write(QStringLiteral("Font"), Variant(font_), Variant(ambient));
    bag.write(QStringLiteral("BackStyle"), Variant(backStyle_), zero);
    bag.write(QStringLiteral("BorderStyle"), Variant(borderStyle_), zero);
    bag.write(QStringLiteral("BackColor"), variantOf(label1Back_), variantOf(designBackColor));
}

} // namespace trivia
