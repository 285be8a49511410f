// Small text helpers shared by the idiom and motto builders.

export function isEncodableGbk(text, gbkCharacters) {
  return [...text].every((c) => c.codePointAt(0) < 0x80 || gbkCharacters.has(c));
}

// Bytes a text takes in GBK: two per character beyond ASCII.
export function gbkLength(text) {
  return [...text].reduce((sum, c) => sum + (c.codePointAt(0) < 0x80 ? 1 : 2), 0);
}
