// Test doubles of the main window's tests: message boxes and file dialogs answered from prepared lists
// and written down, help requests written down, and a main window living in a folder of its own.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/InterfaceUsuario.h"
#include "app/uPrincipal.h"
#include "dialogs/Ajuda.h"
#include "platform/Regional.h"

namespace talvek::gui::teste {

// Message boxes and file dialogs without a person. Questions take the next prepared answer (Cancel when
// none is left); plain boxes answer OK. File dialogs take the next prepared path (an empty one cancels).
class Usuario final : public InterfaceUsuario {
public:
    struct Caixa {
        QString titulo;
        QString texto;
        Icone icone;
        Botoes botoes;
        bool cursorOcupado;  // the busy pointer was on while the box was shown
    };

    Usuario() : anterior_(InstalarInterface(this)) {}
    ~Usuario() override { InstalarInterface(anterior_); }

    Resposta Mensagem(QWidget*, const QString& titulo, const QString& texto, Icone icone, Botoes botoes) override {
        caixas.append({titulo, texto, icone, botoes, QApplication::overrideCursor() != nullptr});
        if (botoes == Botoes::Ok) return Resposta::Ok;
        return respostas.isEmpty() ? Resposta::Cancelar : respostas.takeFirst();
    }
    QString AbrirArquivo(QWidget*, const DialogoArquivo& dialogo) override {
        dialogosAbrir.append(dialogo);
        return arquivosAbrir.isEmpty() ? QString() : arquivosAbrir.takeFirst();
    }
    QString SalvarArquivo(QWidget*, const DialogoArquivo& dialogo) override {
        dialogosSalvar.append(dialogo);
        return arquivosSalvar.isEmpty() ? QString() : arquivosSalvar.takeFirst();
    }

    QStringList Textos() const {
        QStringList textos;
        for (const Caixa& caixa : caixas) textos.append(caixa.texto);
        return textos;
    }

    QList<Resposta> respostas;
    QStringList arquivosAbrir;
    QStringList arquivosSalvar;
    QList<Caixa> caixas;
    QList<DialogoArquivo> dialogosAbrir;
    QList<DialogoArquivo> dialogosSalvar;

private:
    InterfaceUsuario* anterior_;
};

// Each help request becomes a text: "topico 102", "conteudo", "indice <chave>".
class AjudaPedida final : public ServicoAjuda {
public:
    AjudaPedida() : anterior_(InstalarAjuda(this)) {}
    ~AjudaPedida() override { InstalarAjuda(anterior_); }
    void AbrirTopico(int contexto) override { pedidos.append(QStringLiteral("topico %1").arg(contexto)); }
    void AbrirConteudo() override { pedidos.append(QStringLiteral("conteudo")); }
    void AbrirIndice(const QString& chave) override { pedidos.append(QStringLiteral("indice ") + chave); }

    QStringList pedidos;

private:
    ServicoAjuda* anterior_;
};

// The regional settings of Brazil (comma decimals) or of the C locale.
inline ConfiguracaoRegional Virgula() { return {',', '.', '/', "dd/mm/yyyy"}; }
inline ConfiguracaoRegional Ponto() { return {'.', ',', '/', "dd/mm/yyyy"}; }

// A main window whose program folder is a fresh temporary folder, shown and active.
struct JanelaDeTeste {
    QTemporaryDir pasta;
    std::unique_ptr<TFPrincipal> janela;

    JanelaDeTeste() { Criar(); }
    void Criar() {
        janela = std::make_unique<TFPrincipal>(pasta.path());
        janela->show();
        QApplication::setActiveWindow(janela.get());
        (void)QTest::qWaitForWindowActive(janela.get());
    }
    QString Caminho(const QString& nome) const { return QDir(pasta.path()).filePath(nome); }
    TFPrincipal* operator->() const { return janela.get(); }
};

// Once the next modal dialog is shown, `acao` answers it (for example QDialog::reject).
inline void AoAbrirDialogo(std::function<void(QDialog&)> acao) {
    QTimer::singleShot(0, [acao = std::move(acao)] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) acao(*dialogo);
    });
}

// New, with the identification dialog that follows it closed by Cancel.
inline void NovoProjeto(TFPrincipal& janela) {
    AoAbrirDialogo([](QDialog& dialogo) { dialogo.reject(); });
    janela.NovoClick();
    // The offscreen platform does not give the activation back to the window by itself.
    QApplication::setActiveWindow(&janela);
    (void)QTest::qWaitForWindowActive(&janela);
}

// The user gives `campo` the focus and types `texto` over its content, key by key.
inline void Digitar(QLineEdit* campo, const QString& texto) {
    campo->setFocus(Qt::TabFocusReason);
    campo->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(campo, Qt::Key_Backspace);
    else
        QTest::keyClicks(campo, texto);
}

}  // namespace talvek::gui::teste
