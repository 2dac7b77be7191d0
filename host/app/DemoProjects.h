// The two sample projects that `kestra demo` writes: a three-storey steel
// building frame ("Frame3D") and a Pratt truss road bridge ("Truss3D").
// Build* produce the model as plain tables in stored units (metres,
// kilogram-force); Write puts one of them into a project folder with its
// project file, settings and table files.
#pragma once
#include <array>
#include <ostream>
#include <string>
#include <vector>

// One sample project as the tables the host and the library keep.
struct DemoProject {
    std::string name;        // project name, also the file title of F + N + ".KTR"
    std::string title;       // "Project Title "
    std::string engineer;    // "engineer"
    std::string elementType; // "Frame3D" or "Truss3D"
    std::string forceUnit;   // unit labels shown by the tables
    std::string lengthUnit;
    int dof = 0;             // degrees of freedom per node

    // Node table: X, Y, Z, then restraint codes X, Y, Z, RX, RY, RZ
    // (1 free, 0 restrained); a truss keeps its rotation codes at 1.
    std::vector<std::array<double, 9>> nodes;
    // Member table: start, end, length, reference point X, Y, Z,
    // property group, release set.
    std::vector<std::array<double, 8>> members;
    // Property groups: E, A, G, I1 (torsion), I2, I3.
    std::vector<std::array<double, 6>> properties;
    // Release sets: 12 end codes, 1 connected, 0 released.
    std::vector<std::array<double, 12>> releases;
    // Node loads per case: one row per node, `dof` columns used of 6.
    std::vector<std::vector<std::array<double, 6>>> loadCases;
    std::vector<std::string> loadCaseNames;
    // Member loads per case (may be shorter than loadCases): member, kind,
    // direction, a, b, w1, w2 (see the ".mld<k>" table).
    std::vector<std::vector<std::array<double, 7>>> memberLoads;
    // Load combinations: the factor of every load case, and their names.
    std::vector<std::vector<double>> combinations;
    std::vector<std::string> combinationNames;
};

class DemoProjects {
public:
    // 3 x 2 bays (6 m along X, 5 m along Z), 3 storeys of 3.5 m, Y up,
    // fixed column bases, main beams along X with a mid-span node; case 1
    // gravity (floor loads on the main beams and the self weight of every
    // member), case 2 wind along +X; combinations 1.35 gravity + 1.5 wind
    // and gravity + wind.
    static DemoProject BuildingFrame();
    // Two Pratt trusses of 6 panels of 5 m, 5 m high, 4 m apart, with
    // cross girders, lateral and sway bracing; pinned at one end, on
    // rollers at the other; one case of deck loads.
    static DemoProject PrattBridge();

    // Member length from the node table (members name 1-based nodes).
    static double MemberLength(const DemoProject& project, int member);

    // Writes the project into folder (ending with '/'): creates the folder
    // and an empty project file F + N + ".KTR", sets the project facts in
    // the current settings file (Settings (true) fills the project file),
    // then the ".nod", ".ele", ".pro", ".res" and ".lod<k>" files, the
    // ".mld<k>" files of the cases with member loads and the ".cmb" file
    // when there are combinations. Each file
    // written is listed on `log`. False with `error` set when a file cannot
    // be written.
    static bool Write(const DemoProject& project, const std::string& folder, std::ostream& log,
                      std::string& error);
};
