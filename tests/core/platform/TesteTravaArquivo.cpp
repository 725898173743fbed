// The lock of a read-modify-write and the edit that holds one copy of a profile file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "platform/TravaArquivo.h"

using namespace talvek;
using namespace talvek::teste;

// A lock file is its own open file: a second lock, even in this process, waits for the first.
TEST(TravaArquivo, EsperaPeloOutroProgramaEDesisteComAMensagem) {
    using namespace std::chrono_literals;
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.tvk";
    auto primeira = std::make_unique<TTravaArquivo>(caminho);
    const auto inicio = std::chrono::steady_clock::now();
    try {
        TTravaArquivo segunda(caminho, 200ms);
        ADD_FAILURE() << "two locks of one file at once";
    } catch (const ETravaArquivo& e) {
        EXPECT_EQ(std::string(e.what()),
                  "O arquivo " + caminho + " está em uso por outro programa do Talvek; tente de novo em instantes.");
    }
    EXPECT_GE(std::chrono::steady_clock::now() - inicio, 200ms);

    std::thread soltar([&primeira] {
        std::this_thread::sleep_for(100ms);
        primeira.reset();
    });
    EXPECT_NO_THROW(TTravaArquivo(caminho, 5s)) << "taken once the first lets go";
    soltar.join();
    EXPECT_TRUE(std::filesystem::is_empty(pasta.Caminho())) << "the lock file goes with the lock";
}

TEST(TravaArquivo, PastaSemTravaNaoImpedeAOperacao) {
    EXPECT_NO_THROW(TTravaArquivo("/pasta-que-nao-existe/p.tvk")) << "the write that follows gives the reason";
}

// Writes of an edit stay in its copy until Concluir; a Leitura edit, or one that joined another, never
// writes the file.
TEST(EdicaoIni, GravacoesFicamNaCopiaAteConcluir) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "p.ini";
    GravarBytes(caminho, "[A]\r\nx=1\r\n");
    const TArquivoIni ini(caminho);
    {
        TEdicaoIni leitura(caminho, TEdicaoIni::Modo::Leitura);
        ini.EscreverTexto("A", "x", "2");
        EXPECT_EQ(ini.LerTexto("A", "x", "-"), "2") << "the copy is read back";
        EXPECT_TRUE(leitura.Alterada());
        leitura.Concluir();
    }
    EXPECT_EQ(LerBytes(caminho), "[A]\r\nx=1\r\n");
    {
        TEdicaoIni edicao(caminho, TEdicaoIni::Modo::Gravacao);
        ini.EscreverTexto("A", "x", "3");
        {
            TEdicaoIni junto(caminho, TEdicaoIni::Modo::Gravacao);
            ini.ApagarChave("A", "x");
            ini.EscreverTexto("B", "y", "4");
            junto.Concluir();
        }
        EXPECT_EQ(LerBytes(caminho), "[A]\r\nx=1\r\n") << "only the outermost edit writes";
        edicao.Concluir();
    }
    EXPECT_EQ(LerBytes(caminho), "[A]\r\n\r\n[B]\r\ny=4\r\n");
    {
        TEdicaoIni desistida(caminho, TEdicaoIni::Modo::Gravacao);
        ini.EscreverTexto("B", "y", "5");
    }
    EXPECT_EQ(ini.LerTexto("B", "y", "-"), "4") << "an edit not concluded writes nothing";
}
