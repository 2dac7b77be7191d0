// One state of the model for undo: the model view's node and member tables,
// the library's table files of the current project (property groups
// N + ".pro", release sets N + ".res", node loads N + ".lod" + k, member
// loads N + ".mld" + k, load combinations N + ".cmb") and the
// project counts that size them. Taken before and after a table command;
// restoring one puts the files, the counts and the tables back (the caller
// rebuilds the view and refills the tables).
#pragma once
#include <map>
#include <string>

#include "numerics/dMatrix.h"

class CGeometry;

class ModelSnapshot {
public:
    // The current project's state (settings file, project folder) and the
    // tables of geometry.
    static ModelSnapshot Capture(const CGeometry& geometry);

    // Writes back every table file that differs (and removes table files
    // the snapshot did not have), the counts through CProject::Settings
    // (true), and the two tables into geometry. False with `error` when a
    // file cannot be written; what was restored until then stays.
    bool Restore(CGeometry& geometry, std::string& error) const;

    bool SameAs(const ModelSnapshot& other) const;

    // Whether a file name of the project folder is one of the library's
    // table files of project `name`.
    static bool IsTableFile(const std::string& fileName, const std::string& name);

    CdMatrix nodes;
    CdMatrix members;
    std::string folder;                        // F, ending with '/'
    std::string name;                          // N
    std::map<std::string, std::string> files;  // file name -> bytes
    int nodeCount = 0;
    int elementCount = 0;
    int materialCount = 0;
    int releaseCount = 0;
    int loadCaseCount = 0;
    // The project document's generation of this state (not compared).
    unsigned long long generation = 0;
};
