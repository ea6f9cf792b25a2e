// q5xcheck: checks a Q5X document and its companion files, and shows what binary records hold.
#include "DocumentCheck.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace {

const char* const kHelp =
    "usage: q5xcheck [--json] [--dump] DOCUMENT.q5x\n"
    "\n"
    "Checks a Q5X document and the companion files it names (externalShapesFile, externalAnimFile):\n"
    "  - the declaration, the root element q5X with version 1.6, the sections and their order\n"
    "    (Files, Materials, Shapes, Dynamics, Scene, Animation, UserAttributes);\n"
    "  - the shapes file container (format word 10, record count, records) and every record by its layout:\n"
    "    kind 1 triangle sets with their cooked collision blobs (triangle mesh, convex hull), kind 2 curves,\n"
    "    kind 4 split shapes with their boundary representation and physics hulls, kind 5 attachments;\n"
    "  - the animation file: characters, clips, tracks and keyframes;\n"
    "  - materials: a name, a unique positive materialId, colours of finite numbers (4 for diffuse and\n"
    "    emissive, 3 for specular, never both diffuse and emissive), only texture, reflection, refraction\n"
    "    and custom shader elements, each with the attributes it needs; File ids unique;\n"
    "  - user attributes: each names a node and has a name, a known type and a value of that type;\n"
    "  - lights and cameras: a known light type, a colour of 3 finite numbers, finite intensity, shadow and\n"
    "    cone values, a positive shadow-map resolution; a camera's finite field of view and clip planes;\n"
    "  - references: every Scene shapeId names a shape and no two shapes share one, nodeIds are unique\n"
    "    and start at 1, skinBindNodeIds name nodes, fileId, customShaderId, projTextureId, iesProfileFileId\n"
    "    and referenceId name Files, every dynamicId of the Dynamics section names a Dynamic node,\n"
    "    animation tracks name nodes;\n"
    "  - inside shapes: counts against the data, indices (unsigned decimal numbers) below the vertex count,\n"
    "    subsets that partition the index buffer and name only their own vertices, no NaN or infinity (in\n"
    "    the streams, the bounding sphere, the vertex compression range, the UV densities), only known\n"
    "    vertex-format bits, unit normals, blend weights that add up to 1, blend indices within the bind list\n"
    "    of the node showing the shape, every vertex inside the bounding sphere.\n"
    "\n"
    "Companion files must be plain file names in the document's folder (no folder, drive or \"..\"); a name\n"
    "with Latin-1 letters is the file of that name. Of each kind of problem (the same text but for its\n"
    "numbers) the first 5 are listed and the rest counted. Control characters in names are shown as \\xNN.\n"
    "\n"
    "Warnings, not errors (the exporter leaves these dangling by design): materialIds entries without a\n"
    "Material (materials of shader types the Materials section does not write), skinBindNodeIds entries of\n"
    "0 (influences that are not exported), file references in a document that has no Files section.\n"
    "\n"
    "  --json   the problems and the summary as JSON\n"
    "  --dump   print every binary shape record as the XML element the exporter writes without\n"
    "           -binaryfiles, for diff against the Shapes section of an XML export. The record does not\n"
    "           say whether the set was optimised; every written set is, so isOptimized=\"true\" is\n"
    "           printed. Tangent values are in the record but not in XML (which only announces them).\n"
    "           Curves print without degree and form (the record has only a closed flag); collision blobs,\n"
    "           split-shape tables, physics hulls and attachment placements, which have no XML form, print\n"
    "           as <!-- --> comment lines.\n"
    "\n"
    "Exit status: 0 sound, 1 problems found, 2 a file cannot be read.\n";

}  // namespace

int run(int argc, char** argv) {
    bool json = false;
    CheckOptions options;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--dump") == 0) {
            options.dump = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (path.empty() && argv[i][0] != '-') {
            path = argv[i];
        } else {
            std::fprintf(stderr, "q5xcheck: unknown argument '%s'\n%s", argv[i], kHelp);
            return 2;
        }
    }
    if (path.empty()) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    Report report;
    std::string dumped;
    const bool readable = checkDocument(path, options, report, dumped);
    if (options.dump) std::fputs(dumped.c_str(), stdout);
    const std::string out = json ? report.json() : report.text();
    std::fputs(out.c_str(), options.dump ? stderr : stdout);
    if (!readable) return 2;
    return report.hasErrors() ? 1 : 0;
}

// A document or companion file too large for memory is a file that cannot be read: exit 2.
int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("q5xcheck: out of memory while checking; the files are too large to check here\n", stderr);
        return 2;
    }
}
