// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's window: it assembles the control column, the network's views
// and the lesson panel around one session, hands every user action and timer
// tick to the session, and shows what came of it. Beside its widgets it keeps
// only the zoom; the rules are the session's.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "driver/platform.h"
#include "session/session.h"
#include "ui/scene/zoom.h"
#include "ui/shell/platform_qt.h"

namespace bridging::ui {

class ActionWidgets;
class BuildBox;
class BuildMode;
class ControlColumn;
class FocusMark;
class LessonAnnouncer;
class LessonFeed;
class LessonMarks;
class LessonPanel;
class NetworkView;
class Panes;
class Presenter;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // What the user did, from a widget, a key or the menu: the session takes
    // it and the window shows what came of it.
    void Perform(const Action& action);
    // Redraws everything at a zoom factor, within the zoom steps' range, and
    // sizes the window's client area to match.
    void SetZoomFactor(double factor);

    const session::Session& session() const { return session_; }
    const Simulation& demo() const { return session_.State(); }
    const Zoom& zoom() const { return zoom_; }
    const LessonPanel& lessonPanel() const { return *panel_; }
    BuildBox& buildBox();
    const LessonAnnouncer& announcer() const;
    LessonAnnouncer& announcer();
    const ActionWidgets& actionWidgets() const { return *widgets_; }
    // Whether the frames move: the running state (Pause / Resume) at the
    // present, a replay while looking back. The QTimer under it sleeps
    // besides while no frame is shown.
    bool ticking() const { return session_.Time().Ticking(); }
    QTimer& tickTimer() { return timer_.Timer(); }

public slots:
    // One tick of Timer1.
    void onTick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The keys of the table win over the focused control's own keys, the
    // scenario list's text field included.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Unsaved edits of a network are saved or given up first.
    void closeEvent(QCloseEvent* event) override;

private:
    void Show(session::Outcome outcome);
    void ChangeView(const Action& action);
    void ToggleFit();
    // The client area: the drawing, and the lesson panel or the build box
    // beside it when shown.
    QSize ClientSize() const;
    void ToggleLessonPanel();
    void ShowBuilding();
    void OpenMenu(QPoint globalPos);

    FixedSeedRandom random_;
    session::Session session_;
    Zoom zoom_;
    QtTickTimer timer_;
    MessageBoxes messages_;

    std::unique_ptr<ControlColumn> controls_;
    std::unique_ptr<NetworkView> network_;
    std::unique_ptr<ActionWidgets> widgets_;
    FocusMark* focusMark_ = nullptr;
    LessonPanel* panel_ = nullptr;
    std::unique_ptr<LessonMarks> lessonMarks_;
    std::unique_ptr<LessonFeed> feed_;
    std::unique_ptr<Presenter> presenter_;
    std::unique_ptr<Panes> panes_;
    std::unique_ptr<BuildMode> build_;
    // The zoom to go back to when F11 leaves the fitted size.
    std::optional<double> zoomBeforeFit_;
};

}  // namespace bridging::ui
