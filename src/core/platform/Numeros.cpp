#include "platform/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Codificacao.h"
#include "platform/Excecoes.h"
#include "platform/Regional.h"

namespace talvek {

namespace {

constexpr int kDigitosSignificativos = 15;

// The decimal digits of |valor| with 15 significant digits: valor = 0.d1d2…d15 × 10^expoente.
struct Decimal {
    std::string digitos;  // exactly 15 digits, the first non-zero unless the value is zero
    int expoente = 0;     // position of the decimal point counted from the left of the digits
};

Decimal Decompor(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.*e", kDigitosSignificativos - 1, std::fabs(valor));
    Decimal d;
    for (const char* p = texto; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digitos += *p;
    d.expoente = std::atoi(std::strchr(texto, 'e') + 1) + 1;
    if (d.digitos.find_first_not_of('0') == std::string::npos) d.expoente = 0;
    return d;
}

// Rounds the digits half away from zero so that at most `casas` of them follow the decimal point.
void Arredondar(Decimal& d, int casas) {
    const int manter = d.expoente + casas;
    if (manter >= static_cast<int>(d.digitos.size())) return;
    if (manter < 0) {
        d.digitos.assign(d.digitos.size(), '0');
        return;
    }
    const bool sobe = d.digitos[manter] >= '5';
    for (std::size_t i = manter; i < d.digitos.size(); ++i) d.digitos[i] = '0';
    if (!sobe) return;
    int i = manter - 1;
    while (i >= 0 && d.digitos[i] == '9') d.digitos[i--] = '0';
    if (i >= 0) {
        ++d.digitos[i];
    } else {
        d.digitos.insert(d.digitos.begin(), '1');
        d.digitos.pop_back();
        ++d.expoente;
    }
}

std::string TextoNaoFinito(double valor) {
    if (std::isnan(valor)) return "NAN";
    return valor < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatarFloat(const std::string& picture, double valor) {
    if (!std::isfinite(valor)) return TextoNaoFinito(valor);

    // The picture: literal text, then the digit section, then literal text.
    const std::size_t inicio = picture.find_first_of("0#.");
    if (inicio == std::string::npos) return picture;
    std::size_t fim = picture.find_first_not_of("0#.", inicio);
    if (fim == std::string::npos) fim = picture.size();
    const std::string prefixo = picture.substr(0, inicio);
    const std::string digitos = picture.substr(inicio, fim - inicio);
    const std::string sufixo = picture.substr(fim);

    const std::size_t ponto = digitos.find('.');
    const std::string parteInteira = digitos.substr(0, ponto);
    const std::string parteDecimal = ponto == std::string::npos ? "" : digitos.substr(ponto + 1);
    const int minimoInteiros = static_cast<int>(std::count(parteInteira.begin(), parteInteira.end(), '0'));
    const int maximoDecimais = static_cast<int>(parteDecimal.size());
    const std::size_t ultimoZero = parteDecimal.rfind('0');
    const int minimoDecimais = ultimoZero == std::string::npos ? 0 : static_cast<int>(ultimoZero) + 1;

    Decimal d = Decompor(valor);
    Arredondar(d, maximoDecimais);

    auto digito = [&d](int posicao) {  // digit at a position counted from the decimal point (0 = first)
        return posicao >= 0 && posicao < static_cast<int>(d.digitos.size()) ? d.digitos[posicao] : '0';
    };
    std::string inteiros;
    for (int i = 0; i < d.expoente; ++i) inteiros += digito(i);
    const std::size_t primeiroSignificativo = inteiros.find_first_not_of('0');
    inteiros = primeiroSignificativo == std::string::npos ? "" : inteiros.substr(primeiroSignificativo);
    if (static_cast<int>(inteiros.size()) < minimoInteiros)
        inteiros.insert(0, minimoInteiros - inteiros.size(), '0');

    std::string decimais;
    for (int i = 0; i < maximoDecimais; ++i) decimais += digito(d.expoente + i);
    while (static_cast<int>(decimais.size()) > minimoDecimais && decimais.back() == '0') decimais.pop_back();
    if (inteiros.empty() && decimais.empty()) inteiros = "0";

    const bool negativo = valor < 0 && d.digitos.find_first_not_of('0') != std::string::npos;
    std::string texto = prefixo + (negativo ? "-" : "") + inteiros;
    if (!decimais.empty()) texto += Regional().SeparadorDecimal + decimais;
    return texto + sufixo;
}

std::string FormatarGeral(double valor) {
    if (!std::isfinite(valor)) return TextoNaoFinito(valor);
    const Decimal d = Decompor(valor);
    if (d.digitos.find_first_not_of('0') == std::string::npos) return "0";
    std::string significativos = d.digitos.substr(0, d.digitos.find_last_not_of('0') + 1);
    const std::string sinal = valor < 0 ? "-" : "";
    const char separador = Regional().SeparadorDecimal;

    const int expoenteCientifico = d.expoente - 1;  // valor = d.ddd × 10^expoenteCientifico
    if (expoenteCientifico >= kDigitosSignificativos || expoenteCientifico < -4) {
        std::string mantissa = significativos.substr(0, 1);
        if (significativos.size() > 1) mantissa += separador + significativos.substr(1);
        return sinal + mantissa + "E" + std::to_string(expoenteCientifico);
    }
    if (d.expoente <= 0)
        return sinal + "0" + separador + std::string(-d.expoente, '0') + significativos;
    if (static_cast<int>(significativos.size()) <= d.expoente)
        return sinal + significativos + std::string(d.expoente - significativos.size(), '0');
    return sinal + significativos.substr(0, d.expoente) + separador + significativos.substr(d.expoente);
}

namespace {

std::optional<double> LerComSeparadores(const std::string& texto, char separador1, char separador2) {
    const std::size_t a = texto.find_first_not_of(' ');
    if (a == std::string::npos) return std::nullopt;
    const std::size_t b = texto.find_last_not_of(' ');
    std::string numero = texto.substr(a, b - a + 1);

    // Shape check: [sign] digits [sep digits] [e [sign] digits], at least one mantissa digit.
    std::size_t i = 0;
    const auto digitos = [&numero, &i]() {
        const std::size_t antes = i;
        while (i < numero.size() && numero[i] >= '0' && numero[i] <= '9') ++i;
        return i - antes;
    };
    if (i < numero.size() && (numero[i] == '+' || numero[i] == '-')) ++i;
    std::size_t mantissa = digitos();
    if (i < numero.size() && (numero[i] == separador1 || numero[i] == separador2)) {
        numero[i++] = '.';
        mantissa += digitos();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < numero.size() && (numero[i] == 'e' || numero[i] == 'E')) {
        ++i;
        if (i < numero.size() && (numero[i] == '+' || numero[i] == '-')) ++i;
        if (digitos() == 0) return std::nullopt;
    }
    if (i != numero.size()) return std::nullopt;

    const char* primeiro = numero.data() + (numero[0] == '+' ? 1 : 0);
    double valor = 0.0;
    const auto [fim, erro] = std::from_chars(primeiro, numero.data() + numero.size(), valor);
    if (erro != std::errc() || fim != numero.data() + numero.size() || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

}  // namespace

std::optional<double> LerNumero(const std::string& texto) {
    const char separador = Regional().SeparadorDecimal;
    return LerComSeparadores(texto, separador, separador);
}

std::string MensagemNaoNumerico(const std::string& texto) {
    return "'" + TrechoCitado(texto) + "' não é um valor numérico válido.";
}

double LerNumeroOuErro(const std::string& texto) {
    const std::optional<double> valor = LerNumero(texto);
    if (!valor) throw Exception(MensagemNaoNumerico(texto));
    return *valor;
}

std::optional<double> LerNumeroQualquerSeparador(const std::string& texto) {
    return LerComSeparadores(texto, '.', ',');
}

}  // namespace talvek
