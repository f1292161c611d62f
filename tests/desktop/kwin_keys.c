/* Types keys into KWin through its fake-input protocol, one command a line on stdin:
 * "keys meta+w" presses the keys in order and releases them in reverse, then answers "ok". */
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input* fake_input;

static const struct {
  const char* name;
  unsigned code;
} kKeys[] = {
    {"meta", KEY_LEFTMETA}, {"alt", KEY_LEFTALT}, {"ctrl", KEY_LEFTCTRL}, {"shift", KEY_LEFTSHIFT},
    {"tab", KEY_TAB},       {"f3", KEY_F3},       {"f4", KEY_F4},         {"f5", KEY_F5},
    {"w", KEY_W},           {"t", KEY_T}};

static void OnGlobal(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t version) {
  (void)data;
  if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
    fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}
static void OnGlobalRemove(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data, (void)registry, (void)name;
}

static int Code(const char* name) {
  for (size_t i = 0; i < sizeof kKeys / sizeof kKeys[0]; ++i)
    if (strcmp(kKeys[i].name, name) == 0) return (int)kKeys[i].code;
  return -1;
}

/* Presses "a+b+c" in order and releases in reverse; 0 when a name is unknown. */
static int Type(struct wl_display* display, char* keys) {
  int codes[8], count = 0;
  for (char* name = strtok(keys, "+\n"); name != NULL && count < 8; name = strtok(NULL, "+\n"))
    if ((codes[count++] = Code(name)) < 0) return 0;
  for (int i = 0; i < count; ++i) {
    org_kde_kwin_fake_input_keyboard_key(fake_input, codes[i], 1);
    wl_display_roundtrip(display);
    usleep(50000);
  }
  for (int i = count - 1; i >= 0; --i) {
    org_kde_kwin_fake_input_keyboard_key(fake_input, codes[i], 0);
    wl_display_roundtrip(display);
    usleep(50000);
  }
  return 1;
}

int main(void) {
  struct wl_display* display = wl_display_connect(NULL);
  if (display == NULL) return 1;
  static const struct wl_registry_listener listener = {OnGlobal, OnGlobalRemove};
  wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
  wl_display_roundtrip(display);
  if (fake_input == NULL) return 1;
  org_kde_kwin_fake_input_authenticate(fake_input, "desktop tests", "escape keys");
  /* The seat has a keyboard only after its first key: a harmless Shift before the game. */
  char shift[] = "shift";
  Type(display, shift);
  printf("ready\n");
  fflush(stdout);
  char line[256];
  while (fgets(line, sizeof line, stdin) != NULL) {
    const int ok = strncmp(line, "keys ", 5) == 0 && Type(display, line + 5);
    printf(ok ? "ok\n" : "unknown command\n");
    fflush(stdout);
  }
  return 0;
}
