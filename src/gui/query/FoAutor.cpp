#include "query/FoAutor.h"

#include <QLabel>
#include <QPushButton>

namespace talvek::gui {

TfrmFoAutor::TfrmFoAutor(const TCitacao& citacao, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Autor"));
    setFixedSize(547, 144);

    Autor = new QLabel(QString::fromUtf8(citacao.Autores), this);
    Autor->setGeometry(12, 8, 523, 20);
    Livro = new QLabel(QString::fromUtf8(citacao.Titulo), this);
    Livro->setGeometry(12, 30, 523, 36);
    Livro->setWordWrap(true);
    QFont negrito = Livro->font();
    negrito.setBold(true);
    Livro->setFont(negrito);
    Pagina = new QLabel(QString::fromUtf8(citacao.Publicacao), this);
    Pagina->setGeometry(12, 68, 523, 40);
    Pagina->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setGeometry(236, 110, 75, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace talvek::gui
