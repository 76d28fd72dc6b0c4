#include "sections/Profilux.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "sections/tables/SectionTable.h"

namespace profilux {

namespace {

constexpr std::size_t kNameField = sizeof(SectionTableRecord::name);
constexpr int kMaxValues = static_cast<int>(std::size(SectionTableRecord{}.values));

// Walks the table from its first record and stops at the first whose name equals `name` byte for
// byte (terminator included), then copies min(count, n) values as floats.
//
// Defensive cases: a null name is never found. A name of kNameField bytes or more cannot be held
// by any record, so it is not found either, and no more than kNameField bytes of it are read. A
// record found for a null buffer with n > 0 cannot be delivered: the result is false and nothing
// is written. n <= 0 writes nothing and reports whether the name exists.
bool Lookup(std::span<const SectionTableRecord> table, const char* name, float* out, int n) {
    if (name == nullptr) {
        return false;
    }
    // Never reads past the terminator nor beyond kNameField bytes.
    std::size_t length = 0;
    while (length < kNameField && name[length] != '\0') {
        ++length;
    }
    if (length >= kNameField) {
        return false;
    }
    const auto match = std::find_if(table.begin(), table.end(), [&](const SectionTableRecord& r) {
        return std::memcmp(r.name, name, length + 1) == 0;
    });
    if (match == table.end()) {
        return false;
    }
    if (n <= 0) {
        return true;
    }
    if (out == nullptr) {
        return false;
    }
    const int count = std::min({match->count, n, kMaxValues});
    for (int i = 0; i < count; ++i) {
        out[i] = static_cast<float>(match->values[i]);
    }
    return true;
}

} // namespace

} // namespace profilux

extern "C" {

bool GetSectPara_H(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::HotRolledHTable(), name, out, n);
}

bool GetSectPara_I(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::IBeamTable(), name, out, n);
}

bool GetSectPara_Chl(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::ChannelTable(), name, out, n);
}

bool GetSectPara_EqSingAng(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::EqualAngleTable(), name, out, n);
}

bool GetSectPara_CFC(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::CFChannelTable(), name, out, n);
}

bool GetSectPara_CFRC(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::CFLippedChannelTable(), name, out, n);
}

bool GetSectPara_CFRZ(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::CFLippedZTable(), name, out, n);
}

bool GetSectPara_ThinSqrPipe(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::SquareTubeTable(), name, out, n);
}

bool GetSectPara_DaTongH(const char* name, float* out, int n) {
    return profilux::Lookup(profilux::LightHTable(), name, out, n);
}

// Kept for older callers that expected the tables to be loadable from and savable to a file; the
// tables are built in, so there is nothing to do.
bool ReadIn(const char*) {
    return true;
}

bool WriteOut(const char*) {
    return true;
}

} // extern "C"
