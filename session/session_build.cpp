// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building a network in the session: build mode, where edits change the plan
// and the drawing shows it at once without a tick or a moment kept; leaving
// it, which builds the network as the builder builds a scenario; undo and
// redo; and the files a teacher hands out.
#include "network/layout.h"
#include "session/session.h"

namespace bridging::session {

namespace {

// What build mode keeps to itself; anything else the user does leaves build
// mode first, so that the network is built before the frames go.
bool StaysInBuildMode(ActionKind kind) {
    using enum ActionKind;
    return kind == Select || kind == Edit || kind == Undo || kind == Redo || kind == StartNetwork ||
           kind == SaveNetwork || kind == CloseMessage || kind == Follow || kind == ClearLog ||
           ChangesOnlyTheView(kind);
}

bool Exists(const network::Plan& plan, const network::Element& element) {
    const auto within = [](int index, std::size_t count) {
        return index >= 0 && index < static_cast<int>(count);
    };
    switch (element.type) {
        case network::ElementType::Network:
            return true;
        case network::ElementType::Segment:
            return within(element.index, plan.segments.size());
        case network::ElementType::Bridge:
            return within(element.index, plan.bridges.size());
        case network::ElementType::Station:
            return within(element.index, plan.stations.size());
    }
    return false;
}

// The element an edit made or moved, for the editor's keys to go on with.
std::optional<network::Element> Touched(const network::Plan& plan, const network::Edit& edit) {
    using namespace network;
    const auto last = [](std::size_t count) { return static_cast<int>(count) - 1; };
    if (std::holds_alternative<AddSegment>(edit)) return SegmentElement(last(plan.segments.size()));
    if (std::holds_alternative<AddBridge>(edit)) return BridgeElement(last(plan.bridges.size()));
    if (std::holds_alternative<AddStation>(edit)) return StationElement(last(plan.stations.size()));
    if (const auto* move = std::get_if<MoveSegment>(&edit)) return SegmentElement(move->segment);
    if (const auto* move = std::get_if<ResizeSegment>(&edit)) return SegmentElement(move->segment);
    if (const auto* move = std::get_if<MoveBridge>(&edit)) return BridgeElement(move->bridge);
    if (const auto* set = std::get_if<SetBridge>(&edit)) return BridgeElement(set->bridge);
    if (const auto* set = std::get_if<SetTables>(&edit)) return BridgeElement(set->bridge);
    if (const auto* move = std::get_if<MoveStation>(&edit)) return StationElement(move->station);
    return std::nullopt;
}

}  // namespace

// True when the action was build mode's own.
bool Session::BuildAction(const Action& action) {
    const ActionKind kind = action.kind;
    if (building_ && !StaysInBuildMode(kind) && kind != ActionKind::ToggleBuild &&
        kind != ActionKind::RunNetwork)
        RunBuilt();
    switch (kind) {
        case ActionKind::ToggleBuild:
            if (building_) {
                RunBuilt();
            } else {
                EnterBuild();
            }
            return true;
        case ActionKind::RunNetwork:
            if (building_) RunBuilt();
            return true;
        case ActionKind::StartNetwork:
            if (action.index < 0 || action.index > static_cast<int>(network::BuiltIns.size()))
                return true;
            StartFrom(action.index < static_cast<int>(network::BuiltIns.size())
                          ? network::BuiltInPlan(
                                network::BuiltIns[static_cast<std::size_t>(action.index)])
                          : network::EmptyPlan());
            return true;
        case ActionKind::Select:
            if (building_ && editor_ && Exists(editor_->current, action.target)) {
                selected_ = action.target;
                out_->drawingChanged = true;
            }
            return true;
        case ActionKind::Edit:
            if (action.edit) EditPlan(*action.edit);
            return true;
        case ActionKind::Undo:
        case ActionKind::Redo:
            UndoEdit(kind == ActionKind::Redo);
            return true;
        case ActionKind::OpenNetwork:
            OpenFile(action.text);
            return true;
        case ActionKind::SaveNetwork:
            SaveFile(action.text);
            return true;
        default:
            return false;
    }
}

// The network shown becomes the plan to build on, unless a network was built
// already: then building goes on with it. Frames in flight are removed, as
// no frame can travel a network being rebuilt.
void Session::EnterBuild() {
    predict_.Withdraw();
    StartNewFutureIfBack();
    Take(demo_.btnKill_Click());
    Finish(true);
    if (!editor_) {
        const int scenario = State().iScenario();
        network::Plan plan =
            scenario >= 1 && scenario <= static_cast<int>(network::BuiltIns.size())
                ? network::BuiltInPlan(network::BuiltIns[static_cast<std::size_t>(scenario - 1)])
                : network::EmptyPlan();
        editor_ = network::StartHistory(std::move(plan));
    }
    building_ = true;
    selected_ = network::NetworkElement();
    ShowPlan();
    Tell(BuildEntered{editor_->current.name});
}

// Built as the builder builds a scenario; one of the five exactly is that
// network, as the list builds it.
void Session::RunBuilt() {
    if (!editor_) return;
    building_ = false;
    const network::Plan& plan = editor_->current;
    for (std::size_t k = 0; k < network::BuiltIns.size(); ++k) {
        if (plan == network::BuiltInPlan(network::BuiltIns[k])) {
            Take(demo_.PickCombo1(static_cast<int>(k)));
            Finish(true);
            Tell(NetworkRun{plan.name});
            return;
        }
    }
    Simulation laidOut = State();
    network::LayOut(plan, laidOut);
    Take(demo_.BuildNetwork(laidOut, plan.name));
    Finish(true);
    Tell(NetworkRun{plan.name});
}

void Session::StartFrom(network::Plan plan) {
    editor_ = network::StartHistory(std::move(plan));
    file_.clear();
    unsaved_ = false;
    if (!building_) {
        EnterBuild();
        return;
    }
    selected_ = network::NetworkElement();
    ShowPlan();
    Tell(BuildEntered{editor_->current.name});
}

void Session::EditPlan(const network::Edit& edit) {
    if (!building_) EnterBuild();
    const network::StepLabel label = network::LabelOf(editor_->current, edit);
    const network::Outcome outcome = network::Perform(*editor_, edit);
    if (const auto* refusal = std::get_if<network::Refusal>(&outcome)) {
        // The box shows the plan again, over what the user typed.
        out_->drawingChanged = true;
        Tell(EditRefused{label, refusal->problems});
        return;
    }
    unsaved_ = true;
    if (const std::optional<network::Element> touched = Touched(editor_->current, edit)) {
        selected_ = *touched;
    } else if (!Exists(editor_->current, selected_)) {
        selected_ = network::NetworkElement();
    }
    ShowPlan();
    Tell(EditDone{label, editor_->current});
}

void Session::UndoEdit(bool redo) {
    if (!building_ || !editor_) return;
    const std::optional<network::StepLabel> label =
        redo ? network::RedoLabel(*editor_) : network::UndoLabel(*editor_);
    if (!label || !(redo ? network::Redo(*editor_) : network::Undo(*editor_))) return;
    unsaved_ = true;
    if (!Exists(editor_->current, selected_)) selected_ = network::NetworkElement();
    ShowPlan();
    Tell(EditUndone{*label, redo});
}

// The drawing shows the plan at once; the moment is kept only when the
// network is built, so that going back in time never lands half-built.
void Session::ShowPlan() {
    Simulation laidOut = State();
    network::LayOut(editor_->current, laidOut);
    laidOut.controls.Combo1.text = FirstCharacters(editor_->current.name, ScenarioTextLimit);
    demo_.Restore(laidOut);
    out_->drawingChanged = true;
}

void Session::OpenFile(const std::string& file) {
    network::Opened opened = network::OpenNetwork(file);
    if (auto* error = std::get_if<network::FileError>(&opened)) {
        out_->fileFailed = FileFailed{*error, false};
        Tell(*out_->fileFailed);
        return;
    }
    predict_.Withdraw();
    StartNewFutureIfBack();
    editor_ = network::StartHistory(std::move(std::get<network::Plan>(opened)));
    file_ = file;
    unsaved_ = false;
    building_ = false;
    RunBuilt();
    Tell(FileOpened{editor_->current.name, file});
}

// Without a network built, the network shown is saved: one of the five as a
// file to start from.
void Session::SaveFile(const std::string& file) {
    if (!editor_) {
        const int scenario = State().iScenario();
        editor_ = network::StartHistory(
            scenario >= 1 && scenario <= static_cast<int>(network::BuiltIns.size())
                ? network::BuiltInPlan(network::BuiltIns[static_cast<std::size_t>(scenario - 1)])
                : network::EmptyPlan());
    }
    if (const std::optional<network::FileError> error =
            network::SaveNetwork(editor_->current, file)) {
        out_->fileFailed = FileFailed{*error, true};
        Tell(*out_->fileFailed);
        return;
    }
    file_ = file;
    unsaved_ = false;
    Tell(FileSaved{file});
}

// Reset rebuilds the network shown: a built one as it was built.
bool Session::ResetBuilt() {
    if (State().iScenario() != Simulation::BuiltNetwork || !editor_) return false;
    Simulation laidOut = State();
    network::LayOut(editor_->current, laidOut);
    Take(demo_.ResetNetwork(laidOut, editor_->current.name));
    return true;
}

}  // namespace bridging::session
