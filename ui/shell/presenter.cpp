// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each report of an outcome shown where it comes, and the window brought up to
// date from the session afterwards.
#include "ui/shell/presenter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPointer>

#include "explain/lessons.h"
#include "lessons/catalogue.h"
#include "ui/lesson/lesson_feed.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/lesson/notice_words.h"
#include "ui/lesson/timeline_view.h"
#include "ui/scene/face_qt.h"
#include "ui/scene/focus_mark.h"
#include "ui/scene/lesson_mark.h"
#include "ui/scene/network_view.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/action_widgets.h"
#include "ui/shell/control_column.h"
#include "ui/shell/platform_qt.h"

namespace bridging::ui {

namespace {

const QString AskedSentence = QtText(std::string(explain::AskedToPressDescription));

// The control's own description, then the lesson's sentence after it.
QString WithAsked(const QString& description) {
    if (description.isEmpty()) return AskedSentence;
    return description +
           (description.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) +
           AskedSentence;
}

QString WithoutAsked(QString description) {
    if (!description.endsWith(AskedSentence)) return description;
    description.chop(AskedSentence.size());
    if (description.endsWith(QStringLiteral(". "))) {
        description.chop(2);
    } else if (description.endsWith(QLatin1Char(' '))) {
        description.chop(1);
    }
    return description;
}

Telling::Kind KindOf(const session::Notice& notice) {
    const auto* happened = std::get_if<session::Happened>(&notice);
    if (happened == nullptr) return Telling::Kind::Answer;
    return ToldAsItHappens(happened->line.kind) ? Telling::Kind::Landmark : Telling::Kind::Decision;
}

}  // namespace

Presenter::Presenter(WindowParts parts) : parts_(std::move(parts)) {
    watchAgain_.setSingleShot(true);
    QObject::connect(&watchAgain_, &QTimer::timeout, &parts_.panel, parts_.playWatched);
}

void Presenter::CopyLessonSummary() const {
    QApplication::clipboard()->setText(QtText(parts_.session.Lesson().Summary(LessonSeconds())));
}

void Presenter::Show(const session::Outcome& outcome) {
    const session::Session& session = parts_.session;
    QWidget* const focused = QApplication::focusWidget();
    const QString name = AccessibleName(focused);
    std::vector<Telling> told;
    for (const session::Report& report : outcome.reports) ShowReport(report, told);
    // An edit of the network being built keeps no moment, and so writes no
    // line; the window shows it as it shows any other action.
    const bool afterUserAction = outcome.AfterUserAction() || outcome.drawingChanged;
    if (afterUserAction) parts_.controls.Show(session.State());
    if (afterUserAction) parts_.showBuilding();
    ShowElements(afterUserAction);
    // A reader hears of the focused control's new name as of an object it
    // cannot say (see ReachesReader): the name is said here, first.
    if (afterUserAction && focused != nullptr && focused == QApplication::focusWidget()) {
        const QString now = AccessibleName(focused);
        if (now != name) told.insert(told.begin(), {now, Telling::Kind::Answer});
    }
    parts_.panel.ShowLog(session.Log(), session.Followed());
    parts_.panel.ShowTime(session.Time());
    // Predict mode and the lesson's box change only after a user action or
    // when a step gets done, never by a plain tick.
    if (afterUserAction && parts_.panel.isVisible())
        parts_.panel.ShowPredict(FactsOf(session.Predict()));
    if (outcome.lessonChanged) ShowLessonState();
    if (outcome.watchAgainAfterMs) watchAgain_.start(*outcome.watchAgainAfterMs);
    if (outcome.fileFailed) parts_.fileFailed(*outcome.fileFailed);
    parts_.feed.Tell(told, afterUserAction);
}

void Presenter::ShowReport(const session::Report& report, std::vector<Telling>& told) {
    const session::Session& session = parts_.session;
    if (const auto* written = std::get_if<session::Written>(&report)) {
        parts_.feed.Show(session.State(), written->lines, written->afterUserAction,
                         session.Time().Ticking(), session.Followed());
    } else if (const auto* notice = std::get_if<session::Notice>(&report)) {
        if (std::holds_alternative<session::LessonBegins>(*notice)) lessonClock_.start();
        Tell(*notice, told);
    } else if (std::holds_alternative<session::PanelShown>(report)) {
        parts_.showPanel();
    } else if (std::holds_alternative<session::LessonListFocused>(report)) {
        parts_.panel.lessonBox().List().setFocus();
    } else if (const auto* view = std::get_if<session::ViewChanged>(&report)) {
        parts_.changeView(view->action);
        if (view->action.kind == ActionKind::TogglePanel)
            told.push_back(
                {QtText(PanelWords(parts_.panel.isVisibleTo(parts_.panel.parentWidget()))),
                 Telling::Kind::Answer});
    } else if (const auto* asked = std::get_if<session::AskedFocused>(&report)) {
        QWidget* control = parts_.widgets.For(asked->action);
        if (control != nullptr && control->isVisible()) control->setFocus(Qt::OtherFocusReason);
    }
}

// A move in time made on the focused timeline is read by the timeline itself.
// A failed file is told by its box, which a screen reader reads out.
void Presenter::Tell(const session::Notice& notice, std::vector<Telling>& told) {
    if (std::holds_alternative<session::MovedInTime>(notice) &&
        qobject_cast<TimelineSlider*>(QApplication::focusWidget()) != nullptr)
        return;
    if (std::holds_alternative<session::FileFailed>(notice)) return;
    told.push_back({QtText(NoticeText(notice, parts_.session, LessonSeconds())), KindOf(notice)});
}

void Presenter::ShowElements(bool lines) {
    const session::Session& session = parts_.session;
    parts_.network.Refresh(session.State(), lines);
    parts_.focusMark.Follow();
    parts_.timer.Follow(session.Ticking(), session.IntervalMs(), session.Idle());
}

void Presenter::ShowLessonState() {
    const session::Session& session = parts_.session;
    const lessons::LessonRun& run = session.Lesson();
    LessonFacts facts;
    facts.open = session.LessonsOpen();
    facts.running = run.Active();
    facts.finished = run.Finished();
    std::vector<QWidget*> asked;
    if (!facts.running) {
        facts.heading = std::string(explain::ChooseLessonHeading);
        const int chosen = parts_.panel.lessonBox().List().currentIndex();
        if (chosen >= 0 && chosen < static_cast<int>(lessons::AllLessons().size()))
            facts.text = lessons::AllLessons()[static_cast<std::size_t>(chosen)].intro;
    } else if (facts.finished) {
        facts.heading = run.Current()->title;
        facts.text = run.Summary(LessonSeconds());
    } else {
        facts.heading = run.Current()->title + ": " + run.Progress();
        facts.text = run.CurrentStep()->text;
        for (const Action& action : session.AskedActions())
            asked.push_back(parts_.widgets.For(action));
    }
    if (!facts.open) facts = LessonFacts{};
    parts_.panel.ShowLessons(facts);
    MarkAsked(asked);
}

// The outline, and the words for a screen reader, on the controls asked for.
void Presenter::MarkAsked(const std::vector<QWidget*>& asked) {
    for (const QPointer<QWidget>& was : parts_.lessonMarks.Marked()) {
        if (was.isNull()) continue;
        const QString description = was->accessibleDescription();
        if (description.endsWith(AskedSentence))
            was->setAccessibleDescription(WithoutAsked(description));
    }
    parts_.lessonMarks.Follow(asked);
    for (const QPointer<QWidget>& now : parts_.lessonMarks.Marked()) {
        const QString description = now->accessibleDescription();
        if (!description.endsWith(AskedSentence))
            now->setAccessibleDescription(WithAsked(description));
    }
}

}  // namespace bridging::ui
