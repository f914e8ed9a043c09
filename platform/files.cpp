// The program's directory and its data, the listing of a directory by name ending, and raw byte reading.
#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool EndsWithNoCase(std::string_view name, std::string_view suffix)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return name.size() >= suffix.size()
           && std::ranges::equal(name.substr(name.size() - suffix.size()), suffix, {}, lower, lower);
}

}  // namespace

std::filesystem::path ProgramDirectory()
{
    std::error_code ec;
    // /proc/self/exe already names the file itself, every link on the way resolved.
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return std::filesystem::current_path(ec);
    return exe.parent_path();
}

// From the installed executable's folder to the installed data, as the build's install rules lay them out.
#ifndef VQ_DATA_FROM_PROGRAM
#define VQ_DATA_FROM_PROGRAM "../share/games/veltrane-quillorn"
#endif

std::filesystem::path ProgramDataDirectory(const std::filesystem::path& programDir)
{
    std::error_code ec;
    std::filesystem::path installed = (programDir / VQ_DATA_FROM_PROGRAM).lexically_normal();
    if (std::filesystem::is_directory(installed, ec))
        return installed;
    return programDir;
}

std::filesystem::path ProgramDataDirectory()
{
    return ProgramDataDirectory(ProgramDirectory());
}

std::filesystem::path XdgBaseDirectory(const char* szVariable, const std::filesystem::path& fallbackUnderHome)
{
    // Relative values are to be ignored, as the base-directory convention says.
    const char* value = std::getenv(szVariable);
    if (value != nullptr && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* pw = getpwuid(getuid());
        home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    return std::filesystem::path(home != nullptr && *home != '\0' ? home : "/tmp") / fallbackUnderHome;
}

std::filesystem::path UserDataDirectory()
{
    return XdgBaseDirectory("XDG_DATA_HOME", std::filesystem::path(".local") / "share") / "veltrane-quillorn";
}

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool bReplace)
{
    std::error_code ec;
    if (!path.parent_path().empty())
        std::filesystem::create_directories(path.parent_path(), ec);
    // ".name.XXXXXX" beside the file, for mkostemp to fill in; built by appending, never by
    // putting text in front of a string.
    std::string tmpName(1, '.');
    tmpName += path.filename().string();
    tmpName += ".XXXXXX";
    std::string tmp = (path.parent_path() / tmpName).string();
    const int fd = mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    int nError = 0;
    // The file gets the permissions an ordinary new file would, not mkstemp's 0600.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(fd, 0666 & ~mask) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0)
        nError = errno ? errno : EIO;
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    if (nError == 0) {
        // link() refuses an existing name, which rename() would silently replace.
        if (bReplace) {
            if (::rename(tmp.c_str(), path.c_str()) != 0)
                nError = errno;
        } else if (::link(tmp.c_str(), path.c_str()) != 0) {
            nError = errno;
            // A file system without hard links (FAT, some network shares): check, then rename.
            if ((nError == EPERM || nError == EOPNOTSUPP) && !std::filesystem::exists(path, ec))
                nError = ::rename(tmp.c_str(), path.c_str()) == 0 ? 0 : errno;
        }
    }
    ::unlink(tmp.c_str());
    return nError;
}

std::vector<std::filesystem::path> FindFilesWithSuffix(const std::filesystem::path& dir, std::string_view suffix)
{
    std::vector<std::filesystem::path> aFound;
    DIR* d = opendir(dir.c_str());
    if (!d)
        return aFound;
    const int dirFd = dirfd(d);
    while (const dirent* entry = readdir(d)) {
        const std::string_view name(entry->d_name);
        // A name that is only the ending (".set") names nothing.
        if (name.size() <= suffix.size() || !EndsWithNoCase(name, suffix))
            continue;
        // Links are followed: a link to a set counts, a dangling one and anything not a regular file do
        // not. The directory already says what most entries are; only the rest cost a stat.
        if (entry->d_type != DT_REG) {
            struct stat st {};
            if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
                continue;
            if (fstatat(dirFd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
        }
        aFound.emplace_back(std::string(name));
    }
    closedir(d);
    return aFound;
}

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes)
{
    bytes.clear();
    // Non-blocking so that a FIFO cannot hang the open; it is refused just below anyway.
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st {};
    bool bOk = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (bOk)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[64 * 1024];
    while (bOk) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0)
            break;
        else if (errno != EINTR)
            bOk = false;
    }
    ::close(fd);
    return bOk;
}
