// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "qsortmodel.h"

#include "framework/control.h"

namespace trivia {

class QsortView;

// The sort-the-items control as a component: its dispatch interface _ctlQsort over the model.
class CtlQsort final : public ControlBase {
public:
    explicit CtlQsort(const TypeLibDesc& lib);
    // The widgets go before the model they show.
    ~CtlQsort() override { Close(); }

    QsortModel& model() { return model_; }
    QsortView* view() const;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void initProperties() override;
    void readProperties(PropertyBagAccess& bag) override;
    void writeProperties(PropertyBagAccess& bag) override;

private:
    void bindMembers();
    void bindFamily(const char* prefix, Variant (QsortModel::*get)(int) const,
                    void (QsortModel::*let)(int, const Variant&));

    QsortModel model_;
};

} // namespace trivia
