// Source texts from chinese-poetry, simplified, reduced to their Han characters for matching.
import fs from 'node:fs';
import path from 'node:path';
import { readPoetryJson } from './sources.mjs';

export const hanOnly = (text) => (text.match(/\p{Script=Han}/gu) ?? []).join('');

const replaceVariants = (text, variants) => [...text].map((c) => variants[c] ?? c).join('');

function collectStrings(node, out) {
  if (typeof node === 'string') out.push(node);
  else if (Array.isArray(node)) node.forEach((child) => collectStrings(child, out));
  else if (node && typeof node === 'object') {
    for (const [key, value] of Object.entries(node)) if (key === 'paragraphs' || key === 'content') collectStrings(value, out);
  }
  return out;
}

function expandFiles(modules, pattern) {
  if (!pattern.includes('*')) return [pattern];
  const dir = path.dirname(pattern);
  const matcher = new RegExp(`^${path.basename(pattern).replace(/\./g, '\\.').replace('*', '\\d+')}$`);
  return fs
    .readdirSync(path.join(modules, 'chinese-poetry/dist', dir))
    .filter((name) => matcher.test(name))
    .sort()
    .map((name) => path.join(dir, name));
}

// Returns check(sourceKey, text, poet) telling whether the text occurs in that source.
export function classicalMatcher(modules, { sources, variants }, toSimplified) {
  const books = new Map();
  const poems = new Map();
  const loadBook = (key) => {
    const strings = sources[key].files.flatMap((file) => expandFiles(modules, file)).flatMap((file) => collectStrings(readPoetryJson(modules, file), []));
    return replaceVariants(hanOnly(toSimplified(strings.join('\n'))), variants);
  };
  // Tang poems are many: only the poems of the poets asked for get simplified.
  const loadPoets = (key) => {
    const byPoet = new Map();
    for (const file of sources[key].files.flatMap((pattern) => expandFiles(modules, pattern))) {
      for (const poem of readPoetryJson(modules, file)) {
        const lines = byPoet.get(poem.author) ?? [];
        lines.push(poem.paragraphs.join(''));
        byPoet.set(poem.author, lines);
      }
    }
    const simplifiedPoets = new Map();
    for (const [author, lines] of byPoet) {
      const poet = toSimplified(author);
      simplifiedPoets.set(poet, [...(simplifiedPoets.get(poet) ?? []), ...lines]);
    }
    return simplifiedPoets;
  };
  const poetText = new Map();
  return (key, text, poet) => {
    if (!sources[key]) throw new Error(`unknown motto source ${key}`);
    const wanted = hanOnly(text);
    if (poet === undefined) {
      if (!books.has(key)) books.set(key, loadBook(key));
      return books.get(key).includes(wanted);
    }
    if (!poems.has(key)) poems.set(key, loadPoets(key));
    const cacheKey = `${key}/${poet}`;
    if (!poetText.has(cacheKey)) poetText.set(cacheKey, replaceVariants(hanOnly(toSimplified((poems.get(key).get(poet) ?? []).join('\n'))), variants));
    return poetText.get(cacheKey).includes(wanted);
  };
}
