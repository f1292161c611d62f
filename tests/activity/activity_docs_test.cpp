// Renders of the three screens for the documentation; run on demand with WOB_DOCS_DIR set:
// activity_test --gtest_also_run_disabled_tests --gtest_filter='*SaveRenders*'
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/activity/activity_fixture.h"

namespace activity_test {
namespace {

TEST(ActivityDocs, DISABLED_SaveRenders) {
  const char* docs = std::getenv("WOB_DOCS_DIR");
  ASSERT_NE(docs, nullptr) << "WOB_DOCS_DIR names the folder for the pictures";
  const std::pair<const activity::ScreenTable*, const char*> screens[] = {
      {&activity::kLetters, "letters.png"},
      {&activity::kNumbers, "numbers.png"},
      {&activity::kShapes, "shapes.png"}};
  for (const auto& [table, file] : screens) {
    ActivityRun run(*table);
    run.Open();
    const char* keys = "wobletn";
    for (int tick = 0; tick < 23; ++tick) {
      if (tick % 4 == 0) run.ReleasePicker(activity::kPickers[tick / 4 % 6].name);
      if (tick % 3 == 0) run.Type(std::string(1, keys[tick / 3 % 7]));
      run.Tick();
    }
    run.scenario.MouseDown(run.screen.Get<forms::Image>("cmdHeart"));
    run.scenario.SavePng(run.screen, std::string(docs) + "/" + file);
  }
}

}  // namespace
}  // namespace activity_test
