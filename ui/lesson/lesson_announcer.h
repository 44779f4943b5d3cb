// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen reader's announcer: what each user action and tick tells, said
// without moving the focus, one utterance at a time, and rationed while the
// frames run. A reader queues what it is given and never cuts it short, but a
// key press throws its whole queue away: what happens as the frames run is
// said only when the reader is done with what it had, merged and counted, so
// that a storm is a sentence or three at a time, never a backlog.
#pragma once

#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/shell/accessibility.h"

class QWidget;

namespace bridging::ui {

// A sentence of what an action or tick tells, and how it may be rationed.
struct Telling {
    enum class Kind : std::uint8_t {
        Answer,    // to the user, a lesson's or a question's words: said whole
        Landmark,  // what a class must not miss while the frames run
        Decision,  // a decision of the element followed
    };
    QString words;
    Kind kind = Kind::Answer;
};

class LessonAnnouncer {
public:
    // At most this many sentences of what happened in one utterance; the
    // rest is counted.
    static constexpr std::size_t MostHappenings = 3;

    explicit LessonAnnouncer(QWidget& window);

    // What one action or tick tells, in order. After a user action the reader
    // has just thrown its queue away, and the utterance goes at once, after
    // what was held back; a tick's goes at once only when the reader is done
    // with the last one, and is held back and merged otherwise.
    void Tell(const std::vector<Telling>& tellings, bool afterUserAction);
    // An answer to the user, at once.
    void Say(const QString& words);

    // Everything said so far, one utterance a line; the oldest go first.
    const QString& Text() const { return said_; }
    // What waits for the reader to be done.
    bool Holding() const { return !held_.empty(); }
    QAccessibleInterface* Bar() const { return bar_.Bar(); }
    // Milliseconds on a steady clock; a test's own clock in its place.
    void SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    // How long a reader takes to say the words, at its usual pace.
    static std::int64_t SpeakingMs(const QString& words);

private:
    void Utter(const std::vector<Telling>& tellings);
    void SayHeld();

    NotificationBar bar_;
    QString said_;
    std::vector<Telling> held_;
    std::int64_t busyUntil_ = 0;
    QTimer whenDone_;
    std::function<std::int64_t()> clock_;
};

// The utterance for what one action or tick, or a few held back, told: the
// answers whole and in order, and of what happened at most `most` sentences
// (the landmarks first, then the latest decisions; a repeat is said once),
// with the rest counted.
QString Utterance(const std::vector<Telling>& tellings, std::size_t most);

}  // namespace bridging::ui
