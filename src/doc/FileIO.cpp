#include "FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t maxFileSize = 1ull << 30;

FileError fromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
        return FileError::AccessDenied;
    case ENOSPC:
    case EDQUOT:
        return FileError::DiskFull;
    default:
        return FileError::Io;
    }
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// A symbolic link is kept: the file it points at is replaced.
std::string resolveTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && ::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

} // namespace

FileError ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return fromErrno(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fromErrno(errno);
    if (S_ISDIR(info.st_mode))
        return FileError::AccessDenied;
    if (std::uint64_t(info.st_size) > maxFileSize)
        return FileError::TooLarge;
    std::uint8_t buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fromErrno(errno);
        }
        if (got == 0)
            break;
        if (bytes.size() + std::size_t(got) > maxFileSize)
            return FileError::TooLarge;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return FileError::None;
}

FileError WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const std::string target = resolveTarget(path);
    // Renaming over a write-protected file would succeed; the user protected
    // it to keep it, so it is refused as a direct write would be.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return FileError::AccessDenied;
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + (slash == std::string::npos ? "/" : "") + "." + name + ".XXXXXX";

    Fd fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return fromErrno(errno);

    auto fail = [&](int error) {
        ::close(fd.release());
        ::unlink(temporary.c_str());
        return fromErrno(error);
    };

    // The new file keeps the permissions of the one it replaces.
    struct stat info {};
    mode_t mode = 0666;
    if (::stat(target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(fd.get(), mode) != 0)
        return fail(errno);

    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t put = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += std::size_t(put);
    }
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (::close(fd.release()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return fromErrno(error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return fromErrno(error);
    }
    return FileError::None;
}
