#include "design/uTerraplenagem.h"

#include <limits>

#include "design/uHidraulica.h"

namespace talvek {

namespace {

constexpr double kNaoDefinido = std::numeric_limits<double>::quiet_NaN();
constexpr double kMetrosQuadradosHectare = 10000;

// Cross-section of the ridge above the field, m² (the geometry in the header).
double SecaoCamalhao(double Hr, double St, double Sm) {
    if (!(Sm > St)) return kNaoDefinido;
    return Hr * Hr * (Sm + St) / (Sm * (Sm - St));
}

}  // namespace

TTerraplenagem Terraplenagem(const TCanalDrenagem& canal, double St) {
    const double Hr = canal.Hr() / 100;  // m
    const TGeometriaSecao secao = GeometriaSecao(canal, St, Hr);
    const double terra =
        canal.TipoCanal.Tipo == TTipoCanal::Triangular ? SecaoCamalhao(Hr, St, canal.Sm.Valor) : secao.A;
    const double comprimento = canal.EH() > 0 ? kMetrosQuadradosHectare / canal.EH() : kNaoDefinido;
    const double ocupada = secao.T * comprimento;
    return {secao.T, secao.A, terra, comprimento, terra * comprimento, ocupada,
            100 * ocupada / kMetrosQuadradosHectare};
}

}  // namespace talvek
