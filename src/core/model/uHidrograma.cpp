#include "model/uHidrograma.h"

#include "platform/Excecoes.h"

namespace talvek {

namespace {

const char* const kHidrogramaCheio = "O hidrograma atingiu o limite de 65535 pontos.";

}  // namespace

void THidrograma::Limpar() { std::vector<TPontoHidrograma>().swap(Pontos_); }

void THidrograma::Adicionar(double Tempo, double Vazao) {
    if (Pontos_.size() >= kMaximoPontos) throw Exception(kHidrogramaCheio);
    Pontos_.push_back({Tempo, Vazao});
}

double THidrograma::VazaoNoTempo(double t) const {
    if (Pontos_.empty() || t >= Pontos_.back().Tempo || t <= Pontos_.front().Tempo) return 0;
    // Binary search for the pair lo, hi = lo + 1 with Tempo(lo) < t <= Tempo(hi).
    std::size_t lo = 0;
    std::size_t hi = Pontos_.size() - 1;
    std::size_t meio;
    do {
        meio = (lo + hi) / 2;
        if (Pontos_[meio].Tempo < t)
            lo = meio;
        else
            hi = meio;
    } while (hi - lo != 1);
    if (Pontos_[meio].Tempo == t) return Pontos_[meio].Vazao;
    const TPontoHidrograma& a = Pontos_[lo];
    const TPontoHidrograma& b = Pontos_[hi];
    return a.Vazao + (b.Vazao - a.Vazao) / (b.Tempo - a.Tempo) * (t - a.Tempo);
}

void THidrograma::AjustarRecessao() {
    const std::size_t n = Pontos_.size();
    bool subindo = true;
    std::size_t k = 0;  // index of the re-rise; 0 while none was found
    for (std::size_t i = 1; i < n && k == 0; ++i) {
        if (subindo) {
            if (Pontos_[i].Vazao < Pontos_[i - 1].Vazao) subindo = false;
        } else if (Pontos_[i - 1].Vazao < Pontos_[i].Vazao) {
            k = i;
        }
    }
    if (k == 0) return;
    // Straight line from point k − 1 down to zero at the last point's time; the last point keeps its flow.
    const double tFim = Pontos_[n - 1].Tempo;
    const double taxa = Pontos_[k - 1].Vazao / (tFim - Pontos_[k - 1].Tempo);
    for (std::size_t j = k; j + 1 < n; ++j) Pontos_[j].Vazao = (tFim - Pontos_[j].Tempo) * taxa;
}

double THidrograma::Volume() const {
    double volume = 0;
    for (std::size_t i = 1; i < Pontos_.size(); ++i)
        volume += (Pontos_[i - 1].Vazao + Pontos_[i].Vazao) / 2 * (Pontos_[i].Tempo - Pontos_[i - 1].Tempo) * 60;
    return volume;
}

}  // namespace talvek
