#include "cli/image_volumes.h"

#include <cstring>
#include <vector>

#include "platform/files.h"

namespace vardek::cli {

namespace {

constexpr std::size_t kSectorSize = 2048;
// The descriptors begin after the 16 sectors of the system area.
constexpr std::size_t kFirstDescriptor = 16 * kSectorSize;
// Enough for the ISO 9660 set and UDF's recognition sequence behind it.
constexpr std::size_t kDescriptorSectors = 64;

constexpr unsigned char kPrimaryType = 1;
constexpr unsigned char kSupplementaryType = 2;

// The identifiers of the descriptors that may follow one another from sector
// 16 on; the first sector with none of them ends the set.
constexpr const char* kDescriptorIdentifiers[] = {"CD001", "BEA01", "NSR02", "NSR03", "TEA01", "BOOT2", "CDW02"};

bool HasIdentifier(const unsigned char* sector, const char* identifier) {
  return std::memcmp(sector + 1, identifier, 5) == 0;
}

std::uint32_t LittleEndian(const unsigned char* at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
  return value;
}

// Joliet marks its descriptor with one of three escape sequences (UCS-2
// levels 1 to 3) at the start of the escape field.
bool IsDescriptor(const unsigned char* sector) {
  for (const char* identifier : kDescriptorIdentifiers)
    if (HasIdentifier(sector, identifier)) return true;
  return false;
}

bool IsJoliet(const unsigned char* sector) {
  const unsigned char* escape = sector + 88;
  return escape[0] == '%' && escape[1] == '/' && (escape[2] == '@' || escape[2] == 'C' || escape[2] == 'E');
}

void Describe(const unsigned char* sector, ImageVolumes& volumes) {
  if (HasIdentifier(sector, "NSR02") || HasIdentifier(sector, "NSR03")) volumes.udf = true;
  if (!HasIdentifier(sector, "CD001")) return;
  if (sector[0] == kPrimaryType && !volumes.iso9660) {
    volumes.iso9660 = true;
    volumes.volumeBytes = std::uint64_t{LittleEndian(sector + 80, 4)} * LittleEndian(sector + 128, 2);
  }
  if (sector[0] == kSupplementaryType && IsJoliet(sector)) volumes.joliet = true;
}

}  // namespace

bool ReadImageVolumes(const std::string& path, ImageVolumes& volumes) {
  volumes = ImageVolumes{};
  platform::PieceReader reader;
  if (!reader.Open(path.c_str(), volumes.fileBytes)) return false;
  std::vector<unsigned char> area(kFirstDescriptor + kDescriptorSectors * kSectorSize);
  std::size_t filled = 0;
  while (filled < area.size()) {
    const long long got = reader.Read(reinterpret_cast<char*>(area.data()) + filled, area.size() - filled);
    if (got < 0) return false;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  for (std::size_t at = kFirstDescriptor; at + kSectorSize <= filled; at += kSectorSize) {
    const unsigned char* sector = area.data() + at;
    if (!IsDescriptor(sector)) break;
    Describe(sector, volumes);
  }
  return true;
}

}  // namespace vardek::cli
