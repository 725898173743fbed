// The project manager over a bare host window: the order of its events, the unsaved-changes prompts and
// their answers, the captions, the save dialogs and the list of recent projects.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "ApoioJanela.h"
#include "window/GerenteSys.h"

namespace talvek::gui::teste {

namespace {

const QString kPerguntaNovo = QStringLiteral("Deseja Salvar as Alterações em ");
const QString kPergunta = QStringLiteral("Deseja salvar as alterações em ");

}  // namespace

class TesteGerenteSys : public QObject {
    Q_OBJECT

    QTemporaryDir pasta_;
    QWidget janela_;
    std::unique_ptr<TGerenteSys> gerente_;
    QStringList eventos_;
    bool leituraCerta_ = true;
    bool leituraLanca_ = false;
    bool escritaLanca_ = false;

    QString Arquivo(const QString& nome) {
        const QString caminho = QDir(pasta_.path()).filePath(nome);
        QFile arquivo(caminho);
        if (!arquivo.exists()) {
            (void)arquivo.open(QIODevice::WriteOnly);
        }
        return caminho;
    }

    // Opens `caminho` through the open dialog and forgets the events that fired.
    void Abrir(Usuario& usuario, const QString& caminho) {
        usuario.arquivosAbrir = {caminho};
        QVERIFY(gerente_->AbrirProjeto(janela_));
        eventos_.clear();
    }

private slots:
    void init() {
        gerente_ = std::make_unique<TGerenteSys>();
        TGerenteSys& g = *gerente_;
        g.TituloPrograma = QStringLiteral("Talvek 2.0");
        g.NomeDefault = QStringLiteral("PROJETO.TVK");
        g.PastaPrograma = pasta_.path();
        g.NomeProjeto = g.NomeDefault;
        g.PathProjeto = pasta_.path();
        const auto registrar = [this](const char* nome) { return [this, nome] { eventos_.append(QString::fromLatin1(nome)); }; };
        g.OnZerarVariaveis = registrar("Zerar");
        g.OnEscreverArquivo = [this] {
            eventos_.append(QStringLiteral("Escrever"));
            if (escritaLanca_) throw Exception("Não foi possível gravar o arquivo.");
        };
        g.OnAbilitarCampos = registrar("Abilitar");
        g.OnDesabilitarCampos = registrar("Desabilitar");
        g.OnLerCamposDados = registrar("LerCampos");
        g.OnPreencherCamposDados = registrar("Preencher");
        g.OnLimparCamposDados = registrar("Limpar");
        g.OnLerArquivo = [this](bool& LeuCerto) {
            eventos_.append(QStringLiteral("LerArquivo"));
            if (leituraLanca_) throw Exception("Não foi possível abrir o arquivo.");
            LeuCerto = leituraCerta_;
        };
        eventos_.clear();
        leituraCerta_ = true;
        leituraLanca_ = false;
        escritaLanca_ = false;
        janela_.setWindowTitle(g.TituloPrograma);
    }

    void EventosNaOrdemDeCadaOperacao() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;

        QVERIFY(g.NovoProjeto(janela_));
        QCOMPARE(eventos_, (QStringList{"Zerar", "Abilitar", "Limpar"}));

        eventos_.clear();
        usuario.arquivosAbrir = {Arquivo("lavoura.tvk")};
        QVERIFY(g.AbrirProjeto(janela_));
        QCOMPARE(eventos_, (QStringList{"Limpar", "Zerar", "LerArquivo", "Abilitar", "Preencher"}));

        eventos_.clear();
        QVERIFY(g.AbrirProjetoRecente(janela_, Arquivo("outra.tvk")));
        QCOMPARE(eventos_, (QStringList{"Limpar", "Zerar", "LerArquivo", "Abilitar", "Preencher"}));

        eventos_.clear();
        QVERIFY(g.SalvarProjeto(janela_));
        QCOMPARE(eventos_, (QStringList{"LerCampos", "Escrever"}));

        eventos_.clear();
        usuario.arquivosSalvar = {Arquivo("existente.tvk")};
        usuario.respostas = {Resposta::Sim};
        QVERIFY(g.SalvarProjetoComo(janela_));
        QCOMPARE(eventos_, (QStringList{"LerCampos", "LerCampos", "Escrever"}));

        eventos_.clear();
        g.Alterado = true;
        usuario.respostas = {Resposta::Sim};
        QVERIFY(g.FecharProjeto(janela_));
        QCOMPARE(eventos_, (QStringList{"LerCampos", "Escrever", "LerCampos", "Limpar", "Zerar", "Desabilitar"}));
        QCOMPARE(usuario.caixas.last().texto, kPergunta + QStringLiteral("existente.tvk"));
        QVERIFY(!g.Alterado);
        QVERIFY(!g.ProjetoAberto());
    }

    void LegendasDaJanela() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        QVERIFY(g.NovoProjeto(janela_));
        QCOMPARE(janela_.windowTitle(), QStringLiteral("Talvek 2.0 (\"PROJETO.TVK\")"));
        QCOMPARE(g.PathProjeto, QDir(pasta_.path()).filePath(QStringLiteral("PROJETO.TVK")));

        Abrir(usuario, Arquivo("lavoura.tvk"));
        QCOMPARE(janela_.windowTitle(), QStringLiteral("Talvek 2.0 ('lavoura.tvk')"));
        QCOMPARE(g.SaveDialog.nomeInicial, QStringLiteral("lavoura.tvk"));

        janela_.setWindowTitle(QStringLiteral("marca"));
        QVERIFY(g.SalvarProjeto(janela_));
        QCOMPARE(janela_.windowTitle(), QStringLiteral("marca"));  // Save leaves the caption

        usuario.arquivosSalvar = {QDir(pasta_.path()).filePath(QStringLiteral("nova.tvk"))};
        QVERIFY(g.SalvarProjetoComo(janela_));
        QCOMPARE(janela_.windowTitle(), QStringLiteral("Talvek 2.0 ('nova.tvk')"));
        QCOMPARE(usuario.dialogosSalvar.last().titulo, QStringLiteral("Salvar Como"));

        g.Alterado = true;
        usuario.respostas = {Resposta::Nao};
        QVERIFY(g.FecharProjeto(janela_));
        QCOMPARE(janela_.windowTitle(), QStringLiteral("Talvek 2.0"));
    }

    void PerguntaAoCriarProjeto_data() {
        QTest::addColumn<Resposta>("resposta");
        QTest::addColumn<QString>("arquivoSalvar");  // answer of the "Salvar Como" dialog; empty cancels
        QTest::addColumn<bool>("resultado");
        QTest::addColumn<QStringList>("eventos");
        QTest::newRow("cancelar") << Resposta::Cancelar << QString() << false << QStringList();
        QTest::newRow("não") << Resposta::Nao << QString() << true << QStringList{"Zerar", "Abilitar", "Limpar"};
        QTest::newRow("sim, Salvar Como cancelado") << Resposta::Sim << QString() << false << QStringList();
        QTest::newRow("sim, salvo") << Resposta::Sim << QStringLiteral("salvo.tvk") << true
                                    << QStringList{"LerCampos", "Escrever", "Zerar", "Abilitar", "Limpar"};
    }

    void PerguntaAoCriarProjeto() {
        QFETCH(Resposta, resposta);
        QFETCH(QString, arquivoSalvar);
        QFETCH(bool, resultado);
        QFETCH(QStringList, eventos);
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        QVERIFY(g.NovoProjeto(janela_));
        g.Alterado = true;
        eventos_.clear();
        const QString legenda = janela_.windowTitle();
        usuario.respostas = {resposta};
        if (!arquivoSalvar.isEmpty()) usuario.arquivosSalvar = {QDir(pasta_.path()).filePath(arquivoSalvar)};

        QCOMPARE(g.NovoProjeto(janela_), resultado);
        QCOMPARE(usuario.caixas.first().texto, kPerguntaNovo + QStringLiteral("\"PROJETO.TVK\""));
        QCOMPARE(usuario.caixas.first().icone, Icone::Pergunta);
        QCOMPARE(usuario.caixas.first().botoes, Botoes::SimNaoCancelar);
        QCOMPARE(eventos_, eventos);
        if (!resultado) {
            QVERIFY(g.Alterado);
            QCOMPARE(janela_.windowTitle(), legenda);
        } else {
            QVERIFY(!g.Alterado);
            QCOMPARE(janela_.windowTitle(), QStringLiteral("Talvek 2.0 (\"PROJETO.TVK\")"));
        }
    }

    void PerguntaAoAbrirEFechar_data() {
        QTest::addColumn<Resposta>("resposta");
        QTest::addColumn<bool>("abriu");
        QTest::newRow("cancelar") << Resposta::Cancelar << false;
        QTest::newRow("não") << Resposta::Nao << true;
        QTest::newRow("sim") << Resposta::Sim << true;
    }

    void PerguntaAoAbrirEFechar() {
        QFETCH(Resposta, resposta);
        QFETCH(bool, abriu);
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        Abrir(usuario, Arquivo("a.tvk"));

        g.Alterado = true;
        usuario.respostas = {resposta};
        usuario.arquivosAbrir = {Arquivo("b.tvk")};
        QCOMPARE(g.AbrirProjeto(janela_), abriu);
        QCOMPARE(usuario.caixas.last().texto, kPergunta + QStringLiteral("a.tvk"));
        QCOMPARE(eventos_.contains(QStringLiteral("Escrever")), resposta == Resposta::Sim);
        QCOMPARE(g.NomeProjeto, abriu ? QStringLiteral("b.tvk") : QStringLiteral("a.tvk"));
        // A cancelled prompt does not even show the open dialog.
        QCOMPARE(usuario.dialogosAbrir.size(), abriu ? 2 : 1);

        eventos_.clear();
        g.Alterado = true;
        usuario.respostas = {resposta};
        QCOMPARE(g.FecharProjeto(janela_), abriu);
        QCOMPARE(g.ProjetoAberto(), !abriu);
        QCOMPARE(eventos_.contains(QStringLiteral("Desabilitar")), abriu);
    }

    void FecharSemAlteracaoNaoPergunta() {
        Usuario usuario;
        Abrir(usuario, Arquivo("a.tvk"));
        QVERIFY(gerente_->FecharProjeto(janela_));
        QVERIFY(usuario.caixas.isEmpty());
    }

    void SalvarLogoAposNovoPedeONome() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        QVERIFY(g.NovoProjeto(janela_));
        eventos_.clear();
        usuario.arquivosSalvar = {QDir(pasta_.path()).filePath(QStringLiteral("primeira.tvk"))};
        QVERIFY(g.SalvarProjeto(janela_));
        QCOMPARE(usuario.dialogosSalvar.size(), 1);
        QCOMPARE(usuario.dialogosSalvar.first().titulo, QStringLiteral("Salvar Como"));
        QCOMPARE(g.NomeProjeto, QStringLiteral("primeira.tvk"));
        QCOMPARE(eventos_, (QStringList{"LerCampos", "Escrever"}));
        QCOMPARE(g.Recentes[0], g.PathProjeto);
    }

    void SalvarComoSobreExistenteRespondidoNaoRepeteODialogo() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        Abrir(usuario, Arquivo("a.tvk"));
        const QString legenda = janela_.windowTitle();
        usuario.arquivosSalvar = {Arquivo("existente.tvk")};  // the second dialog is cancelled
        usuario.respostas = {Resposta::Nao};
        QVERIFY(!g.SalvarProjetoComo(janela_));
        QCOMPARE(usuario.dialogosSalvar.size(), 2);
        QCOMPARE(usuario.caixas.first().texto, QStringLiteral("Arquivo já existente. Deseja substituir?"));
        QCOMPARE(usuario.caixas.first().botoes, Botoes::SimNao);
        QCOMPARE(janela_.windowTitle(), legenda);
        QVERIFY(!eventos_.contains(QStringLiteral("Escrever")));
    }

    void ListaDeRecentes() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        const QStringList nomes = {"A.tvk", "B.tvk", "C.tvk", "D.tvk", "E.tvk"};
        QStringList caminhos;
        for (const QString& nome : nomes) caminhos.append(Arquivo(nome));
        for (const QString& caminho : caminhos) Abrir(usuario, caminho);
        const auto lista = [&g] { return QStringList(g.Recentes.begin(), g.Recentes.end()); };
        QCOMPARE(lista(), (QStringList{caminhos[4], caminhos[3], caminhos[2], caminhos[1]}));

        Abrir(usuario, caminhos[2]);
        QCOMPARE(lista(), (QStringList{caminhos[2], caminhos[4], caminhos[3], caminhos[1]}));
        Abrir(usuario, caminhos[2]);
        QCOMPARE(lista(), (QStringList{caminhos[2], caminhos[4], caminhos[3], caminhos[1]}));

        // The same file under another letter case moves nothing and keeps the stored text.
        g.PathProjeto = caminhos[2].toUpper();
        g.AtualizarRecentes();
        QCOMPARE(lista(), (QStringList{caminhos[2], caminhos[4], caminhos[3], caminhos[1]}));
        // Moving up, slot 1 takes the text as given.
        g.PathProjeto = caminhos[3].toUpper();
        g.AtualizarRecentes();
        QCOMPARE(lista(), (QStringList{caminhos[3].toUpper(), caminhos[2], caminhos[4], caminhos[1]}));
    }

    void ComparacaoDeCaminhos_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("igual");
        QTest::newRow("a–z sem caixa") << "C:\\Projetos\\Lavoura.TVK" << "c:\\projetos\\lavoura.tvk" << true;
        QTest::newRow("acentos com caixa") << "/dados/Área.tvk" << "/dados/área.tvk" << false;
        QTest::newRow("tamanhos") << "/a.tvk" << "/a.tvk " << false;
    }

    void ComparacaoDeCaminhos() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, igual);
        QCOMPARE(MesmoCaminho(a, b), igual);
        QCOMPARE(NomeSemPasta(QStringLiteral("C:\\Projetos\\lavoura3.tvk")), QStringLiteral("lavoura3.tvk"));
    }

    void AberturaQueFalhaDevolveOCaminho() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        Abrir(usuario, Arquivo("a.tvk"));
        const QString anterior = g.PathProjeto;

        leituraCerta_ = false;
        usuario.arquivosAbrir = {Arquivo("ruim.tvk")};
        QVERIFY(!g.AbrirProjeto(janela_));
        QCOMPARE(g.PathProjeto, anterior);

        // An exception of the read reaches the caller of Open and is swallowed by Open-recent.
        leituraLanca_ = true;
        usuario.arquivosAbrir = {Arquivo("ruim.tvk")};
        QVERIFY_THROWS_EXCEPTION(Exception, g.AbrirProjeto(janela_));
        QVERIFY(!g.AbrirProjetoRecente(janela_, Arquivo("ruim.tvk")));
        QCOMPARE(g.NomeProjeto, QStringLiteral("ruim.tvk"));
        QVERIFY(usuario.caixas.isEmpty());
    }

    // Regression: a save that failed left the project marked as saved, so closing lost the changes
    // without a question.
    void GravacaoQueFalhaMantemAlteracoes() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        Abrir(usuario, Arquivo("a.tvk"));
        g.Alterado = true;
        escritaLanca_ = true;
        QVERIFY_THROWS_EXCEPTION(Exception, g.SalvarProjeto(janela_));
        QVERIFY(g.Alterado);
    }

    // Regression: after a failed Open the project had no valid file and Save silently wrote nothing.
    void SalvarSemArquivoValidoPedeONome() {
        Usuario usuario;
        TGerenteSys& g = *gerente_;
        Abrir(usuario, Arquivo("a.tvk"));
        leituraLanca_ = true;
        usuario.arquivosAbrir = {Arquivo("ruim.tvk")};
        QVERIFY_THROWS_EXCEPTION(Exception, g.AbrirProjeto(janela_));
        eventos_.clear();
        g.Alterado = true;
        usuario.arquivosSalvar = {QDir(pasta_.path()).filePath(QStringLiteral("salvo.tvk"))};
        QVERIFY(g.SalvarProjeto(janela_));
        QCOMPARE(usuario.dialogosSalvar.size(), 1);
        QCOMPARE(eventos_, (QStringList{"LerCampos", "Escrever"}));
        QVERIFY(!g.Alterado);
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteGerenteSys)
#include "TesteGerenteSys.moc"
