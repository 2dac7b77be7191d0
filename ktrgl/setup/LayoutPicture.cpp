#include "setup/LayoutPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "setup/LayoutGenerator.h"

namespace {

// Oblique projection of the Z axis: 30 degrees, half length.
constexpr double kDepthX = 0.4330127;   // cos 30 / 2
constexpr double kDepthY = 0.25;        // sin 30 / 2

bool IsSpatial(const CdMatrix& nodes)
{
    for (int i = 1; i <= nodes.GetRows(); ++i)
        if (std::fabs(nodes(i, 3)) > 1e-12)
            return true;
    return false;
}

} // namespace

QImage LayoutPicture::Render(const CdMatrix& nodes, const CdMatrix& members, const QSize& size,
                             const QString& caption)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int n = nodes.GetRows();
    if (n == 0)
        return image;
    const bool spatial = IsSpatial(nodes);
    std::vector<QPointF> p(static_cast<size_t>(n) + 1);
    double minX = std::numeric_limits<double>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (int i = 1; i <= n; ++i) {
        double x = nodes(i, 1), y = nodes(i, 2);
        if (spatial) {
            x += kDepthX * nodes(i, 3);
            y += kDepthY * nodes(i, 3);
        }
        p[static_cast<size_t>(i)] = QPointF(x, y);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const double margin = 24.0;
    const double captionSpace = caption.isEmpty() ? 0.0 : 22.0;
    const double w = std::max(maxX - minX, 1e-9), h = std::max(maxY - minY, 1e-9);
    const double scale = std::min((size.width() - 2 * margin) / w,
                                  (size.height() - 2 * margin - captionSpace) / h);
    const double offX = (size.width() - scale * w) / 2.0;
    const double offY = captionSpace + (size.height() - captionSpace - scale * h) / 2.0;
    auto at = [&](int i) {
        const QPointF& q = p[static_cast<size_t>(i)];
        // Y up on the picture.
        return QPointF(offX + (q.x() - minX) * scale, offY + (maxY - q.y()) * scale);
    };

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!caption.isEmpty()) {
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(QRectF(0, 4, size.width(), captionSpace), Qt::AlignCenter, caption);
    }
    painter.setPen(QPen(QColor(20, 60, 140), 2.0));
    for (int k = 1; k <= members.GetRows(); ++k) {
        const int a = static_cast<int>(members(k, 1));
        const int b = static_cast<int>(members(k, 2));
        if (a >= 1 && a <= n && b >= 1 && b <= n)
            painter.drawLine(at(a), at(b));
    }
    // Supports below their nodes: a triangle where only translations are
    // held, a hatched base where rotations are held as well.
    const int codes = nodes.GetCols() - 3;
    for (int i = 1; i <= n; ++i) {
        const bool heldY = codes >= 2 && nodes(i, 5) == 0.0;
        if (!heldY)
            continue;
        const bool fixed = codes >= 6 && nodes(i, 7) == 0.0 && nodes(i, 8) == 0.0 &&
                           nodes(i, 9) == 0.0 && nodes(i, 4) == 0.0;
        const QPointF c = at(i);
        painter.setPen(QPen(QColor(160, 30, 30), 1.5));
        if (fixed) {
            painter.drawLine(c + QPointF(-8, 0), c + QPointF(8, 0));
            for (int t = -8; t < 8; t += 4)
                painter.drawLine(c + QPointF(t, 0), c + QPointF(t - 4, 5));
        } else {
            QPainterPath triangle;
            triangle.moveTo(c);
            triangle.lineTo(c + QPointF(-7, 11));
            triangle.lineTo(c + QPointF(7, 11));
            triangle.closeSubpath();
            painter.fillPath(triangle, QColor(230, 150, 150));
            painter.drawPath(triangle);
            if (nodes(i, 4) != 0.0)   // roller
                painter.drawLine(c + QPointF(-8, 14), c + QPointF(8, 14));
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0));
    for (int i = 1; i <= n; ++i)
        painter.drawEllipse(at(i), 2.5, 2.5);
    painter.end();
    return image;
}

bool LayoutPicture::Write(int layout, const QString& folder)
{
    LayoutGenerator::Dimensions d;
    if (layout == LayoutGenerator::Grid) {
        d.height = 9.0;
        d.baysLength = 4;
        d.baysWidth = 2;
        d.baysHeight = 3;
        d.width = 6.0;
    }
    if (layout == LayoutGenerator::Lattice)
        d.width = 2.0;
    CdMatrix nodes, members;
    if (!LayoutGenerator::Generate(layout, d, 6, nodes, members))
        return false;
    const QImage image = Render(nodes, members, QSize(400, 250),
                                QString::fromLatin1(LayoutGenerator::Name(layout)));
    // A palette of 256 colours keeps the line drawing a fifth of its
    // true-colour size.
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
        .save(folder + QLatin1Char('/') + QString::fromLatin1(LayoutGenerator::PictureTitle(layout)) +
                  QStringLiteral(".bmp"),
              "BMP");
}
