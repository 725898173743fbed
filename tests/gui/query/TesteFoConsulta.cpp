// The IDF query dialog over the shipped database: a station shows its stored parameters, a locality and a
// map point the interpolated ones, typed coordinates are range-checked, the states without a map or
// without data, closing with Fechar, and the query report of the place shown.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTest>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QChartView>
#include <QLineSeries>

#include <cmath>
#include <filesystem>

#include "ApoioInterface.h"
#include "GravadoresAjuda.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"
#include "query/FoAutor.h"
#include "query/FoConsulta.h"
#include "query/FoCurvasIdf.h"
#include "query/FoRelatNimbal.h"
#include "query/FoSobreNimbal.h"
#include "query/PainelEvidencia.h"
#include "rainfall/Citacoes.h"
#include "rainfall/MapasEstados.h"
#include "rainfall/UnBD.h"

using namespace talvek;
using namespace talvek::gui;
using namespace talvek::gui::teste;

namespace {

const std::string kPasta = TALVEK_ARQUIVOS_COMUNS;
constexpr int kMinasGerais = 12;
constexpr int kAcre = 0;
constexpr int kGoias = 8;
constexpr int kSergipe = 25;

QString Q(const std::string& texto) { return QString::fromStdString(texto); }

// The database as the dialog reads it, read independently.
const TBDPrecipitacao& Banco() {
    static const TBDPrecipitacao banco = [] {
        TBDPrecipitacao bd(kPasta);
        bd.LerEstacoes();
        return bd;
    }();
    return banco;
}

// Position, in file order, of the station whose name comes first in the lists.
const TEstacao& PrimeiraEstacao(int estado) {
    const std::vector<TEstacao>& estacoes = Banco().Estacoes(estado);
    return *std::min_element(estacoes.begin(), estacoes.end(),
                             [](const TEstacao& a, const TEstacao& b) { return NomeAntes(a.Nome, b.Nome); });
}

std::string SemBrancosFinais(std::string texto) {
    while (!texto.empty() && texto.back() == ' ') texto.pop_back();
    return texto;
}

QString Parametros(const TfrmFoConsulta& d) {
    return d.PrecK->text() + " " + d.PrecA->text() + " " + d.PrecB->text() + " " + d.PrecC->text();
}

QString Formatados(const char* k, const char* a, const char* b, const char* c, const TEstacao& r) {
    return Q(FormatarFloat(k, r.K)) + " " + Q(FormatarFloat(a, r.A)) + " " + Q(FormatarFloat(b, r.B)) + " " +
           Q(FormatarFloat(c, r.C));
}

// The dialog opened on `estado` with nothing preset, as the component leaves it before showing.
struct Consulta {
    TfrmFoConsulta dialogo{kPasta};
    explicit Consulta(int estado, int estacao = -1, int localidade = -1) {
        dialogo.Estado.SetIndice(estado);
        dialogo.IndEstacao = static_cast<std::int16_t>(estacao);
        dialogo.IndLocalidade = static_cast<std::int16_t>(localidade);
        dialogo.show();
        (void)QTest::qWaitForWindowExposed(&dialogo);
    }
    TfrmFoConsulta* operator->() { return &dialogo; }
};

// The user picks a state in the list.
void EscolherEstado(TfrmFoConsulta& d, int estado) {
    d.Estados->setCurrentIndex(estado);
    d.EstadosClick();
}

// A pixel of the state's blue territory near the middle of the map.
QPoint PontoAzul(int estado) {
    QImage mapa(Q(kPasta + kEstados[estado].Sigla + ".bmp"));
    for (int r = 0; r < kLadoMapa / 2; ++r)
        for (int dx = -r; dx <= r; ++dx)
            for (const int dy : {-r, r}) {
                const QPoint p(kLadoMapa / 2 + dx, kLadoMapa / 2 + dy);
                if (mapa.valid(p) && mapa.pixelColor(p) == QColor(0, 0, 255)) return p;
            }
    return {-1, -1};
}

bool Azul(int estado, double x, double y) {
    QImage mapa(Q(kPasta + kEstados[estado].Sigla + ".bmp"));
    const QPoint p(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    return mapa.valid(p) && mapa.pixelColor(p) == QColor(0, 0, 255);
}

}  // namespace

class TesteFoConsulta : public QObject {
    Q_OBJECT

private slots:
    void init() { regional_.emplace(ConfiguracaoRegional{',', '.', '/', "dd/mm/yyyy"}); }
    void cleanup() { regional_.reset(); }

    // Choosing a station shows its parameters as stored (general format), its citation key and, on a map
    // state, the marker at its pixel; elsewhere its labels on the map of Brazil.
    void EstacaoMostraParametrosGuardados_data() {
        QTest::addColumn<int>("estado");
        QTest::addColumn<int>("linha");
        QTest::newRow("Minas Gerais, primeira") << kMinasGerais << 0;
        QTest::newRow("Minas Gerais, terceira") << kMinasGerais << 2;
        QTest::newRow("São Paulo, segunda") << 24 << 1;
        QTest::newRow("Goiás (sem mapa), primeira") << kGoias << 0;
    }
    void EstacaoMostraParametrosGuardados() {
        QFETCH(int, estado);
        QFETCH(int, linha);
        Consulta c(kAcre);
        EscolherEstado(c.dialogo, estado);
        c->LBEstacao->setCurrentRow(linha);

        const std::string nome = c->LBEstacao->item(linha)->text().toStdString();
        const auto& estacoes = Banco().Estacoes(estado);
        const auto registro = std::find_if(estacoes.begin(), estacoes.end(),
                                           [&](const TEstacao& e) { return e.Nome == nome; });
        QVERIFY(registro != estacoes.end());
        QCOMPARE(Parametros(c.dialogo), Q(FormatarGeral(registro->K) + " " + FormatarGeral(registro->A) + " " +
                                          FormatarGeral(registro->B) + " " + FormatarGeral(registro->C)));
        QCOMPARE(c->StrCidade, registro->Nome);
        QCOMPARE(c->StrLatitude, registro->Latitude);
        QCOMPARE(c->IndEstacao, linha);
        QCOMPARE(c->LBLocalidade->currentRow(), -1);

        const std::optional<TQuadroMapa> quadro = QuadroDoEstado(estado);
        if (quadro) {
            QCOMPARE(c->Notebook1->currentIndex(), 1);
            QCOMPARE(c->PrecLaAux->text(), Q(registro->Latitude));
            const TPontoMapa p = CoordenadasParaPixel(*quadro, CoordenadaParaGraus(registro->Latitude),
                                                      CoordenadaParaGraus(registro->Longitude));
            const bool dentro = Azul(estado, p.X, p.Y);
            QCOMPARE(!c->EixoX->isHidden(), dentro);
            if (dentro) {
                QCOMPARE(c->EixoY->x(), static_cast<int>(std::lround(p.X)));
                QCOMPARE(c->EixoX->y(), static_cast<int>(std::lround(p.Y)));
                QCOMPARE(c->TextoAutor(), SemBrancosFinais(registro->Autor));
            }
        } else {
            QCOMPARE(c->Notebook1->currentIndex(), 0);
            QCOMPARE(c->NomeCid->text(), Q(SemBrancosFinais(registro->Nome)));
            QVERIFY(!c->NomeCid->isHidden());
            QCOMPARE(c->LabelLatitude->text(), Q(registro->Latitude));
            QCOMPARE(c->TextoAutor(), SemBrancosFinais(registro->Autor));
            GuardarTela(c.dialogo, QStringLiteral("consulta_sem_mapa"));
        }
    }

    // Selecting Minas Gerais fills both lists in name order and shows the first station with its marker.
    void MinasGeraisMostraOMapaEAPrimeiraEstacao() {
        Consulta c(kAcre);
        EscolherEstado(c.dialogo, kMinasGerais);
        QVERIFY(!c->EstadoBMP->isHidden());
        QVERIFY(!c->LBLocalidade->isHidden());
        QVERIFY(c->LBLocalidade->count() > 0);
        QCOMPARE(c->LBEstacao->count(), static_cast<int>(Banco().Estacoes(kMinasGerais).size()));
        for (int i = 1; i < c->LBEstacao->count(); ++i)
            QVERIFY(!NomeAntes(c->LBEstacao->item(i)->text().toStdString(),
                               c->LBEstacao->item(i - 1)->text().toStdString()));
        QCOMPARE(c->StrCidade, PrimeiraEstacao(kMinasGerais).Nome);
        QCOMPARE(c->windowTitle(), QStringLiteral("Nimbal 2.1 - Estado: Minas Gerais     "));
        GuardarTela(c.dialogo, QStringLiteral("consulta_minas_gerais"));
    }

    // A locality gives the values of the interpolation at its coordinates, with the locality pictures.
    void LocalidadeDaOsValoresInterpolados_data() {
        QTest::addColumn<int>("estado");
        QTest::addColumn<int>("linha");
        QTest::newRow("Minas Gerais, primeira") << kMinasGerais << 0;
        QTest::newRow("Minas Gerais, décima") << kMinasGerais << 9;
        QTest::newRow("Paraná, quinta") << 15 << 4;
        QTest::newRow("Tocantins, segunda") << 26 << 1;
    }
    void LocalidadeDaOsValoresInterpolados() {
        QFETCH(int, estado);
        QFETCH(int, linha);
        Consulta c(estado, -1, -1);
        c->LBLocalidade->setCurrentRow(linha);

        TBDPrecipitacao bd(kPasta);
        bd.LerLocalidades(estado);
        const std::string nome = c->LBLocalidade->item(linha)->text().toStdString();
        const auto& localidades = bd.Localidades();
        const auto localidade = std::find_if(localidades.begin(), localidades.end(),
                                             [&](const TLocalidade& l) { return l.Nome == nome; });
        QVERIFY(localidade != localidades.end());
        const TEstacao esperado = Banco().Interpolar(localidade->Latitude, localidade->Longitude);
        QCOMPARE(Parametros(c.dialogo), Formatados("####.000", "0.000", "##.000", "0.000", esperado));
        QCOMPARE(c->Registro, esperado);
        QCOMPARE(c->IndLocalidade, linha);
        QCOMPARE(c->LBEstacao->currentRow(), -1);
        QCOMPARE(c->PrecLoAux->text(), Q(localidade->Longitude));
        if (!c->EixoX->isHidden()) QCOMPARE(c->TextoAutor(), std::string("Interpolação"));
        GuardarTela(c.dialogo, QStringLiteral("consulta_localidade_%1").arg(estado));
    }

    // A click on the territory puts the pixel's coordinates (seconds truncated) in the fields and shows
    // the interpolation there; a click beside it only hides the marker.
    void CliqueNoMapaDaCoordenadasEInterpola() {
        Consulta c(kMinasGerais);
        const QPoint ponto = PontoAzul(kMinasGerais);
        QVERIFY(ponto.x() >= 0);
        QTest::mouseClick(c->EstadoBMP, Qt::LeftButton, {}, ponto);

        const TCoordenadas esperadas = PixelParaCoordenadas(*QuadroDoEstado(kMinasGerais), ponto.x(), ponto.y());
        QCOMPARE(c->PrecLaAux->text(), Q(TextoCoordenada(esperadas.Latitude)));
        QCOMPARE(c->PrecLoAux->text(), Q(TextoCoordenada(esperadas.Longitude)));
        QCOMPARE(c->StrCidade, std::string("Não definida"));
        const TEstacao esperado = Banco().Interpolar(TextoCoordenada(esperadas.Latitude),
                                                     TextoCoordenada(esperadas.Longitude));
        QCOMPARE(Parametros(c.dialogo), Formatados("###0.000", "0.000", "#0.000", "0.000", esperado));
        QCOMPARE(c->EixoY->x(), ponto.x());
        QCOMPARE(c->EixoX->y(), ponto.y());
        QCOMPARE(c->LBEstacao->currentRow(), -1);
        QCOMPARE(c->TextoAutor(), std::string("Interpolação"));

        // Moving over the territory shows the pointer's coordinates, with the cross.
        c->EstadoBMPMouseMove(ponto.x(), ponto.y());
        QCOMPARE(c->PrecLaAux->text(), Q(TextoCoordenada(esperadas.Latitude)));
        QCOMPARE(c->EstadoBMP->cursor().shape(), Qt::CrossCursor);
    }

    // Regression: beside the territory the coordinate fields read 00°00'00", a false zero, after a move
    // and after a click. Now a point of the frame shows its own coordinates, one outside the frame none;
    // a click there keeps the parameters, the place and the marker.
    void PonteiroForaDoTerritorio_data() {
        const TQuadroMapa quadro = *QuadroDoEstado(kMinasGerais);
        QTest::addColumn<QPoint>("ponto");
        QTest::addColumn<bool>("noQuadro");
        QTest::newRow("no quadro, fora do estado") << QPoint(quadro.OrigemX + quadro.Largura - 1, quadro.OrigemY + 1)
                                                    << true;
        QTest::newRow("fora do quadro") << QPoint(1, 1) << false;
    }

    void PonteiroForaDoTerritorio() {
        QFETCH(QPoint, ponto);
        QFETCH(bool, noQuadro);
        QVERIFY(!Azul(kMinasGerais, ponto.x(), ponto.y()));
        Consulta c(kMinasGerais);
        const TCoordenadas coordenadas = PixelParaCoordenadas(*QuadroDoEstado(kMinasGerais), ponto.x(), ponto.y());
        const std::string latitude = noQuadro ? TextoCoordenada(coordenadas.Latitude) : "  °  '  \"";
        const std::string longitude = noQuadro ? TextoCoordenada(coordenadas.Longitude) : "  °  '  \"";

        c->EstadoBMPMouseMove(ponto.x(), ponto.y());
        QCOMPARE(TfrmFoConsulta::TextoDoCampo(*c->PrecLaAux), latitude);
        QCOMPARE(c->EstadoBMP->cursor().shape(), Qt::ArrowCursor);

        const QString antes = Parametros(c.dialogo);
        const std::string lugar = c->StrCidade, latitudeGuardada = c->StrLatitude;
        c->EstadoBMPMouseMove(PontoAzul(kMinasGerais).x(), PontoAzul(kMinasGerais).y());  // a move elsewhere first
        QTest::mouseClick(c->EstadoBMP, Qt::LeftButton, {}, ponto);
        QCOMPARE(TfrmFoConsulta::TextoDoCampo(*c->PrecLaAux), latitude);
        QCOMPARE(TfrmFoConsulta::TextoDoCampo(*c->PrecLoAux), longitude);
        QVERIFY(c->EixoX->isHidden());
        QVERIFY(c->LabelLat->isHidden());
        QCOMPARE(Parametros(c.dialogo), antes);
        QCOMPARE(c->StrCidade, lugar);
        QCOMPARE(c->StrLatitude, latitudeGuardada);
        if (noQuadro) GuardarTela(c.dialogo, QStringLiteral("consulta_clique_fora"));
    }

    // Typed coordinates: inside the territory they give the interpolation; inside the frame but off the
    // territory they are refused with a message, as outside the frame, and nothing changes. Regression:
    // off the territory the displays were emptied and the place kept, so that Fechar then failed.
    void CalcularComCoordenadasDigitadas() {
        Usuario usuario;
        Consulta c(kMinasGerais, -1, -1);
        const QPoint ponto = PontoAzul(kMinasGerais);
        const TCoordenadas dentro = PixelParaCoordenadas(*QuadroDoEstado(kMinasGerais), ponto.x(), ponto.y());
        c->PrecLaAux->setText(Q(TextoCoordenada(dentro.Latitude)));
        c->PrecLoAux->setText(Q(TextoCoordenada(dentro.Longitude)));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        const TEstacao esperado = Banco().Interpolar(TextoCoordenada(dentro.Latitude), TextoCoordenada(dentro.Longitude));
        QCOMPARE(c->Registro.K, esperado.K);
        QVERIFY(!c->PrecK->text().isEmpty());
        QVERIFY(usuario.caixas.isEmpty());

        // The frame's north-east corner is white on the map.
        const QString antes = Parametros(c.dialogo);
        const QPoint marca(c->EixoY->x(), c->EixoX->y());
        c->PrecLaAux->setText(QStringLiteral("14°14'00\""));
        c->PrecLoAux->setText(QStringLiteral("39°52'00\""));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        QCOMPARE(usuario.Textos(),
                 QStringList{QStringLiteral("O ponto de latitude 14°14'00\" e longitude 39°52'00\" fica fora do "
                                            "estado escolhido (Minas Gerais): os parâmetros e o local mostrados "
                                            "não mudaram.")});
        QCOMPARE(Parametros(c.dialogo), antes);
        QCOMPARE(c->StrCidade, std::string("Não definida"));
        QCOMPARE(c->StrLatitude, TextoCoordenada(dentro.Latitude));
        QCOMPARE(c->StrLongitude, TextoCoordenada(dentro.Longitude));
        QVERIFY(!c->EixoX->isHidden());
        QCOMPARE(QPoint(c->EixoY->x(), c->EixoX->y()), marca);

        // Regression: a good latitude with a refused longitude used to keep the new latitude.
        const std::string latitudeAntes = c->StrLatitude;
        c->PrecLaAux->setText(QStringLiteral("20°00'00\""));
        c->PrecLoAux->setText(QStringLiteral("60°00'00\""));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        QCOMPARE(usuario.Textos().last(), QStringLiteral("Longitude 60°00'00\" não definida."));
        QCOMPARE(c->StrLatitude, latitudeAntes);
        QCOMPARE(c->StrLongitude, TextoCoordenada(dentro.Longitude));

        c->PrecLaAux->setText(QStringLiteral("30°00'00\""));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        QCOMPARE(usuario.Textos().last(), QStringLiteral("Latitude 30°00'00\" não definida."));
    }

    // Coordinates preset by the opener off the territory: the message at the opening, and the displays
    // show the parameters preset, so that Fechar can take them. On the map of Brazil nothing is tested.
    void PontoGuardadoForaDoTerritorioMostraOsParametrosGuardados_data() {
        QTest::addColumn<int>("estado");
        QTest::addColumn<int>("mensagens");
        QTest::newRow("Minas Gerais") << kMinasGerais << 1;
        QTest::newRow("Goiás") << kGoias << 0;
    }

    void PontoGuardadoForaDoTerritorioMostraOsParametrosGuardados() {
        QFETCH(int, estado);
        QFETCH(int, mensagens);
        Usuario usuario;
        TfrmFoConsulta d(kPasta);
        d.Estado.SetIndice(estado);
        d.DefinirLatitudeTexto("14°14'00\"");
        d.DefinirLongitudeTexto("39°52'00\"");
        d.Registro.K = 1234.5;
        d.Registro.A = 0.18;
        d.Registro.B = 12;
        d.Registro.C = 0.85;
        d.show();
        (void)QTest::qWaitForWindowExposed(&d);
        QCOMPARE(usuario.Textos().size(), mensagens);
        if (mensagens == 0) return;
        QVERIFY(usuario.Textos().first().startsWith(QStringLiteral("O ponto de latitude 14°14'00\"")));
        QCOMPARE(Parametros(d), QStringLiteral("1234,5 0,18 12 0,85"));
    }

    // Regression: a new project's query opened on a state without stations (Acre) with nothing to say.
    // Such a state shows the map of Brazil with a line naming the states that have stations; the state
    // list gives each of these its number of stations.
    void EstadosComESemEstacoes_data() {
        QTest::addColumn<int>("estado");
        QTest::newRow("Acre, sem estações") << kAcre;
        QTest::newRow("Sergipe, sem dados") << kSergipe;
        QTest::newRow("Minas Gerais, mapa próprio") << kMinasGerais;
        QTest::newRow("Goiás, no mapa do Brasil") << kGoias;
    }

    void EstadosComESemEstacoes() {
        QFETCH(int, estado);
        Consulta c(kMinasGerais);
        EscolherEstado(c.dialogo, estado);
        const std::size_t estacoes = Banco().Estacoes(estado).size();
        const QString nome = QString::fromUtf8(kEstados[estado].Nome);
        QCOMPARE(c->Estados->itemText(estado),
                 estacoes == 0 ? nome : nome + QStringLiteral(" (%1)").arg(estacoes));
        QCOMPARE(c->lSemEstacoes->isVisible(), estacoes == 0);
        if (estacoes > 0) return;
        QCOMPARE(c->Notebook1->currentIndex(), 0);
        const QString linha = c->lSemEstacoes->text();
        QVERIFY(linha.startsWith(QStringLiteral("Não há estações de ") + nome));
        for (int outro = 0; outro < kNumeroEstados; ++outro)
            QCOMPARE(linha.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(kEstados[outro].Sigla))),
                     !Banco().Estacoes(outro).empty());
        QVERIFY(linha.contains(QStringLiteral("coordenadas digitadas")));
        GuardarTela(c.dialogo, QStringLiteral("consulta_sem_estacoes"));
    }

    // Regression: at its minimum size (640 pixels on this screen) the query report wrapped every
    // "LOCALIZAÇÃO" cell, label and value on two lines, under a horizontal scroll bar it did not need.
    void RelatorioNoTamanhoMinimo() {
        Consulta c(kMinasGerais, 0, -1);
        QPrinter impressora;
        TfrmFoRelatNimbal relatorio(c.dialogo, kPasta, impressora, &c.dialogo);
        relatorio.show();
        relatorio.setWindowState(Qt::WindowNoState);
        relatorio.resize(relatorio.minimumSize());
        QTRY_COMPARE(relatorio.size(), relatorio.minimumSize());
        QTest::qWait(0);
        QCOMPARE(relatorio.Navegador->horizontalScrollBar()->maximum(), 0);
        const QTextDocument* documento = relatorio.Navegador->document();
        for (const QString& rotulo : {QStringLiteral("Localidade: "), QStringLiteral("Estado: "),
                                      QStringLiteral("Latitude: "), QStringLiteral("Longitude: ")}) {
            int linhas = 0;
            for (QTextBlock bloco = documento->begin(); bloco.isValid(); bloco = bloco.next())
                if (bloco.text().contains(rotulo)) linhas = bloco.layout()->lineCount();
            QVERIFY2(linhas == 1, qPrintable(rotulo));
        }
        GuardarTela(relatorio, QStringLiteral("relatorio_nimbal_minimo"));
    }

    // The query report prints on the printer it is given, the program's one.
    void RelatorioImprimeNaImpressoraDoPrograma() {
        QTemporaryDir pasta;
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = QDir(pasta.path()).filePath(QStringLiteral("consulta.pdf"));
        impressora.setOutputFileName(pdf);
        Consulta c(kMinasGerais);
        c->Impressora = &impressora;
        QPrinter* usada = nullptr;
        AoAbrirModal<TfrmFoRelatNimbal>([&usada](TfrmFoRelatNimbal& relatorio) {
            relatorio.ConfirmarImpressao = [&usada](QPrinter& escolhida) {
                usada = &escolhida;
                return true;
            };
            relatorio.Imprimir->trigger();
        });
        c->BtnRelat->click();
        QCOMPARE(usada, &impressora);
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

    // Degrees to text truncate the seconds; a value outside the frame of the map state changes nothing.
    void DefinirLatitudeELongitudeEmGraus() {
        Consulta c(kMinasGerais);
        c->DefinirLatitude(20.5);
        QCOMPARE(c->StrLatitude, std::string("20°30'00\""));
        QCOMPARE(c->Latitude, 20.5);
        c->DefinirLongitude(45.999999);
        QCOMPARE(c->StrLongitude, std::string("45°59'59\""));
        c->DefinirLatitude(30.0);  // south of Minas Gerais
        QCOMPARE(c->StrLatitude, std::string("20°30'00\""));
    }

    // Sergipe has no data: the citation button is emptied and disabled; the map of Brazil is shown.
    void EstadoSemDadosDesabilitaOAutor() {
        Consulta c(kMinasGerais);
        EscolherEstado(c.dialogo, kSergipe);
        QCOMPARE(c->TextoAutor(), std::string());
        QVERIFY(!c->Autor->isEnabled());
        QCOMPARE(c->Notebook1->currentIndex(), 0);
        QVERIFY(c->EstadoBMP->isHidden());
        QVERIFY(!c->Calculalalo->isEnabled());
    }

    // A click on a state's colour on the map of Brazil selects it; black selects nothing new.
    void MapaDoBrasilSelecionaPelaCor() {
        Consulta c(kAcre);
        const QImage& brasil = c->ImagemBrasil();
        QPoint azulMinas(-1, -1);
        for (int y = 0; y < brasil.height() && azulMinas.x() < 0; ++y)
            for (int x = 0; x < brasil.width(); ++x)
                if (brasil.pixelColor(x, y) == QColor(0, 0, 255)) {
                    azulMinas = {x, y};
                    break;
                }
        QVERIFY(azulMinas.x() >= 0);
        QTest::mouseClick(c->BrasilBMP, Qt::LeftButton, {}, azulMinas);
        QCOMPARE(c->Estado.Indice(), kMinasGerais);
        QCOMPARE(c->Notebook1->currentIndex(), 1);

        c->MapadoBrasilClick();
        QCOMPARE(c->Estado.Indice(), kAcre);
        QCOMPARE(c->Notebook1->currentIndex(), 0);
    }

    // Fechar takes the list positions and the citation key; the caption "Autor" is no key.
    void FecharTomaPosicoesEChave() {
        Consulta c(kAcre, -1, -1);
        {
            TfrmFoConsulta d(kPasta);  // nothing chosen yet: the button still reads "Autor"
            QCOMPARE(d.Autor->text(), QStringLiteral("Autor"));
            d.BtnOkClick();
            QCOMPARE(d.Autoria, std::string());
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        EscolherEstado(c.dialogo, kMinasGerais);
        c->LBEstacao->setCurrentRow(1);
        c->BtnOkClick();
        QCOMPARE(c->IndEstacao, 1);
        QCOMPARE(c->IndLocalidade, -1);
        QCOMPARE(c->Autoria, c->TextoAutor());
        QVERIFY(!c->Autoria.empty());
    }

    // A station preset by the opener is shown when the dialog opens, not the first one.
    void AberturaMostraAEstacaoGuardada() {
        Consulta c(kMinasGerais, 3, 0);
        QCOMPARE(c->LBEstacao->currentRow(), 3);
        QCOMPARE(c->StrCidade, c->LBEstacao->item(3)->text().toStdString());
        // A stale position beyond the list shows nothing rather than another station.
        Consulta d(kMinasGerais, 30000, -1);
        QCOMPARE(d->LBEstacao->currentRow(), -1);
    }

    // A state whose map is missing: the message, and the previous state comes back.
    void MapaAusenteVoltaAoEstadoAnterior() {
        Usuario usuario;
        QTemporaryDir pasta;
        for (const char* arquivo : {"Estados_Nim21.bin", "Localidades_Nim21.bin", "Brasil.bmp", "SP.bmp"})
            QVERIFY(QFile::copy(Q(kPasta + arquivo), QDir(pasta.path()).filePath(QString::fromLatin1(arquivo))));
        TfrmFoConsulta d(pasta.path().toStdString() + "/");
        d.Estado.SetIndice(24);
        d.show();
        d.Estados->setCurrentIndex(kMinasGerais);
        QTest::qWait(0);
        emit d.Estados->activated(kMinasGerais);
        QCOMPARE(usuario.Textos(), QStringList{QStringLiteral(
                                       "Erro. Não foi possível localizar o arquivo BMP do estado selecinado "
                                       "(Minas Gerais).")});
        QCOMPARE(d.Estado.Indice(), 24);
        QCOMPARE(d.Estados->currentIndex(), 24);
        QVERIFY(!d.EstadoBMP->isHidden());
    }

    // The about box comes at the first showing only, when asked for.
    void SobreNaPrimeiraAtivacao() {
        TfrmFoConsulta d(kPasta);
        d.ShowAbout = true;
        d.show();
        int vezes = 0;
        AoAbrirModal<TfrmFoSobreNimbal>([&vezes](TfrmFoSobreNimbal& sobre) {
            ++vezes;
            GuardarTela(sobre, QStringLiteral("sobre_nimbal"));
            QTest::keyClick(&sobre, Qt::Key_Space);
        });
        QTRY_COMPARE(vezes, 1);
        QVERIFY(!d.PrimeiraAtivacao);
        d.hide();
        QTimer::singleShot(20, [&vezes] {
            if (auto* sobre = dynamic_cast<TfrmFoSobreNimbal*>(QApplication::activeModalWidget())) {
                ++vezes;
                sobre->accept();
            }
        });
        d.show();
        QTest::qWait(50);
        QCOMPARE(vezes, 1);
    }

    // A station's key opens its citation: authors, title and publication.
    void AutorDeEstacaoMostraACitacao() {
        Consulta c(kMinasGerais, 0, -1);
        const std::optional<TCitacao> citacao = ProcurarCitacao(c->TextoAutor());
        QVERIFY(citacao.has_value());
        QString titulo;
        AoAbrirModal<TfrmFoAutor>([&titulo](TfrmFoAutor& janela) {
            titulo = janela.Livro->text();
            GuardarTela(janela, QStringLiteral("citacao"));
            janela.accept();
        });
        c->AutorClick();
        QCOMPARE(titulo, QString::fromUtf8(citacao->Titulo));
    }

    // "Interpolação" opens the note on the method instead of a citation.
    void AutorDeInterpolacaoMostraANota() {
        Usuario usuario;
        Consulta c(kMinasGerais, -1, 0);
        QCOMPARE(c->TextoAutor(), std::string("Interpolação"));
        QTest::mouseClick(c->Autor, Qt::LeftButton);
        QCOMPARE(usuario.caixas.size(), 1);
        QCOMPARE(usuario.caixas[0].titulo, QStringLiteral("Informação"));
        QVERIFY(usuario.caixas[0].texto.startsWith(QStringLiteral("Interpolação realizada utilizando")));
    }

    // The report shows the dialog's place and parameters, with the map only for a map state.
    void RelatorioDoLugarMostrado() {
        Consulta c(kMinasGerais, -1, 0);
        TDadosRelatorioNimbal dados = TfrmFoRelatNimbal::DadosRelatorio(c.dialogo, kPasta, "09/12/2026");
        QCOMPARE(dados.Localidade, c->StrCidade);
        QCOMPARE(dados.Estado, std::string("Minas Gerais"));
        QCOMPARE(Q(dados.Parametros[0]), c->PrecK->text());
        QVERIFY(dados.Mapa.has_value());
        QCOMPARE(dados.Mapa->Largura, 450);

        const QImage mapa = TfrmFoRelatNimbal::MapaComPonto(c.dialogo);
        QCOMPARE(mapa.pixelColor(c->EixoY->x(), c->EixoX->y()), QColor(Qt::black));
        QCOMPARE(c->ImagemEstado().pixelColor(c->EixoY->x(), c->EixoX->y()), QColor(0, 0, 255));

        QPrinter impressora;
        TfrmFoRelatNimbal relatorio(c.dialogo, kPasta, impressora, &c.dialogo);
        relatorio.show();
        const QString texto = relatorio.Navegador->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("MAPA DE LOCALIZAÇÃO:")));
        QVERIFY(texto.contains(Q(c->StrCidade)));
        QVERIFY(texto.contains(QStringLiteral("ESTAÇÕES QUE CONTRIBUEM:")));
        QVERIFY(texto.contains(Q(c->Evidencia.Estacoes.at(0).Nome)));
        GuardarTela(relatorio, QStringLiteral("relatorio_nimbal"));
        relatorio.Navegador->verticalScrollBar()->setValue(relatorio.Navegador->verticalScrollBar()->maximum());
        GuardarTela(relatorio, QStringLiteral("relatorio_nimbal_estacoes"));
        // "Exportar PDF…" outside a project: the report's own title.
        Usuario usuario;
        QTemporaryDir pasta;
        usuario.arquivosSalvar = {pasta.filePath(QStringLiteral("consulta.pdf"))};
        relatorio.ExportarPdf->trigger();
        QCOMPARE(usuario.dialogosSalvar.last().nomeInicial, Q(kTituloRelatorioNimbal) + QStringLiteral(".pdf"));
        QFile pdf(pasta.filePath(QStringLiteral("consulta.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.readAll().contains("<dc:title><rdf:Alt>"));
        relatorio.close();

        EscolherEstado(c.dialogo, kGoias);
        QVERIFY(!TfrmFoRelatNimbal::DadosRelatorio(c.dialogo, kPasta, "").Mapa);
    }

    // A locality's panel lists the interpolation's own weights: recomputed from them, K is the dialog's K.
    // A station shows itself, 100 %. Every station of the state is a dot; clicking one selects it.
    void PainelEPontosDasEstacoes() {
        Consulta c(kMinasGerais, -1, 0);
        const TEvidenciaChuva& e = c->Evidencia;
        QVERIFY(e.Estacoes.size() > kEstacoesListadas);
        double k = 0;
        for (const TEstacaoContribuinte& s : e.Estacoes) k += s.Peso * s.K;
        QVERIFY(std::abs(k - c->Registro.K) <= 1e-12 * c->Registro.K);
        QTableWidget& tabela = *c->PainelEvidencia->Tabela;
        QCOMPARE(tabela.rowCount(), 11);
        QCOMPARE(tabela.item(0, 0)->text(), Q(e.Estacoes[0].Nome));
        QVERIFY(tabela.item(10, 0)->text().startsWith(QStringLiteral("outras ")));
        QVERIFY(c->PainelEvidencia->CurvasIdf->isEnabled());

        const std::vector<TPontoEstacao>& pontos = c->PontosEstacoes();
        QCOMPARE(static_cast<int>(pontos.size()), c->LBEstacao->count());
        // A dot alone in its neighbourhood, clicked: its station is selected and shown, 100 %.
        const auto sozinho = std::find_if(pontos.begin(), pontos.end(), [&](const TPontoEstacao& p) {
            return std::none_of(pontos.begin(), pontos.end(), [&](const TPontoEstacao& q) {
                return &q != &p && QLineF(p.Pixel, q.Pixel).length() < 12;
            });
        });
        QVERIFY(sozinho != pontos.end());
        const int linha = sozinho->Linha;
        const QString nome = sozinho->Nome;
        const QPoint pixel = sozinho->Pixel.toPoint();
        QVERIFY(c->EstadoBMP->pixmap().toImage().pixelColor(pixel) != c->ImagemEstado().pixelColor(pixel));
        QMouseEvent sobre(QEvent::MouseMove, QPointF(pixel), c->EstadoBMP->mapToGlobal(QPointF(pixel)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c->EstadoBMP, &sobre);
        QCOMPARE(QToolTip::text(), nome);
        QTest::mouseClick(c->EstadoBMP, Qt::LeftButton, {}, pixel);
        QCOMPARE(c->LBEstacao->currentRow(), linha);
        QCOMPARE(Q(SemBrancosFinais(c->StrCidade)), nome);
        QCOMPARE(c->Evidencia.Estacoes.size(), std::size_t{1});
        QCOMPARE(c->Evidencia.Estacoes[0].Peso, 1.0);
        QCOMPARE(tabela.item(0, 3)->text(), QStringLiteral("100,0 %"));
        GuardarTela(c.dialogo, QStringLiteral("consulta_estacao"));

        // A state without a map: its stations on the map of Brazil.
        EscolherEstado(c.dialogo, kGoias);
        QCOMPARE(c->PontosEstacoes().size(), Banco().Estacoes(kGoias).size());
        GuardarTela(c.dialogo, QStringLiteral("consulta_goias"));
    }

    // A map point far from every gauge shows the warning in the panel, as the core words it.
    void AvisoDeEvidenciaFracaNoPainel() {
        Consulta c(4);  // Bahia
        const QImage mapa(Q(kPasta + "BA.bmp"));
        for (int y = 5; y < kLadoMapa; y += 15)
            for (int x = 5; x < kLadoMapa; x += 15) {
                if (mapa.pixelColor(x, y) != QColor(0, 0, 255)) continue;
                const TCoordenadas g = PixelParaCoordenadas(*QuadroDoEstado(4), x, y);
                const TEvidenciaChuva e =
                    EvidenciaInterpolacao(Banco(), TextoCoordenada(g.Latitude), TextoCoordenada(g.Longitude));
                if (e.Avisos.empty()) continue;
                QTest::mouseClick(c->EstadoBMP, Qt::LeftButton, {}, QPoint(x, y));
                QVERIFY(!c->PainelEvidencia->Avisos->isHidden());
                QVERIFY(c->PainelEvidencia->Avisos->text().contains(Q(e.Avisos[0])));
                GuardarTela(c.dialogo, QStringLiteral("consulta_aviso"));
                return;
            }
        QFAIL("no point of Bahia with thin evidence");
    }

    // The curves of 2 to 100 years and the project's 15 years, emphasised; the table of the worked storm.
    void CurvasETabelaIdf() {
        TfrmFoCurvasIdf curvas({1000, 0.2, 10, 0.8}, 15);
        const QList<QAbstractSeries*> series = curvas.Grafico->chart()->series();
        QCOMPARE(series.size(), 7);
        const auto* projeto = static_cast<QLineSeries*>(series[3]);
        QCOMPARE(projeto->name(), QStringLiteral("Tr = 15 anos"));
        QVERIFY(projeto->pen().widthF() > static_cast<QLineSeries*>(series[2])->pen().widthF());
        QCOMPARE(curvas.Intensidades->verticalHeaderItem(2)->text(), QStringLiteral("Tr 10"));
        QCOMPARE(curvas.Intensidades->item(2, 1)->text(), QStringLiteral("144,3"));  // 144.270 mm/h in 10 min
        QCOMPARE(curvas.Laminas->item(2, 4)->text(), QStringLiteral("53,0"));        // 52.957 mm in 60 min
        QVERIFY(curvas.Intensidades->item(3, 0)->font().bold());
        curvas.show();
        (void)QTest::qWaitForWindowExposed(&curvas);
        GuardarTela(curvas, QStringLiteral("curvas_idf"));
    }

private:
    std::optional<RegionalTemporario> regional_;
};

QTEST_MAIN(TesteFoConsulta)
#include "TesteFoConsulta.moc"
