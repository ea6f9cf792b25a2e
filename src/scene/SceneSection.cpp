#include "SceneSection.h"

#include "CommonAttributes.h"
#include "NodeElements.h"

#include <maya/MGlobal.h>

#include <vector>

using Q5XSaveUtil::XmlWriter;

namespace {

// Elements start two levels in: the document's root and the Scene element hold them.
constexpr unsigned kFirstLevel = 2;

struct OpenElement {
    unsigned depth;
    const char* tag;
};

void writeNode(const NodeWriteContext& context, std::vector<OpenElement>& open, XmlWriter& out) {
    const SceneNode& node = context.node;
    const NodeElement& element = *node.element;
    const std::size_t replacedBefore = out.replacedControlCharacters();
    const std::size_t nonFiniteBefore = out.replacedNonFiniteNumbers();
    out.startTag(node.depth + kFirstLevel, element.tag);
    element.writeAttributes(context, out);
    if (element.closingAttributes) writeClosingAttributes(context, out);
    if (!node.isReference && node.hasTransformChildren) {
        out.endStartTag();
        open.push_back({node.depth, element.tag});
    } else {
        out.endEmptyTag();
    }
    if (out.replacedControlCharacters() != replacedBefore) {
        MGlobal::displayWarning(MString("q5xExport: Control characters in the texts of ") + node.pathName.c_str() +
                                " cannot be written to XML and were replaced by \"?\"");
    }
    if (out.replacedNonFiniteNumbers() != nonFiniteBefore) {
        MGlobal::displayWarning(MString("q5xExport: ") + node.pathName.c_str() +
                                " has values that are not finite numbers (or beyond single precision); their defaults were written");
    }
}

}  // namespace

void writeSceneSection(const ExportContext& context, const ExportModel& model, XmlWriter& out) {
    out.raw("  <Scene>\n");
    std::vector<OpenElement> open;
    for (const SceneNode& node : model.nodes) {
        for (; !open.empty() && open.back().depth >= node.depth; open.pop_back()) {
            out.endTag(open.back().depth + kFirstLevel, open.back().tag);
        }
        writeNode({context, model, node}, open, out);
    }
    for (; !open.empty(); open.pop_back()) out.endTag(open.back().depth + kFirstLevel, open.back().tag);
    out.raw("  </Scene>\n");
}
