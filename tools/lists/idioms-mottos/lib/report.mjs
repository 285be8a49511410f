// Writes what the build chose and left out, for review (outside the repository).
import fs from 'node:fs';
import path from 'node:path';

export function writeReport(dir, { pool, idioms, mottos }) {
  fs.mkdirSync(dir, { recursive: true });
  const lines = (rows) => `${rows.join('\n')}\n`;
  fs.writeFileSync(path.join(dir, 'idioms.txt'), lines(idioms.bank.map((e, i) => `${i + 1}\t${e.idiom}\t${e.fixed ? 'fixed' : `${e.frequency}\t${e.confirmedBy}\t${e.gloss}`}`)));
  fs.writeFileSync(path.join(dir, 'idioms-left-out-by-gloss.txt'), lines(idioms.leftOut.byGloss.map((e) => `${e.idiom}\t${e.gloss}`)));
  fs.writeFileSync(path.join(dir, 'mottos.txt'), lines(mottos.list.map((e, i) => `${i + 1}\t${e.bytes}\t${e.source}\t${e.text}`)));
  fs.writeFileSync(path.join(dir, 'mottos-unused.txt'), lines(mottos.unused.map((e) => `${e.bytes}\t${e.source}\t${e.text}`)));
  const bySource = {};
  for (const e of mottos.list) bySource[e.source] = (bySource[e.source] ?? 0) + 1;
  const confirmed = {};
  for (const e of idioms.bank) if (!e.fixed) confirmed[e.confirmedBy] = (confirmed[e.confirmedBy] ?? 0) + 1;
  const summary = {
    idiomPool: pool.length,
    idiomsLeftOutByGloss: idioms.leftOut.byGloss.length,
    idiomsLeftOutByReview: idioms.leftOut.byReview.length,
    idiomsConfirmedBy: confirmed,
    mottoCandidates: mottos.candidates,
    mottosBySource: bySource,
  };
  fs.writeFileSync(path.join(dir, 'summary.json'), `${JSON.stringify(summary, null, 2)}\n`);
  console.log(JSON.stringify(summary));
}
