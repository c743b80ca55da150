#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "backup/data_files.h"

typedef struct zip zip_t;

namespace tandarel {

// The bytes of a zip archive holding `files` under their names, deflated. Throws
// FileError, naming `archive`, when the library fails (memory).
std::string zipArchiveBytes(const std::vector<DataFile>& files, const std::filesystem::path& archive);

// CRC-32 as zip stores it, to compare files with an archive's members without unpacking.
std::uint32_t zipCrc(const std::string& bytes);

struct ZipMember {
    std::string name;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    std::uint64_t index = 0;
};

// An archive opened for reading: its central directory at once, a member's bytes on demand.
// An archive is input: every failure is a FileError naming the archive.
class ZipReader {
public:
    explicit ZipReader(const std::filesystem::path& archive);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    const std::vector<ZipMember>& members() const { return members_; }
    // The member's bytes, checked against its size and CRC.
    std::string read(const ZipMember& member) const;

private:
    std::filesystem::path archive_;
    zip_t* zip_ = nullptr;
    std::vector<ZipMember> members_;
};

// A member larger than this is refused rather than unpacked: no data file comes near it.
inline constexpr std::uint64_t kMaxMemberBytes = 256ull << 20;

}  // namespace tandarel
