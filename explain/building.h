// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of building a network: its elements by name, why a rule refuses
// a place, the editor's steps as the menu names them, what an edit made, and
// what went wrong with a network file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "network/file.h"
#include "network/history.h"
#include "network/plan.h"

namespace bridging::explain {

inline constexpr std::string_view BuildCaption = "Build";
inline constexpr std::string_view BuildHeading = "Building a network";
inline constexpr std::string_view RunCaption = "Run";
inline constexpr std::string_view EmptyDrawingName = "Empty drawing";

// "segment 2" (segments count from 1 for people), "bridge 3" by its number,
// "station C", "the network". A bridge the plan lacks is "the new bridge";
// without a plan (a file's), bridges are named by their place in its list.
std::string ElementWords(const network::Element& element, const network::Plan* plan);

// Why a rule refuses: "Segments 1 and 2 would be 1800 twips apart in height; ...".
std::string ProblemText(const network::Problem& problem, const network::Plan* plan);

// A step as the Edit menu names it: "add bridge 3", "move station C".
std::string StepLabelText(const network::StepLabel& label);
// "Undo: add bridge 3", "Redo: move station C"; without a step, "Undo", "Redo".
std::string UndoMenuText(const std::optional<network::StepLabel>& label, bool redo);

// What an edit made, read from the plan after it: "Bridge 3 joins segments 1 and 2."
std::string EditDoneText(const network::StepLabel& label, const network::Plan& plan);
// "Cannot add bridge 3: " and why, from `plan`, the plan the edit was made on.
std::string EditRefusedText(const network::StepLabel& label,
                            const std::vector<network::Problem>& problems,
                            const network::Plan& plan);
// "Undone: add bridge 3." or "Redone: add bridge 3."
std::string EditUndoneText(const network::StepLabel& label, bool redone);

// Said when build mode begins and when the network built is run.
std::string BuildEnteredText(const std::string& name);
std::string NetworkRunText(const std::string& name);

// The file's own name, without its folders.
std::string FileNameOf(const std::string& file);
std::string FileOpenedText(const std::string& name, const std::string& file);
std::string FileSavedText(const std::string& file);
// "Cannot open "ring.bridging": " and what is wrong, and where.
std::string FileErrorText(const network::FileError& error, bool saving);

// One line of the panel's list of the network: "Segment 2: stations C, D;
// bridges 1, 3", "Bridge 3: segments 1 and 2, costs 5 and 5", "Station C on
// segment 2".
std::string SegmentLine(const network::Plan& plan, int segment);
std::string BridgeLine(const network::Plan& plan, int bridge);
std::string StationLine(const network::Plan& plan, int station);
std::string NetworkLine(const network::Plan& plan);

}  // namespace bridging::explain
