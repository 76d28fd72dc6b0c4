#include <filesystem>
#include <system_error>

#include "calculators/seismic/SeismicCoefficient.h"
#include "cli/Entries.h"
#include "cli/EntryFields.h"
#include "engine/TextToNumber.h"

namespace ferrolab::cli {
Entry SeismicEntry() {
    Entry entry;
    entry.id = "seismic";
    entry.caption = kSeismicCaption;
    entry.fields = {
        {"alpha-max",
         AlphaMaxEntries()[0],
         {},
         "地震影响系数最大值αmax: above 0, at most 2.0; the dialog's list: " +
             Joined(Texts(AlphaMaxEntries()))},
        {"zeta",
         DampingRatioEntries()[0],
         {},
         "阻尼比ζ: above 0, below 1; the dialog's list: " + Joined(Texts(DampingRatioEntries()))},
        {"site", SiteClassEntries()[0], Texts(SiteClassEntries()), "场地类别"},
        {"group", DesignGroupEntries()[0], Texts(DesignGroupEntries()), "设计地震分组"},
        {"dt", PeriodStepEntries()[0], Texts(PeriodStepEntries()), "取值步长(s)"},
        {"file", "", {}, "also write the α-T table (α, tab, T a line) to this file"},
        {"write-file", "", {}, "also write the α-T table to ResponseSpectrum.txt here", true},
    };
    entry.run = [](const FieldValues& v, std::ostream& out, std::ostream& err) {
        SeismicCoefficientInput in;
        in.alphaMax = TextToDouble(v.at("alpha-max"));
        in.zeta = TextToDouble(v.at("zeta"));
        in.site = IndexOf(SiteClassEntries(), v.at("site"));
        in.group = IndexOf(DesignGroupEntries(), v.at("group"));
        in.dt = TextToDouble(v.at("dt"));
        const SeismicCoefficientResult result = ComputeSeismicCoefficient(in);
        const int status = EmitOutcome(result.report, result.notices, out, err);
        std::string path = v.at("file");
        if (path.empty() && v.at("write-file") == "1") {
            path = kSpectrumFileName;
        }
        if (status != kExitOk || path.empty()) {
            return status;
        }
        // Named the way the dialog names it: the absolute path.
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
        const std::optional<Notice> failure = WriteTextFileAtomically(
            ec ? path : absolute.string(), FormatSpectrumTable(result.alpha, result.dt));
        if (failure) {
            return EmitOutcome(std::nullopt, {*failure}, out, err);
        }
        return kExitOk;
    };
    return entry;
}

} // namespace ferrolab::cli
