#pragma once

#include "eventrec.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace kalvor {

// The event file KALVOR.DAT: records of eventrec::kSize bytes with no header; a record's number,
// counted from 1, is the event's identity. Every operation opens the file, works and closes it, so
// the file is always the current state. Failures throw FileError and leave stored events intact.
//
// Removal writes KALVOR.TMP beside it and renames it over KALVOR.DAT. On the next operation a
// KALVOR.TMP without KALVOR.DAT (a removal interrupted by an older writer, between its delete and
// its rename) is taken back as KALVOR.DAT; one beside KALVOR.DAT is an unfinished removal and is
// discarded.
class EventFile {
public:
    static constexpr int kMaxRecords = 32767;
    static constexpr const char* kFileName = "KALVOR.DAT";
    static constexpr const char* kTempName = "KALVOR.TMP";

    explicit EventFile(const std::filesystem::path& folder);

    const std::filesystem::path& path() const noexcept { return path_; }
    const std::filesystem::path& tempPath() const noexcept { return tempPath_; }

    // The file's length over the record size, rounded to the nearest whole number. A missing file
    // is created empty.
    int count();
    // Record n, 1 <= n <= count(); bytes missing from a short last record read as zero.
    eventrec read(int n);
    // Stores record n in place, or appends it when n is count() + 1; flushed to disk on return.
    void write(int n, const eventrec& record);
    // Removes record r; the records after it move down by one.
    void remove(int r);

    // Every record in order; stops early when visit returns false.
    void forEach(const std::function<bool(int n, const eventrec& record)>& visit);
    // Only the `when` of every record, in order: all a scan for the next due event needs.
    std::vector<double> readAllWhen();

    // The record count of a file of `bytes` bytes.
    static constexpr int countForSize(std::uint64_t bytes) noexcept {
        return static_cast<int>((bytes + eventrec::kSize / 2) / eventrec::kSize);
    }

private:
    void recoverInterruptedRemoval();
    // Reads the records in blocks, each zero-padded to whole records, calling visit(first, count, bytes).
    template <typename Visit> void readBlocks(class OsFile& file, int records, Visit&& visit);

    std::filesystem::path path_;
    std::filesystem::path tempPath_;
};

} // namespace kalvor
