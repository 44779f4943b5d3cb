// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Network files, which teachers hand out: the text form of a plan (see
// docs/network-format.md), read as untrusted input and written atomically.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "network/plan.h"

namespace bridging::network {

// What the format calls itself, and the version this program writes and reads.
inline constexpr std::string_view FormatName = "bridging-network";
inline constexpr int FormatVersion = 1;
// A network file is a few kilobytes; anything this big is not one.
inline constexpr std::size_t FileSizeLimit = 64 * 1024;
// Arrays and objects nest three deep in a network file.
inline constexpr int NestingLimit = 8;
// Coordinates a file may hold at all; the rules then bound them to the drawing.
inline constexpr int LowestCoordinate = -20000;
inline constexpr int HighestCoordinate = 40000;

enum class FileErrorId : std::uint8_t {
    NotFound,      // no such file
    NotAFile,      // a directory or another kind of non-file
    NoPermission,  // not allowed to read (or write) it
    ReadFailed,    // the system refused otherwise; `value` is the error number
    TooLarge,      // `value` bytes or more, `limit` allowed
    Empty,         // nothing in it
    NotText,       // not UTF-8 text, or holds a NUL byte; `value` = byte offset
    NotJson,       // malformed; `value` = byte offset where reading stopped
    TooDeep,       // nested deeper than `limit`
    NotNetwork,    // the JSON is not a network file (no or another "format")
    NewerVersion,  // written by a newer program: `value` = its version, `limit` = ours
    WrongType,     // the value at `path` is of the wrong kind
    MissingField,  // the field at `path` is missing
    UnknownField,  // the field at `path` is not part of the format
    OutOfRange,    // the number at `path` is `value`, outside what the format allows
    TooMany,       // the array at `path` holds `value` items, at most `limit`
    BreaksRule,    // the network breaks a rule: `problem`; `path` names the element
    WriteFailed,   // writing, syncing or renaming failed; `value` is the error number
};

// One error with where it was found: the file, and inside it a JSON pointer
// ("/bridges/2/costA") or the element that breaks a rule.
struct FileError {
    FileErrorId id = FileErrorId::NotFound;
    std::string file;
    std::string path;
    std::int64_t value = 0;
    std::int64_t limit = 0;
    std::optional<Problem> problem;
    bool operator==(const FileError&) const = default;
};

// "network.file.not-json" and the like, for the translation catalogue.
std::string_view MessageKey(FileErrorId id);

using Opened = std::variant<Plan, FileError>;

// How a failure to open or read a file is told: missing, not allowed, a
// folder, or another failure of the system (an errno value).
FileErrorId OpenErrorId(int errorNumber);

// The plan a file's bytes hold; `file` names it in errors.
Opened ParseNetwork(std::string_view bytes, const std::string& file);
// Reads at most FileSizeLimit bytes of the file and parses them.
Opened OpenNetwork(const std::string& file);

// The file's text: always the same for the same plan, with the fields in a
// fixed order, and a line break at the end.
std::string NetworkText(const Plan& plan);

// Writes a temporary file beside `file`, syncs it and renames it over `file`,
// so that a reader sees either the old file or the whole new one. A plan that
// breaks a rule is not written.
std::optional<FileError> SaveNetwork(const Plan& plan, const std::string& file);

}  // namespace bridging::network
