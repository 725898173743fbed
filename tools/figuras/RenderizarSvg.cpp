// renderizar-svg ENTRADA.svg SAIDA.(png|jpg) LARGURA ALTURA
// Draws an SVG picture at LARGURA × ALTURA pixels and saves it: JPEG (quality 92) on a white ground, PNG on
// a transparent one (the program's icon in its installed sizes).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "uso: renderizar-svg ENTRADA.svg SAIDA.(png|jpg) LARGURA ALTURA\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "SVG inválido: %s\n", argv[1]);
        return 1;
    }
    const QSize tamanho(QString(argv[3]).toInt(), QString(argv[4]).toInt());
    const QString saida = QString::fromLocal8Bit(argv[2]);
    const bool jpeg = saida.endsWith(".jpg", Qt::CaseInsensitive);
    QImage imagem(tamanho, jpeg ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    imagem.fill(jpeg ? Qt::white : Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    pintor.end();
    if (!imagem.save(saida, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1)) {
        std::fprintf(stderr, "não foi possível gravar %s\n", argv[2]);
        return 1;
    }
    return 0;
}
