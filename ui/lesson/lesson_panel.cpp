// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the lesson panel's widgets in design units, so that they follow the
// zoom with the rest of the window, and showing the log's lines in them.
#include "ui/lesson/lesson_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

#include "driver/demo.h"
#include "explain/building.h"
#include "explain/lessons.h"
#include "explain/names.h"
#include "explain/timeline.h"
#include "lessons/catalogue.h"
#include "session/session.h"
#include "ui/lesson/panel_widgets.h"
#include "ui/scene/face_qt.h"
#include "ui/shell/context_menu.h"

namespace bridging::ui {
namespace {

constexpr float PredictTop = 4260;
constexpr float QuestionTop = 5580;
constexpr float LogBottom = 10020;
// The log's top, below the question and its answers while they are shown, or
// below the feedback.
constexpr float LogTop = 5580;
constexpr float LogTopAsking = 9060;
constexpr float LogTopAnswered = 8160;

template <typename Lines>
QString JoinedLines(const Lines& lines, const std::optional<FollowedElement>& followed) {
    QString text;
    for (const LogLine& line : lines) {
        if (!Shows(followed, line)) continue;
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += QtText(LineText(line));
    }
    return text;
}

std::vector<std::string> LessonTitles() {
    std::vector<std::string> titles;
    for (const lessons::Lesson& lesson : lessons::AllLessons()) titles.push_back(lesson.title);
    return titles;
}

}  // namespace

LessonPanel::LessonPanel(QWidget& window, const Zoom& zoom, ActionSink act,
                         const session::Session& session, LessonBoxCalls lessons)
    : QWidget(&window), zoom_(zoom), act_(std::move(act)), session_(session) {
    setObjectName(QStringLiteral("LessonPanel"));
    setAccessibleName(QStringLiteral("Lesson panel"));
    setAutoFillBackground(true);
    zoom_.PlaceInTwips(*this, Simulation::ClientWidth, 0, WidthTwips, Simulation::ClientHeight);
    zoom_.SetFaceFont(*this, PanelPoints);

    // The two top lines leave room for Build on their right.
    QLabel* now = AddLabel("lblNow", 120, 120, 3420);
    now->setText(QStringLiteral("Now"));
    zoom_.SetFaceFont(*now, PanelPoints, true);
    state_ = AddLabel("lblState", 450, 120, 3420);
    tick_ = AddLabel("lblTick", 780);
    speed_ = AddLabel("lblSpeed", 1110);
    destination_ = AddLabel("lblDestination", 1440, 120, 2340);
    destination_->setText(QStringLiteral("Destination: station"));
    destinationLetter_ = AddLabel("lblDestinationLetter", 1425, 2520, 360);
    destinationLetter_->setAlignment(Qt::AlignCenter);
    destinationLetter_->setAutoFillBackground(true);
    zoom_.SetFaceFont(*destinationLetter_, PanelPoints, true);
    frames_ = AddLabel("lblFrames", 1800);
    lessons_ = std::make_unique<LessonBox>(*this, zoom_, LessonTitles(), act_, std::move(lessons));

    step_ = AddButton("btnStep", "Step", 120, 2220);
    slower_ = AddButton("btnSlower", "Slower", 1860, 2220);
    faster_ = AddButton("btnFaster", "Faster", 3600, 2220);
    build_ = AddButton("btnBuild", explain::BuildCaption.data(), 3660, 120);
    build_->setAccessibleDescription(
        QStringLiteral("Build a network of your own, starting from the one shown (F5)"));
    connect(build_, &QPushButton::clicked, this, [this] { act_(Act(ActionKind::ToggleBuild)); });
    nowLabels_ = {now,     state_, tick_,   speed_,  destination_, destinationLetter_,
                  frames_, step_,  slower_, faster_, build_};
    connect(step_, &QPushButton::clicked, this, [this] { act_(Act(ActionKind::Step)); });
    connect(slower_, &QPushButton::clicked, this, [this] { act_(Act(ActionKind::Slower)); });
    connect(faster_, &QPushButton::clicked, this, [this] { act_(Act(ActionKind::Faster)); });

    QLabel* followLabel = AddLabel("lblFollow", 2940, 120, 900);
    followLabel->setText(QStringLiteral("Follow:"));
    follow_ = new QComboBox(this);
    follow_->setObjectName(QStringLiteral("cboFollow"));
    follow_->setAccessibleName(QStringLiteral("Lines to show"));
    zoom_.PlaceInTwips(*follow_, 1020, 2880, 4260, 435);
    zoom_.SetFaceFont(*follow_, PanelPoints);
    followLabel->setBuddy(follow_);
    follow_->addItem(QStringLiteral("Everything"));
    connect(follow_, &QComboBox::activated, this, &LessonPanel::Follow);

    timeline_ = std::make_unique<TimelineView>(*this, zoom_, 3420, [this](history::Moment moment) {
        Action goTo = Act(ActionKind::GoTo);
        goTo.moment = moment;
        act_(goTo);
    });
    predict_ = std::make_unique<PredictBox>(*this, zoom_, PredictTop, QuestionTop, act_);

    view_ = new QPlainTextEdit(this);
    view_->setObjectName(QStringLiteral("txtLog"));
    view_->setAccessibleName(QStringLiteral("Lesson log"));
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view_->setMaximumBlockCount(static_cast<int>(LessonLog::MaxLines));
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    view_->setUndoRedoEnabled(false);
    zoom_.PlaceInTwips(*view_, 120, LogTop, 5160, LogBottom - LogTop);
    zoom_.SetFaceFont(*view_, PanelPoints);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);

    copy_ = AddButton("btnCopy", "Copy", 120, 10140);
    clear_ = AddButton("btnClear", "Clear", 1860, 10140);
    copy_->setAccessibleDescription(
        QStringLiteral("Copy the shown lines of the log, and the questions answered, as text"));
    clear_->setAccessibleDescription(QStringLiteral("Empty the log, and start the score afresh"));
    connect(copy_, &QPushButton::clicked, this, [this] {
        QString text = view_->toPlainText();
        const std::string questions = session_.Predict().Questions().Transcript();
        if (!questions.empty()) text += QStringLiteral("\n\n") + QtText(questions);
        QApplication::clipboard()->setText(text);
    });
    connect(clear_, &QPushButton::clicked, this, [this] { act_(Act(ActionKind::ClearLog)); });
    openLessons_ = AddButton("btnLessons", explain::LessonsCaption.data(), 3600, 10140);
    connect(openLessons_, &QPushButton::clicked, this,
            [this] { act_(Act(ActionKind::ToggleLessons)); });
    hide();
}

QLabel* LessonPanel::AddLabel(const char* name, float top, float left, float width) {
    return PanelLabel(*this, zoom_, name, left, top, width);
}

QPushButton* LessonPanel::AddButton(const char* name, const char* caption, float left, float top) {
    return PanelButton(*this, zoom_, name, QString::fromUtf8(caption), left, top);
}

std::vector<QWidget*> LessonPanel::FocusChain() const {
    std::vector<QWidget*> chain = lessons_->FocusChain();
    chain.insert(chain.end(), {build_, step_, slower_, faster_, follow_, &timeline_->Slider()});
    for (QWidget* widget : predict_->FocusChain()) chain.push_back(widget);
    chain.insert(chain.end(), {view_, copy_, clear_, openLessons_});
    return chain;
}

void LessonPanel::ShowNow(const NowFacts& now) {
    if (shownNow_ == now) return;
    shownNow_ = now;
    state_->setText(now.running ? QStringLiteral("Running") : QStringLiteral("Paused"));
    tick_->setText(QStringLiteral("Tick %1").arg(now.tick));
    speed_->setText(QStringLiteral("Speed: ") + SpeedName(now.speed));
    const QString letter = QtText(explain::StationLetter(now.destination));
    destinationLetter_->setText(letter);
    destinationLetter_->setAccessibleName(QStringLiteral("Destination: station ") + letter);
    QPalette palette = destinationLetter_->palette();
    palette.setColor(QPalette::Window, QtColour(now.destinationColour));
    palette.setColor(QPalette::WindowText, Qt::black);
    destinationLetter_->setPalette(palette);
    frames_->setText(
        QStringLiteral("Frames in flight: %1 of %2").arg(now.framesInFlight).arg(PoolSize));
}

void LessonPanel::SetFollowChoices(const std::vector<FollowChoice>& choices,
                                   const std::optional<FollowedElement>& followed) {
    if (choices != choices_) {
        choices_ = choices;
        follow_->clear();
        follow_->addItem(QStringLiteral("Everything"));
        for (const FollowChoice& choice : choices_) follow_->addItem(QtText(choice.text));
    }
    int kept = 0;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (followed == choices_[i].element) kept = static_cast<int>(i) + 1;
    }
    if (follow_->currentIndex() != kept) follow_->setCurrentIndex(kept);
}

void LessonPanel::Follow(int choice) {
    Action follow = Act(ActionKind::Follow);
    if (choice > 0 && choice <= static_cast<int>(choices_.size())) {
        const FollowedElement& element = choices_[static_cast<std::size_t>(choice - 1)].element;
        follow.element = element.element;
        follow.index = element.index;
    }
    act_(follow);
}

// Only the lines added since the view last looked are new to it, unless lines
// went from the log other than at its start (a new future, Clear) or the
// element followed changed: then it shows the log afresh.
void LessonPanel::ShowLog(const LessonLog& log, const std::optional<FollowedElement>& followed) {
    const bool afresh = log_ != &log || log.Cuts() != cuts_ || followed != followed_;
    log_ = &log;
    cuts_ = log.Cuts();
    followed_ = followed;
    if (!isVisible()) {
        viewStale_ = viewStale_ || afresh ||
                     (!log.Lines().empty() && log.Lines().back().serial != lastSerial_);
        return;
    }
    if (afresh || viewStale_) {
        ShowLines();
    } else {
        AddLines();
    }
}

void LessonPanel::AddLines() {
    const std::deque<LogLine>& lines = log_->Lines();
    const auto first = std::find_if(lines.begin(), lines.end(), [this](const LogLine& line) {
        return line.serial > lastSerial_;
    });
    if (first == lines.end()) return;
    lastSerial_ = lines.back().serial;
    const std::vector<LogLine> added(first, lines.end());
    const QString text = JoinedLines(added, followed_);
    if (text.isEmpty()) return;
    for (const LogLine& line : added) {
        if (Shows(followed_, line)) viewMoments_.push_back(line.moment);
    }
    while (viewMoments_.size() > LessonLog::MaxLines) viewMoments_.pop_front();
    // The view follows the newest line unless the reader has scrolled up.
    QScrollBar* bar = view_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    view_->appendPlainText(text);
    if (following) bar->setValue(bar->maximum());
}

void LessonPanel::ShowLines() {
    viewStale_ = false;
    viewMoments_.clear();
    if (log_ == nullptr) return;
    const std::deque<LogLine>& lines = log_->Lines();
    lastSerial_ = lines.empty() ? 0 : lines.back().serial;
    for (const LogLine& line : lines) {
        if (Shows(followed_, line)) viewMoments_.push_back(line.moment);
    }
    view_->setPlainText(JoinedLines(lines, followed_));
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
    marked_.reset();
}

void LessonPanel::ShowLessons(const LessonFacts& facts) {
    lessons_->Show(facts);
    for (QWidget* label : nowLabels_) label->setVisible(!facts.open);
}

void LessonPanel::ShowPredict(const PredictFacts& facts) {
    predict_->Show(facts);
    const float top = !facts.answers.empty() ? LogTopAsking
                      : facts.Questioning()  ? LogTopAnswered
                                             : LogTop;
    if (top == logTop_) return;
    logTop_ = top;
    QScrollBar* bar = view_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    zoom_.PlaceInTwips(*view_, 120, top, 5160, LogBottom - top);
    if (following) bar->setValue(bar->maximum());
}

void LessonPanel::ShowTime(const history::Timeline& timeline) {
    oldestKept_ = timeline.Oldest();
    if (!isVisible()) return;
    timeline_->Show(timeline);
    const std::pair shown(timeline.Shown(), timeline.LookingBack());
    if (marked_ == shown) return;
    marked_ = shown;
    MarkLines();
}

// Only while looking back: at the present the moment shown is the newest, the
// foot of the log.
void LessonPanel::MarkLines() {
    QList<QTextEdit::ExtraSelection> marks;
    if (marked_ && marked_->second) {
        const history::Moment shown = marked_->first;
        const auto firstOf = [this](history::Moment m) {
            return static_cast<int>(std::lower_bound(viewMoments_.begin(), viewMoments_.end(), m) -
                                    viewMoments_.begin());
        };
        const int current = firstOf(shown);
        const int later = firstOf(shown + 1);
        QTextDocument& document = *view_->document();
        const auto span = [&](int from, int to) {
            QTextCursor cursor(document.findBlockByNumber(from));
            cursor.setPosition(to < document.blockCount()
                                   ? document.findBlockByNumber(to).position() - 1
                                   : document.characterCount() - 1,
                               QTextCursor::KeepAnchor);
            return cursor;
        };
        if (later > current) {
            QTextEdit::ExtraSelection now;
            now.cursor = span(current, later);
            now.format.setBackground(QColor(0xFF, 0xF0, 0xA0));
            now.format.setProperty(QTextFormat::FullWidthSelection, true);
            marks.push_back(now);
        }
        if (later < document.blockCount()) {
            QTextEdit::ExtraSelection dimmed;
            dimmed.cursor = span(later, document.blockCount());
            // Dimmed, yet still 4.5:1 against the white of the view.
            dimmed.format.setForeground(QColor(0x76, 0x76, 0x76));
            marks.push_back(dimmed);
        }
    }
    view_->setExtraSelections(marks);
}

std::optional<history::Moment> LessonPanel::MomentOfBlock(int block) const {
    if (block < 0 || block >= static_cast<int>(viewMoments_.size())) return std::nullopt;
    return viewMoments_[static_cast<std::size_t>(block)];
}

// The moment just before the line was written, so that one step shows it happen.
void LessonPanel::GoToLine(int block) {
    const std::optional<history::Moment> moment = MomentOfBlock(block);
    if (!moment || *moment < oldestKept_ || *moment == 0) return;
    Action goTo = Act(ActionKind::GoTo);
    goTo.moment = *moment - 1;
    act_(goTo);
}

bool LessonPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool onView = watched == view_ || watched == view_->viewport();
    if (!onView) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.modifiers() == Qt::NoModifier &&
            (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            GoToLine(view_->textCursor().blockNumber());
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == view_->viewport()) {
        const auto& click = static_cast<const QMouseEvent&>(*event);
        // A drag selects text to copy; only a plain click goes to the moment.
        if (click.button() == Qt::LeftButton && !view_->textCursor().hasSelection())
            GoToLine(view_->cursorForPosition(click.position().toPoint()).blockNumber());
    } else if (event->type() == QEvent::ToolTip && watched == view_->viewport()) {
        const auto& help = static_cast<const QHelpEvent&>(*event);
        const int block = view_->cursorForPosition(help.pos()).blockNumber();
        const std::optional<history::Moment> moment = MomentOfBlock(block);
        if (!moment) return false;
        QToolTip::showText(help.globalPos(),
                           QtText(explain::LogLineTip(*moment >= oldestKept_ && *moment > 0)),
                           view_->viewport());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LessonPanel::showEvent(QShowEvent* event) {
    if (viewStale_) ShowLines();
    QWidget::showEvent(event);
}

}  // namespace bridging::ui
