#include "model/uTerreno.h"

#include <array>
#include <cmath>

#include "model/uPrecipitacao.h"
#include "platform/Aritmetica.h"

namespace talvek {

namespace {

constexpr std::array<const char*, 6> kUsosTerra = {
    "Sem cultivo",
    "Cultivo em fileiras",
    "Cultivo em fileiras estreitas",
    "Leguminosas em fileiras estreitas",
    "Pastagem para pastoreio",
    "Floresta",
};
constexpr std::array<const char*, 4> kTratamentos = {"", "Fileiras retas", "Com curvas de nível",
                                                     "Curvas de nível e terraço"};
constexpr std::array<const char*, 4> kCondicoes = {"", "Má", "Regular", "Boa"};

template <std::size_t N>
std::string TextoDaTabela(const std::array<const char*, N>& tabela, std::uint8_t indice) {
    return indice < N ? tabela[indice] : "";
}

// Curve-number table: a cover matches a row by land use, treatment and condition, then VIB picks the
// column. kQualquer matches every index; kExceto1 every index but 1.
constexpr int kQualquer = -1;
constexpr int kExceto1 = -2;

struct LinhaCN {
    int uso, tratamento, condicao;
    std::array<int, 4> cn;  // VIB ≤ 3 | 3 < VIB ≤ 40 | 40 < VIB ≤ 190 | VIB > 190 (mm/h)
};

constexpr LinhaCN kTabelaCN[] = {
    {0, kQualquer, kQualquer, {98, 97, 94, 89}},
    {1, 1, 1, {97, 95, 92, 86}},
    {1, 1, 3, {96, 94, 90, 83}},
    {1, 2, 1, {95, 93, 91, 85}},
    {1, 2, 3, {94, 92, 88, 82}},
    {1, 3, 1, {92, 91, 88, 82}},
    {1, 3, 3, {92, 90, 86, 79}},
    {2, 1, 1, {95, 93, 89, 82}},
    {2, 1, 3, {95, 93, 88, 80}},
    {2, 2, 1, {94, 92, 88, 80}},
    {2, 2, kExceto1, {93, 92, 87, 78}},
    {2, 3, 1, {92, 91, 86, 78}},
    {2, 3, 3, {92, 90, 85, 77}},
    {3, 1, 1, {96, 94, 89, 82}},
    {3, 1, 3, {94, 92, 86, 76}},
    {3, 2, 1, {94, 93, 88, 81}},
    {3, 2, 3, {93, 90, 84, 74}},
    {3, 3, 1, {93, 91, 87, 80}},
    {3, 3, 3, {91, 89, 83, 70}},
    {4, 1, 1, {96, 94, 91, 84}},
    {4, 1, 2, {93, 91, 84, 69}},
    {4, 1, 3, {91, 88, 78, 59}},
    {4, 2, 1, {95, 92, 83, 67}},
    {4, 2, 2, {93, 88, 77, 43}},
    {4, 2, 3, {91, 85, 55, 15}},
    {5, kQualquer, 1, {93, 89, 82, 65}},
    {5, kQualquer, 2, {91, 87, 78, 56}},
    {5, kQualquer, 3, {89, 85, 74, 43}},
};

bool Corresponde(int padrao, int indice) {
    return padrao == kQualquer || (padrao == kExceto1 ? indice != 1 : padrao == indice);
}

// Column of the curve-number table for a basic infiltration rate (mm/h); −1 for a non-number.
int ColunaVIB(double vib) {
    if (vib <= 3) return 0;
    if (vib > 3 && vib <= 40) return 1;
    if (vib > 40 && vib <= 190) return 2;
    if (vib > 190) return 3;
    return -1;
}

}  // namespace

std::string TUsoTerra::Texto() const { return TextoDaTabela(kUsosTerra, Indice); }
std::string TTratamento::Texto() const { return TextoDaTabela(kTratamentos, Indice); }
std::string TCondicaoHidrologica::Texto() const { return TextoDaTabela(kCondicoes, Indice); }

void TCobertura::Atribuir(const TCobertura& origem) {
    UsoTerra.Atribuir(origem.UsoTerra);
    Tratamento.Atribuir(origem.Tratamento);
    CondicaoHidrologica.Atribuir(origem.CondicaoHidrologica);
}

void TCobertura::Limpar() {
    UsoTerra.Limpar();
    Tratamento.Limpar();
    CondicaoHidrologica.Limpar();
}

void TTerreno::Atribuir(const TTerreno& origem) {
    VIB_ = origem.VIB_;
    St_ = origem.St_;
    Cobertura.Atribuir(origem.Cobertura);
    nt.Atribuir(origem.nt);
}

void TTerreno::Limpar() {
    Cobertura.Limpar();
    nt = TReal{};
    SetVIB(0);
    SetSt(0);
}

void TTerreno::SetVIB(double valor) { VIB_ = valor < 0 ? 0 : valor; }

void TTerreno::SetSt(double valor) { St_ = valor; }

int TTerreno::CurvaNumero() const {
    const int coluna = ColunaVIB(VIB_);
    if (coluna < 0) return 0;
    for (const LinhaCN& linha : kTabelaCN)
        if (linha.uso == Cobertura.UsoTerra.Indice && Corresponde(linha.tratamento, Cobertura.Tratamento.Indice) &&
            Corresponde(linha.condicao, Cobertura.CondicaoHidrologica.Indice))
            return linha.cn[coluna];
    return 0;
}

double TTerreno::AbstracaoInicial() const {
    const int cn = CurvaNumero();
    if (cn == 0) return 0;
    return 50.8 * (100.0 / cn - 1);  // 0.2 · S, with the potential retention S = 254 · (100/CN − 1) mm
}

double TTerreno::TempoAbstracao(const TPrecipitacao& precipitacao) const {
    if (dynamic_cast<const TPrecipitacaoExponencialNegativa*>(&precipitacao) == nullptr) return 0;
    // Newton on P(t) · 60 = Ia · 60, with P(t) = i(t) · t / 60 the depth fallen after t minutes.
    const double ia = AbstracaoInicial();
    double t = 1;
    double delta;
    int passos = 0;
    do {
        delta = Dividir(precipitacao.IntensidadeMedia(t) * t - 60 * ia, precipitacao.IntensidadeInstantanea(t));
        t -= delta;
        ++passos;
    } while (!(std::fabs(delta) < 1e-7 || passos > 200));
    return passos > 200 ? 0 : t;
}

double TTerreno::PrecipitacaoEfetiva(const TPrecipitacao& precipitacao) const {
    const double tf = precipitacao.TempoIntensidade(VIB_);  // end of runoff: intensity down to VIB
    const double ta = TempoAbstracao(precipitacao);
    if (!(tf > 0)) return 0;
    const double duracao = tf - ta;  // min during which water infiltrates at the rate VIB
    if (!(duracao > 0)) return 0;
    return tf * precipitacao.IntensidadeMedia(tf) / 60 - VIB_ * duracao / 60 - AbstracaoInicial();
}

}  // namespace talvek
