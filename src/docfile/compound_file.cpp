#include "docfile/compound_file.h"

#include <algorithm>
#include <cassert>

#include "docfile/byte_writer.h"

namespace mochi::docfile {

namespace {

constexpr std::uint32_t kSectorSize = 512;
constexpr std::uint32_t kMiniSectorSize = 64;
constexpr std::uint32_t kMiniStreamCutoff = 4096;
constexpr std::uint32_t kDirectoryEntrySize = 128;
constexpr std::uint32_t kIdsPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderFatSlots = 109;

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

enum class EntryType : std::uint8_t { Empty = 0, Stream = 2, Root = 5 };
constexpr std::uint8_t kBlack = 1;

std::uint32_t CeilDiv(std::size_t value, std::uint32_t unit) {
  return static_cast<std::uint32_t>((value + unit - 1) / unit);
}

// Siblings are ordered by name length, then by the upper-cased names.
bool NameLess(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char16_t x, char16_t y) { return upper(x) < upper(y); });
}

struct DirectoryEntry {
  std::u16string name;
  EntryType type = EntryType::Empty;
  std::uint32_t left = kNoStream;
  std::uint32_t right = kNoStream;
  std::uint32_t child = kNoStream;
  Clsid clsid{};
  std::uint32_t start = 0;
  std::uint32_t size = 0;
};

void WriteDirectoryEntry(ByteWriter& out, const DirectoryEntry& entry) {
  const std::size_t begin = out.size();
  out.Utf16(entry.name);
  out.PadTo(begin + 64);
  out.U16(entry.name.empty() ? 0 : static_cast<std::uint32_t>(2 * (entry.name.size() + 1)));
  out.U8(static_cast<std::uint8_t>(entry.type));
  out.U8(entry.type == EntryType::Empty ? 0 : kBlack);
  out.U32(entry.left);
  out.U32(entry.right);
  out.U32(entry.child);
  for (std::uint8_t b : entry.clsid) out.U8(b);
  out.Zeros(4 + 8 + 8);  // state bits, creation and modification times
  out.U32(entry.start);
  out.U32(entry.size);
  out.U32(0);
}

// Links the sorted siblings [first, last) into a balanced binary search tree, all black;
// returns the id of its root.
std::uint32_t LinkSiblings(std::vector<DirectoryEntry>& entries, std::uint32_t first,
                           std::uint32_t last) {
  if (first >= last) return kNoStream;
  const std::uint32_t middle = first + (last - first) / 2;
  entries[middle].left = LinkSiblings(entries, first, middle);
  entries[middle].right = LinkSiblings(entries, middle + 1, last);
  return middle;
}

// Appends a chain of count sectors starting at start to a FAT.
void AppendChain(std::vector<std::uint32_t>& fat, std::uint32_t start, std::uint32_t count) {
  assert(fat.size() == start);
  for (std::uint32_t i = 1; i <= count; ++i) fat.push_back(i == count ? kEndOfChain : start + i);
}

std::string PadToSectors(std::string bytes, std::uint32_t unit) {
  bytes.resize(CeilDiv(bytes.size(), unit) * unit, '\0');
  return bytes;
}

std::string Header(std::uint32_t fatSectors, std::uint32_t firstFatSector,
                   std::uint32_t firstDirectorySector, std::uint32_t firstMiniFatSector,
                   std::uint32_t miniFatSectors) {
  ByteWriter out;
  out.Bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
  out.Zeros(16);
  out.U16(0x003E);  // minor version
  out.U16(0x0003);  // major version 3: 512-byte sectors
  out.U16(0xFFFE);  // little-endian
  out.U16(9);       // sector size 2^9
  out.U16(6);       // mini sector size 2^6
  out.Zeros(6);
  out.U32(0);  // directory sector count: not used in version 3
  out.U32(fatSectors);
  out.U32(firstDirectorySector);
  out.U32(0);
  out.U32(kMiniStreamCutoff);
  out.U32(miniFatSectors == 0 ? kEndOfChain : firstMiniFatSector);
  out.U32(miniFatSectors);
  out.U32(kEndOfChain);  // no DIFAT sectors
  out.U32(0);
  for (std::uint32_t i = 0; i < kHeaderFatSlots; ++i) {
    out.U32(i < fatSectors ? firstFatSector + i : kFreeSector);
  }
  assert(out.size() == kSectorSize);
  return out.Take();
}

}  // namespace

std::string WriteCompoundFile(const Clsid& rootClsid, const std::vector<CompoundStream>& streams) {
  // Directory: the root, then the streams in sibling order.
  std::vector<DirectoryEntry> entries(1 + streams.size());
  entries[0].name = u"Root Entry";
  entries[0].type = EntryType::Root;
  entries[0].clsid = rootClsid;
  entries[0].start = kEndOfChain;  // until there is a mini stream
  std::vector<const CompoundStream*> sorted;
  for (const CompoundStream& stream : streams) sorted.push_back(&stream);
  std::sort(sorted.begin(), sorted.end(), [](const CompoundStream* a, const CompoundStream* b) {
    return NameLess(a->name, b->name);
  });
  auto entryOf = [&](const CompoundStream& stream) -> DirectoryEntry& {
    const auto at = std::find(sorted.begin(), sorted.end(), &stream) - sorted.begin();
    return entries[1 + at];
  };
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    entries[1 + i].name = sorted[i]->name;
    entries[1 + i].type = EntryType::Stream;
    entries[1 + i].size = static_cast<std::uint32_t>(sorted[i]->bytes.size());
  }
  entries[0].child = LinkSiblings(entries, 1, static_cast<std::uint32_t>(entries.size()));

  // Sectors: large streams, the mini stream, the mini FAT, the directory, the FAT.
  std::vector<std::uint32_t> fat;
  std::string sectors;
  std::string miniStream;
  std::vector<std::uint32_t> miniFat;
  for (const CompoundStream& stream : streams) {
    DirectoryEntry& entry = entryOf(stream);
    if (stream.bytes.empty()) continue;
    if (stream.bytes.size() < kMiniStreamCutoff) {
      const std::uint32_t start = static_cast<std::uint32_t>(miniFat.size());
      entry.start = start;
      AppendChain(miniFat, start, CeilDiv(stream.bytes.size(), kMiniSectorSize));
      miniStream += PadToSectors(stream.bytes, kMiniSectorSize);
    } else {
      const std::uint32_t start = static_cast<std::uint32_t>(fat.size());
      entry.start = start;
      AppendChain(fat, start, CeilDiv(stream.bytes.size(), kSectorSize));
      sectors += PadToSectors(stream.bytes, kSectorSize);
    }
  }
  if (!miniStream.empty()) {
    entries[0].start = static_cast<std::uint32_t>(fat.size());
    entries[0].size = static_cast<std::uint32_t>(miniStream.size());
    AppendChain(fat, entries[0].start, CeilDiv(miniStream.size(), kSectorSize));
    sectors += PadToSectors(miniStream, kSectorSize);
  }

  const std::uint32_t firstMiniFatSector = static_cast<std::uint32_t>(fat.size());
  const std::uint32_t miniFatSectors = CeilDiv(miniFat.size() * 4, kSectorSize);
  AppendChain(fat, firstMiniFatSector, miniFatSectors);
  miniFat.resize(miniFatSectors * kIdsPerSector, kFreeSector);
  ByteWriter miniFatBytes;
  for (std::uint32_t id : miniFat) miniFatBytes.U32(id);
  sectors += miniFatBytes.Take();

  const std::uint32_t firstDirectorySector = static_cast<std::uint32_t>(fat.size());
  const std::uint32_t entriesPerSector = kSectorSize / kDirectoryEntrySize;
  const std::uint32_t directorySectors = CeilDiv(entries.size(), entriesPerSector);
  AppendChain(fat, firstDirectorySector, directorySectors);
  entries.resize(directorySectors * entriesPerSector);
  ByteWriter directory;
  for (const DirectoryEntry& entry : entries) WriteDirectoryEntry(directory, entry);
  sectors += directory.Take();

  // The FAT maps every sector, its own included.
  std::uint32_t fatSectors = 1;
  while (fat.size() + fatSectors > fatSectors * kIdsPerSector) ++fatSectors;
  assert(fatSectors <= kHeaderFatSlots);
  const std::uint32_t firstFatSector = static_cast<std::uint32_t>(fat.size());
  fat.insert(fat.end(), fatSectors, kFatSector);
  fat.resize(fatSectors * kIdsPerSector, kFreeSector);
  ByteWriter fatBytes;
  for (std::uint32_t id : fat) fatBytes.U32(id);
  sectors += fatBytes.Take();

  return Header(fatSectors, firstFatSector, firstDirectorySector, firstMiniFatSector,
                miniFatSectors) +
         sectors;
}

}  // namespace mochi::docfile
