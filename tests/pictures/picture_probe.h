// Small measuring tools for the picture tests: render an SVG the way the window stretches it,
// name the colour of a pixel, find the dark blobs of a numeral, walk round the icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace probe {

// The SVG stretched into a box of the given logical size, on the window's white.
// Returns a null image when the resource is missing or is not a valid SVG.
QImage Render(const QString& resource, QSize box, qreal ratio = 1.0);

// The four seal colours, or kOther for anything else (line art, anti-aliased edges).
enum class Hue { kRed, kWhite, kBlue, kYellow, kOther };
Hue Classify(QColor c);
const char* Name(Hue h);

// Perceived lightness 0..255.
int Luma(QColor c);

// 4-connected regions of pixels darker than the threshold, by bounding box.
std::vector<QRect> DarkBlobs(const QImage& image, int threshold = 128);

// Walks a circle of the given radius round the centre of the image, sampling `samples` points,
// and returns the lengths (in samples) of the runs of black and of yellow met on the way, in
// order, first run merged with the last. Samples of neither colour are skipped. `colours` gets
// 'k' or 'y' for each run.
std::vector<int> WedgeRuns(const QImage& image, double radius, int samples, std::string* colours);

}  // namespace probe
