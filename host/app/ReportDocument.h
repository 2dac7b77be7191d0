// The pages of the calculation report: a PDF written with QPdfWriter and
// QPainter, text as text (so it can be searched and copied). Lays out
// headings, paragraphs, tables and pictures top to bottom, starts a new
// page when the next piece does not fit and repeats a table's headings on
// every page it continues on. Every page has a running head (project and
// title) and a foot (date and page number). Coordinates are points.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include <QFont>
#include <QImage>

class QPainter;
class QPdfWriter;
class ReportTable;

class ReportDocument {
public:
    enum class Paper { A4, Letter };

    // Called after every drawn row of a table; false cancels.
    using RowCallback = std::function<bool(int rows)>;

    ReportDocument(const std::string& path, Paper paper, const std::string& runningHead,
                   const std::string& footLeft);
    ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    // False when the file cannot be opened for writing.
    bool IsOpen() const;
    // Ends the document; false when it could not be written.
    bool Finish();

    void NewPage();
    void Title(const std::string& text);
    // Level 1 starts a new page, level 2 keeps its next 60 points with it.
    void Heading(int level, const std::string& text);
    void Paragraph(const std::string& text, bool bold = false);
    // Two-column list of "label: value" lines.
    void Field(const std::string& label, const std::string& value);
    void Space(double points);
    // Returns false when the callback cancelled.
    bool Table(const ReportTable& table, const RowCallback& rowDrawn = RowCallback());
    // The picture scaled into widthMm x heightMm (kept in proportion),
    // centred, with its caption beneath.
    void Picture(const QImage& image, double widthMm, double heightMm, const std::string& caption);

    int PageCount() const { return m_pages; }
    double ContentWidth() const { return m_right - m_left; }

private:
    void BeginPage();
    void EnsureRoom(double height);
    double LineHeight(const QFont& font) const;

    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    std::string m_runningHead, m_footLeft;
    QFont m_text, m_bold, m_small, m_title, m_heading1, m_heading2, m_table, m_tableBold;
    double m_left = 0, m_right = 0, m_top = 0, m_bottom = 0;
    double m_y = 0;
    int m_pages = 0;
    bool m_pageStarted = false;
};
