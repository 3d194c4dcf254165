#include "save_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// The C library's words for errno's value, or for a failed write that set none.
std::string ErrnoText() {
    return errno != 0 ? std::strerror(errno) : "write error";
}

// Writes bytes to path and closes it; false, with the reason in why, when opening, any write or
// the close fails.
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                std::string* why) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        *why = ErrnoText();
        return false;
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    if (!written) {
        *why = ErrnoText();
    }
    errno = 0;
    if (std::fclose(file) != 0 && written) {
        *why = ErrnoText();
        return false;
    }
    return written;
}

// The file path names once every symbolic link on the way is followed, as opening it for writing
// would follow them, though that file need not exist yet: a link to a file not yet made names
// that file. A relative link is read from its link's folder. False, with the reason in why, past
// 40 links (where the system gives up too) or when a link cannot be read.
bool FollowLinks(const std::string& path, std::filesystem::path* target, std::string* why) {
    const int LARGEST_LINK_COUNT = 40;
    std::error_code error;
    std::filesystem::path current = path;
    for (int links = 0;
         std::filesystem::is_symlink(std::filesystem::symlink_status(current, error)); ++links) {
        if (links == LARGEST_LINK_COUNT) {
            *why = "too many levels of symbolic links";
            return false;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) {
            *why = error.message();
            return false;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    *target = std::filesystem::weakly_canonical(current, error);
    if (error) {
        *why = error.message();
        return false;
    }
    return true;
}

} // namespace

bool SaveFile(const std::string& path, const std::vector<unsigned char>& bytes, std::string* why) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return WriteBytes(path, bytes, why);
    }
    std::filesystem::path target;
    if (!FollowLinks(path, &target, why)) {
        return false;
    }
    const std::string partial = target.string() + ".partial";
    if (WriteBytes(partial, bytes, why)) {
        std::filesystem::rename(partial, target, error);
        if (!error) {
            return true;
        }
        *why = error.message();
    }
    std::remove(partial.c_str());
    return false;
}
