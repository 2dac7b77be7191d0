// The read-only result pages (node displacements, node forces, support
// reactions, member end displacements, member end forces) share this base:
// the record of the active load case ("LOADS CASE") read from one result
// file, the grid with the result in display units around the scroll
// position, the minimum and maximum rows (the true extremes of the column
// each stands under, in its display units), and the Word and Excel exports
// in the common report frame, in the units their headings name. A page
// exports only with its model view set (the reactions need its supports).
// A page class names only what is its own: the file, a preparation of the
// values, the grid columns (header, unit factor, stored column shown) and
// the texts of its exports.
#pragma once
#include <QPoint>
#include <QString>
#include <string>
#include <vector>

#include "numerics/dMatrix.h"
#include "tables/GridEditing.h"
#include "tables/PropertyPage.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class ResultTablePage : public PropertyPage, public GridEditingClient {
    Q_OBJECT
public:
    // Grid column: its header, the factor to display units and the stored
    // column it shows.
    struct Column {
        std::string header;
        double factor = 1.0;
        int stored = 0;
    };
    struct Layout {
        std::string corner;          // header of the number column
        std::vector<Column> columns; // grid columns 1, 2, ...
        int extremeColumns = 0;      // stored columns 1..n in the min/max rows
        int exportColumns = 0;       // stored values per exported line
    };
    // The lines an export names: description, title (ending in "Last
    // modify  "), column line (with its "\n") and file name.
    struct Export {
        std::string description;
        std::string title;
        std::string columnLine;
        std::string file;
    };

    ResultTablePage(const QString& caption, QWidget* parent = nullptr);
    ~ResultTablePage() override;

    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CGeometry* Geometry() const { return m_geometry; }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    const CdMatrix& Result() const { return m_result; }

    // Reads the result, computes the extremes, fills the table.
    bool OnInitDialog() override;

    // The record of the active load case from the page's file, prepared; a
    // result without rows becomes 0 x 0. False when the file could not be
    // read (the reader has shown "Access file " + path).
    bool ReadResult();
    // Project folder + project name + the page's extension.
    std::string ResultPath() const;
    // Column minima and maxima of the stored result (the first row is the
    // start value) for the min/max rows and the exports.
    void FineValue();
    // Clear, counts, header row, the rows around the scroll position and
    // the min/max rows.
    void UpdateTable();

    // ---- exports (menu 12000, popup "Output") ---------------------------------
    // Write the export and open it; false (after a message) when the page
    // has no model view or the file cannot be written.
    bool OnWord();
    bool OnExcel();
    // "Copy" (context menu, Ctrl+C): the selected block as tab-separated
    // text on the clipboard, ready to paste into a spreadsheet.
    void OnCopy();
    // That text: a heading line (the number column's and the selected
    // columns' headers, units included), then per selected row its number
    // and the values in display units ("%.6g"; rows below the result, the
    // min/max rows, as the grid shows them).
    std::string CopyText() const;
    bool OnCommand(int commandId);
    // Shown when an export is refused for want of the model.
    static const char* const kNoModelText;
    static const char* const kErrorCaption;
    // The report text of an export: the stored columns in stored order,
    // each converted by the factor of the grid column that shows it.
    std::string ExportReport(bool excel) const;
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient (no editor: the table is read only) ----------------
    int TableRowCount() const override { return m_result.GetRows(); }
    void StoreCell(long, long, const std::string&) override {}
    void RefillTable() override { UpdateTable(); }

protected:
    // ".disn", ".sys", ".dise" or ".elf".
    virtual std::string Extension() const = 0;
    // What the page does to the values read (chopping, zeroing).
    virtual void Prepare(CdMatrix& /*result*/) const {}
    // The columns for the project's structure type and units.
    virtual Layout MakeLayout() const = 0;
    // Grid columns including the number column.
    virtual long GridColumns(const Layout& layout) const;
    // One grid column per result column; the layout's columns while there
    // is no result, so that the header row still shows.
    long ResultGridColumns(const Layout& layout) const;
    virtual Export MakeExport(bool excel) const = 0;
    // Whether the export needs the model view's node table (one row per
    // result row).
    virtual bool NeedsModelNodes() const { return false; }
    // Whether the wait cursor shows while the table fills.
    virtual bool WaitWhileFilling() const { return false; }

    // Project facts the layouts are built from.
    static bool IsFrame();
    static std::string LengthUnit();
    static std::string ForceUnit();
    static std::string MomentUnit();
    static double LengthFactor();
    static double ForceFactor();
    static double MomentFactor();

private:
    bool CanExport() const;
    bool Publish(bool excel) const;
    // The factor of the layout column showing stored column `stored`.
    static double StoredFactor(const Layout& layout, int stored);
    // "format" of extremes[stored - 1] x factor; empty for no such column.
    static std::string Extreme(const std::vector<double>& extremes, int stored, double factor, const char* format);
    // Grid columns 1.. with the stored column and factor each shows.
    std::vector<Column> ShownColumns(const Layout& layout, long gridCols) const;

    CGeometry* m_geometry = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
    CdMatrix m_result;
    std::vector<double> m_min; // stored column minima, index j - 1
    std::vector<double> m_max;
};
