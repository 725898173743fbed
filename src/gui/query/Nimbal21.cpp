#include "query/Nimbal21.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include <array>

#include "help/Ajuda.h"
#include "platform/Numeros.h"
#include "query/FoConsulta.h"

namespace talvek::gui {

namespace {

// A coordinate field that was never filled in.
constexpr const char* kMascaraVazia = "  °  '  \"";

// The number a parameter display shows; the conversion message of the regional settings otherwise.
double NumeroExibido(const QLabel& exibidor) { return LerNumeroOuErro(exibidor.text().toStdString()); }

bool CoordenadaDada(const std::string& texto) { return !texto.empty() && texto != kMascaraVazia; }

}  // namespace

std::string TNimbal21::PastaDados() const {
    return QDir::cleanPath(QDir(PastaPrograma).absoluteFilePath(QStringLiteral("../Arquivos Comuns")))
               .toStdString() +
           "/";
}

bool TNimbal21::Executar(QWidget* pai) {
    const std::string pasta = PastaDados();
    if (!QFileInfo(QString::fromStdString(pasta)).isDir())
        throw Exception("Erro. Não foi possível localizar a pasta contendo o banco de dados.");
    if (!QFileInfo(QString::fromStdString(pasta + formato_bd::kArquivoEstacoes)).isFile())
        throw Exception("Erro. Não foi possível localizar o banco de dados contendo os estados.");
    if (!QFileInfo(QString::fromStdString(pasta + formato_bd::kArquivoLocalidades)).isFile())
        throw Exception("Erro. Não foi possível localizar o banco de dados contendo as localidades.");

    TfrmFoConsulta dialogo(pasta, pai);
    DefinirContextoAjuda(&dialogo, HelpContext);
    if (IndEstado < 0) throw Exception("É necessário entrar com um índice para o estado");

    dialogo.Estado.SetIndice(IndEstado);
    dialogo.IndEstacao = IndEstacao;
    dialogo.IndLocalidade = IndLocalidade;
    dialogo.ShowAbout = ShowAbout;
    dialogo.TrProjeto = TrProjeto;
    dialogo.Impressora = Impressora;
    if (Precipitacao.K() != 0) dialogo.Registro.K = Precipitacao.K();
    if (Precipitacao.A() != 0) dialogo.Registro.A = Precipitacao.A();
    if (Precipitacao.B() != 0) dialogo.Registro.B = Precipitacao.B();
    if (Precipitacao.C() != 0) dialogo.Registro.C = Precipitacao.C();
    if (CoordenadaDada(Latitude)) dialogo.DefinirLatitudeTexto(Latitude);
    if (CoordenadaDada(Longitude)) dialogo.DefinirLongitudeTexto(Longitude);
    dialogo.PrecK->setText(QString::fromStdString(FormatarFloat("0.000", dialogo.Registro.K)));
    dialogo.PrecA->setText(QString::fromStdString(FormatarFloat("0.0000", dialogo.Registro.A)));
    dialogo.PrecB->setText(QString::fromStdString(FormatarFloat("0.000", dialogo.Registro.B)));
    dialogo.PrecC->setText(QString::fromStdString(FormatarFloat("0.0000", dialogo.Registro.C)));

    if (dialogo.exec() != QDialog::Accepted) return false;

    // Everything is checked on a copy of the storm before anything is taken over, so that a place
    // without parameters (a state without stations) cannot leave a new state with the old parameters.
    const std::array<double, 4> parametros = {NumeroExibido(*dialogo.PrecK), NumeroExibido(*dialogo.PrecA),
                                              NumeroExibido(*dialogo.PrecB), NumeroExibido(*dialogo.PrecC)};
    TPrecipitacaoExponencialNegativa tempestade = Precipitacao;
    tempestade.SetK(parametros[0]);
    tempestade.SetA(parametros[1]);
    tempestade.SetB(parametros[2]);
    tempestade.SetC(parametros[3]);

    IndEstado = dialogo.Estado.Indice();
    StrEstado = dialogo.Estado.Nome();
    Precipitacao = tempestade;
    DefinirAutoria(dialogo.Autoria);
    Latitude = dialogo.StrLatitude;
    Longitude = dialogo.StrLongitude;
    IndEstacao = dialogo.IndEstacao;
    IndLocalidade = dialogo.IndLocalidade;
    StrCidade = dialogo.StrCidade;
    return true;
}

}  // namespace talvek::gui
