// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An accessible interface of its own, not a widget's: a hidden widget's
// interface reports itself invisible, and screen readers pass over its events.
#include "ui/lesson/lesson_announcer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace bridging::ui {
namespace {

// Enough for the last few hundred lines; older text is dropped in one piece.
constexpr qsizetype MaxChars = 20000;

}  // namespace

class AnnouncerText : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    explicit AnnouncerText(QWidget& window) : window_(&window) {}

    QString said;

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name) return QStringLiteral("Lesson events");
        if (which == QAccessible::Description)
            return QStringLiteral("What happens in the network, as it happens");
        if (which == QAccessible::Value) return said;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // The text interface: the lines said so far, without selection or caret.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return static_cast<int>(said.size()); }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return said.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(said.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QPointer<QWidget> window_;
};

LessonAnnouncer::LessonAnnouncer(QWidget& window) : text_(new AnnouncerText(window)) {
    id_ = QAccessible::registerAccessibleInterface(text_);
}

LessonAnnouncer::~LessonAnnouncer() { QAccessible::deleteAccessibleInterface(id_); }

void LessonAnnouncer::Say(const QString& lines) {
    if (lines.isEmpty()) return;
    QString& text = text_->said;
    if (text.size() + lines.size() > MaxChars && !text.isEmpty()) {
        QAccessibleTextRemoveEvent removed(text_, 0, text);
        text.clear();
        QAccessible::updateAccessibility(&removed);
    }
    const int position = static_cast<int>(text.size());
    const QString added = text.isEmpty() ? lines : QLatin1Char('\n') + lines;
    text += added;
    QAccessibleTextInsertEvent inserted(text_, position, added);
    QAccessible::updateAccessibility(&inserted);
}

const QString& LessonAnnouncer::Text() const { return text_->said; }

}  // namespace bridging::ui
