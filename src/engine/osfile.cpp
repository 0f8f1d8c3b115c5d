#include "osfile.h"

#include "fileerror.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kalvor {

namespace {

[[noreturn]] void fail(const char* what, const std::filesystem::path& path, int error = errno) {
    throw FileError(std::string(what) + " " + path.string() + ": " + std::strerror(error));
}

#ifdef _WIN32
int openFile(const std::filesystem::path& path, int flags) {
    int fd = -1;
    _wsopen_s(&fd, path.c_str(), flags | _O_RDWR | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    return fd;
}
constexpr int kCreate = _O_CREAT;
constexpr int kTruncate = _O_CREAT | _O_TRUNC;
#else
int openFile(const std::filesystem::path& path, int flags) {
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_RDWR | O_CLOEXEC, 0600);
    while (fd < 0 && errno == EINTR);
    return fd;
}
constexpr int kCreate = O_CREAT;
constexpr int kTruncate = O_CREAT | O_TRUNC;
#endif

} // namespace

OsFile OsFile::openOrCreate(const std::filesystem::path& path) {
    const int fd = openFile(path, kCreate);
    if (fd < 0)
        fail("Cannot open", path);
    return OsFile(fd, path);
}

OsFile OsFile::createEmpty(const std::filesystem::path& path) {
    const int fd = openFile(path, kTruncate);
    if (fd < 0)
        fail("Cannot create", path);
    return OsFile(fd, path);
}

OsFile::OsFile(OsFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

OsFile::~OsFile() {
    if (fd_ >= 0) {
#ifdef _WIN32
        _close(fd_);
#else
        ::close(fd_);
#endif
    }
}

void OsFile::close() {
    const int fd = std::exchange(fd_, -1);
#ifdef _WIN32
    if (_close(fd) != 0)
#else
    if (::close(fd) != 0 && errno != EINTR)
#endif
        fail("Cannot close", path_);
}

#ifdef _WIN32

std::uint64_t OsFile::size() const {
    const __int64 n = _filelengthi64(fd_);
    if (n < 0)
        fail("Cannot read the size of", path_);
    return static_cast<std::uint64_t>(n);
}

std::size_t OsFile::readAt(std::uint64_t offset, std::span<unsigned char> buffer) const {
    if (_lseeki64(fd_, static_cast<__int64>(offset), SEEK_SET) < 0)
        fail("Cannot read", path_);
    std::size_t done = 0;
    while (done < buffer.size()) {
        const int n = _read(fd_, buffer.data() + done, static_cast<unsigned>(buffer.size() - done));
        if (n < 0)
            fail("Cannot read", path_);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void OsFile::writeAt(std::uint64_t offset, std::span<const unsigned char> data) {
    if (_lseeki64(fd_, static_cast<__int64>(offset), SEEK_SET) < 0)
        fail("Cannot write", path_);
    std::size_t done = 0;
    while (done < data.size()) {
        const int n = _write(fd_, data.data() + done, static_cast<unsigned>(data.size() - done));
        if (n <= 0)
            fail("Cannot write", path_, n == 0 ? ENOSPC : errno);
        done += static_cast<std::size_t>(n);
    }
}

void OsFile::truncate(std::uint64_t size) {
    if (_chsize_s(fd_, static_cast<__int64>(size)) != 0)
        fail("Cannot truncate", path_);
}

void OsFile::sync() {
    if (_commit(fd_) != 0)
        fail("Cannot flush to disk", path_);
}

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("Cannot replace", to, EIO);
}

#else

std::uint64_t OsFile::size() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        fail("Cannot read the size of", path_);
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t OsFile::readAt(std::uint64_t offset, std::span<unsigned char> buffer) const {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::pread(fd_, buffer.data() + done, buffer.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("Cannot read", path_);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void OsFile::writeAt(std::uint64_t offset, std::span<const unsigned char> data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail("Cannot write", path_, n == 0 ? ENOSPC : errno);
        done += static_cast<std::size_t>(n);
    }
}

void OsFile::truncate(std::uint64_t size) {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
        fail("Cannot truncate", path_);
}

void OsFile::sync() {
    // Character devices and some file systems cannot be flushed; that is not a failure to write.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != ENOTSUP)
        fail("Cannot flush to disk", path_);
}

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail("Cannot replace", to);
    const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        fail("Cannot open the folder", folder);
    const bool synced = ::fsync(dirFd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    ::close(dirFd);
    if (!synced)
        fail("Cannot flush to disk the folder", folder, error);
}

#endif

} // namespace kalvor
