#include "wordsim/call_trace.h"

#include "wordsim/utf8.h"

namespace mochi::wordsim {

namespace {

std::string DescribeValue(const TracedValue& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return "<missing>"; }
    std::string operator()(std::int32_t v) const { return std::to_string(v); }
    std::string operator()(bool v) const { return v ? "true" : "false"; }
    std::string operator()(const std::u16string& v) const { return '"' + Utf8FromUtf16(v) + '"'; }
    std::string operator()(const ObjectArgument& v) const { return '<' + v.kind + '>'; }
  };
  return std::visit(Visitor{}, value);
}

std::string JoinArguments(const std::vector<TracedValue>& arguments) {
  std::string out;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) out += ", ";
    out += DescribeValue(arguments[i]);
  }
  return out;
}

}  // namespace

std::string Describe(const Call& call) {
  std::string out = call.object + '.' + call.member;
  switch (call.kind) {
    case word::InvokeKind::Method:
      out += '(' + JoinArguments(call.arguments) + ')';
      break;
    case word::InvokeKind::PropertyGet:
      if (!call.arguments.empty()) out += '(' + JoinArguments(call.arguments) + ')';
      break;
    case word::InvokeKind::PropertyPut:
      out += " = " + JoinArguments(call.arguments);
      break;
  }
  if (call.failed) out += " -> error";
  return out;
}

}  // namespace mochi::wordsim
