// The model view: the one in-memory model of the open project (node and
// member tables, label lists, selection ranges, view mode) and the numbered
// OpenGL display lists that draw it. The host creates one CGeometry, fills
// its tables when a project opens and hands a pointer to every table page;
// pages edit the tables in place and call the matching Update / Render
// operation, which rebuilds only the affected lists.
//
// Sources: Geometry.cpp (state, unit factors, updates, renumbering),
// GeometryRender.cpp (nodes, members, properties, supports, view modes),
// GeometrySelection.cpp (highlights, Print), GeometryLoads.cpp (load glyphs),
// GeometryResults.cpp (displaced shape, force diagrams), GeometryAxes.cpp
// (reference points and member local axes), GeometryMemberLoads.cpp (member
// load glyphs), GeometryStations.cpp (diagrams through the member stations),
// GeometryLegend.cpp (legends and value labels).
#pragma once
#include <string>
#include <vector>

#include "numerics/dMatrix.h"
#include "settings/OptionPage1.h"
#include "settings/OptionPage2.h"
#include "settings/OptionPage3.h"
#include "settings/OptionPage4.h"
#include "settings/OptionPage5.h"
#include "settings/MemberLoadOptions.h"
#include "view/OpenGL.h"

class GLUquadric;
namespace glyph {
struct DiagramFrame;
}
namespace numerics {
class RecordSet;
}

class CGeometry : public COpenGL {
public:
    // Display list numbers of the model view (1000..1255 hold the font).
    enum DisplayList : unsigned {
        ListNodePoints = 1,
        ListNodeNumbers = 2,
        ListNodeHighlight = 3,
        ListMemberLines = 4,
        ListMemberNumbers = 5,
        ListMemberHighlight = 6,
        ListLoadFx = 7,          // 7..12: Fx, Fy, Fz, Mx, My, Mz load glyphs
        ListLoadMz = 12,
        ListRefPoints = 13,
        ListPropertyNumbers = 14,
        ListDisplacedShape = 15,
        ListMemberFx = 16,       // 16..21: Fx, Fy, Fz, Mx, My, Mz diagrams
        ListMemberMz = 21,
        ListSupports = 24,
        ListLabelFx = 25,        // 25..30: largest value and end values of Fx .. Mz
        ListLabelMz = 30,
        ListMemberLoads = 31,    // member load glyphs of the active load case
    };
    // Values of m_viewMode.
    enum ViewMode : int { ModeModel = 0, ModeLoads = 1, ModeDisplaced = 2, ModeForces = 3 };
    // Values of m_activeTable.
    enum ActiveTable : int {
        TableNodes = 1001,
        TableConnectivity = 1002,
        TableRefPoints = 1003,
        TableProperties = 1004,
    };
    // Values of m_forceComponent (command identifiers of Fx .. Mz).
    enum ForceComponent : int { ForceFx = 1007, ForceMz = 1012 };

    CGeometry();
    ~CGeometry() override;
    CGeometry(const CGeometry&) = delete;
    CGeometry& operator=(const CGeometry&) = delete;

    // Re-reads the five settings groups (COptionPage1 .. 5, in that order)
    // and creates the GLU quadric (a previous one is released first).
    void LoadLibraryA();

    // ---- Model updates (Geometry.cpp; UpdateProperty in GeometryRender.cpp)
    // After any change of m_nodeTable: node labels, node count written to
    // the project, lists 1, 2 and 24.
    void UpdateNode();
    // After any change of member connectivity: member labels, m_memberLine,
    // element count written to the project, lists 4 and 5.
    void UpdateMember();
    // After property numbers changed: property labels and list 14.
    void UpdateProperty();
    // Node loads of the active load case (one row per node, Fx..Mz in
    // stored units): lists 7 to 12; deletes list 13.
    void UpdateLoad(CdMatrix loads);
    // Node displacements of the active load case (one row per node,
    // translations X, Y, Z in metres): list 15; deletes list 13.
    void UpdateDisp(CdMatrix displacements);
    // Member end forces of the active load case (one row per member,
    // D start columns then D end columns): lists 16 to 21; deletes list 13.
    void UpdateMemberForec(CdMatrix forces);

    // ---- Member loads and station diagrams (GeometryMemberLoads.cpp,
    // GeometryStations.cpp)
    // Member loads of the active load case (one row per load, the seven
    // columns of the member load table in stored units): list 30.
    void UpdateMemberLoad(CdMatrix loads);
    // Section forces of the active load case at kStations equally spaced
    // stations per member (row (m - 1) x kStations + s, DOF columns, the
    // member end force convention): lists 16 to 21 follow the stations
    // instead of a straight line between the ends; deletes list 13.
    void UpdateMemberStations(CdMatrix stations);
    static constexpr int kStations = 21;

    // ---- Renumbering (Geometry.cpp) -----------------------------------
    // Merges the member ends of coincident nodes, asks "Check node if not
    // have connectivity will delete" (OK/Cancel, "KESTRA Wizard"), on OK
    // removes nodes no member uses, then UpdateNode.
    void ReNumberNode();
    // The same without asking: removeUnconnected is the answer OK.
    void ReNumberNode(bool removeUnconnected);
    // Removes duplicate members (either direction), members joining a node
    // to itself and members naming node 0 (row 1 is always kept), then
    // UpdateMember.
    void ReNumberMember();

    // The table algorithms behind the renumbering, usable without a view.
    // Coincidence: every coordinate differs by less than CoincidenceTolerance.
    static constexpr double CoincidenceTolerance = 0.0001;
    // Every member end (column 1 or 2) naming node j is set to the smallest
    // node i < j whose point coincides with node j's. Returns the number of
    // member ends changed.
    static int MergeCoincidentNodeEnds(const CdMatrix& nodes, CdMatrix& members);
    // Removes every node that no member end names and lowers the member ends
    // above each removed node. Returns the number of nodes removed.
    static int RemoveUnconnectedNodes(CdMatrix& nodes, CdMatrix& members);
    // Removes duplicate and degenerate member rows (row 1 is kept). Returns
    // the number of rows removed.
    static int RemoveDuplicateMembers(CdMatrix& members);
    // Node or property number of a table cell: the value truncated toward
    // zero; NaN and values outside the int range give INT_MIN.
    static int TruncateNumber(double value);

    // ---- Unit factors (displayed value = stored value x factor) -----
    // Each call reads the project's units afresh.
    double GetLengthFactor();
    double GetForceFactor();
    double GetStressFactor();
    double GetAreaFactor();
    double GetInertiaFactor();
    double GetMomentFactor();
    // The same factors from given unit strings (case-sensitive).
    static double LengthFactorOf(const std::string& lengthUnit);
    static double ForceFactorOf(const std::string& forceUnit);

    // ---- Scene (GeometryRender.cpp) -----------------------------------
    // Modes 0, 1, 2: RenderNode then RenderMember; mode 3: nothing.
    void CreateDisplayList();
    // Deletes lists 1 to 21.
    void ClearView();
    // Calls the lists of the current view mode, then glFinish.
    void Rendering();
    // The model picture without supports: lists 3, 1, 2, 13, 6, 4, 5, 14.
    virtual void RenderScene();
    // Lists 1 (node points) and 2 (node numbers).
    void RenderNode();
    // m_memberLine, lists 4 (member lines) and 5 (member numbers).
    void RenderMember();
    // List 24: pinned (pyramid) or fixed (cube) support glyphs.
    void RenderSupport();
    // Initial render state with the background colour of the view settings.
    void SetInitialRender() override;

    // ---- Reference points and local axes (GeometryAxes.cpp) ----------
    // List 13 for the selected members while the reference point table is
    // active.
    void RenderRefPoint();

    // ---- Selection (GeometrySelection.cpp) ----------------------------
    // List 3 from m_selNodeFrom..m_selNodeTo (m_selNodeTo is cut to N).
    void OnSelSelectNode();
    // List 6 from m_selMemberFrom..m_selMemberTo (cut to M), then
    // RenderRefPoint.
    void OnSelSelectMember();
    // Shows a copy of the table in a modal sheet titled "Print matrix" with
    // one matrix viewer page, through the hook the host installs (the view
    // layer cannot see the viewer page). Without a hook nothing is shown.
    void Print(CdMatrix table);
    // Printing the view is not provided: does nothing.
    void Print(void* deviceContext, void* printInfo, void* view);
    using MatrixViewerHook = void (*)(const CdMatrix& table, const std::string& title);
    // Lists 3 and 6 for a set of nodes or members picked in the view, which
    // need not be one range of rows (numbers outside the table are skipped).
    // The selection ranges are set to the set's first and last number.
    void HighlightNodes(const std::vector<int>& nodes);
    void HighlightMembers(const std::vector<int>& members);
    // Installs the hook; returns the previous one (nullptr: none).
    static MatrixViewerHook SetMatrixViewerHook(MatrixViewerHook hook);

    // ---- Result labels and legend (GeometryLegend.cpp) ----------------
    // Lists 25 to 30: for each force component, its largest absolute end
    // value written at that member end, and with m_showEndValues every
    // member's two end values near its ends; the legend lines of the
    // diagrams. Called by UpdateMemberForec with the same table; after it,
    // UpdateMemberStations moves the largest value to the stations.
    void UpdateDiagramLabels(const CdMatrix& forces);
    // Shows or hides every member's end values: lists 25 to 30 again from
    // the table the last UpdateDiagramLabels was given.
    void ShowEndValues(bool show);
    // The legend lines of the displaced shape (largest translation, its
    // node and the drawing scale). Called by UpdateDisp before scaling.
    void UpdateDisplacedLegend(const CdMatrix& displacements);
    // Model units at which UpdateDisp draws the largest translation: the
    // "disp factor" the user set, or without one in the settings file 5 %
    // of the model's largest extent.
    double DisplacedShapeSize();
    // The legend of the current view mode (diagrams in mode 3, displaced
    // shape in mode 2) in the top left corner of a width x height window;
    // restores the matrices it changes.
    void RenderLegend(int width, int height);
    // Legend lines of mode 2 and of the six diagrams (index 0..5).
    std::vector<std::string> m_displacedLegend;
    std::vector<std::string> m_diagramLegend[6];
    bool m_showEndValues = false;
    CdMatrix m_labelForces; // the member end forces the labels were made from
    // The section forces at the stations when the diagrams follow them
    // (UpdateMemberStations): the largest value and the scale come from
    // them; empty for straight diagrams.
    CdMatrix m_labelStations;

    // ---- Model state, in declaration order ----------------------------
    CdMatrix m_nodeTable;     // N x (3 + DOF): X, Y, Z [m], restraint codes (1 free, 0 fixed)
    CdMatrix m_memberTable;   // M x 8: start, end, length, K point X Y Z, property, release
    CdMatrix m_memberLine;    // M x 9: start XYZ, end XYZ, midpoint XYZ (from RenderMember)
    CdMatrix m_auxTable;      // left to the host
    int m_selNodeFrom;
    int m_selNodeTo;
    int m_selMemberFrom;
    int m_selMemberTo;
    int m_activeTable;        // 1001 nodes, 1002 connectivity, 1003 reference points, 1004 properties
    int m_forceComponent;     // 1007..1012: Fx, Fy, Fz, Mx, My, Mz
    int m_viewMode;           // 0 model, 1 loads, 2 displaced shape, 3 member forces
    int m_hostFlag;           // for the host
    bool m_geometryChanged;   // set by table commands, cleared only by the host
    bool m_modelChanged;      // set by table commands, cleared only by the host
    GLUquadric* m_quadric;    // cylinders and spheres of glyphs and K points
    COptionPage1 m_nodeOptions;    // node settings, node label list (m_nodeLabels)
    COptionPage2 m_memberOptions;  // member settings, member and property label lists
    COptionPage3 m_loadOptions;    // load glyph settings
    COptionPage4 m_forceOptions;   // member force diagram settings
    COptionPage5 m_viewOptions;    // background colour and the host's view steps
    CMemberLoadOptions m_memberLoadOptions; // member load glyph switch and colour

private:
    // Load glyphs, lists 7 to 12 (GeometryLoads.cpp).
    void CreateLoadFx(CdMatrix loads);
    void CreateLoadFy(CdMatrix loads);
    void CreateLoadFz(CdMatrix loads);
    void CreateLoadMx(CdMatrix loads);
    void CreateLoadMy(CdMatrix loads);
    void CreateLoadMz(CdMatrix loads);
    // Member force diagrams, lists 16 to 21 (GeometryResults.cpp).
    void CreateMemberFx(CdMatrix forces);
    void CreateMemberFy(CdMatrix forces);
    void CreateMemberFz(CdMatrix forces);
    void CreateMemberMx(CdMatrix forces);
    void CreateMemberMy(CdMatrix forces);
    void CreateMemberMz(CdMatrix forces);

    // Scene helpers (GeometryRender.cpp, GeometrySelection.cpp).
    // Label i of a label list; "%d" of fallback when the list is too short.
    static std::string LabelAt(const std::vector<std::string>& labels, int i, int fallback);
    // Coordinate c (1..3) of node n, with the table's out-of-range rule.
    double NodeCoordinate(int n, int c);
    void DrawPinnedSupport(double x, double y, double z);
    // Member k's line and label in the current colour (GeometrySelection.cpp).
    void DrawMemberHighlight(int k);
    void DrawFixedSupport(double x, double y, double z);

    static MatrixViewerHook s_matrixViewerHook;

    // ==== Load glyphs, result diagrams and local axes =====================
    // Private helpers of GeometryLoads.cpp, GeometryResults.cpp and
    // GeometryAxes.cpp are declared in this block only.
    // ---- begin glyph helpers ----
    struct ForceGlyph;    // one force component: list, column, direction, head turns
    struct MomentGlyph;   // one moment component: list, column, arc plane, head turns
    struct DiagramStyle;  // one member force component: list, columns, settings
    // The force family (Fx, Fy, Fz) and the moment family (Mx, My, Mz).
    void CreateLoadForce(const CdMatrix& loads, const ForceGlyph& component);
    void CreateLoadMoment(const CdMatrix& loads, const MomentGlyph& component);
    // Flat two-sided arrowhead along the local +Z axis.
    void DrawLoadHead();
    // One force diagram list (Fx .. Mz).
    void CreateMemberDiagram(const CdMatrix& forces, const DiagramStyle& style);
    // The frame member k's diagram is drawn in, from its end nodes and its
    // row of the local axes; false for a member that cannot show one
    // (coincident or undefined ends, broken axes).
    bool MemberDiagramFrame(int k, const numerics::RecordSet& axes, glyph::DiagramFrame& frame);
    // Lists 25 to 30 and the diagram legends from m_labelForces and, when
    // the diagrams follow the stations, m_labelStations (GeometryLegend.cpp).
    void RebuildDiagramLabels();
    // The members' local axes ("dcos") while UpdateMemberForec runs: read
    // once by the first diagram that needs them and shared by the others;
    // nullptr outside UpdateMemberForec.
    numerics::RecordSet* m_memberAxes = nullptr;
    // Plane, axes, arrowheads and K point of member k in list 13.
    void DrawMemberRefPoint(int k);
    // One station-based diagram list (GeometryStations.cpp).
    struct StationStyle;
    void CreateStationDiagram(const CdMatrix& stations, const StationStyle& style);
    // ---- end glyph helpers ----
};
