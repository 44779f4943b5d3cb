// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessible interfaces of the window, the token views, the choice lists, the
// timeline and the notification bar, and the filter on the events to the
// screen reader. The window's pool keeps a view for every token, shown or
// not; a screen reader should meet only the frames that are on the screen.
#include "ui/shell/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusFrame>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "ui/lesson/timeline_view.h"
#include "ui/scene/token_layer.h"
#include "ui/shell/main_window.h"

namespace bridging::ui {

// The bar, a notification or its label: an object of no widget, with at most
// one child.
class Notification : public QAccessibleInterface {
public:
    Notification(QAccessible::Role role, QWidget& window, Notification* parent)
        : role_(role), window_(&window), parent_(parent) {}

    QString name;
    Notification* inner = nullptr;

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        if (parent_ != nullptr) return parent_;
        return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
    }
    QAccessibleInterface* child(int index) const override { return index == 0 ? inner : nullptr; }
    int childCount() const override { return inner != nullptr ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child == inner ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Name ? name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return role_; }
    // Visible, showing and enabled, as a reader expects of a notification it reads.
    QAccessible::State state() const override { return {}; }

private:
    QAccessible::Role role_;
    QPointer<QWidget> window_;
    Notification* parent_;
};

namespace {

QHash<const QWidget*, const NotificationBar*>& Bars() {
    static QHash<const QWidget*, const NotificationBar*> bars;
    return bars;
}

// A free token's view stays a hidden child of the window; it is no element.
bool Listed(const QWidget& child) {
    if (child.isWindow() || qobject_cast<const QFocusFrame*>(&child) != nullptr ||
        qobject_cast<const QMenu*>(&child) != nullptr)
        return false;
    return qobject_cast<const TokenView*>(&child) == nullptr || !child.isHidden();
}

// The widgets, then the notification bar.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override {
        return static_cast<int>(Children().size()) + (Bar() != nullptr ? 1 : 0);
    }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index == children.size()) return Bar();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && child == Bar()) return static_cast<int>(Children().size());
        if (child == nullptr || child->object() == nullptr || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(Children().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QAccessibleInterface* Bar() const {
        const NotificationBar* bar = Bars().value(widget());
        return bar != nullptr ? bar->Bar() : nullptr;
    }
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

// A value shown as one line of read-only text, without caret or selection.
class LineText : public QAccessibleTextInterface {
public:
    virtual QString Line() const = 0;

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return Line().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Line().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }
};

// The timeline's value in words, "tick 120 of 300", beside its numbers. A
// reader reads a slider's value as a bare number, and a spin box's by the
// text it shows; the keys that move a spin box move the timeline too.
class TimelineAccessible : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public LineText {
public:
    explicit TimelineAccessible(TimelineSlider* slider)
        : QAccessibleWidget(slider, QAccessible::SpinBox) {}

    QString Line() const override { return Slider().ValueText(); }
    using LineText::text;
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Line();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
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

// A choice list named by its accessible name or its label, not by its choice,
// and whose choice reads as its text: Qt 6.4's own list on Linux is named by
// its choice and offers no text, so a reader finds no value to read.
class ComboAccessible : public QAccessibleWidget, public LineText {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString Line() const override { return Combo().currentText(); }
    using LineText::text;
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Line();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Combo().view()->isVisible();
        state.editable = Combo().isEditable();
        return state;
    }
    // The list that drops down, then the field of an editable one.
    int childCount() const override { return Combo().isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Combo().view());
        if (index == 1 && Combo().isEditable())
            return QAccessible::queryAccessibleInterface(Combo().lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child != nullptr && child == this->child(i)) return i;
        }
        return -1;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            Combo().showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        // An editable list's text is its field's.
        if (type == QAccessible::TextInterface && !Combo().isEditable())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

private:
    QComboBox& Combo() const { return *static_cast<QComboBox*>(widget()); }
};

// After the list has taken the key: an echo on every change of the choice
// would also speak when the drop-down closes, which the reader reads itself.
class ChoiceEcho : public QObject {
public:
    ChoiceEcho(QComboBox& combo, std::function<void(const QString&)> say)
        : QObject(&combo), say_(std::move(say)) {
        combo.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* combo = static_cast<QComboBox*>(watched);
        if (event->type() != QEvent::KeyPress || combo->view()->isVisible()) return false;
        QTimer::singleShot(0, this, [this, combo = QPointer(combo), was = combo->currentIndex()] {
            if (combo && combo->hasFocus() && combo->currentIndex() != was)
                say_(combo->currentText());
        });
        return false;
    }

private:
    std::function<void(const QString&)> say_;
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    if (auto* slider = qobject_cast<TimelineSlider*>(object)) return new TimelineAccessible(slider);
    if (auto* combo = qobject_cast<QComboBox*>(object)) return new ComboAccessible(combo);
    if (auto* view = qobject_cast<TokenView*>(object)) return new TokenAccessible(view);
    if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
    return nullptr;
}

// Qt calls the handler in place of its bridge; an event that goes on is handed
// to the bridge by calling again without the handler. A table's change of
// model has been taken by the table already, and the bridge sends nothing for
// it: it goes no further, so that the table does not take it twice.
void ToReader(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TableModelChanged || !ReachesReader(*event)) return;
    const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(CreateInterface);
    QAccessible::installUpdateHandler(ToReader);
}

bool ReachesReader(const QAccessibleEvent& event) {
    const QObject* object = event.object();
    if (object == nullptr) return true;
    const QAccessible::Event type = event.type();
    if (type == QAccessible::NameChanged || type == QAccessible::DescriptionChanged)
        return object != QApplication::focusWidget();
    if (type == QAccessible::ValueChanged) {
        const auto* slider = qobject_cast<const TimelineSlider*>(object);
        return slider == nullptr || !slider->MovedByProgram();
    }
    return true;
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* iface =
        widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

void EchoChoices(QComboBox& combo, std::function<void(const QString&)> say) {
    if (!combo.isEditable()) new ChoiceEcho(combo, std::move(say));
}

void ReportTokenShown(QWidget& view, bool shown) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&view,
                           shown ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&event);
}

NotificationBar::NotificationBar(QWidget& window)
    : window_(window), bar_(new Notification(QAccessible::StatusBar, window, nullptr)) {
    QAccessible::registerAccessibleInterface(bar_);
    for (Notification*& notice : notices_) {
        notice = new Notification(QAccessible::Notification, window, bar_);
        notice->inner = new Notification(QAccessible::StaticText, window, notice);
        QAccessible::registerAccessibleInterface(notice);
        QAccessible::registerAccessibleInterface(notice->inner);
    }
    Bars().insert(&window_, this);
}

NotificationBar::~NotificationBar() {
    Bars().remove(&window_);
    for (Notification* notice : notices_) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(notice->inner));
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(notice));
    }
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(bar_));
}

QAccessibleInterface* NotificationBar::Bar() const { return bar_; }

void NotificationBar::Show(const QString& sentence) {
    Notification* notice = notices_[next_];
    next_ = (next_ + 1) % Turns;
    notice->inner->name = sentence;
    bar_->inner = notice;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace bridging::ui
