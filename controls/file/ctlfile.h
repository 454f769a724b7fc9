// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "filemodel.h"

#include "framework/control.h"

namespace trivia {

class FileView;

// The data-file and web-link control as a component; its dispatch interface _ctlFile is empty.
class CtlFile final : public ControlBase {
public:
    explicit CtlFile(const TypeLibDesc& lib);
    // The widgets go before the model they show.
    ~CtlFile() override { Close(); }

    FileModel& model() { return model_; }
    FileView* view() const;

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    FileModel model_;
};

} // namespace trivia
