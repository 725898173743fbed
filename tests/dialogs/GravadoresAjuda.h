// Recorders for the tests of the help, pictures and small dialogs: message boxes answered with OK, help
// requests written down, and the optional PNG of a window for a person to look at.
#pragma once

#include <QApplication>
#include <QDir>
#include <QList>
#include <QTimer>
#include <QString>
#include <QWidget>

#include "app/InterfaceUsuario.h"
#include "dialogs/Ajuda.h"

#include <cstdio>
#include <cstdlib>

namespace talvek::gui::teste {

class MensagensGravadas final : public InterfaceUsuario {
public:
    struct Registro {
        QString texto;
        Icone icone;
    };
    MensagensGravadas() : anterior_(InstalarInterface(this)) {}
    ~MensagensGravadas() override { InstalarInterface(anterior_); }
    Resposta Mensagem(QWidget*, const QString&, const QString& texto, Icone icone, Botoes) override {
        registros.append({texto, icone});
        return Resposta::Ok;
    }
    QString AbrirArquivo(QWidget*, const DialogoArquivo&) override { return {}; }
    QString SalvarArquivo(QWidget*, const DialogoArquivo&) override { return {}; }

    QList<Registro> registros;

private:
    InterfaceUsuario* anterior_;
};

// Each request becomes a text: "topico 112", "conteudo", "indice <chave>".
class AjudaGravada final : public ServicoAjuda {
public:
    AjudaGravada() : anterior_(InstalarAjuda(this)) {}
    ~AjudaGravada() override { InstalarAjuda(anterior_); }
    void AbrirTopico(int contexto) override { pedidos.append(QStringLiteral("topico %1").arg(contexto)); }
    void AbrirConteudo() override { pedidos.append(QStringLiteral("conteudo")); }
    void AbrirIndice(const QString& chave) override { pedidos.append(QStringLiteral("indice ") + chave); }

    QStringList pedidos;

private:
    ServicoAjuda* anterior_;
};

// With TALVEK_TELAS set to a folder, saves what the window shows as <nome>.png there.
inline void GuardarTela(QWidget& janela, const QString& nome) {
    const QString pasta = qEnvironmentVariable("TALVEK_TELAS");
    if (pasta.isEmpty()) return;
    QDir().mkpath(pasta);
    janela.grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png")));
}

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
