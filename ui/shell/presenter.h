// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Showing what the session brought about: the log's lines and the things to
// say in the order they happened, then the parts of the window that changed,
// read from the session; and what the outcome tells, as one utterance.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <vector>

#include "session/session.h"
#include "ui/lesson/lesson_announcer.h"

class QWidget;

namespace bridging::ui {

class ActionWidgets;
class ControlColumn;
class FocusMark;
class LessonFeed;
class LessonMarks;
class LessonPanel;
class NetworkView;
class QtTickTimer;

// The window's parts that show the session.
struct WindowParts {
    const session::Session& session;
    ControlColumn& controls;
    NetworkView& network;
    LessonPanel& panel;
    LessonFeed& feed;
    FocusMark& focusMark;
    LessonMarks& lessonMarks;
    QtTickTimer& timer;
    const ActionWidgets& widgets;
    // What only the window itself can do: show the panel, change its view,
    // and show what the watched tick brings.
    std::function<void()> showPanel;
    std::function<void(const Action&)> changeView;
    std::function<void()> playWatched;
    // Build mode's box and the mark on the drawing, after every user action;
    // and the box that says why a network file failed.
    std::function<void()> showBuilding;
    std::function<void(const session::FileFailed&)> fileFailed;
};

class Presenter {
public:
    explicit Presenter(WindowParts parts);

    void Show(const session::Outcome& outcome);
    // The network, the focus mark and the timer, after a tick (which moves no
    // segment or link line) or a change of view.
    void ShowElements(bool lines = true);
    // The lessons' box and the outline on the controls a step asks for.
    void ShowLessonState();
    // The time since the lesson under way began.
    long LessonSeconds() const {
        return lessonClock_.isValid() ? lessonClock_.elapsed() / 1000 : 0;
    }
    // The lesson's summary, for a worksheet.
    void CopyLessonSummary() const;

private:
    void ShowReport(const session::Report& report, std::vector<Telling>& told);
    void Tell(const session::Notice& notice, std::vector<Telling>& told);
    void MarkAsked(const std::vector<QWidget*>& asked);

    WindowParts parts_;
    QElapsedTimer lessonClock_;
    // Watch again plays the question's tick one tick's time after showing its moment.
    QTimer watchAgain_;
};

}  // namespace bridging::ui
