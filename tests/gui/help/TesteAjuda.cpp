// The help file shipped with the program, its index search, the viewer, the help service and F1.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "GravadoresAjuda.h"
#include "dialogs/Sobre.h"
#include "help/Ajuda.h"
#include "help/ArquivoAjuda.h"
#include "help/uAjuda.h"

using namespace talvek::gui;

namespace {

QString ArquivoDoPrograma() { return QStringLiteral(TALVEK_DADOS_PROGRAMA "/Talvek2/Talvek2.hlp"); }

TArquivoAjuda LerDoPrograma() {
    TArquivoAjuda arquivo;
    QString erro;
    if (!arquivo.Ler(ArquivoDoPrograma(), &erro)) qFatal("%s", qPrintable(erro));
    return arquivo;
}

QString Escrever(QTemporaryDir& pasta, const QString& nome, const QByteArray& conteudo) {
    const QString caminho = pasta.filePath(nome);
    QFile arquivo(caminho);
    arquivo.open(QIODevice::WriteOnly);
    arquivo.write(conteudo);
    return caminho;
}

TFAjuda* VisorAberto() {
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* visor = dynamic_cast<TFAjuda*>(janela); visor && visor->isVisible()) return visor;
    return nullptr;
}

}  // namespace

class TesteAjuda : public QObject {
    Q_OBJECT

private slots:
    // Every help context that a window, field or button of the program opens has its own topic.
    void TopicoParaCadaContexto_data() {
        QTest::addColumn<int>("contexto");
        for (int contexto : {1,   2,   4,   6,   7,   9,   100, 101, 102, 103, 106, 109, 110, 111, 112, 113, 114, 115,
                             116, 117, 118, 119, 120, 121, 122, 123, 126, 128, 129, 131, 132, 134, 137, 138, 139,
                             140, 141, 142, 143})
            QTest::addRow("%d", contexto) << contexto;
    }
    void TopicoParaCadaContexto() {
        QFETCH(int, contexto);
        const TArquivoAjuda arquivo = LerDoPrograma();
        const TTopicoAjuda* topico = arquivo.Topico(contexto);
        QVERIFY(topico);
        QVERIFY(!topico->Titulo.isEmpty());
        QVERIFY(!topico->PalavrasChave.isEmpty());
        QVERIFY2(topico->Html.size() > 200, "a topic says what the item is for, not just its name");
    }

    // A link to a topic that does not exist would show an empty page.
    void LigacoesLevamATopicosExistentes() {
        const TArquivoAjuda arquivo = LerDoPrograma();
        const QRegularExpression ligacao(QStringLiteral("href=\"topico:(\\d+)\""));
        for (const TTopicoAjuda& topico : arquivo.Topicos())
            for (const auto& achado : ligacao.globalMatch(topico.Html))
                QVERIFY2(arquivo.Topico(achado.captured(1).toInt()),
                         qPrintable(QStringLiteral("%1 → %2").arg(topico.Contexto).arg(achado.captured(1))));
    }

    void FigurasDosTopicosSaoDesenhadas() {
        const TArquivoAjuda arquivo = LerDoPrograma();
        TFAjuda janela(arquivo);
        const QRegularExpression figura(QStringLiteral("src=\"(figura:[a-z_]+)\""));
        int vistas = 0;
        for (const TTopicoAjuda& topico : arquivo.Topicos()) {
            for (const auto& achado : figura.globalMatch(topico.Html)) {
                const QVariant imagem = janela.Texto()->loadResource(QTextDocument::ImageResource, QUrl(achado.captured(1)));
                QVERIFY2(!imagem.value<QImage>().isNull(), qPrintable(achado.captured(1)));
                ++vistas;
            }
        }
        QVERIFY(vistas > 0);
    }

    void ConteudoTemUmaLigacaoPorTopico() {
        const TArquivoAjuda arquivo = LerDoPrograma();
        const QString pagina = arquivo.PaginaConteudo();
        for (const TTopicoAjuda& topico : arquivo.Topicos())
            QVERIFY(pagina.contains(QStringLiteral("href=\"topico:%1\"").arg(topico.Contexto)));
        QCOMPARE(arquivo.Capitulos().first(), QStringLiteral("Introdução"));
    }

    // The index search ignores case and accents and lists the keywords that begin with the key first.
    void BuscaNoIndice_data() {
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("primeira");
        QTest::addColumn<QString>("tambem");
        QTest::newRow("sem acento") << "inundacao" << "inundação parcial" << "";
        QTest::newRow("maiusculas") << "VIB" << "VIB" << "unidade da VIB";
        QTest::newRow("inicio antes do meio") << "declividade" << "declividade do canal"
                                              << "unidade da declividade";
        QTest::newRow("sigla") << "manning" << "Manning" << "n de Manning";
    }
    void BuscaNoIndice() {
        QFETCH(QString, chave);
        QFETCH(QString, primeira);
        QFETCH(QString, tambem);
        const QList<TEntradaIndice> achadas = LerDoPrograma().Buscar(chave);
        QVERIFY(!achadas.isEmpty());
        QCOMPARE(achadas.first().PalavraChave, primeira);
        if (!tambem.isEmpty()) {
            const auto iguais = [&](const TEntradaIndice& e) { return e.PalavraChave == tambem; };
            QVERIFY(std::any_of(achadas.begin(), achadas.end(), iguais));
        }
    }

    // One keyword given by several topics is one index entry leading to all of them.
    void PalavraRepetidaReuneTopicos() {
        const QList<TEntradaIndice> achadas = LerDoPrograma().Buscar(QStringLiteral("murundum"));
        QCOMPARE(achadas.size(), 1);
        QCOMPARE(achadas.first().Contextos, (QList<int>{118, 138}));
    }

    void ArquivoAusenteOuDanificado_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("ausente") << QByteArray() << "não foi encontrado";
        QTest::newRow("outro xml") << QByteArray("<livro/>") << "danificado";
        QTest::newRow("sem topicos") << QByteArray("<ajuda titulo=\"x\"/>") << "danificado";
        QTest::newRow("contexto repetido")
            << QByteArray("<ajuda><topico contexto=\"5\" titulo=\"a\"/><topico contexto=\"5\" titulo=\"b\"/></ajuda>")
            << "danificado";
        QTest::newRow("xml truncado") << QByteArray("<ajuda><topico contexto=\"5\">") << "danificado";
    }
    void ArquivoAusenteOuDanificado() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, mensagem);
        QTemporaryDir pasta;
        const QString caminho = conteudo.isEmpty() ? pasta.filePath(QStringLiteral("Talvek2.hlp"))
                                                   : Escrever(pasta, QStringLiteral("Talvek2.hlp"), conteudo);
        TArquivoAjuda arquivo;
        QString erro;
        QVERIFY(!arquivo.Ler(caminho, &erro));
        QVERIFY2(erro.contains(mensagem) && erro.contains(caminho), qPrintable(erro));
        QVERIFY(arquivo.Topicos().isEmpty());
    }

    // Asking for help without the file tells the user where the file was looked for.
    void ServicoSemArquivoAvisa() {
        teste::Usuario mensagens;
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("Talvek2.hlp"));
        DefinirArquivoAjuda(caminho);
        Ajuda().AbrirTopico(112);
        QCOMPARE(mensagens.caixas.size(), 1);
        QCOMPARE(mensagens.caixas[0].icone, Icone::Erro);
        QVERIFY(mensagens.caixas[0].texto.contains(caminho));
    }

    void ServicoAbreTopicoOuConteudo() {
        teste::Usuario mensagens;
        DefinirArquivoAjuda(ArquivoDoPrograma());
        Ajuda().AbrirTopico(128);
        TFAjuda* janela = VisorAberto();
        QVERIFY(janela);
        QCOMPARE(janela->TopicoAtual(), 128);
        QVERIFY(mensagens.caixas.isEmpty());

        // A context without a topic says so and shows the contents.
        Ajuda().AbrirTopico(9999);
        QCOMPARE(mensagens.caixas.size(), 1);
        QCOMPARE(mensagens.caixas[0].icone, Icone::Informacao);
        QVERIFY(mensagens.caixas[0].texto.contains(QStringLiteral("9999")));
        QCOMPARE(janela->TopicoAtual(), 0);

        // A dialog without a help context of its own opens the contents without a message.
        Ajuda().AbrirTopico(128);
        Ajuda().AbrirTopico(0);
        QCOMPARE(mensagens.caixas.size(), 1);
        QCOMPARE(janela->TopicoAtual(), 0);
        janela->close();
        DefinirArquivoAjuda(QString());
    }

    // Help asked for from a modal dialog must be usable while the dialog is open, and must not keep the
    // main window blocked after the dialog closed.
    void VisorDeDialogoModalEhModalEnquantoODialogoDura() {
        teste::Usuario mensagens;
        DefinirArquivoAjuda(ArquivoDoPrograma());
        QDialog dialogo;
        teste::AoAbrirModal<QDialog>([](QDialog& d) {
            Ajuda().AbrirTopico(112);
            TFAjuda* visor = VisorAberto();
            QVERIFY(visor);
            QCOMPARE(visor->windowModality(), Qt::ApplicationModal);
            d.accept();
        });
        dialogo.exec();
        TFAjuda* visor = VisorAberto();
        QVERIFY(visor);
        QCOMPARE(visor->windowModality(), Qt::NonModal);
        QCOMPARE(visor->TopicoAtual(), 112);
        DefinirArquivoAjuda(QString());
        QVERIFY(mensagens.caixas.isEmpty());
    }

    void VisorMostraTopicoEIndice() {
        TFAjuda janela(LerDoPrograma());
        QVERIFY(janela.MostrarTopico(112));
        QVERIFY(janela.Texto()->toPlainText().startsWith(QStringLiteral("Configuração do sistema")));
        QVERIFY(!janela.MostrarTopico(9999));
        QCOMPARE(janela.TopicoAtual(), 112);

        janela.MostrarIndice(QStringLiteral("espaç"));
        QCOMPARE(janela.ListaIndice()->item(0)->text(), QStringLiteral("espaçamento"));
        QCOMPARE(janela.TopicosIndice()->count(), 2);  // the spacing fields and the results
        janela.MostrarIndice(QStringLiteral("tempo de dren"));
        QCOMPARE(janela.ListaIndice()->count(), 1);
        QTest::keyClick(janela.ChaveIndice(), Qt::Key_Return);
        QCOMPARE(janela.TopicoAtual(), 139);

        // Links between topics keep a history, as the "Voltar" button needs.
        emit janela.Texto()->anchorClicked(QUrl(QStringLiteral("topico:117")));
        QCOMPARE(janela.TopicoAtual(), 117);
        janela.Texto()->backward();
        QCOMPARE(janela.TopicoAtual(), 139);

        janela.resize(900, 620);
        janela.MostrarTopico(128);
        teste::GuardarTela(janela, QStringLiteral("ajuda_topico"));
        janela.MostrarIndice(QStringLiteral("decl"));
        teste::GuardarTela(janela, QStringLiteral("ajuda_indice"));
        janela.MostrarConteudo();
        teste::GuardarTela(janela, QStringLiteral("ajuda_conteudo"));
    }

    // "Fontes dos dados" holds the about box's text; the index search takes the word sought at once and the
    // viewer, larger than a small screen, opens within it.
    void FontesDosDadosEIndiceNaTela() {
        const TArquivoAjuda arquivo = LerDoPrograma();
        const TTopicoAjuda* fontes = arquivo.Topico(210);
        QVERIFY(fontes);
        QCOMPARE(fontes->Titulo, QStringLiteral("Fontes dos dados"));
        QVERIFY(fontes->Html.contains(TextoFontesDados()));

        teste::Usuario mensagens;
        DefinirArquivoAjuda(ArquivoDoPrograma());
        Ajuda().AbrirIndice(QString());
        TFAjuda* visor = VisorAberto();
        QVERIFY(visor && QTest::qWaitForWindowActive(visor));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(visor->ChaveIndice()));
        QVERIFY(visor->screen()->availableGeometry().contains(visor->frameGeometry()));
        DefinirArquivoAjuda(QString());
        QVERIFY(mensagens.caixas.isEmpty());
    }

    // F1 opens the topic of the focused control, else of its nearest parent with a context, up to the window.
    void F1SobeAteOContextoMaisProximo() {
        teste::AjudaPedida ajuda;
        QWidget janela;
        DefinirContextoAjuda(&janela, 100);
        auto* grupo = new QGroupBox(&janela);
        DefinirContextoAjuda(grupo, 106);
        auto* campoDoGrupo = new QLineEdit(grupo);
        auto* campoProprio = new QLineEdit(grupo);
        DefinirContextoAjuda(campoProprio, 118);
        auto* campoDaJanela = new QLineEdit(&janela);
        auto* layoutGrupo = new QVBoxLayout(grupo);
        layoutGrupo->addWidget(campoDoGrupo);
        layoutGrupo->addWidget(campoProprio);
        auto* layout = new QVBoxLayout(&janela);
        layout->addWidget(grupo);
        layout->addWidget(campoDaJanela);
        janela.show();
        QApplication::setActiveWindow(&janela);
        QVERIFY(QTest::qWaitForWindowActive(&janela));

        for (QLineEdit* campo : {campoProprio, campoDoGrupo, campoDaJanela}) {
            campo->setFocus();
            QTest::keyClick(campo, Qt::Key_F1);
        }
        QCOMPARE(ajuda.pedidos, (QStringList{"topico 118", "topico 106", "topico 100"}));
        QCOMPARE(ContextoAjuda(campoDoGrupo), 106);
        QCOMPARE(ContextoAjuda(nullptr), 0);
    }

    void F1SemContextoAbreConteudo() {
        teste::AjudaPedida ajuda;
        QLineEdit campo;
        campo.show();
        QApplication::setActiveWindow(&campo);
        QVERIFY(QTest::qWaitForWindowActive(&campo));
        campo.setFocus();
        QTest::keyClick(&campo, Qt::Key_F1);
        QCOMPARE(ajuda.pedidos, QStringList{"conteudo"});
    }
};

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    InstalarTeclaF1(aplicacao);
    TesteAjuda teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "TesteAjuda.moc"
