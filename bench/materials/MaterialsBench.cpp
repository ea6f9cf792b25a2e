// The Materials and Files sections of a level with 2,000 materials and 5,000 texture files: every
// material a file on its colour and a bump node over a normal-map file, every phong also a
// specular file.
#include "GeneratedScenes.h"
#include "materials/FilesSection.h"
#include "materials/MaterialsSection.h"
#include "saveutil/XmlWriter.h"

#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

constexpr int kMaterials = 2000;

void generateScene(std::ofstream& out) {
    for (int m = 0; m < kMaterials; ++m) {
        const std::string name = "material" + std::to_string(m);
        const bool phong = m % 2 == 0;
        out << "createNode " << (phong ? "phong" : "lambert") << " -n \"" << name << "\";\n"
            << "createNode file -n \"" << name << "Colour\";\n\tsetAttr \".ftn\" -type \"string\" \"textures/" << name << "_d.png\";\n"
            << "createNode file -n \"" << name << "Normals\";\n\tsetAttr \".ftn\" -type \"string\" \"textures/" << name << "_n.png\";\n"
            << "createNode bump2d -n \"" << name << "Bump\";\n\tsetAttr \".bd\" 0.5;\n"
            << "connectAttr \"" << name << "Colour.oc\" \"" << name << ".c\";\n"
            << "connectAttr \"" << name << "Normals.oa\" \"" << name << "Bump.bv\";\n"
            << "connectAttr \"" << name << "Bump.o\" \"" << name << ".n\";\n";
        if (phong) {
            out << "createNode file -n \"" << name << "Gloss\";\n\tsetAttr \".ftn\" -type \"string\" \"textures/" << name << "_s.png\";\n"
                << "connectAttr \"" << name << "Gloss.oc\" \"" << name << ".sc\";\n";
        }
    }
    out << "// End of q5x_bench_materials.ma\n";
}

void MaterialsAndFiles2000Materials(benchmark::State& state) {
    if (!benchscenes::openGeneratedScene(state, "q5x_bench_materials.ma", generateScene)) return;
    MaterialTable materials;
    for (int m = 0; m < kMaterials; ++m) materials.insert("material" + std::to_string(m));
    ExportContext context;
    context.sceneDirectory = "/levels/";
    std::size_t files = 0;
    for (auto _ : state) {
        FileTable fileTable;
        std::string materialsText, filesText;
        Q5XSaveUtil::XmlWriter materialsOut(materialsText);
        writeMaterialsSection(context, materials, fileTable, materialsOut);
        Q5XSaveUtil::XmlWriter filesOut(filesText);
        writeFilesSection(context, fileTable, filesOut);
        files = fileTable.entries().size();
        benchmark::DoNotOptimize(filesText.data());
    }
    state.counters["files"] = double(files);
    mayahost::resetScene();
}
BENCHMARK(MaterialsAndFiles2000Materials)->Unit(benchmark::kMillisecond);

}  // namespace
