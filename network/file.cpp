// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a network file as untrusted input (bounded, checked field by field
// and against the rules) and writing one atomically.
#include "network/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

namespace bridging::network {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// A field of the format: its name, and the range a number in it may take.
struct IntField {
    std::string_view key;
    int lowest;
    int highest;
};

constexpr int LastIndex = MaxElements - 1;

constexpr std::array<IntField, 3> SegmentFields = {{{"x1", LowestCoordinate, HighestCoordinate},
                                                    {"x2", LowestCoordinate, HighestCoordinate},
                                                    {"y", LowestCoordinate, HighestCoordinate}}};
constexpr std::array<IntField, 9> BridgeFields = {{{"x", LowestCoordinate, HighestCoordinate},
                                                   {"upper", 0, LastIndex},
                                                   {"lower", 0, LastIndex},
                                                   {"y1", LowestCoordinate, HighestCoordinate},
                                                   {"y2", LowestCoordinate, HighestCoordinate},
                                                   {"top", LowestCoordinate, HighestCoordinate},
                                                   {"number", 1, limits::HighestBridgeNumber},
                                                   {"costA", 1, limits::HighestCost},
                                                   {"costB", 1, limits::HighestCost}}};
constexpr std::array<std::string_view, 2> BridgeTextFields = {"tableA", "tableB"};
constexpr std::array<IntField, 2> StationFields = {
    {{"segment", 0, LastIndex}, {"left", LowestCoordinate, HighestCoordinate}}};
constexpr IntField RiseField{"rise", limits::LowestRise, limits::StationRise};
constexpr std::array<std::string_view, 7> TopFields = {
    "format", "version", "name", "description", "segments", "bridges", "stations"};

// Thrown inside the reader only, caught at its edge.
struct Failure {
    FileError error;
};

class Reader {
public:
    explicit Reader(std::string file) : file_(std::move(file)) {}

    [[noreturn]] void Fail(FileErrorId id, std::string path, std::int64_t value = 0,
                           std::int64_t limit = 0) const {
        throw Failure{FileError{id, file_, std::move(path), value, limit, std::nullopt}};
    }

    const Json& Field(const Json& object, std::string_view key, const std::string& path) const {
        const auto found = object.find(key);
        if (found == object.end()) Fail(FileErrorId::MissingField, path + "/" + std::string(key));
        return *found;
    }

    template <std::size_t N>
    void OnlyKnown(const Json& object, const std::array<std::string_view, N>& known,
                   const std::string& path) const {
        for (const auto& item : object.items()) {
            bool isKnown = false;
            for (std::string_view key : known) isKnown = isKnown || item.key() == key;
            if (!isKnown) Fail(FileErrorId::UnknownField, path + "/" + Escaped(item.key()));
        }
    }

    int Int(const Json& value, const IntField& field, const std::string& path) const {
        if (!value.is_number_integer()) Fail(FileErrorId::WrongType, path);
        std::int64_t number = 0;
        if (value.is_number_unsigned()) {
            const auto u = value.get<std::uint64_t>();
            number = u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                         ? std::numeric_limits<std::int64_t>::max()
                         : static_cast<std::int64_t>(u);
        } else {
            number = value.get<std::int64_t>();
        }
        if (number < field.lowest || number > field.highest)
            Fail(FileErrorId::OutOfRange, path, number,
                 number < field.lowest ? field.lowest : field.highest);
        return static_cast<int>(number);
    }

    int ReadInt(const Json& object, const IntField& field, const std::string& path) const {
        return Int(Field(object, field.key, path), field, path + "/" + std::string(field.key));
    }

    std::string Text(const Json& value, const std::string& path) const {
        if (!value.is_string()) Fail(FileErrorId::WrongType, path);
        return value.get<std::string>();
    }

    const Json& Array(const Json& object, std::string_view key) const {
        const std::string path = "/" + std::string(key);
        const Json& array = Field(object, key, "");
        if (!array.is_array()) Fail(FileErrorId::WrongType, path);
        if (array.size() > static_cast<std::size_t>(MaxElements))
            Fail(FileErrorId::TooMany, path, static_cast<std::int64_t>(array.size()), MaxElements);
        return array;
    }

    template <std::size_t N, typename Fill>
    void Each(const Json& array, const std::string& path,
              const std::array<std::string_view, N>& known, Fill fill) const {
        for (std::size_t k = 0; k < array.size(); ++k) {
            const std::string at = path + "/" + std::to_string(k);
            const Json& item = array[k];
            if (!item.is_object()) Fail(FileErrorId::WrongType, at);
            OnlyKnown(item, known, at);
            fill(item, at);
        }
    }

    Plan Read(const Json& root) const;

    // A key as a JSON pointer writes it.
    static std::string Escaped(const std::string& key) {
        std::string out;
        for (const char c : key) {
            if (c == '~') {
                out += "~0";
            } else if (c == '/') {
                out += "~1";
            } else {
                out += c;
            }
        }
        return out;
    }

private:
    std::string file_;
};

template <std::size_t N>
std::array<std::string_view, N> Keys(const std::array<IntField, N>& fields) {
    std::array<std::string_view, N> keys{};
    for (std::size_t k = 0; k < N; ++k) keys[k] = fields[k].key;
    return keys;
}

Plan Reader::Read(const Json& root) const {
    if (!root.is_object()) Fail(FileErrorId::NotNetwork, "");
    const Json& format = Field(root, "format", "");
    if (!format.is_string()) Fail(FileErrorId::WrongType, "/format");
    if (format.get<std::string>() != FormatName) Fail(FileErrorId::NotNetwork, "/format");
    const Json& version = Field(root, "version", "");
    if (!version.is_number_integer()) Fail(FileErrorId::WrongType, "/version");
    std::int64_t written = 0;
    if (version.is_number_unsigned()) {
        const auto u = version.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            written = std::numeric_limits<std::int64_t>::max();
        } else {
            written = static_cast<std::int64_t>(u);
        }
    } else {
        written = version.get<std::int64_t>();
    }
    if (written < 1) Fail(FileErrorId::OutOfRange, "/version", written, 1);
    // Checked before the fields, which a newer version may have changed.
    if (written > FormatVersion)
        Fail(FileErrorId::NewerVersion, "/version", written, FormatVersion);
    OnlyKnown(root, TopFields, "");

    Plan plan;
    plan.name = Text(Field(root, "name", ""), "/name");
    plan.description = Text(Field(root, "description", ""), "/description");

    Each(Array(root, "segments"), "/segments", Keys(SegmentFields),
         [&](const Json& item, const std::string& at) {
             SegmentPlan s;
             s.x1 = ReadInt(item, SegmentFields[0], at);
             s.x2 = ReadInt(item, SegmentFields[1], at);
             s.y = ReadInt(item, SegmentFields[2], at);
             plan.segments.push_back(s);
         });

    std::array<std::string_view, BridgeFields.size() + BridgeTextFields.size()> bridgeKeys{};
    for (std::size_t k = 0; k < BridgeFields.size(); ++k) bridgeKeys[k] = BridgeFields[k].key;
    for (std::size_t k = 0; k < BridgeTextFields.size(); ++k)
        bridgeKeys[BridgeFields.size() + k] = BridgeTextFields[k];
    Each(Array(root, "bridges"), "/bridges", bridgeKeys,
         [&](const Json& item, const std::string& at) {
             std::array<int, BridgeFields.size()> v{};
             for (std::size_t k = 0; k < BridgeFields.size(); ++k)
                 v[k] = ReadInt(item, BridgeFields[k], at);
             BridgePlan b{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], {}, {}};
             std::string* tables[2] = {&b.tableA, &b.tableB};
             for (std::size_t k = 0; k < BridgeTextFields.size(); ++k) {
                 const auto found = item.find(BridgeTextFields[k]);
                 if (found != item.end())
                     *tables[k] = Text(*found, at + "/" + std::string(BridgeTextFields[k]));
             }
             plan.bridges.push_back(std::move(b));
         });

    const std::array<std::string_view, 3> stationKeys = {"segment", "left", "rise"};
    Each(Array(root, "stations"), "/stations", stationKeys,
         [&](const Json& item, const std::string& at) {
             StationPlan st;
             st.segment = ReadInt(item, StationFields[0], at);
             st.left = ReadInt(item, StationFields[1], at);
             const auto rise = item.find(RiseField.key);
             if (rise != item.end()) st.rise = Int(*rise, RiseField, at + "/rise");
             plan.stations.push_back(st);
         });
    return plan;
}

// Where in the file the element of a problem stands.
std::string PathOf(const Problem& problem) {
    const std::string k = std::to_string(problem.subject.index);
    switch (problem.subject.type) {
        case ElementType::Segment:
            return problem.subject.index < 0 ? "/segments" : "/segments/" + k;
        case ElementType::Bridge: {
            if (problem.subject.index < 0) return "/bridges";
            std::string path = "/bridges/" + k;
            if (problem.id == ProblemId::TableText)
                path += problem.port == 0 ? "/tableA" : "/tableB";
            return path;
        }
        case ElementType::Station:
            return problem.subject.index < 0 ? "/stations" : "/stations/" + k;
        case ElementType::Network:
            break;
    }
    const bool aboutName =
        problem.id == ProblemId::NameTooLong || problem.id == ProblemId::NameNotPlain;
    return aboutName ? "/name" : "/description";
}

// The offset of the first byte that is not part of UTF-8 text, or a NUL.
std::optional<std::size_t> FirstNonText(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead == 0) return i;
        std::size_t length = 0;
        if (lead < 0x80) {
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
        }
        if (length == 0 || i + length > bytes.size() ||
            Utf8Characters(bytes.substr(i, length)) != 1)
            return i;
        i += length;
    }
    return std::nullopt;
}

// The deepest nesting of arrays and objects, outside strings.
int Nesting(std::string_view bytes) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') inString = true;
        if (c == '[' || c == '{') deepest = std::max(deepest, ++depth);
        if (c == ']' || c == '}') --depth;
    }
    return deepest;
}

bool Blank(std::string_view bytes) {
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

FileError ErrorOf(FileErrorId id, const std::string& file, std::int64_t value = 0,
                  std::int64_t limit = 0) {
    return FileError{id, file, "", value, limit, std::nullopt};
}

}  // namespace

FileErrorId OpenErrorId(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return FileErrorId::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileErrorId::NoPermission;
        case EISDIR:
            return FileErrorId::NotAFile;
        default:
            return FileErrorId::ReadFailed;
    }
}

namespace {

// Closes a descriptor on every way out.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Release() { return std::exchange(fd, -1); }
};

OrderedJson SegmentJson(const SegmentPlan& s) {
    OrderedJson j;
    j["x1"] = s.x1;
    j["x2"] = s.x2;
    j["y"] = s.y;
    return j;
}

OrderedJson BridgeJson(const BridgePlan& b) {
    OrderedJson j;
    j["x"] = b.x;
    j["upper"] = b.upper;
    j["lower"] = b.lower;
    j["y1"] = b.y1;
    j["y2"] = b.y2;
    j["top"] = b.top;
    j["number"] = b.number;
    j["costA"] = b.costA;
    j["costB"] = b.costB;
    if (!b.tableA.empty()) j["tableA"] = b.tableA;
    if (!b.tableB.empty()) j["tableB"] = b.tableB;
    return j;
}

OrderedJson StationJson(const StationPlan& st) {
    OrderedJson j;
    j["segment"] = st.segment;
    j["left"] = st.left;
    j["rise"] = st.rise;
    return j;
}

std::string Dumped(const OrderedJson& j) {
    return j.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

// One element a line, so that a teacher can read the file and a diff shows what moved.
template <typename T, typename ToJson>
std::string ArrayText(std::string_view key, const std::vector<T>& items, ToJson toJson) {
    std::string text = "  \"" + std::string(key) + "\": [";
    for (std::size_t k = 0; k < items.size(); ++k) {
        text += k == 0 ? "\n    " : ",\n    ";
        text += Dumped(toJson(items[k]));
    }
    text += items.empty() ? "]" : "\n  ]";
    return text;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string_view MessageKey(FileErrorId id) {
    switch (id) {
        case FileErrorId::NotFound:
            return "network.file.not-found";
        case FileErrorId::NotAFile:
            return "network.file.not-a-file";
        case FileErrorId::NoPermission:
            return "network.file.no-permission";
        case FileErrorId::ReadFailed:
            return "network.file.read-failed";
        case FileErrorId::TooLarge:
            return "network.file.too-large";
        case FileErrorId::Empty:
            return "network.file.empty";
        case FileErrorId::NotText:
            return "network.file.not-text";
        case FileErrorId::NotJson:
            return "network.file.not-json";
        case FileErrorId::TooDeep:
            return "network.file.too-deep";
        case FileErrorId::NotNetwork:
            return "network.file.not-network";
        case FileErrorId::NewerVersion:
            return "network.file.newer-version";
        case FileErrorId::WrongType:
            return "network.file.wrong-type";
        case FileErrorId::MissingField:
            return "network.file.missing-field";
        case FileErrorId::UnknownField:
            return "network.file.unknown-field";
        case FileErrorId::OutOfRange:
            return "network.file.out-of-range";
        case FileErrorId::TooMany:
            return "network.file.too-many";
        case FileErrorId::BreaksRule:
            return "network.file.breaks-rule";
        case FileErrorId::WriteFailed:
            return "network.file.write-failed";
    }
    return "network.file.unknown";
}

Opened ParseNetwork(std::string_view bytes, const std::string& file) {
    if (bytes.size() > FileSizeLimit)
        return ErrorOf(FileErrorId::TooLarge, file, static_cast<std::int64_t>(bytes.size()),
                       static_cast<std::int64_t>(FileSizeLimit));
    if (Blank(bytes)) return ErrorOf(FileErrorId::Empty, file);
    if (const auto at = FirstNonText(bytes))
        return ErrorOf(FileErrorId::NotText, file, static_cast<std::int64_t>(*at));
    if (Nesting(bytes) > NestingLimit) return ErrorOf(FileErrorId::TooDeep, file, 0, NestingLimit);
    Json root;
    try {
        root = Json::parse(bytes.begin(), bytes.end());
    } catch (const Json::parse_error& e) {
        return ErrorOf(FileErrorId::NotJson, file, static_cast<std::int64_t>(e.byte));
    } catch (const Json::exception&) {
        return ErrorOf(FileErrorId::NotJson, file);
    }
    Plan plan;
    try {
        plan = Reader(file).Read(root);
    } catch (const Failure& failure) {
        return failure.error;
    }
    const std::vector<Problem> problems = Check(plan);
    if (!problems.empty()) {
        const Problem& first = problems.front();
        return FileError{
            FileErrorId::BreaksRule, file, PathOf(first), first.value, first.limit, first};
    }
    return plan;
}

Opened OpenNetwork(const std::string& file) {
    // Non-blocking, so that a pipe given for a file cannot hold the window up.
    const Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (in.fd < 0) return ErrorOf(OpenErrorId(errno), file, errno);
    struct stat status {};
    if (::fstat(in.fd, &status) != 0) return ErrorOf(FileErrorId::ReadFailed, file, errno);
    if (!S_ISREG(status.st_mode)) return ErrorOf(FileErrorId::NotAFile, file);
    if (static_cast<std::uint64_t>(status.st_size) > FileSizeLimit)
        return ErrorOf(FileErrorId::TooLarge, file, static_cast<std::int64_t>(status.st_size),
                       static_cast<std::int64_t>(FileSizeLimit));
    // One byte more than allowed tells a file that grew since fstat.
    std::string bytes(FileSizeLimit + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(in.fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            return ErrorOf(OpenErrorId(errno), file, errno);
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return ParseNetwork(bytes, file);
}

std::string NetworkText(const Plan& plan) {
    std::string text = "{\n";
    text += "  \"format\": " + Dumped(std::string(FormatName)) + ",\n";
    text += "  \"version\": " + std::to_string(FormatVersion) + ",\n";
    text += "  \"name\": " + Dumped(plan.name) + ",\n";
    text += "  \"description\": " + Dumped(plan.description) + ",\n";
    text += ArrayText("segments", plan.segments, SegmentJson) + ",\n";
    text += ArrayText("bridges", plan.bridges, BridgeJson) + ",\n";
    text += ArrayText("stations", plan.stations, StationJson) + "\n";
    text += "}\n";
    return text;
}

std::optional<FileError> SaveNetwork(const Plan& plan, const std::string& file) {
    const std::vector<Problem> problems = Check(plan);
    if (!problems.empty()) {
        const Problem& first = problems.front();
        return FileError{
            FileErrorId::BreaksRule, file, PathOf(first), first.value, first.limit, first};
    }
    const std::filesystem::path target(file);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const auto failed = [&](int errorNumber) {
        const FileErrorId id = errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS
                                   ? FileErrorId::NoPermission
                               : errorNumber == EISDIR ? FileErrorId::NotAFile
                                                       : FileErrorId::WriteFailed;
        return ErrorOf(id, file, errorNumber);
    };
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor out(::mkstemp(temporary.data()));
    if (out.fd < 0) return failed(errno);
    const std::string text = NetworkText(plan);
    const bool written = ::fchmod(out.fd, 0644) == 0 && WriteAll(out.fd, text) &&
                         ::fsync(out.fd) == 0 && ::close(out.Release()) == 0;
    if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
        const int errorNumber = errno;
        ::unlink(temporary.c_str());
        return failed(errorNumber);
    }
    // The rename itself is on disk once the folder is.
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);
    return std::nullopt;
}

}  // namespace bridging::network
