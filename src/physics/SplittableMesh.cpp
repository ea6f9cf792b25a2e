#include "SplittableMesh.h"

#include "ConvexHulls.h"

#include "saveutil/Log.h"

#include <VHACD.h>

#include <algorithm>
#include <cmath>

namespace Q5XSaveUtil {

namespace {

constexpr std::uint32_t kMaxResolution = 64000000;
constexpr std::uint32_t kMaxVerticesPerHull = 64;
constexpr std::uint16_t kDecomposedHullTag = 65535;

// A hull as a Brep of its own: positions only, faces tagged by where the hull came from.
std::unique_ptr<Brep> hullBrep(const HullTriangles& hull, std::uint16_t tag) {
    std::vector<Brep::Triangle> triangles(hull.triangles.size() / 3);
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        for (int k = 0; k < 3; ++k) {
            triangles[t].vertices[k] = std::uint16_t(hull.triangles[3 * t + std::size_t(k)]);
            triangles[t].attributes[k] = Brep::kNone16;
        }
        triangles[t].tag = tag;
        triangles[t].hullMask = 0;
    }
    return std::make_unique<Brep>(std::uint32_t(hull.vertices.size() / 3), hull.vertices.data(), std::vector<float>(), triangles);
}

// Sets `bit` in the hull mask of every face of `brep` that touches the hull (a hull of no points,
// from a physics mesh without distinct points, touches nothing).
void markTouchingFaces(Brep& brep, const std::vector<float>& hullVertices, std::uint32_t bit) {
    if (hullVertices.empty()) return;
    for (Brep::Face& face : brep.faces()) {
        float corners[3][3];
        for (int k = 0; k < 3; ++k) {
            const float* p = brep.vertices()[face.corners[k].start].position;
            for (int c = 0; c < 3; ++c) corners[k][c] = p[c];
        }
        if (triangleTouchesHull(corners, hullVertices)) face.hullMask |= 1u << bit;
    }
}

void warn(const char* text, const std::string& name) {
    Log::instance().warning(text, name.c_str());
}

}  // namespace

DecompositionSettings decompositionSettings(double extent) {
    const double k = (std::min(0.05 * extent, 1.0) + 1.0) * 0.5;
    const double r = std::ceil(20.0 * extent / k);
    const double cube = r * r * r;  // in double precision: no 32-bit wrap-around
    const double v = k * k * k;
    return {cube >= double(kMaxResolution) ? kMaxResolution : std::uint32_t(cube), 0.015 * v, 0.001 * v};
}

bool createPhysicsHulls(Brep& brep, std::vector<std::unique_ptr<Brep>>& hulls) {
    if (!brep.isClosed()) return false;
    std::vector<float> points;
    float low[3] = {0, 0, 0}, high[3] = {0, 0, 0};
    for (std::size_t v = 0; v < brep.vertices().size(); ++v) {
        for (int c = 0; c < 3; ++c) {
            const float value = brep.vertices()[v].position[c];
            low[c] = v == 0 ? value : std::min(low[c], value);
            high[c] = v == 0 ? value : std::max(high[c], value);
            points.push_back(value);
        }
    }
    std::vector<std::uint32_t> triangles;
    for (const Brep::Face& face : brep.faces()) {
        for (const Brep::Corner& corner : face.corners) triangles.push_back(corner.start);
    }
    const double extent = std::max({double(high[0] - low[0]), double(high[1] - low[1]), double(high[2] - low[2])});
    const DecompositionSettings settings = decompositionSettings(extent);
    // V-HACD 4 names the settings differently: the voxel count is its resolution, the allowed
    // concavity its volume error in percent; hull vertices are projected onto the mesh
    // (shrink-wrap), the interior flood-filled, and the work done on this thread so that the
    // result is the same on every run.
    VHACD::IVHACD::Parameters parameters;
    parameters.m_resolution = settings.resolution;
    parameters.m_minimumVolumePercentErrorAllowed = settings.concavity * 100.0;
    parameters.m_maxNumVerticesPerCH = kMaxVerticesPerHull;
    parameters.m_shrinkWrap = true;
    parameters.m_fillMode = VHACD::FillMode::FLOOD_FILL;
    parameters.m_asyncACD = false;
    VHACD::IVHACD* decomposition = VHACD::CreateVHACD();
    const bool computed = decomposition->Compute(points.data(), std::uint32_t(points.size() / 3), triangles.data(),
                                                 std::uint32_t(triangles.size() / 3), parameters);
    bool ok = computed;
    for (std::uint32_t i = 0; ok && i < decomposition->GetNConvexHulls(); ++i) {
        VHACD::IVHACD::ConvexHull part;
        decomposition->GetConvexHull(i, part);
        std::vector<float> partPoints;
        for (const VHACD::Vertex& p : part.m_points) partPoints.insert(partPoints.end(), {float(p.mX), float(p.mY), float(p.mZ)});
        const HullTriangles hull = convexHullOf(partPoints.data(), partPoints.size() / 3);
        if (hull.vertices.size() / 3 > Brep::kNone16) {
            Log::instance().error("Error: Brep does not allow more then %u points\n", unsigned(Brep::kNone16));
            ok = false;
            break;
        }
        hulls.push_back(hullBrep(hull, kDecomposedHullTag));
        markTouchingFaces(brep, hull.vertices, i % 32);
    }
    decomposition->Release();
    return ok;
}

bool SplittableMeshBuilder::createSplittableMesh(const std::string& name, IndexedTriangleSet& mesh,
                                                 const std::vector<const IndexedTriangleSet*>& physicsMeshes, std::unique_ptr<Brep>& brep,
                                                 std::vector<std::unique_ptr<Brep>>& hulls) {
    if (mesh.numVertices > kMaxVerticesFor16BitIndices) {
        warn("Warning: Failed to create splittable mesh '%s'. Maximum 65536 vertices are allowed.\n", name);
        return false;
    }
    mesh.meshUsage |= IndexedTriangleSet::kUsageSplittable;
    if (!mesh.has(kVertexNormal) || !mesh.has(kVertexUv0)) {
        warn("Warning: Failed to create splittable mesh '%s'. Normals and UV set 0 are required.\n", name);
        return false;
    }
    std::unique_ptr<Brep> built = Brep::fromTriangleSet(mesh);
    if (!built) {
        warn("Warning: Failed to create splittable mesh '%s'.\n", name);
        return false;
    }
    if (!built->isClosed()) {
        warn("Warning: Failed to create splittable mesh '%s'. Splittable meshes need to be closed.\n", name);
        return false;
    }
    std::vector<std::unique_ptr<Brep>> made;
    if (physicsMeshes.empty()) {
        if (!createPhysicsHulls(*built, made)) {
            warn("Warning: Failed to create physics for splittable mesh '%s'. Probably too complex.\n", name);
            return false;
        }
    } else if (physicsMeshes.size() > kMaxPhysicsMeshes) {
        warn("Warning: Failed to create physics for splittable mesh '%s'. Too many defined meshes.\n", name);
        return false;
    }
    for (std::size_t i = 0; i < physicsMeshes.size(); ++i) {
        const IndexedTriangleSet& physics = *physicsMeshes[i];
        if (physics.numVertices > kMaxVerticesFor16BitIndices) {
            Log::instance().warning("Warning: Failed to create physics %u for splittable mesh '%s'.\n", unsigned(i), name.c_str());
            return false;
        }
        const HullTriangles hull = convexHullOf(physics.positions.data(), physics.numVertices);
        markTouchingFaces(*built, hull.vertices, std::uint32_t(i));
        made.push_back(hullBrep(hull, 0));
    }
    brep = std::move(built);
    for (auto& hull : made) hulls.push_back(std::move(hull));
    return true;
}

}  // namespace Q5XSaveUtil
