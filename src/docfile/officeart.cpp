#include "docfile/officeart.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "docfile/byte_writer.h"

namespace mochi::docfile {

namespace {

namespace layout = word::layout;

namespace record {
constexpr std::uint16_t kDggContainer = 0xF000;
constexpr std::uint16_t kDgContainer = 0xF002;
constexpr std::uint16_t kSpgrContainer = 0xF003;
constexpr std::uint16_t kSpContainer = 0xF004;
constexpr std::uint16_t kFdgg = 0xF006;
constexpr std::uint16_t kFdg = 0xF008;
constexpr std::uint16_t kFspgr = 0xF009;
constexpr std::uint16_t kFsp = 0xF00A;
constexpr std::uint16_t kFopt = 0xF00B;
constexpr std::uint16_t kClientTextbox = 0xF00D;
constexpr std::uint16_t kChildAnchor = 0xF00F;
constexpr std::uint16_t kClientAnchor = 0xF010;
constexpr std::uint16_t kClientData = 0xF011;
constexpr std::uint16_t kSplitMenuColors = 0xF11E;
constexpr std::uint16_t kTertiaryFopt = 0xF122;
}  // namespace record

namespace shape_type {
constexpr std::uint16_t kNotPrimitive = 0;
constexpr std::uint16_t kRectangle = 1;
constexpr std::uint16_t kLine = 20;
constexpr std::uint16_t kTextBox = 202;
}  // namespace shape_type

namespace shape_flags {
constexpr std::uint32_t kGroup = 0x001;
constexpr std::uint32_t kChild = 0x002;
constexpr std::uint32_t kPatriarch = 0x004;
constexpr std::uint32_t kHaveAnchor = 0x200;
constexpr std::uint32_t kHaveShapeType = 0x800;
}  // namespace shape_flags

using Property = std::pair<std::uint16_t, std::uint32_t>;

constexpr std::uint32_t kDrawingId = 1;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kEmuPerEighthPoint = 12700 / 8;

// OfficeArt colours are stored as 0x00BBGGRR.
constexpr std::uint32_t ColourOfRgb(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::string Record(std::uint16_t version, std::uint16_t instance, std::uint16_t type,
                   const std::string& body) {
  ByteWriter out;
  out.U16(version | (instance << 4));
  out.U16(type);
  out.U32(static_cast<std::uint32_t>(body.size()));
  out.Bytes(body);
  return out.Take();
}

std::string Container(std::uint16_t type, const std::string& children) {
  return Record(0xF, 0, type, children);
}

std::string Rectangle(const layout::Segment& rect) {
  ByteWriter out;
  out.I32(rect.x1);
  out.I32(rect.y1);
  out.I32(rect.x2);
  out.I32(rect.y2);
  return out.Take();
}

std::string Fsp(std::uint16_t shapeType, std::uint32_t shapeId, std::uint32_t flags) {
  ByteWriter body;
  body.U32(shapeId);
  body.U32(flags);
  return Record(2, shapeType, record::kFsp, body.Take());
}

// A property table; properties are listed by ascending id.
std::string Properties(std::uint16_t type, const std::vector<Property>& properties) {
  ByteWriter body;
  for (const auto& [id, value] : properties) {
    body.U16(id);
    body.U32(value);
  }
  return Record(3, static_cast<std::uint16_t>(properties.size()), type, body.Take());
}

std::string U32Record(std::uint16_t type, std::uint32_t value) {
  ByteWriter body;
  body.U32(value);
  return Record(0, 0, type, body.Take());
}

std::string ChildAnchor(const layout::Segment& rect) {
  return Record(0, 0, record::kChildAnchor, Rectangle(rect));
}

// The group: its own frame is one unit per twip, placed relative to the text column and the
// anchor paragraph, printed, in front of the text.
std::string GroupShape(const DrawnBox& box, std::uint32_t anchorIndex) {
  const layout::Segment frame = {0, 0, layout::kBoxWidth, layout::kBoxHeight};
  const std::vector<Property> placement = {
      {0x038F, 0},           // posh: absolute
      {0x0390, 2},           // posrelh: text column
      {0x0391, 0},           // posv: absolute
      {0x0392, 2},           // posrelv: paragraph
      {0x03BF, 0x82218201},  // printed, may overlap, laid out in a table cell
  };
  return Container(record::kSpContainer, Record(1, 0, record::kFspgr, Rectangle(frame)) +
                                             Fsp(shape_type::kNotPrimitive, GroupShapeId(box),
                                                 shape_flags::kGroup | shape_flags::kHaveAnchor) +
                                             Properties(record::kTertiaryFopt, placement) +
                                             U32Record(record::kClientAnchor, anchorIndex) +
                                             U32Record(record::kClientData, 1));
}

// The text box: range storyIndex of the text-box story, framed by a black border on white.
std::string TextBoxShape(const DrawnBox& box, std::uint32_t storyIndex) {
  const std::uint32_t textId = (storyIndex + 1) << 16;  // story range (1-based), first of its chain
  const std::uint32_t inset = layout::kTextBoxInsetLeftRightEmu;
  const std::vector<Property> look = {
      {0x0080, textId},
      {0x0081, inset},  // left inset
      {0x0082, 0},      // top inset
      {0x0083, inset},  // right inset
      {0x0084, 0},      // bottom inset
      {0x0085, 0},      // wrap text in the box
      {0x0087, 0},      // text at the top
      {0x0181, ColourOfRgb(kWhite)},
      {0x01BF, 0x00100010},  // filled
      {0x01C0, ColourOfRgb(kBlack)},
      {0x01CB, layout::kTextBoxBorderEighthPoints * kEmuPerEighthPoint},
      {0x01FF, 0x00080008},  // border drawn
      {0x023F, 0x00020000},  // no shadow
  };
  return Container(
      record::kSpContainer,
      Fsp(shape_type::kTextBox, TextBoxShapeId(box),
          shape_flags::kChild | shape_flags::kHaveAnchor | shape_flags::kHaveShapeType) +
          Properties(record::kFopt, look) + ChildAnchor(layout::kTextBoxRect) +
          U32Record(record::kClientTextbox, textId));
}

// A guide line: grey, round dots, no fill.
std::string GuideLine(std::uint32_t shapeId, const layout::Segment& segment) {
  const std::vector<Property> look = {
      {0x01BF, 0x00100000},  // not filled
      {0x01C0, ColourOfRgb(layout::kGuideLineGreyRgb)},
      {0x01CB, layout::kGuideLineWidthEmu},
      {0x01CE, 2},           // dotted
      {0x01D7, 0},           // round caps, so the dots are round
      {0x01FF, 0x00080008},  // line drawn
      {0x023F, 0x00020000},  // no shadow
  };
  return Container(
      record::kSpContainer,
      Fsp(shape_type::kLine, shapeId,
          shape_flags::kChild | shape_flags::kHaveAnchor | shape_flags::kHaveShapeType) +
          Properties(record::kFopt, look) + ChildAnchor(segment));
}

// One box: the group, then its children bottom to top, so the cross shows above the text.
std::string BoxGroup(const DrawnBox& box, std::uint32_t anchorIndex) {
  const std::uint32_t groupId = GroupShapeId(box);
  return Container(record::kSpgrContainer, GroupShape(box, anchorIndex) +
                                               TextBoxShape(box, anchorIndex) +
                                               GuideLine(groupId + 2, layout::kHorizontalGuide) +
                                               GuideLine(groupId + 3, layout::kVerticalGuide));
}

std::string PatriarchShape() {
  return Container(record::kSpContainer, Record(1, 0, record::kFspgr, Rectangle({0, 0, 0, 0})) +
                                             Fsp(shape_type::kNotPrimitive, kPatriarchShapeId,
                                                 shape_flags::kGroup | shape_flags::kPatriarch));
}

std::string BackgroundShape() {
  const std::vector<Property> look = {
      {0x01C0, 0x08000001},  // line colour: a system colour
      {0x01CB, 0},
      {0x01FF, 0x00080008},
      {0x0201, 0x08000002},  // shadow colour: a system colour
  };
  return Container(record::kSpContainer,
                   Fsp(shape_type::kRectangle, kBackgroundShapeId,
                       shape_flags::kHaveAnchor | shape_flags::kHaveShapeType) +
                       Properties(record::kFopt, look) + U32Record(record::kClientData, 1));
}

std::string DrawingGroup(std::uint32_t shapeCount, std::uint32_t lastShapeId) {
  ByteWriter fdgg;
  fdgg.U32(lastShapeId);
  fdgg.U32(2);  // one id cluster, plus one
  fdgg.U32(shapeCount);
  fdgg.U32(1);           // drawings
  fdgg.U32(kDrawingId);  // the cluster from 1024 belongs to this drawing
  fdgg.U32(shapeCount);
  ByteWriter menuColours;
  for (std::uint32_t colour : {0x0800000Du, 0x0800000Cu, 0x08000017u, 0x100000F7u}) {
    menuColours.U32(colour);
  }
  return Container(record::kDggContainer,
                   Record(0, 0, record::kFdgg, fdgg.Take()) +
                       Record(0, 4, record::kSplitMenuColors, menuColours.Take()));
}

}  // namespace

std::string WriteDrawing(const std::vector<DrawnBox>& boxes) {
  // Anchor index i is the position in the text; drawing order is reading order.
  std::vector<std::uint32_t> drawingOrder(boxes.size());
  for (std::uint32_t i = 0; i < boxes.size(); ++i) drawingOrder[i] = i;
  std::sort(drawingOrder.begin(), drawingOrder.end(), [&](std::uint32_t a, std::uint32_t b) {
    return GroupShapeId(boxes[a]) < GroupShapeId(boxes[b]);
  });

  std::string groups = PatriarchShape();
  std::uint32_t lastShapeId = kBackgroundShapeId;
  for (std::uint32_t anchorIndex : drawingOrder) {
    groups += BoxGroup(boxes[anchorIndex], anchorIndex);
    lastShapeId = std::max(lastShapeId, GroupShapeId(boxes[anchorIndex]) + kShapesPerBox - 1);
  }
  const std::uint32_t shapeCount = 2 + kShapesPerBox * static_cast<std::uint32_t>(boxes.size());

  ByteWriter fdg;
  fdg.U32(shapeCount);
  fdg.U32(lastShapeId);
  const std::string drawing = Container(
      record::kDgContainer, Record(0, kDrawingId, record::kFdg, fdg.Take()) +
                                Container(record::kSpgrContainer, groups) + BackgroundShape());

  const char mainDocumentDrawing = 0;
  return DrawingGroup(shapeCount, lastShapeId) + mainDocumentDrawing + drawing;
}

}  // namespace mochi::docfile
