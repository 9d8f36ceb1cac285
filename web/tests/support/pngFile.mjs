// Reads the 8-bit RGB PNG files without interlacing that drev render writes (the goldens).
import { readFileSync } from 'node:fs';
import { inflateSync } from 'node:zlib';

const SIGNATURE = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
const BYTES_PER_PIXEL = 3;

function paeth(left, up, corner) {
    const estimate = left + up - corner;
    const [pa, pb, pc] = [Math.abs(estimate - left), Math.abs(estimate - up), Math.abs(estimate - corner)];
    return pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
}

// {width, height, rgb}: rgb holds width * height * 3 bytes, row by row from the top.
export function readRgbPng(path) {
    const data = readFileSync(path);
    if (!data.subarray(0, 8).equals(SIGNATURE)) {
        throw new Error(`${path} is not a PNG file`);
    }
    let header = null;
    const compressed = [];
    for (let at = 8; at + 8 <= data.length; ) {
        const length = data.readUInt32BE(at);
        const kind = data.toString('latin1', at + 4, at + 8);
        const body = data.subarray(at + 8, at + 8 + length);
        if (kind === 'IHDR') {
            header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8], colour: body[9], interlace: body[12] };
        } else if (kind === 'IDAT') {
            compressed.push(body);
        }
        at += 12 + length;
    }
    if (header === null || header.depth !== 8 || header.colour !== 2 || header.interlace !== 0) {
        throw new Error(`${path} is not an 8-bit RGB PNG without interlacing`);
    }
    const { width, height } = header;
    const raw = inflateSync(Buffer.concat(compressed));
    const stride = width * BYTES_PER_PIXEL;
    const rgb = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const kind = raw[y * (stride + 1)];
        const row = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let i = 0; i < stride; ++i) {
            const left = i >= BYTES_PER_PIXEL ? rgb[y * stride + i - BYTES_PER_PIXEL] : 0;
            const up = y > 0 ? rgb[(y - 1) * stride + i] : 0;
            const corner = y > 0 && i >= BYTES_PER_PIXEL ? rgb[(y - 1) * stride + i - BYTES_PER_PIXEL] : 0;
            const predicted = [0, left, up, (left + up) >> 1, paeth(left, up, corner)][kind];
            rgb[y * stride + i] = (row[i] + predicted) & 255;
        }
    }
    return { width, height, rgb };
}
