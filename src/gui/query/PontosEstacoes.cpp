#include "query/PontosEstacoes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace talvek::gui {

namespace {

constexpr double kRaioMinimo = 2.5;          // px, a station without weight
constexpr double kRaioPeso = 9;              // px added at 100 % of the weight (by the square root)
constexpr double kPesoDestacado = 0.005;     // from this share on a dot is drawn as contributing
constexpr double kAlcanceMouse = 4;          // px around a dot that still count as over it

double Raio(double peso) {
    return peso >= kPesoDestacado ? kRaioMinimo + 1 + kRaioPeso * std::sqrt(peso) : kRaioMinimo;
}

}  // namespace

QImage MapaComEstacoes(const QImage& mapa, const std::vector<TPontoEstacao>& pontos) {
    QImage imagem = mapa.copy();
    std::vector<std::size_t> ordem(pontos.size());
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(),
                     [&](std::size_t a, std::size_t b) { return pontos[a].Peso < pontos[b].Peso; });
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    for (const std::size_t i : ordem) {
        const TPontoEstacao& p = pontos[i];
        const bool destacado = p.Peso >= kPesoDestacado;
        pintor.setPen(QPen(destacado ? QColor(0x80, 0, 0) : Qt::white, 1));
        pintor.setBrush(destacado ? QColor(0xff, 0x8c, 0x00) : QColor(0x30, 0x30, 0x30));
        const double r = Raio(p.Peso);
        pintor.drawEllipse(p.Pixel, r, r);
    }
    return imagem;
}

std::optional<std::size_t> PontoSob(const std::vector<TPontoEstacao>& pontos, QPointF ponto) {
    std::optional<std::size_t> achado;
    double melhor = 0;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        const QPointF d = pontos[i].Pixel - ponto;
        const double distancia = std::hypot(d.x(), d.y());
        if (distancia > std::max(Raio(pontos[i].Peso), kAlcanceMouse)) continue;
        if (!achado || distancia < melhor) {
            achado = i;
            melhor = distancia;
        }
    }
    return achado;
}

}  // namespace talvek::gui
