// The preview: the canvas the toolkit draws into, the clock it draws at, and the controls of
// that clock. Playing, each of the browser's animation frames draws the live clock; paused, the
// picture stays until input or a new text asks for another frame; the slider draws a moment as
// `drev render --at` does. After the first frame of each loaded text the canvas carries
// data-state="ready", and "loading" while a text waits to be loaded.
import { keyCode, modifierBits, picturePoint } from './canvasInput.js';
import { WORK_FOLDER } from './vanuiModule.js';

// The slider's end when nothing animates: the UI test window replays its animations then.
const NO_SETTLED_MOMENT_MS = 10000;
const LOAD_CLEAN = 0;

export class Preview {
    constructor(vanui, controls) {
        this.vanui = vanui;
        this.controls = controls;
        this.canvas = controls.canvas;
        this.clockMs = 0;
        this.playing = true;
        this.frameWanted = false;
        this.lastTime = null;
        this.listen();
        requestAnimationFrame((time) => this.tick(time));
    }

    // Loads the text as /work/NAME and draws its first frame; the problem lines of the load.
    load(name, text) {
        this.vanui.writeWorkFile(name, text);
        const status = this.vanui.load(`${WORK_FOLDER}/${name}`);
        const settled = this.vanui.settledMs();
        this.controls.slider.max = String(settled > 0 ? settled : NO_SETTLED_MOMENT_MS);
        // A text that loaded whole starts its animations; one that did not keeps the last good one's.
        if (status === LOAD_CLEAN && this.playing) {
            this.clockMs = 0;
        }
        this.draw(!this.playing);
        this.canvas.dataset.state = 'ready';
        const problems = this.vanui.problems();
        return problems === '' ? [] : problems.split('\n');
    }

    markPending() {
        this.canvas.dataset.state = 'loading';
    }

    // replay: every frame up to the clock, as drev render --at draws them; else the live clock.
    draw(replay) {
        this.vanui.frame(this.clockMs, replay ? 1 : 0);
        this.frameWanted = false;
        this.showClock();
    }

    tick(time) {
        if (this.playing && this.lastTime !== null) {
            this.clockMs += time - this.lastTime;
        }
        this.lastTime = time;
        if (this.playing || this.frameWanted) {
            this.draw(false);
        }
        requestAnimationFrame((next) => this.tick(next));
    }

    setPlaying(playing) {
        this.playing = playing;
        this.controls.play.disabled = playing;
        this.controls.pause.disabled = !playing;
    }

    replay() {
        this.vanui.replay();
        this.clockMs = 0;
        this.setPlaying(true);
    }

    seek(moment) {
        this.setPlaying(false);
        this.clockMs = moment;
        this.draw(true);
    }

    showClock() {
        const max = Number(this.controls.slider.max);
        this.controls.slider.value = String(Math.min(this.clockMs, max));
        this.controls.moment.textContent = `${Math.round(this.clockMs)} ms`;
    }

    listen() {
        const { canvas, controls, vanui } = this;
        controls.play.addEventListener('click', () => this.setPlaying(true));
        controls.pause.addEventListener('click', () => this.setPlaying(false));
        controls.replay.addEventListener('click', () => this.replay());
        controls.slider.addEventListener('input', () => this.seek(Number(controls.slider.value)));
        canvas.addEventListener('pointermove', (event) => {
            vanui.mouseMove(...picturePoint(canvas, event), event.buttons !== 0 ? 1 : 0);
            this.frameWanted = true;
        });
        // A button pressed on the canvas is released there too, wherever the pointer went.
        canvas.addEventListener('pointerdown', (event) => {
            canvas.setPointerCapture(event.pointerId);
            this.button(event, 1);
        });
        canvas.addEventListener('pointerup', (event) => this.button(event, 0));
        canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        canvas.addEventListener('keydown', (event) => {
            const key = keyCode(event);
            if (key === null || event.metaKey) {
                return;
            }
            vanui.key(key, modifierBits(event));
            this.frameWanted = true;
            if (!event.ctrlKey && !event.altKey) {
                event.preventDefault();
            }
        });
        this.setPlaying(true);
    }

    button(event, down) {
        this.canvas.focus();
        this.vanui.mouseButton(event.button, down, ...picturePoint(this.canvas, event));
        this.frameWanted = true;
        event.preventDefault();
    }
}
