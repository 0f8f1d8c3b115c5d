#include "eventfile.h"

#include "fileerror.h"
#include "osfile.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace kalvor {

namespace {

constexpr int kBlockRecords = 64;
constexpr std::uint64_t kRecordSize = eventrec::kSize;

std::uint64_t offsetOf(int n) {
    return static_cast<std::uint64_t>(n - 1) * kRecordSize;
}

bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(p, ec);
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
        throw FileError("Cannot look for " + p.string() + ": " + ec.message());
    return std::filesystem::exists(status);
}

[[noreturn]] void noSuchRecord(int n, int count) {
    throw FileError("There is no event number " + std::to_string(n) + " (the event file holds " +
                    std::to_string(count) + ").");
}

} // namespace

EventFile::EventFile(const std::filesystem::path& folder) : path_(folder / kFileName), tempPath_(folder / kTempName) {}

void EventFile::recoverInterruptedRemoval() {
    if (!fileExists(tempPath_))
        return;
    if (fileExists(path_)) {
        std::error_code ec;
        std::filesystem::remove(tempPath_, ec);
        if (ec)
            throw FileError("Cannot delete " + tempPath_.string() + ": " + ec.message());
    } else {
        replaceFile(tempPath_, path_);
    }
}

template <typename Visit> void EventFile::readBlocks(OsFile& file, int records, Visit&& visit) {
    std::vector<unsigned char> block(kBlockRecords * kRecordSize);
    for (int first = 1; first <= records; first += kBlockRecords) {
        const int n = std::min(kBlockRecords, records - first + 1);
        const std::span<unsigned char> bytes(block.data(), static_cast<std::size_t>(n) * kRecordSize);
        const std::size_t got = file.readAt(offsetOf(first), bytes);
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(got), bytes.end(), 0);
        if (!visit(first, n, std::span<const unsigned char>(bytes)))
            return;
    }
}

int EventFile::count() {
    recoverInterruptedRemoval();
    return countForSize(OsFile::openOrCreate(path_).size());
}

eventrec EventFile::read(int n) {
    recoverInterruptedRemoval();
    OsFile file = OsFile::openOrCreate(path_);
    const int records = countForSize(file.size());
    if (n < 1 || n > records)
        noSuchRecord(n, records);
    eventrec::Bytes bytes{};
    file.readAt(offsetOf(n), bytes);
    return eventrec::decode(bytes);
}

void EventFile::write(int n, const eventrec& record) {
    if (n > kMaxRecords)
        throw FileError("The event file is full: it holds at most " + std::to_string(kMaxRecords) + " events.");
    recoverInterruptedRemoval();
    OsFile file = OsFile::openOrCreate(path_);
    const std::uint64_t oldSize = file.size();
    const int records = countForSize(oldSize);
    if (n < 1 || n > records + 1)
        noSuchRecord(n, records);
    const auto bytes = record.encode();
    try {
        file.writeAt(offsetOf(n), bytes);
        file.sync();
        file.close();
    } catch (const FileError&) {
        // A partly written new record would count as an event of its own.
        if (n > records) {
            try {
                OsFile again = OsFile::openOrCreate(path_);
                again.truncate(oldSize);
                again.sync();
            } catch (const FileError&) {
            }
        }
        throw;
    }
}

void EventFile::remove(int r) {
    recoverInterruptedRemoval();
    OsFile source = OsFile::openOrCreate(path_);
    const int records = countForSize(source.size());
    if (r < 1 || r > records)
        noSuchRecord(r, records);
    try {
        OsFile target = OsFile::createEmpty(tempPath_);
        std::uint64_t written = 0;
        readBlocks(source, records, [&](int first, int n, std::span<const unsigned char> bytes) {
            for (int i = 0; i < n; ++i) {
                if (first + i == r)
                    continue;
                target.writeAt(written, bytes.subspan(static_cast<std::size_t>(i) * kRecordSize, kRecordSize));
                written += kRecordSize;
            }
            return true;
        });
        target.sync();
        target.close();
        source.close();
        replaceFile(tempPath_, path_);
    } catch (const FileError&) {
        std::error_code ignored;
        std::filesystem::remove(tempPath_, ignored);
        throw;
    }
}

void EventFile::forEach(const std::function<bool(int, const eventrec&)>& visit) {
    recoverInterruptedRemoval();
    OsFile file = OsFile::openOrCreate(path_);
    readBlocks(file, countForSize(file.size()), [&](int first, int n, std::span<const unsigned char> bytes) {
        for (int i = 0; i < n; ++i)
            if (!visit(first + i,
                       eventrec::decode(bytes.subspan(static_cast<std::size_t>(i) * kRecordSize, kRecordSize))))
                return false;
        return true;
    });
}

std::vector<double> EventFile::readAllWhen() {
    recoverInterruptedRemoval();
    OsFile file = OsFile::openOrCreate(path_);
    const int records = countForSize(file.size());
    std::vector<double> when;
    when.reserve(static_cast<std::size_t>(records));
    readBlocks(file, records, [&](int, int n, std::span<const unsigned char> bytes) {
        for (int i = 0; i < n; ++i)
            when.push_back(readWhen(bytes.subspan(static_cast<std::size_t>(i) * kRecordSize).first<eventrec::kSize>()));
        return true;
    });
    return when;
}

} // namespace kalvor
