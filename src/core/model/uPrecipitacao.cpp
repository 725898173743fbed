#include "model/uPrecipitacao.h"

#include <cmath>

#include "platform/Aritmetica.h"
#include "platform/Excecoes.h"

namespace talvek {

namespace {

const char* const kTrNegativo = "O valor do tempo de retorno (Tr) deve ser maior que zero.";
const char* const kKNegativo = "O valor do parâmetro \"K\" deve ser maior que zero.";
const char* const kANegativo = "O valor do parâmetro \"a\" deve ser maior que zero.";
const char* const kBNegativo = "O valor do parâmetro \"b\" deve ser maior que zero.";
const char* const kCNegativo = "O valor do parâmetro \"c\" deve ser maior que zero.";

constexpr std::int32_t kMaximoPassosNewton = 100;
constexpr std::int32_t kNewtonFalhou = 200;

void Verificar(double valor, const char* mensagem) {
    if (valor < 0) throw Exception(mensagem);
}

void Armazenar(double& campo, double valor, const char* mensagem) {
    Verificar(valor, mensagem);
    campo = valor;
}

// Newton start for the moment of a target intensity (mm/h): the higher the intensity, the nearer the
// start of the storm.
double InicioTempoIntensidade(double i) {
    if (i < 100) return 20;
    if (i < 200) return 5;
    if (i < 300) return 1;
    if (i < 400) return 0.1;
    if (i < 500) return 0.05;
    return 0.001;
}

}  // namespace

void TPrecipitacao::DefinirIdentificador(const std::string& identificador) {
    Identificador = identificador;
    Limpar();
}

void TPrecipitacao::Limpar() {
    Duracao = 0.0;
    PrecipitacaoTotal = 0.0;
}

void TPrecipitacaoExponencialNegativa::Limpar() {
    TPrecipitacao::Limpar();
    Tr_ = K_ = A_ = B_ = C_ = 0.0;
    Numerador_ = -1.0;
}

void TPrecipitacaoExponencialNegativa::SetTr(double valor) {
    Armazenar(Tr_, valor, kTrNegativo);
    AtualizarNumerador();
}

void TPrecipitacaoExponencialNegativa::VerificarParametros() const {
    Verificar(Tr_, kTrNegativo);
    Verificar(K_, kKNegativo);
    Verificar(A_, kANegativo);
    Verificar(B_, kBNegativo);
    Verificar(C_, kCNegativo);
}

void TPrecipitacaoExponencialNegativa::SetK(double valor) {
    Armazenar(K_, valor, kKNegativo);
    AtualizarNumerador();
}

void TPrecipitacaoExponencialNegativa::SetA(double valor) {
    Armazenar(A_, valor, kANegativo);
    AtualizarNumerador();
}

void TPrecipitacaoExponencialNegativa::SetB(double valor) { Armazenar(B_, valor, kBNegativo); }

void TPrecipitacaoExponencialNegativa::SetC(double valor) { Armazenar(C_, valor, kCNegativo); }

void TPrecipitacaoExponencialNegativa::AtualizarNumerador() {
    Numerador_ = K_ > 0 && Tr_ > 0 && A_ > 0 ? K_ * Potencia(Tr_, A_) : -1.0;
}

double TPrecipitacaoExponencialNegativa::IntensidadeMedia(double t) const {
    return Dividir(Numerador_, Exp(C_ * Ln(B_ + t)));
}

double TPrecipitacaoExponencialNegativa::IntensidadeInstantanea(double t) const {
    // 60 · dP/dt with P(t) = i(t) · t / 60
    return IntensidadeMedia(t) * (1 - Dividir(C_ * t, t + B_));
}

double TPrecipitacaoExponencialNegativa::Lamina(double t) const { return IntensidadeMedia(t) * t / 60; }

double TPrecipitacaoExponencialNegativa::LaminaIntervalo(double t1, double t2) const {
    return (t2 * IntensidadeMedia(t2) - t1 * IntensidadeMedia(t1)) / 60;
}

double TPrecipitacaoExponencialNegativa::TempoIntensidade(double i) const {
    double t = InicioTempoIntensidade(i);
    Iteracoes_ = 0;
    try {
        double correcao;
        do {
            if (t < 0) {
                t = 0;
                Iteracoes_ = kNewtonFalhou;
                break;
            }
            const double residuo = IntensidadeInstantanea(t) - i;
            // Exact derivative of the instantaneous intensity with respect to t.
            const double derivada = Dividir(-IntensidadeMedia(t) * C_, t + B_) * (2 - Dividir((C_ + 1) * t, t + B_));
            correcao = Dividir(residuo, derivada);
            t -= correcao;
            ++Iteracoes_;
        } while (!(std::fabs(correcao) < 1e-7 || Iteracoes_ > kMaximoPassosNewton));
    } catch (const EAritmetica&) {
        Iteracoes_ = kNewtonFalhou;
    }

    if (Iteracoes_ > kMaximoPassosNewton) {
        // The intensity falls with time: above the target the root lies later.
        double inferior = 0, superior = 100000;
        do {
            t = (inferior + superior) / 2;
            double residuo = 0;  // also where the storm has no value
            try {
                residuo = IntensidadeInstantanea(t) - i;
            } catch (const EAritmetica&) {
            }
            if (residuo > 0)
                inferior = t;
            else
                superior = t;
        } while (!(std::fabs(inferior - superior) <= 1e-7));
    }
    return t < 0 ? 0 : t;
}

double TPrecipitacaoExponencialNegativa::DuracaoLamina(double P) const {
    double t = 1;
    Iteracoes_ = 0;
    try {
        double correcao;
        do {
            const double residuo = IntensidadeMedia(t) * t - 60 * P;
            const double derivada = IntensidadeInstantanea(t);
            correcao = Dividir(residuo, derivada);
            t -= correcao;
            ++Iteracoes_;
        } while (!(std::fabs(correcao) < 1e-10 || Iteracoes_ > kMaximoPassosNewton));
    } catch (const EAritmetica&) {
        Iteracoes_ = kNewtonFalhou;
    }

    if (Iteracoes_ > kMaximoPassosNewton) {
        // The accumulated depth grows with time: beyond the target the root lies earlier.
        double inferior = 0, superior = 1000;
        do {
            t = (inferior + superior) / 2;
            double residuo = 0;  // also where the storm has no value
            try {
                residuo = IntensidadeMedia(t) * t - 60 * P;
            } catch (const EAritmetica&) {
            }
            if (residuo > 0)
                superior = t;
            else
                inferior = t;
        } while (!(std::fabs(inferior - superior) <= 1e-7));
    }
    return t < 0 ? 0 : t;
}

void TPrecipitacaoExponencialNegativa::TracarIntensidade(ISerieGrafico& serie) const {
    serie.Limpar();
    const long ultimo = Duracao > 0 ? std::lround(std::nearbyint(Duracao)) : 50;  // halves to the even
    for (long t = 1; t <= ultimo; ++t) serie.Adicionar(t, IntensidadeInstantanea(t));
}

}  // namespace talvek
