// The program's window: the control column, the network's elements and the
// moving frames, bound to the window's logic (`Demo`). Every user action and
// every tick runs the core's handler and then refresh(), which redraws from the
// core; the window keeps widgets, not state.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "driver/demo.h"
#include "driver/platform.h"
#include "log/lesson_log.h"
#include "ui/scene/network_picture.h"
#include "ui/shell/keys.h"
#include "ui/shell/platform_qt.h"
#include "ui/shell/tooltips.h"

class QCheckBox;
class QHelpEvent;
class QComboBox;
class QLabel;
class QPushButton;

namespace bridging::ui {

class BridgeView;
class ComputerView;
class FocusMark;
class LessonAnnouncer;
class LessonPanel;
class TokenLayer;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Runs Form_Load, so the window is ready to be shown.
    MainWindow();
    ~MainWindow() override;

    // Reads the core and brings every widget and painted element up to date.
    void refresh();

    // A command of the key table, as its key or the context menu runs it.
    void RunCommand(Command command);
    // Redraws everything at a zoom factor, within the zoom steps' range, and
    // sizes the window's client area to match.
    void SetZoomFactor(double factor);

    const Demo& demo() const { return demo_; }
    const LessonPanel& lessonPanel() const { return *panel_; }
    const LessonAnnouncer& announcer() const { return *announcer_; }
    // The logic's running state (Pause / Resume); the QTimer under it sleeps
    // besides while no frame is shown.
    bool ticking() const { return timer_.Enabled(); }
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

private:
    void CreateControls();
    void CreateNetwork();
    void ChainFocus();
    void ShowControls();
    // Network, stations, bridges and frames: all that a tick can change.
    void ShowElements();
    void ShowNetwork();
    bool HandleKey(QWidget& receiver, QKeyEvent& key, bool pressed);
    void OpenMenu(QPoint globalPos);
    void ToggleFit();
    void DrawNetworkImage();
    // The client area: the drawing, and the lesson panel beside it when shown.
    QSize ClientSize() const;
    void ToggleLessonPanel();
    // The decisions of the action or tick just run: into the log, to the
    // screen reader, and into the descriptions of the elements they concern.
    void ShowLesson(bool afterUserAction);
    void ShowLessonNow();
    bool ShowTip(QWidget& receiver, QHelpEvent& help);
    QPushButton* AddButton(const char* name, float left, float top, float width, float height,
                           void (Demo::*click)());
    QCheckBox* AddCheckBox(const char* name, float left, float top, float width, float height,
                           void (Demo::*set)(int));

    // Declared before the core, which reports into it until the end.
    DecisionCollector decisions_;
    QtTickTimer timer_;
    QtModalMessage message_;
    FixedSeedRandom random_;
    Demo demo_;
    // The network as last painted, only to know when to paint it again.
    NetworkPicture paintedNetwork_;
    // The window's background with the network drawn on it, at the window's
    // size; repaints copy from it. Null when it must be drawn again.
    QPixmap networkImage_;

    QComboBox* combo1_ = nullptr;
    QPushButton* btnPause_ = nullptr;
    QPushButton* btnKill_ = nullptr;
    QPushButton* btnCost_ = nullptr;
    QPushButton* btnReset_ = nullptr;
    QCheckBox* chkLearn_ = nullptr;
    QCheckBox* chkForward_ = nullptr;
    QLabel* debugNote_ = nullptr;
    std::array<BridgeView*, BridgeCount> bridges_{};
    std::array<ComputerView*, ComputerCount> computers_{};
    std::unique_ptr<TokenLayer> tokens_;
    FocusMark* focusMark_ = nullptr;
    LessonPanel* panel_ = nullptr;
    std::unique_ptr<LessonAnnouncer> announcer_;
    std::vector<DescribedPart> described_;
    // The zoom to go back to when F11 leaves the fitted size.
    std::optional<double> zoomBeforeFit_;
};

}  // namespace bridging::ui
