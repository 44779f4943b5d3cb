// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One utterance per action or tick, timed by how long a reader takes to say
// the last one; what happens while it speaks waits, merged, for it to be done.
#include "ui/lesson/lesson_announcer.h"

#include <QWidget>
#include <algorithm>
#include <chrono>

#include "ui/lesson/notice_words.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

// Enough for the last few hundred utterances; older ones are dropped in one piece.
constexpr qsizetype MaxChars = 20000;
// A reader's usual pace, and the pause it makes around an utterance.
constexpr std::int64_t CharsPerSecond = 14;
constexpr std::int64_t PauseMs = 400;

std::int64_t SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Sentences said one after the other, each line of a text (a summary's) as a
// sentence of its own: a name or a line read on without its stop runs into the
// next.
void Append(QString& utterance, const QString& words) {
    for (const QString& line : words.split(QLatin1Char('\n'))) {
        QString sentence = line.simplified();
        if (sentence.isEmpty()) continue;
        if (!sentence.back().isPunct()) sentence += QLatin1Char('.');
        if (!utterance.isEmpty()) utterance += QLatin1Char(' ');
        utterance += sentence;
    }
}

}  // namespace

QString Utterance(const std::vector<Telling>& tellings, std::size_t most) {
    std::vector<std::size_t> happenings;
    for (std::size_t i = 0; i < tellings.size(); ++i) {
        if (tellings[i].kind != Telling::Kind::Answer) happenings.push_back(i);
    }
    std::vector<QString> chosen;
    const auto choose = [&](std::size_t i) {
        const QString& words = tellings[i].words;
        if (chosen.size() < most && std::find(chosen.begin(), chosen.end(), words) == chosen.end())
            chosen.push_back(words);
    };
    for (const std::size_t i : happenings) {
        if (tellings[i].kind == Telling::Kind::Landmark) choose(i);
    }
    for (auto i = happenings.rbegin(); i != happenings.rend(); ++i) {
        if (tellings[*i].kind == Telling::Kind::Decision) choose(*i);
    }
    QString utterance;
    std::vector<QString> said;
    for (const Telling& telling : tellings) {
        const bool answer = telling.kind == Telling::Kind::Answer;
        if (!answer && (std::find(chosen.begin(), chosen.end(), telling.words) == chosen.end() ||
                        std::find(said.begin(), said.end(), telling.words) != said.end()))
            continue;
        if (!answer) said.push_back(telling.words);
        Append(utterance, telling.words);
    }
    const std::size_t rest = happenings.size() - said.size();
    if (rest > 0) Append(utterance, QtText(MoreLinesWords(rest)));
    return utterance;
}

LessonAnnouncer::LessonAnnouncer(QWidget& window) : bar_(window), clock_(SteadyMs) {
    whenDone_.setSingleShot(true);
    QObject::connect(&whenDone_, &QTimer::timeout, &window, [this] { SayHeld(); });
}

std::int64_t LessonAnnouncer::SpeakingMs(const QString& words) {
    return PauseMs + static_cast<std::int64_t>(words.size()) * 1000 / CharsPerSecond;
}

void LessonAnnouncer::Tell(const std::vector<Telling>& tellings, bool afterUserAction) {
    const std::int64_t now = clock_();
    const bool urgent =
        afterUserAction || std::any_of(tellings.begin(), tellings.end(), [](const Telling& t) {
            return t.kind == Telling::Kind::Answer;
        });
    if (urgent) {
        // What was held back happened first.
        std::vector<Telling> all = std::exchange(held_, {});
        all.insert(all.end(), tellings.begin(), tellings.end());
        whenDone_.stop();
        if (afterUserAction) busyUntil_ = now;
        Utter(all);
        return;
    }
    if (tellings.empty()) return;
    if (held_.empty() && now >= busyUntil_) {
        Utter(tellings);
        return;
    }
    held_.insert(held_.end(), tellings.begin(), tellings.end());
    if (!whenDone_.isActive())
        whenDone_.start(static_cast<int>(std::max<std::int64_t>(0, busyUntil_ - now)));
}

void LessonAnnouncer::Say(const QString& words) { Tell({{words, Telling::Kind::Answer}}, false); }

void LessonAnnouncer::SayHeld() { Utter(std::exchange(held_, {})); }

void LessonAnnouncer::Utter(const std::vector<Telling>& tellings) {
    const QString utterance = Utterance(tellings, MostHappenings);
    if (utterance.isEmpty()) return;
    if (said_.size() + utterance.size() > MaxChars) said_.clear();
    if (!said_.isEmpty()) said_ += QLatin1Char('\n');
    said_ += utterance;
    bar_.Show(utterance);
    busyUntil_ = std::max(busyUntil_, clock_()) + SpeakingMs(utterance);
}

}  // namespace bridging::ui
