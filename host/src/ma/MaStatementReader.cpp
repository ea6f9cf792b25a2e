#include "MaStatementReader.h"

#include "MaReader.h"
#include "SceneFileText.h"
#include "ScriptEditor.h"

#include <maya/MDistance.h>
#include <maya/MTime.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include <map>

namespace mayahost {

namespace {

// Names longer than this are not names; they come from corrupt files.
constexpr std::size_t kMaxNameLength = 4096;
// Element indices below this are always accepted, however small the file: a sparse multi (a
// tweak on one point of a big primitive) may name such an element alone.
constexpr std::int64_t kSparseIndexFloor = std::int64_t(1) << 20;

bool isValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
        }
        i += length;
    }
    return true;
}

bool flagIs(const MaArgument& argument, const char* shortName, const char* longName) {
    if (argument.quoted || argument.text.size() < 2 || argument.text[0] != '-') return false;
    const char* name = argument.text.c_str() + 1;
    return std::strcmp(name, shortName) == 0 || (longName && std::strcmp(name, longName) == 0);
}

bool parseLinearUnit(const std::string& name, MDistance::Unit& unit) {
    static const std::map<std::string, MDistance::Unit> units = {
        {"mm", MDistance::kMillimeters}, {"millimeter", MDistance::kMillimeters}, {"cm", MDistance::kCentimeters},
        {"centimeter", MDistance::kCentimeters}, {"m", MDistance::kMeters}, {"meter", MDistance::kMeters},
        {"km", MDistance::kKilometers}, {"kilometer", MDistance::kKilometers}, {"in", MDistance::kInches},
        {"inch", MDistance::kInches}, {"ft", MDistance::kFeet}, {"foot", MDistance::kFeet},
        {"yd", MDistance::kYards}, {"yard", MDistance::kYards}, {"mi", MDistance::kMiles}, {"mile", MDistance::kMiles}};
    const auto found = units.find(name);
    if (found == units.end()) return false;
    unit = found->second;
    return true;
}

bool parseTimeUnit(const std::string& name, MTime::Unit& unit) {
    static const std::map<std::string, MTime::Unit> units = {
        {"hour", MTime::kHours}, {"min", MTime::kMinutes}, {"sec", MTime::kSeconds},
        {"millisec", MTime::kMilliseconds}, {"game", MTime::kGames}, {"film", MTime::kFilm},
        {"pal", MTime::kPALFrame}, {"ntsc", MTime::kNTSCFrame}, {"show", MTime::kShowScan},
        {"palf", MTime::kPALField}, {"ntscf", MTime::kNTSCField}, {"2fps", MTime::k2FPS}, {"3fps", MTime::k3FPS},
        {"4fps", MTime::k4FPS}, {"5fps", MTime::k5FPS}, {"6fps", MTime::k6FPS}, {"8fps", MTime::k8FPS},
        {"10fps", MTime::k10FPS}, {"12fps", MTime::k12FPS}, {"16fps", MTime::k16FPS}, {"20fps", MTime::k20FPS},
        {"40fps", MTime::k40FPS}, {"75fps", MTime::k75FPS}, {"80fps", MTime::k80FPS}, {"100fps", MTime::k100FPS},
        {"120fps", MTime::k120FPS}, {"125fps", MTime::k125FPS}, {"150fps", MTime::k150FPS},
        {"200fps", MTime::k200FPS}, {"240fps", MTime::k240FPS}, {"250fps", MTime::k250FPS},
        {"300fps", MTime::k300FPS}, {"375fps", MTime::k375FPS}, {"400fps", MTime::k400FPS},
        {"500fps", MTime::k500FPS}, {"600fps", MTime::k600FPS}, {"750fps", MTime::k750FPS},
        {"1200fps", MTime::k1200FPS}, {"1500fps", MTime::k1500FPS}, {"2000fps", MTime::k2000FPS},
        {"3000fps", MTime::k3000FPS}, {"6000fps", MTime::k6000FPS}, {"23.976fps", MTime::k23_976FPS},
        {"29.97fps", MTime::k29_97FPS}, {"29.97df", MTime::k29_97DF}, {"47.952fps", MTime::k47_952FPS},
        {"59.94fps", MTime::k59_94FPS}, {"44100fps", MTime::k44100FPS}, {"48000fps", MTime::k48000FPS},
        {"90fps", MTime::k90FPS}};
    const auto found = units.find(name);
    if (found == units.end()) return false;
    unit = found->second;
    return true;
}

}  // namespace

MaStatementReader::MaStatementReader(std::string_view text, std::string fileName, Scene& scene)
    : lexer_(text), fileName_(std::move(fileName)), scene_(scene), angleFactor_(M_PI / 180.0),
      elementLimit_(std::max<std::int64_t>(kSparseIndexFloor, std::int64_t(text.size() / 2))) {}

bool MaStatementReader::fail(int line, const std::string& message) {
    if (error_.empty()) error_ = fileName_ + ":" + std::to_string(line) + ": " + message;
    return false;
}

void MaStatementReader::warn(int line, const std::string& message) {
    ScriptEditor::instance().warning(fileName_ + ":" + std::to_string(line) + ": " + message);
}

void MaStatementReader::warnOnce(const std::string& key, int line, const std::string& message) {
    if (warned_.insert(key).second) warn(line, message);
}

bool MaStatementReader::next(MaToken& token) {
    std::string message;
    if (lexer_.next(token, message)) return true;
    return fail(lexer_.line(), message);
}

bool MaStatementReader::readConcatenation(MaArgument& argument, int line) {
    argument.quoted = true;
    argument.text.clear();
    MaToken token;
    while (true) {
        if (!next(token)) return false;
        if (token.kind != MaToken::Kind::String) return fail(token.line, "expected a string in '( ... )'");
        argument.text += MaLexer::unescape(token.text);
        if (!next(token)) return false;
        if (token.kind == MaToken::Kind::Close) return true;
        if (token.kind != MaToken::Kind::Plus) return fail(line, "expected '+' or ')' in a string expression");
    }
}

bool MaStatementReader::readArguments(std::vector<MaArgument>& arguments) {
    arguments.clear();
    MaToken token;
    while (true) {
        if (!next(token)) return false;
        switch (token.kind) {
            case MaToken::Kind::End: return true;
            case MaToken::Kind::Eof: return fail(token.line, "the last statement has no ';' (the file is truncated)");
            case MaToken::Kind::String:
                arguments.push_back({true, MaLexer::unescape(token.text), token.line});
                break;
            case MaToken::Kind::Open: {
                MaArgument argument{true, {}, token.line};
                if (!readConcatenation(argument, token.line)) return false;
                arguments.push_back(std::move(argument));
                break;
            }
            default: arguments.push_back({false, std::string(token.text), token.line}); break;
        }
    }
}

// Nothing of a skipped statement is kept, however long it is.
bool MaStatementReader::skipStatement() {
    MaToken token;
    while (next(token)) {
        if (token.kind == MaToken::Kind::End) return true;
        if (token.kind == MaToken::Kind::Eof) return fail(token.line, "the last statement has no ';' (the file is truncated)");
    }
    return false;
}

bool MaStatementReader::checkName(const std::string& name, int line) {
    if (name.size() > kMaxNameLength) return fail(line, "a name longer than " + std::to_string(kMaxNameLength) + " bytes");
    if (!isValidUtf8(name)) return fail(line, "a name that is not valid UTF-8");
    return true;
}

Node* MaStatementReader::requireNode(const std::string& name, int line) {
    Node* node = scene_.findNode(name);
    if (!node) {
        const bool ambiguous = scene_.countNamed(name[0] == ':' ? name.substr(1) : name) > 1;
        warn(line, ambiguous ? "more than one node matches '" + name + "'" : "no node named '" + name + "'");
    }
    return node;
}

bool MaStatementReader::run(std::string& error, const std::function<void(std::size_t)>& consumed) {
    MaToken token;
    while (error_.empty()) {
        if (consumed) consumed(lexer_.position());
        if (!next(token)) break;
        if (token.kind == MaToken::Kind::Eof) return true;
        if (token.kind == MaToken::Kind::End) continue;
        if (token.kind != MaToken::Kind::Word) {
            fail(token.line, "expected a command, found " + std::string(token.kind == MaToken::Kind::String ? "a string" : "'" + std::string(token.text) + "'"));
            break;
        }
        // "system(...)" and the like: the command is the word before the parenthesis.
        const std::string_view word = token.text.substr(0, token.text.find('('));
        if (!dispatch(std::string(word), token.line)) break;
    }
    error = error_;
    return false;
}

bool MaStatementReader::dispatch(const std::string& command, int line) {
    if (command == "setAttr") return setAttr(line);
    if (command == "createNode") return createNode();
    if (command == "connectAttr") return connectAttr();
    if (command == "addAttr") return addAttr();
    if (command == "rename") return rename();
    if (command == "select") return select();
    if (command == "parent") return parent();
    if (command == "lockNode") return lockNode();
    if (command == "currentUnit") return currentUnit();
    // Bookkeeping Maya writes that changes nothing the exporter reads.
    if (command == "requires") return pluginRequirement();
    static const char* const kIgnored[] = {"fileInfo", "relationship", "dataStructure", "applyMetadata",
                                           "disconnectAttr"};
    for (const char* ignored : kIgnored) {
        if (command == ignored) return skipStatement();
    }
    if (command == "file") {
        warnOnce("command:file", line, "file references are not loaded; their nodes are missing from the scene");
        return skipStatement();
    }
    warnOnce("command:" + command, line, "the command '" + command + "' is not supported and was skipped");
    return skipStatement();
}

// "requires -nodeType T ... "plugin" "version"": the node types a plug-in brings to the scene.
bool MaStatementReader::pluginRequirement() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    std::vector<std::string> types;
    std::string plugin;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (flagIs(arguments[i], "nt", "nodeType") && i + 1 < arguments.size()) {
            types.push_back(arguments[++i].text);
        } else if (!arguments[i].quoted && !arguments[i].text.empty() && arguments[i].text[0] == '-') {
            if (i + 1 < arguments.size() && arguments[i + 1].quoted) ++i;
        } else if (plugin.empty()) {
            plugin = arguments[i].text;
        }
    }
    for (const std::string& type : types) pluginTypes_[type] = plugin;
    return true;
}

bool MaStatementReader::createNode() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    std::string typeName, name, parentName;
    bool shared = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const MaArgument& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (flagIs(argument, "n", "name") && hasValue) {
            name = arguments[++i].text;
        } else if (flagIs(argument, "p", "parent") && hasValue) {
            parentName = arguments[++i].text;
        } else if (flagIs(argument, "s", "shared")) {
            shared = true;
        } else if (flagIs(argument, "ss", "skipSelect")) {
        } else if (!argument.quoted && !argument.text.empty() && argument.text[0] == '-') {
            if (hasValue && arguments[i + 1].quoted) ++i;
        } else if (typeName.empty()) {
            typeName = argument.text;
        }
    }
    const int line = arguments.empty() ? lexer_.line() : arguments[0].line;
    if (typeName.empty()) return fail(line, "createNode without a node type");
    if (!checkName(name, line) || !checkName(parentName, line) || !checkName(typeName, line)) return false;
    if (shared && !name.empty()) {
        if (Node* existing = scene_.findNode(name)) {
            current_ = existing;
            return true;
        }
    }
    Node* parentNode = nullptr;
    if (!parentName.empty()) parentNode = requireNode(parentName, line);
    const NodeType* type = findNodeType(typeName);
    if (!type) {
        const auto plugin = pluginTypes_.find(typeName);
        warnOnce("type:" + typeName, line,
                 plugin == pluginTypes_.end()
                     ? "unknown node type '" + typeName + "'; its nodes are kept without their type's attributes"
                     : "node type '" + typeName + "' comes from the plug-in '" + plugin->second +
                           "', which is not loaded here; its nodes are kept without their type's attributes");
        type = &unknownNodeType(!parentName.empty());
    }
    if (!type->isDag() && parentNode) parentNode = nullptr;
    current_ = scene_.createNode(*type, typeName, name, parentNode);
    return true;
}

bool MaStatementReader::rename() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (flagIs(arguments[i], "uid", "uuid")) {
            if (i + 1 < arguments.size()) ++i;
        } else if (!flagIs(arguments[i], "is", "ignoreShape")) {
            names.push_back(arguments[i].text);
        }
    }
    const int line = arguments.empty() ? lexer_.line() : arguments[0].line;
    for (const std::string& name : names) {
        if (!checkName(name, line)) return false;
    }
    if (names.size() == 2) {
        if (Node* node = requireNode(names[0], line)) scene_.rename(*node, names[1]);
    } else if (names.size() == 1 && current_) {
        scene_.rename(*current_, names[0]);
    }
    return true;
}

bool MaStatementReader::select() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    bool noExpand = false;
    std::vector<const MaArgument*> names;
    for (const MaArgument& argument : arguments) {
        if (flagIs(argument, "ne", "noExpand")) {
            noExpand = true;
        } else if (argument.quoted || argument.text.empty() || argument.text[0] != '-') {
            names.push_back(&argument);
        }
    }
    // In a file, "select -ne" names the node the following setAttr statements apply to.
    if (noExpand && !names.empty()) current_ = requireNode(names.back()->text, names.back()->line);
    return true;
}

bool MaStatementReader::parent() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    bool addInstance = false;
    bool toWorld = false;
    std::vector<const MaArgument*> names;
    for (const MaArgument& argument : arguments) {
        if (flagIs(argument, "add", "addObject")) {
            addInstance = true;
        } else if (flagIs(argument, "w", "world")) {
            toWorld = true;
        } else if (argument.quoted || argument.text.empty() || argument.text[0] != '-') {
            names.push_back(&argument);
        }
    }
    if (names.empty() || (!toWorld && names.size() < 2)) return true;
    Node* newParent = nullptr;
    const std::string parentName = toWorld ? std::string("the world") : names.back()->text;
    if (!toWorld) {
        newParent = requireNode(names.back()->text, names.back()->line);
        names.pop_back();
        if (!newParent) return true;
    }
    for (const MaArgument* name : names) {
        Node* child = requireNode(name->text, name->line);
        if (!child || !child->isDag() || scene_.reparent(*child, newParent, addInstance)) continue;
        // Maya refuses this too: a node cannot lie below itself.
        warn(name->line, "'" + name->text + "' cannot be parented under '" + parentName +
                             "', which lies below it; the parenting is skipped");
    }
    return true;
}

bool MaStatementReader::connectAttr() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    bool nextAvailable = false;
    std::vector<const MaArgument*> plugs;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const MaArgument& argument = arguments[i];
        if (flagIs(argument, "na", "nextAvailable")) {
            nextAvailable = true;
        } else if (flagIs(argument, "l", "lock") || flagIs(argument, "rd", "referenceDest")) {
            if (i + 1 < arguments.size()) ++i;
        } else if (argument.quoted) {
            plugs.push_back(&argument);
        }
    }
    const int line = arguments.empty() ? lexer_.line() : arguments[0].line;
    if (plugs.size() != 2) return fail(line, "connectAttr needs a source and a destination plug");
    Node* source = nullptr;
    Node* destination = nullptr;
    std::vector<PlugStep> sourceSteps, destinationSteps;
    if (!resolvePlug(plugs[0]->text, line, source, sourceSteps) ||
        !resolvePlug(plugs[1]->text, line, destination, destinationSteps)) {
        return error_.empty();
    }
    if (nextAvailable && !destinationSteps.empty() && destinationSteps.back().attribute->array &&
        destinationSteps.back().index < 0) {
        destinationSteps.back().index =
            scene_.nextAvailableElement(*destination, plugKey(destinationSteps, destinationSteps.size()));
    }
    scene_.connect(*source, plugKey(sourceSteps, sourceSteps.size()), *destination,
                   plugKey(destinationSteps, destinationSteps.size()));
    return true;
}

bool MaStatementReader::lockNode() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    bool lock = true;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (flagIs(arguments[i], "l", "lock")) lock = arguments[i + 1].text != "0" && arguments[i + 1].text != "off";
    }
    if (current_) current_->locked = lock;
    return true;
}

bool MaStatementReader::currentUnit() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        const MaArgument& value = arguments[i + 1];
        if (flagIs(arguments[i], "l", "linear")) {
            MDistance::Unit unit;
            if (parseLinearUnit(value.text, unit)) {
                MDistance::setUIUnit(unit);
            } else {
                warn(value.line, "unknown linear unit '" + value.text + "'; centimetres are used");
            }
        } else if (flagIs(arguments[i], "t", "time")) {
            MTime::Unit unit;
            if (parseTimeUnit(value.text, unit)) {
                MTime::setUIUnit(unit);
            } else {
                warn(value.line, "unknown time unit '" + value.text + "'; film (24 fps) is used");
            }
        } else if (flagIs(arguments[i], "a", "angle")) {
            if (value.text == "radian" || value.text == "rad") {
                angleFactor_ = 1.0;
            } else if (value.text == "degree" || value.text == "deg") {
                angleFactor_ = M_PI / 180.0;
            } else {
                warn(value.line, "unknown angle unit '" + value.text + "'; degrees are used");
            }
        }
    }
    return true;
}

namespace {

// Maya ends every file it saves with "// End of <name>.ma".
bool endsWithClosingLine(std::string_view text) {
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    if (last == std::string_view::npos) return false;
    const std::size_t lineStart = text.find_last_of('\n', last);
    const std::string_view line = text.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1);
    return line.substr(0, 10) == "// End of ";
}

}  // namespace

bool loadMayaAsciiText(std::string_view text, const std::string& fileName, Scene& scene, std::string& error,
                       const std::function<void(std::size_t)>& consumed) {
    scene.reset();
    MDistance::setUIUnit(MDistance::kCentimeters);
    MTime::setUIUnit(MTime::kFilm);
    // Editors may put a UTF-8 byte-order mark before the header.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.size() >= 4 && (text.substr(0, 4) == "FOR4" || text.substr(0, 4) == "FOR8")) {
        error = fileName + ":1: this is a Maya binary file; only Maya ASCII (.ma) files can be read";
        return false;
    }
    if (text.substr(0, 12) != "//Maya ASCII") {
        error = fileName + ":1: not a Maya ASCII file (it does not begin with \"//Maya ASCII\")";
        return false;
    }
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
        error = fileName + ":" + std::to_string(line) + ": binary data in a Maya ASCII file";
        return false;
    }
    MaStatementReader reader(text, fileName, scene);
    const bool loaded = reader.run(error, consumed);
    if (!loaded) {
        scene.reset();
        return false;
    }
    if (!endsWithClosingLine(text)) {
        ScriptEditor::instance().warning(fileName + ": the file ends without Maya's closing \"// End of\" line; "
                                         "it may have been cut short");
    }
    return true;
}

bool loadMayaAsciiFile(const std::string& path, Scene& scene, std::string& error) {
    SceneFileText file;
    if (!file.read(path, error)) return false;
    return loadMayaAsciiText(file.text(), path, scene, error, [&file](std::size_t consumed) { file.release(consumed); });
}

}  // namespace mayahost
