#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/Paralelo.h"

namespace talvek {
namespace {

// Every task runs once and the deliveries come in input order, whatever the threads and however the
// tasks' lengths are spread (later tasks finish first here).
TEST(ExecutarEmParalelo, EntregaCadaTarefaUmaVezEmOrdem) {
    struct Caso {
        std::size_t n;
        int threads;
    };
    for (const Caso caso : {Caso{0, 4}, Caso{1, 8}, Caso{21, 1}, Caso{21, 2}, Caso{21, 8}, Caso{5, 64}}) {
        std::vector<std::atomic<int>> execucoes(caso.n);
        std::vector<std::size_t> entregues;
        ExecutarEmParalelo(
            caso.n, caso.threads,
            [&](std::size_t i) {
                std::this_thread::sleep_for(std::chrono::microseconds(200 * (caso.n - i)));
                ++execucoes[i];
            },
            [&](std::size_t i) {
                EXPECT_EQ(execucoes[i].load(), 1) << "entregue antes de terminar: " << i;
                entregues.push_back(i);
            });
        std::vector<std::size_t> esperado(caso.n);
        for (std::size_t i = 0; i < caso.n; ++i) esperado[i] = i;
        EXPECT_EQ(entregues, esperado) << caso.n << " tarefas, " << caso.threads << " threads";
        for (std::size_t i = 0; i < caso.n; ++i) EXPECT_EQ(execucoes[i].load(), 1) << i;
    }
}

// The tasks really run side by side: two tasks that wait for each other finish only on two threads.
TEST(ExecutarEmParalelo, UsaVariasThreads) {
    std::atomic<int> chegaram = 0;
    ExecutarEmParalelo(2, 2, [&](std::size_t) {
        ++chegaram;
        while (chegaram.load() < 2) std::this_thread::yield();
    });
    EXPECT_EQ(chegaram.load(), 2);
}

// A failed task: the lowest index's exception comes back, nothing from it on is delivered, and no new
// task starts after it.
TEST(ExecutarEmParalelo, ErroDaTarefaEncerraEPropaga) {
    for (const int threads : {1, 3}) {
        std::vector<std::size_t> entregues;
        std::atomic<std::size_t> iniciadas = 0;
        try {
            ExecutarEmParalelo(
                100, threads,
                [&](std::size_t i) {
                    ++iniciadas;
                    if (i == 4) throw std::runtime_error("tarefa 4");
                },
                [&](std::size_t i) { entregues.push_back(i); });
            ADD_FAILURE() << "sem exceção";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "tarefa 4");
        }
        EXPECT_EQ(entregues, (std::vector<std::size_t>{0, 1, 2, 3})) << threads;
        EXPECT_LT(iniciadas.load(), 100u) << threads;
    }
}

// A stop requested from a task skips the tasks not started; what was delivered is a prefix.
TEST(ExecutarEmParalelo, PararIgnoraAsTarefasNaoIniciadas) {
    std::stop_source parar;
    std::atomic<std::size_t> executadas = 0;
    std::vector<std::size_t> entregues;
    ExecutarEmParalelo(
        1000, 2,
        [&](std::size_t i) {
            ++executadas;
            if (i == 10) parar.request_stop();
        },
        [&](std::size_t i) { entregues.push_back(i); }, parar.get_token());
    EXPECT_LT(executadas.load(), 1000u);
    for (std::size_t i = 0; i < entregues.size(); ++i) EXPECT_EQ(entregues[i], i);
}

TEST(NumeroDeThreads, PedidoVariavelOuHardware) {
    EXPECT_EQ(NumeroDeThreads(3), 3);
    ::setenv("TALVEK_THREADS", "5", 1);
    EXPECT_EQ(NumeroDeThreads(), 5);
    EXPECT_EQ(NumeroDeThreads(2), 2);  // the option before the variable
    ::setenv("TALVEK_THREADS", "zero", 1);
    const int hardware = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    EXPECT_EQ(NumeroDeThreads(), hardware);  // an unreadable variable is ignored
    ::unsetenv("TALVEK_THREADS");
    for (const char* invalido : {"", "0", "-2", "2x", "257", "1.5"})
        EXPECT_FALSE(LerNumeroDeThreads(invalido)) << invalido;
    EXPECT_EQ(LerNumeroDeThreads("256"), 256);
}

}  // namespace
}  // namespace talvek
