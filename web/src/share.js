// Share addresses: a UI file travels in the address as "#ui=" followed by the base64url form,
// without padding, of its UTF-8 text compressed with raw deflate.
export const SHARE_PREFIX = '#ui=';

// A link decompresses to at most this much text: a crafted link must not fill the memory.
const MAX_TEXT_BYTES = 4 * 1024 * 1024;
const BASE64URL = /^[A-Za-z0-9_-]*$/;

async function streamBytes(stream, limit) {
    const reader = stream.getReader();
    const chunks = [];
    let size = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done) {
            break;
        }
        size += value.length;
        if (size > limit) {
            await reader.cancel();
            throw new Error(`it holds more than ${limit / (1024 * 1024)} MB of text`);
        }
        chunks.push(value);
    }
    const bytes = new Uint8Array(size);
    let at = 0;
    for (const chunk of chunks) {
        bytes.set(chunk, at);
        at += chunk.length;
    }
    return bytes;
}

function toBase64url(bytes) {
    let binary = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
        binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    }
    return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64url(text) {
    if (!BASE64URL.test(text) || text.length % 4 === 1) {
        throw new Error('it is not base64url');
    }
    const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
    return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// The address fragment ("#ui=...") that carries the text.
export async function shareFragment(text) {
    const deflated = new Blob([new TextEncoder().encode(text)]).stream().pipeThrough(new CompressionStream('deflate-raw'));
    return SHARE_PREFIX + toBase64url(await streamBytes(deflated, Infinity));
}

// The text a fragment carries; rejects with an Error saying what is wrong with the link.
export async function sharedText(fragment) {
    const bytes = fromBase64url(fragment.slice(SHARE_PREFIX.length));
    const inflated = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
    let text;
    try {
        text = new TextDecoder('utf-8', { fatal: true }).decode(await streamBytes(inflated, MAX_TEXT_BYTES));
    } catch (error) {
        throw error instanceof TypeError ? new Error('its data is damaged') : error;
    }
    return text;
}
