#include "engine/TextFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace ferrolab {

bool WriteTextFileAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    // An earlier table the user has made read-only stays as it is.
    const fs::file_status existing = fs::status(target, ec);
    if (!ec && fs::exists(existing) &&
        (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return false;
    }

    // A temporary name beside the target that is not in use yet.
    std::random_device seed;
    std::mt19937 random(seed());
    fs::path temporary;
    for (int attempt = 0; attempt < 8; ++attempt) {
        fs::path candidate = target;
        candidate += ".tmp" + std::to_string(random() % 1000000u);
        if (!fs::exists(candidate, ec) && !ec) {
            temporary = candidate;
            break;
        }
    }
    if (temporary.empty()) {
        return false;
    }

    bool written = false;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(text.data(), static_cast<std::streamsize>(text.size()));
            file.flush();
            written = static_cast<bool>(file);
            file.close();
            written = written && !file.fail();
        }
    }
    if (written) {
        fs::rename(temporary, target, ec);
        if (!ec) {
            return true;
        }
    }
    fs::remove(temporary, ec);
    return false;
}

} // namespace ferrolab
