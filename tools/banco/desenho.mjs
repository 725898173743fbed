// Rasterising state outlines (GeoJSON lon/lat polygons) into a map picture through a frame: a pixel
// (X, Y) belongs to a polygon when the coordinates of its centre, as the frame maps them, lie inside
// (even-odd rule over all rings, so holes stay out).
import { LADO, pixel } from './quadros.mjs';

// The rings of a GeoJSON Polygon or MultiPolygon geometry, as [[lon, lat], …] arrays.
export function aneis(geometria) {
  if (geometria.type === 'Polygon') return geometria.coordinates;
  if (geometria.type === 'MultiPolygon') return geometria.coordinates.flat();
  throw new Error(`geometria inesperada: ${geometria.type}`);
}

// Uint8Array LADO × LADO, 1 where the pixel centre lies inside the rings.
export function rasterizar(rings, q) {
  const mascara = new Uint8Array(LADO * LADO);
  for (let y = 0; y < LADO; ++y) {
    const latitudeSul = q.latNorte + ((q.latSul - q.latNorte) * (y - q.origemY)) / q.altura;
    const latitude = -latitudeSul; // GeoJSON: north positive
    const cortes = [];
    for (const anel of rings) {
      for (let i = 0, j = anel.length - 1; i < anel.length; j = i++) {
        const [lon1, lat1] = anel[j];
        const [lon2, lat2] = anel[i];
        if (lat1 > latitude === lat2 > latitude) continue;
        const lon = lon1 + ((latitude - lat1) * (lon2 - lon1)) / (lat2 - lat1);
        cortes.push(pixel(q, latitudeSul, -lon).x);
      }
    }
    cortes.sort((a, b) => a - b);
    for (let k = 0; k + 1 < cortes.length; k += 2) {
      const inicio = Math.max(0, Math.ceil(cortes[k]));
      const fim = Math.min(LADO, Math.ceil(cortes[k + 1]));
      for (let x = inicio; x < fim; ++x) mascara[y * LADO + x] = 1;
    }
  }
  return mascara;
}

// Whether the rounded pixel of a point, or one within `raio` pixels of it, is set in the mask.
export function perto(mascara, px, py, raio) {
  const x0 = Math.round(px);
  const y0 = Math.round(py);
  for (let dy = -raio; dy <= raio; ++dy)
    for (let dx = -raio; dx <= raio; ++dx) {
      if (dx * dx + dy * dy > raio * raio) continue;
      const x = x0 + dx;
      const y = y0 + dy;
      if (x >= 0 && x < LADO && y >= 0 && y < LADO && mascara[y * LADO + x]) return true;
    }
  return false;
}
