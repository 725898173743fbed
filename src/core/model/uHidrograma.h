// A hydrograph: an ordered series of (time, flow) points. The hillslope builds one for the water that
// leaves the field surface (time in min from the start of the storm, flow in L/s per metre of drain);
// the channel routing reads it back by linear interpolation as the drain's lateral inflow.
#pragma once

#include <cstdint>
#include <vector>

namespace talvek {

struct TPontoHidrograma {
    double Tempo;  // min from the start of the storm
    double Vazao;  // flow, in the unit of the hydrograph
};

class THidrograma {
public:
    // The point counter is 16 bits wide: the 65536th point is refused.
    static constexpr std::uint16_t kMaximoPontos = 65535;

    void Limpar();  // releases the points
    // Appends one point at the end; points come in increasing time (not checked). Raises Exception when
    // the hydrograph already holds kMaximoPontos points.
    void Adicionar(double Tempo, double Vazao);

    // Flow at time t (min) by linear interpolation; 0 outside the open span between the first and the last
    // point's times, and at those two times themselves.
    double VazaoNoTempo(double t) const;
    // Replaces a recession limb that rises again by a straight decline to the last point's time.
    void AjustarRecessao();
    // Trapezoidal integral of the flow over time, in the flow unit times seconds (L per metre of drain for
    // a hillslope hydrograph): the water balance of the series.
    double Volume() const;

    std::uint16_t NumeroPontos() const { return static_cast<std::uint16_t>(Pontos_.size()); }
    const std::vector<TPontoHidrograma>& Pontos() const { return Pontos_; }

private:
    std::vector<TPontoHidrograma> Pontos_;
};

}  // namespace talvek
