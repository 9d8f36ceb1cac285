// The playground in a real browser: the page opens vantora.ui and draws it as drev render does,
// an edit that breaks a line is reported and marked until the next good edit, a click reaches a
// button, and a share address carries a file with non-ASCII captions.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { inflateRawSync } from 'node:zlib';
import { after, before, test } from 'node:test';
import { readRgbPng } from './support/pngFile.mjs';
import {
    DIST, GOLDEN, canvasPicture, differingPixels, editorText, errorLines, launchBrowser, moveToPicturePoint, openPage,
    problemLines, replaceText, startSite, typeAtLine, waitReady,
} from './support/playground.mjs';

// As the golden tests compare: the largest channel difference allowed, and how many pixels may
// go past it (the browser's rasterizer is not Mesa's).
const TOLERANCE = 3;
const MOST_DIFFERING_PIXELS = 480;
// The error band's red, drawn across the bottom of the picture.
const BAND_RED = [191, 13, 13];
// vantora.ui's "Button1": window "Buttons" at (330, 465), the button at (12, 22), 130 x 38.
const BUTTON1 = { x: 342, y: 487, width: 130, height: 38 };
const VANTORA_LINES = readFileSync(`${DIST}/data/vantora.ui`, 'utf8').split('\n');

let site, browser;
before(async () => {
    site = await startSite();
    browser = await launchBrowser();
});
after(async () => {
    await browser?.close();
    await site?.close();
});

function bandShown(picture) {
    const i = ((picture.height - 2) * picture.width + picture.width / 2) * 3;
    return BAND_RED.every((value, c) => Math.abs(picture.rgb[i + c] - value) <= TOLERANCE);
}

test('the page opens vantora.ui and, settled, draws the settled golden', async () => {
    const page = await openPage(browser, site.url);
    assert.equal(await page.inputValue('#sample'), 'vantora.ui');
    assert.equal((await editorText(page)).split('\n')[0], VANTORA_LINES[0]);
    assert.deepEqual(await errorLines(page), []);
    await page.waitForFunction(() => {
        const slider = document.getElementById('moment-slider');
        return Number(slider.value) >= Number(slider.max);
    }, null, { timeout: 15000 });
    const differing = differingPixels(await canvasPicture(page), readRgbPng(`${GOLDEN}/vantora-settled.png`), TOLERANCE);
    assert.ok(differing <= MOST_DIFFERING_PIXELS, `${differing} pixels differ from vantora-settled.png`);
    await page.close();
});

test('an edit that breaks a line shows its error and the band until the next good edit', async () => {
    const page = await openPage(browser, site.url);
    const line = VANTORA_LINES.findIndex((text) => text.includes('Label   "label.krf"')) + 1;
    await typeAtLine(page, line, '@');
    assert.equal(await page.getAttribute('#preview', 'data-state'), 'loading');
    await waitReady(page);
    const problems = await problemLines(page);
    assert.ok(problems.some((text) => text.startsWith(`vantora.ui:${line}: error: `)), problems.join('\n'));
    assert.ok(bandShown(await canvasPicture(page)), 'no error band at the bottom of the picture');
    assert.equal(await page.locator('.cm-lint-marker-error').count(), 1);

    await page.locator('#problems li', { hasText: `vantora.ui:${line}:` }).click();
    const cursorLine = await page.locator('.cm-activeLine').textContent();
    assert.equal(cursorLine, VANTORA_LINES[line - 1].replace(/^\s*/, '$&@'));

    await page.keyboard.press('End');
    await page.keyboard.press('Home');
    await page.keyboard.press('Delete');
    await waitReady(page);
    assert.deepEqual(await errorLines(page), []);
    assert.equal(await page.locator('.cm-lint-marker-error').count(), 0);
    assert.ok(!bandShown(await canvasPicture(page)), 'the error band stays after a good edit');
    await page.close();
});

test('a click on a button changes its pixels', async () => {
    const page = await openPage(browser, site.url);
    assert.deepEqual(await errorLines(page), []);
    await page.click('#pause');
    const before = await canvasPicture(page);
    await moveToPicturePoint(page, BUTTON1.x + BUTTON1.width / 2, BUTTON1.y + BUTTON1.height / 2);
    await page.mouse.down();
    const pressed = await canvasPicture(page);
    await page.mouse.up();
    assert.ok(differingPixels(before, pressed, TOLERANCE, BUTTON1) > 0, 'the pressed button looks as before');
    await page.close();
});

test('a share address carries a file with non-ASCII captions; a damaged one shows vantora.ui', async () => {
    const text = [
        '# Größe, Λόγος, Книга, € and 😀',
        'uiWindow "Größe € 5" "Application" {',
        '    Left 40 Top 40 Width 400 Height 200',
        '}',
        'uiLabel "Λόγος Книга" "Größe € 5" {',
        '    Left 20 Top 40 Width 300 Height 60',
        '}',
    ].join('\n');
    const page = await openPage(browser, site.url);
    await replaceText(page, text);
    await waitReady(page);
    await page.click('#share');
    await page.waitForFunction(() => location.hash.startsWith('#ui='));
    const address = page.url();
    const fragment = new URL(address).hash.slice('#ui='.length);
    assert.match(fragment, /^[A-Za-z0-9_-]+$/);
    assert.equal(inflateRawSync(Buffer.from(fragment, 'base64url')).toString('utf8'), text);

    const shared = await openPage(browser, address);
    assert.equal(await editorText(shared), text);
    assert.equal(await shared.inputValue('#sample'), 'shared.ui');

    const damaged = await openPage(browser, `${site.url}#ui=${fragment.slice(0, fragment.length / 2)}x`);
    assert.match(await damaged.textContent('#message'), /This link's UI file could not be read/);
    assert.equal(await damaged.inputValue('#sample'), 'vantora.ui');

    const sample = await openPage(browser, `${site.url}?sample=hello`);
    assert.equal(await sample.inputValue('#sample'), 'hello.ui');
    await Promise.all([page, shared, damaged, sample].map((opened) => opened.close()));
});
