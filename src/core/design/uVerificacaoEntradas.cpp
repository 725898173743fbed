#include "design/uVerificacaoEntradas.h"

#include "design/uCanal.h"
#include "model/uPrecipitacao.h"
#include "model/uTerreno.h"

namespace talvek {

namespace {

// What a field's value must be besides present.
enum class TRegra {
    Presente,      // any value (the storm's negatives have the storm's own messages)
    NaoNegativo,   // zero passes: a sizing that cannot use it names it as its cause
    Positivo,      // roughness: zero or less is no surface
};

struct TCampo {
    TCampoEntrada campo;
    const char* mensagem;
    TRegra regra;
};

constexpr const char* kMsgSt = "Valor da declividade do terreno inconsistente.";

// The page's fields in its order, with their check messages. The fields that change with the system or
// the channel type are chosen in PrimeiraEntradaInvalida.
constexpr TCampo kTr{TCampoEntrada::Tr, "Valor do periodo de retorno inconsistente.", TRegra::Presente};
constexpr TCampo kK{TCampoEntrada::K, kMensagemK, TRegra::Presente};
constexpr TCampo kA{TCampoEntrada::A, "Valor do parâmetro \"a\" inconsistente.", TRegra::Presente};
constexpr TCampo kB{TCampoEntrada::B, "Valor do parâmetro \"b\" inconsistente.", TRegra::Presente};
constexpr TCampo kC{TCampoEntrada::C, "Valor do parâmetro \"c\" inconsistente.", TRegra::Presente};
constexpr TCampo kSc{TCampoEntrada::Sc, "Valor da declividade do canal inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kComprimento{TCampoEntrada::Comprimento, "Valor do comprimento do canal inconsistente.",
                              TRegra::NaoNegativo};
constexpr TCampo kNc{TCampoEntrada::nc, "Valor da rugosidade do canal inconsistente.", TRegra::Positivo};
constexpr TCampo kZ{TCampoEntrada::ZSm, "Valor da inclinação da parede do canal inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kSm{TCampoEntrada::ZSm, "Valor da inclinação do murundum inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kBase{TCampoEntrada::BaseSt, "Valor da base do canal inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kStCanal{TCampoEntrada::BaseSt, kMsgSt, TRegra::NaoNegativo};
constexpr TCampo kTempo{TCampoEntrada::Tempo, "Valor do tempo de drenagem inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kNt{TCampoEntrada::nt, "Valor da rugosidade do terreno inconsistente.", TRegra::Positivo};
constexpr TCampo kSt{TCampoEntrada::St, kMsgSt, TRegra::NaoNegativo};
constexpr TCampo kEV{TCampoEntrada::EV, "Valor do espaçamento vertical inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kEH{TCampoEntrada::EH, "Valor do espaçamento horizontal inconsistente.", TRegra::NaoNegativo};
constexpr TCampo kVIB{TCampoEntrada::VIB, "Valor da velocidade de infiltração básica inconsistente.",
                      TRegra::NaoNegativo};

bool Aceito(const std::optional<double>& valor, TRegra regra) {
    if (!valor) return false;
    switch (regra) {
        case TRegra::Presente: return true;
        case TRegra::NaoNegativo: return *valor >= 0;
        case TRegra::Positivo: return *valor > 0;
    }
    return false;
}

}  // namespace

TEntradasProjeto EntradasDoModelo(const TCanalDrenagem& canal, const TTerreno& terreno,
                                  const TPrecipitacaoExponencialNegativa& chuva, const TTipoSistema& sistema) {
    TEntradasProjeto e;
    e.ComInundacao = sistema.Tipo == 2;
    e.Triangular = canal.TipoCanal.Tipo == TTipoCanal::Triangular;
    e[TCampoEntrada::Tr] = chuva.Tr();
    e[TCampoEntrada::K] = chuva.K();
    e[TCampoEntrada::A] = chuva.A();
    e[TCampoEntrada::B] = chuva.B();
    e[TCampoEntrada::C] = chuva.C();
    e[TCampoEntrada::Sc] = canal.Sc();
    e[TCampoEntrada::Comprimento] = canal.Comprimento();
    e[TCampoEntrada::nc] = canal.nc.Valor;
    e[TCampoEntrada::ZSm] = e.Triangular ? canal.Sm.Valor : canal.Z.Valor;
    e[TCampoEntrada::BaseSt] = e.Triangular ? terreno.St() : canal.B();
    e[TCampoEntrada::Tempo] = canal.TD();
    e[TCampoEntrada::nt] = terreno.nt.Valor;
    e[TCampoEntrada::St] = terreno.St();
    e[TCampoEntrada::EV] = canal.EV();
    e[TCampoEntrada::EH] = canal.EH();
    e[TCampoEntrada::VIB] = terreno.VIB();
    return e;
}

std::optional<TEntradaInvalida> PrimeiraEntradaInvalida(const TEntradasProjeto& e) {
    if (const auto& L = e[TCampoEntrada::Comprimento]; L && *L > kComprimentoMaximoCanal)
        return TEntradaInvalida{TCampoEntrada::Comprimento, kComprimentoExcedido, {}};
    if (const auto& EH = e[TCampoEntrada::EH]; EH && *EH > kEspacamentoMaximo)
        return TEntradaInvalida{TCampoEntrada::EH, kEspacamentoExcedido, {}};
    const TCampo campos[] = {
        kTr, kK, kA, kB, kC, kSc, kComprimento, kNc, e.Triangular ? kSm : kZ, e.Triangular ? kStCanal : kBase,
        e.ComInundacao ? kTempo : kNt, kSt, kEV, kEH, kVIB,
    };
    for (const TCampo& c : campos) {
        if (!Aceito(e[c.campo], c.regra)) return TEntradaInvalida{c.campo, c.mensagem, {}};
        // A level field has no vertical spacing, and its horizontal spacing cannot be typed.
        if (c.campo == TCampoEntrada::St && *e[c.campo] == 0)
            return TEntradaInvalida{c.campo, c.mensagem, "Declividade do terreno = 0: deve ser maior que zero."};
    }
    return std::nullopt;
}

}  // namespace talvek
