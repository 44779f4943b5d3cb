// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's events for a screen reader while the lesson panel is hidden: an
// accessible text that lives as long as the window, whatever is shown, and
// reports each line added to it as a text insertion.
#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace bridging::ui {

class AnnouncerText;

class LessonAnnouncer {
public:
    explicit LessonAnnouncer(QWidget& window);
    ~LessonAnnouncer();
    LessonAnnouncer(const LessonAnnouncer&) = delete;
    LessonAnnouncer& operator=(const LessonAnnouncer&) = delete;

    // Adds the lines (one or more, without a final newline) and reports them.
    void Say(const QString& lines);
    const QString& Text() const;

private:
    // Owned by Qt's registry of accessible interfaces once registered.
    AnnouncerText* text_;
    unsigned id_ = 0;
};

}  // namespace bridging::ui
