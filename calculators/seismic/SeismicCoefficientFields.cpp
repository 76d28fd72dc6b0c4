#include <filesystem>
#include <sstream>
#include <system_error>

#include "calculators/Calculators.h"
#include "calculators/seismic/SeismicCoefficient.h"
#include "engine/TextToNumber.h"

namespace ferrolab {
const Description& SeismicDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "seismic";
        entry.caption = kSeismicCaption;
        // The site classes of both editions: the 2001 ones, then I0 and I1 of 2010.
        std::vector<std::string> sites = TextsOf(SiteClassEntries());
        sites.insert(sites.end(), {"I0", "I1"});
        entry.fields = {
            SeismicEditionField(),
            {.name = "alpha-max",
             .defaultValue = AlphaMaxEntries()[0],
             .help = "地震影响系数最大值αmax: above 0, at most 2.0; the dialog's list: " +
                     Joined(TextsOf(AlphaMaxEntries())),
             .label = "地震影响系数最大值αmax",
             .presets = TextsOf(AlphaMaxEntries()),
             .control = "alphaMax"},
            {.name = "zeta",
             .defaultValue = DampingRatioEntries()[0],
             .help = "阻尼比ζ: above 0, below 1; the dialog's list: " +
                     Joined(TextsOf(DampingRatioEntries())),
             .label = "阻尼比",
             .presets = TextsOf(DampingRatioEntries()),
             .control = "zeta"},
            ChoiceField("site", sites, SiteClassEntries()[0], "场地类别", "场地类别"),
            ChoiceField("group", TextsOf(DesignGroupEntries()), DesignGroupEntries()[0],
                        "设计地震分组", "设计地震分组"),
            ChoiceField("level", TextsOf(EarthquakeLevelEntries()), EarthquakeLevelEntries()[0],
                        "地震影响 (GB50011-2010 only): 罕遇 takes Tg 0.05 s longer", "地震影响"),
            {.name = "dt",
             .defaultValue = PeriodStepEntries()[0],
             .allowed = TextsOf(PeriodStepEntries()),
             .help = "取值步长(s)",
             .label = "取值步长(s)",
             .unit = "s",
             .control = "dt"},
            // The dialog has no control for the file: it always writes ResponseSpectrum.txt into
            // the current folder.
            {.name = "file",
             .help = "also write the α-T table (α, tab, T a line) to this file",
             .kind = FieldKind::Path},
            {.name = "write-file",
             .help = "also write the α-T table to ResponseSpectrum.txt here",
             .kind = FieldKind::Switch},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunSeismic(const FieldValues& v) {
    SeismicCoefficientInput in;
    in.edition = SeismicEditionOf(v);
    in.alphaMax = TextToDouble(v.at("alpha-max"));
    in.zeta = TextToDouble(v.at("zeta"));
    const std::string& site = v.at("site");
    in.level = IndexOf(EarthquakeLevelEntries(), v.at("level"));
    if (in.edition == kSeismic2010) {
        // Class I of the 2001 edition is the 2010 edition's I1 (the same Tg); the dialog keeps
        // the site that way when the edition changes, and so does the default.
        in.site = IndexOf(SiteClassEntries2010(), site == "I" ? "I1" : site);
    } else {
        in.site = IndexOf(SiteClassEntries(), site);
        if (in.site < 0) {
            return UsageError("ferrolab-calc: site " + site +
                              " is a site class of edition=2010 only\n");
        }
        if (in.level != 0) {
            return UsageError(
                "ferrolab-calc: level=" + v.at("level") +
                " needs edition=2010: the rare earthquake's longer Tg is taken to GB50011-2010\n");
        }
    }
    in.group = IndexOf(DesignGroupEntries(), v.at("group"));
    in.dt = TextToDouble(v.at("dt"));
    const SeismicCoefficientResult result = ComputeSeismicCoefficient(in);
    Outcome outcome{result.report, result.notices};
    std::string path = v.at("file");
    if (path.empty() && v.at("write-file") == "1") {
        path = kSpectrumFileName;
    }
    if (!outcome.report || path.empty()) {
        return outcome;
    }
    // Named the way the dialog names it: the absolute path.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::optional<Notice> failure = SaveSpectrumTable(
        ec ? path : absolute.string(), FormatSpectrumTable(result.alpha, result.dt));
    if (failure) {
        outcome.notices.push_back(*failure);
        outcome.failed = true;
    }
    return outcome;
}

} // namespace ferrolab
