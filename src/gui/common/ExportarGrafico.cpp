#include "common/ExportarGrafico.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "platform/Excecoes.h"

namespace talvek::gui {

TExportacaoGrafico::TExportacaoGrafico(QWidget& grafico, TFonteTabela tabela, const QString& dica)
    : QObject(&grafico), grafico_(grafico), tabela_(std::move(tabela)) {
    CopiarTabela = new QAction(QStringLiteral("Copiar tabela"), this);
    SalvarTabelaCsv = new QAction(QStringLiteral("Salvar tabela como CSV…"), this);
    SalvarGraficoPng = new QAction(QStringLiteral("Salvar gráfico como PNG…"), this);
    const QList<QAction*> acoes{CopiarTabela, SalvarTabelaCsv, SalvarGraficoPng};
    grafico_.setContextMenuPolicy(Qt::ActionsContextMenu);
    grafico_.addActions(acoes);
    Botao = new QPushButton(QStringLiteral("&Tabela e gráfico"));
    Botao->setAutoDefault(false);  // Enter in a dialog keeps closing it
    DefinirDica(*Botao, dica);
    auto* menu = new QMenu(Botao);
    menu->addActions(acoes);
    Botao->setMenu(menu);

    const auto texto = [this](TFormatoTabela formato) { return QByteArray::fromStdString(tabela_(formato)); };
    connect(CopiarTabela, &QAction::triggered, this, [texto] {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(texto(TFormatoTabela::Texto)));
    });
    connect(SalvarTabelaCsv, &QAction::triggered, this, [this, texto] {
        Protegido(grafico_.window(), [&] {
            Salvar(QStringLiteral("Salvar tabela como CSV"), QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"),
                   texto(TFormatoTabela::Csv));
        });
    });
    connect(SalvarGraficoPng, &QAction::triggered, this, [this] {
        Protegido(grafico_.window(), [&] {
            QByteArray png;
            QBuffer saida(&png);
            saida.open(QIODevice::WriteOnly);
            grafico_.grab().save(&saida, "PNG");
            Salvar(QStringLiteral("Salvar gráfico como PNG"), QStringLiteral("PNG (*.png)"), QStringLiteral("png"),
                   png);
        });
    });
}

void TExportacaoGrafico::Salvar(const QString& titulo, const QString& filtro, const QString& extensao,
                                const QByteArray& bytes) {
    const QString caminho = SalvarExportacao(grafico_.window(), {titulo, filtro, extensao, QString(), QString()});
    if (caminho.isEmpty()) return;
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size() || !arquivo.flush())
        throw Exception(("Não foi possível gravar o arquivo " + caminho + ".").toStdString());
}

}  // namespace talvek::gui
