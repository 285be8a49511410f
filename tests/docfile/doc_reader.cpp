#include "doc_reader.h"

#include <algorithm>

namespace mochi::docfile::testing {

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;

struct Piece {
  std::uint32_t cpStart, cpEnd, fc;
  bool compressed;
};

std::string ReadChain(std::string_view data, const std::vector<std::uint32_t>& fat,
                      std::uint32_t start, std::uint32_t unit, std::size_t size) {
  std::string out;
  std::uint32_t sector = start;
  for (std::size_t steps = 0; out.size() < size && steps <= fat.size(); ++steps) {
    if (sector >= fat.size() || static_cast<std::size_t>(sector + 1) * unit > data.size()) {
      return {};
    }
    out.append(data.substr(static_cast<std::size_t>(sector) * unit, unit));
    sector = fat[sector];
  }
  if (out.size() < size) return {};
  out.resize(size);
  return out;
}

int OperandSize(std::uint16_t opcode, std::string_view rest) {
  switch (opcode >> 13) {
    case 0:
    case 1:
      return 1;
    case 2:
    case 4:
    case 5:
      return 2;
    case 3:
      return 4;
    case 7:
      return 3;
    default:
      return rest.empty() ? 0 : 1 + static_cast<std::uint8_t>(rest[0]);
  }
}

ArtRecord ParseRecord(std::string_view bytes, std::size_t& offset) {
  ArtRecord record;
  const std::uint16_t first = ReadU16(bytes, offset);
  record.version = first & 0xF;
  record.instance = first >> 4;
  record.type = ReadU16(bytes, offset + 2);
  const std::uint32_t length = ReadU32(bytes, offset + 4);
  offset += 8;
  const std::string_view body = bytes.substr(offset, length);
  offset += length;
  if (record.version == 0xF) {
    std::size_t inner = 0;
    while (inner + 8 <= body.size()) record.children.push_back(ParseRecord(body, inner));
  } else {
    record.body = std::string(body);
  }
  return record;
}

}  // namespace

std::uint32_t ReadU32(std::string_view bytes, std::size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
  return value;
}

std::uint16_t ReadU16(std::string_view bytes, std::size_t offset) {
  if (offset + 2 > bytes.size()) return 0;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                    (static_cast<std::uint8_t>(bytes[offset + 1]) << 8));
}

std::map<std::u16string, std::string> ReadCompoundFile(std::string_view file) {
  if (file.size() < 512 || file.substr(0, 8) != "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" ||
      ReadU16(file, 0x1E) != 9 || file.size() % 512 != 0) {
    return {};
  }
  const std::string_view sectors = file.substr(512);
  std::vector<std::uint32_t> fat;
  const std::uint32_t fatSectors = ReadU32(file, 0x2C);
  if (fatSectors > 109) return {};
  for (std::uint32_t i = 0; i < fatSectors; ++i) {
    const std::uint32_t sector = ReadU32(file, 0x4C + 4 * i);
    for (std::uint32_t j = 0; j < 128; ++j) fat.push_back(ReadU32(sectors, sector * 512 + 4 * j));
  }
  std::string entries;
  for (std::uint32_t sector = ReadU32(file, 0x30), steps = 0;
       sector != kEndOfChain && sector < fat.size() && steps < fat.size(); ++steps) {
    entries.append(sectors.substr(sector * 512, 512));
    sector = fat[sector];
  }
  if (entries.size() < 128 || entries[66] != 5) return {};

  const std::uint32_t miniStreamStart = ReadU32(entries, 116);
  const std::uint32_t miniStreamSize = ReadU32(entries, 120);
  const std::string miniStream = ReadChain(sectors, fat, miniStreamStart, 512, miniStreamSize);
  std::vector<std::uint32_t> miniFat;
  const std::string miniFatBytes =
      ReadChain(sectors, fat, ReadU32(file, 0x3C), 512, ReadU32(file, 0x40) * 512);
  for (std::size_t i = 0; i + 4 <= miniFatBytes.size(); i += 4) {
    miniFat.push_back(ReadU32(miniFatBytes, i));
  }
  const std::uint32_t cutoff = ReadU32(file, 0x38);

  std::map<std::u16string, std::string> streams;
  for (std::size_t e = 0; e + 128 <= entries.size(); e += 128) {
    if (entries[e + 66] != 2) continue;
    const std::uint16_t nameBytes = ReadU16(entries, e + 64);
    std::u16string name;
    for (std::size_t i = 0; i + 2 < nameBytes; i += 2) name.push_back(ReadU16(entries, e + i));
    const std::uint32_t start = ReadU32(entries, e + 116);
    const std::uint32_t size = ReadU32(entries, e + 120);
    streams[name] = size < cutoff ? ReadChain(miniStream, miniFat, start, 64, size)
                                  : ReadChain(sectors, fat, start, 512, size);
  }
  return streams;
}

const ArtRecord* ArtRecord::Find(std::uint16_t childType) const {
  for (const ArtRecord& child : children) {
    if (child.type == childType) return &child;
  }
  return nullptr;
}

std::vector<const ArtRecord*> ArtRecord::FindAll(std::uint16_t childType) const {
  std::vector<const ArtRecord*> found;
  for (const ArtRecord& child : children) {
    if (child.type == childType) found.push_back(&child);
  }
  return found;
}

std::vector<Sprm> ParseSprms(std::string_view bytes) {
  std::vector<Sprm> sprms;
  std::size_t offset = 0;
  while (offset + 2 <= bytes.size()) {
    const std::uint16_t opcode = ReadU16(bytes, offset);
    offset += 2;
    const int size = OperandSize(opcode, bytes.substr(offset));
    std::uint32_t operand = 0;
    for (int i = size - 1; i >= 0; --i) {
      operand = (operand << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    offset += size;
    sprms.push_back({opcode, operand});
  }
  return sprms;
}

std::optional<std::uint32_t> FindSprm(const std::vector<Sprm>& sprms, std::uint16_t opcode) {
  for (const Sprm& sprm : sprms) {
    if (sprm.opcode == opcode) return sprm.operand;
  }
  return std::nullopt;
}

WordFile::WordFile(std::string_view file) : streams_(ReadCompoundFile(file)) {
  if (!streams_.count(u"WordDocument")) return;
  document_ = streams_.at(u"WordDocument");
  if (ReadU16(document_, 0) != 0xA5EC) return;
  const bool table1 = (ReadU16(document_, 0x0A) & 0x0200) != 0;
  const std::u16string tableName = table1 ? u"1Table" : u"0Table";
  if (!streams_.count(tableName)) return;
  table_ = streams_.at(tableName);

  // The piece table: skip property modifiers, then read the pieces.
  const std::string_view clx = Table(33);
  std::size_t offset = 0;
  while (offset < clx.size() && clx[offset] == 0x01) offset += 3 + ReadU16(clx, offset + 1);
  if (offset >= clx.size() || clx[offset] != 0x02) return;
  const std::uint32_t lcb = ReadU32(clx, offset + 1);
  const std::string_view plc = clx.substr(offset + 5, lcb);
  const std::size_t pieces = (lcb - 4) / 12;
  for (std::size_t i = 0; i < pieces; ++i) {
    const std::uint32_t cpStart = ReadU32(plc, 4 * i);
    const std::uint32_t cpEnd = ReadU32(plc, 4 * (i + 1));
    const std::uint32_t fcField = ReadU32(plc, 4 * (pieces + 1) + 8 * i + 2);
    const bool compressed = (fcField & 0x40000000) != 0;
    const std::uint32_t fc = compressed ? (fcField & ~0x40000000u) / 2 : fcField;
    for (std::uint32_t cp = cpStart; cp < cpEnd; ++cp) {
      text_.push_back(compressed ? static_cast<std::uint8_t>(document_[fc + cp - cpStart])
                                 : ReadU16(document_, fc + 2 * (cp - cpStart)));
    }
    if (i == 0) textFc_ = fc;
    if (compressed) return;  // this reader maps formatting through 16-bit pieces only
  }
  ok_ = pieces == 1;
}

std::pair<std::uint32_t, std::uint32_t> WordFile::Pair(int index) const {
  return {ReadU32(document_, 0x9A + 8 * index), ReadU32(document_, 0x9E + 8 * index)};
}

std::string_view WordFile::Table(int pairIndex) const {
  const auto [fc, lcb] = Pair(pairIndex);
  if (static_cast<std::size_t>(fc) + lcb > table_.size()) return {};
  return std::string_view(table_).substr(fc, lcb);
}

std::uint32_t WordFile::FcOfCp(std::uint32_t cp) const { return textFc_ + 2 * cp; }

std::optional<std::pair<std::string_view, int>> WordFile::FindFkpEntry(int binTablePair,
                                                                       std::uint32_t fc) const {
  const std::string_view bins = Table(binTablePair);
  const std::size_t count = (bins.size() - 4) / 8;
  for (std::size_t i = 0; i < count; ++i) {
    if (fc < ReadU32(bins, 4 * i) || fc >= ReadU32(bins, 4 * (i + 1))) continue;
    const std::uint32_t page = ReadU32(bins, 4 * (count + 1) + 4 * i) & 0x3FFFFF;
    const std::string_view fkp = std::string_view(document_).substr(page * 512, 512);
    if (fkp.size() != 512) return std::nullopt;
    const int entries = static_cast<std::uint8_t>(fkp[511]);
    for (int j = 0; j < entries; ++j) {
      if (fc >= ReadU32(fkp, 4 * j) && fc < ReadU32(fkp, 4 * (j + 1))) {
        return std::make_pair(fkp, j);
      }
    }
    return std::nullopt;
  }
  return std::nullopt;
}

std::vector<Sprm> WordFile::CharacterSprms(std::uint32_t cp) const {
  const auto entry = FindFkpEntry(12, FcOfCp(cp));
  if (!entry) return {{0xFFFF, 0}};  // no run covers cp: a fault the tests report
  const auto [fkp, index] = *entry;
  const int entries = static_cast<std::uint8_t>(fkp[511]);
  const int offset = 2 * static_cast<std::uint8_t>(fkp[4 * (entries + 1) + index]);
  if (offset == 0) return {};
  return ParseSprms(fkp.substr(offset + 1, static_cast<std::uint8_t>(fkp[offset])));
}

std::pair<std::uint16_t, std::vector<Sprm>> WordFile::ParagraphProperties(std::uint32_t cp) const {
  const auto entry = FindFkpEntry(13, FcOfCp(cp));
  if (!entry) return {0xFFFF, {}};
  const auto [fkp, index] = *entry;
  const int entries = static_cast<std::uint8_t>(fkp[511]);
  const int offset = 2 * static_cast<std::uint8_t>(fkp[4 * (entries + 1) + 13 * index]);
  const int cb = static_cast<std::uint8_t>(fkp[offset]);
  const std::string_view data =
      cb != 0 ? fkp.substr(offset + 1, 2 * cb - 1)
              : fkp.substr(offset + 2, 2 * static_cast<std::uint8_t>(fkp[offset + 1]));
  return {ReadU16(data, 0), ParseSprms(data.substr(2))};
}

std::vector<ShapeAnchor> WordFile::ShapeAnchors() const {
  const std::string_view plc = Table(40);
  if (plc.size() < 4) return {};
  const std::size_t count = (plc.size() - 4) / 30;
  std::vector<ShapeAnchor> anchors;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t spa = 4 * (count + 1) + 26 * i;
    anchors.push_back({ReadU32(plc, 4 * i), ReadU32(plc, spa),
                       static_cast<std::int32_t>(ReadU32(plc, spa + 4)),
                       static_cast<std::int32_t>(ReadU32(plc, spa + 8)),
                       static_cast<std::int32_t>(ReadU32(plc, spa + 12)),
                       static_cast<std::int32_t>(ReadU32(plc, spa + 16)), ReadU16(plc, spa + 20)});
  }
  return anchors;
}

std::vector<TextBoxRange> WordFile::TextBoxRanges() const {
  const std::string_view plc = Table(56);
  if (plc.size() < 4) return {};
  const std::size_t count = (plc.size() - 4) / 26;
  std::vector<TextBoxRange> ranges;
  for (std::size_t i = 0; i < count; ++i) {
    ranges.push_back({ReadU32(plc, 4 * i), ReadU32(plc, 4 * (i + 1)),
                      ReadU32(plc, 4 * (count + 1) + 22 * i + 14)});
  }
  return ranges;
}

std::optional<ArtRecord> WordFile::Drawing() const {
  const std::string_view data = Table(50);
  std::size_t offset = 0;
  if (data.size() < 8) return std::nullopt;
  ParseRecord(data, offset);  // the drawing group
  ++offset;                   // which story the drawing belongs to
  if (offset + 8 > data.size()) return std::nullopt;
  return ParseRecord(data, offset);
}

std::vector<std::pair<std::u16string, std::uint8_t>> WordFile::Fonts() const {
  const std::string_view table = Table(15);
  std::vector<std::pair<std::u16string, std::uint8_t>> fonts;
  const std::uint16_t count = ReadU16(table, 0);
  std::size_t offset = 4;
  for (std::uint16_t i = 0; i < count && offset < table.size(); ++i) {
    const std::size_t size = static_cast<std::uint8_t>(table[offset]) + 1;
    std::u16string name;
    for (std::size_t at = offset + 40; at + 2 <= offset + size && ReadU16(table, at) != 0;
         at += 2) {
      name.push_back(ReadU16(table, at));
    }
    fonts.emplace_back(name, static_cast<std::uint8_t>(table[offset + 4]));
    offset += size;
  }
  return fonts;
}

std::vector<Sprm> WordFile::SectionSprms() const {
  const std::string_view sed = Table(6);
  const std::uint32_t fcSepx = ReadU32(sed, 8 + 2);
  const std::uint16_t size = ReadU16(document_, fcSepx);
  return ParseSprms(std::string_view(document_).substr(fcSepx + 2, size));
}

}  // namespace mochi::docfile::testing
