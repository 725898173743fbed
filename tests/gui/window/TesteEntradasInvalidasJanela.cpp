// Bad inputs met in the desktop program: a save that cannot be written and a project whose storm breaks
// the setters' rules. Rows of tests/ENTRADAS_INVALIDAS.md.
#include <QFile>
#include <QTest>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ApoioJanela.h"
#include "window/uEntradaDados.h"

namespace talvek::gui::teste {

namespace {

const std::string kExemplo = std::string(TALVEK_DADOS_TESTE) + "/Lavoura3.tvk";

std::string Bytes(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

// Makes a file read-only, or lets no file grow beyond 100 bytes (the write of the new content then
// fails part-way, as on a full disk), for the lifetime of the object.
class SemPoderGravar {
public:
    SemPoderGravar(bool discoCheio, const std::string& caminho) : discoCheio_(discoCheio) {
        if (!discoCheio_) {
            std::filesystem::permissions(caminho, std::filesystem::perms::owner_read);
            return;
        }
        ::getrlimit(RLIMIT_FSIZE, &anterior_);
        sinalAnterior_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = anterior_;
        limite.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~SemPoderGravar() {
        if (!discoCheio_) return;
        ::setrlimit(RLIMIT_FSIZE, &anterior_);
        std::signal(SIGXFSZ, sinalAnterior_);
    }
    SemPoderGravar(const SemPoderGravar&) = delete;
    SemPoderGravar& operator=(const SemPoderGravar&) = delete;

private:
    bool discoCheio_;
    rlimit anterior_{};
    void (*sinalAnterior_)(int) = nullptr;
};

}  // namespace

class TesteEntradasInvalidasJanela : public QObject {
    Q_OBJECT

    std::unique_ptr<JanelaDeTeste> janela_;

    // Opens a copy of the example project holding `conteudo` through the Open dialog.
    QString AbrirCopia(Usuario& usuario, const std::string& conteudo) {
        const QString caminho = janela_->Caminho(QStringLiteral("lavoura.tvk"));
        std::ofstream(caminho.toStdString(), std::ios::binary | std::ios::trunc) << conteudo;
        usuario.arquivosAbrir = {caminho};
        (*janela_)->AbrirClick();
        return caminho;
    }

private slots:
    void init() {
        DefinirRegional(Ponto());
        janela_ = std::make_unique<JanelaDeTeste>();
    }
    void cleanup() {
        (*janela_)->GerenteSys1.Alterado = false;
        janela_.reset();
    }

    void SalvarSemPoderGravar_data() {
        QTest::addColumn<bool>("discoCheio");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("somente leitura") << false << QStringLiteral("o arquivo é somente leitura");
        QTest::newRow("disco cheio") << true << QStringLiteral("o arquivo excede o tamanho permitido");
    }

    // The user is told why, the project stays marked as changed, and the old file is intact.
    void SalvarSemPoderGravar() {
        QFETCH(bool, discoCheio);
        QFETCH(QString, motivo);
        Usuario usuario;
        const std::string antes = Bytes(kExemplo);
        const QString caminho = AbrirCopia(usuario, antes);
        QVERIFY((*janela_)->GerenteSys1.ProjetoAberto());
        Digitar((*janela_)->Entrada->Teh, QStringLiteral("25"));
        QVERIFY((*janela_)->GerenteSys1.Alterado);

        usuario.caixas.clear();
        {
            const SemPoderGravar semPoder(discoCheio, caminho.toStdString());
            (*janela_)->MSalvar->trigger();
        }
        QCOMPARE(usuario.caixas.size(), 1);
        QCOMPARE(usuario.caixas[0].texto, QStringLiteral("Erro ao gravar o arquivo ") + caminho + QStringLiteral(": ") +
                                               motivo + QStringLiteral("."));
        QCOMPARE(usuario.caixas[0].icone, Icone::Erro);
        QCOMPARE(usuario.caixas[0].botoes, Botoes::Ok);
        QVERIFY((*janela_)->GerenteSys1.Alterado);
        QVERIFY(Bytes(caminho.toStdString()) == antes);
    }

    // A storm parameter that a project file holds negative is refused when the page moves it into the storm.
    void ChuvaNegativaDoArquivoERecusadaAoCalcular() {
        Usuario usuario;
        std::string conteudo = Bytes(kExemplo);
        conteudo.replace(conteudo.find("K=1234.5"), 8, "K=-1234.5");
        AbrirCopia(usuario, conteudo);
        QVERIFY((*janela_)->GerenteSys1.ProjetoAberto());
        usuario.caixas.clear();
        (*janela_)->CalcularClick();
        QCOMPARE(usuario.caixas.size(), 1);
        QCOMPARE(usuario.caixas[0].texto, QStringLiteral("O valor do parâmetro \"K\" deve ser maior que zero."));
        QCOMPARE(usuario.caixas[0].icone, Icone::Erro);
        QVERIFY((*janela_)->PaginaAtual() != TFPrincipal::PaginaResultados);
    }

    // A channel longer than the field allows, read from a file, is refused by "Calcular" as by the field.
    void CanalLongoDoArquivoERecusadoAoCalcular() {
        Usuario usuario;
        std::string conteudo = Bytes(kExemplo);
        conteudo.replace(conteudo.find("Comprimento=300"), 15, "Comprimento=65000");
        AbrirCopia(usuario, conteudo);
        QCOMPARE((*janela_)->Entrada->TComp->text(), QStringLiteral("65000"));
        usuario.caixas.clear();
        (*janela_)->CalcularClick();
        QCOMPARE(usuario.caixas.size(), 1);
        QCOMPARE(usuario.caixas[0].texto, QStringLiteral(" O comprimento máximo permitido para o canal é de 1500 metros. "));
        QCOMPARE((*janela_)->Entrada->TComp->text(), QStringLiteral("1500"));
        QVERIFY((*janela_)->PaginaAtual() != TFPrincipal::PaginaResultados);

        usuario.caixas.clear();  // the length now passes and the design runs
        (*janela_)->CalcularClick();
        QCOMPARE(usuario.caixas.size(), 0);
        QCOMPARE((*janela_)->PaginaAtual(), TFPrincipal::PaginaResultados);
        QCOMPARE((*janela_)->CanalDrenagem.Comprimento(), 1500);
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteEntradasInvalidasJanela)
#include "TesteEntradasInvalidasJanela.moc"
