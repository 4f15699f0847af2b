// Checks on the pictures compiled into the program: the 20 seal glyphs, the 13 bar-and-dot
// tone numerals and the window icon. They render each picture as the window does and measure
// the result, so that a swapped, broken or badly drawn file shows up as a named failing row.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "apoyo_qt.h"
#include "disposicion.h"
#include "picture_probe.h"
#include "tzolkin.h"

namespace {

using probe::Hue;

// ---------------------------------------------------------------------------------------------
// Tables

struct Seal {
    int number;
    const char* array;  // resource name, :/sellos/<array>.svg
    const char* title;  // how the picture's leading comment names it
    Hue colour;
};

// How each picture's leading comment names it, seals 1..20. The picture's
// resource name and its colour are the engine's.
const char* const kTitles[] = {"Dragon",
                               "Viento",
                               "Noche",
                               "Semilla",
                               "Serpiente",
                               "Enlazador de mundos",
                               "Mano",
                               "Estrella",
                               "Luna",
                               "Perro",
                               "Mono",
                               "Humano",
                               "Caminante del cielo",
                               "Mago",
                               "Aguila",
                               "Guerrero",
                               "Tierra",
                               "Espejo",
                               "Tormenta",
                               "Sol"};

std::vector<Seal> Seals() {
    constexpr Hue hues[] = {Hue::kRed, Hue::kWhite, Hue::kBlue, Hue::kYellow};
    std::vector<Seal> seals;
    for (int n = 1; n <= 20; ++n) {
        const talmiroc::Sello sello(n);
        seals.push_back({n, talmiroc::arreglos_sello[static_cast<std::size_t>(n)].data(),
                         kTitles[n - 1], hues[static_cast<int>(talmiroc::Color_sello(sello))]});
    }
    return seals;
}
const std::vector<Seal> kSeals = Seals();

QString SealResource(const Seal& s) {
    return talmiroc::Recurso_sello(talmiroc::Sello(s.number));
}

// The seal's box in the window: large glyph and oracle glyph, each also at double density.
struct Size {
    QSize box;
    qreal ratio;
};
const QSize kLarge = talmiroc::disposicion::Pixeles(talmiroc::disposicion::caja_grande).size();
const QSize kSmall = talmiroc::disposicion::Pixeles(talmiroc::disposicion::caja_guia).size();
const Size kSealSizes[] = {{kLarge, 1}, {kSmall, 1}, {kLarge, 2}, {kSmall, 2}};

// Points in the seals' 256x256 drawing that lie inside the square but clear of the line art:
// the middle of each side of the band inside the border, and the four inner corners.
const QPointF kClearPoints[] = {{26, 128}, {230, 128}, {128, 26}, {128, 230},
                                {34, 34},  {222, 34},  {34, 222}, {222, 222}};

struct Tone {
    int number;
    int dots;
    int bars;
    int box_height;  // height of its image box in the window, pixels (width 105)
};

const Tone kTones[] = {
    {1, 1, 0, 25},  {2, 2, 0, 25},  {3, 3, 0, 25},  {4, 4, 0, 25}, {5, 0, 1, 25},
    {6, 1, 1, 33},  {7, 2, 1, 33},  {8, 3, 1, 33},  {9, 4, 1, 33}, {10, 0, 2, 33},
    {11, 1, 2, 41}, {12, 2, 2, 41}, {13, 3, 2, 41},
};
constexpr int kToneBoxWidth = 105;

QString ToneResource(const Tone& t) {
    return talmiroc::Recurso_tono(talmiroc::Tono(t.number));
}

// Readable rows in gtest's failure reports.
void PrintTo(const Seal& s, std::ostream* os) {
    *os << "seal " << s.number << " " << s.array << " (" << probe::Name(s.colour) << ")";
}
void PrintTo(const Tone& t, std::ostream* os) {
    *os << "tone " << t.number << ": " << t.dots << " dots, " << t.bars << " bars";
}

std::string Hex(QColor c) {
    return c.name().toStdString();
}

std::string SealRowName(const testing::TestParamInfo<Seal>& info) {
    return std::to_string(info.param.number) + "_" + info.param.array;
}

std::string ToneRowName(const testing::TestParamInfo<Tone>& info) {
    return "tone_" + std::to_string(info.param.number);
}

QSize SvgViewBoxSize(const QString& resource) {
    QSvgRenderer r(resource);
    return r.viewBoxF().size().toSize();
}

// ---------------------------------------------------------------------------------------------
// The measuring tools themselves must tell things apart, or the checks below prove nothing.

TEST(Probe, ClassifyTellsTheSealColoursFromEachOtherAndFromLineArt) {
    struct Row {
        QColor colour;
        Hue want;
    };
    const Row rows[] = {
        {QColor(224, 53, 43), Hue::kRed},     {QColor(200, 20, 40), Hue::kRed},
        {QColor(255, 255, 255), Hue::kWhite}, {QColor(248, 248, 244), Hue::kWhite},
        {QColor(58, 123, 213), Hue::kBlue},   {QColor(20, 60, 200), Hue::kBlue},
        {QColor(245, 207, 31), Hue::kYellow}, {QColor(255, 220, 0), Hue::kYellow},
        {QColor(0, 0, 0), Hue::kOther},       {QColor(128, 128, 128), Hue::kOther},
        {QColor(255, 128, 0), Hue::kOther},   {QColor(0, 160, 60), Hue::kOther},
        {QColor(150, 40, 200), Hue::kOther},  {QColor(230, 200, 200), Hue::kOther},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(probe::Classify(r.colour), r.want)
            << Hex(r.colour) << " read as " << probe::Name(probe::Classify(r.colour));
    }
}

TEST(Probe, DarkBlobsSeparatesShapesAndJoinsTouchingOnes) {
    QImage image(60, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(2, 2, 6, 6, Qt::black);
    p.fillRect(10, 2, 6, 6, Qt::black);  // 2 px gap: separate
    p.fillRect(20, 2, 6, 6, Qt::black);
    p.fillRect(26, 4, 6, 6, Qt::black);  // touches the previous one: joined
    p.fillRect(2, 12, 50, 5, Qt::black);
    p.end();
    const auto blobs = probe::DarkBlobs(image);
    ASSERT_EQ(blobs.size(), 4u);
    EXPECT_EQ(blobs[2].width(), 12);
    EXPECT_EQ(blobs[3].width(), 50);
}

// ---------------------------------------------------------------------------------------------
// Every picture is there, once, under the name the window asks for.

TEST(Resources, FoldersHoldExactlyThePicturesTheWindowUses) {
    QStringList seals, tones;
    for (const Seal& s : kSeals) seals << SealResource(s).section(u'/', -1);
    for (const Tone& t : kTones) tones << ToneResource(t).section(u'/', -1);
    const QStringList icons = {"talmiroc-128.png", "talmiroc-16.png", "talmiroc-32.png",
                               "talmiroc-48.png", "talmiroc.svg"};
    struct Row {
        const char* folder;
        QStringList want;
    };
    for (Row r : {Row{":/sellos", seals}, Row{":/tonos", tones}, Row{":/icono", icons}}) {
        QStringList have = QDir(r.folder).entryList(QDir::Files, QDir::Name);
        r.want.sort();
        have.sort();
        EXPECT_EQ(have, r.want) << r.folder;
    }
}

// Seal 0 is seal 20, as in every seal table; a number outside the count names no picture.
TEST(Resources, NumbersOutsideTheCountNameNoPicture) {
    using namespace talmiroc;
    EXPECT_EQ(Recurso_sello(Sello(0)), Recurso_sello(Sello(20)));
    for (int n : {-1, 21}) EXPECT_EQ(Recurso_sello(Sello(n)) + Recurso_tono(Tono(n)), "") << n;
    for (int n : {0, 14}) EXPECT_EQ(Recurso_tono(Tono(n)), QString()) << "tone " << n;
}

// Every SVG keeps to what the toolkit's SVG Tiny renderer draws, and opens with a comment
// naming its own picture, so that two files swapped by name are caught by their content.
struct SvgFile {
    QString resource;
    QString title;   // the leading comment starts with this
    QSize view_box;  // expected viewBox size, or empty for "any"
};

std::vector<SvgFile> AllSvgFiles() {
    std::vector<SvgFile> files;
    for (const Seal& s : kSeals) files.push_back({SealResource(s), s.title, {256, 256}});
    for (const Tone& t : kTones) {
        files.push_back({ToneResource(t), QString("Tone %1:").arg(t.number), {}});
    }
    files.push_back({":/icono/talmiroc.svg", "Talmiroc icon", {256, 256}});
    return files;
}

void PrintTo(const SvgFile& f, std::ostream* os) {
    *os << f.resource.toStdString();
}

class SvgFileTest : public testing::TestWithParam<SvgFile> {};

TEST_P(SvgFileTest, UsesOnlyPlainShapesAndNamesItsPicture) {
    const SvgFile& f = GetParam();
    QFile file(f.resource);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.resource.toStdString();
    static const std::set<QString> kElements = {"svg",  "g",        "path",    "circle", "ellipse",
                                                "rect", "polyline", "polygon", "line"};
    static const std::set<QString> kBanned = {"style",     "class", "filter",  "mask",
                                              "clip-path", "href",  "opacity", "font-family"};
    QXmlStreamReader xml(&file);
    QString first_comment;
    QString view_box;
    int shapes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isComment() && first_comment.isEmpty()) first_comment = xml.text().toString();
        if (!xml.isStartElement()) continue;
        const QString name = xml.name().toString();
        EXPECT_TRUE(kElements.count(name))
            << f.resource.toStdString() << ": <" << name.toStdString() << ">";
        if (name == "svg") view_box = xml.attributes().value("viewBox").toString();
        if (name != "svg" && name != "g") ++shapes;
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            EXPECT_FALSE(kBanned.count(a.name().toString()))
                << f.resource.toStdString() << ": attribute "
                << a.qualifiedName().toString().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << f.resource.toStdString() << ": "
                                 << xml.errorString().toStdString();
    EXPECT_GE(shapes, 2) << f.resource.toStdString();
    EXPECT_TRUE(first_comment.trimmed().startsWith(f.title))
        << f.resource.toStdString() << " opens with comment '" << first_comment.toStdString()
        << "', want it to name '" << f.title.toStdString() << "'";
    if (!f.view_box.isEmpty()) {
        EXPECT_EQ(view_box, QString("0 0 %1 %2").arg(f.view_box.width()).arg(f.view_box.height()))
            << f.resource.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllPictures, SvgFileTest, testing::ValuesIn(AllSvgFiles()),
                         [](const testing::TestParamInfo<SvgFile>& info) {
                             QString n = info.param.resource.mid(2);
                             n.replace('/', '_').replace('.', '_').replace('-', '_');
                             return n.toStdString();
                         });

// ---------------------------------------------------------------------------------------------
// Seal glyphs

class SealTest : public testing::TestWithParam<Seal> {};

TEST_P(SealTest, RendersLineArtOnAColouredSquare) {
    const Seal& s = GetParam();
    QSvgRenderer renderer(SealResource(s));
    ASSERT_TRUE(renderer.isValid()) << s.array;
    const QImage image = probe::Render(SealResource(s), kSmall);
    ASSERT_FALSE(image.isNull());
    // Inside the border: some ink, mostly the seal colour.
    const QRect inner(8, 8, 51, 51);
    int ink = 0, fill = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (probe::Luma(c) < 80) ++ink;
            if (probe::Classify(c) == s.colour) ++fill;
        }
    }
    const double area = inner.width() * inner.height();
    EXPECT_GT(ink / area, 0.06) << s.number << " " << s.array << ": too little line art";
    EXPECT_LT(ink / area, 0.60) << s.number << " " << s.array << ": ink floods the square";
    EXPECT_GT(fill / area, 0.30) << s.number << " " << s.array << ": too little "
                                 << probe::Name(s.colour);
}

TEST_P(SealTest, FillIsTheSealColourAtEverySizeTheWindowUses) {
    const Seal& s = GetParam();
    for (const Size& size : kSealSizes) {
        const QImage image = probe::Render(SealResource(s), size.box, size.ratio);
        ASSERT_FALSE(image.isNull()) << s.array;
        for (const QPointF& p : kClearPoints) {
            const int x = static_cast<int>(p.x() / 256 * image.width());
            const int y = static_cast<int>(p.y() / 256 * image.height());
            const QColor c = image.pixelColor(x, y);
            EXPECT_EQ(probe::Classify(c), s.colour)
                << "seal " << s.number << " " << s.array << " at " << size.box.width() << "x"
                << size.box.height() << "@" << size.ratio << "x, pixel (" << x << "," << y
                << "): " << Hex(c) << " reads " << probe::Name(probe::Classify(c)) << ", want "
                << probe::Name(s.colour);
        }
    }
}

// From each side of the picture inwards: a dark border first, then the seal colour. On a white
// window the white seals would otherwise have no edge at all.
TEST_P(SealTest, OutlineShowsAgainstTheWhiteWindow) {
    const Seal& s = GetParam();
    for (const Size& size : kSealSizes) {
        const QImage image = probe::Render(SealResource(s), size.box, size.ratio);
        ASSERT_FALSE(image.isNull());
        const int w = image.width(), h = image.height();
        struct Walk {
            const char* side;
            QPoint start;
            QPoint step;
            int length;
        };
        const Walk walks[] = {{"left", {0, h / 2}, {1, 0}, w},
                              {"right", {w - 1, h / 2}, {-1, 0}, w},
                              {"top", {w / 2, 0}, {0, 1}, h},
                              {"bottom", {w / 2, h - 1}, {0, -1}, h}};
        for (const Walk& walk : walks) {
            int border = -1, fill = -1;
            for (int i = 0; i < walk.length / 5; ++i) {
                const QColor c = image.pixelColor(walk.start + walk.step * i);
                if (border < 0 && probe::Luma(c) < 60) border = i;
                if (border >= 0 && probe::Classify(c) == s.colour) {
                    fill = i;
                    break;
                }
            }
            const std::string where = std::to_string(s.number) + " " + s.array + " " + walk.side +
                                      " side at " + std::to_string(w) + "x" + std::to_string(h);
            EXPECT_GE(border, 0) << where << ": no dark outline";
            EXPECT_LE(border, walk.length / 20) << where << ": outline too far in";
            EXPECT_GT(fill, border) << where << ": seal colour not met inside the outline";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TwentySeals, SealTest, testing::ValuesIn(kSeals), SealRowName);

// No two seals share a drawing: compare the line art of every pair at the oracle size.
TEST(SealSet, EveryPairOfGlyphsDiffers) {
    std::vector<std::vector<bool>> masks;
    for (const Seal& s : kSeals) {
        const QImage image = probe::Render(SealResource(s), kSmall);
        ASSERT_FALSE(image.isNull()) << s.array;
        std::vector<bool> mask;
        for (int y = 6; y < 61; ++y) {
            for (int x = 6; x < 61; ++x) mask.push_back(probe::Luma(image.pixelColor(x, y)) < 90);
        }
        masks.push_back(mask);
    }
    for (size_t a = 0; a < masks.size(); ++a) {
        for (size_t b = a + 1; b < masks.size(); ++b) {
            int differ = 0;
            for (size_t i = 0; i < masks[a].size(); ++i) differ += masks[a][i] != masks[b][i];
            EXPECT_GT(differ, static_cast<int>(masks[a].size() / 12))
                << kSeals[a].array << " and " << kSeals[b].array << " draw nearly the same";
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Tone numerals

struct Counted {
    int dots = 0;
    int bars = 0;
    std::string problem;  // empty when every dark shape is a clean dot or bar, dots above bars
};

Counted CountDotsAndBars(const QImage& image) {
    Counted out;
    std::vector<QRect> dots, bars;
    for (const QRect& b : probe::DarkBlobs(image)) {
        if (b.width() >= image.width() / 2) {
            bars.push_back(b);
        } else if (b.width() <= image.width() / 5 && b.height() <= 2 * b.width()) {
            dots.push_back(b);
        } else {
            out.problem += "shape " + std::to_string(b.width()) + "x" + std::to_string(b.height()) +
                           " is neither dot nor bar; ";
        }
    }
    out.dots = static_cast<int>(dots.size());
    out.bars = static_cast<int>(bars.size());
    for (const QRect& d : dots) {
        if (std::abs(d.center().y() - dots.front().center().y()) > 1)
            out.problem += "dots not in one row; ";
        for (const QRect& b : bars) {
            if (d.bottom() >= b.top()) out.problem += "a dot is not above the bars; ";
        }
    }
    for (const QRect& b : bars) {
        if (std::abs(b.width() - bars.front().width()) > 2)
            out.problem += "bars of unequal length; ";
    }
    return out;
}

class ToneTest : public testing::TestWithParam<Tone> {};

TEST_P(ToneTest, CountsRightAt133PixelsWide) {
    const Tone& t = GetParam();
    const QSize vb = SvgViewBoxSize(ToneResource(t));
    ASSERT_GT(vb.width(), 0) << "tone " << t.number << " does not load";
    const QSize size(133, static_cast<int>(std::lround(133.0 * vb.height() / vb.width())));
    const Counted c = CountDotsAndBars(probe::Render(ToneResource(t), size));
    EXPECT_EQ(c.dots, t.dots) << "tone " << t.number << " at 133 wide";
    EXPECT_EQ(c.bars, t.bars) << "tone " << t.number << " at 133 wide";
    EXPECT_EQ(c.problem, "") << "tone " << t.number;
}

TEST_P(ToneTest, CountsRightStretchedIntoItsWindowBox) {
    const Tone& t = GetParam();
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = probe::Render(ToneResource(t), {kToneBoxWidth, t.box_height}, ratio);
        ASSERT_FALSE(image.isNull()) << "tone " << t.number;
        const Counted c = CountDotsAndBars(image);
        EXPECT_EQ(c.dots, t.dots) << "tone " << t.number << " in its box @" << ratio << "x";
        EXPECT_EQ(c.bars, t.bars) << "tone " << t.number << " in its box @" << ratio << "x";
        EXPECT_EQ(c.problem, "") << "tone " << t.number << " @" << ratio << "x";
    }
}

// The box stretches the picture; drawn in the box's proportions, dots stay round.
TEST_P(ToneTest, DrawnInTheProportionsOfItsBoxBlackOnWhite) {
    const Tone& t = GetParam();
    const QSize vb = SvgViewBoxSize(ToneResource(t));
    ASSERT_GT(vb.height(), 0);
    const double drawn = double(vb.width()) / vb.height();
    const double box = double(kToneBoxWidth) / t.box_height;
    EXPECT_NEAR(drawn / box, 1.0, 0.06)
        << "tone " << t.number << ": viewBox " << vb.width() << "x" << vb.height();
    const QImage image = probe::Render(ToneResource(t), {kToneBoxWidth, t.box_height});
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            darkest = std::min(darkest, probe::Luma(c));
            EXPECT_LE(c.toHsv().hsvSaturation(), 10) << "tone " << t.number << " has colour";
            if (c.toHsv().hsvSaturation() > 10) return;
        }
    }
    EXPECT_LT(darkest, 30) << "tone " << t.number << " is not black";
    for (QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)}) {
        EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white)) << "tone " << t.number;
    }
}

// The tone boxes share their bottom edge in the window, so every numeral ends the same
// distance above it and the tones sit in one line over the seal glyph.
TEST(ToneSet, AllStandOnTheSameLine) {
    std::vector<int> gaps;
    for (const Tone& t : kTones) {
        const QImage image = probe::Render(ToneResource(t), {kToneBoxWidth, t.box_height});
        ASSERT_FALSE(image.isNull()) << "tone " << t.number;
        int lowest = -1;
        for (const QRect& b : probe::DarkBlobs(image)) lowest = std::max(lowest, b.bottom());
        ASSERT_GE(lowest, 0) << "tone " << t.number << " is blank";
        gaps.push_back(image.height() - 1 - lowest);
    }
    for (size_t i = 0; i < gaps.size(); ++i) {
        EXPECT_NEAR(gaps[i], gaps[0], 1) << "tone " << kTones[i].number << " ends " << gaps[i]
                                         << " px above its box's bottom, tone 1 " << gaps[0];
    }
    EXPECT_LE(gaps[0], 4) << "numerals float above the bottom of their boxes";
}

INSTANTIATE_TEST_SUITE_P(ThirteenTones, ToneTest, testing::ValuesIn(kTones), ToneRowName);

// ---------------------------------------------------------------------------------------------
// Icon

struct IconView {
    std::string name;
    int size;
    bool png;  // the committed PNG, else the SVG rendered at that size
};

void PrintTo(const IconView& v, std::ostream* os) {
    *os << "icon " << v.name;
}

QImage IconImage(const IconView& v) {
    if (!v.png) return probe::Render(":/icono/talmiroc.svg", {v.size, v.size});
    const QImage png(QString(":/icono/talmiroc-%1.png").arg(v.size));
    if (png.isNull()) return {};
    QImage on_white(png.size(), QImage::Format_ARGB32);  // the window's white behind it
    on_white.fill(Qt::white);
    QPainter p(&on_white);
    p.drawImage(0, 0, png);
    p.end();
    return on_white;
}

const IconView kIconViews[] = {
    {"png_16", 16, true},  {"png_32", 32, true},  {"png_48", 48, true},    {"png_128", 128, true},
    {"svg_24", 24, false}, {"svg_64", 64, false}, {"svg_256", 256, false},
};

class IconTest : public testing::TestWithParam<IconView> {};

TEST_P(IconTest, SixEqualWedgesAlternatelyBlackAndYellow) {
    const IconView& v = GetParam();
    const QImage image = IconImage(v);
    ASSERT_FALSE(image.isNull()) << v.name;
    ASSERT_EQ(image.size(), QSize(v.size, v.size)) << v.name;
    constexpr int kSamples = 720;
    std::string colours;
    const std::vector<int> runs = probe::WedgeRuns(image, v.size * 0.3, kSamples, &colours);
    ASSERT_EQ(runs.size(), 6u) << v.name << ": colour runs round the circle: " << colours;
    EXPECT_EQ(std::count(colours.begin(), colours.end(), 'k'), 3) << v.name << " " << colours;
    const int tolerance = v.size < 32 ? 22 : 10;  // degrees; a 16 px circle is coarse
    for (int r : runs) {
        EXPECT_NEAR(r * 360.0 / kSamples, 60.0, tolerance)
            << v.name << ": wedge of " << r << " samples in " << colours;
    }
    // Round: the corners outside the circle stay the window's white.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << v.name;
    EXPECT_EQ(image.pixelColor(v.size - 1, v.size - 1), QColor(Qt::white)) << v.name;
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconTest, testing::ValuesIn(kIconViews),
                         [](const testing::TestParamInfo<IconView>& info) {
                             return info.param.name;
                         });

// The PNGs are rendered from the SVG; a PNG left behind after the SVG changed shows up here.
TEST(IconPng, MatchesTheSvgAtEachSize) {
    for (int size : {16, 32, 48, 128}) {
        const QImage png = IconImage({"png", size, true});
        const QImage svg = IconImage({"svg", size, false});
        ASSERT_FALSE(png.isNull()) << size;
        ASSERT_EQ(png.size(), svg.size()) << size;
        long long diff = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor a = png.pixelColor(x, y), b = svg.pixelColor(x, y);
                diff += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                        std::abs(a.blue() - b.blue());
            }
        }
        EXPECT_LT(double(diff) / (3.0 * size * size), 4.0) << "talmiroc-" << size << ".png";
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
