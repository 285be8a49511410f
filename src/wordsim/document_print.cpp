#include "wordsim/document_print.h"

#include <algorithm>

#include "word/template_layout.h"
#include "wordsim/utf8.h"

namespace mochi::wordsim {

namespace layout = word::layout;

namespace {

// A box shows its first paragraph, and its second after a "/" when that holds text.
std::u16string BoxContent(const word::DocumentText& document, int row, int column) {
  const auto& box = document.boxes[layout::BoxNumber(row, column) - 1];
  return box[1].empty() ? box[0] : box[0] + u"/" + box[1];
}

class Printer {
 public:
  explicit Printer(const word::DocumentText& document) : document_(document) {
    for (int row = 1; row <= layout::kRows; ++row) {
      for (int column = 1; column <= layout::kColumns; ++column) {
        cellWidth_ = std::max(cellWidth_, DisplayWidth(BoxContent(document, row, column)));
      }
    }
    gridWidth_ = layout::kColumns * (cellWidth_ + 3) + 1;
  }

  std::string Print() {
    for (int paragraph = 1; paragraph <= layout::kMainParagraphs; ++paragraph) {
      const std::u16string& typed = document_.paragraphs[paragraph - 1];
      switch (layout::RoleOfParagraph(paragraph)) {
        case layout::ParagraphRole::Title:
        case layout::ParagraphRole::Header:
          if (!typed.empty()) Centered(typed);
          break;
        case layout::ParagraphRole::Empty:
          if (!typed.empty()) out_ += Utf8FromUtf16(typed) + '\n';
          break;
        case layout::ParagraphRole::GridRow:
          Row(layout::RowOfParagraph(paragraph));
          if (!typed.empty()) out_ += Utf8FromUtf16(typed) + '\n';
          break;
        case layout::ParagraphRole::Closing:
          Row(layout::RowOfParagraph(paragraph));
          if (!typed.empty()) {
            out_ += '\n';
            Centered(typed);
          }
          break;
      }
    }
    return std::move(out_);
  }

 private:
  void Centered(const std::u16string& text) {
    const int pad = std::max(0, (gridWidth_ - DisplayWidth(text)) / 2);
    out_ += std::string(static_cast<std::size_t>(pad), ' ') + Utf8FromUtf16(text) + '\n';
  }

  void Border() {
    for (int column = 0; column < layout::kColumns; ++column) {
      out_ += '+' + std::string(static_cast<std::size_t>(cellWidth_ + 2), '-');
    }
    out_ += "+\n";
  }

  void Row(int row) {
    if (row == 1) {
      out_ += '\n';
      Border();
    }
    for (int column = 1; column <= layout::kColumns; ++column) {
      const std::u16string content = BoxContent(document_, row, column);
      const int pad = cellWidth_ - DisplayWidth(content);
      out_ += "| " + Utf8FromUtf16(content) + std::string(static_cast<std::size_t>(pad + 1), ' ');
    }
    out_ += "|\n";
    Border();
  }

  const word::DocumentText& document_;
  int cellWidth_ = 2;
  int gridWidth_ = 0;
  std::string out_;
};

}  // namespace

std::string PrintDocument(const word::DocumentText& document) { return Printer(document).Print(); }

}  // namespace mochi::wordsim
