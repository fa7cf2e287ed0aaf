// ShowWordPicture as the lessons call it: the word's JPEG taken from the resources, decoded in
// memory and put into a picture box of a loaded window (offscreen).
#include "core/modPROGMAIN_Media.h"
#include "platform/forms/Design.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

class BenchForm : public qby::Form {
public:
    BenchForm() : Form("frmBENCH") {}
    qby::PictureBox picWORD{this, "picWORD"};

protected:
    void Layout(qby::Design& d) override
    {
        d.Window({.ClientWidth = 4500, .ClientHeight = 3375});
        d.Add(picWORD, {.Left = 0, .Top = 0, .Width = 4500, .Height = 3375, .BorderStyle = 0});
    }
};

BenchForm* g_form = nullptr;

// Alternates two words so that every call really replaces the picture shown; the waiting
// events run after each call, so the repaint of the picture box is part of the time.
void ShowWordPictureDecodeAndShow(benchmark::State& state)
{
    const std::string words[] = {"ICECREAM", "BLACKSHOE"};
    std::size_t next = 0;
    for (auto _ : state) {
        ShowWordPicture(g_form->picWORD, words[next]);
        qby::DoEvents();
        next ^= 1;
    }
}

}  // namespace

BENCHMARK(ShowWordPictureDecodeAndShow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qby::RuntimeStart(argc, argv);
    BenchForm form;
    form.Show();
    g_form = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.Unload();
    qby::RuntimeStop();
    return 0;
}
