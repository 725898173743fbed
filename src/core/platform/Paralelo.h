// The core's one thread pool: independent designs (the rows of a series or of a batch, the probes of a
// goal seek) run on several threads, each task on its own copies of the design objects, and their results
// are handed back in input order. A task that shares nothing with the others gives the same bits on any
// number of threads.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

namespace talvek {

inline constexpr int kMaximoThreads = 256;

// The threads of a run: `pedido` when given, else the TALVEK_THREADS variable when it holds a whole
// number from 1 to kMaximoThreads, else the hardware's threads (1 when unknown).
int NumeroDeThreads(std::optional<int> pedido = std::nullopt);

// A thread count as typed (--threads N, TALVEK_THREADS): a whole number from 1 to kMaximoThreads, or
// nullopt.
std::optional<int> LerNumeroDeThreads(const std::string& texto);

// Runs tarefa(i) for i = 0 … n − 1 on min(threads, n) threads (on the calling thread alone for one), each
// task taken by the first free thread. entregar(i) follows once for every task in increasing i, as soon as
// it and all before it have finished; never two at once, on the thread that finished the last of them
// (the calling thread for one thread). Once `parar` is requested, tasks not yet started are skipped and
// the delivery ends at the first skipped one. A task's exception ends the run the same way (the tasks
// already running finish) and is rethrown here, the lowest index's first, after every thread has ended.
void ExecutarEmParalelo(std::size_t n, int threads, const std::function<void(std::size_t)>& tarefa,
                        const std::function<void(std::size_t)>& entregar = {}, std::stop_token parar = {});

}  // namespace talvek
