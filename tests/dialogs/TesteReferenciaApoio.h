// Support of the reference-dialog tests: a recorder that answers the message boxes, the regional
// settings of a test row, and a way to act on the modal dialog that a component's Executar opens.
#pragma once

#include <QApplication>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "app/InterfaceUsuario.h"
#include "dialogs/Ajuda.h"
#include "platform/Regional.h"

namespace talvek::gui::teste {

class InterfaceGravadora final : public InterfaceUsuario {
public:
    struct Registro {
        QString texto;
        Icone icone;
    };

    InterfaceGravadora() : anterior_(InstalarInterface(this)) {}
    ~InterfaceGravadora() override { InstalarInterface(anterior_); }

    Resposta Mensagem(QWidget*, const QString&, const QString& texto, Icone icone, Botoes) override {
        mensagens.append({texto, icone});
        return Resposta::Ok;
    }
    QString AbrirArquivo(QWidget*, const DialogoArquivo&) override { return {}; }
    QString SalvarArquivo(QWidget*, const DialogoArquivo&) override { return {}; }

    QList<Registro> mensagens;

private:
    InterfaceUsuario* anterior_;
};

// Records the help topics asked for instead of opening the help viewer.
class AjudaGravadora final : public ServicoAjuda {
public:
    AjudaGravadora() : anterior_(InstalarAjuda(this)) {}
    ~AjudaGravadora() override { InstalarAjuda(anterior_); }

    void AbrirTopico(int contexto) override { topicos.append(contexto); }
    void AbrirConteudo() override { topicos.append(0); }
    void AbrirIndice(const QString&) override {}

    QList<int> topicos;

private:
    ServicoAjuda* anterior_;
};

// "." decimal with "," thousands, or the reverse.
inline ConfiguracaoRegional Separadores(char decimal) {
    ConfiguracaoRegional regional;
    regional.SeparadorDecimal = decimal;
    regional.SeparadorMilhar = decimal == '.' ? ',' : '.';
    return regional;
}

// Schedules `acao` on the modal dialog of type D opened next (by a component's Executar); a dialog the
// action left open is then cancelled, so that Executar always returns.
template <class D, class Acao>
void AoAbrir(Acao acao) {
    QTimer::singleShot(0, [acao] {
        auto* dialogo = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialogo) {
            std::fputs("the expected modal dialog did not open\n", stderr);
            std::abort();
        }
        acao(*dialogo);
        if (dialogo->isVisible()) dialogo->reject();
    });
}

}  // namespace talvek::gui::teste
