// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Assembling the window from its rooms: the control column, the network's
// views, the lesson panel and its feed, the focus mark; wiring user actions and
// ticks to the core, and redrawing from the core after each of them.
#include "ui/shell/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

#include "ui/lesson/lesson_feed.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/scene/face_qt.h"
#include "ui/scene/focus_mark.h"
#include "ui/scene/lesson_mark.h"
#include "ui/scene/network_view.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/commands.h"
#include "ui/shell/context_menu.h"
#include "ui/shell/control_column.h"
#include "ui/shell/tooltips.h"
#include "ui/shell/travel.h"

namespace bridging::ui {

MainWindow::MainWindow() : message_(*this), demo_(message_, random_) {
    InstallAccessibility();
    setObjectName(QStringLiteral("Demo"));
    // paintEvent covers the whole window with the background and the network.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromUtf8(WindowCaption));
    zoom_.SetFaceFont(*this, 13.5);
    resize(zoom_.PixelRect(0, 0, Demo::ClientWidth, Demo::ClientHeight).size());

    const auto refreshed = [this] {
        predict_.Withdraw();
        StartNewFutureIfBack();
        refresh();
    };
    controls_ = std::make_unique<ControlColumn>(*this, zoom_, demo_, refreshed,
                                                [this] { RunCommand(Command::PauseResume); });
    network_ = std::make_unique<NetworkView>(demo_, zoom_, *this);
    ConnectNetworkClicks(*this, demo_, *network_, refreshed);
    panel_ = new LessonPanel(
        *this, zoom_, [this](Command command) { RunCommand(command); },
        [this](history::Moment moment) {
            if (demo_.MessageOpen()) return;
            predict_.Withdraw();
            timeline_->GoTo(moment);
            ShowMoveInTime();
            refresh();
        },
        PredictWiring(), LessonTitles(), LessonWiring());
    lesson_ = std::make_unique<LessonFeed>(*this, *panel_);
    ChainFocus();
    connect(&timer_.Timer(), &QTimer::timeout, this, &MainWindow::onTick);
    watchAgain_.setSingleShot(true);
    connect(&watchAgain_, &QTimer::timeout, this, &MainWindow::PlayWatchedTick);

    // Buttons and boxes have no menu of their own to offer, and a right click
    // on them must not open the window's.
    for (QWidget* control : findChildren<QAbstractButton*>())
        control->setContextMenuPolicy(Qt::PreventContextMenu);
    focusMark_ = new FocusMark(*this, zoom_);
    lessonMarks_ = std::make_unique<LessonMarks>(*this, zoom_);
    connect(qApp, &QApplication::focusChanged, focusMark_, &FocusMark::Follow);
    qApp->installEventFilter(this);

    // The account stays on: the log holds what happened while the panel was hidden.
    demo_.SetAccount(&decisions_);
    demo_.Form_Load();
    timeline_ = std::make_unique<history::Timeline>(demo_);
    refresh();
}

// The widgets outlive the core: they are destroyed with the QWidget base, and a
// widget that loses focus on the way (the scenario list's text) still signals.
MainWindow::~MainWindow() {
    demo_.SetAccount(nullptr);
    qApp->removeEventFilter(this);
    QObject::disconnect(qApp, nullptr, focusMark_, nullptr);
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    timer_.Timer().disconnect(this);
}

const LessonAnnouncer& MainWindow::announcer() const { return lesson_->announcer(); }

// The control column in its design order, then the network's buttons and the
// lesson panel's controls.
void MainWindow::ChainFocus() {
    std::vector<QWidget*> chain = controls_->FocusChain();
    for (QWidget* control : network_->FocusChain()) chain.push_back(control);
    for (QWidget* control : panel_->FocusChain()) chain.push_back(control);
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

// A tick changes no control, so it leaves them as they are; a replayed
// moment may be any action's.
void MainWindow::onTick() {
    if (timeline_->Replaying()) {
        timeline_->ReplayNext();
        refresh();
        return;
    }
    if (demo_.Running() && HoldTick()) return;
    demo_.Timer1_Timer();
    ShowElements();
    ShowLesson(false);
}

void MainWindow::refresh() {
    controls_->Show();
    ShowElements();
    ShowLesson(true);
}

void MainWindow::ShowLesson(bool afterUserAction) {
    // In the middle of a tick, while its message is open, the moment is not over.
    if (demo_.MessageOpen()) return;
    const std::vector<LogLine> lines = decisions_.Take();
    const history::Moment moment =
        timeline_->LookingBack() ? timeline_->Shown() : timeline_->Keep(MarksTheTimeline(lines));
    lesson_->Show(demo_, lines, moment, afterUserAction, ticking());
    panel_->ShowTime(*timeline_);
    // Predict mode and the lesson's box change only after a user action or
    // when a step gets done, never by a plain tick.
    if (afterUserAction && panel_->isVisible()) panel_->ShowPredict(FactsOf(predict_));
    const bool stepDone = ObserveLesson(moment);
    if (lessonsOpen_ && (afterUserAction || stepDone)) ShowLessonState();
}

void MainWindow::StartNewFutureIfBack() {
    if (!timeline_->LookingBack() || demo_.MessageOpen()) return;
    const history::Moment from = timeline_->Shown();
    timeline_->StartNewFuture();
    predict_.ForgetAfter(from);
    panel_->DropAfter(from);
    decisions_.RecordFirst(WentBackTo(timeline_->Kept().Facts(from).tick));
}

void MainWindow::ShowMoveInTime() {
    if (!panel_->isVisibleTo(this)) ToggleLessonPanel();
    lesson_->Say(MovedInTimeText(demo_, timeline_->LookingBack()));
}

QSize MainWindow::ClientSize() const {
    const float panel = panel_->isVisibleTo(this) ? LessonPanel::WidthTwips : 0;
    return zoom_.PixelRect(0, 0, Demo::ClientWidth + panel, Demo::ClientHeight).size();
}

// The drawing keeps its place: the window grows or shrinks on the right.
void MainWindow::ToggleLessonPanel() {
    panel_->setVisible(!panel_->isVisibleTo(this));
    resize(ClientSize());
    lesson_->OfferChoices(demo_);
}

void MainWindow::ShowElements() {
    network_->Refresh();
    focusMark_->Follow();
    const bool idle = !timeline_->Replaying() && !demo_.AnyTokenShown();
    timer_.Follow(timeline_->Ticking(), timeline_->IntervalMs(), idle);
}

void MainWindow::RunCommand(Command command) {
    switch (command) {
        case Command::ZoomIn:
            SetZoomFactor(ZoomedIn(zoom_.Factor()));
            break;
        case Command::ZoomOut:
            SetZoomFactor(ZoomedOut(zoom_.Factor()));
            break;
        case Command::ActualSize:
            SetZoomFactor(1.0);
            break;
        case Command::FitToScreen:
            ToggleFit();
            break;
        case Command::LessonPanel:
            ToggleLessonPanel();
            break;
        case Command::Predict:
            SetPredict(!predict_.Settings().On());
            break;
        case Command::Lessons:
            ToggleLessons();
            break;
        default:
            // Nothing moves in time, nor reaches the core, while a message waits for OK.
            if (demo_.MessageOpen()) break;
            if (predict_.Asking() &&
                (command == Command::PauseResume || command == Command::Step)) {
                RevealAnswer(command == Command::PauseResume);
                return;
            }
            if (command != Command::Faster && command != Command::Slower) predict_.Withdraw();
            // A step at the present is a tick, and predict mode may hold it.
            if (command == Command::Step && !timeline_->LookingBack() && !demo_.Running() &&
                HoldTick())
                return;
            if (RunInTime(*timeline_, command)) {
                if (MovesInTime(command) || timeline_->LookingBack()) ShowMoveInTime();
            } else if (RunOnCore(demo_, command)) {
                StartNewFutureIfBack();
            }
            break;
    }
    refresh();
}

void MainWindow::SetZoomFactor(double factor) {
    zoomBeforeFit_.reset();
    zoom_.Set(factor);
    zoom_.Apply(*this);
    network_->ForgetShown();
    resize(ClientSize());
    refresh();
    update();
}

// The largest zoom at which the whole window, frame included, fits the
// screen's available area; again, the zoom from before.
void MainWindow::ToggleFit() {
    if (zoomBeforeFit_) {
        const double before = *zoomBeforeFit_;
        SetZoomFactor(before);
        return;
    }
    const QScreen* shown = screen();
    if (shown == nullptr) return;
    const QRect available = shown->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const double before = zoom_.Factor();
    const float panel = panel_->isVisibleTo(this) ? LessonPanel::WidthTwips : 0;
    SetZoomFactor(
        ZoomToFit(Demo::ClientWidth + panel, Demo::ClientHeight, available.size() - frame));
    zoomBeforeFit_ = before;
    move(available.topLeft());
}

void MainWindow::OpenMenu(QPoint globalPos) {
    const int speed = timeline_->LookingBack() ? timeline_->ReplaySpeed() : demo_.Speed();
    const MenuState state{speed, static_cast<int>(std::lround(zoom_.Factor() * 100)),
                          demo_.chkLearn().value != 0, demo_.chkForward().value != 0,
                          predict_.Settings().On()};
    const MenuActions actions{[this](Command command) { RunCommand(command); },
                              [this](int speed) {
                                  if (timeline_->LookingBack()) {
                                      timeline_->SetReplaySpeed(speed);
                                  } else {
                                      demo_.SetSpeed(speed);
                                  }
                                  refresh();
                              },
                              [this](int percent) { SetZoomFactor(percent / 100.0); }};
    OpenContextMenu(*this, globalPos, state, actions);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) { OpenMenu(event->globalPos()); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ToolTip && type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
        type != QEvent::MouseButtonPress)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    // Only this window's widgets: a message box or the list's drop-down is a
    // window of its own.
    if (receiver == nullptr || receiver->window() != this) return false;
    if (type == QEvent::ToolTip)
        return ShowTip(demo_, zoom_, *this, *receiver, static_cast<QHelpEvent&>(*event));
    if (type == QEvent::MouseButtonPress) {
        focusMark_->SetKeyboardInUse(false);
        return false;
    }
    if (type == QEvent::KeyPress) focusMark_->SetKeyboardInUse(true);
    auto& key = static_cast<QKeyEvent&>(*event);
    // Escape leaves a lesson, keeping the network as it stands.
    if (lessonsOpen_ && key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        key.accept();
        if (type == QEvent::KeyPress) LeaveLesson();
        return true;
    }
    // The answers' keys wherever the focus is, and only while a question waits.
    if (const std::optional<std::size_t> answer = AnswerForKey(key.key(), key.modifiers());
        answer && predict_.Asking()) {
        key.accept();
        if (type == QEvent::KeyPress) AnswerQuestion(*answer);
        return true;
    }
    return RouteKey(
        *receiver, key, type == QEvent::KeyPress, [this](Command command) { RunCommand(command); },
        [this](QPoint globalPos) { OpenMenu(globalPos); });
}

void MainWindow::paintEvent(QPaintEvent*) { network_->Paint(); }

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && network_) network_->ForgetImage();
    QWidget::changeEvent(event);
}

}  // namespace bridging::ui
