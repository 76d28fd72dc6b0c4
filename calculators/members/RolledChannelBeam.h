#pragma once
// "轧制槽钢简支梁整体稳定系数": the overall stability coefficient φb of a simply supported rolled
// channel, GB50017-2003 clause B.3: φb = 570·b·t/(l1·h) · 235/fy whatever the load and where it
// acts on the depth, with the inelastic correction of formula B.1-2 above 0.6. The 2003 edition
// takes t as the mean of the web and the flange thickness; GB50017-2017 (formula C.0.3, εk² =
// 235/fy, correction C.0.1-7) defines t as the flange's mean thickness, which is the catalogue's t
// of a channel.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kRolledChannelBeamCaption = "轧制槽钢简支梁整体稳定系数";

// The channel's dimensions the formula uses, mm: depth h, flange width b, web and flange
// thickness, and the t of the formula (the edition's).
struct ChannelBeamSection {
    double h = 0, b = 0, tw = 0, tf = 0, t = 0;
};

// What choosing a channel does: the section from the catalogue and the text of the section box,
// or, for a name the catalogue does not hold, a message and no section (the dialog keeps the
// previous one).
struct ChannelSelection {
    std::optional<ChannelBeamSection> section;
    std::string text;
    std::vector<Notice> notices;
};

ChannelSelection SelectRolledChannel(const std::string& name, int edition = kSteel2003);

struct RolledChannelBeamInput {
    ChannelBeamSection section; // all 0 until a channel is chosen
    double l1 = 2;              // free length, m
    int fy = 235;               // the grade's number
    int edition = kSteel2003;
};

struct RolledChannelBeamResult {
    double phiB = 0;
    bool inelastic = false; // φb > 0.6: the report adds φ'b
    double phiBPrime = 0;
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
};

RolledChannelBeamResult ComputeRolledChannelBeam(const RolledChannelBeamInput& input);

} // namespace ferrolab
