// Writing a whole file through a temporary file and a rename.
#include "datafiles/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace Brisk {

namespace {

// The file a write to the path lands in: a symbolic link is followed, so the link itself survives.
std::string TargetOf(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            return resolved.string();
        }
    }
    return path;
}

// A new file beside the target, with a name no other writer has taken; -1 when none can be made.
int CreateTemporary(const std::string& target, std::string& name) {
    constexpr int attempts = 100;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        name = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

bool WriteAll(int descriptor, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t count = write(descriptor, content.data() + done, content.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

bool ReplaceFile(const std::string& path, const std::string& content) {
    const std::string target = TargetOf(path);
    std::string temporary;
    const int descriptor = CreateTemporary(target, temporary);
    if (descriptor < 0) {
        return false;
    }
    bool written = WriteAll(descriptor, content);
    struct stat existing {};
    if (written && stat(target.c_str(), &existing) == 0) {
        written = fchmod(descriptor, existing.st_mode & 07777) == 0;
    }
    written = close(descriptor) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int reason = errno;
        std::remove(temporary.c_str());
        errno = reason;
        return false;
    }
    return true;
}

} // namespace Brisk
