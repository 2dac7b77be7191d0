// The calculation report of the current project as one PDF: title block,
// model tables, loads per load case, results per load case and per load
// combination (largest displacement, reactions with the equilibrium check,
// member end forces, pictures) and a summary of the extreme values. Every
// value is converted from stored units once, through ReportUnits.
//
// The file appears only when the report is complete: it is written beside
// the target under a temporary name and renamed at the end, so a failure or
// a cancel leaves a previous report untouched.
#pragma once
#include <functional>
#include <string>

#include "ReportOptions.h"

class ReportWriter {
public:
    // Fraction done (0..1) and the stage; returns false to cancel.
    using Progress = std::function<bool(double fraction, const std::string& stage)>;

    explicit ReportWriter(const ReportOptions& options) : m_options(options) {}
    void SetProgress(Progress progress) { m_progress = std::move(progress); }

    // Writes the report of the current project to `path` (".pdf"). False
    // with `error` set; Cancelled() tells a cancel from a failure.
    bool Write(const std::string& path, std::string& error);

    bool Cancelled() const { return m_cancelled; }
    int PageCount() const { return m_pages; }
    // Warnings that did not stop the report (pictures that could not be
    // drawn, for instance).
    const std::string& Warnings() const { return m_warnings; }

    // F + N + ".pdf" of the current project.
    static std::string DefaultPath();

private:
    class Run;
    ReportOptions m_options;
    Progress m_progress;
    bool m_cancelled = false;
    int m_pages = 0;
    std::string m_warnings;
};
