#include "ReportDocument.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "ReportTable.h"

namespace {

constexpr double kMarginMm = 15.0;
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kCellPadding = 9.0;   // between table columns
constexpr double kMinTableFont = 5.5;  // a wide table shrinks to this at most

QFont MakeFont(double points, bool bold = false, bool italic = false)
{
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    // No ligatures: "fixed" must stay five letters when the text is
    // searched or copied out of the PDF (and plain glyphs are faster).
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

ReportDocument::ReportDocument(const std::string& path, Paper paper, const std::string& runningHead,
                               const std::string& footLeft)
    : m_writer(std::make_unique<QPdfWriter>(Q(path))), m_runningHead(runningHead), m_footLeft(footLeft)
{
    m_writer->setPageSize(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    m_writer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    m_writer->setResolution(72);
    m_writer->setCreator("KESTRA");
    m_writer->setTitle(Q(runningHead));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get()))
        m_painter.reset();

    m_text = MakeFont(9.5);
    m_bold = MakeFont(9.5, true);
    m_small = MakeFont(7.5, false, true);
    m_title = MakeFont(20, true);
    m_heading1 = MakeFont(14, true);
    m_heading2 = MakeFont(11, true);
    m_table = MakeFont(7.5);
    m_tableBold = MakeFont(7.5, true);

    const QRectF page(0, 0, m_writer->width(), m_writer->height());
    const double margin = kMarginMm * kPointsPerMm;
    m_left = page.left() + margin;
    m_right = page.right() - margin;
    m_top = page.top() + margin + 14;      // below the running head
    m_bottom = page.bottom() - margin - 10; // above the foot
}

ReportDocument::~ReportDocument()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool ReportDocument::IsOpen() const
{
    return m_painter != nullptr;
}

bool ReportDocument::Finish()
{
    if (!m_painter)
        return false;
    if (!m_pageStarted)
        BeginPage();
    return m_painter->end();
}

double ReportDocument::LineHeight(const QFont& font) const
{
    return QFontMetricsF(font, m_writer.get()).height();
}

void ReportDocument::BeginPage()
{
    if (m_pageStarted)
        m_writer->newPage();
    m_pageStarted = true;
    ++m_pages;
    QPainter& p = *m_painter;
    const double margin = kMarginMm * kPointsPerMm;
    p.setPen(Qt::black);
    p.setFont(m_small);
    const QFontMetricsF fm(m_small, m_writer.get());
    const double headBase = margin + fm.ascent();
    p.drawText(QPointF(m_left, headBase), Q(m_runningHead));
    const QString version = "KESTRA";
    p.drawText(QPointF(m_right - fm.horizontalAdvance(version), headBase), version);
    p.setPen(QPen(Qt::gray, 0.5));
    p.drawLine(QPointF(m_left, margin + fm.height() + 2), QPointF(m_right, margin + fm.height() + 2));
    const double footBase = m_writer->height() - margin;
    p.drawLine(QPointF(m_left, footBase - fm.height() - 1), QPointF(m_right, footBase - fm.height() - 1));
    p.setPen(Qt::black);
    p.drawText(QPointF(m_left, footBase - fm.descent()), Q(m_footLeft));
    const QString page = QString("Page %1").arg(m_pages);
    p.drawText(QPointF(m_right - fm.horizontalAdvance(page), footBase - fm.descent()), page);
    m_y = m_top;
}

void ReportDocument::NewPage()
{
    BeginPage();
}

void ReportDocument::EnsureRoom(double height)
{
    if (!m_pageStarted || m_y + height > m_bottom)
        BeginPage();
}

void ReportDocument::Title(const std::string& text)
{
    EnsureRoom(LineHeight(m_title) * 2);
    m_painter->setFont(m_title);
    const QRectF box(m_left, m_y, ContentWidth(), 1000);
    const QRectF used = m_painter->boundingRect(box, Qt::TextWordWrap, Q(text));
    m_painter->drawText(box, Qt::TextWordWrap, Q(text));
    m_y += used.height() + 8;
}

void ReportDocument::Heading(int level, const std::string& text)
{
    const QFont& font = level <= 1 ? m_heading1 : m_heading2;
    if (level <= 1)
        BeginPage();
    else {
        if (m_y > m_top)
            m_y += 6;
        EnsureRoom(LineHeight(font) + 60);
    }
    m_painter->setFont(font);
    const QFontMetricsF fm(font, m_writer.get());
    m_painter->drawText(QPointF(m_left, m_y + fm.ascent()), Q(text));
    m_y += fm.height() + (level <= 1 ? 6 : 3);
}

void ReportDocument::Paragraph(const std::string& text, bool bold)
{
    const QFont& font = bold ? m_bold : m_text;
    m_painter->setFont(font);
    QRectF box(m_left, m_y, ContentWidth(), 10000);
    QRectF used = m_painter->boundingRect(box, Qt::TextWordWrap, Q(text));
    if (!m_pageStarted || m_y + used.height() > m_bottom) {
        BeginPage();
        m_painter->setFont(font);
        box.moveTop(m_y);
        used = m_painter->boundingRect(box, Qt::TextWordWrap, Q(text));
    }
    m_painter->drawText(box, Qt::TextWordWrap, Q(text));
    m_y += used.height() + 3;
}

void ReportDocument::Field(const std::string& label, const std::string& value)
{
    const double h = LineHeight(m_text);
    EnsureRoom(h);
    const QFontMetricsF fm(m_text, m_writer.get());
    m_painter->setFont(m_bold);
    m_painter->drawText(QPointF(m_left, m_y + fm.ascent()), Q(label));
    m_painter->setFont(m_text);
    const QRectF box(m_left + 150, m_y, ContentWidth() - 150, 1000);
    const QRectF used = m_painter->boundingRect(box, Qt::TextWordWrap, Q(value));
    m_painter->drawText(box, Qt::TextWordWrap, Q(value));
    m_y += std::max(h, used.height()) + 2;
}

void ReportDocument::Space(double points)
{
    m_y += points;
}

bool ReportDocument::Table(const ReportTable& table, const RowCallback& rowDrawn)
{
    const int columns = table.Columns();
    if (columns == 0)
        return true;
    QPainter& p = *m_painter;

    // Column widths from the headings and the widest cells; a table wider
    // than the page is set in a smaller font.
    QFont font = m_table, bold = m_tableBold;
    std::vector<double> widths(std::size_t(columns), 0.0);
    std::vector<QString> headings, widest;
    for (int c = 0; c < columns; ++c) {
        headings.push_back(Q(table.Heading(c)));
        widest.push_back(Q(table.Widest(c)));
    }
    double total = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const QFontMetricsF fm(font, m_writer.get()), fb(bold, m_writer.get());
        total = 0;
        for (int c = 0; c < columns; ++c) {
            widths[std::size_t(c)] =
                std::max(fb.horizontalAdvance(headings[std::size_t(c)]), fm.horizontalAdvance(widest[std::size_t(c)])) +
                kCellPadding;
            total += widths[std::size_t(c)];
        }
        if (total <= ContentWidth() || pass == 1)
            break;
        const double size = std::max(kMinTableFont, font.pointSizeF() * ContentWidth() / total);
        font.setPointSizeF(size);
        bold.setPointSizeF(size);
    }
    // Spread what is left over the columns, up to half again their width.
    const double spare = std::max(0.0, ContentWidth() - total);
    const double grow = std::min(spare / total, 0.5);
    for (double& w : widths)
        w *= 1 + grow;
    total *= 1 + grow;

    const QFontMetricsF fm(font, m_writer.get());
    const double rowHeight = fm.height() * 1.12;
    const double headHeight = rowHeight + 4;
    auto drawHeadings = [&]() {
        p.setFont(bold);
        double x = m_left;
        for (int c = 0; c < columns; ++c) {
            const double w = widths[std::size_t(c)];
            const QString& h = headings[std::size_t(c)];
            const double tx = table.RightAligned(c) ? x + w - kCellPadding / 2 - QFontMetricsF(bold, m_writer.get()).horizontalAdvance(h)
                                                    : x + kCellPadding / 2;
            p.drawText(QPointF(tx, m_y + fm.ascent() + 1), h);
            x += w;
        }
        m_y += headHeight;
        p.setPen(QPen(Qt::black, 0.6));
        p.drawLine(QPointF(m_left, m_y - 2), QPointF(m_left + total, m_y - 2));
        p.setPen(Qt::black);
        p.setFont(font);
    };
    auto endLine = [&]() {
        p.setPen(QPen(Qt::black, 0.6));
        p.drawLine(QPointF(m_left, m_y + 1), QPointF(m_left + total, m_y + 1));
        p.setPen(Qt::black);
    };

    EnsureRoom(headHeight + 3 * rowHeight);
    drawHeadings();
    for (int r = 0; r < table.Rows(); ++r) {
        if (m_y + rowHeight > m_bottom) {
            endLine();
            BeginPage();
            drawHeadings();
        }
        // A light rule every fifth row keeps long tables readable.
        if (r % 5 == 0 && r > 0) {
            p.setPen(QPen(QColor(200, 200, 200), 0.3));
            p.drawLine(QPointF(m_left, m_y), QPointF(m_left + total, m_y));
            p.setPen(Qt::black);
        }
        double x = m_left;
        const double base = m_y + fm.ascent() + 0.5;
        for (int c = 0; c < columns; ++c) {
            const double w = widths[std::size_t(c)];
            const QString cell = Q(table.Cell(r, c));
            const double tx = table.RightAligned(c) ? x + w - kCellPadding / 2 - fm.horizontalAdvance(cell)
                                                    : x + kCellPadding / 2;
            p.drawText(QPointF(tx, base), cell);
            x += w;
        }
        m_y += rowHeight;
        if (rowDrawn && !rowDrawn(r + 1))
            return false;
    }
    endLine();
    m_y += 8;
    return true;
}

void ReportDocument::Picture(const QImage& image, double widthMm, double heightMm, const std::string& caption)
{
    const QFontMetricsF fm(m_small, m_writer.get());
    double w = std::min(widthMm * kPointsPerMm, ContentWidth());
    double h = heightMm * kPointsPerMm;
    if (!image.isNull()) {
        const double ratio = double(image.height()) / std::max(1, image.width());
        h = std::min(h, w * ratio);
        w = h / ratio;
    }
    h = std::min(h, m_bottom - m_top - fm.height() - 4);
    EnsureRoom(h + fm.height() + 8);
    const QRectF target(m_left + (ContentWidth() - w) / 2, m_y, w, h);
    if (image.isNull()) {
        m_painter->setPen(QPen(Qt::gray, 0.5));
        m_painter->drawRect(target);
        m_painter->setPen(Qt::black);
    } else {
        m_painter->drawImage(target, image);
    }
    m_y += h + 2;
    m_painter->setFont(m_small);
    const QString text = Q(caption);
    m_painter->drawText(QPointF(m_left + (ContentWidth() - fm.horizontalAdvance(text)) / 2, m_y + fm.ascent()), text);
    m_y += fm.height() + 8;
}
