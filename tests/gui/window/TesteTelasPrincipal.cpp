// Every page of the main window as a person sees it: no label, button or list cut short and no two
// controls on top of each other, in both system types and both channel types. With TALVEK_TELAS set to
// a folder, each page is also saved there as a PNG.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include "ApoioJanela.h"
#include "common/Figuras.h"
#include "window/uEntradaDados.h"
#include "window/uResultados.h"

namespace talvek::gui::teste {

namespace {

void GuardarTela(QWidget& janela, const QString& nome) {
    const QString pasta = qEnvironmentVariable("TALVEK_TELAS");
    if (pasta.isEmpty()) return;
    QDir().mkpath(pasta);
    QVERIFY(janela.grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png"))));
}

bool Folha(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           dynamic_cast<const TQuadroFigura*>(w);
}

// The controls of `pagina` that are shown, with their rectangles in the page's coordinates.
QList<QPair<QWidget*, QRect>> ControlesVisiveis(QWidget& pagina) {
    QList<QPair<QWidget*, QRect>> controles;
    for (QWidget* w : pagina.findChildren<QWidget*>()) {
        if (!Folha(w) || !w->isVisibleTo(&pagina) || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (w->inherits("QLineEdit") && qobject_cast<QComboBox*>(w->parentWidget())) continue;
        controles.append({w, QRect(w->mapTo(&pagina, QPoint(0, 0)), w->size())});
    }
    return controles;
}

QString Nome(const QWidget* w) {
    if (auto* rotulo = qobject_cast<const QLabel*>(w)) return QStringLiteral("rótulo \"%1\"").arg(rotulo->text());
    if (auto* botao = qobject_cast<const QAbstractButton*>(w)) return QStringLiteral("botão \"%1\"").arg(botao->text());
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

void VerificarLegibilidade(QWidget& pagina, const QString& tela) {
    const auto controles = ControlesVisiveis(pagina);
    for (const auto& [controle, area] : controles) {
        if (!qobject_cast<QLineEdit*>(controle) && !dynamic_cast<TQuadroFigura*>(controle))
            QVERIFY2(controle->width() >= controle->minimumSizeHint().width() &&
                         controle->height() >= controle->minimumSizeHint().height(),
                     qPrintable(tela + QStringLiteral(": ") + Nome(controle) + QStringLiteral(" cortado")));
        QVERIFY2(pagina.rect().contains(area),
                 qPrintable(tela + QStringLiteral(": ") + Nome(controle) + QStringLiteral(" fora da página")));
    }
    for (qsizetype i = 0; i < controles.size(); ++i)
        for (qsizetype j = i + 1; j < controles.size(); ++j)
            QVERIFY2(!controles[i].second.intersects(controles[j].second),
                     qPrintable(tela + QStringLiteral(": ") + Nome(controles[i].first) + QStringLiteral(" sobre ") +
                                Nome(controles[j].first)));
}

void PreencherExemplo(TPaginaEntrada& e) {
    Digitar(e.TTempo, QStringLiteral("24"));
    Digitar(e.TTr, QStringLiteral("10"));
    Digitar(e.PrecK, QStringLiteral("1000"));
    Digitar(e.PrecA, QStringLiteral("0,2"));
    Digitar(e.PrecB, QStringLiteral("10"));
    Digitar(e.PrecC, QStringLiteral("0,8"));
    Digitar(e.PrecLa1, QStringLiteral("211400"));
    Digitar(e.PrecLo1, QStringLiteral("450000"));
    Digitar(e.Tsc, QStringLiteral("0,002"));
    Digitar(e.TComp, QStringLiteral("100"));
    Digitar(e.RugCan, QStringLiteral("0,03"));
    Digitar(e.Bst, QStringLiteral("0,5"));
    Digitar(e.Zsm, QStringLiteral("1"));
    Digitar(e.TDecli, QStringLiteral("0,02"));
    Digitar(e.RugTer, QStringLiteral("0,1"));
    Digitar(e.Teh, QStringLiteral("20"));
    Digitar(e.TVib, QStringLiteral("20"));
}

}  // namespace

class TesteTelasPrincipal : public QObject {
    Q_OBJECT

private slots:
    void init() { DefinirRegional(Virgula()); }

    void PaginasLegiveis_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("canal");
        QTest::addColumn<bool>("minima");  // the window at its smallest size
        QTest::addColumn<QString>("rugosidade");  // of the channel
        QTest::addColumn<QString>("vib");
        QTest::addColumn<QString>("avisos");      // the warning line under the results
        const QString n = QStringLiteral("0,03"), vib = QStringLiteral("20");
        QTest::newRow("com inundação, trapezoidal") << 0 << 0 << false << n << vib << QString();
        QTest::newRow("com inundação, triangular") << 0 << 1 << false << n << vib << QString();
        QTest::newRow("sem inundação, trapezoidal") << 1 << 0 << false << n << vib << QString();
        QTest::newRow("sem inundação, triangular") << 1 << 1 << false << n << vib << QString();
        QTest::newRow("sem inundação, triangular, mínima") << 1 << 1 << true << n << vib << QString();
        QTest::newRow("com inundação, trapezoidal, mínima") << 0 << 0 << true << n << vib << QString();
        QTest::newRow("sem inundação, com avisos, mínima")
            << 1 << 0 << true << QStringLiteral("0,5") << QStringLiteral("400")
            << QStringLiteral("Não há escoamento: a intensidade da chuva não supera a VIB.\n"
                              "Rugosidade do canal = 0,5: fora da faixa usual, de 0,01 a 0,2.\n"
                              "VIB = 400 mm/h: acima do usual, até 300 mm/h.");
    }

    void PaginasLegiveis() {
        QFETCH(int, sistema);
        QFETCH(int, canal);
        QFETCH(bool, minima);
        QFETCH(QString, rugosidade);
        QFETCH(QString, vib);
        QFETCH(QString, avisos);
        const QString sufixo = QStringLiteral("-sistema%1-canal%2%3%4")
                                   .arg(sistema + 2)
                                   .arg(canal)
                                   .arg(minima ? "-minima" : "")
                                   .arg(avisos.isEmpty() ? "" : "-avisos");
        Usuario usuario;
        JanelaDeTeste janela;
        if (minima) janela->resize(janela->minimumSizeHint());
        VerificarLegibilidade(*janela->Paginas->widget(TFPrincipal::PaginaInicial), QStringLiteral("inicial"));
        GuardarTela(*janela.janela, QStringLiteral("0-inicial"));

        NovoProjeto(*janela.janela);
        TPaginaEntrada& entrada = *janela->Entrada;
        entrada.CBSistema->setCurrentIndex(sistema);
        emit entrada.CBSistema->activated(sistema);
        entrada.Canal->setCurrentIndex(canal);
        emit entrada.Canal->activated(canal);
        PreencherExemplo(entrada);
        janela->CanalDrenagem.Material = {1, 0.457};  // bare fine sand: the verdict lines are on the page too
        Digitar(entrada.RugCan, rugosidade);
        Digitar(entrada.TVib, vib);
        QCoreApplication::processEvents();
        VerificarLegibilidade(entrada, QStringLiteral("entrada") + sufixo);
        GuardarTela(*janela.janela, QStringLiteral("1-entrada") + sufixo);

        janela->CalcularClick();
        QCOMPARE(usuario.Textos(), QStringList());
        QCOMPARE(janela->PaginaAtual(), int(TFPrincipal::PaginaResultados));
        QCoreApplication::processEvents();
        TPaginaResultados& resultados = *janela->Resultados;
        QCOMPARE(resultados.LAvisos->isVisibleTo(&resultados), !avisos.isEmpty());
        QCOMPARE(resultados.LAvisos->text(), avisos);
        if (vib == QStringLiteral("400")) {  // no runoff: a zero flow and height are numbers
            QCOMPARE(resultados.LQ->text(), QStringLiteral("0,0"));
            QCOMPARE(resultados.HUni->text(), QStringLiteral("0,0"));
        }
        VerificarLegibilidade(resultados, QStringLiteral("resultados") + sufixo);
        GuardarTela(*janela.janela, QStringLiteral("2-resultados") + sufixo);
        janela->GerenteSys1.Alterado = false;
    }
};

}  // namespace talvek::gui::teste

QTEST_MAIN(talvek::gui::teste::TesteTelasPrincipal)
#include "TesteTelasPrincipal.moc"
