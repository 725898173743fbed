// API: Ajuda().AbrirTopico(n) / AbrirConteudo() / AbrirIndice(chave); DefinirArquivoAjuda(caminho); DefinirContextoAjuda(w, n); ContextoAjuda(w); InstalarTeclaF1(app).
// The program's help: topics opened by numeric help context, the contents page and the keyword index.
// Every window goes through Ajuda(); tests install a recorder with InstalarAjuda.
#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace talvek::gui {

class ServicoAjuda {
public:
    virtual ~ServicoAjuda() = default;
    virtual void AbrirTopico(int contexto) = 0;  // 0: no context of its own, the contents
    virtual void AbrirConteudo() = 0;
    virtual void AbrirIndice(const QString& chave) = 0;  // the keyword index, searching `chave`
};

// The service in use: the help viewer over the help file unless a test installed another one.
ServicoAjuda& Ajuda();
// Installs `servico` (not owned) and returns the previous one; nullptr restores the help viewer.
ServicoAjuda* InstalarAjuda(ServicoAjuda* servico);

// The help file the viewer reads: the program's folder followed by "Talvek2.hlp". A missing or damaged
// file is reported in a message box when help is asked for.
void DefinirArquivoAjuda(const QString& caminho);
QString ArquivoAjuda();

// Help context of a window or control; 0 means "the one of its parent".
void DefinirContextoAjuda(QWidget* widget, int contexto);
// The context of `widget`, else of the nearest parent that has one; 0 when none has.
int ContextoAjuda(const QWidget* widget);

// F1 anywhere in the program opens the topic of the focused control (walking up to its window), or the
// contents when none has a context.
void InstalarTeclaF1(QApplication& aplicacao);

}  // namespace talvek::gui
