#include "help/Ajuda.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include "common/InterfaceUsuario.h"
#include "common/JanelasCentradas.h"
#include "help/uAjuda.h"

namespace talvek::gui {

namespace {

// Dynamic property that holds a widget's help context.
constexpr const char* kPropriedadeContexto = "ContextoAjuda";

// The help viewer over the program's help file. The file is read when help is first asked for, and
// again after a failure, so a file put in place later is found.
class AjudaPrograma final : public ServicoAjuda {
public:
    void DefinirArquivo(const QString& caminho) {
        caminho_ = caminho;
        delete janela_.data();
    }
    QString Arquivo() const { return caminho_; }

    // Context 0 means "no help context": the contents are shown.
    void AbrirTopico(int contexto) override {
        if (contexto <= 0) return AbrirConteudo();
        TFAjuda* janela = Janela();
        if (!janela) return;
        if (!janela->MostrarTopico(contexto)) {
            Interface().Mensagem(QApplication::activeWindow(), QString::fromUtf8(kTituloAjuda),
                                 QStringLiteral("Não há tópico de ajuda para este item (contexto %1).")
                                     .arg(contexto),
                                 Icone::Informacao, Botoes::Ok);
            janela->MostrarConteudo();
        }
        Exibir(janela);
    }

    void AbrirConteudo() override {
        if (TFAjuda* janela = Janela()) {
            janela->MostrarConteudo();
            Exibir(janela);
        }
    }

    void AbrirIndice(const QString& chave) override {
        if (TFAjuda* janela = Janela()) {
            janela->MostrarIndice(chave);
            Exibir(janela);
            janela->ChaveIndice()->setFocus();  // the user types the word sought at once
        }
    }

private:
    TFAjuda* Janela() {
        if (janela_) return janela_;
        TArquivoAjuda arquivo;
        QString erro;
        if (!arquivo.Ler(caminho_, &erro)) {
            Interface().Mensagem(QApplication::activeWindow(), QString::fromUtf8(kTituloAjuda), erro,
                                 Icone::Erro, Botoes::Ok);
            return nullptr;
        }
        // Closing the viewer frees it; so does the end of the program's event loop.
        janela_ = new TFAjuda(std::move(arquivo));
        janela_->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, janela_, [this] { delete janela_.data(); });
        return janela_;
    }

    // A modal dialog blocks every other window; the viewer asked for from one is made modal too, so that
    // it can be read and closed, and modeless again when that dialog closes or help is asked for from the
    // main window.
    static void Exibir(TFAjuda* janela) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == janela) modal = nullptr;
        DefinirModalidade(janela, modal ? Qt::ApplicationModal : Qt::NonModal);
        if (auto* dialogo = qobject_cast<QDialog*>(modal))
            QObject::connect(dialogo, &QDialog::finished, janela,
                             [janela] { DefinirModalidade(janela, Qt::NonModal); }, Qt::SingleShotConnection);
        const bool aberta = janela->isVisible();
        janela->show();
        if (!aberta) ManterNaTela(*janela);  // once shown, so that its frame counts
        janela->raise();
        janela->activateWindow();
    }

    // The modality of a window can change only while it is hidden.
    static void DefinirModalidade(TFAjuda* janela, Qt::WindowModality modalidade) {
        if (janela->windowModality() == modalidade) return;
        const bool visivel = janela->isVisible();
        janela->hide();
        janela->setWindowModality(modalidade);
        if (visivel) janela->show();
    }

    QString caminho_;
    QPointer<TFAjuda> janela_;
};

AjudaPrograma& Padrao() {
    static AjudaPrograma padrao;
    return padrao;
}

ServicoAjuda* instalada = nullptr;

class FiltroF1 final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return false;
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() != Qt::Key_F1 || tecla->modifiers() != Qt::NoModifier) return false;
        QWidget* alvo = QApplication::focusWidget();
        if (!alvo) alvo = qobject_cast<QWidget*>(objeto);
        const int contexto = ContextoAjuda(alvo);
        if (contexto > 0) Ajuda().AbrirTopico(contexto);
        else Ajuda().AbrirConteudo();
        return true;
    }
};

}  // namespace

ServicoAjuda& Ajuda() { return instalada ? *instalada : Padrao(); }

ServicoAjuda* InstalarAjuda(ServicoAjuda* servico) {
    ServicoAjuda* anterior = instalada;
    instalada = servico;
    return anterior;
}

void DefinirArquivoAjuda(const QString& caminho) { Padrao().DefinirArquivo(caminho); }

QString ArquivoAjuda() { return Padrao().Arquivo(); }

void DefinirContextoAjuda(QWidget* widget, int contexto) {
    widget->setProperty(kPropriedadeContexto, contexto);
}

int ContextoAjuda(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const int contexto = widget->property(kPropriedadeContexto).toInt();
        if (contexto > 0) return contexto;
    }
    return 0;
}

void InstalarTeclaF1(QApplication& aplicacao) { aplicacao.installEventFilter(new FiltroF1(&aplicacao)); }

}  // namespace talvek::gui
