// Integrity of the cold-formed and light H tables. Every stored row is derived again from the
// dimensions in its name and compared column by column with the stored, rounded value; the few
// printed values that the derivation does not reproduce are listed explicitly. Independently of
// the derivation, the columns of every row must agree with each other within their printed
// rounding (mass and area, radius of gyration and second moment, modulus and extreme fibre, ...).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "sections/tables/SectionTable.h"
#include "tests/sections/geometry/ColdFormedGeometry.h"

namespace profilux {
namespace {

using Columns = std::vector<double>;

template <std::size_t N> Columns ToVector(const std::array<double, N>& a) {
    return Columns(a.begin(), a.end());
}

struct ColdFamily {
    const char* label;
    std::span<const SectionTableRecord> (*table)();
    std::string prefix; // the name's family text before the dimensions
    std::size_t dimensions;
    std::function<Columns(const Columns&)> derive;
    std::vector<int> decimals;
    // Printed values the derivation does not reproduce: name -> columns.
    std::map<std::string, std::set<int>> printed;
};

void PrintTo(const ColdFamily& f, std::ostream* os) {
    *os << f.label;
}

std::vector<ColdFamily> Families() {
    return {
        {"CFC",
         CFChannelTable,
         "薄槽",
         3,
         [](const Columns& d) { return ToVector(DerivePlainChannel(d[0], d[1], d[2])); },
         {kPlainChannelDecimals.begin(), kPlainChannelDecimals.end()},
         // Ix is printed 14.38 although ix and Wx follow from 14.68; Iy (2.39496 derived), iy, k
         // and Wω1 are one digit off.
         {{"薄槽60x30x2.5", {6, 9, 10, 17, 18}}}},
        {"CFRC",
         CFLippedChannelTable,
         "卷槽",
         4,
         [](const Columns& d) { return ToVector(DeriveLippedChannel(d[0], d[1], d[2], d[3])); },
         {kLippedChannelDecimals.begin(), kLippedChannelDecimals.end()},
         {{"卷槽80x40x15x2.0", {15, 17, 18, 19, 20}}}},
        {"CFRZ",
         CFLippedZTable,
         "卷Z",
         4,
         [](const Columns& d) { return ToVector(DeriveLippedZ(d[0], d[1], d[2], d[3])); },
         {kLippedZDecimals.begin(), kLippedZDecimals.end()},
         {{"卷Z100x40x20x2.0", {6, 13, 15, 16, 17, 19, 20, 21, 23, 24, 25, 26}}}},
        {"SquareTube",
         SquareTubeTable,
         "方钢管",
         2,
         [](const Columns& d) { return ToVector(DeriveSquareTube(d[0], d[1])); },
         {kSquareTubeDecimals.begin(), kSquareTubeDecimals.end()},
         {{"方钢管25x1.5", {4}}}},
        {"LightH",
         LightHTable,
         "大通H",
         4,
         [](const Columns& d) { return ToVector(DeriveLightH(d[0], d[1], d[2], d[3])); },
         {kLightHDecimals.begin(), kLightHDecimals.end()},
         {}},
    };
}

// "卷槽80x40x15x2.0" with prefix "卷槽" -> {80, 40, 15, 2.0}.
Columns DimensionsOf(const std::string& name, const std::string& prefix) {
    Columns dims;
    if (name.compare(0, prefix.size(), prefix) != 0) {
        return dims;
    }
    std::string rest = name.substr(prefix.size());
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = rest.find('x', start);
        const std::string part = rest.substr(start, end - start);
        std::size_t used = 0;
        dims.push_back(std::stod(part, &used));
        if (used != part.size()) {
            return {};
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return dims;
}

class ColdFamilyTest : public ::testing::TestWithParam<ColdFamily> {};

TEST_P(ColdFamilyTest, DimensionsMatchTheName) {
    const ColdFamily& f = GetParam();
    for (const SectionTableRecord& r : f.table()) {
        const Columns dims = DimensionsOf(r.name, f.prefix);
        ASSERT_EQ(dims.size(), f.dimensions) << r.name;
        for (std::size_t i = 0; i < dims.size(); ++i) {
            EXPECT_EQ(r.values[i], dims[i]) << r.name << " dimension " << i;
        }
    }
}

TEST_P(ColdFamilyTest, EveryStoredValueIsTheRoundedDerivation) {
    const ColdFamily& f = GetParam();
    std::size_t rowsWithPrintedValues = 0;
    for (const SectionTableRecord& r : f.table()) {
        const Columns derived = f.derive(DimensionsOf(r.name, f.prefix));
        ASSERT_EQ(derived.size(), static_cast<std::size_t>(r.count)) << r.name;
        const auto printed = f.printed.find(r.name);
        rowsWithPrintedValues += printed != f.printed.end();
        for (std::size_t i = 0; i < derived.size(); ++i) {
            const double rounded = RoundToDecimals(derived[i], f.decimals[i]);
            if (printed != f.printed.end() && printed->second.count(static_cast<int>(i))) {
                // Listed as a printed value: it must really differ, or the list is stale.
                EXPECT_NE(r.values[i], rounded) << r.name << " column " << i;
            } else {
                EXPECT_EQ(r.values[i], rounded)
                    << r.name << " column " << i << " derived " << derived[i];
            }
        }
    }
    EXPECT_EQ(rowsWithPrintedValues, f.printed.size()) << "a listed row is missing";
}

INSTANTIATE_TEST_SUITE_P(Tables, ColdFamilyTest, ::testing::ValuesIn(Families()),
                         [](const auto& info) { return std::string(info.param.label); });

// The derivations on their own reproduce the published columns of the telling rows.
struct TellingDerivation {
    const char* label;
    Columns derived;
    std::vector<int> decimals;
    std::map<int, double> published; // column -> published value
};

void PrintTo(const TellingDerivation& t, std::ostream* os) {
    *os << t.label;
}

std::vector<TellingDerivation> TellingDerivations() {
    auto v = [](const auto& a) { return Columns(a.begin(), a.end()); };
    auto d = [](const auto& a) { return std::vector<int>(a.begin(), a.end()); };
    return {
        {"PlainChannel60x30x2_5",
         v(DerivePlainChannel(60, 30, 2.5)),
         d(kPlainChannelDecimals),
         {{3, 2.74},
          {4, 2.15},
          {5, 0.883},
          {7, 2.31},
          {8, 4.89},
          {11, 2.71},
          {12, 1.13},
          {13, 4.53},
          {14, 1.88},
          {15, 0.0571},
          {16, 12.21},
          {19, 2.51}}},
        {"LippedChannel80x40x15x2_0",
         v(DeriveLippedChannel(80, 40, 15, 2.0)),
         d(kLippedChannelDecimals),
         {{4, 3.47},
          {5, 2.72},
          {6, 1.452},
          {7, 34.16},
          {8, 3.14},
          {9, 8.54},
          {10, 7.79},
          {11, 1.5},
          {12, 5.36},
          {13, 3.06},
          {14, 15.1},
          {16, 0.0462}}},
        {"LippedZ100x40x20x2_0",
         v(DeriveLippedZ(100, 40, 20, 2.0)),
         d(kLippedZDecimals),
         {{4, 4.07},
          {5, 3.19},
          {7, 60.04},
          {8, 3.84},
          {9, 12.01},
          {10, 17.02},
          {11, 2.05},
          {12, 4.36},
          {14, 4.17},
          {18, 1.25},
          {22, 0.0542}}},
        {"SquareTube25x1_5",
         v(DeriveSquareTube(25, 1.5)),
         d(kSquareTubeDecimals),
         {{2, 1.31}, {3, 1.03}, {5, 0.94}, {6, 0.92}}},
        {"LightH100x50x2_3x3_2",
         v(DeriveLightH(100, 50, 2.3, 3.2)),
         d(kLightHDecimals),
         {{4, 5.35},
          {5, 4.2},
          {6, 90.71},
          {7, 18.14},
          {8, 4.12},
          {9, 6.68},
          {10, 2.67},
          {11, 1.12},
          {12, 146.02},
          {13, 0.147}}},
    };
}

class TellingDerivationTest : public ::testing::TestWithParam<TellingDerivation> {};

TEST_P(TellingDerivationTest, ReproducesThePublishedColumns) {
    const TellingDerivation& t = GetParam();
    for (const auto& [column, value] : t.published) {
        EXPECT_DOUBLE_EQ(RoundToDecimals(t.derived[column], t.decimals[column]), value)
            << "column " << column << " derived " << t.derived[column];
    }
}

INSTANTIATE_TEST_SUITE_P(Geometry, TellingDerivationTest, ::testing::ValuesIn(TellingDerivations()),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ColdFormedGeometry, LightHFollowsThePlateFormulas) {
    // 200 x 100 x 4.5 x 6: clear web 188 mm.
    const auto c = DeriveLightH(200, 100, 4.5, 6);
    const double area = 2 * 100 * 6 + 188 * 4.5;                                 // mm2
    const double ix = (100 * 200.0 * 200 * 200 - 95.5 * 188.0 * 188 * 188) / 12; // mm4
    const double flanges = 2 * 6 * 100.0 * 100 * 100 / 12;
    const double iy = flanges + 188 * 4.5 * 4.5 * 4.5 / 12;
    EXPECT_DOUBLE_EQ(c[4], area / 100);
    EXPECT_DOUBLE_EQ(c[5], 0.785 * area / 100);
    EXPECT_NEAR(c[6], ix / 1e4, 1e-9);
    EXPECT_NEAR(c[7], ix / 1e4 / 10, 1e-9);
    EXPECT_NEAR(c[8], std::sqrt(ix / area) / 10, 1e-12);
    EXPECT_NEAR(c[9], iy / 1e4, 1e-9);
    EXPECT_NEAR(c[10], iy / 1e4 / 5, 1e-9);
    EXPECT_NEAR(c[11], std::sqrt(iy / area) / 10, 1e-12);
    EXPECT_NEAR(c[12], flanges * 188 * 188 / 4 / 1e6, 1e-9);
    EXPECT_NEAR(c[13], (2 * 100 * 216.0 + 188 * 4.5 * 4.5 * 4.5) / 3 / 1e4, 1e-12);
}

TEST(ColdFormedGeometry, SharpCornerLimitOfThePlainChannel) {
    // As the strip gets thin the section approaches the mid-line channel with square corners,
    // whose closed forms are known: Ix = t·h'²(h'/12 + b'/2), shear centre at 3b'²/(h' + 6b')
    // from the web, Iω = t·b'³·h'²(3b' + 2h')/(12(6b' + h')).
    const double h = 100, b = 50, t = 0.01;
    const double hm = h - t, bm = b - t / 2;
    const auto c = DerivePlainChannel(h, b, t);
    const double ix = t * hm * hm * (hm / 12 + bm / 2) / 1e4;
    EXPECT_NEAR(c[6] / ix, 1.0, 1e-3);
    const double x0 = bm * bm / (hm + 2 * bm) + t / 2; // from the back of the web, mm
    EXPECT_NEAR(c[5] * 10 / x0, 1.0, 1e-3);
    const double e = 3 * bm * bm / (hm + 6 * bm); // shear centre from the web mid-line, mm
    EXPECT_NEAR(c[14] * 10 / (e + x0 - t / 2), 1.0, 1e-3);
    const double iw = t * bm * bm * bm * hm * hm * (3 * bm + 2 * hm) / (12 * (6 * bm + hm)) / 1e6;
    EXPECT_NEAR(c[16] / iw, 1.0, 1e-3);
}

TEST(ColdFormedGeometry, RoundsHalfAwayFromZero) {
    EXPECT_DOUBLE_EQ(RoundToDecimals(2.745, 1), 2.7);
    EXPECT_DOUBLE_EQ(RoundToDecimals(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(RoundToDecimals(146.016, 2), 146.02);
    EXPECT_DOUBLE_EQ(RoundToDecimals(99.5, 0), 100.0);
}

// ---- Relations between the columns of each stored row, within the printed rounding ----

// One printed value against a formula of other printed values: the allowance is half a unit of
// the printed value plus the formula's spread when each input moves by half its own unit.
struct Relation {
    const char* what;
    int result;              // column checked
    std::vector<int> inputs; // columns the formula reads
    std::function<double(const std::vector<double>&)> formula;
};

double HalfUnit(int decimals) {
    return 0.5 * std::pow(10.0, -decimals);
}

void ExpectRelation(const SectionTableRecord& r, const std::vector<int>& decimals,
                    const Relation& rel) {
    std::vector<double> x;
    for (int c : rel.inputs) {
        x.push_back(r.values[c]);
    }
    const double value = rel.formula(x);
    double allowance = HalfUnit(decimals[rel.result]);
    for (std::size_t i = 0; i < x.size(); ++i) {
        auto up = x;
        auto down = x;
        up[i] += HalfUnit(decimals[rel.inputs[i]]);
        down[i] -= HalfUnit(decimals[rel.inputs[i]]);
        allowance += std::fabs(rel.formula(up) - rel.formula(down)) / 2;
    }
    EXPECT_LE(std::fabs(r.values[rel.result] - value), allowance * (1 + 1e-9))
        << r.name << ": " << rel.what << " gives " << value << ", stored " << r.values[rel.result];
}

double Sqrt(double v) {
    return std::sqrt(v);
}

struct RelationFamily {
    const char* label;
    std::span<const SectionTableRecord> (*table)();
    std::vector<int> decimals;
    std::vector<Relation> relations;
    // Printed values that break a relation: name -> checked columns.
    std::map<std::string, std::set<int>> printed;
};

void PrintTo(const RelationFamily& f, std::ostream* os) {
    *os << f.label;
}

std::vector<Relation> ChannelRelations(int first) {
    // Column indices of the plain channel shifted by `first` (0 plain, 1 lipped); h at 0, b at 1,
    // t at first + 2.
    const int A = 3 + first, mass = 4 + first, x0 = 5 + first, Ix = 6 + first, ix = 7 + first,
              Wx = 8 + first, Iy = 9 + first, iy = 10 + first, Wymax = 11 + first,
              Wymin = 12 + first, Iy1 = 13 + first, It = 15 + first, Iw = 16 + first,
              k = 17 + first, t = 2 + first;
    return {
        {"mass = 0.785 A", mass, {A}, [](auto v) { return 0.785 * v[0]; }},
        {"ix = sqrt(Ix/A)", ix, {Ix, A}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"iy = sqrt(Iy/A)", iy, {Iy, A}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"Wx = Ix/(h/2)", Wx, {Ix, 0}, [](auto v) { return v[0] / (v[1] / 20); }},
        {"Wymax = Iy/x0", Wymax, {Iy, x0}, [](auto v) { return v[0] / v[1]; }},
        {"Wymin = Iy/(b - x0)",
         Wymin,
         {Iy, 1, x0},
         [](auto v) { return v[0] / (v[1] / 10 - v[2]); }},
        {"Iy1 = Iy + A x0²", Iy1, {Iy, A, x0}, [](auto v) { return v[0] + v[1] * v[2] * v[2]; }},
        {"It = A t²/3", It, {A, t}, [](auto v) { return v[0] * v[1] * v[1] / 300; }},
        {"k = sqrt(G It/(E Iw))",
         k,
         {It, Iw},
         [](auto v) { return Sqrt(kShearToElasticModulus * v[0] / v[1]); }},
    };
}

std::vector<RelationFamily> RelationFamilies() {
    std::vector<Relation> z = {
        {"mass = 0.785 A", 5, {4}, [](auto v) { return 0.785 * v[0]; }},
        {"ix1 = sqrt(Ix1/A)", 8, {7, 4}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"Wx1 = Ix1/(h/2)", 9, {7, 0}, [](auto v) { return v[0] / (v[1] / 20); }},
        {"iy1 = sqrt(Iy1/A)", 11, {10, 4}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"Wy1 = Iy1/(b - t/2)",
         12,
         {10, 1, 3},
         [](auto v) { return v[0] / ((v[1] - v[2] / 2) / 10); }},
        {"ix = sqrt(Ix/A)", 14, {13, 4}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"iy = sqrt(Iy/A)", 18, {17, 4}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"Ix = Ix1 + Iy1 - Iy", 13, {7, 10, 17}, [](auto v) { return v[0] + v[1] - v[2]; }},
        {"Ix - Iy = hypot(Ix1 - Iy1, 2 Ix1y1)",
         13,
         {7, 10, 21},
         [](auto v) { return (v[0] + v[1] + std::hypot(v[0] - v[1], 2 * v[2])) / 2; }},
        {"tan 2θ = 2 Ix1y1/(Ix1 - Iy1)",
         6,
         {7, 10, 21},
         [](auto v) { return 0.5 * std::atan(2 * v[2] / (v[0] - v[1])) * 180 / std::numbers::pi; }},
        {"It = A t²/3", 22, {4, 3}, [](auto v) { return v[0] * v[1] * v[1] / 300; }},
        {"k = sqrt(G It/(E Iw))",
         24,
         {22, 23},
         [](auto v) { return Sqrt(kShearToElasticModulus * v[0] / v[1]); }},
    };
    std::vector<Relation> tube = {
        {"mass = 0.785 A", 3, {2}, [](auto v) { return 0.785 * v[0]; }},
        {"i = sqrt(I/A)", 5, {4, 2}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"W = I/(b/2)", 6, {4, 0}, [](auto v) { return v[0] / (v[1] / 20); }},
    };
    std::vector<Relation> lightH = {
        {"mass = 0.785 A", 5, {4}, [](auto v) { return 0.785 * v[0]; }},
        {"A = 2Bt + (H - 2t)tw",
         4,
         {0, 1, 2, 3},
         [](auto v) { return (2 * v[1] * v[3] + (v[0] - 2 * v[3]) * v[2]) / 100; }},
        {"Wx = Ix/(H/2)", 7, {6, 0}, [](auto v) { return v[0] / (v[1] / 20); }},
        {"ix = sqrt(Ix/A)", 8, {6, 4}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"Wy = Iy/(B/2)", 10, {9, 1}, [](auto v) { return v[0] / (v[1] / 20); }},
        {"iy = sqrt(Iy/A)", 11, {9, 4}, [](auto v) { return Sqrt(v[0] / v[1]); }},
        {"It = (2Bt³ + (H - 2t)tw³)/3",
         13,
         {0, 1, 2, 3},
         [](auto v) {
             return (2 * v[1] * v[3] * v[3] * v[3] + (v[0] - 2 * v[3]) * v[2] * v[2] * v[2]) / 3 /
                    1e4;
         }},
    };
    auto d = [](const auto& a) { return std::vector<int>(a.begin(), a.end()); };
    return {
        {"CFC",
         CFChannelTable,
         d(kPlainChannelDecimals),
         ChannelRelations(0),
         // Printed Ix 14.38 does not fit ix and Wx (both follow 14.68); iy and k one digit high.
         {{"薄槽60x30x2.5", {7, 8, 10, 17}}}},
        {"CFRC",
         CFLippedChannelTable,
         d(kLippedChannelDecimals),
         ChannelRelations(1),
         {{"卷槽80x40x15x2.0", {18}}}},
        {"CFRZ", CFLippedZTable, d(kLippedZDecimals), z, {{"卷Z100x40x20x2.0", {6, 24}}}},
        {"SquareTube", SquareTubeTable, d(kSquareTubeDecimals), tube, {}},
        {"LightH", LightHTable, d(kLightHDecimals), lightH, {}},
    };
}

class RelationTest : public ::testing::TestWithParam<RelationFamily> {};

TEST_P(RelationTest, ColumnsAgreeWithinTheirRounding) {
    const RelationFamily& f = GetParam();
    for (const SectionTableRecord& r : f.table()) {
        const auto printed = f.printed.find(r.name);
        for (const Relation& rel : f.relations) {
            if (printed != f.printed.end() && printed->second.count(rel.result)) {
                continue;
            }
            ExpectRelation(r, f.decimals, rel);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, RelationTest, ::testing::ValuesIn(RelationFamilies()),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace profilux
