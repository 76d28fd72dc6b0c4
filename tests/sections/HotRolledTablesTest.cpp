// Integrity of the hot-rolled section tables: H (GB/T 11263), I-beams (GB 706), channels (GB 707)
// and equal angles (GB 9787). Every record is checked for its place and shape, the telling rows
// exactly, every computed row against the geometry it was computed from, and every row's columns
// against each other within the rounding the table prints. In the computed tables (H, I-beams,
// angles) a slip of any digit trips at least one check; in the channel table, entered as printed,
// any slip in the dimensions, area, mass or Wx does; Ix is held to the rolled shape (to about
// 2e-5) or, in the series the standard worked otherwise, to its neighbours; Iy to the shape within
// 0.05 % where the standard follows it and to Wy, which the standard worked from Iy and its
// printed z0; and the radii to their row's other figures within 0.03 % beyond the printed
// rounding.

#include "sections/tables/SectionTable.h"
#include "tests/sections/geometry/HotRolledGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <numbers>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace profilux {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSqrt2 = std::numbers::sqrt2;

// ---------------------------------------------------------------------------------------------
// Record names in table order.

constexpr std::array<std::string_view, 53> kHNames = {
    "HW100x100", "HW175x175", "HW200x200", "HW200x204", "HW250x250", "HW250x255", "HW294x302",
    "HW300x300", "HW300x305", "HW344x348", "HW350x350", "HW388x402", "HW394x398", "HW400x400",
    "HW414x405", "HW400x408", "HW428x407", "HM194x150", "HM244x175", "HM294x200", "HM340x250",
    "HM390x300", "HM440x300", "HM482x300", "HM488x300", "HM582x300", "HM588x300", "HM594x302",
    "HN175x90",  "HN198x99",  "HN200x100", "HN248x124", "HN250x125", "HN298x149", "HN300x150",
    "HN346x174", "HN350x175", "HN400x150", "HN396x199", "HN400x200", "HN450x150", "HN446x199",
    "HN450x200", "HN496x199", "HN500x200", "HN506x201", "HN596x199", "HN600x200", "HN606x201",
    "HN692x300", "HN700x300", "HN729x300", "HN800x300"};
constexpr std::array<std::string_view, 34> kIBeamNames = {
    "I10",  "I12.6", "I14",  "I16",  "I18",  "I20a", "I20b", "I22a", "I22b", "I25a", "I25b", "I28a",
    "I28b", "I32a",  "I32b", "I32c", "I36a", "I36b", "I36c", "I40a", "I40b", "I40c", "I45a", "I45b",
    "I45c", "I50a",  "I50b", "I50c", "I56a", "I56b", "I56c", "I63a", "I63b", "I63c"};
constexpr std::array<std::string_view, 30> kChannelNames = {
    "槽5",   "槽6.3", "槽8",   "槽10",  "槽12.6", "槽14a", "槽14b", "槽16a", "槽16b", "槽18a",
    "槽18b", "槽20a", "槽20b", "槽22a", "槽22b",  "槽25a", "槽25b", "槽25c", "槽28a", "槽28b",
    "槽28c", "槽32a", "槽32b", "槽32c", "槽36a",  "槽36b", "槽36c", "槽40a", "槽40b", "槽40c"};
constexpr std::array<std::string_view, 82> kAngleNames = {
    "L20X3",   "L20X4",   "L25X3",   "L25X4",   "L30X3",   "L30X4",   "L36X3",   "L36X4",
    "L36X5",   "L40X3",   "L40X4",   "L40X5",   "L45X3",   "L45X4",   "L45X5",   "L45X6",
    "L50X3",   "L50X4",   "L50X5",   "L50X6",   "L56X3",   "L56X4",   "L56X5",   "L56X8",
    "L63X4",   "L63X5",   "L63X6",   "L63X8",   "L63X10",  "L70X4",   "L70X5",   "L70X6",
    "L70X7",   "L70X8",   "L75X5",   "L75X6",   "L75X7",   "L75X8",   "L75X10",  "L80X5",
    "L80X6",   "L80X7",   "L80X8",   "L80X10",  "L90X6",   "L90X7",   "L90X8",   "L90X10",
    "L90X12",  "L100X6",  "L100X7",  "L100X8",  "L100X10", "L100X12", "L100X14", "L100X16",
    "L110X7",  "L110X8",  "L110X10", "L110X12", "L110X14", "L125X8",  "L125X10", "L125X12",
    "L125X14", "L140X10", "L140X12", "L140X14", "L140X16", "L160X10", "L160X12", "L160X14",
    "L160X16", "L180X12", "L180X14", "L180X16", "L180X18", "L200X14", "L200X16", "L200X18",
    "L200X20", "L200X24"};

// ---------------------------------------------------------------------------------------------
// Helpers.

std::vector<double> ValuesOf(const SectionTableRecord& record) {
    return {record.values, record.values + record.count};
}

const SectionTableRecord* FindRecord(std::span<const SectionTableRecord> table,
                                     std::string_view name) {
    for (const SectionTableRecord& record : table) {
        if (name == record.name) {
            return &record;
        }
    }
    return nullptr;
}

// A tabulated figure and how far the exact value may lie from it.
struct Figure {
    double value;
    double half;
};

// True when `result` can be f(args) with every figure anywhere within its half unit (and the
// result within its own). f must be monotonic in each argument over those small ranges, so its
// extremes lie at the corners. `slack` widens the band by a fraction of the result, for printed
// tables whose columns were not all worked from the same rounded figures.
template <std::size_t N, class F>
bool AgreesWithinRounding(Figure result, F f, const std::array<Figure, N>& args, double slack = 0) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (unsigned mask = 0; mask < (1u << N); ++mask) {
        std::array<double, N> x{};
        for (std::size_t i = 0; i < N; ++i) {
            x[i] = args[i].value + (((mask >> i) & 1u) != 0 ? args[i].half : -args[i].half);
        }
        const double v = f(x);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double tolerance = (1e-9 + slack) * std::fabs(result.value);
    return result.value + result.half + tolerance >= lo &&
           result.value - result.half - tolerance <= hi;
}

// Where the published table prints a figure that differs from the computation in its last digit,
// the table keeps the printed figure.
struct PrintedFigure {
    std::string_view name;
    std::size_t column;
    double printed;
};

const PrintedFigure* FindPrinted(std::span<const PrintedFigure> printed, std::string_view name,
                                 std::size_t column) {
    for (const PrintedFigure& p : printed) {
        if (p.name == name && p.column == column) {
            return &p;
        }
    }
    return nullptr;
}

// One computed column of a record: the stored figure must be the exact value rounded as the table
// prints it, unless the printed table says otherwise (then the printed figure, still close).
void ExpectDerived(const SectionTableRecord& record, std::size_t column, double exact,
                   Rounding rounding, std::span<const PrintedFigure> printed) {
    const double stored = record.values[column];
    EXPECT_EQ(stored, RoundTabulated(stored, rounding))
        << record.name << " column " << column << ": " << stored << " is not a printed figure";
    if (const PrintedFigure* p = FindPrinted(printed, record.name, column)) {
        EXPECT_EQ(stored, p->printed) << record.name << " column " << column;
        EXPECT_NE(RoundTabulated(exact, rounding), p->printed)
            << record.name << " column " << column << ": no longer differs from the computation";
        EXPECT_NEAR(stored, exact, 0.005 * exact) << record.name << " column " << column;
        return;
    }
    EXPECT_LE(std::fabs(stored - exact), HalfUnit(stored, rounding) * (1 + 1e-9))
        << record.name << " column " << column << ": stored " << stored << ", computed " << exact;
}

// Shape of every record: the family's value count, nothing typed beyond it, a terminated name
// that fits its field, names unique and in the catalogue's order.
void ExpectRecordsInOrder(std::span<const SectionTableRecord> table,
                          std::span<const std::string_view> names, int count) {
    ASSERT_EQ(table.size(), names.size());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SectionTableRecord& record = table[i];
        ASSERT_LT(strnlen(record.name, sizeof record.name), sizeof record.name);
        EXPECT_EQ(std::string_view(record.name), names[i]) << "record " << i;
        EXPECT_TRUE(seen.insert(record.name).second) << record.name << " appears twice";
        EXPECT_EQ(record.count, count) << record.name;
        for (std::size_t k = static_cast<std::size_t>(count); k < std::size(record.values); ++k) {
            EXPECT_EQ(record.values[k], 0.0) << record.name << " has a value past its columns";
        }
    }
}

// The number in a name after its family prefix, up to the first character that is not part of a
// decimal number ("槽12.6" -> 12.6, "L100X10" -> 100, "I20a" -> 20).
double LeadingNumber(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[end])) != 0 || text[end] == '.')) {
        ++end;
    }
    return std::stod(std::string(text.substr(0, end)));
}

Figure Exact(double value) {
    return {value, 0.0};
}

// ---------------------------------------------------------------------------------------------
// Geometry, against closed forms worked by hand.

TEST(HotRolledGeometryTest, RectangleHasBhCubedOverTwelve) {
    const OutlineCorner outline[] = {{0, 0, 0}, {40, 0, 0}, {40, 10, 0}, {0, 10, 0}};
    const PlaneRegion s = OutlineRegion(outline);
    EXPECT_NEAR(s.area, 400.0, 1e-9);
    EXPECT_NEAR(s.xc, 20.0, 1e-12);
    EXPECT_NEAR(s.yc, 5.0, 1e-12);
    EXPECT_NEAR(s.ixx, 40.0 * 1000 / 12, 1e-9);
    EXPECT_NEAR(s.iyy, 10.0 * 64000 / 12, 1e-8);
    EXPECT_NEAR(s.ixy, 0.0, 1e-9);
}

TEST(HotRolledGeometryTest, SquareRoundedAtEveryCornerByHalfItsSideIsACircle) {
    const double r = 5;
    const OutlineCorner outline[] = {{-r, -r, r}, {r, -r, r}, {r, r, r}, {-r, r, r}};
    const PlaneRegion s = OutlineRegion(outline);
    const double area = kPi * r * r;
    const double inertia = kPi * r * r * r * r / 4;
    EXPECT_NEAR(s.area, area, 1e-10 * area);
    EXPECT_NEAR(s.ixx, inertia, 1e-10 * inertia);
    EXPECT_NEAR(s.iyy, inertia, 1e-10 * inertia);
    EXPECT_NEAR(s.ixy, 0.0, 1e-10 * inertia);
    EXPECT_NEAR(s.xc, 0.0, 1e-12);
}

TEST(HotRolledGeometryTest, RootFilletAddsAndToeRoundingRemovesTheSpandrel) {
    // L 100 x 10 with a 12 mm root fillet: the spandrel of a right-angled corner is (1 - pi/4) r^2.
    const OutlineCorner sharpToes[] = {{0, 0, 0},    {100, 0, 0},  {100, 10, 0},
                                       {10, 10, 12}, {10, 100, 0}, {0, 100, 0}};
    EXPECT_NEAR(OutlineRegion(sharpToes).area, 1900 + (1 - kPi / 4) * 144, 1e-9);
    // Rounding both toes by r1 = 10/3 takes two such spandrels off again.
    const double r1 = 10.0 / 3;
    const OutlineCorner roundToes[] = {{0, 0, 0},    {100, 0, 0},   {100, 10, r1},
                                       {10, 10, 12}, {10, 100, r1}, {0, 100, 0}};
    EXPECT_NEAR(OutlineRegion(roundToes).area, 1900 + (1 - kPi / 4) * (144 - 2 * r1 * r1), 1e-9);
}

// H section by hand: plates, then four spandrels of area (1 - pi/4) r^2 whose first moment
// about their flange-side (or web-side) edge is (5/6 - pi/4) r^3 and second moment
// (1 - 5 pi/16) r^4.
RolledHProps HandWorkedH(double h, double b, double tw, double tf, double r) {
    const double a = (1 - kPi / 4) * r * r;
    const double s1 = (5.0 / 6 - kPi / 4) * r * r * r;
    const double s2 = (1 - 5 * kPi / 16) * r * r * r * r;
    const double e = h / 2 - tf; // flange inner face; the spandrels lie inside it
    const double g = tw / 2;     // web face; the spandrels lie outside it
    RolledHProps p{};
    p.area = (2 * b * tf + (h - 2 * tf) * tw + 4 * a) / 1e2;
    p.ix = ((b * h * h * h - (b - tw) * std::pow(h - 2 * tf, 3)) / 12 +
            4 * (a * e * e - 2 * s1 * e + s2)) /
           1e4;
    p.iy = ((2 * tf * b * b * b + (h - 2 * tf) * tw * tw * tw) / 12 +
            4 * (a * g * g + 2 * s1 * g + s2)) /
           1e4;
    return p;
}

TEST(HotRolledGeometryTest, RolledHMatchesThePlatesAndFourFillets) {
    for (const RolledHDims d : {RolledHDims{100, 100, 6, 8, 10}, RolledHDims{800, 300, 14, 26, 28},
                                RolledHDims{198, 99, 4.5, 7, 13}}) {
        const RolledHProps p = ComputeRolledH(d);
        const RolledHProps hand = HandWorkedH(d.h, d.b, d.tw, d.tf, d.r);
        EXPECT_NEAR(p.area, hand.area, 1e-12 * hand.area);
        EXPECT_NEAR(p.ix, hand.ix, 1e-10 * hand.ix);
        EXPECT_NEAR(p.iy, hand.iy, 1e-10 * hand.iy);
        EXPECT_NEAR(p.rx, std::sqrt(hand.ix / hand.area), 1e-9);
        EXPECT_NEAR(p.wy, hand.iy / (d.b / 20), 1e-9 * p.wy);
    }
    // HW100x100 by hand: 2189.84 mm2, 382.65 cm4, 133.75 cm4.
    const RolledHProps hw = ComputeRolledH({100, 100, 6, 8, 10});
    EXPECT_NEAR(hw.area, 21.8984, 5e-5);
    EXPECT_NEAR(hw.ix, 382.653, 5e-4);
    EXPECT_NEAR(hw.iy, 133.750, 5e-4);
}

TEST(HotRolledGeometryTest, IBeamAreaHasSlopedFlangesAndObliqueFillets) {
    // The 1:6 slope leaves the mean flange thickness t, so the plates give h*tw + 2t(b - tw). The
    // fillet between the web and the sloped face fills a corner of 90 deg + atan(1/6), and the
    // tip rounding cuts a corner of the same angle: each spandrel is (cot(phi/2) - (pi - phi)/2)
    // r^2.
    const double phi = kPi / 2 + std::atan(1.0 / 6);
    const double k = 1 / std::tan(phi / 2) - (kPi - phi) / 2;
    const IBeamDims i10{100, 68, 4.5, 7.6, 6.5, 3.3};
    const double hand = (100 * 4.5 + 2 * 7.6 * (68 - 4.5) + 4 * k * (6.5 * 6.5 - 3.3 * 3.3)) / 1e2;
    EXPECT_NEAR(ComputeIBeam(i10).area, hand, 1e-12 * hand);
    EXPECT_NEAR(hand, 14.3330, 5e-5);
}

// A channel with square corners by hand: the b x h rectangle less the gap between the flanges,
// whose half height g(x) = h/2 - t - (b + tw)/20 + x/10 (x from the back of the web) opens 1 in 10
// towards the toes and is h/2 - t halfway along the outstand.
TEST(HotRolledGeometryTest, SquareCorneredChannelIsARectangleLessATaperedGap) {
    const double h = 200;
    const double b = 73;
    const double tw = 7;
    const double t = 11;
    const double alpha = h / 2 - t - (b + tw) / 20;
    auto overGap = [b, tw](auto antiderivative) { return antiderivative(b) - antiderivative(tw); };
    // Integrals over the gap of 1, x, x^2 (both halves: 2 g(x) dx) and of y^2 ((2/3) g^3 dx).
    const double gapArea = overGap([alpha](double x) { return 2 * alpha * x + x * x / 10; });
    const double gapFirst = overGap([alpha](double x) { return alpha * x * x + x * x * x / 15; });
    const double gapX2 =
        overGap([alpha](double x) { return 2 * alpha * x * x * x / 3 + x * x * x * x / 20; });
    const double gapY2 =
        overGap([alpha](double x) { return 5.0 / 3 * std::pow(alpha + x / 10, 4); });
    const double area = b * h - gapArea;
    const double z0 = (b * h * b / 2 - gapFirst) / area;
    const double ix = b * h * h * h / 12 - gapY2;
    const double iy = h * b * b * b / 3 - gapX2 - area * z0 * z0;
    // The mean flange thickness is t, so the plates give the area.
    EXPECT_NEAR(area, h * tw + 2 * t * (b - tw), 1e-9);

    const ChannelProps p = ComputeChannel({h, b, tw, t, 0, 0});
    EXPECT_NEAR(p.area, area / 1e2, 1e-12 * area);
    EXPECT_NEAR(p.z0, z0 / 10, 1e-12);
    EXPECT_NEAR(p.ix, ix / 1e4, 1e-10 * p.ix);
    EXPECT_NEAR(p.iy, iy / 1e4, 1e-10 * p.iy);
    EXPECT_NEAR(p.wx, p.ix / (h / 20), 1e-9 * p.wx);
    EXPECT_NEAR(p.wy, p.iy / (b / 10 - p.z0), 1e-9 * p.wy);
    EXPECT_NEAR(p.ry, std::sqrt(p.iy / p.area), 1e-12);
}

TEST(HotRolledGeometryTest, ChannelRootFilletsAddAndToeRoundingsRemoveTheirSpandrels) {
    // Both corners are 90 deg + atan(1/10); each spandrel is (cot(phi/2) - (pi - phi)/2) r^2. (The
    // standard's area shortcut takes 0.349 for the pair where the shape gives 0.339.)
    const double phi = kPi / 2 + std::atan(1.0 / 10);
    const double k = 1 / std::tan(phi / 2) - (kPi - phi) / 2;
    const ChannelProps c20a = ComputeChannel({200, 73, 7, 11, 11, 5.5});
    const double hand = (200 * 7 + 2 * 11 * (73 - 7) + 2 * k * (11 * 11 - 5.5 * 5.5)) / 1e2;
    EXPECT_NEAR(c20a.area, hand, 1e-12 * hand);
    EXPECT_NEAR(2 * k, 0.339, 5e-4);
    // Material added at the root and taken off the toes moves the centroid towards the web.
    EXPECT_LT(c20a.z0, ComputeChannel({200, 73, 7, 11, 0, 0}).z0);
}

TEST(HotRolledGeometryTest, EqualAngleAreaAndPrincipalAxes) {
    const EqualAngleProps p = ComputeEqualAngle({100, 10, 12});
    const double r1 = 10.0 / 3;
    EXPECT_NEAR(p.area, (10 * 190 + (1 - kPi / 4) * (144 - 2 * r1 * r1)) / 1e2, 1e-12);
    // The axis of symmetry is a principal axis; the two principal moments sum to 2 Ix.
    EXPECT_NEAR(p.ix0 + p.iy0, 2 * p.ix, 1e-9);
    EXPECT_GT(p.ix0, p.ix);
    EXPECT_NEAR(p.ix1, p.ix + p.area * p.z0 * p.z0, 1e-9);
    EXPECT_NEAR(p.wx0, p.ix0 * kSqrt2 / 10, 1e-9);
}

TEST(HotRolledGeometryTest, RoundsAsTheTablesPrint) {
    EXPECT_EQ(RoundTabulated(291656.75, Significant(3)), 292000.0);
    EXPECT_EQ(RoundTabulated(26.74997, Significant(3)), 26.7);
    EXPECT_EQ(RoundTabulated(267.44991, Significant(4)), 267.4);
    EXPECT_EQ(RoundTabulated(64.27752, Decimals(2)), 64.28);
    EXPECT_EQ(RoundTabulated(9.64022, Decimals(1)), 9.6);
    EXPECT_EQ(RoundTabulated(245.084, Decimals(0)), 245.0);
    EXPECT_EQ(RoundTabulated(0.0, Significant(3)), 0.0);
    EXPECT_EQ(HalfUnit(292000, Significant(3)), 500.0);
    EXPECT_EQ(HalfUnit(33.0, Significant(3)), 0.05);
    EXPECT_EQ(HalfUnit(0.889, Decimals(3)), 0.0005);
    EXPECT_EQ(HalfUnit(102339, Decimals(0)), 0.5);
    EXPECT_EQ(MassPerMetre(21.90), 0.785 * 21.90);
}

// ---------------------------------------------------------------------------------------------
// Rolled H: H, B, t1, t2, r, A, mass, Ix, Iy, ix, iy, Wx, Wy.

constexpr Rounding kHRounding[] = {Decimals(1),    Decimals(1),    Decimals(1),    Decimals(1),
                                   Decimals(1),    Significant(4), Significant(3), Significant(3),
                                   Significant(3), Significant(3), Significant(3), Significant(3),
                                   Significant(3)};

constexpr PrintedFigure kHPrinted[] = {
    {"HW294x302", 11, 1160}, // Wx
    {"HW300x305", 8, 7100},  // Iy
    {"HM244x175", 8, 985},   // Iy
};

Figure HFigure(const SectionTableRecord& r, std::size_t c) {
    return c < 5 ? Exact(r.values[c]) : Figure{r.values[c], HalfUnit(r.values[c], kHRounding[c])};
}

TEST(HotRolledHTableTest, RecordsInCatalogueOrder) {
    ExpectRecordsInOrder(HotRolledHTable(), kHNames, 13);
}

TEST(HotRolledHTableTest, NamesGiveDepthAndFlangeWidth) {
    for (const SectionTableRecord& r : HotRolledHTable()) {
        const std::string_view name = r.name;
        const std::size_t x = name.find('x');
        ASSERT_NE(x, std::string_view::npos) << name;
        // The catalogue's "HN729x300" is the 792 x 300 section; no 729 size is rolled.
        const double depth = name == "HN729x300" ? 792 : LeadingNumber(name.substr(2));
        EXPECT_EQ(r.values[0], depth) << name;
        EXPECT_EQ(r.values[1], LeadingNumber(name.substr(x + 1))) << name;
    }
}

TEST(HotRolledHTableTest, TellingRows) {
    const SectionTableRecord* hw100 = FindRecord(HotRolledHTable(), "HW100x100");
    ASSERT_NE(hw100, nullptr);
    EXPECT_EQ(ValuesOf(*hw100), (std::vector<double>{100, 100, 6, 8, 10, 21.9, 17.2, 383, 134, 4.18,
                                                     2.47, 76.5, 26.7}));
    const SectionTableRecord* hn800 = FindRecord(HotRolledHTable(), "HN800x300");
    ASSERT_NE(hn800, nullptr);
    EXPECT_EQ(ValuesOf(*hn800), (std::vector<double>{800, 300, 14, 26, 28, 267.4, 210, 292000,
                                                     11700, 33.0, 6.62, 7290, 782}));
    const SectionTableRecord* hw200 = FindRecord(HotRolledHTable(), "HW200x200");
    ASSERT_NE(hw200, nullptr);
    EXPECT_EQ(hw200->count, 13);
    EXPECT_EQ(std::vector<double>(hw200->values, hw200->values + 6),
              (std::vector<double>{200, 200, 8, 12, 16, 64.28}));
    const SectionTableRecord* hn792 = FindRecord(HotRolledHTable(), "HN729x300");
    ASSERT_NE(hn792, nullptr);
    EXPECT_EQ(std::vector<double>(hn792->values, hn792->values + 4),
              (std::vector<double>{792, 300, 14, 22}));
}

TEST(HotRolledHTableTest, EveryRowFollowsFromItsDimensions) {
    for (const SectionTableRecord& r : HotRolledHTable()) {
        const double* v = r.values;
        const RolledHProps p = ComputeRolledH({v[0], v[1], v[2], v[3], v[4]});
        ExpectDerived(r, 5, p.area, kHRounding[5], kHPrinted);
        ExpectDerived(r, 6, MassPerMetre(v[5]), kHRounding[6], kHPrinted); // from the printed A
        ExpectDerived(r, 7, p.ix, kHRounding[7], kHPrinted);
        ExpectDerived(r, 8, p.iy, kHRounding[8], kHPrinted);
        ExpectDerived(r, 9, p.rx, kHRounding[9], kHPrinted);
        ExpectDerived(r, 10, p.ry, kHRounding[10], kHPrinted);
        ExpectDerived(r, 11, p.wx, kHRounding[11], kHPrinted);
        ExpectDerived(r, 12, p.wy, kHRounding[12], kHPrinted);
    }
}

TEST(HotRolledHTableTest, ColumnsAgreeWithinPrintedRounding) {
    for (const SectionTableRecord& r : HotRolledHTable()) {
        const double* v = r.values;
        auto f = [&r](std::size_t c) { return HFigure(r, c); };
        const double plates =
            (2 * v[1] * v[3] + (v[0] - 2 * v[3]) * v[2] + (4 - kPi) * v[4] * v[4]) / 1e2;
        EXPECT_TRUE(AgreesWithinRounding<0>(f(5), [plates](auto) { return plates; }, {}))
            << r.name << " A";
        EXPECT_TRUE(AgreesWithinRounding<1>(f(6), [](auto x) { return 0.785 * x[0]; }, {f(5)}))
            << r.name << " mass";
        auto radius = [](auto x) { return std::sqrt(x[0] / x[1]); };
        EXPECT_TRUE(AgreesWithinRounding<2>(f(9), radius, {f(7), f(5)})) << r.name << " ix";
        EXPECT_TRUE(AgreesWithinRounding<2>(f(10), radius, {f(8), f(5)})) << r.name << " iy";
        const double halfDepth = v[0] / 20; // cm
        const double halfWidth = v[1] / 20;
        EXPECT_TRUE(AgreesWithinRounding<1>(f(11), [halfDepth](auto x) { return x[0] / halfDepth; },
                                            {f(7)}))
            << r.name << " Wx";
        EXPECT_TRUE(AgreesWithinRounding<1>(f(12), [halfWidth](auto x) { return x[0] / halfWidth; },
                                            {f(8)}))
            << r.name << " Wy";
    }
}

// ---------------------------------------------------------------------------------------------
// I-beams: h, b, tw, t, A, mass, Ix, Wx, ix, Iy, Wy, iy.

constexpr Rounding kIRounding[] = {Decimals(1), Decimals(1), Decimals(1), Decimals(1),
                                   Decimals(2), Decimals(2), Decimals(0), Decimals(1),
                                   Decimals(2), Decimals(1), Decimals(1), Decimals(2)};

Figure IFigure(const SectionTableRecord& r, std::size_t c) {
    return c < 4 ? Exact(r.values[c]) : Figure{r.values[c], HalfUnit(r.values[c], kIRounding[c])};
}

TEST(IBeamTableTest, RecordsInCatalogueOrder) {
    ExpectRecordsInOrder(IBeamTable(), kIBeamNames, 12);
    const auto radii = IBeamRadiiTable();
    ASSERT_EQ(radii.size(), kIBeamNames.size());
    for (std::size_t i = 0; i < radii.size(); ++i) {
        EXPECT_EQ(std::string_view(radii[i].name), kIBeamNames[i]);
        // The tip rounding is about half the root radius throughout GB 706.
        EXPECT_NEAR(radii[i].r1, radii[i].r / 2, 0.051) << radii[i].name;
    }
}

TEST(IBeamTableTest, NamesGiveDepth) {
    for (const SectionTableRecord& r : IBeamTable()) {
        EXPECT_DOUBLE_EQ(r.values[0], 10 * LeadingNumber(std::string_view(r.name).substr(1)))
            << r.name;
    }
}

TEST(IBeamTableTest, TellingRow) {
    const SectionTableRecord* i10 = FindRecord(IBeamTable(), "I10");
    ASSERT_NE(i10, nullptr);
    EXPECT_EQ(ValuesOf(*i10), (std::vector<double>{100, 68, 4.5, 7.6, 14.33, 11.25, 245, 49.0, 4.14,
                                                   32.8, 9.6, 1.51}));
}

TEST(IBeamTableTest, EveryRowFollowsFromItsDimensions) {
    const auto radii = IBeamRadiiTable();
    const auto table = IBeamTable();
    ASSERT_EQ(radii.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SectionTableRecord& r = table[i];
        const double* v = r.values;
        const IBeamProps p = ComputeIBeam({v[0], v[1], v[2], v[3], radii[i].r, radii[i].r1});
        ExpectDerived(r, 4, p.area, kIRounding[4], {});
        ExpectDerived(r, 5, MassPerMetre(v[4]), kIRounding[5], {});
        ExpectDerived(r, 6, p.ix, kIRounding[6], {});
        ExpectDerived(r, 7, p.wx, kIRounding[7], {});
        ExpectDerived(r, 8, p.rx, kIRounding[8], {});
        ExpectDerived(r, 9, p.iy, kIRounding[9], {});
        ExpectDerived(r, 10, p.wy, kIRounding[10], {});
        ExpectDerived(r, 11, p.ry, kIRounding[11], {});
    }
}

TEST(IBeamTableTest, ColumnsAgreeWithinPrintedRounding) {
    for (const SectionTableRecord& r : IBeamTable()) {
        const double* v = r.values;
        auto f = [&r](std::size_t c) { return IFigure(r, c); };
        // Plates with the mean flange thickness: the fillets and tip roundings add a little.
        const double plates = (v[0] * v[2] + 2 * v[3] * (v[1] - v[2])) / 1e2;
        EXPECT_GT(v[4], plates) << r.name;
        EXPECT_LT(v[4], plates * 1.02) << r.name;
        EXPECT_TRUE(AgreesWithinRounding<1>(f(5), [](auto x) { return 0.785 * x[0]; }, {f(4)}))
            << r.name << " mass";
        auto radius = [](auto x) { return std::sqrt(x[0] / x[1]); };
        EXPECT_TRUE(AgreesWithinRounding<2>(f(8), radius, {f(6), f(4)})) << r.name << " ix";
        EXPECT_TRUE(AgreesWithinRounding<2>(f(11), radius, {f(9), f(4)})) << r.name << " iy";
        const double halfDepth = v[0] / 20;
        const double halfWidth = v[1] / 20;
        EXPECT_TRUE(
            AgreesWithinRounding<1>(f(7), [halfDepth](auto x) { return x[0] / halfDepth; }, {f(6)}))
            << r.name << " Wx";
        EXPECT_TRUE(AgreesWithinRounding<1>(f(10), [halfWidth](auto x) { return x[0] / halfWidth; },
                                            {f(9)}))
            << r.name << " Wy";
    }
}

// ---------------------------------------------------------------------------------------------
// Channels: h, b, tw, t, A, mass, Ix, Wx, ix (mm), Iy, Wy, iy (mm). Printed figures of mixed
// precision, each taken to be exact to its last written digit. Every figure is written to at least
// one decimal place in the units held, so a whole number such as Iy 455.0 keeps its tenth.

Figure PrintedAsWritten(double value) {
    double scale = 10;
    for (int decimals = 1; decimals < 6; ++decimals, scale *= 10) {
        const double scaled = value * scale;
        if (std::fabs(scaled - std::round(scaled)) < 1e-6) {
            return {value, 0.5 / scale};
        }
    }
    return {value, 0.5 / scale};
}

// Centroid distance z0 (cm, from the back of the web) as GB 707 prints it, in table order; the
// record does not carry it but Wy = Iy/(b - z0) needs it. The standard divided by the printed z0
// itself (槽5's Wy 3.53192 is 8.3/(3.7 - 1.35) to the digit), so it enters that relation exact.
constexpr double kChannelZ0[] = {1.35,  1.36,  1.43,  1.52,  1.59,  1.71,  1.67,  1.80,
                                 1.75,  1.88,  1.84,  2.01,  1.95,  2.10,  2.03,  2.065,
                                 1.982, 1.921, 2.097, 2.016, 1.951, 2.242, 2.158, 2.092,
                                 2.44,  2.37,  2.34,  2.49,  2.44,  2.42};

// 槽5 keeps the area its callers have always been given, 6.92 (printed 6.928).
constexpr PrintedFigure kChannelPrinted[] = {{"槽5", 4, 6.92}};

// The standard's columns were not all worked from the same rounded figures: beyond their printed
// rounding its radii agree with the row's other figures to 0.03 %, Wx = Ix/(h/2) to 1e-5 and
// Wy = Iy/(b - z0) to 5e-5, except these figures, kept as printed, which stray by up to the given
// fraction.
constexpr double kChannelRadiusSlack = 0.0003;
constexpr double kChannelWxSlack = 1e-5;
constexpr double kChannelWySlack = 5e-5;

double UsualChannelSlack(std::size_t column) {
    switch (column) {
    case 7:
        return kChannelWxSlack;
    case 10:
        return kChannelWySlack;
    default:
        return kChannelRadiusSlack;
    }
}

struct LooseFigure {
    std::string_view name;
    std::size_t column;
    double slack;
};
constexpr LooseFigure kChannelLoose[] = {
    {"槽10", 11, 0.0006},  // iy 1.41 cm; sqrt(Iy/A) = 1.417
    {"槽12.6", 8, 0.01},   // ix 4.953 cm; sqrt(Ix/A) = 4.995
    {"槽12.6", 11, 0.01},  // iy 1.567 cm; sqrt(Iy/A) = 1.556
    {"槽25a", 7, 0.0002},  // Wx 269.597; Ix/(h/2) = 269.570
    {"槽25b", 10, 0.0006}, // Wy 32.657; Iy/(b - z0) = 32.639
    {"槽25c", 10, 0.035},  // Wy 35.926; Iy/(b - z0) = 34.79
    {"槽28c", 10, 0.002},  // Wy 40.301; 40.25
    {"槽32a", 8, 0.002},   {"槽32a", 11, 0.002}, {"槽32b", 8, 0.002},
    {"槽32b", 11, 0.002},  {"槽32c", 8, 0.002},  {"槽32c", 11, 0.002},
};

const LooseFigure* FindLoose(std::string_view name, std::size_t column) {
    for (const LooseFigure& l : kChannelLoose) {
        if (l.name == name && l.column == column) {
            return &l;
        }
    }
    return nullptr;
}

TEST(ChannelTableTest, RecordsInCatalogueOrder) {
    ExpectRecordsInOrder(ChannelTable(), kChannelNames, 12);
    EXPECT_EQ(std::size(kChannelZ0), kChannelNames.size());
}

TEST(ChannelTableTest, NamesGiveDepth) {
    const std::string_view prefix = "槽";
    for (const SectionTableRecord& r : ChannelTable()) {
        const std::string_view name = r.name;
        ASSERT_EQ(name.substr(0, prefix.size()), prefix);
        EXPECT_DOUBLE_EQ(r.values[0], 10 * LeadingNumber(name.substr(prefix.size()))) << name;
    }
}

TEST(ChannelTableTest, TellingRow) {
    const SectionTableRecord* c5 = FindRecord(ChannelTable(), "槽5");
    ASSERT_NE(c5, nullptr);
    EXPECT_EQ(ValuesOf(*c5), (std::vector<double>{50, 37, 4.5, 7, 6.92, 5.438, 26.0, 10.4, 19.4,
                                                  8.3, 3.53192, 11.0}));
}

TEST(ChannelTableTest, AreaAndMassAsTheStandardWorksThem) {
    for (const SectionTableRecord& r : ChannelTable()) {
        const double* v = r.values;
        // GB 707 rolls every channel with r = t and r1 = t/2.
        const double area = ChannelTabulatedArea(v[0], v[1], v[2], v[3], v[3], v[3] / 2);
        ExpectDerived(r, 4, area, Decimals(3), kChannelPrinted);
        ExpectDerived(r, 5, MassPerMetre(RoundTabulated(area, Decimals(3))), Decimals(3),
                      kChannelPrinted);
    }
}

TEST(ChannelTableTest, ColumnsAgreeWithinPrintedRounding) {
    const auto table = ChannelTable();
    ASSERT_EQ(table.size(), std::size(kChannelZ0));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SectionTableRecord& r = table[i];
        const double* v = r.values;
        auto f = [&r](std::size_t c) { return PrintedAsWritten(r.values[c]); };
        const Figure z0 = Exact(kChannelZ0[i]);
        // Each relation within the rounding and the usual slack; a loose figure within its own
        // slack but not the usual one.
        auto check = [&r](std::size_t column, auto agreesWithin) {
            const double usual = UsualChannelSlack(column);
            if (const LooseFigure* loose = FindLoose(r.name, column)) {
                EXPECT_TRUE(agreesWithin(loose->slack)) << r.name << " column " << column;
                EXPECT_FALSE(agreesWithin(usual))
                    << r.name << " column " << column << " is no longer loose";
            } else {
                EXPECT_TRUE(agreesWithin(usual)) << r.name << " column " << column;
            }
        };
        auto radiusMm = [](auto x) { return 10 * std::sqrt(x[0] / x[1]); };
        const double halfDepth = v[0] / 20;
        const double width = v[1] / 10;
        check(8, [&](double slack) {
            return AgreesWithinRounding<2>(f(8), radiusMm, {f(6), f(4)}, slack);
        });
        check(11, [&](double slack) {
            return AgreesWithinRounding<2>(f(11), radiusMm, {f(9), f(4)}, slack);
        });
        check(7, [&](double slack) {
            return AgreesWithinRounding<1>(
                f(7), [halfDepth](auto x) { return x[0] / halfDepth; }, {f(6)}, slack);
        });
        check(10, [&](double slack) {
            return AgreesWithinRounding<2>(
                f(10), [width](auto x) { return x[0] / (width - x[1]); }, {f(9), z0}, slack);
        });
        // z0 lies between the web's half thickness and half the flange width.
        EXPECT_GT(kChannelZ0[i], v[2] / 20) << r.name;
        EXPECT_LT(kChannelZ0[i], width / 2) << r.name;
    }
}

// The standard worked the moments of most channels from the rolled shape (ComputeChannel with
// r = t and r1 = t/2): beyond the printed rounding their Ix lie within 1.2e-5 of the shape's, Iy
// within 3.5e-4 and the printed z0 within 0.0055 cm; the tolerances leave a little room over that.
// These rows it worked otherwise: their Ix lie 0.2 % to 5 % off the shape (and the c sections'
// Iy up to 2.5 % above it). Their figures are the standard's own and stay as printed.
constexpr std::string_view kChannelOffShape[] = {"槽6.3", "槽12.6", "槽25a", "槽25b",
                                                 "槽25c", "槽28a",  "槽28b", "槽28c",
                                                 "槽32a", "槽32b",  "槽32c"};
constexpr double kShapeIxTolerance = 2e-5;
constexpr double kShapeIyTolerance = 5e-4;
constexpr double kShapeZ0Tolerance = 0.006; // cm

TEST(ChannelTableTest, MomentsFollowTheRolledShape) {
    const auto table = ChannelTable();
    ASSERT_EQ(table.size(), std::size(kChannelZ0));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SectionTableRecord& r = table[i];
        const double* v = r.values;
        const ChannelProps p = ComputeChannel({v[0], v[1], v[2], v[3], v[3], v[3] / 2});
        if (std::find(std::begin(kChannelOffShape), std::end(kChannelOffShape), r.name) !=
            std::end(kChannelOffShape)) {
            EXPECT_GT(std::fabs(v[6] / p.ix - 1), 0.0015) << r.name << " now follows the shape";
            continue;
        }
        const Figure ix = PrintedAsWritten(v[6]);
        EXPECT_LE(std::fabs(ix.value - p.ix), ix.half + kShapeIxTolerance * p.ix)
            << r.name << " Ix " << ix.value << ", shape " << p.ix;
        const Figure iy = PrintedAsWritten(v[9]);
        EXPECT_LE(std::fabs(iy.value - p.iy), iy.half + kShapeIyTolerance * p.iy)
            << r.name << " Iy " << iy.value << ", shape " << p.iy;
        EXPECT_NEAR(kChannelZ0[i], p.z0, kShapeZ0Tolerance) << r.name << " z0";
    }
}

// Within a series (same depth, flange thickness and outstand) a thicker web moves the flanges out
// by what it adds, so Ix grows by exactly a strip of that width over the full depth, dtw*h^3/12,
// whatever the fillets. The standard keeps to this, except that its 槽25b and 槽25c each fall
// 100 cm4 short of the step before (3530.04 and 3690.45 where the strip gives 3630.04 and
// 3890.45, their Wx and ix worked from the short figures): kept as printed.
struct StepShortfall {
    std::string_view name;
    double cm4;
};
constexpr StepShortfall kChannelStepShortfall[] = {{"槽25b", 100}, {"槽25c", 100}};

TEST(ChannelTableTest, ThickerWebAddsItsStripToIx) {
    const auto table = ChannelTable();
    int steps = 0;
    for (std::size_t i = 1; i < table.size(); ++i) {
        const double* from = table[i - 1].values;
        const double* to = table[i].values;
        if (from[0] != to[0]) {
            continue;
        }
        const std::string_view name = table[i].name;
        EXPECT_EQ(to[3], from[3]) << name << " flange thickness";
        EXPECT_DOUBLE_EQ(to[1] - to[2], from[1] - from[2]) << name << " outstand";
        double shortfall = 0;
        for (const StepShortfall& s : kChannelStepShortfall) {
            shortfall += s.name == name ? s.cm4 : 0;
        }
        const double strip = (to[2] - from[2]) * to[0] * to[0] * to[0] / 12 / 1e4;
        const Figure a = PrintedAsWritten(from[6]);
        const Figure b = PrintedAsWritten(to[6]);
        EXPECT_LE(std::fabs(b.value - a.value - (strip - shortfall)), a.half + b.half + 1e-9)
            << name << " Ix " << b.value << " after " << a.value << ", strip " << strip;
        ++steps;
    }
    EXPECT_EQ(steps, 15);
}

// ---------------------------------------------------------------------------------------------
// Equal angles: b, d, r, A, mass, Ix, ix, Wx (tip), Wx (heel), Ix0, ix0, Wx0, Iy0, iy0,
// Wy0 (heel), Wy0 (toes), Ix1, z0.

Rounding AngleRounding(std::size_t c) {
    return c == 3 || c == 4 ? Decimals(3) : Decimals(2);
}

constexpr PrintedFigure kAnglePrinted[] = {
    {"L30X4", 4, 1.786},  {"L36X5", 4, 2.654},   {"L40X4", 4, 2.422},
    {"L40X5", 3, 3.791},  {"L40X5", 4, 2.976},   {"L45X4", 4, 2.736},
    {"L100X6", 4, 9.366}, {"L110X7", 4, 11.928}, {"L180X18", 4, 48.634},
};

Figure AngleFigure(const SectionTableRecord& r, std::size_t c) {
    return c < 3 ? Exact(r.values[c])
                 : Figure{r.values[c], HalfUnit(r.values[c], AngleRounding(c))};
}

TEST(EqualAngleTableTest, RecordsInCatalogueOrder) {
    ExpectRecordsInOrder(EqualAngleTable(), kAngleNames, 18);
}

TEST(EqualAngleTableTest, NamesGiveLegAndThickness) {
    for (const SectionTableRecord& r : EqualAngleTable()) {
        const std::string_view name = r.name;
        const std::size_t x = name.find('X');
        ASSERT_EQ(name[0], 'L');
        ASSERT_NE(x, std::string_view::npos) << name;
        EXPECT_EQ(r.values[0], LeadingNumber(name.substr(1))) << name;
        EXPECT_EQ(r.values[1], LeadingNumber(name.substr(x + 1))) << name;
    }
}

TEST(EqualAngleTableTest, TellingRow) {
    const SectionTableRecord* l100 = FindRecord(EqualAngleTable(), "L100X10");
    ASSERT_NE(l100, nullptr);
    EXPECT_EQ(ValuesOf(*l100),
              (std::vector<double>{100, 10, 12, 19.261, 15.12, 179.51, 3.05, 25.06, 63.29, 284.68,
                                   3.84, 40.26, 74.35, 1.96, 18.54, 20.49, 334.48, 2.84}));
}

TEST(EqualAngleTableTest, EveryRowFollowsFromItsDimensions) {
    for (const SectionTableRecord& r : EqualAngleTable()) {
        const double* v = r.values;
        const EqualAngleProps p = ComputeEqualAngle({v[0], v[1], v[2]});
        const double exact[] = {p.area,   MassPerMetre(p.area),
                                p.ix,     p.rx,
                                p.wxTip,  p.wxHeel,
                                p.ix0,    p.rx0,
                                p.wx0,    p.iy0,
                                p.ry0,    p.wy0Heel,
                                p.wy0Toe, p.ix1,
                                p.z0};
        for (std::size_t c = 3; c < 18; ++c) {
            ExpectDerived(r, c, exact[c - 3], AngleRounding(c), kAnglePrinted);
        }
    }
}

TEST(EqualAngleTableTest, ColumnsAgreeWithinPrintedRounding) {
    for (const SectionTableRecord& r : EqualAngleTable()) {
        const double* v = r.values;
        auto f = [&r](std::size_t c) { return AngleFigure(r, c); };
        const double b = v[0] / 10; // cm
        const double d = v[1] / 10;
        const double r1 = d / 3;
        // The shape's area; L40X5 keeps its printed 3.791 (3.7917 by the shape).
        EXPECT_TRUE(FindPrinted(kAnglePrinted, r.name, 3) != nullptr ||
                    AgreesWithinRounding<0>(f(3),
                                            [&](auto) {
                                                return d * (2 * b - d) +
                                                       (1 - kPi / 4) *
                                                           (v[2] * v[2] / 100 - 2 * r1 * r1);
                                            },
                                            {}))
            << r.name << " A";
        EXPECT_TRUE(AgreesWithinRounding<1>(f(4), [](auto x) { return 0.785 * x[0]; }, {f(3)}))
            << r.name << " mass";
        auto radius = [](auto x) { return std::sqrt(x[0] / x[1]); };
        EXPECT_TRUE(AgreesWithinRounding<2>(f(6), radius, {f(5), f(3)})) << r.name << " ix";
        EXPECT_TRUE(AgreesWithinRounding<2>(f(10), radius, {f(9), f(3)})) << r.name << " ix0";
        EXPECT_TRUE(AgreesWithinRounding<2>(f(13), radius, {f(12), f(3)})) << r.name << " iy0";
        EXPECT_TRUE(
            AgreesWithinRounding<2>(f(7), [b](auto x) { return x[0] / (b - x[1]); }, {f(5), f(17)}))
            << r.name << " Wx to the tip";
        EXPECT_TRUE(
            AgreesWithinRounding<2>(f(8), [](auto x) { return x[0] / x[1]; }, {f(5), f(17)}))
            << r.name << " Wx to the heel";
        const Figure principalSum{v[9] + v[12], f(9).half + f(12).half};
        EXPECT_TRUE(AgreesWithinRounding<1>(principalSum, [](auto x) { return 2 * x[0]; }, {f(5)}))
            << r.name << " Ix0 + Iy0";
        EXPECT_TRUE(
            AgreesWithinRounding<1>(f(11), [b](auto x) { return x[0] / (b / kSqrt2); }, {f(9)}))
            << r.name << " Wx0";
        EXPECT_TRUE(AgreesWithinRounding<2>(f(14), [](auto x) { return x[0] / (kSqrt2 * x[1]); },
                                            {f(12), f(17)}))
            << r.name << " Wy0 to the heel";
        const double toeReach = b + d - (2 - kSqrt2) * r1;
        EXPECT_TRUE(AgreesWithinRounding<2>(
            f(15), [toeReach](auto x) { return x[0] / ((toeReach - 2 * x[1]) / kSqrt2); },
            {f(12), f(17)}))
            << r.name << " Wy0 to the toes";
        EXPECT_TRUE(AgreesWithinRounding<3>(f(16), [](auto x) { return x[0] + x[1] * x[2] * x[2]; },
                                            {f(5), f(3), f(17)}))
            << r.name << " Ix1";
    }
}

} // namespace
} // namespace profilux
