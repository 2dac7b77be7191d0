// The project's units for the calculation report: the model view's
// conversion factors (stored metres and kilogram-force to the project's
// length and force units) and the unit labels of the headings. Every value
// the report prints passes through exactly one of the functions below.
#pragma once
#include <string>

class CGeometry;

struct ReportUnits {
    // Factors: displayed value = stored value x factor.
    double length = 1, force = 1, moment = 1, area = 1, inertia = 1, stress = 1;
    // Labels: "mm", "kN", "kN-mm", "mm^2", "mm^4", "kN/mm^2".
    std::string lengthUnit, forceUnit, momentUnit, areaUnit, inertiaUnit, stressUnit;

    // Factors from the model view, labels from the current project.
    static ReportUnits FromGeometry(CGeometry& geometry);

    double Length(double stored) const { return stored * length; }
    double Force(double stored) const { return stored * force; }
    double Moment(double stored) const { return stored * moment; }
    double Area(double stored) const { return stored * area; }
    double Inertia(double stored) const { return stored * inertia; }
    double Stress(double stored) const { return stored * stress; }
    // Member loads: force per length, force, weight per volume (self weight).
    double LineLoad(double stored) const { return stored * force / length; }
    double UnitWeight(double stored) const { return stored * force / (length * length * length); }
    std::string LineLoadUnit() const { return forceUnit + "/" + lengthUnit; }
    std::string UnitWeightUnit() const { return forceUnit + "/" + lengthUnit + "^3"; }

    // Column j (1..6) of a node result or load: translations or forces
    // (j <= 3) and rotations (radians, unconverted) or moments (j > 3).
    double Displacement(int j, double stored) const { return j <= 3 ? Length(stored) : stored; }
    double NodeForce(int j, double stored) const { return j <= 3 ? Force(stored) : Moment(stored); }
    std::string DisplacementUnit(int j) const { return j <= 3 ? lengthUnit : "rad"; }
    std::string NodeForceUnit(int j) const { return j <= 3 ? forceUnit : momentUnit; }
};
