// Node types that ship with Maya and that the stand-in does not look into. Declaring them keeps
// their nodes' DAG placement and lets the reader tell Maya's own types from plug-in types, which
// alone are reported as unknown.
#include "SchemaRegistry.h"

namespace mayahost {

namespace {

const char* const kDependencyTypes[] = {
    // Scene bookkeeping.
    "unitConversion", "timeToUnitConversion", "unitToTimeConversion", "displayLayer",
    "displayLayerManager", "renderLayer", "renderLayerManager", "lightLinker", "partition", "creaseSet",
    "shapeEditorManager", "poseInterpolatorManager", "nodeGraphEditorInfo", "nodeGraphEditorBookmarks",
    "nodeGraphEditorBookmarkInfo", "hyperGraphInfo", "hyperLayout", "hyperView", "renderGlobals", "renderGlobalsList",
    "defaultRenderUtilityList", "defaultShaderList", "defaultTextureList", "defaultLightList", "lightList",
    "postProcessList", "renderPartition", "resolution", "hardwareRenderGlobals", "hardwareRenderingGlobals",
    "hwRenderGlobals", "renderQuality", "renderPass", "renderPassSet", "renderSetup", "renderSetupLayer", "collection",
    "simpleSelector", "listItem", "colorManagementGlobals", "strokeGlobals", "sequenceManager", "sequencer", "shot",
    "timeEditor", "timeEditorTracks", "timeEditorClip", "objectFilter", "objectTypeFilter", "objectNameFilter",
    "objectScriptFilter", "objectMultiFilter", "objectAttrFilter", "objectRenderFilter", "selectionListOperator",
    "container", "reference", "audio", "dynGlobals", "rigidSolver", "brush", "keyingGroup",
    // Curves and surfaces history.
    "curveInfo", "nurbsTessellate", "makeNurbCircle", "makeNurbSphere", "makeNurbPlane", "makeNurbCylinder",
    "makeNurbCone", "makeNurbCube", "makeNurbTorus", "loft", "extrude", "revolve", "rebuildCurve", "rebuildSurface",
    "detachCurve", "attachCurve", "planarTrimSurface", "closeCurve", "reverseCurve", "offsetCurve",
    "pointOnCurveInfo", "pointOnSurfaceInfo", "closestPointOnSurface", "nearestPointOnCurve",
    // Shading.
    "standardSurface", "openPBRSurface", "displacementShader", 
    "layeredShader", "useBackground", "shadingMap", "oceanShader", "envCube",
    "envChrome", "envSky", "checker", "ramp", "noise", "fractal", "grid", "bulge", "cloth", "water",
    "mountain", "leather", "marble", "granite", "wood", "rock", "snow", "solidFractal", "stucco", "crater",
    "brownian", "cloud", "volumeNoise", "psdFileTex", "movie", "projection", "stencil",
    "samplerInfo", "bump3d", "lightFog", "particleSamplerInfo", "surfaceLuminance",
    "lightInfo", "shadingDependNode", "hsvToRgb", "rgbToHsv", "luminance", "contrast", "gammaCorrect", "clamp",
    "remapValue", "remapColor", "remapHsv", "colorConstant", "floatConstant", "doubleSwitch",
    "singleShadingSwitch", "tripleShadingSwitch", "quadShadingSwitch", "hwShader",
    // Utilities.
    "multiplyDivide", "plusMinusAverage", "condition", "reverse", "blendColors", "setRange", "vectorProduct",
    "distanceBetween", "addDoubleLinear", "multDoubleLinear", "blendWeighted", "choice", "blend", "blendTwoAttr",
    "decomposeMatrix", "composeMatrix", "multMatrix", "inverseMatrix", "fourByFourMatrix", "pickMatrix",
    "blendMatrix", "aimMatrix", "wtAddMatrix", "holdMatrix", "addMatrix", "transposeMatrix", "quatToEuler",
    "eulerToQuat", "floatMath", "colorMath", "angleBetween", "arrayMapper", "frameCache", "dof", "particleCloud",
    // Animation.
    "pairBlend", "clipScheduler", "clipToGhostData", "animLayer", "animBlendNodeAdditive",
    "animBlendNodeAdditiveRotation", "animBlendNodeAdditiveDL", "animBlendNodeAdditiveDA",
    "animBlendNodeAdditiveScale", "animBlendNodeAdditiveF", "animBlendNodeAdditiveFA", "animBlendNodeAdditiveFL",
    "animBlendNodeAdditiveI16", "animBlendNodeAdditiveI32", "animBlendNodeBoolean", "animBlendNodeEnum",
    "animBlendNodeTime", "characterMap", "characterOffset", "motionPath", "poseInterpolator", "timeWarp",
    // Skeletons and rigs.
    "ikRPsolver", "ikSCsolver", "ikSplineSolver", "ikSpringSolver", "ikSystem", "hikSolver",
};

// Polygon history that the stand-in does not evaluate: each takes a mesh in and gives one out.
const char* const kPolyModifierTypes[] = {
    "polyMapCut", "polyTweak", "polySoftEdge",
    "polyNormal", "polyExtrudeFace", "polyExtrudeEdge", "polyExtrudeVertex", "polySplit", "polySplitRing",
    "polySplitEdge", "polySplitVert", "polyMergeVert", "polyMergeEdge", "polyMergeFace", "polyAutoProj",
    "polyPlanarProj", "polyCylProj", "polySphProj", "polyProj", "polyContourProj", "polyTweakUV", "polyUnite",
    "polySeparate", "polyChipOff", "polyDelEdge", "polyDelVertex", "polyDelFacet", "polyBevel", "polyBevel2",
    "polyBevel3", "polySmoothFace", "polySmooth", "polySmoothProxy", "polyReduce", "polyMirror", "polyCloseBorder",
    "polyAppend", "polyAppendVertex", "polyBridgeEdge", "polyCut", "polyFlipUV", "polyMoveVertex", "polyMoveEdge",
    "polyMoveFace", "polyMoveUV", "polyLayoutUV", "polyMapSew", "polyMapSewMove", "polyMapDel", "polyNormalizeUV",
    "polyColorPerVertex", "polyColorMod", "polyColorDel", "polyBoolOp", "polyCBoolOp", "polyCollapseEdge",
    "polyCollapseF", "polySubdFace", "polySubdEdge", "polyPoke", "polyWedgeFace", "polyCopyUV", "polyUVRectangle",
    "polyEditEdgeFlow", "polyQuad", "polyStraightenUVBorder", "polyCreateFace", "polyCrease", "polyHoleFace",
    "polyOptUvs", "polyAverageVertex", "polyFlipEdge", "polyConnectComponents", "polyCircularize", "polyRetopo",
    "polyRemesh", "polyBlindData", "polyNormalPerVertex", "polySewEdge", "polyTransfer", "polyPinUV",
    "polyDuplicateEdge", "polyExtrudeFaceOld", "polyTweakUVOld", "polyPlanarProjOld", "deleteUVSet",
    "createColorSet", "deleteColorSet", "polyUnsmooth", "polyAxis", "polyClean",
};

// Deformers the stand-in does not evaluate: geometry in, geometry out.
const char* const kDeformerTypes[] = {
    "blendShape", "cluster", "wrap", "ffd", "sculpt", "wire", "softMod", "deltaMush", "tension", "proximityWrap",
    "nonLinear", "jiggle", "textureDeformer", "shrinkWrap", "solidify", "morph", "skinBinding", "jointCluster",
};

// DAG node types: Maya places them in the hierarchy (constraints live below the node they drive).
const char* const kDagTypes[] = {
    "parentConstraint", "pointConstraint", "orientConstraint", "aimConstraint", "scaleConstraint",
    "poleVectorConstraint", "geometryConstraint", "normalConstraint", "tangentConstraint",
    "pointOnPolyConstraint", "instancer", "annotationShape", "distanceDimShape", "nurbsSurface", "subdiv", "lattice",
    "baseLattice", "imagePlane", "follicle", "hairSystem", "nucleus", "nParticle", "nCloth", "nRigid", "pfxHairShape",
    "pfxToon", "stroke", "fluidShape", "place3dTexture", "clusterHandle", "softModHandle", "deformBend",
    "deformTwist", "deformSquash", "deformFlare", "deformSine", "deformWave", "sculptTarget", "dagContainer",
    "assembly", "dragField", "newtonField", "radialField", "turbulenceField", "uniformField", "vortexField",
    "volumeAxisField", "rigidBody", "heightField", "renderBox", "renderSphere", "renderCone", "environmentFog",
    "volumeFog", "fluidEmitter", "hikIKEffector", "hikFKJoint", "hikHandle", "motionTrailShape", "motionTrail", "implicitSphere", "implicitBox", "implicitCone", "positionMarker",
    "orientationMarker", "paintableShadingDependNode",
};

}  // namespace

void defineMayaBuiltinTypes(SchemaRegistry& registry) {
    const NodeType& dependNode = registry.type("dependNode");
    const NodeType& dagNode = registry.type("dagNode");
    for (const char* name : kDependencyTypes) {
        if (!registry.has(name)) registry.define(name, MFn::kDependencyNode, &dependNode);
    }
    for (const char* name : kPolyModifierTypes) {
        if (!registry.has(name)) registry.define(name, MFn::kDependencyNode, &registry.type("polyModifier"));
    }
    for (const char* name : kDeformerTypes) {
        if (!registry.has(name)) registry.define(name, MFn::kGeometryFilt, &registry.type("geometryFilter"));
    }
    for (const char* name : kDagTypes) {
        if (!registry.has(name)) registry.define(name, MFn::kDagNode, &dagNode);
    }
}

}  // namespace mayahost
