#include "help/ArquivoAjuda.h"

#include <QFile>
#include <QMap>
#include <QXmlStreamReader>

#include <algorithm>

namespace talvek::gui {

namespace {

TTopicoAjuda LerTopico(QXmlStreamReader& xml) {
    TTopicoAjuda topico;
    const auto atributos = xml.attributes();
    topico.Contexto = atributos.value(QLatin1String("contexto")).toInt();
    topico.Titulo = atributos.value(QLatin1String("titulo")).toString();
    topico.Capitulo = atributos.value(QLatin1String("capitulo")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("palavras")) {
            for (const QString& palavra : xml.readElementText().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                const QString limpa = palavra.simplified();
                if (!limpa.isEmpty()) topico.PalavrasChave.append(limpa);
            }
        } else if (xml.name() == QLatin1String("texto")) {
            topico.Html = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    return topico;
}

bool MenorSemAcento(const TEntradaIndice& a, const TEntradaIndice& b) {
    return TextoBusca(a.PalavraChave) < TextoBusca(b.PalavraChave);
}

}  // namespace

QString TextoBusca(const QString& texto) {
    QString decomposto = texto.normalized(QString::NormalizationForm_D).toLower();
    decomposto.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return decomposto;
}

bool TArquivoAjuda::Ler(const QString& caminho, QString* erro) {
    titulo_.clear();
    topicos_.clear();
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        *erro = QStringLiteral("O arquivo de ajuda não foi encontrado: ") + caminho;
        return false;
    }
    QXmlStreamReader xml(&arquivo);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("ajuda")) {
        titulo_ = xml.attributes().value(QLatin1String("titulo")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("topico")) {
                TTopicoAjuda topico = LerTopico(xml);
                if (topico.Contexto <= 0 || Topico(topico.Contexto)) {
                    xml.raiseError(QStringLiteral("contexto inválido ou repetido: %1").arg(topico.Contexto));
                    break;
                }
                topicos_.append(std::move(topico));
            } else {
                xml.skipCurrentElement();
            }
        }
    } else if (!xml.hasError()) {
        xml.raiseError(QStringLiteral("não é um arquivo de ajuda"));
    }
    if (xml.hasError() || topicos_.isEmpty()) {
        *erro = QStringLiteral("O arquivo de ajuda está danificado: ") + caminho +
                QStringLiteral(" (linha %1: %2)").arg(xml.lineNumber()).arg(xml.errorString());
        topicos_.clear();
        return false;
    }
    return true;
}

const TTopicoAjuda* TArquivoAjuda::Topico(int contexto) const {
    for (const TTopicoAjuda& topico : topicos_)
        if (topico.Contexto == contexto) return &topico;
    return nullptr;
}

QStringList TArquivoAjuda::Capitulos() const {
    QStringList capitulos;
    for (const TTopicoAjuda& topico : topicos_)
        if (!capitulos.contains(topico.Capitulo)) capitulos.append(topico.Capitulo);
    return capitulos;
}

QList<TEntradaIndice> TArquivoAjuda::Indice() const {
    QMap<QString, TEntradaIndice> porChave;  // keyed by the folded text, so "Área" and "area" merge
    for (const TTopicoAjuda& topico : topicos_) {
        for (const QString& palavra : topico.PalavrasChave) {
            TEntradaIndice& entrada = porChave[TextoBusca(palavra)];
            if (entrada.PalavraChave.isEmpty()) entrada.PalavraChave = palavra;
            if (!entrada.Contextos.contains(topico.Contexto)) entrada.Contextos.append(topico.Contexto);
        }
    }
    QList<TEntradaIndice> indice = porChave.values();
    std::stable_sort(indice.begin(), indice.end(), MenorSemAcento);
    return indice;
}

QList<TEntradaIndice> TArquivoAjuda::Buscar(const QString& chave) const {
    const QString procurada = TextoBusca(chave.simplified());
    QList<TEntradaIndice> noInicio, noMeio;
    for (const TEntradaIndice& entrada : Indice()) {
        const int posicao = TextoBusca(entrada.PalavraChave).indexOf(procurada);
        if (posicao == 0) noInicio.append(entrada);
        else if (posicao > 0) noMeio.append(entrada);
    }
    return noInicio + noMeio;
}

QString TArquivoAjuda::PaginaConteudo() const {
    QString html = QStringLiteral("<h1>%1</h1>").arg(titulo_.toHtmlEscaped());
    for (const QString& capitulo : Capitulos()) {
        html += QStringLiteral("<h2>%1</h2><ul>").arg(capitulo.toHtmlEscaped());
        for (const TTopicoAjuda& topico : topicos_)
            if (topico.Capitulo == capitulo)
                html += QStringLiteral("<li><a href=\"topico:%1\">%2</a></li>")
                            .arg(topico.Contexto)
                            .arg(topico.Titulo.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    }
    return html;
}

}  // namespace talvek::gui
