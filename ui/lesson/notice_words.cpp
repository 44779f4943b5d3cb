// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Putting the session's notices into words.
#include "ui/lesson/notice_words.h"

#include "explain/building.h"
#include "explain/lessons.h"
#include "explain/questions.h"
#include "explain/timeline.h"
#include "lessons/catalogue.h"

namespace bridging::ui {

namespace {

using namespace session;

// A lesson's step as it is told when it begins, or the summary once past the last.
std::string StepSpoken(const Session& session, std::size_t lessonIndex, std::size_t step,
                       long seconds) {
    const lessons::Lesson& lesson = lessons::AllLessons()[lessonIndex];
    if (step < lesson.steps.size())
        return explain::StepBeginsText(step + 1, lesson.steps.size(), lesson.steps[step].text);
    return explain::LessonDoneText(lesson.title) + " " + session.Lesson().Summary(seconds);
}

struct Words {
    const Session& session;
    long seconds;

    std::string operator()(const MovedInTime& moved) const {
        return explain::MovedInTime(moved.tick, moved.framesInFlight, moved.lookingBack);
    }
    std::string operator()(const PredictSwitched& switched) const {
        return explain::PredictSwitchedText(switched.on);
    }
    std::string operator()(const QuestionAsked& asked) const {
        std::vector<std::string> answers;
        for (const predict::Answer& answer : asked.question.answers) answers.push_back(answer.text);
        return explain::SpokenQuestion(asked.question.prompt, answers);
    }
    std::string operator()(const AnswerJudged& judged) const { return judged.feedback.text; }
    std::string operator()(const LessonsOpened&) const {
        return std::string(explain::LessonsOpenedText);
    }
    std::string operator()(const LessonLeft&) const { return std::string(explain::LessonLeftText); }
    std::string operator()(const LessonBegins& begins) const {
        const lessons::Lesson& lesson = lessons::AllLessons()[begins.lesson];
        return explain::LessonBeginsText(lesson.title, lesson.intro) + " " +
               StepSpoken(session, begins.lesson, begins.step, seconds) + " " +
               std::string(explain::AskedKeyText);
    }
    std::string operator()(const StepsDone& done) const {
        const std::size_t count = lessons::AllLessons()[done.lesson].steps.size();
        std::string said;
        for (std::size_t step = done.first; step < done.step; ++step)
            said += explain::StepDoneText(step + 1, count) + " ";
        return said + StepSpoken(session, done.lesson, done.step, seconds);
    }
    std::string operator()(const StepSkipped& skipped) const {
        const std::size_t count = lessons::AllLessons()[skipped.lesson].steps.size();
        return explain::StepSkippedText(skipped.skipped, count) + " " +
               StepSpoken(session, skipped.lesson, skipped.step, seconds);
    }
    std::string operator()(const StepAgain& again) const {
        return StepSpoken(session, again.lesson, again.step, seconds);
    }
    std::string operator()(const Happened& happened) const { return happened.line.sentence; }
    std::string operator()(const NothingAsked& nothing) const {
        switch (nothing.why) {
            case NothingAsked::Why::NoLesson:
                return std::string(explain::NoLessonText);
            case NothingAsked::Why::LessonDone:
                return std::string(explain::LessonOverText);
            case NothingAsked::Why::WaitsOnTheNetwork:
                break;
        }
        return std::string(explain::WaitsOnTheNetworkText);
    }
    std::string operator()(const BuildEntered& entered) const {
        return explain::BuildEnteredText(entered.name);
    }
    std::string operator()(const NetworkRun& run) const {
        return explain::NetworkRunText(run.name);
    }
    std::string operator()(const EditDone& done) const {
        return explain::EditDoneText(done.label, done.plan);
    }
    std::string operator()(const EditRefused& refused) const {
        const network::Plan* plan = session.Plan();
        return explain::EditRefusedText(refused.label, refused.problems,
                                        plan != nullptr ? *plan : network::Plan{});
    }
    std::string operator()(const EditUndone& undone) const {
        return explain::EditUndoneText(undone.label, undone.redone);
    }
    std::string operator()(const FileOpened& opened) const {
        return explain::FileOpenedText(opened.name, opened.file);
    }
    std::string operator()(const FileSaved& saved) const {
        return explain::FileSavedText(saved.file);
    }
    std::string operator()(const FileFailed& failed) const {
        return explain::FileErrorText(failed.error, failed.saving);
    }
};

}  // namespace

std::string NoticeText(const Notice& notice, const Session& session, long lessonSeconds) {
    return std::visit(Words{session, lessonSeconds}, notice);
}

std::string MoreLinesWords(std::size_t count) {
    if (count == 1) return "1 more line in the log.";
    return std::to_string(count) + " more lines in the log.";
}

std::string PanelWords(bool shown) {
    return shown ? "Lesson panel shown." : "Lesson panel hidden.";
}

}  // namespace bridging::ui
