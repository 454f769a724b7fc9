// SPDX-License-Identifier: GPL-2.0-or-later
#include "ctlqsort.h"

#include "qsortview.h"

namespace trivia {

CtlQsort::CtlQsort(const TypeLibDesc& lib)
    : ControlBase(*lib.coclass(QStringLiteral("ctlQsort")),
                  *lib.interface(QStringLiteral("_ctlQsort"))) {
    model_.notify = [this](const QString& name) { propertyChanged(name); };
    model_.shown = [this] {
        if (auto* v = view()) v->sync();
    };
    bindMembers();
}

QsortView* CtlQsort::view() const {
    return static_cast<QsortView*>(widget());
}

QWidget* CtlQsort::createWidget(QWidget* parent) {
    auto* view = new QsortView(model_, parent);
    view->run = heldRunner();
    return view;
}

void CtlQsort::initProperties() {
    model_.initProperties(ambientFont());
}

void CtlQsort::readProperties(PropertyBagAccess& bag) {
    model_.readProperties(bag, ambientFont());
}

void CtlQsort::writeProperties(PropertyBagAccess& bag) {
    model_.writeProperties(bag, ambientFont());
}

void CtlQsort::bindFamily(const char* prefix, Variant (QsortModel::*get)(int) const,
                          void (QsortModel::*let)(int, const Variant&)) {
    for (int k = 0; k < QsortModel::itemCount; ++k)
        dispatcher().bind(QLatin1String(prefix) + QString::number(k),
                          {[this, get, k] { return (model_.*get)(k); },
                           [this, let, k](const Variant& v) { (model_.*let)(k, v); },
                           {}});
}

void CtlQsort::bindMembers() {
    auto& d = dispatcher();
    QsortModel& m = model_;
    d.bind(QStringLiteral("updatelist"), {{}, {}, [&m](const QList<Variant>&) { m.updatelist(); }});
    d.bind(QStringLiteral("Refresh"), {{}, {}, [](const QList<Variant>&) {}});
    d.bind(QStringLiteral("ForeColor"), {[&m] { return Variant(m.foreColor()); },
                                         [&m](const Variant& v) { m.setForeColor(v.toInt32()); },
                                         {}});
    d.bind(QStringLiteral("Enabled"), {[&m] { return Variant(m.enabled()); },
                                       [&m](const Variant& v) { m.setEnabled(v.toBool()); },
                                       {}});
    d.bind(QStringLiteral("Font"), {[&m] { return Variant(m.font()); },
                                    [&m](const Variant& v) { m.setFont(v.toFont()); },
                                    {}});
    d.bind(QStringLiteral("BackStyle"), {[&m] { return Variant(m.backStyle()); },
                                         [&m](const Variant& v) { m.setBackStyle(v.toInt16()); },
                                         {}});
    d.bind(QStringLiteral("BorderStyle"),
           {[&m] { return Variant(m.borderStyle()); },
            [&m](const Variant& v) { m.setBorderStyle(v.toInt16()); },
            {}});
    d.bind(QStringLiteral("BackColor"), {[&m] { return variantOf(m.backColor()); },
                                         [&m](const Variant& v) { m.setBackColor(oleColorOf(v)); },
                                         {}});
    d.bind(QStringLiteral("xlabel1"), {[&m] { return Variant(m.xlabel1()); },
                                       [&m](const Variant& v) { m.setXlabel1(v.toString()); },
                                       {}});
    d.bind(QStringLiteral("xlabel2"), {[&m] { return Variant(m.xlabel2()); },
                                       [&m](const Variant& v) { m.setXlabel2(v.toString()); },
                                       {}});
    d.bind(QStringLiteral("xlist1"), {[&m] { return Variant(m.xlist1()); },
                                      [&m](const Variant& v) { m.setXlist1(v.toString()); },
                                      {}});
    bindFamily("item", &QsortModel::item, &QsortModel::setItem);
    bindFamily("val", &QsortModel::val, &QsortModel::setVal);
    bindFamily("curlist", &QsortModel::curlist, &QsortModel::setCurlist);
}

} // namespace trivia
