// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one icon of an Iconify JSON icon set as a standalone SVG file.
// usage: node iconify-svg.js ICONS.json NAME OUT.svg
'use strict';
const fs = require('fs');
const [file, name, out] = process.argv.slice(2);
const set = JSON.parse(fs.readFileSync(file, 'utf8'));
let icon = set.icons[name];
if (!icon && set.aliases && set.aliases[name]) icon = set.icons[set.aliases[name].parent];
if (!icon) {
  console.error(`iconify-svg: no icon "${name}" in ${file}`);
  process.exit(1);
}
const w = icon.width || set.width || 16;
const h = icon.height || set.height || 16;
const l = icon.left || 0;
const t = icon.top || 0;
fs.writeFileSync(out,
  `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" ` +
  `viewBox="${l} ${t} ${w} ${h}" width="${w}" height="${h}">${icon.body}</svg>\n`);
