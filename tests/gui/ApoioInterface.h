// Test doubles shared by the Qt tests: message boxes and file dialogs answered from prepared lists and
// written down, help requests written down, and a way to act on the modal dialog that opens next.
#pragma once

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "common/InterfaceUsuario.h"
#include "help/Ajuda.h"

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

// Runs `acao` on the modal dialog of type D that opens next; a dialog the action left open is then
// cancelled, so that exec() always returns.
template <class D, class Acao>
void AoAbrirModal(Acao acao) {
    QTimer::singleShot(0, [acao] {
        auto* dialogo = dynamic_cast<D*>(QApplication::activeModalWidget());
        if (!dialogo) {
            std::fputs("the expected modal dialog did not open\n", stderr);
            std::abort();
        }
        acao(*dialogo);
        if (dialogo->isVisible()) dialogo->reject();
    });
}

}  // namespace talvek::gui::teste
