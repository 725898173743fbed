// The state table, the state-map frames and the colours of the map of Brazil, as the program has them
// (src/core/rainfall/UnBD.cpp and MapasEstados.cpp); the program's tests check the drawn maps against its own
// copy, so a drift here shows up there.

// Index 0–26: abbreviation, GeoNames admin1 code of Brazil, colour on the map of Brazil.
export const ESTADOS = [
  { sigla: 'AC', admin1: '01', cor: [0, 51, 0] },
  { sigla: 'AL', admin1: '02', cor: [255, 255, 0] },
  { sigla: 'AP', admin1: '03', cor: [0, 204, 0] },
  { sigla: 'AM', admin1: '04', cor: [0, 102, 0] },
  { sigla: 'BA', admin1: '05', cor: [255, 255, 153] },
  { sigla: 'CE', admin1: '06', cor: [204, 102, 0] },
  { sigla: 'DF', admin1: '07', cor: [13, 13, 13] },
  { sigla: 'ES', admin1: '08', cor: [0, 255, 255] },
  { sigla: 'GO', admin1: '29', cor: [102, 102, 102] },
  { sigla: 'MA', admin1: '13', cor: [102, 51, 0] },
  { sigla: 'MT', admin1: '14', cor: [161, 161, 161] },
  { sigla: 'MS', admin1: '11', cor: [67, 67, 67] },
  { sigla: 'MG', admin1: '15', cor: [0, 0, 255] },
  { sigla: 'PA', admin1: '16', cor: [0, 153, 0] },
  { sigla: 'PB', admin1: '17', cor: [255, 204, 102] },
  { sigla: 'PR', admin1: '18', cor: [204, 0, 0] },
  { sigla: 'PE', admin1: '30', cor: [204, 204, 0] },
  { sigla: 'PI', admin1: '20', cor: [153, 102, 0] },
  { sigla: 'RJ', admin1: '21', cor: [0, 153, 255] },
  { sigla: 'RN', admin1: '22', cor: [255, 153, 0] },
  { sigla: 'RS', admin1: '23', cor: [102, 0, 0] },
  { sigla: 'RO', admin1: '24', cor: [102, 255, 51] },
  { sigla: 'RR', admin1: '25', cor: [51, 204, 0] },
  { sigla: 'SC', admin1: '26', cor: [153, 0, 0] },
  { sigla: 'SP', admin1: '27', cor: [0, 0, 153] },
  { sigla: 'SE', admin1: '28', cor: [102, 102, 0] },
  { sigla: 'TO', admin1: '31', cor: [153, 255, 153] },
];

// Frames of the seven state maps: degrees west/south and the pixel rectangle in the 450 × 450 picture.
export const QUADROS = {
  BA: { lonLeste: 37.339722, lonOeste: 46.629028, latNorte: 8.532272, latSul: 18.349041, largura: 414, altura: 436, origemX: 16, origemY: 5 },
  ES: { lonLeste: 39.664805, lonOeste: 41.879249, latNorte: 17.891117, latSul: 21.301478, largura: 278, altura: 429, origemX: 86, origemY: 10 },
  MG: { lonLeste: 39.856471, lonOeste: 51.04622, latNorte: 14.232664, latSul: 22.922378, largura: 420, altura: 327, origemX: 16, origemY: 64 },
  PR: { lonLeste: 48.023056, lonOeste: 54.618958, latNorte: 22.516105, latSul: 26.715944, largura: 420, altura: 267, origemX: 27, origemY: 101 },
  RJ: { lonLeste: 40.956445, lonOeste: 44.888529, latNorte: 20.763474, latSul: 23.36849, largura: 430, altura: 284, origemX: 10, origemY: 82 },
  SP: { lonLeste: 44.160556, lonOeste: 53.109609, latNorte: 19.779323, latSul: 25.311931, largura: 430, altura: 265, origemX: 10, origemY: 92 },
  TO: { lonLeste: 45.695667, lonOeste: 50.741611, latNorte: 5.168047, latSul: 13.467389, largura: 266, altura: 437, origemX: 93, origemY: 7 },
};

// The map of Brazil is drawn in a frame of the same kind, chosen here: the mainland and its near islands.
export const QUADRO_BRASIL = { lonLeste: 34.0, lonOeste: 74.4, latNorte: -5.6, latSul: 34.2, largura: 450, altura: 444, origemX: 0, origemY: 3 };

export const LADO = 450;

// coordinates (degrees south, degrees west) → real pixel position, as the query dialog computes it.
export function pixel(q, latitude, longitude) {
  return {
    x: q.largura - (q.largura * (q.lonLeste - longitude)) / (q.lonLeste - q.lonOeste) + q.origemX,
    y: ((latitude - q.latNorte) * q.altura) / (q.latSul - q.latNorte) + q.origemY,
  };
}
