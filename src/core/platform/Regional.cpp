#include "platform/Regional.h"

namespace talvek {

namespace {
ConfiguracaoRegional& Atual() {
    static ConfiguracaoRegional configuracao;
    return configuracao;
}
}  // namespace

const ConfiguracaoRegional& Regional() { return Atual(); }

void DefinirRegional(const ConfiguracaoRegional& configuracao) { Atual() = configuracao; }

RegionalTemporario::RegionalTemporario(const ConfiguracaoRegional& configuracao) : anterior_(Atual()) {
    Atual() = configuracao;
}

RegionalTemporario::~RegionalTemporario() { Atual() = anterior_; }

}  // namespace talvek
