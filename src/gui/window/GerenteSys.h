// The project manager: the life cycle of the one project the program has open (New, Open, Open of a
// recent path, Save, Save As, Close), the prompt for unsaved changes, the window caption and the four most
// recent project files. It knows nothing of the design data: every data task is an event the host window
// handles. Every operation returns true when it completed; exceptions of the events reach the caller.
#pragma once

#include <QString>

#include <array>
#include <functional>

#include "common/InterfaceUsuario.h"

class QWidget;

namespace talvek::gui {

class TGerenteSys {
public:
    using TNotifyEvent = std::function<void()>;
    using TNotifyEventBoolean = std::function<void(bool& LeuCerto)>;

    DialogoArquivo OpenDialog;   // used by Open
    DialogoArquivo SaveDialog;   // used by Save As
    QString TituloPrograma;      // start of every window caption
    QString NomeProjeto;         // file name without folder; a never-saved project: NomeDefault in quotes
    QString PathProjeto;         // full path of the project file
    bool Alterado = false;       // the project has unsaved changes
    QString NomeDefault;         // file name of a new project
    QString PastaPrograma;       // folder where a new project is placed

    TNotifyEvent OnZerarVariaveis;        // reset the design data
    TNotifyEventBoolean OnLerArquivo;     // read PathProjeto; LeuCerto := success
    TNotifyEvent OnEscreverArquivo;       // write the design data to PathProjeto
    TNotifyEvent OnAbilitarCampos;        // enable the commands that need an open project
    TNotifyEvent OnDesabilitarCampos;     // disable them
    TNotifyEvent OnLerCamposDados;        // entry fields to design data
    TNotifyEvent OnPreencherCamposDados;  // design data to entry fields
    TNotifyEvent OnLimparCamposDados;     // empty the entry fields
    std::function<QString()> OnNomeSugerido;  // file name Save As proposes for a project never saved

    std::array<QString, 4> Recentes;  // most recent first

    bool NovoProjeto(QWidget& janela);
    bool AbrirProjeto(QWidget& janela);
    bool AbrirProjetoRecente(QWidget& janela, const QString& caminho);
    // Open of a file chosen outside the program (the command line): as Open after its dialog.
    bool AbrirProjetoDoCaminho(QWidget& janela, const QString& caminho);
    bool SalvarProjeto(QWidget& janela);
    bool SalvarProjetoComo(QWidget& janela);
    bool FecharProjeto(QWidget& janela);

    // Moves PathProjeto to the head of Recentes (paths compared without regard to the case of a–z).
    void AtualizarRecentes();

    bool ProjetoAberto() const { return ProjetoAberto_; }

private:
    enum class Prompt { Novo, Outros };

    void ZerarEstado();
    // The unsaved-changes question; false when the operation must stop (Cancel, or a save that did not
    // complete on Yes). `resposta` receives the answer given.
    bool PerguntarSalvar(QWidget& janela, Prompt prompt, Resposta& resposta);
    bool Gravar();
    bool AbrirEscolhido(QWidget& janela, const QString& escolhido);
    // The open and save dialogs start next time in the folder of `arquivo`.
    void LembrarPasta(const QString& arquivo);
    void LegendaAberta(QWidget& janela) const;
    QString NomeDefaultEntreAspas() const;

    bool ProjetoAberto_ = false;
    bool ProjetoValido_ = false;
    bool LeuCerto_ = false;
};

// The file name of a path without its folder ("/" and "\" both separate folders).
QString NomeSemPasta(const QString& caminho);

// Path comparison of the recent list: the letters a–z without regard to case, every other character exact.
bool MesmoCaminho(const QString& a, const QString& b);

}  // namespace talvek::gui
