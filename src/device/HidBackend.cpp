#include "HidBackend.h"

#include "HidapiBackend.h"

#include <mutex>

namespace {
std::mutex g_backendMutex;
std::shared_ptr<HidBackend> g_installed;
std::shared_ptr<HidBackend> g_hidapi; // created once: hid_init/hid_exit once per process
} // namespace

std::shared_ptr<HidBackend> HidBackend::current()
{
    std::lock_guard<std::mutex> lock(g_backendMutex);
    if (g_installed)
        return g_installed;
    if (!g_hidapi)
        g_hidapi = std::make_shared<HidapiBackend>();
    return g_hidapi;
}

void HidBackend::install(std::shared_ptr<HidBackend> backend)
{
    std::lock_guard<std::mutex> lock(g_backendMutex);
    g_installed = std::move(backend);
}
