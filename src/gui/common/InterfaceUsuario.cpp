#include "common/InterfaceUsuario.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace talvek::gui {

namespace {

class InterfaceQt final : public InterfaceUsuario {
public:
    Resposta Mensagem(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                      Botoes botoes) override {
        QMessageBox caixa(pai);
        caixa.setWindowTitle(titulo);
        caixa.setText(texto);
        caixa.setIcon(IconeQt(icone));
        switch (botoes) {
            case Botoes::Ok: caixa.setStandardButtons(QMessageBox::Ok); break;
            case Botoes::SimNao: caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
            case Botoes::SimNaoCancelar:
                caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
                break;
        }
        const auto legenda = [&caixa](QMessageBox::StandardButton botao, const QString& texto) {
            if (QAbstractButton* b = caixa.button(botao)) b->setText(texto);
        };
        legenda(QMessageBox::Yes, QStringLiteral("&Sim"));
        legenda(QMessageBox::No, QStringLiteral("&Não"));
        legenda(QMessageBox::Cancel, QStringLiteral("Cancelar"));
        switch (caixa.exec()) {
            case QMessageBox::Yes: return Resposta::Sim;
            case QMessageBox::No: return Resposta::Nao;
            case QMessageBox::Cancel: return Resposta::Cancelar;
            default: return botoes == Botoes::SimNaoCancelar ? Resposta::Cancelar : Resposta::Ok;
        }
    }

    QString AbrirArquivo(QWidget* pai, const DialogoArquivo& d) override {
        return QFileDialog::getOpenFileName(pai, d.titulo, d.pastaInicial, d.filtro);
    }

    QString SalvarArquivo(QWidget* pai, const DialogoArquivo& d) override {
        QFileDialog dialogo(pai, d.titulo, d.pastaInicial, d.filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(d.extensaoPadrao);
        // The program asks its own overwrite question.
        dialogo.setOption(QFileDialog::DontConfirmOverwrite);
        if (!d.nomeInicial.isEmpty()) dialogo.selectFile(d.nomeInicial);
        return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
    }

private:
    static QMessageBox::Icon IconeQt(Icone icone) {
        switch (icone) {
            case Icone::Erro: return QMessageBox::Critical;
            case Icone::Aviso: return QMessageBox::Warning;
            case Icone::Informacao: return QMessageBox::Information;
            case Icone::Pergunta: return QMessageBox::Question;
        }
        return QMessageBox::NoIcon;
    }
};

InterfaceQt& Padrao() {
    static InterfaceQt padrao;
    return padrao;
}

InterfaceUsuario* instalada = nullptr;
QString pastaExportacoes;

}  // namespace

void DefinirPastaExportacoes(const QString& pasta) { pastaExportacoes = pasta; }

QString SalvarExportacao(QWidget* pai, DialogoArquivo dialogo) {
    if (dialogo.pastaInicial.isEmpty()) dialogo.pastaInicial = pastaExportacoes;
    for (;;) {
        const QString caminho = Interface().SalvarArquivo(pai, dialogo);
        if (caminho.isEmpty() || !QFileInfo::exists(caminho)) return caminho;
        if (Interface().Mensagem(pai, QStringLiteral("Confirmação"),
                                 QStringLiteral("Arquivo já existente. Deseja substituir?"), Icone::Pergunta,
                                 Botoes::SimNao) == Resposta::Sim)
            return caminho;
        dialogo.pastaInicial = QFileInfo(caminho).absolutePath();
        dialogo.nomeInicial = QFileInfo(caminho).fileName();
    }
}

QString NomeDeArquivo(QString titulo, const QString& extensao) {
    for (QChar& c : titulo)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control) c = QLatin1Char('_');
    titulo = titulo.trimmed();
    return titulo.isEmpty() ? QString() : titulo + extensao;
}

InterfaceUsuario& Interface() { return instalada ? *instalada : Padrao(); }

InterfaceUsuario* InstalarInterface(InterfaceUsuario* interface) {
    InterfaceUsuario* anterior = instalada;
    instalada = interface;
    return anterior;
}

}  // namespace talvek::gui
