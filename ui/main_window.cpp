// Building the window's widgets at their design places, wiring user actions and
// ticks to the core, and redrawing from the core after each of them.
#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/bridge_view.h"
#include "ui/computer_view.h"
#include "ui/face_qt.h"
#include "ui/token_layer.h"

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
    if (box.isChecked() != checked) box.setChecked(checked);
}

}  // namespace

MainWindow::MainWindow() : message_(*this), demo_(message_, timer_, random_) {
    setObjectName(QStringLiteral("Demo"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setFont(FaceFont(13.5));
    resize(PixelRect(0, 0, Demo::ClientWidth, Demo::ClientHeight).size());

    CreateControls();
    CreateNetwork();
    ChainFocus();
    connect(&timer_.Timer(), &QTimer::timeout, this, &MainWindow::onTick);

    demo_.Form_Load();
    refresh();
}

// The widgets outlive the core: they are destroyed with the QWidget base, and a
// widget that loses focus on the way (the scenario list's text) still signals.
MainWindow::~MainWindow() {
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    timer_.Timer().disconnect(this);
}

QPushButton* MainWindow::AddButton(const char* name, float left, float top, float width,
                                   float height, void (Demo::*click)()) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(PixelRect(left, top, width, height));
    connect(button, &QPushButton::clicked, this, [this, click] {
        (demo_.*click)();
        refresh();
    });
    return button;
}

// A user's click hands the box's new state to the core, which runs the box's
// command only when that state has changed.
QCheckBox* MainWindow::AddCheckBox(const char* name, float left, float top, float width,
                                   float height, void (Demo::*set)(int)) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(PixelRect(left, top, width, height));
    connect(box, &QCheckBox::clicked, this, [this, set](bool checked) {
        (demo_.*set)(checked ? 1 : 0);
        refresh();
    });
    return box;
}

void MainWindow::CreateControls() {
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setGeometry(PixelRect(360, 240, 2895, 495));
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
    debugNote_->setGeometry(PixelRect(8100, 9960, 4215, 375));
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
        connect(&view->Command1(), &QPushButton::clicked, this, [this, k] {
            demo_.Computer1_Command1_Click(k);
            refresh();
        });
        connect(&view->btnKeys(), &QPushButton::clicked, this, [this, k] {
            demo_.Computer1_btnKeys_Click(k);
            refresh();
        });
        computers_[static_cast<std::size_t>(k)] = view;
    }
    tokens_ = new TokenLayer(demo_.Packet1, this);
    tokens_->setGeometry(PixelRect(0, 0, Demo::ClientWidth, Demo::ClientHeight));
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
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::onTick() {
    demo_.Timer1_Timer();
    refresh();
}

void MainWindow::refresh() {
    ShowControls();
    ShowNetwork();
    for (BridgeView* view : bridges_) view->refresh();
    for (ComputerView* view : computers_) view->refresh();
    tokens_->refresh();
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
    update();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintNetwork(painter, PictureOf(demo_));
}

}  // namespace bridging::ui
