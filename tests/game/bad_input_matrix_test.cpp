// Damaged asset files across the whole game: every kind of file the game loads, every kind of
// damage, and the one outcome each must have: the error box naming the file and exit code 1,
// or, inside the activity screens' tick, the statement passed over and the game still playing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "game/forms/controls.h"
#include "game/shell/game.h"
#include "tests/lib/game_holder.h"
#include "tests/lib/image_files.h"
#include "tests/lib/scenario.h"

namespace gametest {
namespace {

using wobtest::GameHolder;

namespace fs = std::filesystem;
using Bytes = std::string;

constexpr double kTickMs = 250;

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void PutBig16(Bytes& b, std::size_t at, int v) {
  b[at] = static_cast<char>(v >> 8), b[at + 1] = static_cast<char>(v & 0xFF);
}

void PutLittle32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The same file declaring 23170 x 23170 pixels: 2 GB once decoded.
Bytes HugeDeclared(Bytes b, bool icon) {
  if (icon) {
    const std::size_t dib =
        static_cast<unsigned char>(b[18]) | (static_cast<unsigned char>(b[19]) << 8);
    PutLittle32(b, dib + 4, 23170);
    PutLittle32(b, dib + 8, 2 * 23170);
    return b;
  }
  for (std::size_t i = 0; i + 9 < b.size(); ++i) {
    if (b[i] == '\xFF' && (b[i + 1] == '\xC0' || b[i + 1] == '\xC2')) {
      PutBig16(b, i + 5, 23170), PutBig16(b, i + 7, 23170);
      break;
    }
  }
  return b;
}

Bytes RandomBytes() {
  std::mt19937 random(7);
  Bytes b(2000, '\0');
  for (char& c : b) c = static_cast<char>(random() & 0xFF);
  return b;
}

struct Damage {
  const char* name;
  // Replaces the file at path, whose intact bytes are given, by its damaged self.
  std::function<void(const fs::path& path, const Bytes& intact, const Bytes& png)> apply;
};

const Damage kDamages[] = {
    {"missing", [](const fs::path& p, const Bytes&, const Bytes&) { fs::remove(p); }},
    {"zero bytes", [](const fs::path& p, const Bytes&, const Bytes&) { WriteAll(p, ""); }},
    {"truncated", [](const fs::path& p, const Bytes& b,
                     const Bytes&) { WriteAll(p, b.substr(0, b.size() / 2)); }},
    {"random bytes",
     [](const fs::path& p, const Bytes&, const Bytes&) { WriteAll(p, RandomBytes()); }},
    {"a PNG under its name",
     [](const fs::path& p, const Bytes&, const Bytes& png) { WriteAll(p, png); }},
    {"huge declared size",
     [](const fs::path& p, const Bytes& b, const Bytes&) {
       WriteAll(p, HugeDeclared(b, p.extension() == ".ico"));
     }},
    {"a folder of its name",
     [](const fs::path& p, const Bytes&, const Bytes&) {
       fs::remove(p);
       fs::create_directory(p);
     }},
};

enum class Outcome { kErrorBox, kPassOver };

class Matrix {
 public:
  // A small display keeps the many runs quick: each draws and scales every picture afresh.
  explicit Matrix(const std::string& dir)
      : dir_(dir),
        scenario_(400, 300),
        holder_(scenario_.Make<GameHolder>(scenario_.Sound(), scenario_.Keyboard(),
                                           &scenario_.Companion())) {
    scenario_.Platform().app_folder = dir;
    scenario_.Companion().programs_must_exist = false;  // the native build has no companion
  }
  shell::Game& Game() { return holder_.game; }
  wobtest::Scenario& Scenario() { return scenario_; }

  void ToMenu() {
    scenario_.Start(Game().frmSplash);
    scenario_.Advance(5000);
  }
  void Open(const char* button) {
    ToMenu();
    if (!scenario_.Finished()) scenario_.Click(Game().WOB.Get<forms::Control>(button));
  }
  void Type(char upper) {
    scenario_.Press(upper, upper - 'A' + 'a');
    scenario_.Advance(kTickMs);
  }
  // Pictures present on the letters screen, by the controls that show one.
  int PicturesShown() const {
    int shown = 0;
    for (int slot = 1; slot <= 30; ++slot) {
      auto* image = dynamic_cast<forms::Image*>(
          holder_.game.frmLetters.Find("cmd" + std::to_string(slot) + "Img"));
      shown += image != nullptr && image->Visible() && image->Picture() != nullptr;
    }
    return shown;
  }

 private:
  std::string dir_;
  wobtest::Scenario scenario_;
  GameHolder& holder_;
};

struct Kind {
  const char* what;
  std::vector<const char*> files;  // all of them damaged alike
  Outcome outcome;
  std::function<void(Matrix&)> play;  // up to the moment the file is loaded
};

const Kind kKinds[] = {
    {"menu picture", {"letUp.jpg"}, Outcome::kErrorBox, [](Matrix& m) { m.ToMenu(); }},
    {"picker picture",
     {"abcd-Up.jpg"},
     Outcome::kErrorBox,
     [](Matrix& m) { m.Open("cmdLetters"); }},
    {"cursor",
     {"1.ico", "2.ico", "3.ico", "4.ico", "5.ico", "6.ico", "7.ico", "8.ico", "9.ico", "10.ico"},
     Outcome::kErrorBox,
     [](Matrix& m) { m.ToMenu(); }},
    {"brush cursor",
     {"paintbrush.ico"},
     Outcome::kErrorBox,
     [](Matrix& m) { m.Open("cmdColors"); }},
    {"spawned picture",
     {"A.jpg"},
     Outcome::kPassOver,
     [](Matrix& m) {
       m.Open("cmdLetters");
       m.Type('A');
     }},
    {"firework frame",
     {"firework1.jpg"},
     Outcome::kPassOver,
     [](Matrix& m) {
       m.Open("cmdLetters");
       m.Type('B');
       m.Scenario().Advance(22 * kTickMs);  // into the burst
     }},
};

void ExpectErrorBox(Matrix& m, const Kind& kind, const std::string& label) {
  ASSERT_TRUE(m.Scenario().Finished()) << label;
  EXPECT_EQ(m.Scenario().ExitCode(), 1) << label;
  const auto& boxes = m.Scenario().Platform().message_boxes;
  ASSERT_EQ(boxes.size(), 1u) << label;
  bool named = false;
  for (const char* file : kind.files)
    named |= boxes[0].text.find(std::string("/") + file) != std::string::npos;
  EXPECT_TRUE(named) << label << ": " << boxes[0].text;
}

// Passed over: no box, the game plays on, a good letter still appears and every picture,
// the damaged one's too, is gone after its firework.
void ExpectPassOver(Matrix& m, const std::string& label) {
  ASSERT_FALSE(m.Scenario().Finished()) << label;
  EXPECT_TRUE(m.Scenario().Platform().message_boxes.empty()) << label;
  const int before = m.PicturesShown();
  m.Type('C');
  EXPECT_EQ(m.PicturesShown(), before + 1) << label;
  m.Scenario().Advance(30 * kTickMs);
  EXPECT_EQ(m.PicturesShown(), 0) << label;
  EXPECT_FALSE(m.Scenario().Finished()) << label;
}

TEST(BadInputMatrix, EveryKindOfFileWithEveryDamageHasItsOutcome) {
  const std::string dir = wobtest::CopyAppDir();
  const std::string png_path = wobtest::MakeTempDir() + "/p.png";
  ASSERT_TRUE(wobtest::WritePng(png_path, 8, 8, wobtest::Solid(8, 8, 0xFF00FF00)));
  const Bytes png = ReadAll(png_path);
  for (const Kind& kind : kKinds) {
    for (const Damage& damage : kDamages) {
      const std::string label = std::string(kind.what) + ", " + damage.name;
      std::vector<Bytes> intact;
      for (const char* file : kind.files) intact.push_back(ReadAll(fs::path(dir) / file));
      for (std::size_t i = 0; i < kind.files.size(); ++i) {
        damage.apply(fs::path(dir) / kind.files[i], intact[i], png);
      }
      {
        Matrix m(dir);
        kind.play(m);
        if (kind.outcome == Outcome::kErrorBox) {
          ExpectErrorBox(m, kind, label);
        } else {
          ExpectPassOver(m, label);
        }
      }
      for (std::size_t i = 0; i < kind.files.size(); ++i) {
        fs::remove_all(fs::path(dir) / kind.files[i]);
        WriteAll(fs::path(dir) / kind.files[i], intact[i]);
      }
    }
  }
}

}  // namespace
}  // namespace gametest
