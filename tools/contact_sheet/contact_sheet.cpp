// contact_sheet: renders every picture compiled into the program onto the window's white,
// at the sizes the window shows them, so they can be checked by eye in one PNG.
//
//   contact_sheet OUT.png [--section seals|tones|icon] [--zoom N]
//       Seals at 165x145 (large glyph) and 67x67 (oracle glyph), both also at device pixel
//       ratio 2; tones at their box sizes (105 wide) and at 133 px wide; the icon at 16, 32,
//       128. --crop X,Y,W,H keeps only that rectangle of the sheet; --zoom N then enlarges
//       it N times with square pixels, to look at single pixels.
//   contact_sheet --icons DIR
//       Writes DIR/talmiroc-16.png, -32, -48 and -128 from the icon SVG.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include "tzolkin.h"

#include <cstdio>
#include <vector>

namespace {

// Seals 1..20 by their picture names, from the engine.
QStringList Seals() {
    QStringList seals;
    for (std::size_t s = 1; s <= 20; ++s) {
        const std::string_view n = talmiroc::arreglos_sello[s];
        seals << QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
    }
    return seals;
}

const QStringList kSeals = Seals();

constexpr int kLabelHeight = 16;
constexpr int kPad = 10;

// One picture placed on the sheet: its resource, its logical box and its pixel ratio.
struct Tile {
    QString resource;
    QSize box;
    qreal ratio;
    QString label;
};

// Renders the SVG stretched into the box, as the window's image controls do.
QImage Render(const QString& resource, QSize box, qreal ratio) {
    QImage image(box * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "contact_sheet: cannot read %s\n", qPrintable(resource));
        image.fill(QColor(255, 0, 255));
        return image;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(box)));
    return image;
}

// Lays the tiles out in rows, each row given separately, with a label under each tile.
QImage Sheet(const std::vector<std::vector<Tile>>& rows) {
    int width = 0;
    int height = kPad;
    for (const auto& row : rows) {
        int x = kPad;
        int tallest = 0;
        for (const Tile& t : row) {
            const QSize px = t.box * t.ratio;
            x += std::max(px.width(), 70) + kPad;
            tallest = std::max(tallest, px.height());
        }
        width = std::max(width, x);
        height += tallest + kLabelHeight + kPad;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    int y = kPad;
    for (const auto& row : rows) {
        int x = kPad;
        int tallest = 0;
        for (const Tile& t : row) {
            QImage image = Render(t.resource, t.box, t.ratio);
            image.setDevicePixelRatio(1);  // placed pixel for pixel on the sheet
            painter.drawImage(x, y, image);
            const int cell = std::max(image.width(), 70);
            painter.drawText(QRect(x - 4, y + image.height() + 2, cell + 8, kLabelHeight - 2),
                             Qt::AlignHCenter | Qt::AlignTop, t.label);
            x += cell + kPad;
            tallest = std::max(tallest, image.height());
        }
        y += tallest + kLabelHeight + kPad;
    }
    return sheet;
}

QSize ToneBox(int tone) {
    if (tone <= 5) return {105, 25};
    if (tone <= 10) return {105, 33};
    return {105, 41};
}

std::vector<std::vector<Tile>> Rows(const QString& section) {
    std::vector<std::vector<Tile>> rows;
    const bool all = section.isEmpty();
    if (all || section == "seals") {
        for (int half = 0; half < 2; ++half) {
            std::vector<Tile> large, large2, small, small2;
            for (int i = half * 10; i < half * 10 + 10; ++i) {
                const QString res = ":/sellos/" + kSeals[i] + ".svg";
                const QString name = QString::number(i + 1) + " " + kSeals[i].left(9);
                large.push_back({res, {165, 145}, 1, name});
                large2.push_back({res, {165, 145}, 2, name + " @2x"});
                small.push_back({res, {67, 67}, 1, name});
                small2.push_back({res, {67, 67}, 2, name + " @2x"});
            }
            rows.push_back(large);
            rows.push_back(small);
            rows.push_back(small2);
            if (!all) rows.push_back(large2);
        }
    }
    if (all || section == "tones") {
        std::vector<Tile> boxed, wide;
        for (int t = 1; t <= 13; ++t) {
            const QString res = ":/tonos/" + QString::number(t) + ".svg";
            boxed.push_back({res, ToneBox(t), 1, QString::number(t)});
            QSvgRenderer renderer(res);
            const QSize natural = renderer.defaultSize();
            const int h = natural.width() > 0 ? natural.height() * 133 / natural.width() : 30;
            wide.push_back({res, {133, h}, 1, QString::number(t) + " @133"});
        }
        rows.push_back({boxed.begin(), boxed.begin() + 7});
        rows.push_back({boxed.begin() + 7, boxed.end()});
        rows.push_back({wide.begin(), wide.begin() + 7});
        rows.push_back({wide.begin() + 7, wide.end()});
    }
    if (all || section == "icon") {
        std::vector<Tile> icons;
        for (int s : {16, 32, 48, 128}) {
            icons.push_back({":/icono/talmiroc.svg", {s, s}, 1, QString::number(s)});
        }
        rows.push_back(icons);
    }
    return rows;
}

int WriteIcons(const QString& dir) {
    for (int s : {16, 32, 48, 128}) {
        QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(QStringLiteral(":/icono/talmiroc.svg"));
        if (!renderer.isValid()) return 1;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, s, s));
        painter.end();
        const QString path = QDir(dir).filePath(QString("talmiroc-%1.png").arg(s));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "contact_sheet: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing is shown on screen, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == "--icons") return WriteIcons(args[1]);

    QString out, section;
    int zoom = 1;
    QRect crop;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--section" && i + 1 < args.size()) {
            section = args[++i];
        } else if (args[i] == "--zoom" && i + 1 < args.size()) {
            zoom = std::max(1, args[++i].toInt());
        } else if (args[i] == "--crop" && i + 1 < args.size()) {
            const QStringList v = args[++i].split(',');
            if (v.size() == 4) crop = QRect(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt());
        } else if (out.isEmpty() && !args[i].startsWith("--")) {
            out = args[i];
        } else {
            out.clear();
            break;
        }
    }
    if (out.isEmpty()) {
        std::fprintf(stderr,
                     "usage: contact_sheet OUT.png [--section seals|tones|icon] [--crop X,Y,W,H] "
                     "[--zoom N]\n"
                     "       contact_sheet --icons DIR\n");
        return 2;
    }
    QImage sheet = Sheet(Rows(section));
    if (crop.isValid()) sheet = sheet.copy(crop);
    if (zoom > 1)
        sheet = sheet.scaled(sheet.size() * zoom, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (!sheet.save(out, "PNG")) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
