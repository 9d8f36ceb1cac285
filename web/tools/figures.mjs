// The playground's two figures, measured in Debian's headless Chromium against web/dist: the
// time from opening the page to the first frame of vantora.ui (data-state="ready"), the median
// of several openings in fresh pages, and the gzip size of every file the page loads.
// Run after make web: node web/tools/figures.mjs [openings]
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { DIST, launchBrowser, startSite, waitReady } from '../tests/support/playground.mjs';

const openings = Number(process.argv[2] ?? 5);
const site = await startSite();
const browser = await launchBrowser();
const times = [];
const loaded = new Set();
for (let i = 0; i < openings; ++i) {
    const context = await browser.newContext();
    const page = await context.newPage();
    page.on('response', (response) => loaded.add(new URL(response.url()).pathname));
    const start = performance.now();
    await page.goto(site.url);
    await waitReady(page);
    times.push(performance.now() - start);
    await context.close();
}
await browser.close();
await site.close();

times.sort((a, b) => a - b);
let bytes = 0;
let gzipped = 0;
for (const path of [...loaded].sort()) {
    const file = readFileSync(join(DIST, path === '/' ? 'index.html' : decodeURIComponent(path)));
    bytes += file.length;
    gzipped += gzipSync(file, { level: 9 }).length;
}
const median = times[Math.floor(times.length / 2)];
console.log(`first frame: median ${(median / 1000).toFixed(2)} s of ${openings} openings ` +
    `(${(times[0] / 1000).toFixed(2)} to ${(times[times.length - 1] / 1000).toFixed(2)} s)`);
console.log(`loaded: ${loaded.size} files, ${(bytes / 1e6).toFixed(2)} MB, ${(gzipped / 1e6).toFixed(2)} MB gzipped`);
