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
#include "explain/lessons.h"
#include "explain/names.h"
#include "explain/timeline.h"
#include "ui/scene/face_qt.h"
#include "ui/shell/context_menu.h"

namespace bridging::ui {
namespace {

constexpr double PanelPoints = 12;
constexpr float PredictTop = 4260;
constexpr float QuestionTop = 5580;
constexpr float LogBottom = 10020;
// The log's top, below the question and its answers while they are shown, or
// below the feedback.
constexpr float LogTop = 5580;
constexpr float LogTopAsking = 9060;
constexpr float LogTopAnswered = 8160;

QString JoinedLines(const std::vector<LogLine>& lines,
                    const std::optional<FollowedElement>& followed) {
    QString text;
    for (const LogLine& line : lines) {
        if (!Shows(followed, line)) continue;
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += QtText(LineText(line));
    }
    return text;
}

}  // namespace

LessonPanel::LessonPanel(QWidget& window, const Zoom& zoom, std::function<void(Command)> run,
                         std::function<void(history::Moment)> goTo, PredictActions predict,
                         const std::vector<std::string>& lessonTitles, LessonActions lessons)
    : QWidget(&window),
      zoom_(zoom),
      goTo_(std::move(goTo)),
      transcript_(predict.transcript),
      clearScore_(predict.clearScore) {
    setObjectName(QStringLiteral("LessonPanel"));
    setAccessibleName(QStringLiteral("Lesson panel"));
    setAutoFillBackground(true);
    zoom_.PlaceInTwips(*this, Demo::ClientWidth, 0, WidthTwips, Demo::ClientHeight);
    zoom_.SetFaceFont(*this, PanelPoints);

    QLabel* now = AddLabel("lblNow", 120);
    now->setText(QStringLiteral("Now"));
    zoom_.SetFaceFont(*now, PanelPoints, true);
    state_ = AddLabel("lblState", 450);
    tick_ = AddLabel("lblTick", 780);
    speed_ = AddLabel("lblSpeed", 1110);
    destination_ = AddLabel("lblDestination", 1440, 120, 2340);
    destination_->setText(QStringLiteral("Destination: station"));
    destinationLetter_ = AddLabel("lblDestinationLetter", 1425, 2520, 360);
    destinationLetter_->setAlignment(Qt::AlignCenter);
    destinationLetter_->setAutoFillBackground(true);
    zoom_.SetFaceFont(*destinationLetter_, PanelPoints, true);
    frames_ = AddLabel("lblFrames", 1800);
    lessons_ = std::make_unique<LessonBox>(*this, zoom_, lessonTitles, std::move(lessons));

    step_ = AddButton("btnStep", "Step", 120, 2220);
    slower_ = AddButton("btnSlower", "Slower", 1860, 2220);
    faster_ = AddButton("btnFaster", "Faster", 3600, 2220);
    nowLabels_ = {now,     state_, tick_,   speed_, destination_, destinationLetter_,
                  frames_, step_,  slower_, faster_};
    connect(step_, &QPushButton::clicked, this, [run] { run(Command::Step); });
    connect(slower_, &QPushButton::clicked, this, [run] { run(Command::Slower); });
    connect(faster_, &QPushButton::clicked, this, [run] { run(Command::Faster); });

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

    timeline_ = std::make_unique<TimelineView>(*this, zoom_, 3420, goTo_);
    predict_ =
        std::make_unique<PredictBox>(*this, zoom_, PredictTop, QuestionTop, std::move(predict));

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
        const std::string questions = transcript_();
        if (!questions.empty()) text += QStringLiteral("\n\n") + QtText(questions);
        QApplication::clipboard()->setText(text);
    });
    connect(clear_, &QPushButton::clicked, this, &LessonPanel::Clear);
    openLessons_ = AddButton("btnLessons", explain::LessonsCaption.data(), 3600, 10140);
    connect(openLessons_, &QPushButton::clicked, this, [run] { run(Command::Lessons); });
    hide();
}

QLabel* LessonPanel::AddLabel(const char* name, float top, float left, float width) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    zoom_.PlaceInTwips(*label, left, top, width, 330);
    zoom_.SetFaceFont(*label, PanelPoints);
    return label;
}

QPushButton* LessonPanel::AddButton(const char* name, const char* caption, float left, float top) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QLatin1String(name));
    zoom_.PlaceInTwips(*button, left, top, 1620, 495);
    zoom_.SetFaceFont(*button, PanelPoints);
    button->setContextMenuPolicy(Qt::PreventContextMenu);
    return button;
}

std::vector<QWidget*> LessonPanel::FocusChain() const {
    std::vector<QWidget*> chain = lessons_->FocusChain();
    chain.insert(chain.end(), {step_, slower_, faster_, follow_, &timeline_->Slider()});
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

void LessonPanel::SetFollowChoices(const std::vector<FollowChoice>& choices) {
    if (choices == choices_) return;
    choices_ = choices;
    follow_->clear();
    follow_->addItem(QStringLiteral("Everything"));
    int kept = 0;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        follow_->addItem(QtText(choices_[i].text));
        if (followed_ == choices_[i].element) kept = static_cast<int>(i) + 1;
    }
    follow_->setCurrentIndex(kept);
    if (kept == 0 && followed_) Follow(0);
}

void LessonPanel::Follow(int choice) {
    if (choice <= 0 || choice > static_cast<int>(choices_.size())) {
        followed_.reset();
    } else {
        followed_ = choices_[static_cast<std::size_t>(choice - 1)].element;
    }
    ShowLines();
}

void LessonPanel::Append(const std::vector<LogLine>& lines, std::uint64_t moment) {
    if (lines.empty()) return;
    log_.Append(lines, moment);
    if (!isVisible()) {
        viewStale_ = true;
        return;
    }
    const QString text = JoinedLines(lines, followed_);
    if (text.isEmpty()) return;
    for (const LogLine& line : lines) {
        if (Shows(followed_, line)) viewMoments_.push_back(moment);
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
    const std::vector<LogLine> lines(log_.Lines().begin(), log_.Lines().end());
    viewMoments_.clear();
    for (const LogLine& line : lines) {
        if (Shows(followed_, line)) viewMoments_.push_back(line.moment);
    }
    view_->setPlainText(JoinedLines(lines, followed_));
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
    marked_.reset();
}

void LessonPanel::Clear() {
    clearScore_();
    log_.Clear();
    viewMoments_.clear();
    view_->clear();
    marked_.reset();
}

void LessonPanel::DropAfter(history::Moment moment) {
    log_.DropAfter(moment);
    if (isVisible()) {
        ShowLines();
    } else {
        viewStale_ = true;
    }
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
    goTo_(*moment - 1);
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
