// Writes, for every y_ file of a JSON parsing corpus, what Node.js makes of it with
// JSON.stringify(JSON.parse(text)): one line per file, "name<TAB>base64 of the UTF-8 output",
// "name<TAB>NULL" when the value is null, "name<TAB>FAIL" when Node rejects the text.
// Usage: node node_stringify.js <corpus folder>
'use strict';
const fs = require('fs');
const path = require('path');

const folder = process.argv[2];
const names = fs.readdirSync(folder).filter((n) => n.startsWith('y_') && n.endsWith('.json'));
names.sort();
const lines = [];
for (const name of names) {
  let value;
  try {
    value = JSON.parse(fs.readFileSync(path.join(folder, name), 'utf8'));
  } catch (e) {
    lines.push(name + '\tFAIL');
    continue;
  }
  if (value === null) {
    lines.push(name + '\tNULL');
    continue;
  }
  lines.push(name + '\t' + Buffer.from(JSON.stringify(value), 'utf8').toString('base64'));
}
process.stdout.write(lines.join('\n') + '\n');
