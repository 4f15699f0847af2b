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
#include "idiomas.h"
#include "picture_probe.h"
#include "tzolkin.h"

namespace {

using probe::Hue;

// ---------------------------------------------------------------------------------------------
// Tables

// A seal's number, picture (:/sellos/<array>.svg), day-window name (which the
// picture's leading comment starts with, in any case) and colour, from the engine.
struct Seal {
    int number;
    const char* array;
    QString title;
    Hue colour;
};

std::vector<Seal> Seals() {
    constexpr Hue hues[] = {Hue::kRed, Hue::kWhite, Hue::kBlue, Hue::kYellow};
    std::vector<Seal> seals;
    for (int n = 1; n <= 20; ++n) {
        const talmiroc::Sello sello(n);
        seals.push_back({n, talmiroc::arreglos_sello[static_cast<std::size_t>(n)].data(),
                         talmiroc::Texto(talmiroc::sellos[static_cast<std::size_t>(n)]),
                         hues[static_cast<int>(talmiroc::Color_sello(sello))]});
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

// Bar and dot: a bar for each five, a dot for each one left over. The box is
// the numeral's image box in the window.
struct Tone {
    int number;
    int dots;
    int bars;
    QSize box;
};

std::vector<Tone> Tones() {
    std::vector<Tone> tones;
    for (int n = 1; n <= 13; ++n) {
        tones.push_back({n, n % 5, n / 5,
                         talmiroc::disposicion::Pixeles(talmiroc::disposicion::Caja_tono(n)).size()});
    }
    return tones;
}
const std::vector<Tone> kTones = Tones();

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
    EXPECT_TRUE(first_comment.trimmed().startsWith(f.title, Qt::CaseInsensitive))
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

// At every size the window uses: the seal colour at the clear points, and from
// each side inwards a dark border first, then the seal colour (on a white
// window the white seals would otherwise have no edge at all).
TEST_P(SealTest, FillAndOutlineAtEverySizeTheWindowUses) {
    const Seal& s = GetParam();
    for (const Size& size : kSealSizes) {
        const QImage image = probe::Render(SealResource(s), size.box, size.ratio);
        ASSERT_FALSE(image.isNull()) << s.array;
        const int w = image.width(), h = image.height();
        for (const QPointF& p : kClearPoints) {
            const QPoint at(static_cast<int>(p.x() / 256 * w), static_cast<int>(p.y() / 256 * h));
            const QColor c = image.pixelColor(at);
            EXPECT_EQ(probe::Classify(c), s.colour)
                << "seal " << s.number << " " << s.array << " at " << w << "x" << h << ", pixel ("
                << at.x() << "," << at.y() << "): " << Hex(c) << " reads "
                << probe::Name(probe::Classify(c)) << ", want " << probe::Name(s.colour);
        }
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

// At 133 pixels wide in its own proportions (a page's), and stretched into its
// window box at both densities.
TEST_P(ToneTest, CountsRightAtEverySize) {
    const Tone& t = GetParam();
    const QSize vb = QSvgRenderer(ToneResource(t)).viewBoxF().size().toSize();
    ASSERT_GT(vb.width(), 0) << "tone " << t.number << " does not load";
    const struct {
        QSize box;
        qreal ratio;
    } sizes[] = {{{133, static_cast<int>(std::lround(133.0 * vb.height() / vb.width()))}, 1},
                 {t.box, 1},
                 {t.box, 2}};
    for (const auto& size : sizes) {
        const Counted c = CountDotsAndBars(probe::Render(ToneResource(t), size.box, size.ratio));
        const std::string at = "tone " + std::to_string(t.number) + " at " +
                               std::to_string(size.box.width()) + "x" +
                               std::to_string(size.box.height()) + "@" + std::to_string(size.ratio);
        EXPECT_EQ(c.dots, t.dots) << at;
        EXPECT_EQ(c.bars, t.bars) << at;
        EXPECT_EQ(c.problem, "") << at;
    }
}

// The box stretches the picture; drawn in the box's proportions, dots stay round.
TEST_P(ToneTest, DrawnInTheProportionsOfItsBoxBlackOnWhite) {
    const Tone& t = GetParam();
    const QSize vb = QSvgRenderer(ToneResource(t)).viewBoxF().size().toSize();
    ASSERT_GT(vb.height(), 0);
    const double drawn = double(vb.width()) / vb.height();
    const double box = double(t.box.width()) / t.box.height();
    EXPECT_NEAR(drawn / box, 1.0, 0.06)
        << "tone " << t.number << ": viewBox " << vb.width() << "x" << vb.height();
    const QImage image = probe::Render(ToneResource(t), t.box);
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
        const QImage image = probe::Render(ToneResource(t), t.box);
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
