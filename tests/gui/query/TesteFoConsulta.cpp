// The IDF query dialog over the shipped database: a station shows its stored parameters, a locality and a
// map point the interpolated ones, typed coordinates are range-checked, the states without a map or
// without data, closing with Fechar, and the query report of the place shown.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <cmath>
#include <filesystem>

#include "ApoioInterface.h"
#include "GravadoresAjuda.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"
#include "query/FoAutor.h"
#include "query/FoConsulta.h"
#include "query/FoRelatNimbal.h"
#include "query/FoSobreNimbal.h"
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

        // Moving over the territory shows the pointer's coordinates; beside it, the zero coordinates.
        c->EstadoBMPMouseMove(ponto.x(), ponto.y());
        QCOMPARE(c->PrecLaAux->text(), Q(TextoCoordenada(esperadas.Latitude)));
        QCOMPARE(c->EstadoBMP->cursor().shape(), Qt::CrossCursor);
        c->EstadoBMPMouseMove(1, 1);
        QCOMPARE(c->PrecLaAux->text(), QStringLiteral("00°00'00\""));
        QCOMPARE(c->EstadoBMP->cursor().shape(), Qt::ArrowCursor);

        const QString antes = Parametros(c.dialogo);
        QTest::mouseClick(c->EstadoBMP, Qt::LeftButton, {}, QPoint(1, 1));  // white corner
        QVERIFY(c->EixoX->isHidden());
        QVERIFY(c->LabelLat->isHidden());
        QCOMPARE(Parametros(c.dialogo), antes);
    }

    // Typed coordinates: inside the territory they give the interpolation; inside the frame but off the
    // territory they clear the displays; outside the frame they are refused, and neither coordinate changes.
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

        // The frame's north-east corner is white on the map: no message, displays cleared.
        c->PrecLaAux->setText(QStringLiteral("14°14'00\""));
        c->PrecLoAux->setText(QStringLiteral("39°52'00\""));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        QVERIFY(usuario.caixas.isEmpty());
        QCOMPARE(Parametros(c.dialogo), QStringLiteral("   "));
        QVERIFY(c->EixoX->isHidden());

        // Regression: a good latitude with a refused longitude used to keep the new latitude.
        const std::string latitudeAntes = c->StrLatitude;
        c->PrecLaAux->setText(QStringLiteral("20°00'00\""));
        c->PrecLoAux->setText(QStringLiteral("60°00'00\""));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        QCOMPARE(usuario.Textos(), QStringList{QStringLiteral("Longitude 60°00'00\" não definida.")});
        QCOMPARE(c->StrLatitude, latitudeAntes);
        QCOMPARE(c->StrLongitude, std::string("39°52'00\""));

        c->PrecLaAux->setText(QStringLiteral("30°00'00\""));
        QTest::mouseClick(c->Calculalalo, Qt::LeftButton);
        QCOMPARE(usuario.Textos().last(), QStringLiteral("Latitude 30°00'00\" não definida."));
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

        TfrmFoRelatNimbal relatorio(c.dialogo, kPasta, &c.dialogo);
        relatorio.show();
        const QString texto = relatorio.Navegador->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("MAPA DE LOCALIZAÇÃO:")));
        QVERIFY(texto.contains(Q(c->StrCidade)));
        GuardarTela(relatorio, QStringLiteral("relatorio_nimbal"));
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

private:
    std::optional<RegionalTemporario> regional_;
};

QTEST_MAIN(TesteFoConsulta)
#include "TesteFoConsulta.moc"
