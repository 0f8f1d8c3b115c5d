#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace kalvor {

// A file opened for reading and writing, closed on destruction. The only place where the engine
// speaks to the operating system directly, for what the standard library cannot do: files created
// private to the user and data flushed to the disk. Every failure throws FileError.
class OsFile {
public:
    // Opens the file, creating it empty (readable by its owner only) when missing.
    static OsFile openOrCreate(const std::filesystem::path& path);
    // Creates the file anew, empty, replacing any file of that name.
    static OsFile createEmpty(const std::filesystem::path& path);

    OsFile(OsFile&& other) noexcept;
    OsFile& operator=(OsFile&&) = delete;
    OsFile(const OsFile&) = delete;
    OsFile& operator=(const OsFile&) = delete;
    ~OsFile();

    std::uint64_t size() const;
    // Reads up to buffer.size() bytes at offset; fewer only at the end of the file.
    std::size_t readAt(std::uint64_t offset, std::span<unsigned char> buffer) const;
    void writeAt(std::uint64_t offset, std::span<const unsigned char> data);
    void truncate(std::uint64_t size);
    // Flushes written data to the disk.
    void sync();
    // Closes now, reporting a failure that the destructor would have to swallow.
    void close();

private:
    OsFile(int fd, std::filesystem::path path) noexcept : fd_(fd), path_(std::move(path)) {}
    int fd_;
    std::filesystem::path path_;
};

// Puts `from` in the place of `to` in one step (an existing `to` is replaced whole or not at all),
// then flushes the folder so that the change survives a power cut.
void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace kalvor
