// The playground page: the editor of a UI file, the toolkit's picture of it and drev check's
// problems. It opens the file that the address names (a share link, ?sample=NAME) or
// vantora.ui, loads the text again a short pause after each edit, takes dropped fonts and
// makes share links and PNG files of the picture.
import { Editor } from './editor.js';
import { parseProblem, showProblems } from './problems.js';
import { Preview } from './preview.js';
import { SHARE_PREFIX, shareFragment, sharedText } from './share.js';
import { startVanui } from './vanuiModule.js';

const DEFAULT_SAMPLE = 'vantora.ui';
// A file that came by link is named this, in the menu and in its problem lines.
const SHARED_NAME = 'shared.ui';
const EDIT_PAUSE_MS = 300;
const FONT_FILE = /^[^/\\]+\.krf$/i;

const element = (id) => document.getElementById(id);

function say(text) {
    element('message').textContent = text;
}

async function fetchBytes(path) {
    const response = await fetch(path);
    if (!response.ok) {
        throw new Error(`${path}: ${response.status} ${response.statusText}`);
    }
    return new Uint8Array(await response.arrayBuffer());
}

const fetchText = async (path) => new TextDecoder().decode(await fetchBytes(path));

// {name, text} of the file the address asks for; what can't be followed is said and the
// default sample opens instead.
async function openingFile(samples) {
    if (location.hash.startsWith(SHARE_PREFIX)) {
        try {
            return { name: SHARED_NAME, text: await sharedText(location.hash) };
        } catch (error) {
            say(`This link's UI file could not be read (${error.message}); showing ${DEFAULT_SAMPLE} instead.`);
        }
    } else {
        const asked = new URLSearchParams(location.search).get('sample');
        const name = asked !== null && !asked.endsWith('.ui') ? `${asked}.ui` : asked;
        if (samples.includes(name)) {
            return { name, text: await fetchText(`data/${name}`) };
        }
        if (asked !== null) {
            say(`There is no sample named "${asked}"; showing ${DEFAULT_SAMPLE} instead.`);
        }
    }
    return { name: DEFAULT_SAMPLE, text: await fetchText(`data/${DEFAULT_SAMPLE}`) };
}

class Playground {
    constructor(samples) {
        this.editor = new Editor(element('editor'), () => this.edited());
        this.menu = element('sample');
        this.problemList = element('problems');
        this.vanui = null;
        this.preview = null;
        // The fonts added so far, by name; a font added again replaces the earlier one.
        this.addedFonts = new Set();
        this.name = DEFAULT_SAMPLE;
        // Each file's text as last edited, so that going back to a sample keeps the edits.
        this.texts = new Map();
        this.timer = undefined;
        this.menu.replaceChildren(...[...samples, SHARED_NAME].map((name) => new Option(name, name)));
        this.menu.addEventListener('change', () =>
            this.openSample(this.menu.value).catch((error) => say(`The sample could not be opened: ${error.message}`)),
        );
        element('share').addEventListener('click', () => this.share());
        element('download').addEventListener('click', () => this.download());
        this.takeFonts();
    }

    open(name, text) {
        this.name = name;
        this.texts.set(name, text);
        this.menu.value = name;
        this.menu.querySelector(`option[value="${SHARED_NAME}"]`).hidden = !this.texts.has(SHARED_NAME);
        this.editor.setText(text);
        this.load();
    }

    async openSample(name) {
        this.open(name, this.texts.get(name) ?? (await fetchText(`data/${name}`)));
    }

    showPreview(vanui, preview) {
        this.vanui = vanui;
        this.preview = preview;
        this.load();
    }

    edited() {
        this.texts.set(this.name, this.editor.text);
        this.preview?.markPending();
        clearTimeout(this.timer);
        this.timer = setTimeout(() => this.load(), EDIT_PAUSE_MS);
    }

    load() {
        clearTimeout(this.timer);
        if (this.preview === null) {
            return;
        }
        const problems = this.preview.load(this.name, this.editor.text).map(parseProblem);
        this.editor.markProblems(problems);
        showProblems(this.problemList, problems, (line) => this.editor.goToLine(line));
    }

    async share() {
        const address = location.origin + location.pathname + (await shareFragment(this.editor.text));
        history.replaceState(null, '', address);
        try {
            await navigator.clipboard.writeText(address);
            say('The link to this file is copied, and in the address bar.');
        } catch {
            say('The link to this file is in the address bar.');
        }
    }

    download() {
        element('preview').toBlob((blob) => {
            const link = document.createElement('a');
            link.href = URL.createObjectURL(blob);
            link.download = this.name.replace(/\.ui$/, '') + '.png';
            link.click();
            URL.revokeObjectURL(link.href);
        }, 'image/png');
    }

    // A .krf file dropped on the page, or chosen with "Add font", goes into the UI file's own
    // folder, where the toolkit looks first, so it serves the names the file gives it.
    takeFonts() {
        const picker = element('font-file');
        picker.addEventListener('change', () => this.addFonts(picker.files));
        document.addEventListener('dragover', (event) => event.preventDefault());
        document.addEventListener('drop', (event) => {
            if (event.dataTransfer.files.length > 0) {
                event.preventDefault();
                this.addFonts(event.dataTransfer.files);
            }
        });
    }

    async addFonts(files) {
        if (this.preview === null) {
            say('Fonts can be added once the preview has started.');
            return;
        }
        const taken = [];
        const refused = [];
        for (const file of files) {
            if (FONT_FILE.test(file.name)) {
                this.vanui.writeWorkFile(file.name, new Uint8Array(await file.arrayBuffer()));
                this.addedFonts.add(file.name);
                taken.push(file.name);
            } else {
                refused.push(file.name);
            }
        }
        const notes = [];
        if (taken.length > 0) {
            element('added-fonts').textContent = `Your fonts: ${[...this.addedFonts].join(', ')}`;
            notes.push(`Using ${taken.join(', ')}.`);
            this.load();
        }
        if (refused.length > 0) {
            notes.push(`Only .krf fonts can be added, not ${refused.join(', ')}.`);
        }
        say(notes.join(' '));
    }
}

async function main() {
    try {
        const files = JSON.parse(await fetchText('data/files.json'));
        const playground = new Playground(files.samples);
        const opening = await openingFile(files.samples);
        playground.open(opening.name, opening.text);
        const fonts = await Promise.all(files.fonts.map(async (name) => [name, await fetchBytes(`data/${name}`)]));
        const vanui = await startVanui('#preview', fonts);
        playground.showPreview(vanui, new Preview(vanui, {
            canvas: element('preview'),
            play: element('play'),
            pause: element('pause'),
            replay: element('replay'),
            slider: element('moment-slider'),
            moment: element('moment'),
        }));
    } catch (error) {
        say(`The playground could not start: ${error.message}`);
    }
}

main();
