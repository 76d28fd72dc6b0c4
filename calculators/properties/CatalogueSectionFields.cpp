#include <sstream>
// ferrolab-calc section NAME: the catalogue's values of one section, each with its column name
// and unit. The families are tried in catalogue order; the first that holds the name answers.
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "calculators/Calculators.h"
#include "sections/Profilux.h"

namespace ferrolab {

namespace {

struct Column {
    const char* label;
    const char* unit;
};

struct CatalogueFamily {
    const char* caption;
    const char* lookupName;
    bool (*lookup)(const char*, float*, int);
    std::vector<Column> columns;
};

const std::vector<CatalogueFamily>& CatalogueFamilies() {
    static const std::vector<CatalogueFamily> families = {
        {"hot-rolled H (HW, HM, HN)",
         "GetSectPara_H",
         GetSectPara_H,
         {{"H", "mm"},
          {"B", "mm"},
          {"t1 (web)", "mm"},
          {"t2 (flange)", "mm"},
          {"r", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"Ix", "cm4"},
          {"Iy", "cm4"},
          {"ix", "cm"},
          {"iy", "cm"},
          {"Wx", "cm3"},
          {"Wy", "cm3"}}},
        {"hot-rolled I-beam",
         "GetSectPara_I",
         GetSectPara_I,
         {{"h", "mm"},
          {"b", "mm"},
          {"tw", "mm"},
          {"t", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"Ix", "cm4"},
          {"Wx", "cm3"},
          {"ix", "cm"},
          {"Iy", "cm4"},
          {"Wy", "cm3"},
          {"iy", "cm"}}},
        {"hot-rolled channel",
         "GetSectPara_Chl",
         GetSectPara_Chl,
         {{"h", "mm"},
          {"b", "mm"},
          {"tw", "mm"},
          {"t", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"Ix", "cm4"},
          {"Wx", "cm3"},
          {"ix", "mm"},
          {"Iy", "cm4"},
          {"Wy", "cm3"},
          {"iy", "mm"}}},
        {"equal-leg angle",
         "GetSectPara_EqSingAng",
         GetSectPara_EqSingAng,
         {{"b", "mm"},
          {"d", "mm"},
          {"r", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"Ix", "cm4"},
          {"ix", "cm"},
          {"Wx (leg tip)", "cm3"},
          {"Wx (Ix/z0)", "cm3"},
          {"Ix0", "cm4"},
          {"ix0", "cm"},
          {"Wx0", "cm3"},
          {"Iy0", "cm4"},
          {"iy0", "cm"},
          {"Wy0", "cm3"},
          {"Wy0 (second)", "cm3"},
          {"Ix1", "cm4"},
          {"z0", "cm"}}},
        {"cold-formed plain channel",
         "GetSectPara_CFC",
         GetSectPara_CFC,
         {{"h", "mm"},   {"b", "mm"},      {"t", "mm"},      {"A", "cm2"},   {"mass", "kg/m"},
          {"x0", "cm"},  {"Ix", "cm4"},    {"ix", "cm"},     {"Wx", "cm3"},  {"Iy", "cm4"},
          {"iy", "cm"},  {"Wymax", "cm3"}, {"Wymin", "cm3"}, {"Iy1", "cm4"}, {"e0", "cm"},
          {"It", "cm4"}, {"Iω", "cm6"},    {"k", "1/cm"},    {"Wω1", "cm4"}, {"Wω2", "cm4"}}},
        {"cold-formed lipped channel",
         "GetSectPara_CFRC",
         GetSectPara_CFRC,
         {{"h", "mm"},      {"b", "mm"},   {"a", "mm"},      {"t", "mm"},      {"A", "cm2"},
          {"mass", "kg/m"}, {"x0", "cm"},  {"Ix", "cm4"},    {"ix", "cm"},     {"Wx", "cm3"},
          {"Iy", "cm4"},    {"iy", "cm"},  {"Wymax", "cm3"}, {"Wymin", "cm3"}, {"Iy1", "cm4"},
          {"e0", "cm"},     {"It", "cm4"}, {"Iω", "cm6"},    {"k", "1/cm"},    {"Wω1", "cm4"},
          {"Wω2", "cm4"}}},
        {"cold-formed lipped Z",
         "GetSectPara_CFRZ",
         GetSectPara_CFRZ,
         {{"h", "mm"},
          {"b", "mm"},
          {"a", "mm"},
          {"t", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"θ", "degrees"},
          {"Ix1", "cm4"},
          {"ix1", "cm"},
          {"Wx1 (x1-x1)", "cm3"},
          {"Iy1", "cm4"},
          {"iy1", "cm"},
          {"Wy1 (y1-y1)", "cm3"},
          {"Ix", "cm4"},
          {"ix", "cm"},
          {"Wx1 (x-x)", "cm3"},
          {"Wx2 (x-x)", "cm3"},
          {"Iy", "cm4"},
          {"iy", "cm"},
          {"Wy1 (y-y)", "cm3"},
          {"Wy2 (y-y)", "cm3"},
          {"Ix1y1", "cm4"},
          {"It", "cm4"},
          {"Iω", "cm6"},
          {"k", "1/cm"},
          {"Wω1", "cm4"},
          {"Wω2", "cm4"}}},
        {"cold-formed square tube",
         "GetSectPara_ThinSqrPipe",
         GetSectPara_ThinSqrPipe,
         {{"b", "mm"},
          {"t", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"I", "cm4"},
          {"i", "cm"},
          {"W", "cm3"}}},
        {"light welded H",
         "GetSectPara_DaTongH",
         GetSectPara_DaTongH,
         {{"H", "mm"},
          {"B", "mm"},
          {"tw", "mm"},
          {"t", "mm"},
          {"A", "cm2"},
          {"mass", "kg/m"},
          {"Ix", "cm4"},
          {"Wx", "cm3"},
          {"ix", "cm"},
          {"Iy", "cm4"},
          {"Wy", "cm3"},
          {"iy", "cm"},
          {"Iω", "cm6"},
          {"It", "cm4"}}},
    };
    return families;
}

// The catalogue delivers floats: print the shortest text that reads back as the same float, so
// every tabulated digit shows (a six-digit "%g" would print the light H Iω 215082.67 as 215083).
std::string CatalogueNumber(float value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

Outcome LookUpSection(const FieldValues& v) {
    const std::string& name = v.at("name");
    if (name.empty()) {
        return UsageError("ferrolab-calc: section needs a name, e.g. 'section HW200x200'\n");
    }
    for (const CatalogueFamily& family : CatalogueFamilies()) {
        std::array<float, 32> values{};
        if (!family.lookup(name.c_str(), values.data(), static_cast<int>(values.size()))) {
            continue;
        }
        std::ostringstream out;
        out << "section: " << name << '\n';
        out << "family: " << family.caption << " (" << family.lookupName << ")\n";
        for (std::size_t i = 0; i < family.columns.size(); ++i) {
            out << family.columns[i].label << " = " << CatalogueNumber(values[i]) << ' '
                << family.columns[i].unit << '\n';
        }
        return Outcome{out.str()};
    }
    return Outcome{std::nullopt,
                   {Notice{"no section named '" + name + "' in the catalogue", "ferrolab-calc",
                           NoticeIcon::Error}}};
}

} // namespace

const Description& SectionDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "section";
        entry.caption = "型钢截面参数 (section catalogue)";
        // A runner entry without a dialog: no label, unit, presets or control.
        entry.fields = {
            {.name = "name",
             .help = "catalogue name, exactly as listed, e.g. HW200x200 or 卷槽80x40x15x2.0",
             .kind = FieldKind::Catalogue},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunSection(const FieldValues& v) {
    return LookUpSection(v);
}

} // namespace ferrolab
