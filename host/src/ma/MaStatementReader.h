#ifndef MAYAHOST_MASTATEMENTREADER_H
#define MAYAHOST_MASTATEMENTREADER_H

#include "MaLexer.h"

#include "scene/Scene.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace mayahost {

// One argument of a small statement: a word or a (possibly concatenated) string.
struct MaArgument {
    bool quoted;
    std::string text;
    int line;
};

// Reads the statements of one Maya ASCII text into a scene.
class MaStatementReader {
public:
    MaStatementReader(std::string_view text, std::string fileName, Scene& scene);
    // `consumed` hears, between statements, how many leading bytes the reader is done with.
    bool run(std::string& error, const std::function<void(std::size_t)>& consumed = {});

private:
    // Lexing with the error recorded; false ends the load.
    bool next(MaToken& token);
    bool fail(int line, const std::string& message);
    bool failBeyondFile(int line, const std::string& attribute, std::int64_t index);
    void warn(int line, const std::string& message);
    void warnOnce(const std::string& key, int line, const std::string& message);

    // Reads every argument up to ';'.
    bool readArguments(std::vector<MaArgument>& arguments);
    bool readConcatenation(MaArgument& argument, int line);
    bool skipStatement();

    bool dispatch(const std::string& command, int line);
    bool pluginRequirement();
    bool createNode();
    bool rename();
    bool select();
    bool parent();
    bool connectAttr();
    bool lockNode();
    bool currentUnit();
    bool addAttr();
    bool setAttr(int line);

    // setAttr parts (MaSetAttr.cpp).
    struct Target;
    bool resolveTarget(const std::string& plug, int line, Target& target);
    bool readValues(Target& target, const std::string& givenType, MaToken& token, int line);
    std::string continuedDataType(const Target& target) const;
    bool readSparseElements(Target& target, MaToken& token);
    bool readNumber(const MaToken& token, double& value) const;
    void store(Target& target, PlugData&& data);
    void replaceNonFinite(const Target& target, PlugData& data, int line);
    double unitFactor(const AttributeSpec& measured) const;
    void convertUnits(const AttributeSpec& attribute, NumberList& numbers) const;

    // "node.attr[1].child" to a node and steps; false (with a warning) when the node is missing.
    bool resolvePlug(const std::string& text, int line, Node*& node, std::vector<PlugStep>& steps,
                     std::int64_t* rangeEnd = nullptr);
    bool parseSteps(Node& node, const std::string& path, int line, std::vector<PlugStep>& steps,
                    std::int64_t* rangeEnd);
    Node* requireNode(const std::string& name, int line);
    bool checkName(const std::string& name, int line);

    MaLexer lexer_;
    std::string fileName_;
    Scene& scene_;
    std::string error_;
    Node* current_ = nullptr;
    double angleFactor_;  // file angles to radians
    // The highest element index this file may name: an element costs its index in memory
    // wherever arrays are dense, and a file cannot describe more elements than it has bytes.
    std::int64_t elementLimit_;
    std::set<std::string> warned_;
    std::map<std::string, std::string> pluginTypes_;  // node type to the plug-in a "requires" names for it
};

}  // namespace mayahost

#endif
