// 8-bit palette BMP (Windows 3 format, uncompressed, bottom-up rows), the simplest picture every
// toolkit reads with exact colours.
import { writeFileSync } from 'node:fs';

// indices: Uint8Array of largura × altura palette indices, row 0 at the top; paleta: [[r, g, b], …].
export function gravarBmp(caminho, largura, altura, indices, paleta) {
  const bytesLinha = Math.ceil(largura / 4) * 4;
  const inicioPixels = 14 + 40 + 256 * 4;
  const tamanho = inicioPixels + bytesLinha * altura;
  const b = Buffer.alloc(tamanho);
  b.write('BM', 0, 'ascii');
  b.writeUInt32LE(tamanho, 2);
  b.writeUInt32LE(inicioPixels, 10);
  b.writeUInt32LE(40, 14);
  b.writeInt32LE(largura, 18);
  b.writeInt32LE(altura, 22);
  b.writeUInt16LE(1, 26); // planes
  b.writeUInt16LE(8, 28); // bits per pixel
  b.writeUInt32LE(0, 30); // no compression
  b.writeUInt32LE(bytesLinha * altura, 34);
  b.writeInt32LE(3780, 38); // 96 dpi
  b.writeInt32LE(3780, 42);
  b.writeUInt32LE(256, 46);
  paleta.forEach(([r, g, bl], i) => {
    b[54 + 4 * i] = bl;
    b[55 + 4 * i] = g;
    b[56 + 4 * i] = r;
  });
  for (let y = 0; y < altura; ++y) {
    const linha = inicioPixels + (altura - 1 - y) * bytesLinha;
    for (let x = 0; x < largura; ++x) b[linha + x] = indices[y * largura + x];
  }
  writeFileSync(caminho, b);
}
