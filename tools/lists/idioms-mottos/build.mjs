// Builds the idiom bank (zi4.txt ... zi7.txt) and the motto list (my.txt) from the pinned sources.
// Usage: node build.mjs --modules DIR --jieba dict.txt --out assets/ --report DIR
import fs from 'node:fs';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { gbkDoubleByteCharacters } from './lib/gbk.mjs';
import { loadCncharIdioms, loadCedict, loadJieba, traditionalToSimplified } from './lib/sources.mjs';
import { idiomPool, chooseIdioms } from './lib/idioms.mjs';
import { collectMottos } from './lib/mottos.mjs';
import { writeIdiomFiles, writeMottoFile } from './lib/output.mjs';
import { writeReport } from './lib/report.mjs';

const toolDir = path.dirname(new URL(import.meta.url).pathname);
const readData = (name) => JSON.parse(fs.readFileSync(path.join(toolDir, 'data', name), 'utf8'));

const { values: args } = parseArgs({
  options: { modules: { type: 'string' }, jieba: { type: 'string' }, out: { type: 'string' }, report: { type: 'string' } },
});
for (const name of ['modules', 'jieba', 'out', 'report']) if (!args[name]) throw new Error(`--${name} is required`);

const gbkCharacters = gbkDoubleByteCharacters();
const cedict = loadCedict(args.modules);
const jieba = loadJieba(args.jieba);

const pool = idiomPool({ cncharIdioms: loadCncharIdioms(args.modules), cedict, jieba, gbkCharacters });
const idioms = chooseIdioms(pool, {
  settings: readData('idioms.json'),
  markers: readData('idiom-gloss-markers.json').markers,
  rejects: readData('idiom-rejects.json'),
});

const mottos = collectMottos({
  modules: args.modules,
  toSimplified: traditionalToSimplified(args.modules),
  gbkCharacters,
  settings: readData('mottos.json'),
  classical: readData('motto-classical.json'),
  written: readData('motto-written.json'),
  rejects: readData('motto-rejects.json'),
});

writeIdiomFiles(args.out, idioms.bank.map((entry) => entry.idiom));
writeMottoFile(args.out, mottos.list.map((entry) => entry.text));
writeReport(args.report, { pool, idioms, mottos });
