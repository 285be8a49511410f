# Writes OUTPUT, a C++ file holding INPUT's bytes as the array SYMBOL and its length SYMBOL_size.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Twenty bytes a line keeps the generated file readable and the compiler's lines short.
string(REGEX REPLACE "((0x..,){20})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
  "#include <cstddef>\n"
  "extern const unsigned char ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}_size;\n"
  "alignas(8) const unsigned char ${SYMBOL}[${size} + 1] = {\n${bytes}\n0};\n"
  "const std::size_t ${SYMBOL}_size = ${size};\n")
