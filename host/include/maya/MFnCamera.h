#ifndef MAYA_MFNCAMERA_H
#define MAYA_MFNCAMERA_H

#include <maya/MFnDagNode.h>

class MFnCamera : public MFnDagNode {
public:
    MFnCamera();
    MFnCamera(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnCamera(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    // Radians, from the focal length and the horizontal film aperture alone.
    double horizontalFieldOfView(MStatus* ReturnStatus = NULL) const;
    double verticalFieldOfView(MStatus* ReturnStatus = NULL) const;
    double focalLength(MStatus* ReturnStatus = NULL) const;
    // Inches.
    double horizontalFilmAperture(MStatus* ReturnStatus = NULL) const;
    double verticalFilmAperture(MStatus* ReturnStatus = NULL) const;
    // Internal units (centimetres).
    double nearClippingPlane(MStatus* ReturnStatus = NULL) const;
    double farClippingPlane(MStatus* ReturnStatus = NULL) const;
    double orthoWidth(MStatus* ReturnStatus = NULL) const;
    bool isOrtho(MStatus* ReturnStatus = NULL) const;
};

#endif
