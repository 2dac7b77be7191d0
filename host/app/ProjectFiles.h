// The host's side of a project's files: opening a project file (".KTR")
// so that it becomes the current project, and the node and member tables
// that the host keeps beside it, F + N + ".nod" (X, Y, Z and six restraint
// codes) and F + N + ".ele" (the eight member columns), both table files
// of CdMatrix. Also reads one record of a solver result file with checks.
// Every reader leaves its targets untouched when it fails.
#pragma once
#include <string>
#include <vector>

#include "numerics/dMatrix.h"

class CGeometry;

class ProjectFiles {
public:
    static constexpr int NodeColumns = 9;
    static constexpr int MemberColumns = 8;

    // F + N + ext of the current project (ext with its dot, e.g. ".nod").
    static std::string ProjectPath(const std::string& ext);

    // Opens `projectFile` through CProject::LoadFromArchive with its
    // absolute path, so it becomes the current project of the settings
    // file. False with `error` when the file cannot be read or is damaged;
    // the settings are then not changed.
    static bool OpenProject(const std::string& projectFile, std::string& error);

    // Reads the ".nod" and ".ele" files of the current project. The node
    // table needs 3 + DOF columns at least, the member table 8; every
    // member must name nodes 1..N or 0 ("not yet given"). False with
    // `error`, targets unchanged.
    static bool ReadModel(CdMatrix& nodes, CdMatrix& members, std::string& error);
    // The same into the model view's tables (the host's "project opens").
    static bool ReadModel(CGeometry& geometry, std::string& error);
    // Members (1-based) with a node not yet given (0).
    static std::vector<int> UnfinishedMembers(const CdMatrix& members);
    // The warning naming them, shown once when such a model opens.
    static std::string UnfinishedText(const std::vector<int>& members);
    // Writes both files of the current project.
    static bool WriteModel(const CdMatrix& nodes, const CdMatrix& members, std::string& error);

    // Node loads of load case k as a node count x 6 table (columns past
    // DOF are 0), read from F + N + ".lod" + k. A missing file is an error.
    static bool ReadLoads(int k, int nodeCount, CdMatrix& loads, std::string& error);

    // Record k of a result file F + N + ext (".disn", ".elf", ...). False
    // when the file is missing or shorter than the record, or its shape is
    // not rows x cols.
    static bool ReadResult(const std::string& ext, int k, int rows, int cols, CdMatrix& record,
                           std::string& error);
};
