// GetHelpText as the windows call it: each call reads HELP from the registry, has Langtext build
// the whole list and cuts one text out of it. Langtext is registered in a configuration folder of
// the benchmark's own, so no user's settings are read or changed.
#include "core/modGLOBALS.h"
#include "core/modQBYLANG.h"
#include "core/modSETTINGS.h"
#include "core/modVERSIONINFO.h"
#include "platform/com/EntryPoints.h"
#include "shell/modPROGMAIN.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <unistd.h>

namespace {

bool RegisterLangtext()
{
    const std::string path = std::string(QBY_BUILD_DIR) + "/langtext/liblangtext.so";
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    auto registerServer = reinterpret_cast<DllRegisterServerFunction>(dlsym(library, "DllRegisterServer"));
    return registerServer && registerServer() == S_OK;
}

void HelpText(benchmark::State& state, const std::string& help, std::int32_t number)
{
    objRegistry->StringSave(SettingsRootKey(), SettingsSubKey(), strSettingHelp, help);
    for (auto _ : state) benchmark::DoNotOptimize(GetHelpText(number));
}

// The registry read alone, the part of each lookup that goes to the settings file.
void HelpValueRead(benchmark::State& state)
{
    objRegistry->StringSave(SettingsRootKey(), SettingsSubKey(), strSettingHelp, "ENGLISH");
    for (auto _ : state) {
        benchmark::DoNotOptimize(objRegistry->StringLoad(SettingsRootKey(), SettingsSubKey(), strSettingHelp, "ENGLISH"));
    }
}

}  // namespace

BENCHMARK(HelpValueRead)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(HelpText, english_24_OK, std::string("ENGLISH"), 24)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(HelpText, korean_51_last, std::string("KOREAN"), 51)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    fs::path config = fs::temp_directory_path() / ("quillby-bench-" + std::to_string(getpid()));
    fs::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    int status = 1;
    VersionInformationLoad();
    if (!RegisterLangtext()) {
        std::fprintf(stderr, "bench_helptext: Langtext could not be registered\n");
    } else {
        Main();
        if (GetHelpText(24) != "OK") {
            std::fprintf(stderr, "bench_helptext: the text lookup does not answer\n");
        } else {
            benchmark::Initialize(&argc, argv);
            benchmark::RunSpecifiedBenchmarks();
            benchmark::Shutdown();
            status = 0;
        }
    }
    std::error_code ignored;
    fs::remove_all(config, ignored);
    return status;
}
