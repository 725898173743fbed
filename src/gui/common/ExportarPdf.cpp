#include "common/ExportarPdf.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "common/InterfaceUsuario.h"
#include "platform/Excecoes.h"

namespace talvek::gui {

namespace {

const QString kPrograma = QStringLiteral("Talvek 2.0");
constexpr double kMargemMm = 20.0;

std::function<TIdentificacaoPdf()>& Fonte() {
    static std::function<TIdentificacaoPdf()> fonte;
    return fonte;
}

QString EscaparXml(QString texto) {
    return texto.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"))
        .replace(QLatin1Char('"'), QStringLiteral("&quot;"));
}

}  // namespace

void DefinirIdentificacaoDocumentos(std::function<TIdentificacaoPdf()> fonte) { Fonte() = std::move(fonte); }

QByteArray MetadadosXmp(const TIdentificacaoPdf& identificacao) {
    const QString xmp = QStringLiteral(
        "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
        "</rdf:Description>\n"
        "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmp:CreatorTool=\"%3\"/>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end=\"w\"?>");
    return xmp.arg(EscaparXml(identificacao.Titulo), EscaparXml(identificacao.Autor), kPrograma).toUtf8();
}

void GravarPdf(const QTextDocument& documento, const QString& caminho, const TIdentificacaoPdf& identificacao) {
    {
        QFile arquivo(caminho);  // QPdfWriter reports no failure of its own
        if (!arquivo.open(QIODevice::WriteOnly))
            throw Exception(("Não foi possível gravar o arquivo " + caminho + ".").toStdString());
    }
    QPdfWriter pdf(caminho);
    pdf.setTitle(identificacao.Titulo);
    pdf.setCreator(kPrograma);
    pdf.setDocumentXmpMetadata(MetadadosXmp(identificacao));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMargemMm, kMargemMm, kMargemMm, kMargemMm), QPageLayout::Millimeter));
    documento.print(&pdf);
}

void ExportarPdf(QWidget* pai, const QTextDocument& documento, const QString& tituloReserva) {
    TIdentificacaoPdf identificacao = Fonte() ? Fonte()() : TIdentificacaoPdf{};
    if (identificacao.Titulo.trimmed().isEmpty()) identificacao.Titulo = tituloReserva;
    const QString caminho = SalvarExportacao(
        pai, {QStringLiteral("Exportar PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"), QString(),
              NomeDeArquivo(identificacao.Titulo, QStringLiteral(".pdf"))});
    if (caminho.isEmpty()) return;
    GravarPdf(documento, caminho, identificacao);
}

}  // namespace talvek::gui
