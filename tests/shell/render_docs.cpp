// Renders the splash and the main menu headless into <folder>/splash.png and menu.png for the docs.
#include <cstdio>
#include <string>

#include "tests/shell/menu_rig.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  shelltest::MenuRig rig;
  rig.scenario.Start(rig.frmSplash);
  rig.scenario.Advance(100);
  rig.scenario.SavePng(rig.frmSplash, folder + "/splash.png");
  rig.scenario.Advance(5000);
  rig.scenario.SavePng(rig.WOB, folder + "/menu.png");
  return rig.WOB.Loaded() ? 0 : 1;
}
