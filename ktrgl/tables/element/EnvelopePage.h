// The envelope page ("Envelope") of the output sheet: for every node (its
// displacements or its forces) or every member (its end forces), the
// largest and the smallest value of each result over all load cases and
// combinations, with the case ("Load case:k") or combination
// ("Combination c") that gives it. The records 1 .. N + C of the result
// file are read at once; values are shown in the project's units and can
// be exported for Word and Excel like the other result tables.
#pragma once
#include <QPoint>
#include <string>
#include <vector>

#include "numerics/dMatrix.h"
#include "tables/PropertyPage.h"

class CGeometry;
class CMSFlexGrid;
class QComboBox;

class CEnvelopePage : public PropertyPage {
    Q_OBJECT
public:
    // What the page shows (the list's index).
    enum Result { NodeDisplacement = 0, NodeForce = 1, MemberForce = 2 };

    // Extremes of one result file over its records: row i, column j.
    struct Extremes {
        CdMatrix max, min;
        std::vector<int> maxAt, minAt; // record numbers, (i - 1) x cols + j - 1
        int records = 0;
    };
    // Reads records 1 .. records of the record file at path; false (and the
    // extremes empty) when the file cannot be read.
    static bool Compute(const std::string& path, int records, Extremes& out);
    // "Load case:k" for k <= cases, "Combination (k - cases)" after.
    static std::string RecordName(int record, int cases);

    explicit CEnvelopePage(QWidget* parent = nullptr);
    ~CEnvelopePage() override;

    void SetGeometry(CGeometry* geometry) { m_geometry = geometry; }
    CMSFlexGrid* Grid() const { return m_grid; }
    QComboBox* ResultList() const { return m_list; }
    const Extremes& Current() const { return m_extremes; }

    bool OnInitDialog() override;
    // Reads the chosen result's file and fills the table.
    bool Show(Result result);

    // Word (".txt") and Excel (".xls") exports: "envelope.txt",
    // "envelope.xls".
    std::string ExportReport(bool excel) const;
    bool Export(bool excel) const;
    void OnContextMenu(const QPoint& globalPos);

private:
    struct Column {
        std::string name;
        double factor;
    };
    std::vector<Column> Columns(Result result) const;
    void Fill();

    CGeometry* m_geometry = nullptr;
    QComboBox* m_list = nullptr;
    CMSFlexGrid* m_grid = nullptr;
    Result m_result = NodeDisplacement;
    Extremes m_extremes;
};
