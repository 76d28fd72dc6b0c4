#pragma once
// Menu command numbers. They stay the numbers the program has always used, so that the menu
// table, the handlers and the tests speak of the same commands.

namespace ferrolab::cmd {

inline constexpr int kBuiltUpSection = 32772;
inline constexpr int kBoltGroup = 32775;
inline constexpr int kConvertIBeam = 32782;
inline constexpr int kColumnBase = 32783;
inline constexpr int kConvertChannel = 32784;
inline constexpr int kOnlineHelp = 32786;
inline constexpr int kDesignValues = 32787;
inline constexpr int kCFFlexural = 32789;
inline constexpr int kCFAxial = 32790;
inline constexpr int kCFSectionProps = 32791;
inline constexpr int kFilletWeldMnv = 32792;
inline constexpr int kFilletWeldTorque = 32793;
inline constexpr int kAxialMember = 32794;
inline constexpr int kWeldedBeamStability = 32796;
inline constexpr int kRolledIBeamStability = 32797;
inline constexpr int kChannelBeamStability = 32798;
inline constexpr int kCantileverBeam = 32799;
inline constexpr int kApproxPhiB = 32800;
inline constexpr int kSeismicCurve = 32801;
inline constexpr int kEffectiveLength = 32802;
inline constexpr int kPinnedJoint = 32803;
inline constexpr int kBeamSplice = 32804;
inline constexpr int kSecondaryBeam = 32805;
inline constexpr int kTubeJoint = 32806;
inline constexpr int kSeatedJoint = 32807;
inline constexpr int kAbout = 57664;
// The file menu: open a saved calculation, and the four most recent calculation files.
inline constexpr int kOpenCalculation = 57601;
inline constexpr int kRecentFile1 = 57616;
inline constexpr int kRecentFileCount = 4;

} // namespace ferrolab::cmd
