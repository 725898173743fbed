#include "platform/Progresso.h"

#include "platform/Excecoes.h"

namespace talvek {

void TContadorAtualizacoes::Somar(std::int64_t nos) {
    total_ += nos;
    if (total_ > kMaximoAtualizacoes)
        throw Exception("O cálculo excedeu o limite de 200 milhões de passos da malha (faixa ou canal longos demais).");
    desdeEventos_ += nos;
    if (desdeEventos_ < kAtualizacoesEntreEventos) return;
    desdeEventos_ = 0;
    if (progresso_) progresso_->ProcessarEventos();
}

}  // namespace talvek
