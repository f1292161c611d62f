// Rendering cost: a full screen of stretched pictures and labels, and painting dots at mouse rate.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "game/forms/application.h"
#include "game/forms/font.h"
#include "game/forms/headless/headless_platform.h"

namespace {

// The font's folder: the file's own folder, as the label looks it up by name.
std::string FontFolder() {
  return std::filesystem::path(WOB_BENCH_FONT).parent_path().string();
}

forms::PictureRef Gradient(int w, int h) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) px[y * w + x] = 0xFF000000u | (x * 255 / w) << 16 | (y * 255 / h);
  }
  return std::make_shared<const forms::Picture>(w, h, std::move(px));
}

// A menu-like screen: four big stretched pictures in a grid and two centred labels.
class MenuLike : public forms::Form {
 public:
  explicit MenuLike(forms::Application& app) : Form(app) { SetMaximised(true); }

 protected:
  void Design() override {
    const float w = Width() / 2 - 300, h = Height() / 2 - 600;
    const forms::PictureRef picture = Gradient(512, 440);
    for (int i = 0; i < 4; ++i) {
      auto& img = Add<forms::Image>("cmd" + std::to_string(i), nullptr);
      img.SetStretch(true);
      img.SetPicture(picture);
      img.SetLeft(200 + (i % 2) * (w + 200));
      img.SetTop(200 + (i / 2) * (h + 200));
      img.SetWidth(w);
      img.SetHeight(h);
    }
    for (int i = 0; i < 2; ++i) {
      auto& label = Add<forms::Label>("Label" + std::to_string(i + 1), nullptr);
      label.SetAlignment(forms::Alignment::kCentre);
      label.SetFontSize(20);
      label.SetCaption(i == 0 ? "To Exit Press [Ctrl-Alt-T]" : "ToToggle Sound Press [Ctrl-Alt-S]");
      label.SetLeft(200);
      label.SetTop(Height() - 1000 + i * 400);
      label.SetWidth(Width() - 400);
      label.SetHeight(400);
    }
  }
};

class Paintable : public forms::Form {
 public:
  explicit Paintable(forms::Application& app) : Form(app) { SetMaximised(true); }
  forms::PictureBox* box = nullptr;

 protected:
  void Design() override {
    box = &Add<forms::PictureBox>("Picture1", nullptr);
    box->SetLeft(200);
    box->SetTop(200);
    box->SetWidth(Width() - 400);
    box->SetHeight(Height() - 1200);
    box->SetDrawWidth(10);
  }
};

void BM_RenderFullForm(benchmark::State& state) {
  forms::HeadlessPlatform platform(static_cast<int>(state.range(0)),
                                   static_cast<int>(state.range(1)));
  platform.app_folder = FontFolder();
  forms::Application app(platform);
  MenuLike form(app);
  app.Show(form);
  app.DoEvents();  // the first paint scales the pictures once
  for (auto _ : state) {
    form.InvalidateAll();
    app.DoEvents();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
  state.counters["presents"] = static_cast<double>(platform.presents);
}
BENCHMARK(BM_RenderFullForm)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void BM_FirstPaintWithScaling(benchmark::State& state) {
  for (auto _ : state) {
    forms::HeadlessPlatform platform(static_cast<int>(state.range(0)),
                                     static_cast<int>(state.range(1)));
    platform.app_folder = FontFolder();
    forms::Application app(platform);
    MenuLike form(app);
    app.Show(form);
    app.DoEvents();
  }
}
BENCHMARK(BM_FirstPaintWithScaling)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

void BM_PictureBoxDots(benchmark::State& state) {
  forms::HeadlessPlatform platform(1920, 1080);
  forms::Application app(platform);
  Paintable form(app);
  app.Show(form);
  app.DoEvents();
  int i = 0;
  for (auto _ : state) {  // one dot and its present, as one mouse move of a 1000 Hz mouse
    form.box->PSet(static_cast<float>((i * 37) % 25000), static_cast<float>((i * 53) % 13000),
                   forms::Rgb(i, 2 * i, 3 * i));
    app.DoEvents();
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PictureBoxDots);

}  // namespace
