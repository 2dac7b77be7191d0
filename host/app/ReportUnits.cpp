#include "ReportUnits.h"

#include "project/Project.h"
#include "view/Geometry.h"

ReportUnits ReportUnits::FromGeometry(CGeometry& geometry)
{
    ReportUnits u;
    u.length = geometry.GetLengthFactor();
    u.force = geometry.GetForceFactor();
    u.moment = geometry.GetMomentFactor();
    u.area = geometry.GetAreaFactor();
    u.inertia = geometry.GetInertiaFactor();
    u.stress = geometry.GetStressFactor();
    const CProject project;
    u.lengthUnit = project.GetLengthUnit();
    u.forceUnit = project.GetForceUnit();
    u.momentUnit = project.GetMomentUnit();
    u.areaUnit = project.GetAreaUnit();
    u.inertiaUnit = project.GetInertiaUnit();
    u.stressUnit = project.GetStressUnit();
    return u;
}
