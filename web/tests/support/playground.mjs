// The playground as a visitor meets it: web/dist served over HTTP on a free local port, Debian's
// headless Chromium (WebGL through SwiftShader) driven by playwright-core, and the page's
// editor, canvas and problem list read the way a person reads them.
import { existsSync, readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const DIST = resolve(fileURLToPath(new URL('../../dist', import.meta.url)));
export const GOLDEN = resolve(fileURLToPath(new URL('../../../tests/golden', import.meta.url)));
const CHROMIUM = '/usr/bin/chromium-headless-shell';
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json', '.wasm': 'application/wasm' };
const PICTURE_WIDTH = 800;
const PICTURE_HEIGHT = 600;

export async function startSite() {
    if (!existsSync(join(DIST, 'index.html'))) {
        throw new Error(`${DIST}/index.html is missing: run make web first`);
    }
    const server = createServer((request, response) => {
        const path = normalize(join(DIST, decodeURIComponent(new URL(request.url, 'http://site').pathname)));
        const file = path.endsWith('/') ? join(path, 'index.html') : path;
        if (!file.startsWith(DIST) || !existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
        response.end(readFileSync(file));
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    return { url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((done) => server.close(done)) };
}

export async function launchBrowser() {
    if (!existsSync(CHROMIUM)) {
        throw new Error(`${CHROMIUM} is missing: scripts/setup.sh check installs chromium-headless-shell`);
    }
    // playwright-core gives every launch a fresh profile folder of its own.
    return chromium.launch({
        executablePath: CHROMIUM,
        args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
}

// Opens the address and waits for the first frame of the text it shows.
export async function openPage(browser, address) {
    const page = await browser.newPage({ viewport: { width: 1700, height: 1000 } });
    await page.goto(address);
    await waitReady(page);
    return page;
}

export async function waitReady(page) {
    await page.waitForSelector('#preview[data-state="ready"]', { timeout: 20000 });
}

export const editorText = (page) => page.$$eval('.cm-line', (lines) => lines.map((line) => line.textContent).join('\n'));
export const problemLines = (page) => page.$$eval('#problems li', (items) => items.map((item) => item.textContent));
export const errorLines = async (page) => (await problemLines(page)).filter((line) => line.includes(': error: '));

// Types into the editor at the start of line number (1-based) as a person would.
export async function typeAtLine(page, number, text) {
    await page.click('.cm-content');
    await page.keyboard.press('Control+Home');
    for (let line = 1; line < number; ++line) {
        await page.keyboard.press('ArrowDown');
    }
    await page.keyboard.press('Home');
    await page.keyboard.type(text);
}

export async function replaceText(page, text) {
    await page.click('.cm-content');
    await page.keyboard.press('Control+A');
    await page.keyboard.insertText(text);
}

// {width, height, rgb} of the canvas as it shows now, after the frame under way.
export async function canvasPicture(page) {
    const base64 = await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => {
        const canvas = document.getElementById('preview');
        const copy = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
        copy.drawImage(canvas, 0, 0);
        const rgba = copy.getImageData(0, 0, canvas.width, canvas.height).data;
        let binary = '';
        for (let i = 0; i < rgba.length; i += 4) {
            binary += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
        }
        done(btoa(binary));
    })));
    const rgb = Buffer.from(base64, 'base64');
    return { width: PICTURE_WIDTH, height: rgb.length / 3 / PICTURE_WIDTH, rgb };
}

// How many pixels of the box (whole pictures when none) differ by more than tolerance in a channel.
export function differingPixels(a, b, tolerance, box = { x: 0, y: 0, width: a.width, height: a.height }) {
    let count = 0;
    for (let y = box.y; y < box.y + box.height; ++y) {
        for (let x = box.x; x < box.x + box.width; ++x) {
            const i = (y * a.width + x) * 3;
            if ([0, 1, 2].some((c) => Math.abs(a.rgb[i + c] - b.rgb[i + c]) > tolerance)) {
                ++count;
            }
        }
    }
    return count;
}

// Moves the mouse to a point of the picture, wherever the page shows the canvas and at any size.
export async function moveToPicturePoint(page, x, y) {
    const box = await page.locator('#preview').boundingBox();
    await page.mouse.move(box.x + (x * box.width) / PICTURE_WIDTH, box.y + (y * box.height) / PICTURE_HEIGHT);
}
