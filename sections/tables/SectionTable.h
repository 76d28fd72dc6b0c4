#pragma once
// The record format of the catalogue's tables: one constant array per family, in the published
// table's order. Internal to Profilux.

#include <cstddef>
#include <span>

namespace profilux {

struct SectionTableRecord {
    char name[40];     // UTF-8 name, at most 39 bytes, zero-terminated
    int count;         // how many of values[] are valid
    double values[32]; // the family's columns, in the family's order
};

// One accessor per family, each defined in its own source file under tables/.
std::span<const SectionTableRecord> HotRolledHTable();      // GetSectPara_H, 53 records
std::span<const SectionTableRecord> IBeamTable();           // GetSectPara_I, 34
std::span<const SectionTableRecord> ChannelTable();         // GetSectPara_Chl, 30
std::span<const SectionTableRecord> EqualAngleTable();      // GetSectPara_EqSingAng, 82
std::span<const SectionTableRecord> CFChannelTable();       // GetSectPara_CFC, 11
std::span<const SectionTableRecord> CFLippedChannelTable(); // GetSectPara_CFRC, 21
std::span<const SectionTableRecord> CFLippedZTable();       // GetSectPara_CFRZ, 13
std::span<const SectionTableRecord> SquareTubeTable();      // GetSectPara_ThinSqrPipe, 22
std::span<const SectionTableRecord> LightHTable();          // GetSectPara_DaTongH, 45

// Root and flange-tip radii (mm) of the I-beam table's sections, in table order: part of each
// rolled shape though callers never look them up. Defined beside the table, in IBeams.cpp.
struct IBeamRadii {
    const char* name;
    double r;
    double r1;
};
std::span<const IBeamRadii> IBeamRadiiTable();

} // namespace profilux
