// The project that is currently open: engineer, folder, name, units,
// structure type and the counts that size every table. The truth lives in
// section "KESTRA " of KESTRA.INI; a CProject is a value object built on the
// stack of one command, re-reading the file on construction and writing all
// keys back (and the project file F + N + ".KTR") on Settings(true).
#pragma once
#include <string>
#include <vector>

class CArchive;

class CProject {
public:
    CProject();                 // ResetDefaults, then Settings(false)
    virtual ~CProject();

    // Every string becomes "Undefine ", every count 0, the active load case 1.
    void ResetDefaults();

    // false: ResetDefaults, then read the 17 keys of "KESTRA ".
    // true: write the 17 keys (integers as "%d"), then WriteProjectFile.
    // A failed write of the settings file or of an existing project file
    // shows "Access file " + path and returns false; the old file stays.
    bool Settings(bool save);

    // Field accessors; callers change a field through the reference and then
    // call Settings(true).
    std::string& GetEngineer() { return m_engineer; }
    std::string& GetLocation() { return m_location; }
    std::string& GetName() { return m_name; }
    std::string& GetForceUnit() { return m_forceUnit; }
    std::string& GetLengthUnit() { return m_lengthUnit; }
    std::string& GetElementType() { return m_elementType; }
    std::string& GetTitle() { return m_title; }
    int& GetElementCount() { return m_elementCount; }
    int& GetNodeCount() { return m_nodeCount; }
    int& GetMaterialCount() { return m_materialCount; }
    int& GetReleaseCount() { return m_releaseCount; }
    int& GetLoadCaseCount() { return m_loadCaseCount; }
    int& GetDof() { return m_dof; }
    int& GetNodesPerElement() { return m_nodesPerElement; }
    int& GetEquationCount() { return m_equationCount; }
    int& GetActiveLoadCase() { return m_activeLoadCase; }
    int& GetSolution() { return m_solution; }

    const std::string& GetEngineer() const { return m_engineer; }
    const std::string& GetLocation() const { return m_location; }
    const std::string& GetName() const { return m_name; }
    const std::string& GetForceUnit() const { return m_forceUnit; }
    const std::string& GetLengthUnit() const { return m_lengthUnit; }
    const std::string& GetElementType() const { return m_elementType; }
    const std::string& GetTitle() const { return m_title; }
    int GetElementCount() const { return m_elementCount; }
    int GetNodeCount() const { return m_nodeCount; }
    int GetMaterialCount() const { return m_materialCount; }
    int GetReleaseCount() const { return m_releaseCount; }
    int GetLoadCaseCount() const { return m_loadCaseCount; }
    int GetDof() const { return m_dof; }
    int GetNodesPerElement() const { return m_nodesPerElement; }
    int GetEquationCount() const { return m_equationCount; }
    int GetActiveLoadCase() const { return m_activeLoadCase; }
    int GetSolution() const { return m_solution; }

    // Unit labels that table headings append to quantities.
    std::string GetAreaUnit() const;     // L + "^2"
    std::string GetInertiaUnit() const;  // L + "^4"
    std::string GetStressUnit() const;   // F + "/" + L + "^2"
    std::string GetMomentUnit() const;   // F + "-" + L

    // Project file F + N + ".KTR".
    std::string GetProjectFilePath() const { return m_location + m_name + ".KTR"; }
    // Rewrites an existing project file; never creates one. A file that cannot
    // be opened writes "Unable to open file\n" to the debug trace.
    bool WriteProjectFile();
    // Refreshes from the settings file, takes folder and name from the
    // archive's file and writes the record.
    void SaveToArchive(CArchive& ar);
    // Reads the record, takes folder and name from the archive's file and
    // makes the result the current project (Settings(true)). A short or
    // damaged record stops the load: the fields not read keep their
    // defaults, the settings file is left alone and false is returned (the
    // host shows CArchive::DamagedText).
    bool LoadFromArchive(CArchive& ar);

    // Housekeeping.
    void ShowDetail();          // summary message box, caption N + " detail"
    std::string DetailText() const;
    void ClearResults();        // scratch and result files, solution state 0, save
    void DeleteTempFiles();     // the solver's scratch files in F

    // File names, in deletion order, that DeleteTempFiles and ClearResults
    // remove from the project folder.
    static std::vector<std::string> TempFileNames();
    std::vector<std::string> ResultFilePaths() const;

    // Deletion goes through one replaceable function so that the order can
    // be observed; nullptr restores the default (unlink; errors ignored).
    using DeleteFileHook = void (*)(const std::string& path);
    static DeleteFileHook SetDeleteFileHook(DeleteFileHook hook);

    // Name of the settings section holding the project facts.
    static const char* const Section;     // "KESTRA "
    static const char* const Undefined;   // "Undefine "

private:
    void WriteRecord(CArchive& ar);
    bool ReadRecord(CArchive& ar);
    void TakePathFrom(const CArchive& ar);
    static void DeleteFile(const std::string& path);

    std::string m_engineer;
    std::string m_location;
    std::string m_name;
    std::string m_forceUnit;
    std::string m_lengthUnit;
    std::string m_elementType;
    std::string m_title;
    int m_elementCount = 0;
    int m_nodeCount = 0;
    int m_materialCount = 0;
    int m_releaseCount = 0;
    int m_loadCaseCount = 0;
    int m_dof = 0;
    int m_nodesPerElement = 0;
    int m_equationCount = 0;
    int m_activeLoadCase = 1;
    int m_solution = 0;
};
