// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/canvas/vector_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "library/canvas/canvas_common.h"

namespace viv {

using canvas_internal::AngleRange;
using canvas_internal::EllipseBox;
using canvas_internal::kPi;
using canvas_internal::kTwoPi;
using canvas_internal::PointD;
using canvas_internal::RectD;

namespace {

QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// A point in pixel-index coordinates -> the page: the centre of the pixel.
QPointF Centre(PointD p) {
    return {p.x + 0.5, p.y + 0.5};
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr double RadToDeg(double r) {
    return r * 180.0 / kPi;
}

// Boxes up to this size are drawn with the engines' own curves; larger ones are sampled
// and clipped to the page first.
constexpr int kNativeLimit = 1 << 20;

bool Small(std::initializer_list<int> values) {
    return std::ranges::all_of(values,
                               [](int v) { return v >= -kNativeLimit && v <= kNativeLimit; });
}

// The parametric start and sweep of a direction range on the ellipse with radii (a, b).
void ParamRange(const AngleRange& range, double a, double b, double& t0, double& sweep) {
    t0 = 0.0;
    sweep = kTwoPi;
    if (range.Full()) return;
    t0 = canvas_internal::ParamFromDirection(a, b, range.start);
    const double t1 = canvas_internal::ParamFromDirection(a, b, range.start + range.sweep);
    sweep = std::fmod(t1 - t0, kTwoPi);
    if (sweep <= 0.0) sweep += kTwoPi;
}

}  // namespace

VectorCanvas::VectorCanvas(QPaintDevice& device) : device_(device) {
    painter_.begin(&device_);
    if (painter_.isActive()) painter_.setRenderHint(QPainter::Antialiasing, false);
}

VectorCanvas::~VectorCanvas() {
    End();
}

void VectorCanvas::End() {
    if (painter_.isActive()) painter_.end();
}

int VectorCanvas::Width() const {
    return device_.width();
}
int VectorCanvas::Height() const {
    return device_.height();
}

std::optional<TColor> VectorCanvas::ModeColour(TColor colour) const {
    switch (Pen.Mode) {
        case pmCopy:
        case pmNotXor:
        case pmMask:
            return colour & 0xFFFFFFu;
        case pmXor:
            return ~colour & 0xFFFFFFu;
        case pmMerge:
            return std::nullopt;
    }
    return colour & 0xFFFFFFu;
}

double VectorCanvas::PatternScale() const {
    return std::max(1.0, device_.logicalDpiY() / 96.0);
}

namespace {
// The dashes of the pattern (its runs `scale` times as long) between d0 and d1 along a
// path, each from point(d) to point(d'), d the length along the path.
template <class Point>
void AddDashes(QPainterPath& path, const canvas_internal::DashPattern& dash, double scale,
               double d0, double d1, Point&& point) {
    const double period = dash.period * scale;
    for (double base = std::floor(d0 / period) * period; base < d1; base += period) {
        double pos = base;
        for (int r = 0; r < dash.count; ++r) {
            const double run = dash.runs[r] * scale;
            if (r % 2 == 0) {
                const double s0 = std::max(pos, d0);
                const double s1 = std::min(pos + run, d1);
                if (s0 < s1) {
                    path.moveTo(point(s0));
                    path.lineTo(point(s1));
                }
            }
            pos += run;
        }
    }
}
}  // namespace

void VectorCanvas::Stroke(const std::vector<PointD>& points, bool closed) {
    if (!IsActive() || Pen.Style == psClear || points.empty()) return;
    const std::optional<TColor> colour = ModeColour(Pen.Color);
    if (!colour) return;
    const double width = std::max(1, Pen.Width);
    const canvas_internal::DashPattern* dash =
        Pen.Width <= 1 ? canvas_internal::DashFor(Pen.Style) : nullptr;
    const double margin = width + 4.0;
    const RectD page{-margin, -margin, Width() - 1.0 + margin, Height() - 1.0 + margin};
    const double scale = PatternScale();

    QPainterPath path;
    const std::size_t n = points.size();
    if (n == 1) {
        path.moveTo(Centre(points[0]));
        path.lineTo(Centre(points[0]));
    }
    const std::size_t segments = n < 2 ? 0 : (closed && n > 2 ? n : n - 1);
    double along = 0.0;  // length of the path before the current segment
    bool connected = false;
    bool whole = true;
    for (std::size_t i = 0; i < segments; ++i) {
        const PointD a = points[i];
        const PointD b = points[(i + 1) % n];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        double t0 = 0.0;
        double t1 = 1.0;
        if (!canvas_internal::ClipSegment(a, b, page, t0, t1)) {
            whole = false;
            connected = false;
            along += length;
            continue;
        }
        if (t0 > 0.0 || t1 < 1.0) whole = false;
        auto at = [&](double t) { return PointD{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}; };
        if (dash == nullptr) {
            if (!connected || t0 > 0.0) path.moveTo(Centre(at(t0)));
            path.lineTo(Centre(at(t1)));
            connected = t1 >= 1.0;
        } else if (length > 0.0) {
            AddDashes(path, *dash, scale, along + t0 * length, along + t1 * length,
                      [&](double d) { return Centre(at((d - along) / length)); });
        }
        along += length;
    }
    if (dash == nullptr && closed && whole && segments > 0) path.closeSubpath();
    QPen pen(ToQColor(*colour), width, Qt::SolidLine, dash != nullptr ? Qt::FlatCap : Qt::RoundCap,
             Qt::RoundJoin);
    painter_.strokePath(path, pen);
}

// The hatch is drawn as line segments cut to the area here (even-odd rule), not with a
// clip path or a pattern brush: the SVG engine ignores clipping and pattern brushes.
void VectorCanvas::Hatch(const QPainterPath& area, const QColor& colour) {
    const QRectF bounds = area.boundingRect().intersected(QRectF(0, 0, Width(), Height()));
    if (bounds.isEmpty()) return;
    const double scale = PatternScale();
    const double spacing = 8.0 * scale;
    const QList<QPolygonF> polygons = area.toSubpathPolygons();
    QPainterPath lines;
    std::vector<double> ys;
    // Family 0: x - y = c; family 1: x + y = c. Through the pixel centres of the raster
    // canvas' hatch at scale 1.
    for (int family = 0; family < 2; ++family) {
        const double sign = family == 0 ? -1.0 : 1.0;
        const double lo =
            family == 0 ? bounds.left() - bounds.bottom() : bounds.left() + bounds.top();
        const double hi =
            family == 0 ? bounds.right() - bounds.top() : bounds.right() + bounds.bottom();
        for (double c = std::floor(lo / spacing) * spacing; c <= hi; c += spacing) {
            ys.clear();
            for (const QPolygonF& polygon : polygons) {
                const qsizetype n = polygon.size();
                for (qsizetype i = 0; i < n; ++i) {
                    const QPointF p = polygon[i];
                    const QPointF q = polygon[(i + 1) % n];
                    const double fp = p.x() + sign * p.y() - c;
                    const double fq = q.x() + sign * q.y() - c;
                    if ((fp > 0.0) == (fq > 0.0)) continue;
                    const double t = fp / (fp - fq);
                    ys.push_back(p.y() + t * (q.y() - p.y()));
                }
            }
            std::sort(ys.begin(), ys.end());
            for (std::size_t k = 0; k + 1 < ys.size(); k += 2) {
                lines.moveTo(c - sign * ys[k], ys[k]);
                lines.lineTo(c - sign * ys[k + 1], ys[k + 1]);
            }
        }
    }
    painter_.strokePath(lines, QPen(colour, scale, Qt::SolidLine, Qt::FlatCap));
}

void VectorCanvas::Fill(const QPainterPath& area) {
    if (!IsActive() || Brush.Style == bsClear || area.isEmpty()) return;
    const std::optional<TColor> colour = ModeColour(Brush.Color);
    if (!colour) return;
    if (Brush.Style == bsDiagCross) {
        Hatch(area, ToQColor(*colour));
    } else {
        painter_.fillPath(area, ToQColor(*colour));
    }
}

void VectorCanvas::LineTo(int x, int y) {
    const TPoint from = PenPos;
    PenPos = {x, y};
    Stroke({{1.0 * from.x, 1.0 * from.y}, {1.0 * x, 1.0 * y}}, false);
}

void VectorCanvas::Polyline(const TPoint* points, std::size_t count) {
    if (count < 2) return;
    std::vector<PointD> pts;
    pts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) pts.push_back({1.0 * points[i].x, 1.0 * points[i].y});
    Stroke(pts, false);
}

void VectorCanvas::Polygon(const TPoint* points, std::size_t count) {
    if (count < 2 || !IsActive()) return;
    std::vector<PointD> pts;
    pts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) pts.push_back({1.0 * points[i].x, 1.0 * points[i].y});
    if (count >= 3 && Brush.Style != bsClear) {
        std::vector<PointD> area;
        area.reserve(count);
        for (const PointD& p : pts) area.push_back({p.x + 0.5, p.y + 0.5});
        area = canvas_internal::ClipPolygon(area, RectD{-4.0, -4.0, Width() + 4.0, Height() + 4.0});
        if (area.size() >= 3) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            path.moveTo(area[0].x, area[0].y);
            for (std::size_t i = 1; i < area.size(); ++i) path.lineTo(area[i].x, area[i].y);
            path.closeSubpath();
            Fill(path);
        }
    }
    Stroke(pts, true);
}

void VectorCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2 || !IsActive()) return;
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2))
                           .intersected(QRectF(-4.0, -4.0, Width() + 8.0, Height() + 8.0));
    if (!box.isEmpty()) {
        QPainterPath path;
        path.addRect(box);
        Fill(path);
    }
    const double r = x2 - 1.0;
    const double b = y2 - 1.0;
    Stroke({{1.0 * x1, 1.0 * y1}, {r, 1.0 * y1}, {r, b}, {1.0 * x1, b}}, true);
}

void VectorCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    EllipticFigure(x1, y1, x2, y2, 0, 0, 0, 0, 0);
}

void VectorCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    EllipticFigure(x1, y1, x2, y2, x3, y3, x4, y4, 1);
}

void VectorCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    EllipticFigure(x1, y1, x2, y2, x3, y3, x4, y4, 2);
}

namespace {
// The area of an ellipse or a pie: the ellipse with radii (A, B) filling the box; Qt's own
// curve where the figure is small (`native`), otherwise a polygon through points on it,
// clipped to a little beyond the picture of width by height pixels.
QPainterPath EllipticArea(const EllipseBox& e, const AngleRange& range, bool native, QPointF centre,
                          double width, double height) {
    double t0 = 0.0;
    double sweep = kTwoPi;
    ParamRange(range, e.A, e.B, t0, sweep);
    QPainterPath area;
    if (native) {
        const QRectF rect(QPointF(e.x1, e.y1), QPointF(e.x2, e.y2));
        if (range.Full()) {
            area.addEllipse(rect);
        } else {
            area.moveTo(centre);
            area.arcTo(rect, RadToDeg(t0), RadToDeg(sweep));
            area.closeSubpath();
        }
    } else {
        EllipseBox areaBox = e;
        areaBox.a = e.A;
        areaBox.b = e.B;
        std::vector<PointD> pts = canvas_internal::SampleArc(areaBox, t0, sweep, 0.1);
        if (!range.Full()) pts.insert(pts.begin(), PointD{e.cx, e.cy});
        for (PointD& p : pts) p = {p.x + 0.5, p.y + 0.5};
        pts = canvas_internal::ClipPolygon(pts, RectD{-4.0, -4.0, width + 4.0, height + 4.0});
        if (pts.size() >= 3) {
            area.moveTo(pts[0].x, pts[0].y);
            for (std::size_t i = 1; i < pts.size(); ++i) area.lineTo(pts[i].x, pts[i].y);
            area.closeSubpath();
        }
    }
    return area;
}
}  // namespace

// kind 0: Ellipse, 1: Arc, 2: Pie.
void VectorCanvas::EllipticFigure(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                                  int kind) {
    const EllipseBox e = canvas_internal::MakeEllipseBox(x1, y1, x2, y2);
    if (e.empty || !IsActive()) return;
    const AngleRange range =
        kind == 0 ? AngleRange{} : canvas_internal::ArcRange(e, x3, y3, x4, y4);
    const bool native = Small({x1, y1, x2, y2});
    const QPointF centre = Centre({e.cx, e.cy});

    if (kind != 1 && Brush.Style != bsClear) {
        Fill(EllipticArea(e, range, native, centre, Width(), Height()));
    }

    if (Pen.Style == psClear) return;
    // The outline: the curve with radii (a, b) through the centres of the border pixels.
    double t0 = 0.0;
    double sweep = kTwoPi;
    ParamRange(range, e.a, e.b, t0, sweep);
    const bool closed = kind == 2 || range.Full();
    const bool dashed = Pen.Width <= 1 && canvas_internal::DashFor(Pen.Style) != nullptr;
    if (native && !dashed) {
        const std::optional<TColor> colour = ModeColour(Pen.Color);
        if (!colour) return;
        const QRectF rect(centre.x() - e.a, centre.y() - e.b, 2.0 * e.a, 2.0 * e.b);
        QPainterPath path;
        if (kind == 2) {
            path.moveTo(centre);
            path.arcTo(rect, RadToDeg(t0), RadToDeg(sweep));
            path.closeSubpath();
        } else if (range.Full()) {
            path.addEllipse(rect);
        } else {
            path.arcMoveTo(rect, RadToDeg(t0));
            path.arcTo(rect, RadToDeg(t0), RadToDeg(sweep));
        }
        painter_.strokePath(path, QPen(ToQColor(*colour), std::max(1, Pen.Width), Qt::SolidLine,
                                       Qt::RoundCap, Qt::RoundJoin));
    } else {
        std::vector<PointD> pts = canvas_internal::SampleArc(e, t0, sweep, 0.1);
        if (kind == 2) {
            pts.insert(pts.begin(), PointD{e.cx, e.cy});
        } else if (range.Full()) {
            pts.pop_back();
        }
        Stroke(pts, closed);
    }
}

void VectorCanvas::FillRect(const TRect& rect) {
    if (!IsActive() || Brush.Style == bsClear) return;
    const QRectF box =
        QRectF(QPointF(std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom)),
               QPointF(std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom)))
            .intersected(QRectF(-4.0, -4.0, Width() + 8.0, Height() + 8.0));
    if (box.isEmpty()) return;
    if (Brush.Style == bsDiagCross) {
        QPainterPath path;
        path.addRect(box);
        Hatch(path, ToQColor(Brush.Color));
    } else {
        painter_.fillRect(box, ToQColor(Brush.Color));
    }
}

QFont VectorCanvas::CurrentFont() const {
    const bool image = device_.devType() == QInternal::Image;
    return canvas_internal::MakeFont(
        Font, canvas_internal::PixelSizeFor(Font.Size, device_.logicalDpiY()), !image);
}

int VectorCanvas::TextWidth(std::string_view text) {
    return QFontMetrics(CurrentFont(), &device_).horizontalAdvance(FromUtf8(Shown(text)));
}

int VectorCanvas::TextHeight(std::string_view /*text*/) {
    return QFontMetrics(CurrentFont(), &device_).height();
}

void VectorCanvas::TextOut(int x, int y, std::string_view text) {
    const QFont font = CurrentFont();
    const QFontMetrics metrics(font, &device_);
    const QString s = FromUtf8(Shown(text));
    const int tw = metrics.horizontalAdvance(s);
    const int th = metrics.height();
    const long long right = static_cast<long long>(x) + tw;
    PenPos = {static_cast<int>(std::clamp<long long>(right, INT_MIN, INT_MAX)), y};
    if (!IsActive() || x >= Width() || y >= Height() || right <= 0 ||
        static_cast<long long>(y) + th <= 0)
        return;
    if (Brush.Style != bsClear) painter_.fillRect(QRect(x, y, tw, th), ToQColor(Brush.Color));
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(ToQColor(Font.Color));
    painter_.drawText(QPointF(x, y + metrics.ascent()), s);
    painter_.restore();
}

TColor VectorCanvas::GetPixel(int /*x*/, int /*y*/) const {
    return clWhite;
}

void VectorCanvas::SetPixel(int x, int y, TColor colour) {
    if (!IsActive() || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    painter_.fillRect(QRectF(x, y, 1.0, 1.0), ToQColor(colour));
}

}  // namespace viv
