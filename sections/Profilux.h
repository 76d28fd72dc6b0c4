#pragma once
// Profilux: the section catalogue. Constant tables of rolled and cold-formed steel sections,
// looked up by exact section name. The only symbols this library exports.
//
// Each GetSectPara_* function: when a record named exactly `name` exists (byte for byte, first
// match wins), writes min(count, n) of its values as floats to out[0..] and returns true (n <= 0
// writes nothing and still returns true); otherwise returns false and leaves out untouched.
// A null name, or a name of 40 bytes or more (longer than any record's name field), is not
// found; at most 40 bytes of a name are read. A found record with a null `out` and n > 0 returns
// false and writes nothing.
// Safe to call from any thread: the tables are constant.

#if defined(PROFILUX_BUILD)
#define PROFILUX_API __attribute__((visibility("default")))
#else
#define PROFILUX_API
#endif

#ifdef __cplusplus
extern "C" {
#else
#include <stdbool.h>
#endif

PROFILUX_API bool GetSectPara_H(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_I(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_Chl(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_EqSingAng(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_CFC(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_CFRC(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_CFRZ(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_ThinSqrPipe(const char* name, float* out, int n);
PROFILUX_API bool GetSectPara_DaTongH(const char* name, float* out, int n);

// Kept for compatibility with older callers: accept a file name and do nothing.
PROFILUX_API bool ReadIn(const char* fileName);
PROFILUX_API bool WriteOut(const char* fileName);

#ifdef __cplusplus
}
#endif
