// The stations of the shown state as dots on the query dialog's map: every station small, those that carry
// weight in the parameters shown larger by their share; which dot lies under the mouse.
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace talvek::gui {

struct TPontoEstacao {
    QPointF Pixel;   // position on the map picture
    int Linha;       // row of the station in the dialog's station list
    QString Nome;
    double Peso;     // share of the weight of the parameters shown, 0–1
};

// A copy of `mapa` with the dots drawn, the heaviest on top.
QImage MapaComEstacoes(const QImage& mapa, const std::vector<TPontoEstacao>& pontos);

// The dot under `ponto` (within its radius and at least a few pixels), the nearest when several.
std::optional<std::size_t> PontoSob(const std::vector<TPontoEstacao>& pontos, QPointF ponto);

}  // namespace talvek::gui
