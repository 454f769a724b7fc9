// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "framework/olecolor.h"
#include "framework/propertybag.h"

#include <QFont>
#include <QStringList>

#include <array>
#include <functional>

namespace trivia {

// The state and rules of the sort-the-items control, without its widgets: five items shown as
// the lines of a list, a tag that travels with each item, a value per line position, and the
// appearance values it keeps for its host.
class QsortModel {
public:
    static constexpr int itemCount = 5;
    static inline const QString helpText = QStringLiteral(
        "Sort the items listed.  Click on a line to move that item up one level.  When all are "
        "in position, click 'Done'");
    static constexpr OleColor designBackColor = 0xFFFF80;

    QsortModel();

    // Told the name of every property a let changes.
    std::function<void(const QString&)> notify;
    // Told whenever what the widgets show has changed.
    std::function<void()> shown;

    Variant item(int k) const { return items_.at(k); }
    Variant val(int k) const { return vals_.at(k); }
    Variant curlist(int k) const { return tags_.at(k); }
    void setItem(int k, const Variant& v);
    void setVal(int k, const Variant& v);
    void setCurlist(int k, const Variant& v);

    QString xlabel1() const { return label1_; }
    QString xlabel2() const { return label2_; }
    QString xlist1() const;
    void setXlabel1(const QString& s);
    void setXlabel2(const QString& s);
    void setXlist1(const QString& s);

    int32_t foreColor() const { return foreColor_; }
    bool enabled() const { return enabled_; }
    QFont font() const { return font_; }
    int16_t backStyle() const { return backStyle_; }
    int16_t borderStyle() const { return borderStyle_; }
    OleColor backColor() const { return backColor_; }
    void setForeColor(int32_t v);
    void setEnabled(bool v);
    void setFont(const QFont& f);
    void setBackStyle(int16_t v);
    void setBorderStyle(int16_t v);
    void setBackColor(OleColor v);

    // What List1 and the labels show.
    const QStringList& lines() const { return lines_; }
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    OleColor label1BackColor() const { return label1Back_; }

    void updatelist();
    // The player clicked a line: it moves up one place, its tag with it.
    void List1_Click();

    void initProperties(const QFont& ambient);
    void readProperties(PropertyBagAccess& bag, const QFont& ambient);
    void writeProperties(PropertyBagAccess& bag, const QFont& ambient) const;

private:
    void changed(const QString& name);
    template <class T> void store(T& slot, const T& value, const QString& name) {
        slot = value;
        changed(name);
    }
    void refresh();
    void selectLine(const QString& text);

    std::array<Variant, itemCount> items_, vals_, tags_;
    int32_t foreColor_ = 0;
    bool enabled_ = false;
    QFont font_;
    int16_t backStyle_ = 0;
    int16_t borderStyle_ = 0;
    OleColor backColor_ = 0;

    QString label1_ = QStringLiteral("Label1");
    QString label2_ = QStringLiteral("Label2");
    OleColor label1Back_ = designBackColor;
    QStringList lines_;
    int listIndex_ = -1;
};

} // namespace trivia
