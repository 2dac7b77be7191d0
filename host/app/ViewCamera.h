// The desktop view's camera: a target point looked at from a distance under
// three turns (about the screen's X axis, the model's Y axis and the view
// axis), panned across the screen, with the per-axis view scale of the
// global settings. The model view widget owns one; it is plain arithmetic
// plus the two GL calls that load the matrices, so tests check it directly.
#pragma once
#include "numerics/dMatrix.h"

class ViewCamera {
public:
    enum Standard { ViewX, ViewY, ViewZ, Isometric };

    static constexpr double FieldOfView = 45.0; // vertical, degrees

    // Centre and radius of the nodes' bounding sphere (non-finite rows are
    // skipped); a radius of 1 for an empty or single-point model.
    static void BoundingSphere(const CdMatrix& nodes, double centre[3], double* radius);

    // Looks at the whole model from the current direction: target at the
    // sphere's centre, no pan, distance so that the sphere grown by margin
    // fits the field of view at the given aspect (width / height).
    void Fit(const CdMatrix& nodes, double aspect, double margin);
    // One of the four standard directions (from +X, from +Y, from +Z, and
    // from (1, 1, 1) with Y up); target and distance stay.
    void SetStandard(Standard view);

    // Mouse: orbit by screen pixels (half a degree each), pan by pixels of
    // a viewport `height` pixels high, zoom by a factor (< 1 comes closer).
    void Orbit(double dx, double dy);
    void Pan(double dx, double dy, int height);
    void Zoom(double factor);

    // Keyboard steps of the global settings: turns in degrees about the
    // three axes, moves of the target along the model's X, Y, Z.
    void Rotate(double aboutX, double aboutY, double aboutZ);
    void Translate(double x, double y, double z);

    // Loads the projection (45 degree perspective, clipping planes from
    // the distance and the model size) and the model-view matrix.
    void LoadProjection(double aspect) const;
    void LoadModelView() const;
    // The model-view matrix as LoadModelView builds it (column-major).
    void ModelViewMatrix(double m[16]) const;
    // The projection matrix as LoadProjection builds it (column-major).
    void ProjectionMatrix(double aspect, double m[16]) const;

    double target[3] = {0.0, 0.0, 0.0};
    double distance = 10.0;
    double pitch = 35.26438968;  // about the screen X axis, degrees
    double yaw = -45.0;          // about the model Y axis, degrees
    double roll = 0.0;           // about the view axis, degrees
    double pan[2] = {0.0, 0.0};  // across the screen, model units
    double scale[3] = {1.0, 1.0, 1.0};
    double radius = 1.0;         // model size for the clipping planes
};
