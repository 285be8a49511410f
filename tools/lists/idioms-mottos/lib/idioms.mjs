// Chooses the idiom bank: real four-character idioms, confirmed by two sources, most common first.
import { isEncodableGbk } from './text.mjs';

// An idiom is confirmed when cnchar-idiom lists it and CC-CEDICT either marks it "(idiom)"
// or has it as an entry that jieba tags as an idiom ("i").
export function idiomPool({ cncharIdioms, cedict, jieba, gbkCharacters }) {
  const glosses = new Map();
  const taggedIdiom = new Set();
  for (const entry of cedict) {
    if ([...entry.simplified].length !== 4) continue;
    glosses.set(entry.simplified, [...(glosses.get(entry.simplified) ?? []), ...entry.glosses]);
    if (entry.glosses.some((g) => g.includes('(idiom)'))) taggedIdiom.add(entry.simplified);
  }
  const seen = new Set();
  const pool = [];
  cncharIdioms.forEach((idiom, order) => {
    if ([...idiom].length !== 4 || seen.has(idiom) || !glosses.has(idiom)) return;
    if (!isEncodableGbk(idiom, gbkCharacters)) return;
    const confirmedBy = taggedIdiom.has(idiom) ? 'cedict-idiom' : jieba.tags.get(idiom) === 'i' ? 'jieba-idiom' : null;
    if (!confirmedBy) return;
    seen.add(idiom);
    pool.push({ idiom, order, frequency: jieba.frequencies.get(idiom) ?? 0, confirmedBy, gloss: glosses.get(idiom).join('; ') });
  });
  return pool.sort((a, b) => b.frequency - a.frequency || a.order - b.order);
}

export function glossMatcher(markers) {
  const words = markers.map((m) => m.replace(/[.+?^${}()|[\]\\]/g, '\\$&').replace(/\*$/, '\\w*').replace(/ /g, '\\s+'));
  return new RegExp(`\\b(?:${words.join('|')})\\b`, 'i');
}

// Returns the bank in row order and what was left out on the way.
export function chooseIdioms(pool, { settings, markers, rejects }) {
  const fixedRows = new Map(Object.entries(settings.fixedRows).map(([row, f]) => [Number(row), f.idiom]));
  const fixedIdioms = new Set(fixedRows.values());
  const rejected = new Map();
  for (const [reason, idioms] of Object.entries(rejects.groups)) for (const idiom of idioms) rejected.set(idiom, reason);

  const inPool = new Set(pool.map((p) => p.idiom));
  const strays = [...rejected.keys()].filter((idiom) => !inPool.has(idiom));
  if (strays.length) throw new Error(`idiom rejects not in the pool: ${strays.join(' ')}`);

  const matcher = glossMatcher(markers);
  const flow = [];
  const leftOut = { byGloss: [], byReview: [] };
  const wanted = settings.count - fixedRows.size;
  for (const candidate of pool) {
    if (flow.length === wanted) break;
    if (fixedIdioms.has(candidate.idiom)) continue;
    if (matcher.test(candidate.gloss)) leftOut.byGloss.push(candidate);
    else if (rejected.has(candidate.idiom)) leftOut.byReview.push({ ...candidate, reason: rejected.get(candidate.idiom) });
    else {
      if (candidate.frequency < settings.reviewedDownToFrequency) {
        throw new Error(`idiom ${candidate.idiom} (frequency ${candidate.frequency}) lies below the reviewed range`);
      }
      flow.push(candidate);
    }
  }
  if (flow.length !== wanted) throw new Error(`only ${flow.length} of ${wanted} idioms`);

  const bank = [];
  for (let row = 1; row <= settings.count; row++) {
    bank.push(fixedRows.has(row) ? { idiom: fixedRows.get(row), fixed: true } : flow.shift());
  }
  return { bank, leftOut };
}
