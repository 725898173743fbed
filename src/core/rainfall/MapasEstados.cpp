#include "rainfall/MapasEstados.h"

#include <array>

#include "rainfall/UnBD.h"

namespace talvek {

namespace {

struct TQuadroEstado {
    int Estado;
    TQuadroMapa Quadro;
};

// The boxes are the states' extents; the pixel rectangles keep one scale for both axes.
constexpr std::array<TQuadroEstado, 7> kQuadros = {{
    {4, {37.339722, 46.629028, 8.532272, 18.349041, 414, 436, 16, 5}},     // BA
    {7, {39.664805, 41.879249, 17.891117, 21.301478, 278, 429, 86, 10}},   // ES
    {12, {39.856471, 51.04622, 14.232664, 22.922378, 420, 327, 16, 64}},   // MG
    {15, {48.023056, 54.618958, 22.516105, 26.715944, 420, 267, 27, 101}}, // PR
    {18, {40.956445, 44.888529, 20.763474, 23.36849, 430, 284, 10, 82}},   // RJ
    {24, {44.160556, 53.109609, 19.779323, 25.311931, 430, 265, 10, 92}},  // SP
    {26, {45.695667, 50.741611, 5.168047, 13.467389, 266, 437, 93, 7}},    // TO
}};

struct TCorEstado {
    TCor Cor;
    bool Seleciona;  // a click on this colour selects the state
};

// Flat colours of the map of Brazil, by state index.
constexpr std::array<TCorEstado, kNumeroEstados> kCoresBrasil = {{
    {{0, 51, 0}, true},        // AC
    {{255, 255, 0}, true},     // AL
    {{0, 204, 0}, false},      // AP
    {{0, 102, 0}, true},       // AM
    {{255, 255, 153}, true},   // BA
    {{204, 102, 0}, true},     // CE
    {{13, 13, 13}, false},     // DF
    {{0, 255, 255}, true},     // ES
    {{102, 102, 102}, true},   // GO
    {{102, 51, 0}, true},      // MA
    {{161, 161, 161}, true},   // MT
    {{67, 67, 67}, true},      // MS
    {{0, 0, 255}, true},       // MG
    {{0, 153, 0}, true},       // PA
    {{255, 204, 102}, true},   // PB
    {{204, 0, 0}, true},       // PR
    {{204, 204, 0}, true},     // PE
    {{153, 102, 0}, true},     // PI
    {{0, 153, 255}, true},     // RJ
    {{255, 153, 0}, true},     // RN
    {{102, 0, 0}, true},       // RS
    {{102, 255, 51}, true},    // RO
    {{51, 204, 0}, false},     // RR
    {{153, 0, 0}, true},       // SC
    {{0, 0, 153}, true},       // SP
    {{102, 102, 0}, false},    // SE
    {{153, 255, 153}, true},   // TO
}};

}  // namespace

std::optional<TQuadroMapa> QuadroDoEstado(int estado) {
    for (const TQuadroEstado& q : kQuadros)
        if (q.Estado == estado) return q.Quadro;
    return std::nullopt;
}

TCoordenadas PixelParaCoordenadas(const TQuadroMapa& q, double x, double y) {
    return {q.LatNorte + (q.LatSul - q.LatNorte) * (y - q.OrigemY) / q.Altura,
            q.LonLeste - (q.LonLeste - q.LonOeste) * (q.Largura - (x - q.OrigemX)) / q.Largura};
}

TPontoMapa CoordenadasParaPixel(const TQuadroMapa& q, double latitude, double longitude) {
    return {q.Largura - q.Largura * (q.LonLeste - longitude) / (q.LonLeste - q.LonOeste) + q.OrigemX,
            (latitude - q.LatNorte) * q.Altura / (q.LatSul - q.LatNorte) + q.OrigemY};
}

std::optional<int> EstadoDaCorDoBrasil(TCor cor) {
    for (int estado = 0; estado < kNumeroEstados; ++estado)
        if (kCoresBrasil[estado].Seleciona && kCoresBrasil[estado].Cor == cor) return estado;
    return std::nullopt;
}

TCor CorDoEstadoNoBrasil(int estado) {
    VerificarIndiceEstado(estado);
    return kCoresBrasil[estado].Cor;
}

}  // namespace talvek
