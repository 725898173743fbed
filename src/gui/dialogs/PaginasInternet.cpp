#include "dialogs/PaginasInternet.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "platform/Excecoes.h"

namespace talvek::gui {

std::array<TPaginaInternet, 4> PaginasInternet(const QString& pastaPrograma) {
    return {{
        {QStringLiteral("Agência Nacional de Águas e Saneamento Básico (ANA)"),
         QUrl(QStringLiteral("https://www.gov.br/ana/pt-br")), Glifo::PaginaAgua},
        {QStringLiteral("Instituto Nacional de Meteorologia (INMET)"),
         QUrl(QStringLiteral("https://portal.inmet.gov.br/")), Glifo::PaginaMeteorologia},
        {QStringLiteral("Empresa Brasileira de Pesquisa Agropecuária (Embrapa)"),
         QUrl(QStringLiteral("https://www.embrapa.br/")), Glifo::PaginaPesquisa},
        {QStringLiteral("Página do Talvek 2.0"),
         QUrl::fromLocalFile(QDir(pastaPrograma).absoluteFilePath(kArquivoPaginaPrograma)),
         Glifo::PaginaPrograma},
    }};
}

QString DicaPagina(const TPaginaInternet& pagina) {
    const QString endereco = pagina.Endereco.isLocalFile()
                                 ? QDir::toNativeSeparators(pagina.Endereco.toLocalFile())
                                 : pagina.Endereco.toString();
    return pagina.Nome + QStringLiteral(" - ") + endereco;
}

bool AbrirNoNavegador(const QUrl& endereco) { return QDesktopServices::openUrl(endereco); }

void AbrirPagina(const TPaginaInternet& pagina, const AbridorUrl& abrir) {
    const bool existe = !pagina.Endereco.isLocalFile() || QFileInfo::exists(pagina.Endereco.toLocalFile());
    if (!existe || !abrir(pagina.Endereco)) throw Exception(kMensagemPaginaNaoAberta);
}

}  // namespace talvek::gui
