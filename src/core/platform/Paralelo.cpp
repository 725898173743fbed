#include "platform/Paralelo.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace talvek {

std::optional<int> LerNumeroDeThreads(const std::string& texto) {
    int valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ponteiro, erro] = std::from_chars(texto.data(), fim, valor);
    if (texto.empty() || erro != std::errc() || ponteiro != fim || valor < 1 || valor > kMaximoThreads)
        return std::nullopt;
    return valor;
}

int NumeroDeThreads(std::optional<int> pedido) {
    if (pedido) return std::clamp(*pedido, 1, kMaximoThreads);
    if (const char* variavel = std::getenv("TALVEK_THREADS"))
        if (const std::optional<int> doAmbiente = LerNumeroDeThreads(variavel)) return *doAmbiente;
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware == 0 ? 1 : static_cast<int>(std::min<unsigned>(hardware, kMaximoThreads));
}

namespace {

// What the threads of one run share: the next task to take, which tasks have finished, and the next one
// to deliver.
class TExecucao {
public:
    TExecucao(std::size_t n, const std::function<void(std::size_t)>& tarefa,
              const std::function<void(std::size_t)>& entregar, std::stop_token parar)
        : tarefa_(tarefa), entregar_(entregar), parar_(std::move(parar)), terminada_(n, false), erros_(n) {}

    // Takes and runs tasks until none is left or the run is stopped.
    void Trabalhar() {
        for (;;) {
            if (parar_.stop_requested() || falhou_.load()) return;
            const std::size_t i = proxima_.fetch_add(1);
            if (i >= terminada_.size()) return;
            try {
                tarefa_(i);
            } catch (...) {
                erros_[i] = std::current_exception();
                falhou_.store(true);
            }
            Terminar(i);
        }
    }

    void RelancarErro() const {
        for (const std::exception_ptr& erro : erros_)
            if (erro) std::rethrow_exception(erro);
    }

private:
    // Marks task i finished and delivers the finished tasks that now follow the last delivered one. A
    // task that failed is never delivered, nor anything after it.
    void Terminar(std::size_t i) {
        const std::scoped_lock trava(mutex_);
        terminada_[i] = true;
        while (entregue_ < terminada_.size() && terminada_[entregue_] && !erros_[entregue_]) {
            if (entregar_) entregar_(entregue_);
            ++entregue_;
        }
    }

    const std::function<void(std::size_t)>& tarefa_;
    const std::function<void(std::size_t)>& entregar_;
    std::stop_token parar_;
    std::atomic<std::size_t> proxima_ = 0;
    std::atomic<bool> falhou_ = false;
    std::mutex mutex_;
    std::vector<bool> terminada_;  // guarded by mutex_
    std::size_t entregue_ = 0;     // guarded by mutex_
    std::vector<std::exception_ptr> erros_;  // erros_[i] written by task i's thread before it is marked finished
};

}  // namespace

void ExecutarEmParalelo(std::size_t n, int threads, const std::function<void(std::size_t)>& tarefa,
                        const std::function<void(std::size_t)>& entregar, std::stop_token parar) {
    TExecucao execucao(n, tarefa, entregar, std::move(parar));
    const std::size_t auxiliares = std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), n);
    {
        std::vector<std::jthread> pool;
        for (std::size_t t = 1; t < auxiliares; ++t) pool.emplace_back([&execucao] { execucao.Trabalhar(); });
        execucao.Trabalhar();  // the calling thread is one of the pool
    }  // joins
    execucao.RelancarErro();
}

}  // namespace talvek
