// SPDX-License-Identifier: GPL-2.0-or-later
#include "ctlfile.h"

#include "fileview.h"

namespace trivia {

CtlFile::CtlFile(const TypeLibDesc& lib)
    : ControlBase(*lib.coclass(QStringLiteral("ctlFile")),
                  *lib.interface(QStringLiteral("_ctlFile"))) {
    model_.shown = [this] {
        if (auto* v = view()) v->sync();
    };
}

FileView* CtlFile::view() const {
    return static_cast<FileView*>(widget());
}

QWidget* CtlFile::createWidget(QWidget* parent) {
    auto* view = new FileView(model_, parent);
    view->run = heldRunner();
    return view;
}

} // namespace trivia
