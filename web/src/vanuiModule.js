// The toolkit compiled to WebAssembly (vanui.js + vanui.wasm): its exported pg_* functions and
// its memory file system, which holds the shipped fonts under /data/ and the edited UI file and
// the dropped fonts under /work/, where the toolkit looks for fonts first.
export const SHIPPED_FOLDER = '/data';
export const WORK_FOLDER = '/work';

export async function startVanui(canvasSelector, shippedFonts) {
    const { default: createVanui } = await import('./vanui.js');
    const module = await createVanui();
    const call = (name, result, args) => module.cwrap(name, result, args);
    const api = {
        start: call('pg_start', 'number', ['string']),
        load: call('pg_load', 'number', ['string']),
        problems: call('pg_problems', 'string', []),
        settledMs: call('pg_settled_ms', 'number', []),
        frame: call('pg_frame', null, ['number', 'number']),
        replay: call('pg_replay', null, []),
        mouseMove: call('pg_mouse_move', null, ['number', 'number', 'number']),
        mouseButton: call('pg_mouse_button', null, ['number', 'number', 'number', 'number']),
        key: call('pg_key', null, ['number', 'number']),
        // Writes a file into /work/ under its own name; the name holds no folder.
        writeWorkFile: (name, contents) => module.FS.writeFile(`${WORK_FOLDER}/${name}`, contents),
    };
    module.FS.mkdir(SHIPPED_FOLDER);
    module.FS.mkdir(WORK_FOLDER);
    for (const [name, bytes] of shippedFonts) {
        module.FS.writeFile(`${SHIPPED_FOLDER}/${name}`, bytes);
    }
    if (api.start(canvasSelector) !== 0) {
        throw new Error('this browser could not make a WebGL context for the preview');
    }
    return api;
}
