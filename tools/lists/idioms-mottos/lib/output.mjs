// Writes the list files: GBK, CR LF line ends.
import fs from 'node:fs';
import path from 'node:path';
import { encodeGbk } from './gbk.mjs';

// One file per character position: zi4.txt holds the first characters, zi7.txt the fourth.
// Every line, the last included, ends with CR LF.
export function writeIdiomFiles(outDir, idioms) {
  ['zi4.txt', 'zi5.txt', 'zi6.txt', 'zi7.txt'].forEach((name, position) => {
    const text = idioms.map((idiom) => `${[...idiom][position]}\r\n`).join('');
    fs.writeFileSync(path.join(outDir, name), encodeGbk(text));
  });
}

// CR LF separates the mottos; the last one has no line end.
export function writeMottoFile(outDir, mottos) {
  fs.writeFileSync(path.join(outDir, 'my.txt'), encodeGbk(mottos.join('\r\n')));
}
