// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the control column's widgets at their design places, handing their
// input on as actions, and showing the simulation's faces on them.
#include "ui/shell/control_column.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <utility>

#include "ui/scene/face_qt.h"

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

}  // namespace

ControlColumn::ControlColumn(QWidget& window, const Zoom& zoom, ActionSink act)
    : window_(window), zoom_(zoom), act_(std::move(act)) {
    combo1_ = new QComboBox(&window_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    zoom_.PlaceInTwips(*combo1_, 360, 240, 2895, 495);
    combo1_->setEditable(true);
    // The text is the scenario's name exactly as typed: no completion, and no
    // typed text joins the list.
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setCompleter(nullptr);
    combo1_->lineEdit()->setMaxLength(static_cast<int>(ScenarioTextLimit));
    combo1_->setAccessibleName(QStringLiteral("Example network"));
    // The list has no menu of its own to offer, and a right click on it must
    // not open the window's.
    combo1_->setContextMenuPolicy(Qt::PreventContextMenu);
    QObject::connect(combo1_->lineEdit(), &QLineEdit::textEdited, &window_,
                     [this](const QString& text) {
                         Action typed = Act(ActionKind::TypeScenario);
                         typed.text = text.toStdString();
                         act_(typed);
                     });
    QObject::connect(combo1_, &QComboBox::activated, &window_,
                     [this](int index) { act_(Act(ActionKind::PickScenario, index)); });

    btnPause_ = AddButton("btnPause", 180, 840, 1635, 495, ActionKind::PauseResume);
    btnPause_->setAccessibleDescription(QStringLiteral("Stop or restart the animation"));
    btnPause_->setToolTip(
        QStringLiteral("Stop or restart the animation (Ctrl+P).\nRight-click the window for "
                       "the other commands: step, speed, zoom and their keys."));
    btnKill_ = AddButton("btnKill", 180, 1320, 1635, 495, ActionKind::Kill);
    btnKill_->setAccessibleDescription(QStringLiteral("Remove every frame"));
    btnCost_ = AddButton("btnCost", 180, 1800, 1635, 495, ActionKind::Renumber);
    btnCost_->setAccessibleDescription(
        QStringLiteral("Remove every frame and give the bridges random port costs and numbers"));
    btnReset_ = AddButton("btnReset", 180, 2280, 1635, 495, ActionKind::Reset);
    btnReset_->setAccessibleDescription(
        QStringLiteral("Remove every frame and build the chosen network again"));

    chkLearn_ = AddCheckBox("chkLearn", 180, 4440, 1635, 495, ActionKind::SetLearning);
    chkLearn_->setAccessibleDescription(QStringLiteral("Every bridge learns where stations are"));
    chkForward_ = AddCheckBox("chkForward", 180, 4920, 1875, 495, ActionKind::SetForwarding);
    chkForward_->setAccessibleDescription(QStringLiteral("Every bridge forwards frames"));

    debugNote_ = new QLabel(&window_);
    debugNote_->setObjectName(QStringLiteral("DebugNote"));
    zoom_.PlaceInTwips(*debugNote_, 8100, 9960, 4215, 375);
    debugNote_->setTextFormat(Qt::PlainText);
    debugNote_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

QPushButton* ControlColumn::AddButton(const char* name, float left, float top, float width,
                                      float height, ActionKind click) {
    auto* button = new QPushButton(&window_);
    button->setObjectName(QLatin1String(name));
    zoom_.PlaceInTwips(*button, left, top, width, height);
    QObject::connect(button, &QPushButton::clicked, &window_, [this, click] { act_(Act(click)); });
    return button;
}

// A user's click, key or accessible toggle hands the box's new state on; the
// box's command runs only when that state has changed. Show sets the box with
// its signals blocked, so only the user is heard.
QCheckBox* ControlColumn::AddCheckBox(const char* name, float left, float top, float width,
                                      float height, ActionKind set) {
    auto* box = new QCheckBox(&window_);
    box->setObjectName(QLatin1String(name));
    zoom_.PlaceInTwips(*box, left, top, width, height);
    // Its own font, the window's: a style sheet set and cleared again for
    // another zoom would otherwise leave it with the application's font.
    zoom_.SetFaceFont(*box, 13.5);
    QObject::connect(box, &QCheckBox::toggled, &window_,
                     [this, set](bool checked) { act_(Act(set, checked ? 1 : 0)); });
    return box;
}

std::vector<QWidget*> ControlColumn::FocusChain() const {
    return {combo1_, btnPause_, btnKill_, btnCost_, chkLearn_, chkForward_, btnReset_};
}

QWidget* ControlColumn::ControlFor(ActionKind kind) const {
    switch (kind) {
        case ActionKind::TypeScenario:
        case ActionKind::PickScenario:
            return combo1_;
        case ActionKind::PauseResume:
            return btnPause_;
        case ActionKind::Kill:
            return btnKill_;
        case ActionKind::Renumber:
            return btnCost_;
        case ActionKind::Reset:
            return btnReset_;
        case ActionKind::SetLearning:
        case ActionKind::ToggleLearning:
            return chkLearn_;
        case ActionKind::SetForwarding:
        case ActionKind::ToggleForwarding:
            return chkForward_;
        default:
            return nullptr;
    }
}

void ControlColumn::Show(const Simulation& now) const {
    const ComboBoxState& combo = now.Combo1();
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
    ShowCaption(*btnPause_, now.btnPause().caption);
    ShowCaption(*btnKill_, now.btnKill().caption);
    ShowCaption(*btnCost_, now.btnCost().caption);
    ShowCaption(*btnReset_, now.btnReset().caption);
    ShowCheckBoxFace(*chkLearn_, now.chkLearn());
    ShowCheckBoxFace(*chkForward_, now.chkForward());
    ShowLabelFace(*debugNote_, now.DebugNote());
}

}  // namespace bridging::ui
