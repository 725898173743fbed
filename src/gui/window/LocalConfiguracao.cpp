#include "window/LocalConfiguracao.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "project/Configuracao.h"

namespace talvek::gui {

QString ArquivoConfiguracao(const QString& pastaPrograma) {
    const QString pasta = QFileInfo(pastaPrograma).isWritable()
                              ? pastaPrograma
                              : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(pasta).filePath(QString::fromLatin1(kArquivoConfiguracao));
}

}  // namespace talvek::gui
