// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build box, in the lesson panel's place while a network is built: the
// network as a list of its elements, from which every edit can be made by the
// keyboard alone, the selected element's numbers, where to start from, undo
// and redo, the files, and Run.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "network/plan.h"
#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace bridging::session {
class Session;
}

namespace bridging::ui {

class BuildBox : public QWidget {
    Q_OBJECT

public:
    BuildBox(QWidget& window, const Zoom& zoom, ActionSink act, const session::Session& session);

    // Brought up to date with the plan, the selection and the edit history.
    void Show();
    std::vector<QWidget*> FocusChain() const;
    QListWidget& Elements() { return *list_; }

protected:
    // The description is taken when the focus leaves it, as the name is on
    // Return; Delete in the list deletes the element selected.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        network::Element element;
        QString text;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> Rows(const network::Plan& plan) const;
    void ShowRows(const network::Plan& plan, const network::Element& selected);
    void ShowProperties(const network::Plan& plan, const network::Element& selected);
    void ShowTargets(const network::Plan& plan, const network::Element& selected);
    void PropertyChanged(std::size_t which);
    void Edit(const network::Edit& edit);

    const Zoom& zoom_;
    ActionSink act_;
    const session::Session& session_;
    // Set while the box shows the session, so that its own changes make no edit.
    bool showing_ = false;
    std::vector<Row> rows_;
    // The segment whose neighbours the bridge's list offers.
    std::optional<int> targetsFrom_;

    QLabel* heading_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* addSegment_ = nullptr;
    QPushButton* addStation_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* addBridge_ = nullptr;
    QComboBox* toSegment_ = nullptr;
    std::array<QLabel*, 3> propertyLabels_{};
    std::array<QSpinBox*, 3> properties_{};
    QLabel* tablesLabel_ = nullptr;
    QLineEdit* tableA_ = nullptr;
    QLineEdit* tableB_ = nullptr;
    QComboBox* startFrom_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
};

}  // namespace bridging::ui
