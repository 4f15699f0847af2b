#include "picture_probe.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <numbers>

namespace probe {

QImage Render(const QString& resource, QSize box, qreal ratio) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return {};
    QImage image(box * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(box)));
    painter.end();
    image.setDevicePixelRatio(1);  // callers measure in device pixels
    return image;
}

Hue Classify(QColor c) {
    const QColor hsv = c.toHsv();
    const int h = hsv.hsvHue();  // -1 for greys
    const int s = hsv.hsvSaturation();
    const int v = hsv.value();
    if (s <= 25 && v >= 235) return Hue::kWhite;
    if (h < 0 || s < 110) return Hue::kOther;
    if ((h <= 15 || h >= 345) && s >= 140 && v >= 150) return Hue::kRed;
    if (h >= 38 && h <= 62 && s >= 140 && v >= 190) return Hue::kYellow;
    if (h >= 195 && h <= 235 && v >= 130) return Hue::kBlue;
    return Hue::kOther;
}

const char* Name(Hue h) {
    static const char* const names[] = {"red", "white", "blue", "yellow", "other"};
    return names[static_cast<int>(h)];
}

int Luma(QColor c) {
    return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000;
}

std::vector<QRect> DarkBlobs(const QImage& image, int threshold) {
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    auto dark = [&](int x, int y) { return Luma(image.pixelColor(x, y)) < threshold; };
    std::vector<QRect> blobs;
    std::vector<QPoint> stack;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[y0 * w + x0] || !dark(x0, y0)) continue;
            QRect box(x0, y0, 1, 1);
            seen[y0 * w + x0] = 1;
            stack.push_back({x0, y0});
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                box = box.united(QRect(p, QSize(1, 1)));
                const QPoint next[] = {
                    {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
                for (const QPoint& q : next) {
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) continue;
                    char& s = seen[q.y() * w + q.x()];
                    if (s || !dark(q.x(), q.y())) continue;
                    s = 1;
                    stack.push_back(q);
                }
            }
            blobs.push_back(box);
        }
    }
    return blobs;
}

std::vector<int> WedgeRuns(const QImage& image, double radius, int samples, std::string* colours) {
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    std::vector<int> runs;
    colours->clear();
    for (int i = 0; i < samples; ++i) {
        const double a = 2 * std::numbers::pi * i / samples;
        const int x = static_cast<int>(std::floor(cx + radius * std::cos(a)));
        const int y = static_cast<int>(std::floor(cy + radius * std::sin(a)));
        const QColor c = image.pixelColor(x, y);
        char k = 0;
        if (Luma(c) < 70) {
            k = 'k';
        } else if (Classify(c) == Hue::kYellow) {
            k = 'y';
        } else {
            continue;
        }
        if (!colours->empty() && colours->back() == k) {
            ++runs.back();
        } else {
            colours->push_back(k);
            runs.push_back(1);
        }
    }
    if (runs.size() > 1 && colours->front() == colours->back()) {
        runs.front() += runs.back();
        runs.pop_back();
        colours->pop_back();
    }
    return runs;
}

}  // namespace probe
