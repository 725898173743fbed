// API: TFAjuda(arquivo) — MostrarTopico(n) → false when absent; MostrarConteudo(); MostrarIndice(chave).
// The help viewer window: contents tree and keyword index on the left, the topic on the right.
#pragma once

#include <QWidget>

#include "help/ArquivoAjuda.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace talvek::gui {

inline constexpr const char* kTituloAjuda = "Ajuda do Talvek 2.0";

class TFAjuda : public QWidget {
public:
    explicit TFAjuda(TArquivoAjuda arquivo, QWidget* pai = nullptr);

    bool MostrarTopico(int contexto);
    void MostrarConteudo();
    void MostrarIndice(const QString& chave);

    int TopicoAtual() const;  // 0 on the contents page
    QTextBrowser* Texto() const { return texto_; }
    QLineEdit* ChaveIndice() const { return chave_; }
    QListWidget* ListaIndice() const { return palavras_; }
    QListWidget* TopicosIndice() const { return topicosPalavra_; }

private:
    void MontarConteudo();
    void FiltrarIndice();
    void PalavraSelecionada();
    void ExibirSelecionado();

    TArquivoAjuda arquivo_;
    QTabWidget* abas_;
    QTreeWidget* conteudo_;
    QLineEdit* chave_;
    QListWidget* palavras_;
    QListWidget* topicosPalavra_;
    QTextBrowser* texto_;
    QList<TEntradaIndice> encontradas_;
};

}  // namespace talvek::gui
