#include "docfile/worksheet_doc.h"

#include "docfile/byte_writer.h"
#include "docfile/compobj.h"
#include "docfile/compound_file.h"
#include "docfile/dop.h"
#include "docfile/fib.h"
#include "docfile/fkp.h"
#include "docfile/font_table.h"
#include "docfile/officeart.h"
#include "docfile/section.h"
#include "docfile/shape_anchors.h"
#include "docfile/stylesheet.h"
#include "docfile/textbox_story.h"
#include "docfile/worksheet_content.h"
#include "docfile/worksheet_format.h"

namespace mochi::docfile {

namespace {

// The text starts on a page of its own after the FIB.
constexpr std::uint32_t kTextFc = 0x800;

std::uint32_t NextPage(std::size_t offset) {
  return static_cast<std::uint32_t>((offset + kFkpPageSize - 1) / kFkpPageSize);
}

// Appends a structure to the table stream and records where it lies.
void Place(ByteWriter& table, Fib& fib, FibPair pair, const std::string& structure) {
  fib[pair] = {static_cast<std::uint32_t>(table.size()),
               static_cast<std::uint32_t>(structure.size())};
  table.Bytes(structure);
}

}  // namespace

std::string WriteWorksheetDocument(const mochi::word::DocumentText& typed) {
  const WorksheetContent content = BuildWorksheetContent(typed);
  const std::uint32_t cpCount = content.text.cp();

  // WordDocument: FIB, text, formatted disk pages, section properties.
  Fib fib;
  ByteWriter document;
  document.PadTo(kTextFc);
  document.Bytes(TextBytes(content.text.text()));
  fib.textFc = kTextFc;
  fib.textEnd = static_cast<std::uint32_t>(document.size());

  const std::uint32_t firstChpxPage = NextPage(document.size());
  const FormattingPages chpx = WriteChpxFkps(content.text.runs(), kTextFc, firstChpxPage);
  const FormattingPages papx =
      WritePapxFkps(content.text.paragraphs(), kTextFc, firstChpxPage + chpx.pageCount);
  document.PadTo(firstChpxPage * kFkpPageSize);
  document.Bytes(chpx.pages);
  document.Bytes(papx.pages);
  const std::uint32_t sepxFc = static_cast<std::uint32_t>(document.size());
  document.Bytes(WriteSepx(worksheet::SectionSprms()));

  fib.streamSize = static_cast<std::uint32_t>(document.size());
  fib.ccpText = content.mainLength;
  fib.ccpTxbx = content.textBoxLength;
  fib.firstChpxPage = firstChpxPage;
  fib.chpxPageCount = chpx.pageCount;
  fib.firstPapxPage = firstChpxPage + chpx.pageCount;
  fib.papxPageCount = papx.pageCount;

  // 1Table: everything the FIB points at.
  ByteWriter table;
  const std::string styles =
      WriteStyleSheet(worksheet::Styles(), worksheet::kStyleSlots, worksheet::DefaultFonts());
  Place(table, fib, FibPair::Stshf, styles);
  fib[FibPair::StshfOrig] = fib[FibPair::Stshf];
  Place(table, fib, FibPair::PlcfSed, WritePlcfSed(cpCount, sepxFc));
  Place(table, fib, FibPair::PlcfBteChpx, chpx.binTable);
  Place(table, fib, FibPair::PlcfBtePapx, papx.binTable);
  Place(table, fib, FibPair::SttbfFfn, WriteFontTable(worksheet::Fonts()));
  Place(table, fib, FibPair::Dop, WriteDop());
  Place(table, fib, FibPair::Clx, WriteClx(cpCount, kTextFc));
  Place(table, fib, FibPair::PlcSpaMom, WritePlcSpaMom(content.boxes, cpCount));
  Place(table, fib, FibPair::DggInfo, WriteDrawing(content.boxes));
  Place(table, fib, FibPair::PlcftxbxTxt,
        WritePlcftxbxTxt(content.boxes, content.textBoxRangeStarts));
  Place(table, fib, FibPair::PlcfTxbxBkd,
        WritePlcfTxbxBkd(content.boxes, content.textBoxRangeStarts));

  std::string wordDocument = document.Take();
  wordDocument.replace(0, kFibSize, WriteFib(fib));

  return WriteCompoundFile(kWordDocumentClsid, {{u"WordDocument", std::move(wordDocument)},
                                                {u"1Table", table.Take()},
                                                {u"\x01"
                                                 u"CompObj",
                                                 WriteCompObj()}});
}

}  // namespace mochi::docfile
