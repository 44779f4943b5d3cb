// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing a user's move from numbers and doing it through the session. Only the
// drawing looks at the window, and only to choose as a user would: the
// elements it shows, the text its list holds.
#include "tests/random_user.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace bridging::user {

namespace {

// Pieces typed into the middle of the text.
const std::array<const char*, 9> Pieces = {
    " ", "e", "Bridge", "s", "Two ", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8C\x89", "\t",
};
constexpr std::size_t LongestRoughPiece = 24;
constexpr int ScenarioCount = 5;

// One in `n`.
bool Now(NumberSource& numbers, int n) { return numbers.Between(1, n) == 1; }

template <typename List>
const auto& AnyOf(NumberSource& numbers, const List& list) {
    return list[static_cast<std::size_t>(numbers.Between(0, static_cast<int>(list.size()) - 1))];
}

// Mostly an element the window shows; now and then any index at all, shown or
// hidden or none, as a call from code could name.
template <typename Elements>
int Pressed(NumberSource& numbers, const Elements& elements) {
    const int count = static_cast<int>(elements.size());
    if (Now(numbers, 20)) return numbers.Between(-1, count);
    std::vector<int> shown;
    for (int k = 0; k < count; ++k) {
        if (elements[static_cast<std::size_t>(k)].place.Visible) shown.push_back(k);
    }
    return shown.empty() ? -1 : AnyOf(numbers, shown);
}

// Mostly a click that turns the box over; now and then any value near its two.
int BoxValue(NumberSource& numbers, int current) {
    return Now(numbers, 4) ? numbers.Between(-1, 2) : 1 - current;
}

// A piece typed in or a few characters deleted, at a character boundary; now
// and then rough: any bytes, at any byte, even inside a character.
std::string Edited(NumberSource& numbers, const std::string& text) {
    std::vector<std::size_t> boundaries;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            boundaries.push_back(i);
    }
    const bool rough = Now(numbers, 4);
    const bool insert = numbers.Between(0, 1) == 0;
    std::string edited = text;
    if (rough) {
        const auto at = static_cast<std::size_t>(numbers.Between(0, static_cast<int>(text.size())));
        if (insert) {
            edited.insert(at, numbers.Bytes(LongestRoughPiece));
        } else {
            edited.erase(at, static_cast<std::size_t>(numbers.Between(1, 8)));
        }
        return edited;
    }
    const auto at =
        static_cast<std::size_t>(numbers.Between(0, static_cast<int>(boundaries.size()) - 1));
    if (insert) {
        edited.insert(boundaries[at], AnyOf(numbers, Pieces));
    } else {
        const std::size_t last =
            std::min(boundaries.size() - 1, at + static_cast<std::size_t>(numbers.Between(1, 3)));
        edited.erase(boundaries[at], boundaries[last] - boundaries[at]);
    }
    return edited;
}

// Far longer than the field holds: a name, or now and then any bytes, again and again.
std::string Paste(NumberSource& numbers, std::size_t length) {
    std::string piece =
        Now(numbers, 4) ? numbers.Bytes(LongestRoughPiece) : AnyOf(numbers, TypedNames());
    if (piece.empty()) piece = "x";
    std::string paste;
    while (paste.size() < length) paste += piece;
    return paste;
}

}  // namespace

const char* NameOf(UserAction action) {
    switch (action) {
        case UserAction::Ticks:
            return "ticks";
        case UserAction::Send:
            return "Send";
        case UserAction::Letter:
            return "letter";
        case UserAction::RootButton:
            return "root button";
        case UserAction::Learning:
            return "Learning";
        case UserAction::Forwarding:
            return "Forwarding";
        case UserAction::Pause:
            return "Pause";
        case UserAction::Kill:
            return "Kill";
        case UserAction::Renumber:
            return "Renumber";
        case UserAction::Reset:
            return "Reset";
        case UserAction::PickScenario:
            return "scenario picked";
        case UserAction::TypeScenario:
            return "scenario typed";
        case UserAction::EditScenario:
            return "scenario edited";
        case UserAction::PasteScenario:
            return "scenario pasted";
        case UserAction::Step:
            return "Step";
        case UserAction::Faster:
            return "Faster";
        case UserAction::Slower:
            return "Slower";
    }
    return "?";
}

std::string NumberSource::Bytes(std::size_t most) {
    std::string bytes(static_cast<std::size_t>(Between(0, static_cast<int>(most))), '\0');
    for (char& byte : bytes) byte = static_cast<char>(Between(0, 255));
    return bytes;
}

int SeededNumbers::Between(int lo, int hi) {
    if (lo >= hi) return lo;
    const auto span = static_cast<std::int64_t>(hi) - lo + 1;
    const auto pick = static_cast<std::int64_t>(random_.Next() * static_cast<double>(span));
    return static_cast<int>(lo + std::min(span - 1, pick));
}

std::vector<Weight> EveryActionEvenly() {
    std::vector<Weight> weights;
    for (int k = 0; k < UserActionCount; ++k) weights.push_back({static_cast<UserAction>(k), 1});
    return weights;
}

const std::vector<std::string>& TypedNames() {
    static const std::vector<std::string> names = {
        "One Bridge",
        "Two Bridges",
        "Two Manual",
        "Four Bridges",
        "Full Network",
        "one bridge",
        "Two",
        "Full Netw",
        "Four Bridges ",
        "",
        "Zwei Br\xC3\xBC"
        "cken",
        "\xE7\xBD\x91\xE7\xBB\x9C",
        "\xF0\x9F\x8C\x89 One Bridge",
    };
    return names;
}

UserAction DrawKind(NumberSource& numbers, const Mix& mix) {
    int total = 0;
    for (const Weight& w : mix.weights) total += w.weight;
    int pick = numbers.Between(0, total - 1);
    for (const Weight& w : mix.weights) {
        if (pick < w.weight) return w.action;
        pick -= w.weight;
    }
    return UserAction::Ticks;
}

Move Draw(UserAction kind, NumberSource& numbers, const Simulation& now, const Mix& mix) {
    Move move{kind, 0, {}};
    Action& action = move.action;
    switch (kind) {
        case UserAction::Ticks:
            // A paused window is resumed sooner or later.
            if (!now.Running() && Now(numbers, 20))
                return {UserAction::Pause, 0, Act(ActionKind::PauseResume)};
            move.ticks = numbers.Between(1, mix.mostTicks);
            break;
        case UserAction::Send:
        case UserAction::Letter:
            action = Act(kind == UserAction::Send ? ActionKind::Send : ActionKind::Letter,
                         Pressed(numbers, now.Computer1));
            break;
        case UserAction::RootButton:
            action = Act(ActionKind::RootButton, Pressed(numbers, now.Bridge1));
            break;
        case UserAction::Learning:
            action = Act(ActionKind::SetLearning, BoxValue(numbers, now.chkLearn().value));
            break;
        case UserAction::Forwarding:
            action = Act(ActionKind::SetForwarding, BoxValue(numbers, now.chkForward().value));
            break;
        case UserAction::PickScenario:
            action = Act(ActionKind::PickScenario, Now(numbers, 10)
                                                       ? numbers.Between(-1, ScenarioCount)
                                                       : numbers.Between(0, ScenarioCount - 1));
            break;
        case UserAction::TypeScenario:
            action = Act(ActionKind::TypeScenario);
            action.text = AnyOf(numbers, TypedNames());
            break;
        case UserAction::EditScenario:
            action = Act(ActionKind::TypeScenario);
            action.text = Edited(numbers, now.Combo1().text);
            break;
        case UserAction::PasteScenario:
            action = Act(ActionKind::TypeScenario);
            action.text = Paste(numbers, mix.pasteBytes);
            break;
        case UserAction::Pause:
            action = Act(ActionKind::PauseResume);
            break;
        case UserAction::Kill:
            action = Act(ActionKind::Kill);
            break;
        case UserAction::Renumber:
            action = Act(ActionKind::Renumber);
            break;
        case UserAction::Reset:
            action = Act(ActionKind::Reset);
            break;
        case UserAction::Step:
            action = Act(ActionKind::Step);
            break;
        case UserAction::Faster:
            action = Act(ActionKind::Faster);
            break;
        case UserAction::Slower:
            action = Act(ActionKind::Slower);
            break;
    }
    return move;
}

Move Draw(NumberSource& numbers, const Simulation& now, const Mix& mix) {
    return Draw(DrawKind(numbers, mix), numbers, now, mix);
}

Action DrawSessionAction(NumberSource& numbers, const session::Session& session) {
    using enum ActionKind;
    static constexpr std::array Kinds = {
        Back,          BackTen,       ForwardTen,  Oldest,
        Newest,        GoTo,          Faster,      Slower,
        SetSpeed,      TogglePredict, SetPredict,  SetAskEvery,
        SetStopBefore, Answer,        WatchAgain,  Follow,
        ClearLog,      ToggleLessons, StartLesson, ShowMe,
        TryAgain,      Skip,          LeaveLesson, CloseMessage,
        TogglePanel,   ZoomIn,        SetZoom,     RootButtonNumbered};
    Action action = Act(AnyOf(numbers, Kinds));
    const history::Timeline& time = session.Time();
    const bool wild = Now(numbers, 10);
    switch (action.kind) {
        case GoTo: {
            const auto oldest = static_cast<int>(time.Oldest());
            const auto newest = static_cast<int>(time.Newest());
            action.moment = static_cast<std::uint64_t>(wild ? numbers.Between(0, newest + 20)
                                                            : numbers.Between(oldest, newest));
            break;
        }
        case SetSpeed:
            action.index = numbers.Between(wild ? -2 : 0, wild ? 6 : 3);
            break;
        case SetPredict:
        case SetAskEvery:
            action.index = numbers.Between(0, 1);
            break;
        case SetStopBefore:
            action.index = numbers.Between(wild ? -1 : 0, wild ? 9 : 5);
            break;
        case Answer: {
            const predict::Question* question = session.Predict().Questions().Current();
            const int answers =
                question == nullptr ? 4 : static_cast<int>(question->answers.size());
            action.index = numbers.Between(wild ? -1 : 0, wild ? 6 : answers - 1);
            break;
        }
        case Follow:
            action.element = numbers.Between(0, 2) == 0   ? ElementKind::Window
                             : numbers.Between(0, 1) == 0 ? ElementKind::Bridge
                                                          : ElementKind::Station;
            action.index = numbers.Between(-1, 6);
            break;
        case StartLesson:
            action.index = numbers.Between(wild ? -1 : 0, wild ? 9 : 4);
            break;
        case SetZoom:
            action.index = numbers.Between(50, 300);
            break;
        case RootButtonNumbered:
            action.index = numbers.Between(0, 7);
            break;
        default:
            break;
    }
    return action;
}

namespace {

// A user answers OK to every message, one after the other.
void Answered(session::Session& session, session::Outcome outcome, Outcomes& outcomes,
              const std::function<void()>& whileOpen) {
    outcomes.push_back(std::move(outcome));
    while (session.MessageOpen()) {
        if (whileOpen) whileOpen();
        outcomes.push_back(session.Apply(Act(ActionKind::CloseMessage)));
    }
}

}  // namespace

Outcomes Perform(session::Session& session, const Move& move,
                 const std::function<void()>& afterEachKey,
                 const std::function<void()>& whileOpen) {
    Outcomes outcomes;
    if (move.kind == UserAction::Ticks) {
        for (int t = 0; t < move.ticks; ++t) Answered(session, session.Tick(), outcomes, whileOpen);
        return outcomes;
    }
    if (move.kind != UserAction::TypeScenario) {
        Answered(session, session.Apply(move.action), outcomes, whileOpen);
        return outcomes;
    }
    // Typing rebuilds on every change of the text: clear it, then one whole
    // character at a time, whatever its length in bytes.
    const std::string& name = move.action.text;
    Action typed = Act(ActionKind::TypeScenario);
    if (!session.State().Combo1().text.empty()) {
        Answered(session, session.Apply(typed), outcomes, whileOpen);
        if (afterEachKey) afterEachKey();
    }
    for (std::size_t n = 1; n <= name.size(); ++n) {
        if (n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) continue;
        typed.text = name.substr(0, n);
        Answered(session, session.Apply(typed), outcomes, whileOpen);
        if (afterEachKey) afterEachKey();
    }
    return outcomes;
}

void Perform(testing::RecordingDemo& demo, const Move& move,
             const std::function<void()>& afterEachKey) {
    if (move.kind == UserAction::Ticks) {
        for (int t = 0; t < move.ticks; ++t) demo.Timer1_Timer();
        return;
    }
    if (move.kind != UserAction::TypeScenario) {
        demo.Perform(move.action);
        return;
    }
    const std::string& name = move.action.text;
    if (!demo.State().Combo1().text.empty()) {
        demo.SetCombo1Text("");
        if (afterEachKey) afterEachKey();
    }
    for (std::size_t n = 1; n <= name.size(); ++n) {
        if (n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) continue;
        demo.SetCombo1Text(name.substr(0, n));
        if (afterEachKey) afterEachKey();
    }
}

std::vector<std::string> MessageTexts(const Outcomes& outcomes) {
    std::vector<std::string> texts;
    for (const session::Outcome& outcome : outcomes) {
        for (const DispatcherMessage& message : outcome.messages)
            texts.emplace_back(MessageText(message.kind));
    }
    return texts;
}

}  // namespace bridging::user
