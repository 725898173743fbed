#include "rainfall/EvidenciaChuva.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/TabelaIdf.h"
#include "platform/Numeros.h"

namespace talvek {

namespace {

double Radianos(double graus) { return graus * std::numbers::pi / 180; }

TEstacaoContribuinte Contribuinte(const TEstacao& estacao, int estado, double latitude, double longitude) {
    TEstacaoContribuinte c;
    c.Nome = estacao.Nome;
    c.Estado = kEstados[estado].Sigla;
    c.Latitude = estacao.Latitude;
    c.Longitude = estacao.Longitude;
    c.DistanciaKm = DistanciaKm(latitude, longitude, CoordenadaParaGraus(estacao.Latitude),
                                CoordenadaParaGraus(estacao.Longitude));
    c.K = estacao.K;
    c.A = estacao.A;
    c.B = estacao.B;
    c.C = estacao.C;
    return c;
}

double IntensidadeReferencia(const TEstacaoContribuinte& e) {
    return IntensidadeMediaIdf({e.K, e.A, e.B, e.C}, kTrDivergenciaAnos, kDuracaoDivergenciaMin);
}

std::string SemBrancosFinais(const std::string& texto) {
    const std::size_t fim = texto.find_last_not_of(' ');
    return fim == std::string::npos ? std::string() : texto.substr(0, fim + 1);
}

std::optional<std::string> AvisoDistancia(const std::vector<TEstacaoContribuinte>& estacoes) {
    const auto proxima = std::min_element(estacoes.begin(), estacoes.end(), [](const auto& a, const auto& b) {
        return a.DistanciaKm < b.DistanciaKm;
    });
    if (proxima == estacoes.end() || !(proxima->DistanciaKm > kDistanciaAvisoKm)) return std::nullopt;
    return "A estação mais próxima (" + SemBrancosFinais(proxima->Nome) + ") está a " +
           FormatarFloat("0", proxima->DistanciaKm) + " km: a equação interpolada pode não representar o local.";
}

// Among the heaviest stations that together carry kPesoVizinhas of the weight, the intensities at Tr 10 years
// and 60 min spread by more than kDivergenciaAviso of the smallest.
std::optional<std::string> AvisoDivergencia(const std::vector<TEstacaoContribuinte>& estacoes) {
    const TEstacaoContribuinte* menor = nullptr;
    const TEstacaoContribuinte* maior = nullptr;
    double iMenor = 0, iMaior = 0, acumulado = 0;
    for (const TEstacaoContribuinte& e : estacoes) {
        if (acumulado >= kPesoVizinhas) break;
        acumulado += e.Peso;
        const double i = IntensidadeReferencia(e);
        if (!menor || i < iMenor) {
            menor = &e;
            iMenor = i;
        }
        if (!maior || i > iMaior) {
            maior = &e;
            iMaior = i;
        }
    }
    if (!menor || menor == maior || !(iMaior > iMenor * (1 + kDivergenciaAviso))) return std::nullopt;
    return "As estações próximas divergem: a intensidade de 60 min e Tr = 10 anos vai de " +
           FormatarFloat("0.0", iMenor) + " mm/h (" + SemBrancosFinais(menor->Nome) + ") a " +
           FormatarFloat("0.0", iMaior) + " mm/h (" + SemBrancosFinais(maior->Nome) + ").";
}

}  // namespace

double DistanciaKm(double latitude1, double longitude1, double latitude2, double longitude2) {
    // Haversine: well conditioned for near points too.
    const double dLatitude = Radianos(latitude2 - latitude1);
    const double dLongitude = Radianos(longitude2 - longitude1);
    const double h = std::pow(std::sin(dLatitude / 2), 2) + std::cos(Radianos(latitude1)) *
                                                               std::cos(Radianos(latitude2)) *
                                                               std::pow(std::sin(dLongitude / 2), 2);
    return 2 * kRaioTerraKm * std::asin(std::min(1.0, std::sqrt(h)));
}

TEvidenciaChuva EvidenciaInterpolacao(const TBDPrecipitacao& bd, const std::string& latitude,
                                      const std::string& longitude) {
    const TPonderacao ponderacao = bd.Ponderar(latitude, longitude);
    if (ponderacao.Exata) return EvidenciaEstacao(*ponderacao.Exata, ponderacao.EstadoExata);

    const double latitudeGraus = CoordenadaParaGraus(latitude);
    const double longitudeGraus = CoordenadaParaGraus(longitude);
    TEvidenciaChuva evidencia;
    for (const TPesoEstacao& p : ponderacao.Pesos) {
        TEstacaoContribuinte& c =
            evidencia.Estacoes.emplace_back(Contribuinte(*p.Estacao, p.Estado, latitudeGraus, longitudeGraus));
        c.Peso = static_cast<double>(p.Peso / ponderacao.SomaPesos);  // the factor Interpolar applies
    }
    std::stable_sort(evidencia.Estacoes.begin(), evidencia.Estacoes.end(),
                     [](const auto& a, const auto& b) { return a.Peso > b.Peso; });
    for (const auto& aviso : {AvisoDistancia(evidencia.Estacoes), AvisoDivergencia(evidencia.Estacoes)})
        if (aviso) evidencia.Avisos.push_back(*aviso);
    return evidencia;
}

TEvidenciaChuva EvidenciaEstacao(const TEstacao& estacao, int estado) {
    const double latitude = CoordenadaParaGraus(estacao.Latitude);
    const double longitude = CoordenadaParaGraus(estacao.Longitude);
    TEvidenciaChuva evidencia;
    evidencia.Estacoes.push_back(Contribuinte(estacao, estado, latitude, longitude));
    evidencia.Estacoes.back().Peso = 1;
    return evidencia;
}

std::optional<std::string> LinhaOutrasEstacoes(const TEvidenciaChuva& evidencia) {
    const std::vector<TEstacaoContribuinte>& estacoes = evidencia.Estacoes;
    if (estacoes.size() <= kEstacoesListadas) return std::nullopt;
    double peso = 0;
    for (std::size_t i = kEstacoesListadas; i < estacoes.size(); ++i) peso += estacoes[i].Peso;
    const std::size_t n = estacoes.size() - kEstacoesListadas;
    return (n == 1 ? std::string("outra 1 estação: ") : "outras " + std::to_string(n) + " estações: ") +
           TextoPeso(peso);
}

std::string TextoPeso(double peso) { return FormatarFloat("0.0", 100 * peso) + " %"; }

std::string TextoDistancia(double km) { return FormatarFloat("0.0", km) + " km"; }

}  // namespace talvek
