// GBK (Windows code page 936) through glibc iconv, which the lists are checked against.
import { spawnSync } from 'node:child_process';

export function encodeGbk(text) {
  const run = spawnSync('iconv', ['-f', 'UTF-8', '-t', 'CP936'], { input: Buffer.from(text, 'utf8') });
  if (run.status !== 0) throw new Error(`iconv cannot encode as CP936: ${run.stderr}`);
  return run.stdout;
}

// Every character that has a two-byte GBK code (lead 0x81-0xFE, trail 0x40-0xFE but 0x7F).
export function gbkDoubleByteCharacters() {
  const codes = [];
  for (let lead = 0x81; lead <= 0xfe; lead++) {
    for (let trail = 0x40; trail <= 0xfe; trail++) if (trail !== 0x7f) codes.push(lead, trail);
  }
  const decoded = decodeGbk(Buffer.from(codes));
  return new Set([...decoded].filter((c) => c !== '\ufffd' && c.codePointAt(0) > 0x7f));
}

export function decodeGbk(bytes) {
  const run = spawnSync('iconv', ['-c', '-f', 'CP936', '-t', 'UTF-8'], { input: bytes });
  return run.stdout.toString('utf8');
}

