// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What one user action or tick brought about, for the window to show and tell:
// the log's new lines and the things to say, in the order they happened, the
// dispatcher's messages to show first, and which parts of the window changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/action.h"
#include "driver/demo.h"
#include "history/history.h"
#include "log/lesson_log.h"
#include "network/edit.h"
#include "network/file.h"
#include "predict/predict_mode.h"

namespace bridging::session {

// What a screen reader is told, as facts; the window puts them into words.
struct MovedInTime {
    std::uint64_t tick = 0;
    int framesInFlight = 0;
    bool lookingBack = false;
};
struct PredictSwitched {
    bool on = false;
};
struct QuestionAsked {
    predict::Question question;
};
struct AnswerJudged {
    predict::Feedback feedback;
};
struct LessonsOpened {};
struct LessonLeft {};
// A lesson's step (0 is the first) as it is told when it begins: its text, or
// the summary once `step` is past the last.
struct LessonBegins {
    std::size_t lesson = 0;
    std::size_t step = 0;
};
struct StepsDone {
    std::size_t lesson = 0;
    std::size_t first = 0;  // the first step done now; the steps up to `step` are done
    std::size_t step = 0;
};
struct StepSkipped {
    std::size_t lesson = 0;
    std::size_t skipped = 0;  // counting from 1
    std::size_t step = 0;
};
struct StepAgain {
    std::size_t lesson = 0;
    std::size_t step = 0;
};
// A line of the log worth hearing as it happens: a landmark, a decision of
// the element followed, Pause or Resume, a stop before a tick, a new future.
// Its words are the line's.
struct Happened {
    LogLine line;
    bool followed = false;  // about the element followed
};
// The key to the control a step asks for found none to go to.
struct NothingAsked {
    enum class Why : std::uint8_t { NoLesson, LessonDone, WaitsOnTheNetwork };
    Why why = Why::NoLesson;
};
// Building a network: build mode entered, the network built and run, an edit
// made (with the plan it made), refused (with why), undone or redone.
struct BuildEntered {
    std::string name;
};
struct NetworkRun {
    std::string name;
};
struct EditDone {
    network::StepLabel label;
    network::Plan plan;
};
struct EditRefused {
    network::StepLabel label;
    std::vector<network::Problem> problems;
};
struct EditUndone {
    network::StepLabel label;
    bool redone = false;
};
// A network file opened, saved, or not.
struct FileOpened {
    std::string name;
    std::string file;
};
struct FileSaved {
    std::string file;
};
struct FileFailed {
    network::FileError error;
    bool saving = false;
};
using Notice = std::variant<MovedInTime, PredictSwitched, QuestionAsked, AnswerJudged,
                            LessonsOpened, LessonLeft, LessonBegins, StepsDone, StepSkipped,
                            StepAgain, Happened, NothingAsked, BuildEntered, NetworkRun, EditDone,
                            EditRefused, EditUndone, FileOpened, FileSaved, FileFailed>;

// The lines one action or tick wrote into the log, in `moment`. After a user
// action every part of the window may have changed; after a tick only the
// elements the lines concern and the frames.
struct Written {
    std::vector<LogLine> lines;
    history::Moment moment = 0;
    bool afterUserAction = false;
};
// The lesson panel comes into view, if it is hidden.
struct PanelShown {};
// The list of lessons takes the keyboard's focus.
struct LessonListFocused {};
// A change of the window's own view (ChangesOnlyTheView), made at this point.
struct ViewChanged {
    Action action;
};
// The keyboard's focus goes to the control that makes `action`, the first
// that the lesson's step asks for.
struct AskedFocused {
    Action action;
};
using Report =
    std::variant<Written, Notice, PanelShown, LessonListFocused, ViewChanged, AskedFocused>;

struct Outcome {
    // In the order they happened: the window shows each when it comes to it.
    std::vector<Report> reports;
    // Raised in the middle of the tick or action: shown one after the other
    // before anything else, and the session takes nothing else until each is closed.
    std::vector<DispatcherMessage> messages;
    // The lesson's box and outline are to be shown anew.
    bool lessonChanged = false;
    // The network being built is to be shown anew without a line in the log:
    // it was edited (which the window shows at once), or an edit was refused
    // (and the fields the user typed in show the plan again).
    bool drawingChanged = false;
    // A network file could not be opened or saved: the window says so in a box.
    std::optional<FileFailed> fileFailed;
    // A move to the moment the question was asked in: its tick is to be
    // played this long afterwards (Session::PlayWatched).
    std::optional<int> watchAgainAfterMs;

    bool AfterUserAction() const;
    bool Empty() const {
        return reports.empty() && messages.empty() && !lessonChanged && !drawingChanged &&
               !fileFailed;
    }
};

}  // namespace bridging::session
