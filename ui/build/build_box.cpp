// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the build box's widgets in design units, showing the plan in them,
// and turning what the user does in them into actions.
#include "ui/build/build_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "driver/demo.h"
#include "explain/building.h"
#include "network/history.h"
#include "network/layout.h"
#include "network/place.h"
#include "session/session.h"
#include "ui/lesson/panel_widgets.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

namespace {

namespace l = network::limits;
using network::ElementType;

constexpr float Width = 5400;
constexpr float Inner = 5160;
constexpr float Left = 120;
constexpr float FieldHeight = 435;
// The three buttons of a row.
constexpr std::array<float, 3> Columns = {120, 1860, 3600};

template <typename Items>
bool Has(const Items& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size());
}

QString SegmentItem(int segment) { return QStringLiteral("Segment %1").arg(segment + 1); }

}  // namespace

BuildBox::BuildBox(QWidget& window, const Zoom& zoom, ActionSink act,
                   const session::Session& session)
    : QWidget(&window), zoom_(zoom), act_(std::move(act)), session_(session) {
    setObjectName(QStringLiteral("BuildBox"));
    setAccessibleName(QtText(std::string(explain::BuildHeading)));
    setAutoFillBackground(true);
    zoom_.PlaceInTwips(*this, Simulation::ClientWidth, 0, Width, Simulation::ClientHeight);
    zoom_.SetFaceFont(*this, PanelPoints);

    const auto field = [this](QWidget* widget, const char* name, float left, float top, float width,
                              float height = FieldHeight) {
        widget->setObjectName(QLatin1String(name));
        zoom_.PlaceInTwips(*widget, left, top, width, height);
        zoom_.SetFaceFont(*widget, PanelPoints);
    };
    const auto label = [this](const char* name, const QString& text, float left, float top,
                              float width) {
        QLabel* made = PanelLabel(*this, zoom_, name, left, top, width);
        // Plain text but for the ampersand of a mnemonic, which takes the
        // keyboard to the label's field.
        made->setTextFormat(Qt::AutoText);
        made->setText(text);
        return made;
    };
    const auto button = [this](const char* name, const QString& caption, float left, float top,
                               const Action& action) {
        QPushButton* made = PanelButton(*this, zoom_, name, caption, left, top);
        connect(made, &QPushButton::clicked, this, [this, action] { act_(action); });
        return made;
    };

    heading_ = label("lblBuilding", QtText(std::string(explain::BuildHeading)), Left, 120, Inner);
    zoom_.SetFaceFont(*heading_, PanelPoints, true);

    QLabel* nameLabel = label("lblName", QStringLiteral("&Name:"), Left, 540, 1200);
    name_ = new QLineEdit(this);
    field(name_, "txtName", 1380, 480, 3900);
    name_->setMaxLength(static_cast<int>(l::NameCharacters));
    nameLabel->setBuddy(name_);
    connect(name_, &QLineEdit::editingFinished, this, [this] {
        const network::Plan* plan = session_.Plan();
        const std::string name = name_->text().toStdString();
        if (!showing_ && plan != nullptr && name != plan->name) Edit(network::Rename{name});
    });

    QLabel* describeLabel =
        label("lblDescription", QStringLiteral("Des&cription for the class:"), Left, 1020, Inner);
    description_ = new QPlainTextEdit(this);
    field(description_, "txtDescription", Left, 1350, Inner, 1080);
    description_->setTabChangesFocus(true);
    description_->setAccessibleName(QStringLiteral("Description for the class"));
    description_->installEventFilter(this);
    describeLabel->setBuddy(description_);

    QLabel* listLabel = label("lblElements", QStringLiteral("&Elements:"), Left, 2550, Inner);
    list_ = new QListWidget(this);
    field(list_, "lstElements", Left, 2880, Inner, 3480);
    list_->setAccessibleName(QStringLiteral("Elements of the network"));
    list_->setWordWrap(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->installEventFilter(this);
    listLabel->setBuddy(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_ || !Has(rows_, row)) return;
        Action select = Act(ActionKind::Select);
        select.target = rows_[static_cast<std::size_t>(row)].element;
        act_(select);
    });

    addSegment_ = PanelButton(*this, zoom_, "btnAddSegment", QStringLiteral("Add &segment"),
                              Columns[0], 6480);
    addStation_ = PanelButton(*this, zoom_, "btnAddStation", QStringLiteral("Add s&tation"),
                              Columns[1], 6480);
    delete_ = PanelButton(*this, zoom_, "btnDelete", QStringLiteral("&Delete"), Columns[2], 6480);
    const auto plan = [this] { return session_.Plan() ? *session_.Plan() : network::Plan{}; };
    connect(addSegment_, &QPushButton::clicked, this,
            [this, plan] { Edit(network::NewSegment(plan(), session_.Selected())); });
    connect(addStation_, &QPushButton::clicked, this,
            [this, plan] { Edit(network::NewStation(plan(), session_.Selected())); });
    connect(delete_, &QPushButton::clicked, this, [this, plan] {
        if (const auto edit = network::DeleteEdit(plan(), session_.Selected())) Edit(*edit);
    });
    addBridge_ =
        PanelButton(*this, zoom_, "btnAddBridge", QStringLiteral("Add &bridge"), Columns[0], 7080);
    QLabel* toLabel = label("lblToSegment", QStringLiteral("t&o"), Columns[1], 7140, 360);
    toSegment_ = new QComboBox(this);
    field(toSegment_, "cboToSegment", Columns[1] + 420, 7110, 3000);
    toSegment_->setAccessibleName(QStringLiteral("Segment the new bridge joins"));
    toLabel->setBuddy(toSegment_);
    connect(addBridge_, &QPushButton::clicked, this, [this, plan] {
        Edit(network::NewBridge(plan(), session_.Selected(), toSegment_->currentIndex()));
    });

    for (std::size_t k = 0; k < properties_.size(); ++k) {
        const float left = Columns[k];
        // Each number's label above its field, which takes five digits.
        propertyLabels_[k] = PanelLabel(*this, zoom_, "lblProperty", left, 7620, 1620);
        propertyLabels_[k]->setTextFormat(Qt::AutoText);
        properties_[k] = new QSpinBox(this);
        field(properties_[k], "spnProperty", left, 7920, 1560);
        properties_[k]->setKeyboardTracking(false);
        propertyLabels_[k]->setBuddy(properties_[k]);
        connect(properties_[k], &QSpinBox::valueChanged, this, [this, k] { PropertyChanged(k); });
    }
    tablesLabel_ = label("lblTables", QStringLiteral("&Preset tables, A and B:"), Left, 8490, 2520);
    tableA_ = new QLineEdit(this);
    tablesLabel_->setBuddy(tableA_);
    field(tableA_, "txtTableA", 2700, 8430, 1260);
    tableA_->setAccessibleName(QStringLiteral("Preset table of port A"));
    tableB_ = new QLineEdit(this);
    field(tableB_, "txtTableB", 4020, 8430, 1260);
    tableB_->setAccessibleName(QStringLiteral("Preset table of port B"));
    for (QLineEdit* table : {tableA_, tableB_}) {
        table->setMaxLength(2 * l::TableItems);
        connect(table, &QLineEdit::editingFinished, this, [this] {
            const network::Element selected = session_.Selected();
            const network::Plan* plan = session_.Plan();
            if (showing_ || plan == nullptr || selected.type != ElementType::Bridge ||
                !Has(plan->bridges, selected.index))
                return;
            const network::BridgePlan& bridge =
                plan->bridges[static_cast<std::size_t>(selected.index)];
            const std::string a = tableA_->text().toUpper().toStdString();
            const std::string b = tableB_->text().toUpper().toStdString();
            if (a != bridge.tableA || b != bridge.tableB)
                Edit(network::SetTables{selected.index, a, b});
        });
    }

    QLabel* startLabel = label("lblStartFrom", QStringLiteral("Start &from:"), Left, 9000, 1260);
    startFrom_ = new QComboBox(this);
    field(startFrom_, "cboStartFrom", 1380, 8940, 2160);
    startFrom_->setAccessibleName(QStringLiteral("Start from"));
    for (network::BuiltIn builtIn : network::BuiltIns)
        startFrom_->addItem(QtText(std::string(network::BuiltInName(builtIn))));
    startFrom_->addItem(QtText(std::string(explain::EmptyDrawingName)));
    startLabel->setBuddy(startFrom_);
    start_ = PanelButton(*this, zoom_, "btnStartFrom", QStringLiteral("St&art"), Columns[2], 8910);
    start_->setAccessibleDescription(
        QStringLiteral("Build afresh from the network chosen in Start from"));
    connect(start_, &QPushButton::clicked, this,
            [this] { act_(Act(ActionKind::StartNetwork, startFrom_->currentIndex())); });

    undo_ = button("btnUndo", QStringLiteral("Undo"), Columns[0], 9540, Act(ActionKind::Undo));
    redo_ = button("btnRedo", QStringLiteral("Redo"), Columns[1], 9540, Act(ActionKind::Redo));
    run_ = button("btnRun", QtText(std::string(explain::RunCaption)), Columns[2], 9540,
                  Act(ActionKind::RunNetwork));
    run_->setAccessibleDescription(QStringLiteral("Build the network and let the frames go (F5)"));
    open_ = button("btnOpen", QStringLiteral("Open..."), Columns[0], 10140,
                   Act(ActionKind::OpenNetwork));
    save_ =
        button("btnSave", QStringLiteral("Save"), Columns[1], 10140, Act(ActionKind::SaveNetwork));
    saveAs_ = button("btnSaveAs", QStringLiteral("Save as..."), Columns[2], 10140,
                     Act(ActionKind::SaveNetwork, 1));
    hide();
}

std::vector<QWidget*> BuildBox::FocusChain() const {
    std::vector<QWidget*> chain = {name_,       description_, list_,      addSegment_,
                                   addStation_, delete_,      addBridge_, toSegment_};
    for (QSpinBox* property : properties_) chain.push_back(property);
    chain.insert(chain.end(),
                 {tableA_, tableB_, startFrom_, start_, undo_, redo_, run_, open_, save_, saveAs_});
    return chain;
}

void BuildBox::Edit(const network::Edit& edit) { act_(EditAction(edit)); }

// The network first, then each segment followed by its stations, then the
// bridges, as a teacher would read the drawing out.
std::vector<BuildBox::Row> BuildBox::Rows(const network::Plan& plan) const {
    std::vector<Row> rows;
    rows.push_back({network::NetworkElement(), QtText(explain::NetworkLine(plan))});
    for (int s = 0; s < static_cast<int>(plan.segments.size()); ++s) {
        rows.push_back({network::SegmentElement(s), QtText(explain::SegmentLine(plan, s))});
        for (int k = 0; k < static_cast<int>(plan.stations.size()); ++k) {
            if (plan.stations[static_cast<std::size_t>(k)].segment == s)
                rows.push_back({network::StationElement(k),
                                QStringLiteral("    ") + QtText(explain::StationLine(plan, k))});
        }
    }
    for (int b = 0; b < static_cast<int>(plan.bridges.size()); ++b)
        rows.push_back({network::BridgeElement(b), QtText(explain::BridgeLine(plan, b))});
    return rows;
}

void BuildBox::Show() {
    const network::Plan* plan = session_.Plan();
    if (plan == nullptr) return;
    showing_ = true;
    const network::Element selected = session_.Selected();
    const QString name = QtText(plan->name);
    heading_->setText(QtText(std::string(explain::BuildHeading)) + QStringLiteral(": ") + name);
    if (!name_->hasFocus() && name_->text() != name) name_->setText(name);
    const QString description = QtText(plan->description);
    if (!description_->hasFocus() && description_->toPlainText() != description)
        description_->setPlainText(description);
    ShowRows(*plan, selected);
    ShowTargets(*plan, selected);
    ShowProperties(*plan, selected);
    const network::EditHistory* edits = session_.Edits();
    const auto undo = edits ? network::UndoLabel(*edits) : std::nullopt;
    const auto redo = edits ? network::RedoLabel(*edits) : std::nullopt;
    undo_->setEnabled(undo.has_value());
    redo_->setEnabled(redo.has_value());
    undo_->setAccessibleDescription(QtText(explain::UndoMenuText(undo, false)));
    redo_->setAccessibleDescription(QtText(explain::UndoMenuText(redo, true)));
    undo_->setToolTip(undo_->accessibleDescription());
    redo_->setToolTip(redo_->accessibleDescription());
    const bool deletable = selected.type != ElementType::Network;
    delete_->setEnabled(deletable);
    showing_ = false;
}

void BuildBox::ShowRows(const network::Plan& plan, const network::Element& selected) {
    std::vector<Row> rows = Rows(plan);
    if (rows != rows_) {
        rows_ = std::move(rows);
        // Rows whose text changed are set in place, so that a screen reader
        // on the list hears the new text rather than a new list.
        if (list_->count() != static_cast<int>(rows_.size())) {
            list_->clear();
            for (const Row& row : rows_) list_->addItem(row.text);
        } else {
            for (int k = 0; k < list_->count(); ++k) {
                QListWidgetItem* item = list_->item(k);
                const QString& text = rows_[static_cast<std::size_t>(k)].text;
                if (item->text() != text) item->setText(text);
            }
        }
    }
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        if (rows_[k].element == selected && list_->currentRow() != static_cast<int>(k))
            list_->setCurrentRow(static_cast<int>(k));
    }
}

// The segments a new bridge could join: any but the selection's own.
void BuildBox::ShowTargets(const network::Plan& plan, const network::Element& selected) {
    const int count = static_cast<int>(plan.segments.size());
    if (toSegment_->count() != count) {
        toSegment_->clear();
        for (int s = 0; s < count; ++s) toSegment_->addItem(SegmentItem(s));
    }
    const std::optional<int> from = network::SegmentOf(plan, selected);
    addBridge_->setEnabled(count >= 2);
    // A new selection offers the segment below it (or above the lowest one),
    // as a bridge most often joins neighbours; the user's choice is kept
    // while the selection stays.
    if (from && count >= 2 && (from != targetsFrom_ || toSegment_->currentIndex() == *from))
        toSegment_->setCurrentIndex(*from + 1 < count ? *from + 1 : *from - 1);
    targetsFrom_ = from;
}

void BuildBox::ShowProperties(const network::Plan& plan, const network::Element& selected) {
    struct Property {
        QString label;
        int value = 0;
        int lowest = 0;
        int highest = 0;
        int step = 1;
    };
    std::vector<Property> shown;
    const auto k = static_cast<std::size_t>(selected.index);
    bool tables = false;
    if (selected.type == ElementType::Segment && Has(plan.segments, selected.index)) {
        const network::SegmentPlan& s = plan.segments[k];
        shown = {
            {QStringLiteral("&Left end"), s.x1, 0, l::DrawingWidth, network::lattice::EndStep},
            {QStringLiteral("Ri&ght end"), s.x2, 0, l::DrawingWidth, network::lattice::EndStep},
            {QStringLiteral("&Height"), s.y, l::HighestSegment, l::LowestSegment,
             network::lattice::HeightStep}};
    } else if (selected.type == ElementType::Bridge && Has(plan.bridges, selected.index)) {
        const network::BridgePlan& b = plan.bridges[k];
        shown = {{QStringLiteral("N&umber"), b.number, 1, l::HighestBridgeNumber, 1},
                 {QStringLiteral("Cost A"), b.costA, 1, l::HighestCost, 1},
                 {QStringLiteral("Cost B"), b.costB, 1, l::HighestCost, 1}};
        tables = true;
        if (!tableA_->hasFocus()) tableA_->setText(QtText(b.tableA));
        if (!tableB_->hasFocus()) tableB_->setText(QtText(b.tableB));
    } else if (selected.type == ElementType::Station && Has(plan.stations, selected.index)) {
        const network::StationPlan& s = plan.stations[k];
        shown = {{QStringLiteral("&Left"), s.left, 0, l::DrawingWidth, network::lattice::TrackStep},
                 {QStringLiteral("Se&gment"), s.segment + 1, 1,
                  static_cast<int>(plan.segments.size()), 1}};
    }
    for (std::size_t p = 0; p < properties_.size(); ++p) {
        const bool visible = p < shown.size();
        propertyLabels_[p]->setVisible(visible);
        properties_[p]->setVisible(visible);
        if (!visible) continue;
        const Property& property = shown[p];
        propertyLabels_[p]->setText(property.label);
        properties_[p]->setAccessibleName(property.label);
        properties_[p]->setRange(property.lowest, std::max(property.lowest, property.highest));
        properties_[p]->setSingleStep(property.step);
        if (properties_[p]->value() != property.value) properties_[p]->setValue(property.value);
    }
    tablesLabel_->setVisible(tables);
    tableA_->setVisible(tables);
    tableB_->setVisible(tables);
}

void BuildBox::PropertyChanged(std::size_t which) {
    const network::Plan* plan = session_.Plan();
    if (showing_ || plan == nullptr) return;
    const network::Element selected = session_.Selected();
    const auto k = static_cast<std::size_t>(selected.index);
    const int value = properties_[which]->value();
    if (selected.type == ElementType::Segment && Has(plan->segments, selected.index)) {
        const network::SegmentPlan& s = plan->segments[k];
        if (which == 0) Edit(network::ResizeSegment{selected.index, value, s.x2});
        if (which == 1) Edit(network::ResizeSegment{selected.index, s.x1, value});
        if (which == 2) Edit(network::MoveSegment{selected.index, 0, value - s.y});
    } else if (selected.type == ElementType::Bridge && Has(plan->bridges, selected.index)) {
        Edit(network::SetBridge{selected.index, properties_[0]->value(), properties_[1]->value(),
                                properties_[2]->value()});
    } else if (selected.type == ElementType::Station && Has(plan->stations, selected.index)) {
        const network::StationPlan& s = plan->stations[k];
        if (which == 0) Edit(network::MoveStation{selected.index, s.segment, value});
        if (which == 1) Edit(network::MoveStation{selected.index, value - 1, s.left});
    }
}

bool BuildBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == description_ && event->type() == QEvent::FocusOut) {
        const network::Plan* plan = session_.Plan();
        const std::string description = description_->toPlainText().toStdString();
        if (!showing_ && plan != nullptr && description != plan->description)
            Edit(network::Describe{description});
    }
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier) {
            delete_->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace bridging::ui
