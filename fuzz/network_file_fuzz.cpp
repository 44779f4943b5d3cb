// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the reader of network files: arbitrary bytes either give one error
// that names the file, or a plan that keeps every rule, writes back to text that
// reads as the same plan, and lays out on the window.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "driver/demo.h"
#include "fuzz/fuzz_check.h"
#include "network/file.h"
#include "network/layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bridging::network;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Opened opened = ParseNetwork(bytes, "fuzzed.json");
    if (const auto* error = std::get_if<FileError>(&opened)) {
        FUZZ_CHECK(error->file == "fuzzed.json");
        FUZZ_CHECK(!MessageKey(error->id).empty());
        FUZZ_CHECK((error->id == FileErrorId::BreaksRule) == error->problem.has_value());
        return 0;
    }
    const Plan& plan = std::get<Plan>(opened);
    FUZZ_CHECK(Check(plan).empty());
    const Opened again = ParseNetwork(NetworkText(plan), "again.json");
    FUZZ_CHECK(std::holds_alternative<Plan>(again) && std::get<Plan>(again) == plan);
    bridging::Simulation simulation;
    FUZZ_CHECK(LayOut(plan, simulation).empty());
    return 0;
}
