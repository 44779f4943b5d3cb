// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessible interfaces of the window and of the token views. The window's
// pool keeps a view for every token, shown or not; a screen reader should
// meet only the frames that are on the screen.
#include "ui/shell/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>

#include "ui/lesson/timeline_view.h"
#include "ui/scene/token_layer.h"
#include "ui/shell/main_window.h"

namespace bridging::ui {
namespace {

// A free token's view stays a hidden child of the window; it is no element.
bool Listed(const QWidget& child) {
    if (child.isWindow() || qobject_cast<const QFocusFrame*>(&child) != nullptr ||
        qobject_cast<const QMenu*>(&child) != nullptr)
        return false;
    return qobject_cast<const TokenView*>(&child) == nullptr || !child.isHidden();
}

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || child->object() == nullptr || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(Children().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Children() const {
        QList<QWidget*> listed;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && Listed(*child)) listed.append(child);
        }
        return listed;
    }
};

// A token is drawn, not a control: a picture whose name says what it carries.
class TokenAccessible : public QAccessibleWidget {
public:
    explicit TokenAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Graphic) {}
};

// The timeline's value in words, "tick 120 of 300", beside its numbers.
class TimelineAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TimelineAccessible(TimelineSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Slider().ValueText();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return Slider().value(); }
    void setCurrentValue(const QVariant& value) override { Slider().setValue(value.toInt()); }
    QVariant maximumValue() const override { return Slider().maximum(); }
    QVariant minimumValue() const override { return Slider().minimum(); }
    QVariant minimumStepSize() const override { return Slider().singleStep(); }

private:
    TimelineSlider& Slider() const { return *static_cast<TimelineSlider*>(widget()); }
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    if (auto* slider = qobject_cast<TimelineSlider*>(object)) return new TimelineAccessible(slider);
    if (auto* view = qobject_cast<TokenView*>(object)) return new TokenAccessible(view);
    if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(CreateInterface); }

void ReportTokenShown(QWidget& view, bool shown) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&view,
                           shown ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace bridging::ui
