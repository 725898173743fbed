#include "dialogs/DescricaoReferencia.h"

namespace talvek::gui {

const DescricaoReferencia kTabelaRugCan{
    .titulo = "Consulta a valores de rugosidade do canal",
    .cabecalhos = {"Mínimo", "Normal", "Máximo"},
    .linhas = {
        {"Canal de terra retilíneo e uniforme", nullptr, "&Limpo, recentemente construído",
         {{"0,016"}, {"0,018"}, {"0,020"}}},
        {nullptr, nullptr, "L&impo, mas já tendo sofrido intemperismo", {{"0,018"}, {"0,022"}, {"0,025"}}},
        {nullptr, nullptr, "&Escascalhado, seção uniforme, limpo", {{"0,022"}, {"0,025"}, {"0,030"}}},
        {nullptr, nullptr, "Co&m grama curta, poucas ervas daninhas", {{"0,022"}, {"0,027"}, {"0,033"}}},
        {"Canal de terra sinuoso", nullptr, "&Sem vegetação", {{"0,023"}, {"0,025"}, {"0,030"}}},
        {nullptr, nullptr, "&Grama, algumas ervas daninhas", {{"0,025"}, {"0,030"}, {"0,033"}}},
        {nullptr, nullptr, "E&rvas daninhas densas, plantas aquáticas em canais profundos",
         {{"0,030"}, {"0,035"}, {"0,040"}}},
        {nullptr, nullptr, "&Fundo em terra e lados escascalhados", {{"0,028"}, {"0,030"}, {"0,035"}}},
        {nullptr, nullptr, "Fun&do em cascalho e taludes com ervas daninhas", {{"0,025"}, {"0,035"}, {"0,040"}}},
    },
    .largurasMinimas = {150},
    .nomeOpcao = "RadioButton",
    .fonte = {{.texto = "Fonte: CHOW, V. T. Open-channel hydraulics. New York: McGraw-Hill, 1959. Tabela 5-6, canais "
                        "escavados em terra.",
               .quebra = true}},
    .rotuloValor = "&Valor da rugosidade:",
    .nomeCaixa = "eRugCan",
    .colunaValor = 1,
    .desmarcaAoDigitar = true,
    .avisoVazio = "Valor de rugosidade inconsistente.",
};

const DescricaoReferencia kTabelaRugTer{
    .titulo = "Consulta a valores de rugosidade do terreno",
    .cabecalhos = {"Intervalo", "Valor"},
    .linhas = {
        {"Cultura em linha", "Preparo primário com aiveca", "&Superfície plana", {{"0,070-0,100"}, {"0,085"}}},
        {nullptr, nullptr, "S&uperfície cultivada", {{"0,090-0,120"}, {"0,110"}}},
        {nullptr, "Escarificador", "Super&fície plana", {{"0,080-0,120"}, {"0,100"}}},
        {nullptr, nullptr, "Sup&erfície cultivada", {{"0,100-0,140"}, {"0,120"}}},
        {"Sem preparo", nullptr, "&Resíduo normal", {{"0,100-0,150"}, {"0,120"}}},
        {nullptr, nullptr, "&Muito resíduo", {{"0,130-0,170"}, {"0,150"}}},
        {"Grama ou pastagem", nullptr, "&Pouca cobertura", {{"0,065-0,100"}, {"0,080"}}},
        {nullptr, nullptr, "Cober&tura média", {{"0,090-0,120"}, {"0,100"}}},
        {nullptr, nullptr, "&Boa cobertura", {{"0,100-0,140"}, {"0,120"}}},
        {"Pequenos grãos", nullptr, "Resí&duos removidos", {{"0,090-0,120"}, {"0,100"}}},
        {nullptr, nullptr, "Resíduos &incorporados", {{"0,110-0,140"}, {"0,120"}}},
        {"Florestas ou áreas de reflorestamento", nullptr, "Árvores pe&quenas", {{"0,120-0,180"}, {"0,150"}}},
        {nullptr, nullptr, "Árvores &grandes", {{"0,150-0,250"}, {"0,200"}}},
        {"Terra arada", "Arado de aiveca", "Superfície p&lana", {{"0,010-0,050"}, {"0,035"}}},
        {nullptr, nullptr, "Superfície rugos&a", {{"0,250-0,500"}, {"0,350"}}},
        {nullptr, "Escarificador", "Superfície pla&na", {{"0,030-0,080"}, {"0,050"}}},
        {nullptr, nullptr, "Superfície rugosa", {{"0,150-0,500"}, {"0,250"}}},
        {nullptr, "Arado de disco", "Superfície plana", {{"0,030-0,070"}, {"0,040"}}},
        {nullptr, nullptr, "Superfície rugosa", {{"0,100-0,400"}, {"0,200"}}},
    },
    .largurasMinimas = {150, 120},
    .fonte = {{.texto = "Referências: ENGMAN, E. T. Roughness coefficients for routing surface runoff. Journal of "
                        "Irrigation and Drainage Engineering, v. 112, n. 1, p. 39-53, 1986; UNITED STATES. "
                        "Department of Agriculture. Soil Conservation Service. Urban hydrology for small "
                        "watersheds. 2. ed. Washington, 1986. (Technical Release, 55).",
               .quebra = true}},
    .rotuloValor = "&Valor da rugosidade:",
    .nomeCaixa = "eRugTer",
    .colunaValor = 1,
    .avisoVazio = "Valor de rugosidade inconsistente.",
};

const DescricaoReferencia kTabelaZ{
    .titulo = "Declividades recomendadas para taludes de canais não revestidos",
    .cabecalhoLinhas = "Material",
    .cabecalhos = {"Valores de Z"},
    .linhas = {
        {.texto = " &Rocha firme", .celulas = {{.valor = 0.25}}},
        {.texto = " Roc&ha fissurada", .celulas = {{.valor = 0.50}}},
        {.texto = " &Solo firme", .celulas = {{.valor = 1.00}}},
        {.texto = " So&lo argilo-arenoso", .celulas = {{.valor = 1.50}}},
        {.texto = " Solo &areno-argiloso", .celulas = {{.valor = 2.50}}},
        {.texto = " Ou&tros", .celulas = {{.texto = "---"}}},
    },
    .espacoColunas = 24,
    .fonte = {{.texto = "Referências: CHOW, V. T. Open-channel hydraulics. New York: McGraw-Hill, 1959."},
              {.texto = "AZEVEDO NETTO, J. M.; ALVAREZ, G. A. Manual de hidráulica. 7. ed. São Paulo:"},
              {.texto = "Edgard Blücher, 1982."}},
    .espacoFonte = 0,
    .rotuloValor = "Valor de &Z :",
    .caixaEmLinhaPropria = true,
    .formato = " 0.00",
    .indiceDigitado = 6,
    .avisoVazio = "Valor do parâmetro Z inconsistente.",
};

const DescricaoReferencia kTabelaSm{
    .titulo = "Valores de Sm para seções transversais típicas construídas pela CODASP",
    .cabecalhoLinhas = "Tipo de terraço e forma de construção",
    .cabecalhos = {"Valor de Sm"},
    .linhas = {
        {.texto = "&Terraço embutido em nível, construído com trator de\nesteiras FIAT AD7 B",
         .celulas = {{.valor = 0.721}}},
        {.texto = "T&erraço embutido em nível, construído com trator de\nesteiras FIAT AD14",
         .celulas = {{.valor = 0.679}}},
        {.texto = "Te&rraço embutido em nível, construído com\nmotoniveladora DRESSER 140C",
         .celulas = {{.valor = 0.667}}},
        {.texto = "Terr&aço base larga em nível, construído com trator\n"
                  "VALMET 1580 tracionando terraceador (sem acabamento)",
         .celulas = {{.valor = 0.213}}},
        {.texto = "Terraço &base larga com gradiente, construído com trator\n"
                  "VALMET 1580 tracionando terraceador (sem acabamento)",
         .celulas = {{.valor = 0.170}}},
        {.texto = "Terraço ba&se larga com gradiente, construído com trator\n"
                  "VALMET 1580 tracionando terraceador (acabamento com aiveca)",
         .celulas = {{.valor = 0.164}}},
        {.texto = "Terraço base &larga em nível, construído com\nmotoniveladora HUBER WARCO 140 M",
         .celulas = {{.valor = 0.186, .ate = 0.221}}},
        {.texto = "Terraço leirão ou &murundum em nível, construído com trator\nde esteiras FIAT AD B",
         .celulas = {{.valor = 0.418}}},
    },
    .espacoColunas = 24,
    .espacoLinhas = 4,
    .fonte = {{.texto = "Fonte: COMPANHIA DE DESENVOLVIMENTO AGRÍCOLA DE SÃO PAULO - CODASP", .quebra = true},
              {.negrito = "Manual técnico de motomecanização agrícola", .texto = ". São Paulo, 1994. 101p"}},
    .rotuloValor = "&Valor de Sm :",
    .formato = " 0.000",
    .emDeclive = true,
    .formatoPorcento = " 0.0",
    .indiceDigitado = -1,
    .teclaRecusadaDigita = true,
    .selecionaAoEntrar = true,
    .desmarcaAoConfirmar = true,
    .avisoFaixa = "Valor de Sm inconsistente. Forneça um valor compreendido entre:[%1 .. %2].",
    .caracteresNaFaixa = 5,
};

}  // namespace talvek::gui
