// Browser input as the toolkit's entry takes it: positions in picture pixels, the canvas being
// shown at any size, and keys as a typed character's code point or a named key's negative code.
const PICTURE_WIDTH = 800;
const PICTURE_HEIGHT = 600;

const NAMED_KEYS = { Backspace: -1, Delete: -2, Escape: -3, Tab: -4, Enter: -5 };
const SHIFT = 1;
const CTRL = 2;
const ALT = 4;

export function picturePoint(canvas, event) {
    const box = canvas.getBoundingClientRect();
    const x = box.width > 0 ? ((event.clientX - box.left) * PICTURE_WIDTH) / box.width : 0;
    const y = box.height > 0 ? ((event.clientY - box.top) * PICTURE_HEIGHT) / box.height : 0;
    return [Math.floor(x), Math.floor(y)];
}

// The key's code, or null for a key the toolkit does not take (arrows, F1, a lone Shift).
export function keyCode(event) {
    if (event.key in NAMED_KEYS) {
        return NAMED_KEYS[event.key];
    }
    const codePoint = event.key.codePointAt(0);
    return codePoint !== undefined && String.fromCodePoint(codePoint) === event.key ? codePoint : null;
}

export function modifierBits(event) {
    return (event.shiftKey ? SHIFT : 0) | (event.ctrlKey ? CTRL : 0) | (event.altKey ? ALT : 0);
}
