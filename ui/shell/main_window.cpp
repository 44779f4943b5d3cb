// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Assembling the window from its rooms, handing the session every user action
// and tick, and the window's own view: zoom, fit, the panel beside the drawing.
#include "ui/shell/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QScreen>
#include <cmath>

#include "ui/build/build_box.h"
#include "ui/build/build_mode.h"
#include "ui/lesson/lesson_feed.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/scene/face_qt.h"
#include "ui/scene/focus_mark.h"
#include "ui/scene/lesson_mark.h"
#include "ui/scene/network_view.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/action_widgets.h"
#include "ui/shell/context_menu.h"
#include "ui/shell/control_column.h"
#include "ui/shell/keys.h"
#include "ui/shell/panes.h"
#include "ui/shell/presenter.h"
#include "ui/shell/tooltips.h"

namespace bridging::ui {

MainWindow::MainWindow()
    : session_(random_), messages_(*this, session_, timer_, [this](session::Outcome outcome) {
          Show(std::move(outcome));
      }) {
    InstallAccessibility();
    setObjectName(QStringLiteral("Demo"));
    // paintEvent covers the whole window with the background and the network.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromUtf8(WindowCaption));
    zoom_.SetFaceFont(*this, 13.5);
    resize(zoom_.PixelRect(0, 0, Simulation::ClientWidth, Simulation::ClientHeight).size());

    const ActionSink act = [this](const Action& action) { Perform(action); };
    controls_ = std::make_unique<ControlColumn>(*this, zoom_, act);
    network_ = std::make_unique<NetworkView>(session_.State(), zoom_, *this);
    ConnectNetworkClicks(*this, *network_, act);
    widgets_ = std::make_unique<ActionWidgets>(*controls_, *network_);
    const LessonBoxCalls lessonCalls{[this] { presenter_->CopyLessonSummary(); },
                                     [this] { presenter_->ShowLessonState(); }};
    panel_ = new LessonPanel(*this, zoom_, act, session_, lessonCalls);
    feed_ = std::make_unique<LessonFeed>(*this, *panel_);
    build_ =
        std::make_unique<BuildMode>(*this, zoom_, act, session_, *panel_, controls_->FocusChain());
    // The control column in its design order, then the network's buttons and
    // the lesson panel's controls, or the build box's in its place.
    std::vector<QWidget*> chain = controls_->FocusChain();
    for (QWidget* control : network_->FocusChain()) chain.push_back(control);
    for (QWidget* control : panel_->FocusChain()) chain.push_back(control);
    for (QWidget* control : build_->FocusChain()) chain.push_back(control);
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    panes_ = std::make_unique<Panes>(
        std::vector<std::vector<QWidget*>>{controls_->FocusChain(), network_->FocusChain(),
                                           panel_->FocusChain(), build_->FocusChain()});
    connect(&timer_.Timer(), &QTimer::timeout, this, &MainWindow::onTick);

    // Buttons and boxes have no menu of their own to offer, and a right click
    // on them must not open the window's.
    for (QWidget* control : findChildren<QAbstractButton*>())
        control->setContextMenuPolicy(Qt::PreventContextMenu);
    focusMark_ = new FocusMark(*this, zoom_);
    lessonMarks_ = std::make_unique<LessonMarks>(*this, zoom_);
    connect(qApp, &QApplication::focusChanged, focusMark_, &FocusMark::Follow);
    qApp->installEventFilter(this);
    presenter_ = std::make_unique<Presenter>(
        WindowParts{session_, *controls_, *network_, *panel_, *feed_, *focusMark_, *lessonMarks_,
                    timer_, *widgets_,
                    [this] {
                        if (!panel_->isVisibleTo(this)) ToggleLessonPanel();
                    },
                    [this](const Action& action) { ChangeView(action); },
                    [this] { Show(session_.PlayWatched()); }, [this] { ShowBuilding(); },
                    [this](const session::FileFailed& failed) { build_->ShowFailure(failed); }});
    Show(session_.StartUp());
}

// The widgets outlive the session's users: they are destroyed with the QWidget
// base, and a widget that loses focus on the way (the scenario list's text)
// still signals.
MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    QObject::disconnect(qApp, nullptr, focusMark_, nullptr);
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    timer_.Timer().disconnect(this);
}

const LessonAnnouncer& MainWindow::announcer() const { return feed_->announcer(); }

LessonAnnouncer& MainWindow::announcer() { return feed_->announcer(); }

BuildBox& MainWindow::buildBox() { return build_->Box(); }

// A file to open or save is asked for here, and unsaved edits are kept safe,
// before the session takes the action.
void MainWindow::Perform(const Action& action) {
    if (const std::optional<Action> complete = build_->Complete(action))
        Show(session_.Apply(*complete));
}

void MainWindow::onTick() { Show(session_.Tick()); }

// A dispatcher's message comes first: what the tick or action brought about
// waits until it is closed.
void MainWindow::Show(session::Outcome outcome) {
    if (!messages_.Hold(outcome)) presenter_->Show(outcome);
}

void MainWindow::ChangeView(const Action& action) {
    switch (action.kind) {
        case ActionKind::ZoomIn:
            return SetZoomFactor(ZoomedIn(zoom_.Factor()));
        case ActionKind::ZoomOut:
            return SetZoomFactor(ZoomedOut(zoom_.Factor()));
        case ActionKind::ActualSize:
            return SetZoomFactor(1.0);
        case ActionKind::SetZoom:
            return SetZoomFactor(action.index / 100.0);
        case ActionKind::FitToScreen:
            return ToggleFit();
        case ActionKind::TogglePanel:
            return ToggleLessonPanel();
        case ActionKind::NextPane:
            return panes_->Move(1);
        case ActionKind::PreviousPane:
            return panes_->Move(-1);
        default:
            return;
    }
}

QSize MainWindow::ClientSize() const {
    const float panel = build_->SideShown() ? LessonPanel::WidthTwips : 0;
    return zoom_.PixelRect(0, 0, Simulation::ClientWidth + panel, Simulation::ClientHeight).size();
}

// The drawing keeps its place: the window grows or shrinks on the right.
// While building, the panel and the build box take turns.
void MainWindow::ToggleLessonPanel() {
    build_->ToggleSide();
    resize(ClientSize());
    feed_->OfferChoices(session_.State(), session_.Followed());
}

void MainWindow::SetZoomFactor(double factor) {
    zoomBeforeFit_.reset();
    zoom_.Set(factor);
    zoom_.Apply(*this);
    network_->ForgetShown();
    resize(ClientSize());
    presenter_->ShowElements();
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
    const float panel = build_->SideShown() ? LessonPanel::WidthTwips : 0;
    SetZoomFactor(ZoomToFit(Simulation::ClientWidth + panel, Simulation::ClientHeight,
                            available.size() - frame));
    zoomBeforeFit_ = before;
    move(available.topLeft());
}

void MainWindow::ShowBuilding() {
    if (build_->Show()) resize(ClientSize());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!build_->MayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void MainWindow::OpenMenu(QPoint globalPos) {
    OpenContextMenu(*this, globalPos, MenuStateOf(session_, zoom_.Factor()),
                    [this](const Action& action) { Perform(action); });
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) { OpenMenu(event->globalPos()); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease;
    if (type != QEvent::ToolTip && type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
        !mouse)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    // Only this window's widgets: a message box or the list's drop-down is a
    // window of its own.
    if (receiver == nullptr || receiver->window() != this) return false;
    if (type == QEvent::ToolTip)
        return ShowTip(session_.State(), zoom_, *this, *receiver, static_cast<QHelpEvent&>(*event));
    if (mouse) {
        if (build_->Take(*receiver, *event)) return true;
        if (type == QEvent::MouseButtonPress) focusMark_->SetKeyboardInUse(false);
        return false;
    }
    if (type == QEvent::KeyPress) focusMark_->SetKeyboardInUse(true);
    auto& key = static_cast<QKeyEvent&>(*event);
    if (const std::optional<Action> now = ActionForKeyNow(
            key.key(), key.modifiers(), session_.LessonsOpen(), session_.Predict().Asking())) {
        key.accept();
        if (type == QEvent::KeyPress) Perform(*now);
        return true;
    }
    if (build_->Take(*receiver, *event)) return true;
    return RouteKey(
        *receiver, key, type == QEvent::KeyPress, [this](const Action& action) { Perform(action); },
        [this](QPoint globalPos) { OpenMenu(globalPos); });
}

void MainWindow::paintEvent(QPaintEvent* event) { network_->Paint(event->region()); }

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && network_) network_->ForgetImage();
    QWidget::changeEvent(event);
}

}  // namespace bridging::ui
