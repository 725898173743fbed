// API: TArquivoAjuda::Ler(caminho, &erro); Topico(contexto); Capitulos(); Buscar(chave) → index entries; PaginaConteudo() → HTML.
// The help file "Talvek2.hlp": an XML document of topics, each with its numeric help context, its
// chapter of the contents, its keywords for the index and its text in HTML. Links between topics are
// written "topico:N"; pictures of the program "figura:NOME" (see Figuras.h).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talvek::gui {

inline constexpr const char* kArquivoAjuda = "Talvek2.hlp";

struct TTopicoAjuda {
    int Contexto = 0;
    QString Titulo;
    QString Capitulo;
    QStringList PalavrasChave;
    QString Html;  // body of the topic
};

// One keyword of the index and the topics it leads to.
struct TEntradaIndice {
    QString PalavraChave;
    QList<int> Contextos;
};

class TArquivoAjuda {
public:
    // False, with a message in `erro`, when the file is missing or not a well-formed help file.
    bool Ler(const QString& caminho, QString* erro);

    QString Titulo() const { return titulo_; }
    const QList<TTopicoAjuda>& Topicos() const { return topicos_; }
    const TTopicoAjuda* Topico(int contexto) const;  // nullptr when the file has no such topic
    QStringList Capitulos() const;                   // in the order of the file

    // Every keyword, sorted without regard to case and accents.
    QList<TEntradaIndice> Indice() const;
    // Keywords beginning with `chave`, then those containing it elsewhere; all of them for an empty key.
    QList<TEntradaIndice> Buscar(const QString& chave) const;

    // The contents page: the chapters with links to their topics.
    QString PaginaConteudo() const;

private:
    QString titulo_;
    QList<TTopicoAjuda> topicos_;
};

// Text folded for searching: lower case, accents removed ("Declividade" and "declívidade" match).
QString TextoBusca(const QString& texto);

}  // namespace talvek::gui
