#include "project/Lote.h"

#include <cctype>
#include <climits>
#include <cmath>

#include "design/uAvisos.h"
#include "design/uVerificacaoEntradas.h"
#include "platform/Codificacao.h"
#include "platform/Numeros.h"
#include "platform/Paralelo.h"
#include "project/Projeto.h"

namespace talvek {

namespace {

// A class or choice stored as the reader stores it: refused outside [minimo, maximo].
int NaFaixa(double valor, int minimo, int maximo) {
    if (valor < minimo || valor > maximo)
        throw Exception("o valor deve estar entre " + std::to_string(minimo) + " e " + std::to_string(maximo) + ".");
    return static_cast<int>(valor);
}

using TC = TCasoLote;

// Sections and keys as uCanalArquivo.cpp, uTerrenoArquivo.cpp, uPrecipitacaoArquivo.cpp and uMaterialCanal.cpp
// read them; units those of the file (m/m, mm/h, m, h, s/m^(1/3), years, min). The storm's and the channel's
// B share a key name, so their columns are Bchuva and Bcanal; Z and Sm set the values, ValorZ and ValorSm, and
// leave the reference-table rows (IndZ, IndSm) as they are, as the other table values (nt, nc) do.
const TColunaLote kColunas[] = {
    {"Nome", "IDENTIFICACAO", "Nome", TTipoColuna::Texto, nullptr},
    {"Tipo", "TipoSistema", "Tipo", TTipoColuna::Inteiro,
     [](TC& c, double v) { c.Sistema.Tipo = static_cast<std::uint8_t>(NaFaixa(v, 0, 3)); }},
    {"Tr", "PREC_EXPONENCIAL_NEGATIVA", "Tr", TTipoColuna::Real, [](TC& c, double v) { c.Chuva.SetTr(v); }},
    {"K", "PREC_EXPONENCIAL_NEGATIVA", "K", TTipoColuna::Real, [](TC& c, double v) { c.Chuva.SetK(v); }},
    {"A", "PREC_EXPONENCIAL_NEGATIVA", "A", TTipoColuna::Real, [](TC& c, double v) { c.Chuva.SetA(v); }},
    {"Bchuva", "PREC_EXPONENCIAL_NEGATIVA", "B", TTipoColuna::Real, [](TC& c, double v) { c.Chuva.SetB(v); }},
    {"C", "PREC_EXPONENCIAL_NEGATIVA", "C", TTipoColuna::Real, [](TC& c, double v) { c.Chuva.SetC(v); }},
    {"IndUso", "Cobertura", "IndUso", TTipoColuna::Inteiro,
     [](TC& c, double v) { c.Terreno.Cobertura.UsoTerra.Indice = static_cast<std::uint8_t>(NaFaixa(v, 0, 5)); }},
    {"IndCond", "Cobertura", "IndCond", TTipoColuna::Inteiro,
     [](TC& c, double v) {
         c.Terreno.Cobertura.CondicaoHidrologica.Indice = static_cast<std::uint8_t>(NaFaixa(v, 0, 3));
     }},
    {"IndTrat", "Cobertura", "IndTrat", TTipoColuna::Inteiro,
     [](TC& c, double v) { c.Terreno.Cobertura.Tratamento.Indice = static_cast<std::uint8_t>(NaFaixa(v, 0, 3)); }},
    {"VIB", "Terreno", "VIB", TTipoColuna::Real, [](TC& c, double v) { c.Terreno.SetVIB(v); }},
    {"St", "Terreno", "St", TTipoColuna::Real, [](TC& c, double v) { c.Terreno.SetSt(v); }},
    {"nt", "Terreno", "nt", TTipoColuna::Real, [](TC& c, double v) { c.Terreno.nt.Valor = v; }},
    {"Bcanal", "Canal", "B", TTipoColuna::Real, [](TC& c, double v) { c.Canal.SetB(v); }},
    {"CDu", "Canal", "CDu", TTipoColuna::Real, [](TC& c, double v) { c.Canal.SetCDu(v); }},
    {"Z", "Canal", "ValorZ", TTipoColuna::Real, [](TC& c, double v) { c.Canal.Z.Valor = v; }},
    {"Sm", "Canal", "ValorSm", TTipoColuna::Real, [](TC& c, double v) { c.Canal.Sm.Valor = v; }},
    {"TipoCanal", "Canal", "TipoCanal", TTipoColuna::Inteiro,
     [](TC& c, double v) { c.Canal.TipoCanal.Tipo = static_cast<std::uint8_t>(NaFaixa(v, 0, 1)); }},
    {"Comprimento", "CanalGradiente", "Comprimento", TTipoColuna::Inteiro,
     [](TC& c, double v) { c.Canal.SetComprimento(static_cast<std::int32_t>(v)); }},
    {"Sc", "CanalGradiente", "Sc", TTipoColuna::Real, [](TC& c, double v) { c.Canal.SetSc(v); }},
    {"nc", "CanalGradiente", "nc", TTipoColuna::Real, [](TC& c, double v) { c.Canal.nc.Valor = v; }},
    {"EH", "CanalDrenagem", "EH", TTipoColuna::Real, [](TC& c, double v) { c.Canal.SetEH(v); }},
    {"EV", "CanalDrenagem", "EV", TTipoColuna::Real, [](TC& c, double v) { c.Canal.SetEV(v); }},
    {"TD", "CanalDrenagem", "TD", TTipoColuna::Real, [](TC& c, double v) { c.Canal.SetTD(v); }},
    {"IndMaterial", "Verificacao", "IndMaterial", TTipoColuna::Inteiro,
     [](TC& c, double v) {
         c.Canal.Material.Indice = static_cast<std::int16_t>(
             NaFaixa(v, TMaterialCanal::kDigitado, static_cast<int>(TabelaMateriais().size())));
     }},
    {"Vadm", "Verificacao", "Vadm", TTipoColuna::Real,
     [](TC& c, double v) { c.Canal.Material.Vadm = v > 0 ? v : 0.0; }},
};

bool MesmoNome(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

const TColunaLote* ColunaDoNome(std::string_view nome) {
    for (const TColunaLote& coluna : kColunas)
        if (MesmoNome(coluna.Nome, nome)) return &coluna;
    return nullptr;
}

// Where a row's problem lies, as the messages name it.
std::string Local(const TLinhaPlanilha& linha) { return "linha " + std::to_string(linha.Numero); }
std::string Local(const TLinhaPlanilha& linha, std::size_t c, const TColunaLote& coluna) {
    return Local(linha) + ", coluna " + std::to_string(c + 1) + " (" + coluna.Nome + ")";
}

// The row's values onto the copy; an empty field keeps the base's value. The first refused value is
// returned as the row's error.
std::optional<std::string> AplicarLinha(TCasoLote& caso, const TLote& lote, const TLinhaPlanilha& linha) {
    for (std::size_t c = 0; c < linha.Campos.size(); ++c) {
        const TColunaLote& coluna = *lote.Colunas[c];
        const std::string& campo = linha.Campos[c];
        if (coluna.Tipo == TTipoColuna::Texto || campo.find_first_not_of(" \t") == std::string::npos) continue;
        const std::optional<double> valor = NumeroDoCampo(campo);
        if (!valor) return Local(linha, c, coluna) + ": " + MensagemNaoNumerico(campo);
        if (coluna.Tipo == TTipoColuna::Inteiro && (std::trunc(*valor) != *valor || std::fabs(*valor) > INT_MAX))
            return Local(linha, c, coluna) + ": '" + TrechoCitado(campo) + "' não é um número inteiro.";
        try {
            coluna.Aplicar(caso, *valor);
        } catch (const Exception& e) {
            return Local(linha, c, coluna) + ": " + e.what();
        }
    }
    return std::nullopt;
}

struct TFalhaDimensionamento {
    std::string Mensagem;
    std::string Causa;  // a line that says more, or empty
};

// The sizing of talvek-calc dimensionar on the row's objects; why it did not size.
std::optional<TFalhaDimensionamento> Dimensionar(TCasoLote& caso) {
    if (caso.Sistema.Tipo != 2 && caso.Sistema.Tipo != 3)
        return TFalhaDimensionamento{"O sistema \"" + caso.Sistema.Texto() + "\" não é dimensionado.", ""};
    if (const std::optional<TEntradaInvalida> invalida =
            PrimeiraEntradaInvalida(EntradasDoModelo(caso.Canal, caso.Terreno, caso.Chuva, caso.Sistema)))
        return TFalhaDimensionamento{invalida->Mensagem, invalida->Causa};
    try {
        caso.Canal.Dimensionar(caso.Terreno, caso.Chuva, caso.Sistema);
    } catch (const EDimensionamento& e) {
        return TFalhaDimensionamento{e.what(), e.Causa()};
    }
    caso.Canal.SetHr(AlturaRecomendada(caso.Canal.H(), caso.Canal.CDu()));
    return std::nullopt;
}

}  // namespace

TCasoLote CasoDoProjeto(const TProjeto& projeto) {
    TCasoLote caso{projeto.Sistema, projeto.Terreno, projeto.CanalDrenagem, projeto.Nimbal1.Precipitacao};
    caso.Canal.Encosta.Progresso = nullptr;  // the window's busy cursor is never called from a worker
    return caso;
}

std::span<const TColunaLote> ColunasLote() { return kColunas; }

TLote PrepararLote(TPlanilha planilha) {
    TLote lote;
    const std::vector<std::string>& nomes = planilha.Cabecalho;
    for (std::size_t c = 0; c < nomes.size(); ++c) {
        const std::size_t linha = planilha.LinhaCabecalho;
        if (nomes[c].empty()) throw EPlanilha(linha, c + 1, "coluna sem nome");
        const TColunaLote* coluna = ColunaDoNome(nomes[c]);
        if (!coluna) throw EPlanilha(linha, c + 1, "coluna desconhecida: '" + TrechoCitado(nomes[c]) + "'");
        for (std::size_t anterior = 0; anterior < c; ++anterior)
            if (lote.Colunas[anterior] == coluna)
                throw EPlanilha(linha, c + 1,
                                "a coluna '" + std::string(coluna->Nome) + "' já é a coluna " +
                                    std::to_string(anterior + 1));
        lote.Colunas.push_back(coluna);
    }
    lote.Planilha = std::move(planilha);
    return lote;
}

TResultadoLote DimensionarLinha(const TCasoLote& base, const TLote& lote, const TLinhaPlanilha& linha) {
    TResultadoLote resultado;
    TCasoLote caso = base;
    if (const std::optional<std::string> erro = AplicarLinha(caso, lote, linha)) {
        resultado.Erro = *erro;
        return resultado;
    }
    try {
        caso.Chuva.VerificarParametros();  // a base project edited by hand may hold them negative
    } catch (const Exception& e) {
        resultado.Erro = Local(linha) + ": " + e.what();
        return resultado;
    }
    try {
        if (const std::optional<TFalhaDimensionamento> falha = Dimensionar(caso)) {
            resultado.Erro = Local(linha) + ": " + falha->Mensagem;
            resultado.Causa = falha->Causa;
            return resultado;
        }
        const TCanalDrenagem& canal = caso.Canal;
        resultado.Avisos = AvisosDimensionamento(canal, caso.Terreno, caso.Chuva, caso.Sistema);
        resultado.Verificacao = VerificarCanal(canal, caso.Terreno.St());
        resultado.Q = canal.Q();
        resultado.H = canal.H();
        resultado.Hr = canal.Hr();
    } catch (const Exception& e) {  // one row's fault (an arithmetic one) must not end the batch
        resultado = {};
        resultado.Erro = Local(linha) + ": " + e.what();
    }
    return resultado;
}

std::vector<TResultadoLote> ExecutarLote(const TCasoLote& base, const TLote& lote, int threads,
                                         const std::function<void(std::size_t)>& entregue) {
    const std::vector<TLinhaPlanilha>& linhas = lote.Planilha.Linhas;
    std::vector<TResultadoLote> resultados(linhas.size());
    ExecutarEmParalelo(
        linhas.size(), threads, [&](std::size_t i) { resultados[i] = DimensionarLinha(base, lote, linhas[i]); },
        entregue);
    return resultados;
}

}  // namespace talvek
