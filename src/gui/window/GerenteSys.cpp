#include "window/GerenteSys.h"

#include <QFileInfo>
#include <QWidget>

namespace talvek::gui {

namespace {

const QString kTituloConfirmacao = QStringLiteral("Confirmação");
const QString kSalvarAlteracoes = QStringLiteral("Deseja salvar as alterações em ");
const QString kSalvarAlteracoesNovo = QStringLiteral("Deseja Salvar as Alterações em ");
const QString kArquivoExistente = QStringLiteral("Arquivo já existente. Deseja substituir?");
const QString kTituloSalvarComo = QStringLiteral("Salvar Como");

void Disparar(const TGerenteSys::TNotifyEvent& evento) {
    if (evento) evento();
}

QChar MinusculaAscii(QChar c) { return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c; }

}  // namespace

QString NomeSemPasta(const QString& caminho) {
    const qsizetype barra = std::max(caminho.lastIndexOf(QLatin1Char('/')), caminho.lastIndexOf(QLatin1Char('\\')));
    return caminho.mid(barra + 1);
}

bool MesmoCaminho(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (MinusculaAscii(a[i]) != MinusculaAscii(b[i])) return false;
    return true;
}

QString TGerenteSys::NomeDefaultEntreAspas() const { return QLatin1Char('"') + NomeDefault + QLatin1Char('"'); }

void TGerenteSys::ZerarEstado() {
    Alterado = false;
    ProjetoAberto_ = false;
    ProjetoValido_ = false;
    Disparar(OnZerarVariaveis);
}

void TGerenteSys::LegendaAberta(QWidget& janela) const {
    janela.setWindowTitle(TituloPrograma + QStringLiteral(" ('") + NomeProjeto + QStringLiteral("')"));
}

bool TGerenteSys::PerguntarSalvar(QWidget& janela, Prompt prompt, Resposta& resposta) {
    const QString& texto = prompt == Prompt::Novo ? kSalvarAlteracoesNovo : kSalvarAlteracoes;
    resposta = Interface().Mensagem(&janela, kTituloConfirmacao, texto + NomeProjeto, Icone::Pergunta,
                                    Botoes::SimNaoCancelar);
    if (resposta == Resposta::Cancelar) return false;
    if (resposta == Resposta::Sim) return SalvarProjeto(janela);
    return true;
}

bool TGerenteSys::NovoProjeto(QWidget& janela) {
    Resposta resposta;
    if (Alterado && ProjetoAberto_ && !PerguntarSalvar(janela, Prompt::Novo, resposta)) return false;
    ZerarEstado();
    Disparar(OnAbilitarCampos);
    Disparar(OnLimparCamposDados);
    ProjetoAberto_ = true;
    ProjetoValido_ = true;
    Alterado = false;
    NomeProjeto = NomeDefaultEntreAspas();
    PathProjeto = PastaPrograma + QLatin1Char('/') + NomeDefault;
    janela.setWindowTitle(TituloPrograma + QStringLiteral(" (") + NomeProjeto + QLatin1Char(')'));
    return true;
}

bool TGerenteSys::AbrirProjeto(QWidget& janela) {
    Resposta resposta;
    if (Alterado && ProjetoAberto_ && !PerguntarSalvar(janela, Prompt::Outros, resposta)) return false;
    const QString escolhido = Interface().AbrirArquivo(&janela, OpenDialog);
    if (escolhido.isEmpty()) return false;
    return AbrirEscolhido(janela, escolhido);
}

bool TGerenteSys::AbrirProjetoDoCaminho(QWidget& janela, const QString& caminho) {
    Resposta resposta;
    if (Alterado && ProjetoAberto_ && !PerguntarSalvar(janela, Prompt::Outros, resposta)) return false;
    return AbrirEscolhido(janela, caminho);
}

bool TGerenteSys::AbrirEscolhido(QWidget& janela, const QString& escolhido) {
    Disparar(OnLimparCamposDados);
    ZerarEstado();
    const QString anterior = PathProjeto;
    PathProjeto = escolhido;
    LeuCerto_ = false;
    if (OnLerArquivo) OnLerArquivo(LeuCerto_);
    if (!LeuCerto_) {
        PathProjeto = anterior;
        return false;
    }
    NomeProjeto = NomeSemPasta(escolhido);
    LegendaAberta(janela);
    SaveDialog.nomeInicial = NomeProjeto;
    LembrarPasta(escolhido);
    AtualizarRecentes();
    ProjetoValido_ = true;
    Disparar(OnAbilitarCampos);
    ProjetoAberto_ = true;
    Alterado = false;
    Disparar(OnPreencherCamposDados);
    return true;
}

bool TGerenteSys::AbrirProjetoRecente(QWidget& janela, const QString& caminho) {
    Resposta resposta;
    if (Alterado && ProjetoAberto_ && !PerguntarSalvar(janela, Prompt::Outros, resposta)) return false;
    const QString anterior = PathProjeto;
    PathProjeto = caminho;
    NomeProjeto = NomeSemPasta(caminho);
    try {
        Disparar(OnLimparCamposDados);
        ZerarEstado();
        LeuCerto_ = false;
        if (OnLerArquivo) OnLerArquivo(LeuCerto_);
        if (!LeuCerto_) {
            PathProjeto = anterior;
            return false;
        }
        Disparar(OnAbilitarCampos);
        ProjetoAberto_ = true;
        ProjetoValido_ = true;
        Alterado = false;
        LegendaAberta(janela);
        AtualizarRecentes();
        Disparar(OnPreencherCamposDados);
        return true;
    } catch (...) {
        // A recent project that cannot be read fails silently.
        return false;
    }
}

bool TGerenteSys::Gravar() {
    ProjetoAberto_ = true;
    Alterado = false;
    try {
        Disparar(OnLerCamposDados);
        Disparar(OnEscreverArquivo);
    } catch (...) {
        Alterado = true;  // nothing was saved: the changes are still unsaved
        throw;
    }
    return true;
}

bool TGerenteSys::SalvarProjeto(QWidget& janela) {
    // A project never saved, or one whose file could not be read (a failed Open leaves it without a
    // valid file), is saved under a name the user chooses.
    if (NomeProjeto == NomeDefaultEntreAspas() || !ProjetoValido_) return SalvarProjetoComo(janela);
    const bool gravou = Gravar();
    AtualizarRecentes();
    return gravou;
}

bool TGerenteSys::SalvarProjetoComo(QWidget& janela) {
    for (;;) {
        SaveDialog.titulo = kTituloSalvarComo;
        if (NomeProjeto == NomeDefaultEntreAspas()) {
            const QString sugerido = OnNomeSugerido ? OnNomeSugerido() : QString();
            SaveDialog.nomeInicial = sugerido.isEmpty() ? NomeDefault : sugerido;
        } else {
            SaveDialog.nomeInicial = NomeProjeto;
        }
        const QString escolhido = Interface().SalvarArquivo(&janela, SaveDialog);
        if (escolhido.isEmpty()) return false;
        LembrarPasta(escolhido);
        if (QFileInfo::exists(escolhido)) {
            if (Interface().Mensagem(&janela, kTituloConfirmacao, kArquivoExistente, Icone::Pergunta,
                                     Botoes::SimNao) != Resposta::Sim)
                continue;
            Disparar(OnLerCamposDados);
        }
        NomeProjeto = NomeSemPasta(escolhido);
        PathProjeto = escolhido;
        ProjetoValido_ = true;
        SalvarProjeto(janela);
        LegendaAberta(janela);
        AtualizarRecentes();
        return true;
    }
}

bool TGerenteSys::FecharProjeto(QWidget& janela) {
    if (Alterado) {
        Resposta resposta;
        if (!PerguntarSalvar(janela, Prompt::Outros, resposta)) return false;
        if (resposta == Resposta::Sim) {
            AtualizarRecentes();
            Disparar(OnLerCamposDados);
        } else {
            janela.setWindowTitle(TituloPrograma);
        }
    }
    Disparar(OnLimparCamposDados);
    ZerarEstado();
    Disparar(OnDesabilitarCampos);
    Alterado = false;
    ProjetoAberto_ = false;
    return true;
}

void TGerenteSys::LembrarPasta(const QString& arquivo) {
    OpenDialog.pastaInicial = SaveDialog.pastaInicial = QFileInfo(arquivo).absolutePath();
    DefinirPastaExportacoes(OpenDialog.pastaInicial);
}

void TGerenteSys::AtualizarRecentes() {
    auto& r = Recentes;
    const auto descerAte = [&r](std::size_t slot) {  // entries above `slot` move down one, slot 1 is freed
        for (std::size_t i = slot; i > 0; --i) r[i] = r[i - 1];
    };
    if (MesmoCaminho(PathProjeto, r[1]))
        descerAte(1);
    else if (MesmoCaminho(PathProjeto, r[2]))
        descerAte(2);
    else if (MesmoCaminho(PathProjeto, r[3]))
        descerAte(3);
    else if (MesmoCaminho(PathProjeto, r[0]))
        return;  // already first: the stored text keeps its letter case
    else
        descerAte(3);  // a new entry: the one of slot 4 drops out
    r[0] = PathProjeto;
}

}  // namespace talvek::gui
