// The catalogue's look-ups: every family's table shape, the telling rows, exact-name matching and
// the defensive cases (null, empty, over-long and unterminated names; null buffers), and calls
// from several threads at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "sections/Profilux.h"
#include "sections/tables/SectionTable.h"

namespace profilux {
namespace {

using LookupFn = bool (*)(const char*, float*, int);
using TableFn = std::span<const SectionTableRecord> (*)();

constexpr float kUntouched = -12345.0f;

struct Family {
    const char* label;
    LookupFn lookup;
    TableFn table;
    std::size_t records;
    int values;
};

void PrintTo(const Family& f, std::ostream* os) {
    *os << f.label;
}

const Family kFamilies[] = {
    {"H", GetSectPara_H, HotRolledHTable, 53, 13},
    {"I", GetSectPara_I, IBeamTable, 34, 12},
    {"Channel", GetSectPara_Chl, ChannelTable, 30, 12},
    {"EqualAngle", GetSectPara_EqSingAng, EqualAngleTable, 82, 18},
    {"CFC", GetSectPara_CFC, CFChannelTable, 11, 20},
    {"CFRC", GetSectPara_CFRC, CFLippedChannelTable, 21, 21},
    {"CFRZ", GetSectPara_CFRZ, CFLippedZTable, 13, 27},
    {"SquareTube", GetSectPara_ThinSqrPipe, SquareTubeTable, 22, 7},
    {"LightH", GetSectPara_DaTongH, LightHTable, 45, 14},
};

std::array<float, 32> Untouched() {
    std::array<float, 32> buffer;
    buffer.fill(kUntouched);
    return buffer;
}

class FamilyTest : public ::testing::TestWithParam<Family> {};

TEST_P(FamilyTest, HasItsRecordCountAndValueCount) {
    const Family& f = GetParam();
    const auto table = f.table();
    ASSERT_EQ(table.size(), f.records);
    for (const SectionTableRecord& r : table) {
        EXPECT_EQ(r.count, f.values) << r.name;
    }
}

TEST_P(FamilyTest, NamesAreUniqueTerminatedAndFitTheField) {
    std::set<std::string> seen;
    for (const SectionTableRecord& r : GetParam().table()) {
        const auto terminator = std::find(std::begin(r.name), std::end(r.name), '\0');
        ASSERT_NE(terminator, std::end(r.name));
        const std::string name(r.name);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name.find(' '), std::string::npos) << name;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
    }
}

TEST_P(FamilyTest, EveryRecordIsFoundAndDeliveredAsFloats) {
    const Family& f = GetParam();
    for (const SectionTableRecord& r : f.table()) {
        auto out = Untouched();
        ASSERT_TRUE(f.lookup(r.name, out.data(), static_cast<int>(out.size()))) << r.name;
        for (int i = 0; i < r.count; ++i) {
            EXPECT_EQ(out[i], static_cast<float>(r.values[i])) << r.name << " value " << i;
        }
        for (std::size_t i = static_cast<std::size_t>(r.count); i < out.size(); ++i) {
            EXPECT_EQ(out[i], kUntouched) << r.name << " wrote past its count at " << i;
        }
    }
}

TEST_P(FamilyTest, EveryValueIsPositiveAndFinite) {
    for (const SectionTableRecord& r : GetParam().table()) {
        for (int i = 0; i < r.count; ++i) {
            EXPECT_TRUE(std::isfinite(r.values[i]) && r.values[i] > 0.0)
                << r.name << " value " << i << " = " << r.values[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.label); });

struct TellingRow {
    LookupFn lookup;
    const char* name;
    std::vector<double> values;
};

const TellingRow kTellingRows[] = {
    {GetSectPara_H,
     "HW100x100",
     {100, 100, 6, 8, 10, 21.9, 17.2, 383, 134, 4.18, 2.47, 76.5, 26.7}},
    {GetSectPara_H,
     "HN800x300",
     {800, 300, 14, 26, 28, 267.4, 210, 292000, 11700, 33.0, 6.62, 7290, 782}},
    {GetSectPara_I, "I10", {100, 68, 4.5, 7.6, 14.33, 11.25, 245, 49.0, 4.14, 32.8, 9.6, 1.51}},
    {GetSectPara_Chl, "槽5", {50, 37, 4.5, 7, 6.92, 5.438, 26.0, 10.4, 19.4, 8.3, 3.53192, 11.0}},
    {GetSectPara_EqSingAng,
     "L100X10",
     {100, 10, 12, 19.261, 15.12, 179.51, 3.05, 25.06, 63.29, 284.68, 3.84, 40.26, 74.35, 1.96,
      18.54, 20.49, 334.48, 2.84}},
    {GetSectPara_CFC, "薄槽60x30x2.5", {60,   30,     2.5,   2.74,   2.15, 0.883, 14.38,
                                        2.31, 4.89,   2.4,   0.94,   2.71, 1.13,  4.53,
                                        1.88, 0.0571, 12.21, 0.0425, 4.72, 2.51}},
    {GetSectPara_CFRC, "卷槽80x40x15x2.0", {80,    40,   15,     2.0,   3.47,   2.72,  1.452,
                                            34.16, 3.14, 8.54,   7.79,  1.5,    5.36,  3.06,
                                            15.1,  3.36, 0.0462, 112.9, 0.0126, 16.03, 15.74}},
    {GetSectPara_CFRZ,
     "卷Z100x40x20x2.0",
     {100,  40,    20,    2.0,  4.07, 3.19, 24.017, 60.04, 3.84,   12.01, 17.02,  2.05,  4.36, 70.7,
      4.17, 15.93, 11.94, 6.36, 1.25, 3.36, 4.42,   23.93, 0.0542, 325.0, 0.0081, 49.97, 29.16}},
    {GetSectPara_ThinSqrPipe, "方钢管25x1.5", {25, 1.5, 1.31, 1.03, 1.16, 0.94, 0.92}},
    {GetSectPara_DaTongH,
     "大通H100x50x2.3x3.2",
     {100, 50, 2.3, 3.2, 5.35, 4.2, 90.71, 18.14, 4.12, 6.68, 2.67, 1.12, 146.02, 0.147}},
};

TEST(Profilux, TellingRowsComeOutExactly) {
    for (const TellingRow& row : kTellingRows) {
        auto out = Untouched();
        ASSERT_TRUE(row.lookup(row.name, out.data(), 32)) << row.name;
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            EXPECT_EQ(out[i], static_cast<float>(row.values[i])) << row.name << " value " << i;
        }
        EXPECT_EQ(out[row.values.size()], kUntouched) << row.name << " has too many values";
    }
}

TEST(Profilux, RolledHBeginsWithItsPlatesAndArea) {
    auto out = Untouched();
    ASSERT_TRUE(GetSectPara_H("HW200x200", out.data(), 20));
    const float expected[] = {200, 200, 8, 12, 16, 64.28f};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(out[i], expected[i]) << i;
    }
}

TEST(Profilux, NamesMustMatchByteForByte) {
    const struct {
        LookupFn lookup;
        const char* name;
    } misses[] = {
        {GetSectPara_H, "HW 200x200"},
        {GetSectPara_H, "hw200x200"},
        {GetSectPara_H, "HW200X200"},
        {GetSectPara_H, "HW200x200 "},
        {GetSectPara_H, " HW200x200"},
        {GetSectPara_H, "HW200x20"},
        {GetSectPara_H, "HP300x300"},
        {GetSectPara_EqSingAng, "L20x3"},
        {GetSectPara_EqSingAng, "L 20x3"},
        {GetSectPara_CFC, "薄槽60x30x2.50"},
        {GetSectPara_CFRZ, "卷z100x40x20x2.0"},
        {GetSectPara_ThinSqrPipe, "方钢管25X1.5"},
        {GetSectPara_DaTongH, "大通H100x50x2.3x3.2 "},
        {GetSectPara_CFRC, "卷槽80x40x15x2"},
        // A name of one family is not found by another family's look-up.
        {GetSectPara_CFRC, "薄槽60x30x2.5"},
        {GetSectPara_I, "槽5"},
    };
    for (const auto& miss : misses) {
        auto out = Untouched();
        EXPECT_FALSE(miss.lookup(miss.name, out.data(), 32)) << miss.name;
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == kUntouched; }))
            << miss.name << " touched the buffer";
    }
}

TEST(Profilux, WritesOnlyAsManyValuesAsAsked) {
    auto out = Untouched();
    ASSERT_TRUE(GetSectPara_I("I10", out.data(), 5));
    const float expected[] = {100, 68, 4.5f, 7.6f, 14.33f};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(out[i], expected[i]) << i;
    }
    for (std::size_t i = 5; i < out.size(); ++i) {
        EXPECT_EQ(out[i], kUntouched) << i;
    }

    out = Untouched();
    ASSERT_TRUE(GetSectPara_CFRZ("卷Z100x40x20x2.0", out.data(), 1));
    EXPECT_EQ(out[0], 100.0f);
    EXPECT_EQ(out[1], kUntouched);
}

TEST(Profilux, ZeroOrNegativeCapacityWritesNothingButStillFinds) {
    for (int n : {0, -1, -1000}) {
        auto out = Untouched();
        EXPECT_TRUE(GetSectPara_ThinSqrPipe("方钢管25x1.5", out.data(), n)) << n;
        EXPECT_FALSE(GetSectPara_ThinSqrPipe("方钢管25x1.6", out.data(), n)) << n;
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == kUntouched; }));
        // With nothing to write, no buffer is needed.
        EXPECT_TRUE(GetSectPara_DaTongH("大通H100x50x2.3x3.2", nullptr, n));
    }
}

TEST(Profilux, NullNameOrNullBufferIsRefusedWithoutACrash) {
    auto out = Untouched();
    for (const Family& f : kFamilies) {
        EXPECT_FALSE(f.lookup(nullptr, out.data(), 32)) << f.label;
    }
    EXPECT_FALSE(GetSectPara_CFC("薄槽60x30x2.5", nullptr, 20));
    EXPECT_FALSE(GetSectPara_CFC("no such section", nullptr, 20));
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == kUntouched; }));
}

TEST(Profilux, EmptyOverLongAndUnterminatedNamesAreNotFound) {
    auto out = Untouched();
    EXPECT_FALSE(GetSectPara_CFRC("", out.data(), 32));

    // A known name followed by more text, up to and beyond the 39 bytes a name may have.
    std::string name = "卷槽80x40x15x2.0";
    while (name.size() < 80) {
        name += 'x';
        EXPECT_FALSE(GetSectPara_CFRC(name.c_str(), out.data(), 32)) << name.size();
    }
    // A 40-byte field without a terminator: the look-up reads no further than the field (the
    // sanitizer build would report a read past `field`).
    char field[40];
    std::memset(field, 'A', sizeof field);
    EXPECT_FALSE(GetSectPara_H(field, out.data(), 32));
    std::memcpy(field, "卷槽80x40x15x2.0", std::strlen("卷槽80x40x15x2.0"));
    EXPECT_FALSE(GetSectPara_CFRC(field, out.data(), 32));
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == kUntouched; }));
}

TEST(Profilux, LongestNamesAreFound) {
    // The light H names are the longest in the catalogue; each must still fit its field.
    std::size_t longest = 0;
    for (const Family& f : kFamilies) {
        for (const SectionTableRecord& r : f.table()) {
            longest = std::max(longest, std::strlen(r.name));
        }
    }
    EXPECT_LE(longest, 39u);
    auto out = Untouched();
    EXPECT_TRUE(GetSectPara_DaTongH("大通H400x200x4.5x9.0", out.data(), 32));
    EXPECT_EQ(out[13], static_cast<float>(LightHTable().back().values[13]));
}

TEST(Profilux, ReadInAndWriteOutDoNothingAndSucceed) {
    EXPECT_TRUE(ReadIn("sections.dat"));
    EXPECT_TRUE(WriteOut("sections.dat"));
    EXPECT_TRUE(ReadIn(nullptr));
    EXPECT_TRUE(WriteOut(nullptr));
    auto out = Untouched();
    EXPECT_TRUE(GetSectPara_ThinSqrPipe("方钢管25x1.5", out.data(), 7));
    EXPECT_EQ(out[4], 1.16f);
}

TEST(Profilux, LookUpsFromSeveralThreadsAgree) {
    // Every name of every family, looked up by four threads at once, many times over.
    struct Result {
        bool found;
        std::array<float, 32> values;
    };
    std::vector<std::pair<LookupFn, std::string>> requests;
    for (const Family& f : kFamilies) {
        for (const SectionTableRecord& r : f.table()) {
            requests.emplace_back(f.lookup, r.name);
        }
        requests.emplace_back(f.lookup, "missing");
    }
    auto runAll = [&](std::vector<Result>& results) {
        results.clear();
        for (const auto& [lookup, name] : requests) {
            Result r{false, Untouched()};
            r.found = lookup(name.c_str(), r.values.data(), 32);
            results.push_back(r);
        }
    };
    std::vector<Result> reference;
    runAll(reference);
    std::vector<std::vector<Result>> perThread(4);
    std::vector<std::thread> threads;
    for (auto& results : perThread) {
        threads.emplace_back([&] {
            for (int pass = 0; pass < 20; ++pass) {
                runAll(results);
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (const auto& results : perThread) {
        ASSERT_EQ(results.size(), reference.size());
        for (std::size_t i = 0; i < results.size(); ++i) {
            EXPECT_EQ(results[i].found, reference[i].found) << requests[i].second;
            EXPECT_EQ(results[i].values, reference[i].values) << requests[i].second;
        }
    }
}

} // namespace
} // namespace profilux
