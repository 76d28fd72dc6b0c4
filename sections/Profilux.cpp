#include "sections/Profilux.h"

// Placeholder until the tables land: every look-up reports "not found".
extern "C" {
bool GetSectPara_H(const char*, float*, int) { return false; }
bool GetSectPara_I(const char*, float*, int) { return false; }
bool GetSectPara_Chl(const char*, float*, int) { return false; }
bool GetSectPara_EqSingAng(const char*, float*, int) { return false; }
bool GetSectPara_CFC(const char*, float*, int) { return false; }
bool GetSectPara_CFRC(const char*, float*, int) { return false; }
bool GetSectPara_CFRZ(const char*, float*, int) { return false; }
bool GetSectPara_ThinSqrPipe(const char*, float*, int) { return false; }
bool GetSectPara_DaTongH(const char*, float*, int) { return false; }
bool ReadIn(const char*) { return true; }
bool WriteOut(const char*) { return true; }
}
