// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the window beyond Qt's own widgets: the
// moving frames as named pictures, present only while they are shown; choice
// lists and the timeline that read their value as words; a status bar of
// notifications, the one way to have a sentence read without moving the
// focus; and the events that reach the reader.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <functional>

class QAccessibleEvent;
class QAccessibleInterface;
class QComboBox;
class QWidget;

namespace bridging::ui {

// Makes the window list only its shown frames among its children, and the
// frames read as pictures; the choice lists and the timeline read their value
// as text; and the events go through ReachesReader. Installing it twice does
// nothing more.
void InstallAccessibility();

// Tells assistive technology that a frame's view came or went, so that the
// window's list of children is read again.
void ReportTokenShown(QWidget& view, bool shown);

// Whether an event goes on to the screen reader. Qt 6.4's bridge sends a new
// name or description as a reference to the object rather than as its text;
// for the control with the focus the reader then has nothing it can say and
// logs an error, so those events stay here and the window says the new name
// itself. A change of the timeline made by the program, every tick while it
// runs, is not the user's either: the reader would read each one.
bool ReachesReader(const QAccessibleEvent& event);

// The name a screen reader reads for a widget (its text when it has no
// accessible name of its own); none for none.
QString AccessibleName(QWidget* widget);

// Has `say` tell a screen reader each choice that a key makes in a closed, not
// editable choice list: the reader takes the list's new name for a repeat.
void EchoChoices(QComboBox& combo, std::function<void(const QString&)> say);

class Notification;

// A status bar of the window's own that no one sees, in which each sentence
// shows as a notification with the sentence as its label: the reader reads a
// notification as it shows, wherever the focus is, and in a status bar without
// the word "notification"; the label is also what a braille display flashes.
// It lives as long as the window, whatever is shown; the window lists it as
// its last child.
class NotificationBar {
public:
    explicit NotificationBar(QWidget& window);
    ~NotificationBar();
    NotificationBar(const NotificationBar&) = delete;
    NotificationBar& operator=(const NotificationBar&) = delete;

    void Show(const QString& sentence);
    QAccessibleInterface* Bar() const;

private:
    // The reader takes a second showing of one object, before it has read the
    // first, for a repeat: sentences take turns among a few.
    static constexpr std::size_t Turns = 8;
    QWidget& window_;
    // Owned by Qt's registry of accessible interfaces once registered.
    Notification* bar_;
    std::array<Notification*, Turns> notices_{};
    std::size_t next_ = 0;
};

}  // namespace bridging::ui
