// The one door through which the desktop program asks the user something: message boxes and the
// open/save file dialogs. The default implementation uses QMessageBox and QFileDialog; tests install
// their own to answer prompts without a person.
#pragma once

#include <QString>

class QWidget;

namespace talvek::gui {

enum class Icone { Erro, Aviso, Informacao, Pergunta };
enum class Botoes { Ok, SimNao, SimNaoCancelar };
enum class Resposta { Ok, Sim, Nao, Cancelar };

struct DialogoArquivo {
    QString titulo;
    QString filtro;          // e.g. "Projetos Talvek (*.tvk)"
    QString extensaoPadrao;  // without the dot, e.g. "tvk"
    QString pastaInicial;
    QString nomeInicial;
};

// The file name a save dialog proposes for a document called `titulo`: the characters no file name may
// hold become "_", then `extensao` (with its dot) is added; empty when the title is blank.
QString NomeDeArquivo(QString titulo, const QString& extensao);

class InterfaceUsuario {
public:
    virtual ~InterfaceUsuario() = default;
    virtual Resposta Mensagem(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                              Botoes botoes) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString AbrirArquivo(QWidget* pai, const DialogoArquivo& dialogo) = 0;
    virtual QString SalvarArquivo(QWidget* pai, const DialogoArquivo& dialogo) = 0;
};

// The folder where an export's save dialog starts: the one where the project dialogs were last used (the
// main window keeps it current); the working folder until it is set.
void DefinirPastaExportacoes(const QString& pasta);
// The save dialog of an export (a PDF, a table, a picture): it starts in that folder when `dialogo` names
// none, and an existing file is replaced only after "Arquivo já existente. Deseja substituir?" is answered
// Sim (Não asks for another name). The chosen path, or an empty text when the user cancelled.
QString SalvarExportacao(QWidget* pai, DialogoArquivo dialogo);

// The interface in use: the Qt dialogs unless a test installed another one.
InterfaceUsuario& Interface();
// Installs `interface` (not owned) until the returned previous one is installed again; nullptr restores
// the Qt dialogs.
InterfaceUsuario* InstalarInterface(InterfaceUsuario* interface);

}  // namespace talvek::gui
