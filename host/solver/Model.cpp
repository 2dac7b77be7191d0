#include "solver/Model.h"

namespace solver {

bool Model::TypeFromName(const std::string& name, Type& type)
{
    if (name == "Frame3D") {
        type = Type::Frame3D;
        return true;
    }
    if (name == "Truss3D") {
        type = Type::Truss3D;
        return true;
    }
    return false;
}

std::string Model::TypeName(Type type)
{
    return type == Type::Frame3D ? "Frame3D" : "Truss3D";
}

} // namespace solver
