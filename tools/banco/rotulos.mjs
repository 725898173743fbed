// State abbreviations written in black on the map of Brazil, in a 5 × 7 pixel font, at the point of each
// state farthest from its border; a state too small to hold its label gets none.
import { LADO } from './quadros.mjs';

const LETRAS = {
  A: ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
  B: ['11110', '10001', '10001', '11110', '10001', '10001', '11110'],
  C: ['01111', '10000', '10000', '10000', '10000', '10000', '01111'],
  D: ['11110', '10001', '10001', '10001', '10001', '10001', '11110'],
  E: ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
  F: ['11111', '10000', '10000', '11110', '10000', '10000', '10000'],
  G: ['01111', '10000', '10000', '10011', '10001', '10001', '01111'],
  I: ['11111', '00100', '00100', '00100', '00100', '00100', '11111'],
  J: ['00111', '00010', '00010', '00010', '00010', '10010', '01100'],
  L: ['10000', '10000', '10000', '10000', '10000', '10000', '11111'],
  M: ['10001', '11011', '10101', '10101', '10001', '10001', '10001'],
  N: ['10001', '11001', '10101', '10011', '10001', '10001', '10001'],
  O: ['01110', '10001', '10001', '10001', '10001', '10001', '01110'],
  P: ['11110', '10001', '10001', '11110', '10000', '10000', '10000'],
  R: ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
  S: ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
  T: ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
};
const LARGURA_ROTULO = 11; // two letters and a one-pixel gap
const ALTURA_ROTULO = 7;
const MARGEM = 2; // pixels of the state's colour kept around the label

// Chessboard distance of every pixel to the nearest pixel of another region (two passes).
function distanciaABorda(regiao) {
  const d = new Int32Array(LADO * LADO);
  const fora = (x, y, r) => x < 0 || y < 0 || x >= LADO || y >= LADO || regiao[y * LADO + x] !== r;
  for (let y = 0; y < LADO; ++y)
    for (let x = 0; x < LADO; ++x) {
      const i = y * LADO + x;
      const r = regiao[i];
      if (r < 0) continue;
      let m = LADO;
      for (const [dx, dy] of [[-1, -1], [0, -1], [1, -1], [-1, 0]]) m = Math.min(m, fora(x + dx, y + dy, r) ? 0 : d[(y + dy) * LADO + x + dx]);
      d[i] = m + 1;
    }
  for (let y = LADO - 1; y >= 0; --y)
    for (let x = LADO - 1; x >= 0; --x) {
      const i = y * LADO + x;
      const r = regiao[i];
      if (r < 0) continue;
      let m = d[i] - 1;
      for (const [dx, dy] of [[1, 1], [0, 1], [-1, 1], [1, 0]]) m = Math.min(m, fora(x + dx, y + dy, r) ? 0 : d[(y + dy) * LADO + x + dx]);
      d[i] = m + 1;
    }
  return d;
}

// Sets to `preto` the label pixels of every state that can hold its abbreviation.
export function escreverRotulos(regiao, indices, siglas, preto) {
  const d = distanciaABorda(regiao);
  const folga = Math.ceil(LARGURA_ROTULO / 2) + MARGEM;
  siglas.forEach((sigla, estado) => {
    let melhor = -1;
    for (let i = 0; i < d.length; ++i) if (regiao[i] === estado && (melhor < 0 || d[i] > d[melhor])) melhor = i;
    if (melhor < 0 || d[melhor] < folga) return;
    const x0 = (melhor % LADO) - Math.floor(LARGURA_ROTULO / 2);
    const y0 = Math.floor(melhor / LADO) - Math.floor(ALTURA_ROTULO / 2);
    [...sigla].forEach((letra, k) =>
      LETRAS[letra].forEach((linha, dy) =>
        [...linha].forEach((bit, dx) => {
          if (bit === '1') indices[(y0 + dy) * LADO + x0 + 6 * k + dx] = preto;
        }),
      ),
    );
  });
}
