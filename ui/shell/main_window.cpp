// Building the window's widgets at their design places, wiring user actions and
// ticks to the core, and redrawing from the core after each of them.
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolTip>
#include <cmath>

#include "explain/names.h"
#include "ui/lesson/lesson_announcer.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/scene/bridge_view.h"
#include "ui/scene/computer_view.h"
#include "ui/scene/face_qt.h"
#include "ui/scene/focus_mark.h"
#include "ui/scene/token_layer.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/context_menu.h"

namespace bridging::ui {
namespace {

bool SameList(const QComboBox& combo, const std::vector<std::string>& list) {
    if (combo.count() != static_cast<int>(list.size())) return false;
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemText(i) != QtText(list[static_cast<std::size_t>(i)])) return false;
    }
    return true;
}

void ShowCheckBoxFace(QCheckBox& box, const CheckBoxFace& face) {
    const QString caption = QtText(face.caption);
    if (box.text() != caption) box.setText(caption);
    const bool checked = face.value != 0;
    if (box.isChecked() != checked) {
        const QSignalBlocker quiet(&box);
        box.setChecked(checked);
    }
}

NowFacts NowOf(const Demo& demo, bool running) {
    NowFacts now{running, demo.TickCount(), demo.Speed(), demo.iSelectedStation(), 0, 0};
    const int station = demo.iSelectedStation() - 1;
    if (station >= 0 && station < ComputerCount)
        now.destinationColour = Computer::StationColours[static_cast<std::size_t>(station)];
    for (const Packet& token : demo.Packet1) now.framesInFlight += token.place.Visible ? 1 : 0;
    return now;
}

std::vector<FollowChoice> ChoicesOf(const Demo& demo) {
    std::vector<FollowChoice> choices;
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& bridge = demo.Bridge1[static_cast<std::size_t>(k)];
        if (bridge.place.Visible)
            choices.push_back(
                {explain::BridgeName(bridge.BridgeNumber()), {ElementKind::Bridge, k}});
    }
    for (int k = 0; k < ComputerCount; ++k) {
        if (demo.Computer1[static_cast<std::size_t>(k)].place.Visible)
            choices.push_back(
                {"Station " + explain::StationLetter(k + 1), {ElementKind::Station, k}});
    }
    return choices;
}

// A plain tooltip is one line however long: break it between words.
QString WrappedForTip(const QString& text) {
    constexpr qsizetype Columns = 64;
    QString wrapped;
    qsizetype lineStart = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (!wrapped.isEmpty()) {
            const bool full = wrapped.size() - lineStart + 1 + word.size() > Columns;
            wrapped += full ? QLatin1Char('\n') : QLatin1Char(' ');
            if (full) lineStart = wrapped.size();
        }
        wrapped += word;
    }
    return wrapped;
}

}  // namespace

MainWindow::MainWindow() : message_(*this), demo_(message_, timer_, random_) {
    // Every window starts at 100 %: nothing is kept from an earlier one.
    SetZoom(1.0);
    InstallAccessibility();
    setObjectName(QStringLiteral("Demo"));
    // paintEvent covers the whole window with the background and the network.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromUtf8(WindowCaption));
    SetFaceFont(*this, 13.5);
    resize(PixelRect(0, 0, Demo::ClientWidth, Demo::ClientHeight).size());

    CreateControls();
    CreateNetwork();
    panel_ = new LessonPanel(*this, [this](Command command) { RunCommand(command); });
    announcer_ = std::make_unique<LessonAnnouncer>(*this);
    described_ = DescribedParts(*this);
    ChainFocus();
    connect(&timer_.Timer(), &QTimer::timeout, this, &MainWindow::onTick);

    // Buttons, boxes and the list have no menu of their own to offer, and a
    // right click on them must not open the window's.
    for (QWidget* control : findChildren<QAbstractButton*>())
        control->setContextMenuPolicy(Qt::PreventContextMenu);
    combo1_->setContextMenuPolicy(Qt::PreventContextMenu);
    focusMark_ = new FocusMark(*this);
    connect(qApp, &QApplication::focusChanged, focusMark_, &FocusMark::Follow);
    qApp->installEventFilter(this);

    // The account stays on: the log holds what happened while the panel was hidden.
    demo_.SetAccount(&decisions_);
    demo_.Form_Load();
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

QPushButton* MainWindow::AddButton(const char* name, float left, float top, float width,
                                   float height, void (Demo::*click)()) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    PlaceInTwips(*button, left, top, width, height);
    connect(button, &QPushButton::clicked, this, [this, click] {
        (demo_.*click)();
        refresh();
    });
    return button;
}

// A user's click, key or accessible toggle hands the box's new state to the
// core, which runs the box's command only when that state has changed. The
// refresh sets the box with its signals blocked, so only the user is heard.
QCheckBox* MainWindow::AddCheckBox(const char* name, float left, float top, float width,
                                   float height, void (Demo::*set)(int)) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QLatin1String(name));
    PlaceInTwips(*box, left, top, width, height);
    // Its own font, the window's: a style sheet set and cleared again for
    // another zoom would otherwise leave it with the application's font.
    SetFaceFont(*box, 13.5);
    connect(box, &QCheckBox::toggled, this, [this, set](bool checked) {
        (demo_.*set)(checked ? 1 : 0);
        refresh();
    });
    return box;
}

void MainWindow::CreateControls() {
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    PlaceInTwips(*combo1_, 360, 240, 2895, 495);
    combo1_->setEditable(true);
    // The text is the scenario's name exactly as typed: no completion, and no
    // typed text joins the list.
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setCompleter(nullptr);
    combo1_->lineEdit()->setMaxLength(static_cast<int>(ScenarioTextLimit));
    combo1_->setAccessibleName(QStringLiteral("Example network"));
    connect(combo1_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        demo_.SetCombo1Text(text.toStdString());
        refresh();
    });
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        demo_.PickCombo1(index);
        refresh();
    });

    btnPause_ = AddButton("btnPause", 180, 840, 1635, 495, &Demo::btnPause_Click);
    btnPause_->setAccessibleDescription(QStringLiteral("Stop or restart the animation"));
    btnPause_->setToolTip(
        QStringLiteral("Stop or restart the animation (Ctrl+P).\nRight-click the window for "
                       "the other commands: step, speed, zoom and their keys."));
    btnKill_ = AddButton("btnKill", 180, 1320, 1635, 495, &Demo::btnKill_Click);
    btnKill_->setAccessibleDescription(QStringLiteral("Remove every frame"));
    btnCost_ = AddButton("btnCost", 180, 1800, 1635, 495, &Demo::btnCost_Click);
    btnCost_->setAccessibleDescription(
        QStringLiteral("Remove every frame and give the bridges random port costs and numbers"));
    btnReset_ = AddButton("btnReset", 180, 2280, 1635, 495, &Demo::btnReset_Click);
    btnReset_->setAccessibleDescription(
        QStringLiteral("Remove every frame and build the chosen network again"));

    chkLearn_ = AddCheckBox("chkLearn", 180, 4440, 1635, 495, &Demo::SetChkLearn);
    chkLearn_->setAccessibleDescription(QStringLiteral("Every bridge learns where stations are"));
    chkForward_ = AddCheckBox("chkForward", 180, 4920, 1875, 495, &Demo::SetChkForward);
    chkForward_->setAccessibleDescription(QStringLiteral("Every bridge forwards frames"));

    debugNote_ = new QLabel(this);
    debugNote_->setObjectName(QStringLiteral("DebugNote"));
    PlaceInTwips(*debugNote_, 8100, 9960, 4215, 375);
    debugNote_->setTextFormat(Qt::PlainText);
    debugNote_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

// Created after the controls and in this order, so stations stand over bridges
// and the frames over everything.
void MainWindow::CreateNetwork() {
    for (int k = 0; k < BridgeCount; ++k) {
        auto* view = new BridgeView(demo_.Bridge1[static_cast<std::size_t>(k)], k, this);
        connect(&view->btnSpanTree(), &QPushButton::clicked, this, [this, k] {
            demo_.Bridge1_btnSpanTree_Click(k);
            refresh();
        });
        bridges_[static_cast<std::size_t>(k)] = view;
    }
    for (int k = 0; k < ComputerCount; ++k) {
        auto* view = new ComputerView(demo_.Computer1[static_cast<std::size_t>(k)], k, this);
        // Checked tells assistive technology which station is the destination;
        // the button's style sheet draws it the same either way.
        view->Command1().setCheckable(true);
        // Toggled, not clicked: an accessible toggle does not click. The
        // refresh checks the button with its signals blocked.
        connect(&view->Command1(), &QPushButton::toggled, this, [this, k] {
            demo_.Computer1_Command1_Click(k);
            refresh();
        });
        connect(&view->btnKeys(), &QPushButton::clicked, this, [this, k] {
            demo_.Computer1_btnKeys_Click(k);
            refresh();
        });
        computers_[static_cast<std::size_t>(k)] = view;
    }
    tokens_ = std::make_unique<TokenLayer>(demo_.Packet1, *this);
}

// The control column in its design order, then the stations' buttons (letter,
// then Send, station A first) and the bridges' root buttons.
void MainWindow::ChainFocus() {
    std::vector<QWidget*> chain = {combo1_,   btnPause_,   btnKill_, btnCost_,
                                   chkLearn_, chkForward_, btnReset_};
    for (ComputerView* view : computers_) {
        chain.push_back(&view->Command1());
        chain.push_back(&view->btnKeys());
    }
    for (BridgeView* view : bridges_) chain.push_back(&view->btnSpanTree());
    for (QWidget* control : panel_->FocusChain()) chain.push_back(control);
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

// A tick changes no control, so it leaves them as they are.
void MainWindow::onTick() {
    demo_.Timer1_Timer();
    ShowElements();
    ShowLesson(false);
}

void MainWindow::refresh() {
    ShowControls();
    ShowElements();
    ShowLesson(true);
}

void MainWindow::ShowLesson(bool afterUserAction) {
    std::vector<LogLine> lines = decisions_.Take();
    if (afterUserAction) {
        Describe(demo_, described_);
    } else {
        for (const LogLine& line : lines) {
            if (line.element != ElementKind::Window)
                Describe(demo_, described_, std::pair(line.element, line.index));
        }
    }
    if (panel_->isVisible()) {
        ShowLessonNow();
        if (afterUserAction) panel_->SetFollowChoices(ChoicesOf(demo_));
    }
    // The lines the panel's view does not add are not lost to a screen reader.
    QString spoken;
    for (const LogLine& line : lines) {
        if (!SpokenWhileHidden(line.kind) || panel_->ShowsNow(line)) continue;
        if (!spoken.isEmpty()) spoken += QLatin1Char('\n');
        spoken += QtText(LineText(line));
    }
    announcer_->Say(spoken);
    panel_->Append(lines);
}

void MainWindow::ShowLessonNow() { panel_->ShowNow(NowOf(demo_, ticking())); }

QSize MainWindow::ClientSize() const {
    const float panel = panel_->isVisibleTo(this) ? LessonPanel::WidthTwips : 0;
    return PixelRect(0, 0, Demo::ClientWidth + panel, Demo::ClientHeight).size();
}

// The drawing keeps its place: the window grows or shrinks on the right.
void MainWindow::ToggleLessonPanel() {
    panel_->setVisible(!panel_->isVisibleTo(this));
    resize(ClientSize());
    if (panel_->isVisibleTo(this)) panel_->SetFollowChoices(ChoicesOf(demo_));
}

void MainWindow::ShowElements() {
    ShowNetwork();
    for (BridgeView* view : bridges_) view->refresh();
    for (ComputerView* view : computers_) {
        view->refresh();
        view->ShowDestination(demo_);
    }
    tokens_->refresh();
    focusMark_->Follow();
    timer_.SetIdle(!demo_.AnyTokenShown());
}

void MainWindow::RunCommand(Command command) {
    switch (command) {
        case Command::PauseResume:
            demo_.btnPause_Click();
            break;
        case Command::Step:
            demo_.Step();
            break;
        case Command::Faster:
            demo_.Faster();
            break;
        case Command::Slower:
            demo_.Slower();
            break;
        case Command::ZoomIn:
            SetZoomFactor(ZoomedIn(Zoom()));
            break;
        case Command::ZoomOut:
            SetZoomFactor(ZoomedOut(Zoom()));
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
        case Command::Kill:
            demo_.btnKill_Click();
            break;
        case Command::Renumber:
            demo_.btnCost_Click();
            break;
        case Command::Reset:
            demo_.btnReset_Click();
            break;
        case Command::Learning:
            demo_.SetChkLearn(demo_.chkLearn().value == 0 ? 1 : 0);
            break;
        case Command::Forwarding:
            demo_.SetChkForward(demo_.chkForward().value == 0 ? 1 : 0);
            break;
        case Command::OneBridge:
        case Command::TwoBridges:
        case Command::TwoManual:
        case Command::FourBridges:
        case Command::FullNetwork:
            demo_.PickCombo1(ScenarioIndex(command));
            break;
    }
    refresh();
}

void MainWindow::SetZoomFactor(double factor) {
    zoomBeforeFit_.reset();
    SetZoom(factor);
    ApplyZoom(*this);
    for (BridgeView* view : bridges_) view->ForgetShown();
    for (ComputerView* view : computers_) view->ForgetShown();
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
    const double before = Zoom();
    const float panel = panel_->isVisibleTo(this) ? LessonPanel::WidthTwips : 0;
    SetZoomFactor(
        ZoomToFit(Demo::ClientWidth + panel, Demo::ClientHeight, available.size() - frame));
    zoomBeforeFit_ = before;
    move(available.topLeft());
}

void MainWindow::OpenMenu(QPoint globalPos) {
    const MenuState state{demo_.Speed(), static_cast<int>(std::lround(Zoom() * 100)),
                          demo_.chkLearn().value != 0, demo_.chkForward().value != 0};
    const MenuActions actions{[this](Command command) { RunCommand(command); },
                              [this](int speed) {
                                  demo_.SetSpeed(speed);
                                  refresh();
                              },
                              [this](int percent) { SetZoomFactor(percent / 100.0); }};
    OpenContextMenu(*this, globalPos, state, actions);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) { OpenMenu(event->globalPos()); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip) {
        auto* receiver = qobject_cast<QWidget*>(watched);
        if (receiver == nullptr || receiver->window() != this) return false;
        return ShowTip(*receiver, static_cast<QHelpEvent&>(*event));
    }
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
        type != QEvent::MouseButtonPress)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    // Only this window's widgets: a message box or the list's drop-down is a
    // window of its own.
    if (receiver == nullptr || receiver->window() != this) return false;
    if (type == QEvent::MouseButtonPress) {
        focusMark_->SetKeyboardInUse(false);
        return false;
    }
    return HandleKey(*receiver, static_cast<QKeyEvent&>(*event), type == QEvent::KeyPress);
}

// The words are made now, from the core as it stands; a part without words
// leaves the event to the widget's own tooltip, if it has one.
bool MainWindow::ShowTip(QWidget& receiver, QHelpEvent& help) {
    const std::optional<QString> tip =
        TipAt(demo_, *this, receiver, receiver.mapTo(this, help.pos()));
    if (!tip) return false;
    QToolTip::showText(help.globalPos(), WrappedForTip(*tip), &receiver);
    return true;
}

// Accepting the override claims the key from the focused control's own
// editing keys; the key press that follows runs the command and goes no further.
bool MainWindow::HandleKey(QWidget& receiver, QKeyEvent& key, bool pressed) {
    if (pressed) focusMark_->SetKeyboardInUse(true);
    const std::optional<Command> command = CommandForKey(key.key(), key.modifiers());
    auto* button = qobject_cast<QAbstractButton*>(&receiver);
    const bool activate = button != nullptr && IsActivateKey(key.key(), key.modifiers());
    const bool menu = IsMenuKey(key.key(), key.modifiers());
    if (!command && !activate && !menu) return false;
    if (!pressed) {
        key.accept();
        return true;
    }
    if (command) {
        RunCommand(*command);
    } else if (activate) {
        button->click();
    } else {
        OpenMenu(receiver.mapToGlobal(receiver.rect().center()));
    }
    return true;
}

void MainWindow::ShowControls() {
    const ComboBoxState& combo = demo_.Combo1();
    {
        const QSignalBlocker quiet(combo1_);
        if (!SameList(*combo1_, combo.list)) {
            combo1_->clear();
            for (const std::string& entry : combo.list) combo1_->addItem(QtText(entry));
        }
        const QString text = QtText(combo.text);
        if (combo1_->currentText() != text) combo1_->setEditText(text);
        // A typed name selects its entry, so that leaving the text field (which
        // picks the entry that the text names) does not count as a pick.
        const int entry = combo1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (entry >= 0 && entry != combo1_->currentIndex()) combo1_->setCurrentIndex(entry);
    }
    ShowCaption(*btnPause_, demo_.btnPause().caption);
    ShowCaption(*btnKill_, demo_.btnKill().caption);
    ShowCaption(*btnCost_, demo_.btnCost().caption);
    ShowCaption(*btnReset_, demo_.btnReset().caption);
    ShowCheckBoxFace(*chkLearn_, demo_.chkLearn());
    ShowCheckBoxFace(*chkForward_, demo_.chkForward());
    ShowLabelFace(*debugNote_, demo_.DebugNote());
}

void MainWindow::ShowNetwork() {
    NetworkPicture now = PictureOf(demo_);
    if (now == paintedNetwork_) return;
    paintedNetwork_ = std::move(now);
    networkImage_ = QPixmap();
    update();
}

void MainWindow::DrawNetworkImage() {
    const qreal ratio = devicePixelRatioF();
    networkImage_ = QPixmap(size() * ratio);
    networkImage_.setDevicePixelRatio(ratio);
    networkImage_.fill(palette().color(backgroundRole()));
    QPainter painter(&networkImage_);
    PaintNetwork(painter, paintedNetwork_);
}

// The painter is clipped to the damaged region, so only that part is copied.
void MainWindow::paintEvent(QPaintEvent*) {
    if (networkImage_.isNull() || networkImage_.deviceIndependentSize() != QSizeF(size()) ||
        networkImage_.devicePixelRatio() != devicePixelRatioF())
        DrawNetworkImage();
    QPainter painter(this);
    painter.drawPixmap(0, 0, networkImage_);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) networkImage_ = QPixmap();
    QWidget::changeEvent(event);
}

}  // namespace bridging::ui
