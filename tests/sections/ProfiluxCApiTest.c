/* The catalogue called from C: the header compiles as C99 and the exports link under their plain
 * names. Exits 0 when every check holds, otherwise prints the failed check and exits 1. */
#include <stdio.h>

#include "sections/Profilux.h"

static int failures = 0;

static void Check(int condition, const char* what) {
    if (!condition) {
        fprintf(stderr, "failed: %s\n", what);
        ++failures;
    }
}

int main(void) {
    float out[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    bool found = GetSectPara_I("I10", out, 5);
    Check(found, "I10 is found");
    Check(out[0] == 100.0f && out[1] == 68.0f && out[2] == 4.5f && out[3] == 7.6f &&
              out[4] == 14.33f,
          "I10 delivers h, b, tw, t, A");
    Check(out[5] == -1.0f, "n = 5 writes five values only");

    Check(!GetSectPara_H("hw200x200", out, 8), "a lower-case name is not found");
    Check(GetSectPara_CFRZ("卷Z100x40x20x2.0", out, 0), "n = 0 still finds the name");
    Check(GetSectPara_H("HW200x200", out, 8) && out[5] == 64.28f, "HW200x200 has A = 64.28");
    Check(ReadIn("any") && WriteOut("any"), "ReadIn and WriteOut succeed");
    return failures == 0 ? 0 : 1;
}
