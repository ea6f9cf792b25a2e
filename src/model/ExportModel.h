#ifndef Q5X_MODEL_EXPORTMODEL_H
#define Q5X_MODEL_EXPORTMODEL_H

#include "NameTable.h"
#include "NodeTable.h"

#include <maya/MDagPath.h>
#include <maya/MFloatMatrix.h>
#include <maya/MObject.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

// What a transform becomes in the Scene section, decided by its children.
enum class NodeKind {
    TransformGroup = 0,
    Shape = 1,
    MergeGroup = 2,
    MergeChildren = 3,
    SplitShape = 4,
    Emitter = 5,
    Camera = 6,
    NurbsCurve = 7,
    Light = 8,
};
constexpr unsigned kNodeKindCount = 9;

// The nodes a skin cluster binds, one entry per element of its "matrix" plug in element order
// (blend indices are positions in this list); an empty name where no single node is connected.
struct SkinBinding {
    MObject skinCluster;
    // One entry per "matrix" element in element order: the influence's partial DAG path name
    // (empty without a single node) and the element's logical index.
    std::vector<std::string> influences;
    std::vector<unsigned> elements;
};

// The shading of a mesh's instance 0 (lookup/MeshShading): per shading group, in Maya's order, its
// name and the material on its "surfaceShader", and how many groups the polygons use.
struct MeshShading {
    enum class Link { Material, NoSurfaceShader, NothingConnected };
    struct Group {
        std::string name;
        Link link = Link::NothingConnected;
        MObject material;
    };
    std::vector<Group> groups;
    std::size_t usedGroups = 0;  // one more than the highest group index a polygon uses
};

// What a shape of the Shapes section is made from; the Shapes section has a writer per kind.
enum class ShapeKind { Mesh, NurbsCurve };

// One shape of the Shapes section; instances of a mesh share it.
struct ShapeRecord {
    std::uint32_t shapeId = 0;
    ShapeKind kind = ShapeKind::Mesh;
    MObject shape;
    bool split = false;
    float vertexCompressionRange = 0.0f;
    bool cpuMesh = false;
    bool occluder = false;  // q5X_oc: the second usage flag
    // Any instance with a rigid-body role and q5X_collision not off: the shape collides. Any such
    // instance that moves (dynamic, kinematic, trigger, or a child of a moving compound): it is
    // used dynamically.
    bool collides = false;
    bool usedDynamically = false;
    MeshShading shading;
    // Material identifiers of the shading groups of instance 0, in shading-group order.
    std::vector<std::uint32_t> materialIds;
    bool skinned = false;
    SkinBinding skin;
    // Split shapes: the meshes of the "collisions" group below them, with their transforms.
    std::vector<std::pair<MObject, MObject>> collisionMeshes;
};

// Meshes exported as one shape: the members of a merge group (each drives its part like a bone),
// or the children of a q5X_mergeChildren transform (baked into its space).
struct MergeRecord {
    std::uint32_t groupNumber = 0;  // q5X_mergeGroup; kMergedChildrenGroup for merged children
    std::uint32_t shapeId = 0;
    bool mergedChildren = false;
    MDagPath root;                  // the transform that carries the merged Shape
    bool rootWritten = false;       // a node of the group was marked as its root
    bool rootHasNoMesh = false;     // that root has no mesh of its own
    bool cpuMesh = false;
    bool occluder = false;
    // Per member, in member order: its mesh, its transform, the shading of its mesh and the
    // material identifiers of its shading groups.
    std::vector<MObject> memberMeshes;
    std::vector<MDagPath> memberTransforms;
    std::vector<MeshShading> memberShadings;
    std::vector<std::vector<std::uint32_t>> memberMaterialIds;
    // Filled when the model is finished: per member, its shading-group index to the group's
    // material number; the group's material identifiers in numbering order.
    std::vector<std::vector<std::uint32_t>> materialRemaps;
    std::vector<std::uint32_t> materialIds;
    // Merged children: each member's transform into the root's space, as the freeze switches
    // leave it (translation in the document's unit), and its value for the generic stream.
    std::vector<MFloatMatrix> memberToRoot;
    std::vector<std::uint32_t> memberValues;
};
constexpr std::uint32_t kMergedChildrenGroup = 0xFFFFFFFFu;
// Blend indices are 8 bits: a merge group binds at most this many members.
constexpr std::size_t kMaxMergeGroupMembers = 256;

// The small single-material meshes below a split shape, exported together as one extra shape
// whose subsets are the attachments, each placed on a face of the split shape.
struct AttachmentsRecord {
    std::vector<MObject> meshes;
    std::vector<MDagPath> transforms;  // parallel to the meshes
    MObject ownerMesh;
    MDagPath ownerTransform;
    std::uint32_t materialId = 0;  // the one material every attachment uses
    std::uint32_t shapeId = 0;
    float vertexCompressionRange = 0.0f;
};

// Requests for a bounding volume by target name, first request first.
struct BoundingVolumeRequest {
    MObject transform;
    MObject mesh;
};

struct ResolvedBoundingVolume {
    MObject mesh;
    MFloatMatrix toTarget;  // requesting transform space to target transform space
};

// Translation (document units), XYZ rotation (degrees) and scale as the element writes them.
struct TransformValues {
    double translation[3] = {0.0, 0.0, 0.0};
    double rotation[3] = {0.0, 0.0, 0.0};
    double scale[3] = {1.0, 1.0, 1.0};
};

constexpr std::uint32_t kNoParent = 0xFFFFFFFFu;

struct NodeElement;  // the element writer a node kind's handler chose (scene/NodeElements.h)

// One element of the Scene section.
struct SceneNode {
    MObject transform;
    std::string pathName;  // partial DAG path name, the node table's key
    std::uint32_t parent = kNoParent;  // index in ExportModel::nodes
    unsigned depth = 0;                // 0 for children of the world
    NodeKind kind = NodeKind::TransformGroup;
    MObject decidingChild;             // the child that decided the kind, when one did
    std::int32_t mergeGroupId = 0;
    bool cpuMesh = false;
    bool occluder = false;
    bool hasTransformChildren = false;  // the element is written open, even if no child is exported
    bool inCompound = false;            // the compound flag this node and its subtree see
    std::uint32_t nodeId = 0;
    const ShapeRecord* shape = nullptr;  // mesh and curve shapes
    const MergeRecord* merge = nullptr;  // merge-group nodes and merged children
    const AttachmentsRecord* attachments = nullptr;  // the node that stands for a split shape's attachments
    // Which node of a merge group this is; settles its element once the whole group is known.
    enum class MergeRole { Member, FirstNode, Root, FirstNodeRoot } mergeRole = MergeRole::Member;
    const NodeElement* element = nullptr;  // what the Scene section writes for it
    bool isReference = false;            // written as a ReferenceNode, without children
    std::uint32_t referenceId = 0;
    std::uint32_t projectedTextureId = 0;  // lights: a spot light's projected file, 0 for none
    std::uint32_t iesProfileId = 0;        // lights: the IES profile file, 0 for none
    std::uint32_t dynamicId = 0;           // emitters: the Dynamic's identifier
    TransformValues transformValues;
};

// Everything the scene pass learns before any text is written: the nodes in document order
// (parents before children, siblings in child order) and the run's tables.
struct ExportModel {
    // A deque: a level of a million nodes grows it without ever holding two copies.
    std::deque<SceneNode> nodes;
    std::map<std::string, ShapeRecord> shapes;  // by shape key
    std::map<std::uint32_t, MergeRecord> mergeGroups;  // by group number
    std::deque<MergeRecord> mergedChildren;            // in document order (nodes point into it)
    std::deque<AttachmentsRecord> attachments;          // in document order (nodes point into it)
    // Emitters written as Dynamic nodes, by partial DAG path name: ids 1, 2, ... in document order.
    std::map<std::string, std::uint32_t> dynamicIds;
    NodeTable nodeTable;
    MaterialTable materials;
    FileTable files;
    std::map<std::string, BoundingVolumeRequest> boundingVolumeRequests;
    std::map<std::string, ResolvedBoundingVolume> boundingVolumes;  // by target shape name
};

#endif
