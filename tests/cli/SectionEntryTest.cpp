// ferrolab-calc section: one catalogue section with its column names and units.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Registry.h"
#include "sections/Profilux.h"
#include "tests/support/CliRun.h"

namespace ferrolab::cli {
namespace {

using SectionRun = test::CliRun;

SectionRun Section(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"section"};
    all.insert(all.end(), args.begin(), args.end());
    return test::Call(all);
}

TEST(SectionEntry, PrintsTheFamilyAndEveryValueWithItsUnit) {
    const SectionRun run = Section({"name=方钢管25x1.5"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "section: 方钢管25x1.5\n"
                       "family: cold-formed square tube (GetSectPara_ThinSqrPipe)\n"
                       "b = 25 mm\n"
                       "t = 1.5 mm\n"
                       "A = 1.31 cm2\n"
                       "mass = 1.03 kg/m\n"
                       "I = 1.16 cm4\n"
                       "i = 0.94 cm\n"
                       "W = 0.92 cm3\n");
}

TEST(SectionEntry, TakesTheNameOnItsOwn) {
    const SectionRun bare = Section({"大通H100x50x2.3x3.2"});
    const SectionRun named = Section({"name=大通H100x50x2.3x3.2"});
    EXPECT_EQ(bare.status, 0);
    EXPECT_EQ(bare.out, named.out);
    EXPECT_NE(bare.out.find("family: light welded H (GetSectPara_DaTongH)\n"), std::string::npos);
    EXPECT_NE(bare.out.find("\nIω = 146.02 cm6\nIt = 0.147 cm4\n"), std::string::npos);
}

TEST(SectionEntry, EachFamilyIsRecognised) {
    const struct {
        const char* name;
        const char* line;
    } cases[] = {
        {"HW200x200", "A = 64.28 cm2\n"},
        {"I10", "family: hot-rolled I-beam (GetSectPara_I)\n"},
        {"槽5", "Wy = 3.53192 cm3\niy = 11 mm\n"},
        {"L100X10", "z0 = 2.84 cm\n"},
        {"薄槽60x30x2.5", "x0 = 0.883 cm\n"},
        {"卷槽80x40x15x2.0", "Iω = 112.9 cm6\nk = 0.0126 1/cm\n"},
        {"卷Z100x40x20x2.0", "θ = 24.017 degrees\n"},
        {"卷Z160x70x20x2.5", "family: cold-formed lipped Z (GetSectPara_CFRZ)\n"},
    };
    for (const auto& c : cases) {
        const SectionRun run = Section({c.name});
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_NE(run.out.find(c.line), std::string::npos) << c.name << "\n" << run.out;
    }
}

TEST(SectionEntry, EveryPrintedValueReadsBackAsTheCatalogueValue) {
    using LookupFn = bool (*)(const char*, float*, int);
    const struct {
        const char* name;
        LookupFn lookup;
    } cases[] = {
        {"大通H300x200x6.0x8.0", GetSectPara_DaTongH},
        {"大通H150x150x4.5x6.0", GetSectPara_DaTongH},
        {"大通H350x150x6.0x8.0", GetSectPara_DaTongH},
        {"HN800x300", GetSectPara_H},
        {"L200X24", GetSectPara_EqSingAng},
        {"卷Z180x70x20x3.0", GetSectPara_CFRZ},
        {"卷槽220x75x20x2.5", GetSectPara_CFRC},
    };
    for (const auto& c : cases) {
        std::array<float, 32> values{};
        ASSERT_TRUE(c.lookup(c.name, values.data(), 32)) << c.name;
        const SectionRun run = Section({c.name});
        ASSERT_EQ(run.status, 0) << c.name;
        std::istringstream lines(run.out);
        std::string line;
        std::getline(lines, line); // section:
        std::getline(lines, line); // family:
        std::size_t i = 0;
        for (; std::getline(lines, line); ++i) {
            const std::size_t start = line.find(" = ") + 3;
            const std::size_t end = line.find(' ', start);
            float printed = -1;
            const auto result = std::from_chars(line.data() + start, line.data() + end, printed);
            ASSERT_EQ(result.ptr, line.data() + end) << c.name << ": " << line;
            ASSERT_LT(i, values.size());
            EXPECT_EQ(printed, values[i]) << c.name << ": " << line;
        }
        EXPECT_GT(i, 12u) << c.name;
    }
    const SectionRun run = Section({"大通H300x200x6.0x8.0"});
    EXPECT_NE(run.out.find("\nIω = 215082.67 cm6\n"), std::string::npos) << run.out;
}

TEST(SectionEntry, UnknownNamesGoToStandardErrorWithStatus2) {
    for (const char* name : {"HP300x300", "hw200x200", "HW 200x200", "L20x3", "x"}) {
        const SectionRun run = Section({name});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_EQ(run.err,
                  std::string("ferrolab-calc: no section named '") + name + "' in the catalogue\n");
    }
    const std::string tooLong(200, 'H');
    EXPECT_EQ(Section({tooLong}).status, 2);
}

TEST(SectionEntry, UsageErrors) {
    EXPECT_EQ(Section({}).status, 64); // no name
    EXPECT_EQ(Section({"name="}).status, 64);
    EXPECT_EQ(Section({"size=HW200x200"}).status, 64);
    const SectionRun fields = Section({"--fields"});
    EXPECT_EQ(fields.status, 0);
    EXPECT_EQ(fields.out.rfind("section: ", 0), 0u);
    EXPECT_NE(fields.out.find("  name="), std::string::npos);
}

} // namespace
} // namespace ferrolab::cli
