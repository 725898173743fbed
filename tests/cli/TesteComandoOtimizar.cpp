// End-to-end runs of talvek-calc otimizar: the JSON keys, the answer against dimensionar at that value,
// --gravar into a copy of a project, and the exit codes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ExecucaoCalc.h"
#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

std::string Dados(const std::string& nome) { return std::string(TALVEK_DADOS_TESTE) + "/" + nome; }

double Campo(const std::string& json, const std::string& campo) {
    const std::size_t p = json.find("\"" + campo + "\":");
    return p == std::string::npos ? NAN : std::strtod(json.c_str() + p + campo.size() + 3, nullptr);
}

class ComandoOtimizar : public ::testing::Test {
protected:
    ExecucaoCalc Executar(const std::vector<std::string>& argumentos) {
        return ExecutarCalc(argumentos, pasta / "erros.txt");
    }
    std::string Copia(const std::string& nome) {
        std::filesystem::copy_file(Dados(nome), pasta / nome);
        return pasta / nome;
    }
    PastaTemporaria pasta;
};

}  // namespace

// --gravar leaves the project as if the user had typed the answer and run dimensionar --gravar: the value
// (with EV = EH · St for the spacing), and the results of that design.
TEST_F(ComandoOtimizar, JsonEGravarComoDimensionar) {
    struct Caso {
        const char* variavel;
        const char* saida;
        const char* maximo;
        double alvo;        // cm, the target as read
        const char* secao;  // where the value is stored
        const char* chave;
    };
    const Caso casos[] = {
        {"EH", "H", "5", 5, "CanalDrenagem", "EH"},
        {"Comp", "Hr", "20,5", 20.5, "CanalGradiente", "Comprimento"},  // a comma decimal is read too
    };
    for (const Caso& caso : casos) {
        const std::string projeto = Copia("Encosta3Triangular.tvk");
        const ExecucaoCalc r = Executar({"otimizar", projeto, "--variavel", caso.variavel, "--saida", caso.saida,
                                         "--maximo", caso.maximo, "--json", "--gravar", "--threads", "2"});
        ASSERT_EQ(r.codigo, 0) << r.erros;
        EXPECT_EQ(r.saida.rfind(std::string("{\"variavel\":\"") + caso.variavel + "\",\"valor\":", 0), 0u) << r.saida;
        for (const char* chave : {"Q", "H", "Hr", "avaliacoes"}) EXPECT_FALSE(std::isnan(Campo(r.saida, chave))) << chave;
        EXPECT_NE(r.saida.find("\"situacao\":\"atingida\",\"mensagem\":\"Maior "), std::string::npos) << r.saida;
        const double valor = Campo(r.saida, "valor");
        EXPECT_LE(std::string(caso.saida) == "H" ? 100 * Campo(r.saida, "H") : Campo(r.saida, "Hr"), caso.alvo);
        EXPECT_NE(r.saida.find(std::string("\"maximo\":") + (caso.alvo == 5 ? "5," : "20.5,")), std::string::npos);

        const TArquivoIni ini(projeto);
        EXPECT_EQ(ini.LerReal(caso.secao, caso.chave, -1), valor) << caso.variavel;
        if (std::string(caso.variavel) == "EH") {
            EXPECT_NEAR(ini.LerReal("CanalDrenagem", "EV", -1), valor * 0.01, 1e-12);  // St 0.01
        }
        // The stored project sizes to the numbers shown.
        const ExecucaoCalc d = Executar({"dimensionar", projeto, "--json"});
        ASSERT_EQ(d.codigo, 0) << d.erros;
        for (const char* chave : {"Q", "H", "Hr"}) EXPECT_EQ(Campo(d.saida, chave), Campo(r.saida, chave)) << chave;
        std::filesystem::remove(projeto);
    }
}

// A target no spacing meets writes nothing; a drain that no value sizes is a failed calculation.
TEST_F(ComandoOtimizar, NenhumTodosECodigosDeSaida) {
    const std::string projeto = Copia("Inundacao2Trapezio.tvk");
    const std::string antes = TArquivoIni(projeto).LerTexto("CanalDrenagem", "EH", "-");
    struct Caso {
        std::vector<std::string> argumentos;
        int codigo;
        const char* trecho;  // of the standard output
    };
    const Caso casos[] = {
        {{"otimizar", projeto, "--variavel", "EH", "--saida", "Hr", "--maximo", "9", "--json", "--gravar"}, 0,
         "\"valor\":null,\"Q\":null,\"H\":null,\"Hr\":null,"},
        {{"otimizar", projeto, "--variavel", "EH", "--saida", "Hr", "--maximo", "40", "--json"}, 0,
         "\"valor\":1500,"},
        {{"otimizar", projeto, "--variavel", "EH", "--saida", "Hr", "--maximo", "40"}, 0,
         "Todos os espaçamentos horizontais de 1 a 1500 m dão altura recomendada de até 40 cm: vale o máximo, "
         "1500 m.\nValor: 1500 m\n"},
        {{"otimizar", Dados("Falha3SemSecao.tvk"), "--variavel", "Comp", "--saida", "H", "--maximo", "30", "--json"},
         2, "\"situacao\":\"nenhum\""},
        {{"otimizar", projeto, "--variavel", "EV", "--saida", "Hr", "--maximo", "40"}, 1, ""},
        {{"otimizar", projeto, "--variavel", "EH", "--saida", "Q", "--maximo", "40"}, 1, ""},
        {{"otimizar", projeto, "--variavel", "EH", "--saida", "Hr", "--maximo", "0"}, 1, ""},
        {{"otimizar", projeto, "--variavel", "EH", "--saida", "Hr"}, 1, ""},
        {{"otimizar", pasta / "nao-existe.tvk", "--variavel", "EH", "--saida", "Hr", "--maximo", "40"}, 3, ""},
    };
    for (const Caso& caso : casos) {
        const ExecucaoCalc r = Executar(caso.argumentos);
        EXPECT_EQ(r.codigo, caso.codigo) << caso.argumentos[3] << " " << caso.argumentos.back() << ": " << r.erros;
        EXPECT_NE(r.saida.find(caso.trecho), std::string::npos) << r.saida;
    }
    EXPECT_EQ(TArquivoIni(projeto).LerTexto("CanalDrenagem", "EH", "-"), antes);
}
