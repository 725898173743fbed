// The state maps and the map of Brazil of the query dialog: where each 450 × 450 state map lies in
// coordinates (its frame), the transforms between pixels and coordinates, and the flat colours by which
// the map of Brazil tells its states apart.
#pragma once

#include <cstdint>
#include <optional>

namespace talvek {

inline constexpr int kLadoMapa = 450;  // pixels, width and height of every map picture

// A state map's frame: the coordinate box (degrees west and south, LonLeste ≤ LonOeste,
// LatNorte ≤ LatSul) and the pixel rectangle it occupies in the picture.
struct TQuadroMapa {
    double LonLeste, LonOeste, LatNorte, LatSul;  // degrees
    double Largura, Altura, OrigemX, OrigemY;     // pixels
};

// The frame in which the map of Brazil is drawn (the mainland and its near islands).
inline constexpr TQuadroMapa kQuadroBrasil{34.0, 74.4, -5.6, 34.2, 450, 444, 0, 3};

// The frame of a state with a map (BA, ES, MG, PR, RJ, SP, TO); no value for the others.
std::optional<TQuadroMapa> QuadroDoEstado(int estado);

struct TPontoMapa {
    double X, Y;  // pixels, real; rounded to the nearest integer when a pixel is read
};

struct TCoordenadas {
    double Latitude, Longitude;  // degrees south, degrees west
};

TCoordenadas PixelParaCoordenadas(const TQuadroMapa& quadro, double x, double y);
TPontoMapa CoordenadasParaPixel(const TQuadroMapa& quadro, double latitude, double longitude);

struct TCor {
    uint8_t R, G, B;
    bool operator==(const TCor&) const = default;
};

// Territory colour of the state maps: a pixel of exactly this colour lies inside the state.
inline constexpr TCor kAzulEstado{0, 0, 255};

// The state that a colour of the map of Brazil selects; no value for black (borders and labels), white
// (background) and the four colours that select nothing (AP, DF, RR, SE).
std::optional<int> EstadoDaCorDoBrasil(TCor cor);

// The flat colour of a state on the map of Brazil (every state has one, selecting or not).
TCor CorDoEstadoNoBrasil(int estado);

}  // namespace talvek
