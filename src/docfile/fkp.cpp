#include "docfile/fkp.h"

#include <cassert>

#include "docfile/byte_writer.h"
#include "docfile/plc.h"

namespace mochi::docfile {

namespace {

// What differs between the two kinds of page: the size of each entry's offset record (CHPX: one
// byte; PAPX: one byte plus 12 bytes of unused height cache) and the most entries a page holds.
struct PageKind {
  std::uint32_t offsetRecordSize;
  std::uint32_t maxEntries;
};
constexpr PageKind kChpxPage = {1, 0x65};
constexpr PageKind kPapxPage = {13, 0x1D};

// One run or paragraph: it ends at fcEnd; block is its property block, empty for none.
struct Entry {
  std::uint32_t fcEnd;
  std::string block;
};

// A page fills from both ends: positions and offset records from the start, property blocks
// downward from the last byte, which holds the entry count. Blocks start at even offsets, as
// the offset records count in words.
class Page {
 public:
  Page(PageKind kind, std::uint32_t fcStart) : kind_(kind), fcStart_(fcStart) {}

  bool TryAdd(const Entry& entry) {
    const std::uint32_t count = static_cast<std::uint32_t>(entries_.size()) + 1;
    const std::uint32_t headerEnd = 4 * (count + 1) + kind_.offsetRecordSize * count;
    std::uint32_t top = blockTop_;
    if (!entry.block.empty()) {
      if (entry.block.size() > top) return false;
      top = (top - static_cast<std::uint32_t>(entry.block.size())) & ~1u;
    }
    if (count > kind_.maxEntries || headerEnd > top) return false;
    entries_.push_back(entry);
    blockOffsets_.push_back(entry.block.empty() ? 0 : top);
    blockTop_ = top;
    return true;
  }

  std::uint32_t fcStart() const { return fcStart_; }
  std::uint32_t fcEnd() const { return entries_.back().fcEnd; }
  bool empty() const { return entries_.empty(); }

  std::string Bytes() const {
    const std::uint32_t count = static_cast<std::uint32_t>(entries_.size());
    ByteWriter out;
    out.U32(fcStart_);
    for (const Entry& entry : entries_) out.U32(entry.fcEnd);
    for (std::uint32_t offset : blockOffsets_) {
      out.U8(offset / 2);
      out.Zeros(kind_.offsetRecordSize - 1);
    }
    std::string page = out.Take();
    page.resize(kFkpPageSize, '\0');
    for (std::uint32_t i = 0; i < count; ++i) {
      page.replace(blockOffsets_[i], entries_[i].block.size(), entries_[i].block);
    }
    page[kFkpPageSize - 1] = static_cast<char>(count);
    return page;
  }

 private:
  PageKind kind_;
  std::uint32_t fcStart_;
  std::uint32_t blockTop_ = kFkpPageSize - 1;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> blockOffsets_;
};

FormattingPages PackPages(PageKind kind, const std::vector<Entry>& entries, std::uint32_t textFc,
                          std::uint32_t firstPage) {
  std::vector<Page> pages;
  pages.emplace_back(kind, textFc);
  for (const Entry& entry : entries) {
    if (!pages.back().TryAdd(entry)) {
      assert(!pages.back().empty() && "one entry must fit an empty page");
      pages.emplace_back(kind, pages.back().fcEnd());
      pages.back().TryAdd(entry);
    }
  }

  FormattingPages result;
  std::vector<std::uint32_t> positions;
  std::vector<std::string> pageNumbers;
  for (const Page& page : pages) {
    result.pages += page.Bytes();
    positions.push_back(page.fcStart());
    ByteWriter pn;
    pn.U32(firstPage + result.pageCount++);
    pageNumbers.push_back(pn.Take());
  }
  positions.push_back(pages.back().fcEnd());
  result.binTable = WritePlc(positions, pageNumbers);
  return result;
}

std::uint32_t FcOf(std::uint32_t cp, std::uint32_t textFc) { return textFc + 2 * cp; }

// Chpx: a count byte, then the sprms.
std::string ChpxBlock(const std::string& chpx) {
  if (chpx.empty()) return {};
  return static_cast<char>(chpx.size()) + chpx;
}

// PapxInFkp: the style index and sprms, prefixed by a size in words. An odd length is stored as
// (length + 1) / 2; an even one as 0 followed by length / 2.
std::string PapxBlock(const ParagraphFormat& paragraph) {
  ByteWriter grpprlAndIstd;
  grpprlAndIstd.U16(paragraph.istd);
  grpprlAndIstd.Bytes(paragraph.papx);
  const std::string body = grpprlAndIstd.Take();
  ByteWriter out;
  if (body.size() % 2 == 1) {
    out.U8(static_cast<std::uint32_t>(body.size() + 1) / 2);
  } else {
    out.U8(0);
    out.U8(static_cast<std::uint32_t>(body.size()) / 2);
  }
  out.Bytes(body);
  return out.Take();
}

}  // namespace

FormattingPages WriteChpxFkps(const std::vector<CharacterRun>& runs, std::uint32_t textFc,
                              std::uint32_t firstPage) {
  std::vector<Entry> entries;
  for (const CharacterRun& run : runs)
    entries.push_back({FcOf(run.cpEnd, textFc), ChpxBlock(run.chpx)});
  return PackPages(kChpxPage, entries, textFc, firstPage);
}

FormattingPages WritePapxFkps(const std::vector<ParagraphFormat>& paragraphs, std::uint32_t textFc,
                              std::uint32_t firstPage) {
  std::vector<Entry> entries;
  for (const ParagraphFormat& paragraph : paragraphs) {
    entries.push_back({FcOf(paragraph.cpEnd, textFc), PapxBlock(paragraph)});
  }
  return PackPages(kPapxPage, entries, textFc, firstPage);
}

}  // namespace mochi::docfile
