// Chooses the motto list: sorted by pinyin, the fixed rows in place, exactly the file size wanted.
import { classicalMatcher } from './classical.mjs';
import { gbkLength, isEncodableGbk } from './text.mjs';

const pinyinOrder = new Intl.Collator('zh-u-co-pinyin');
// Blanks, parentheses, hyphens, semicolons and the full stop are the only ASCII allowed.
const allowedAscii = /^[ ()\-;.]$/;

function checkFormat(text, gbkCharacters) {
  for (const c of text) {
    if (c.codePointAt(0) < 0x80 && !allowedAscii.test(c)) throw new Error(`motto "${text}": ASCII "${c}" is not allowed`);
  }
  if (!isEncodableGbk(text, gbkCharacters)) throw new Error(`motto "${text}" has a character outside GBK`);
}

function candidatesFrom({ classical, written, settings, matches }) {
  const withBy = (entry) => entry.text + (entry.by ? settings.attributionDash + entry.by : '');
  const candidates = [];
  for (const entry of classical.mottos) {
    if (!matches(entry.source, entry.text, entry.poet)) throw new Error(`"${entry.text}" not found in ${entry.source}${entry.poet ? ` (${entry.poet})` : ''}`);
    candidates.push({ text: withBy(entry), source: entry.source, keep: Boolean(entry.keep) });
  }
  for (const entry of written.mottos) candidates.push({ text: withBy(entry), source: 'written', keep: Boolean(entry.keep) });
  // Mottos marked "keep" come first and are never swapped out.
  return [...candidates.filter((c) => c.keep), ...candidates.filter((c) => !c.keep)];
}

// Fills each gap between fixed rows with candidates that sort into it, in order of preference.
function fillGaps(fixed, candidates, count) {
  const rows = [...fixed.keys()].sort((a, b) => a - b);
  const bounds = [{ row: 0, text: null }, ...rows.map((row) => ({ row, text: fixed.get(row).text })), { row: count + 1, text: null }];
  const gaps = [];
  for (let i = 0; i + 1 < bounds.length; i++) {
    const [low, high] = [bounds[i], bounds[i + 1]];
    const fits = (text) => (low.text === null || pinyinOrder.compare(low.text, text) < 0) && (high.text === null || pinyinOrder.compare(text, high.text) < 0);
    const pool = candidates.filter((c) => fits(c.text));
    const wanted = high.row - low.row - 1;
    if (pool.length < wanted) throw new Error(`rows ${low.row + 1}-${high.row - 1} need ${wanted} mottos, only ${pool.length} sort there`);
    gaps.push({ chosen: pool.slice(0, wanted), spare: pool.slice(wanted) });
  }
  return gaps;
}

// Swaps chosen mottos for spare ones of the same gap until the byte total is right.
// Later (less preferred) chosen mottos go first; earlier spare ones come in first; kept ones stay.
function adjustBytes(gaps, missing) {
  while (missing !== 0) {
    let best = null;
    for (const gap of gaps) {
      for (let c = gap.chosen.length - 1; c >= 0; c--) {
        for (let s = 0; s < gap.spare.length; s++) {
          if (gap.chosen[c].keep) continue;
          const change = gap.spare[s].bytes - gap.chosen[c].bytes;
          if (change === 0 || Math.sign(change) !== Math.sign(missing) || Math.abs(change) > Math.abs(missing)) continue;
          if (!best || Math.abs(change) > Math.abs(best.change)) best = { gap, c, s, change };
          if (change === missing) break;
        }
        if (best?.change === missing) break;
      }
      if (best?.change === missing) break;
    }
    if (!best) throw new Error(`cannot reach the file size: ${missing} bytes off`);
    const { gap, c, s } = best;
    [gap.chosen[c], gap.spare[s]] = [gap.spare[s], gap.chosen[c]];
    missing -= best.change;
  }
}

export function collectMottos({ modules, toSimplified, gbkCharacters, settings, classical, written, rejects }) {
  const matches = classicalMatcher(modules, classical, toSimplified);
  const fixed = new Map(Object.entries(settings.fixedRows).map(([row, entry]) => [Number(row), entry]));
  for (const entry of fixed.values()) {
    if (entry.source !== 'written' && !matches(entry.source, entry.text)) throw new Error(`fixed motto "${entry.text}" not found in ${entry.source}`);
  }
  for (const entry of rejects.mottos) {
    if (entry.source !== 'written' && !matches(entry.source, entry.text, entry.poet)) throw new Error(`rejected motto "${entry.text}" not found in ${entry.source}`);
  }

  const all = [...fixed.values(), ...candidatesFrom({ classical, written, settings, matches })];
  const seen = new Set();
  for (const { text } of all) {
    if (seen.has(text)) throw new Error(`motto "${text}" listed twice`);
    seen.add(text);
    checkFormat(text, gbkCharacters);
  }
  const rejected = new Set(rejects.mottos.map((entry) => entry.text));
  const clash = all.filter((entry) => rejected.has(entry.text));
  if (clash.length) throw new Error(`mottos both chosen and rejected: ${clash.map((e) => e.text).join(' ')}`);

  // The fixed rows hold the shortest and the longest motto: every other one lies strictly between.
  const fixedBytes = [...fixed.values()].map((entry) => gbkLength(entry.text));
  const [shortest, longest] = [Math.min(...fixedBytes), Math.max(...fixedBytes)];
  const candidates = all.slice(fixed.size).map((entry) => ({ ...entry, bytes: gbkLength(entry.text) }));
  const outOfRange = candidates.filter((c) => c.bytes <= shortest || c.bytes >= longest);
  if (outOfRange.length) throw new Error(`mottos outside ${shortest + 1}-${longest - 1} bytes: ${outOfRange.map((c) => c.text).join(' ')}`);

  const gaps = fillGaps(fixed, candidates, settings.count);
  const separators = 2 * (settings.count - 1);
  const chosenBytes = gaps.flatMap((g) => g.chosen).reduce((sum, c) => sum + c.bytes, 0) + fixedBytes.reduce((a, b) => a + b, 0);
  adjustBytes(gaps, settings.fileBytes - separators - chosenBytes);

  const list = [...gaps.flatMap((g) => g.chosen), ...[...fixed.values()].map((e) => ({ ...e, bytes: gbkLength(e.text) }))];
  list.sort((a, b) => pinyinOrder.compare(a.text, b.text));
  for (const [row, entry] of fixed) {
    if (list[row - 1].text !== entry.text) throw new Error(`row ${row} holds "${list[row - 1].text}", not the fixed motto`);
  }
  const fullStops = list.reduce((n, entry) => n + entry.text.split('.').length - 1, 0);
  if (fullStops !== 1) throw new Error(`the list holds ${fullStops} ASCII full stops, not one`);
  return { list, unused: gaps.flatMap((g) => g.spare), candidates: candidates.length };
}
