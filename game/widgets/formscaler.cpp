// SPDX-License-Identifier: GPL-2.0-or-later
#include "formscaler.h"

#include "play/playerflag.h"
#include "widgets/twips.h"

#include <QDialog>
#include <QEvent>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace {
constexpr char designRectKey[] = "velkDesignRect";
constexpr char designFontKey[] = "velkDesignFont";

// Edges are scaled, not sizes, so that controls drawn edge to edge stay so.
QRect scaled(const QRect& r, qreal s) {
    const int left = qRound(r.left() * s), top = qRound(r.top() * s);
    return {left, top, qRound((r.left() + r.width()) * s) - left,
            qRound((r.top() + r.height()) * s) - top};
}

QFont scaled(QFont font, qreal s) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * s);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * s));
    return font;
}

void applyRect(QWidget& control, const QRect& design, const QRect& at) {
    if (design.width() <= 0 && design.height() <= 0) {
        control.move(at.topLeft());
        control.adjustSize();
    } else {
        control.setGeometry(at);
    }
}
} // namespace

void setDesignRect(QWidget& control, const QRect& design) {
    control.setProperty(designRectKey, design);
    const FormScaler* scaler = FormScaler::of(control);
    if (scaler) control.installEventFilter(const_cast<FormScaler*>(scaler));
    applyRect(control, design,
              scaler ? scaler->place(control, design)
                     : twipsRect(design.left(), design.top(), design.width(), design.height()));
}

QRect designRect(const QWidget& control) {
    const QVariant design = control.property(designRectKey);
    return design.isValid() ? design.toRect() : QRect();
}

QFont designFont(const QWidget& control) {
    const QVariant design = control.property(designFontKey);
    return design.isValid() ? design.value<QFont>() : control.font();
}

FormScaler::FormScaler(QWidget& form, QSize designTwips, FullScreen* fullScreen)
    : QObject(&form), form_(form), design_(twips(designTwips.width()), twips(designTwips.height())),
      fullScreen_(fullScreen) {
    setObjectName("formScaler");
    form.installEventFilter(this);
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), &form);
    connect(f11, &QShortcut::activated, this, &FormScaler::toggleFullScreen);
}

FormScaler* FormScaler::of(const QWidget& control) {
    return control.window()->findChild<FormScaler*>("formScaler", Qt::FindDirectChildrenOnly);
}

QRect FormScaler::place(const QWidget& control, const QRect& design) const {
    QRect at =
        scaled(twipsRect(design.left(), design.top(), design.width(), design.height()), scale_);
    if (control.parentWidget() == &form_) at.translate(offset_);
    return at;
}

void FormScaler::relayout() {
    const QSize size = form_.size();
    // Never smaller than drawn: a window left smaller shows what fits, from the top left.
    scale_ = std::max(1.0, std::min(qreal(size.width()) / design_.width(),
                                    qreal(size.height()) / design_.height()));
    offset_ = {std::max(0, (size.width() - qRound(design_.width() * scale_)) / 2),
               std::max(0, (size.height() - qRound(design_.height() * scale_)) / 2)};
    const QList<QWidget*> controls = form_.findChildren<QWidget*>();
    scaleFont(form_);
    for (QWidget* control : controls) {
        if (control->isWindow()) continue;
        control->installEventFilter(this);
        scaleFont(*control);
    }
    for (QWidget* control : controls)
        if (const QVariant design = control->property(designRectKey); design.isValid())
            applyRect(*control, design.toRect(), place(*control, design.toRect()));
}

// Fonts a control was given scale with it; the others follow their parent's. The font a form
// sets after it stands is taken as drawn, at any scale.
void FormScaler::scaleFont(QWidget& widget) {
    if (&widget != &form_ && !widget.testAttribute(Qt::WA_SetFont)) return;
    QVariant design = widget.property(designFontKey);
    if (!design.isValid()) {
        if (scale_ == 1) return;
        design = widget.font();
        widget.setProperty(designFontKey, design);
    }
    const QFont font = scaled(design.value<QFont>(), scale_);
    if (widget.font() == font) return;
    settingFont_ = true;
    widget.setFont(font);
    settingFont_ = false;
}

void FormScaler::toggleFullScreen() {
    const bool on = !form_.isFullScreen();
    form_.setWindowState(form_.windowState() ^ Qt::WindowFullScreen);
    if (fullScreen_) fullScreen_->setOn(on);
}

bool FormScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Resize) {
        relayout();
    } else if (watched == &form_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        if (fullScreen_ && fullScreen_->on())
            form_.setWindowState(form_.windowState() | Qt::WindowFullScreen);
    } else if (event->type() == QEvent::FontChange && !settingFont_ && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->testAttribute(Qt::WA_SetFont) && widget != &form_) {
            widget->setProperty(designFontKey, widget->font());
            if (scale_ != 1) scaleFont(*widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

FormScaler* scaleWithWindow(QWidget& form, QSize designTwips, FullScreen* fullScreen) {
    if (auto* dialog = qobject_cast<QDialog*>(&form)) allowMaximise(*dialog);
    form.resize(twips(designTwips.width()), twips(designTwips.height()));
    return new FormScaler(form, designTwips, fullScreen);
}

void allowMaximise(QDialog& dialog) {
    // Maximising helps a child who sees badly; minimising a modal screen would only hide it.
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
}

qreal scaleLike(QWidget& window, const QWidget* owner) {
    const FormScaler* scaler = owner ? FormScaler::of(*owner) : nullptr;
    if (!scaler || scaler->scale() == 1) return 1;
    window.setFont(scaled(window.font(), scaler->scale()));
    for (QWidget* control : window.findChildren<QWidget*>())
        if (control->testAttribute(Qt::WA_SetFont))
            control->setFont(scaled(control->font(), scaler->scale()));
    return scaler->scale();
}
