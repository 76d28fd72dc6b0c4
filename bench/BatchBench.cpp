// Times the batch path: 10,000 axial-member cases (sections, lengths and forces varied) through
// `ferrolab-calc axial-member --batch` in one process, CSV written to memory. Prints the wall
// time and the time per row; asserts nothing.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/Registry.h"

int main() {
    const char* names[] = {"HW100x100", "HW175x175", "HW200x200", "HW250x250", "HW300x300"};
    const char* lengths[] = {"3.00", "4.50", "6.00", "7.50"};
    const std::string path = "batch-bench.csv";
    {
        std::ofstream csv(path);
        csv << "name,lx,y-check,ly,N\n";
        for (int i = 0; i < 10000; ++i) {
            csv << names[i % 5] << "," << lengths[i % 4] << ",1," << lengths[(i / 4) % 4] << ","
                << -(100 + i % 900) << '\n';
        }
    }
    std::ostringstream out, err;
    const auto start = std::chrono::steady_clock::now();
    const int status = ferrolab::cli::RunCommandLine({"axial-member", "--batch", path}, out, err);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::remove(path.c_str());
    std::printf("10000 rows: %.3f s (%.1f us a row), exit %d, %zu bytes of CSV\n", seconds,
                seconds * 100, status, out.str().size());
    return 0;
}
