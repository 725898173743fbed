#include "dialogs/MaterialCanal.h"

#include <cmath>
#include <cstdio>
#include <deque>
#include <string>

#include "design/uMaterialCanal.h"

namespace talvek::gui {

namespace {

const char* const kSemValor = "—";

// The texts of the cells live as long as the description: a deque keeps its elements in place.
std::deque<std::string>& Textos() {
    static std::deque<std::string> textos;
    return textos;
}

const char* Guardar(std::string texto) { return Textos().emplace_back(std::move(texto)).c_str(); }

// A number as the handbook prints it, with a decimal comma; 0 (no value in the table) as a dash.
const char* Celula(double valor, int casas) {
    if (!(valor > 0)) return kSemValor;
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.*f", casas, valor);
    std::string comVirgula = texto;
    for (char& c : comVirgula)
        if (c == '.') c = ',';
    return Guardar(comVirgula);
}

DescricaoReferencia Descricao() {
    DescricaoReferencia d{
        .titulo = "Consulta a velocidades admissíveis do material do canal",
        .cabecalhoLinhas = "Condição",
        .cabecalhos = {"n", "V adm. (m/s)", "τ adm. (Pa)"},
        .largurasMinimas = {120, 230},
        .nomeOpcao = "Material",
        .fonte = {{.texto = "Fonte: CHOW, V. T. Open-channel hydraulics. New York: McGraw-Hill, 1959. Tabela 7-3: "
                            "canais retilíneos em terra, de pequena declividade, após envelhecimento (FORTIER, S.; "
                            "SCOBEY, F. C. Permissible canal velocities. Transactions of the ASCE, v. 89, 1926; "
                            "tensões trativas do U.S. Bureau of Reclamation). Tabela 7-6: canais revestidos de "
                            "vegetação (U.S. SOIL CONSERVATION SERVICE. Handbook of channel design for soil and "
                            "water conservation. SCS-TP-61, 1954).",
                   .quebra = true},
                  {.texto = "A tabela de gramas desaconselha a mistura de gramíneas em declives acima de 10 % e as "
                            "duas últimas coberturas em declives acima de 5 %.",
                   .quebra = true}},
        .rotuloValor = "&Velocidade admissível (m/s):",
        .nomeCaixa = "eVadm",
        .colunaValor = 1,
        .indiceDigitado = TMaterialCanal::kDigitado,
        .desmarcaAoDigitar = true,
        .avisoVazio = "Valor da velocidade admissível inconsistente.",
        .alturaRolagem = 420,
    };
    const TLinhaMaterial* anterior = nullptr;
    for (const TLinhaMaterial& m : TabelaMateriais()) {
        LinhaReferencia linha;
        if (!anterior || anterior->Revestimento != m.Revestimento)
            linha.grupo = m.Revestimento == TRevestimento::TerraNua ? "Terra nua" : "Revestimento de grama";
        if (!anterior || anterior->Nome != m.Nome) linha.subgrupo = m.Nome.c_str();
        linha.texto = m.Condicao.c_str();
        linha.celulas = {{Celula(m.n, 3)}, {Celula(m.Vadm, 3)}, {Celula(m.TauAdm, 2)}};
        d.linhas.push_back(std::move(linha));
        anterior = &m;
    }
    return d;
}

}  // namespace

const DescricaoReferencia& TabelaMaterialCanal() {
    static const DescricaoReferencia descricao = Descricao();
    return descricao;
}

}  // namespace talvek::gui
